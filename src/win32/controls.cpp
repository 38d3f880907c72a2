#include "win32/controls.h"

#include "app/geometry.h"
#include "app/history_lines.h"
#include "app/program.h"
#include "app/text_input.h"
#include "app/unicode.h"
#include "platform/windows/wide_text.h"
#include "win32/focus_keeper.h"
#include "win32/looks.h"
#include "win32/reader_news.h"
#include "win32/reader_object.h"
#include "win32/resources.h"

#include <commctrl.h>
#include <imm.h>

#include <string_view>

namespace kulbo {

namespace {

constexpr const wchar_t* kHandlerProperty = L"Kulbo.Handler";
constexpr int kFirstControlId = 1000;

// The panels and frames: a plain window that keeps the font it is given.
LRESULT CALLBACK containerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETFONT: SetWindowLongPtrW(window, 0, static_cast<LONG_PTR>(wParam)); return 0;
    case WM_GETFONT: return GetWindowLongPtrW(window, 0);
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}

const wchar_t* containerClass() {
    static const wchar_t* const name = [] {
        WNDCLASSEXW type{};
        type.cbSize = sizeof type;
        type.lpfnWndProc = containerProcedure;
        type.cbWndExtra = sizeof(LONG_PTR);
        type.hInstance = GetModuleHandleW(nullptr);
        type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        type.lpszClassName = L"KulboContainer";
        RegisterClassExW(&type);
        return L"KulboContainer";
    }();
    return name;
}

bool isContainer(const Control& c) { return c.kind == Kind::Frame || c.kind == Kind::PictureBox; }
bool isHistory(const Control& c) { return c.kind == Kind::TextBox && static_cast<const TextBox&>(c).MultiLine; }
std::wstring wideCaption(const Control& c) { return wide(static_cast<const CaptionedControl&>(c).Caption.get()); }

// A quick second click comes as a double click; it is a click all the same.
bool isClick(int notification) { return notification == BN_CLICKED || notification == BN_DOUBLECLICKED; }

int pictureResource(const std::string& name) { return name == "unlock" ? KULBO_ICON_UNLOCK : KULBO_ICON_CANCEL; }

std::u16string_view units(std::wstring_view text) { return {reinterpret_cast<const char16_t*>(text.data()), text.size()}; }

std::wstring wideOf(const std::u16string& text) { return {text.begin(), text.end()}; }

std::wstring committedText(HWND window) {
    HIMC context = ImmGetContext(window);
    LONG bytes = ImmGetCompositionStringW(context, GCS_RESULTSTR, nullptr, 0);
    std::wstring text(bytes > 0 ? static_cast<std::size_t>(bytes) / sizeof(wchar_t) : 0, L'\0');
    if (bytes > 0) ImmGetCompositionStringW(context, GCS_RESULTSTR, text.data(), bytes);
    ImmReleaseContext(window, context);
    return text;
}

}  // namespace

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

int linesInSight(HWND box) {
    RECT area;
    SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    HDC dc = GetDC(box);
    HGDIOBJ before = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, before);
    ReleaseDC(box, dc);
    return history_lines::inSight(area.bottom - area.top, metrics.tmHeight);
}

// One native control and the handler of its messages: those the control
// gets, and those its parent gets about it, which the parent sends back here.
class NativeControl {
public:
    NativeControl(Control& control, Program& program, Looks& looks, HWND parent, int id);
    ~NativeControl();
    NativeControl(const NativeControl&) = delete;
    NativeControl& operator=(const NativeControl&) = delete;

    static NativeControl* of(HWND window) {
        return window ? static_cast<NativeControl*>(GetPropW(window, kHandlerProperty)) : nullptr;
    }

    void sync();
    void appended(std::size_t from);
    void place();
    LRESULT command(int notification);  // 0, as a notification's answer
    LRESULT drawItem(const DRAWITEMSTRUCT& item) {
        paintGraphicalButton(item, static_cast<CommandButton&>(control_), looks_, picture_);
        return TRUE;
    }
    LRESULT colours(HDC dc);

    Control& control_;
    HWND window_ = nullptr;

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR self);
    LRESULT message(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT containerMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT historyMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT boxMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT passOn(UINT message, WPARAM wParam, LPARAM lParam) { return DefSubclassProc(window_, message, wParam, lParam); }

    Form1& form() const { return program_.form(); }
    TextBox& box() const { return static_cast<TextBox&>(control_); }
    bool filtered() const { return hasKeyFilter(form(), box()); }
    // Text an input method committed, as WM_IME_COMPOSITION brings it.
    void commit(std::wstring_view text);
    LRESULT character(WPARAM unit, LPARAM lParam);
    void insert(char32_t character);
    void keep();

    Program& program_;
    Looks& looks_;
    HICON picture_ = nullptr;  // a command button's, at the size it is shown at
    int pictureSide_ = 0;
    wchar_t highSurrogate_ = 0;  // the first half of a character typed in two
    bool keeping_ = false;
};

// Made hidden till the model shows it. A box's text comes once it has its
// font (sync): an edit control lays its text out at once, in the system's
// font otherwise.
NativeControl::NativeControl(Control& control, Program& program, Looks& looks, HWND parent, int id)
    : control_(control), program_(program), looks_(looks) {
    const wchar_t* type = L"BUTTON";
    DWORD style = 0, extendedStyle = 0;
    switch (control.kind) {
    case Kind::CommandButton: style = BS_OWNERDRAW; break;
    case Kind::OptionButton: style = BS_RADIOBUTTON; break;
    case Kind::CheckBox: style = BS_CHECKBOX; break;
    case Kind::Label: {
        auto& label = static_cast<Label&>(control);
        type = L"STATIC";
        style = static_cast<DWORD>(SS_NOPREFIX | (label.Centered ? SS_CENTER : SS_LEFT) |
                                   (label.BigDisplay ? SS_CENTERIMAGE : 0));  // the digits in the middle
        break;
    }
    case Kind::TextBox:
        type = L"EDIT";
        style = box().MultiLine ? ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL : ES_AUTOHSCROLL;
        if (box().Locked) style |= ES_READONLY;
        if (box().PasswordChar) style |= ES_PASSWORD;
        extendedStyle = WS_EX_CLIENTEDGE;
        break;
    default:
        type = containerClass();
        style = WS_CLIPCHILDREN;
        extendedStyle = control.kind == Kind::PictureBox ? WS_EX_CLIENTEDGE : 0;
        break;
    }
    if (View::reachableByKeyboard(control)) style |= WS_TABSTOP;
    const bool captioned = control.kind != Kind::TextBox && !isContainer(control);
    window_ = CreateWindowExW(extendedStyle, type, captioned ? wideCaption(control).c_str() : L"",
                              style | WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SetPropW(window_, kHandlerProperty, this);
    SetWindowSubclass(window_, &NativeControl::procedure, 0, reinterpret_cast<DWORD_PTR>(this));
}

NativeControl::~NativeControl() {
    if (picture_) DestroyIcon(picture_);
    if (!window_) return;
    RemoveWindowSubclass(window_, &NativeControl::procedure, 0);
    RemovePropW(window_, kHandlerProperty);
}

// Shows what the model holds; a frame's caption is painted with it.
void NativeControl::sync() {
    switch (control_.kind) {
    case Kind::CommandButton:
    case Kind::Label:
        SetWindowTextW(window_, wideCaption(control_).c_str());
        if (control_.kind == Kind::Label && static_cast<Label&>(control_).AutoSize) place();
        break;
    case Kind::OptionButton:
    case Kind::CheckBox:
        SetWindowTextW(window_, wideCaption(control_).c_str());
        SendMessageW(window_, BM_SETCHECK, isChecked(control_) ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
    case Kind::TextBox: {
        if (box().PasswordChar) SendMessageW(window_, EM_SETPASSWORDCHAR, static_cast<WPARAM>(box().PasswordChar), 0);
        std::wstring text = wide(box().Text.get());
        if (windowText(window_) != text) SetWindowTextW(window_, text.c_str());
        break;
    }
    default:
        InvalidateRect(window_, nullptr, TRUE);
        break;
    }
}

// The history grows at its end while the user's place in it stays.
void NativeControl::appended(std::size_t from) {
    DWORD start = 0, end = 0;
    SendMessageW(window_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    LRESULT firstLine = SendMessageW(window_, EM_GETFIRSTVISIBLELINE, 0, 0);
    int length = GetWindowTextLengthW(window_);
    SendMessageW(window_, EM_SETSEL, length, length);
    std::wstring added = wide(std::string_view(box().Text.get()).substr(from));
    SendMessageW(window_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(added.c_str()));
    SendMessageW(window_, EM_SETSEL, start, end);
    SendMessageW(window_, EM_LINESCROLL, 0, firstLine - SendMessageW(window_, EM_GETFIRSTVISIBLELINE, 0, 0));
}

// Where and how large the model says, in the face, at the window's DPI; a
// label sized by its text as large as that, a picture loaded at its size.
void NativeControl::place() {
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(looks_.font(control_)), FALSE);
    const PixelRect place = placeOf(control_, looks_.dpi());
    SetWindowPos(window_, nullptr, place.left, place.top, place.width, place.height, SWP_NOZORDER | SWP_NOACTIVATE);
    if (control_.kind == Kind::Label && static_cast<Label&>(control_).AutoSize) {
        HDC dc = GetDC(window_);
        HGDIOBJ before = SelectObject(dc, looks_.font(control_));
        std::wstring text = wideCaption(control_);
        SIZE extent{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        SelectObject(dc, before);
        ReleaseDC(window_, dc);
        SetWindowPos(window_, nullptr, 0, 0, extent.cx, extent.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (control_.kind != Kind::CommandButton) return;
    auto& button = static_cast<CommandButton&>(control_);
    if (button.IconName.empty()) return;
    const int side = MulDiv(button.IconSize, looks_.dpi(), kDesignDpi);
    if (side == pictureSide_) return;
    if (picture_) DestroyIcon(picture_);
    picture_ = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(pictureResource(button.IconName)),
                                             IMAGE_ICON, side, side, LR_DEFAULTCOLOR));
    pictureSide_ = side;
}

// Where the model did not follow a choice's click, the button shows it.
// Whatever road a box's change came by, the box keeps what the program keeps.
LRESULT NativeControl::command(int notification) {
    if (control_.kind == Kind::TextBox) {
        if (notification == EN_CHANGE && !keeping_ && !box().MultiLine) keep();
    } else if (control_.kind != Kind::Label && !isContainer(control_) && isClick(notification)) {
        program_.click(control_);
        if (control_.kind != Kind::CommandButton) sync();
    }
    return 0;
}

// A control stands on its own colour or its container's; a box keeps a
// white ground until it is disabled. What the panel or frame shows beneath
// a label (a frame's caption under the big display) stays in sight: the
// container is painted into the label, which then writes its text over it.
LRESULT NativeControl::colours(HDC dc) {
    NativeControl* container = control_.kind == Kind::Label ? of(GetParent(window_)) : nullptr;
    if (control_.BackColor || !container || !isContainer(container->control_)) {
        COLORREF ground = looks_.background(control_);
        if (control_.kind == Kind::TextBox && !control_.BackColor)
            ground = GetSysColor(control_.Enabled ? COLOR_WINDOW : COLOR_BTNFACE);
        SetTextColor(dc, looks_.text(control_));
        SetBkColor(dc, ground);
        return reinterpret_cast<LRESULT>(looks_.brush(ground));
    }
    RECT place;
    GetWindowRect(window_, &place);
    MapWindowPoints(nullptr, container->window_, reinterpret_cast<POINT*>(&place), 2);
    POINT origin;
    SetViewportOrgEx(dc, -place.left, -place.top, &origin);
    paintContainer(dc, container->window_, container->control_, looks_);
    SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, looks_.text(control_));
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

LRESULT NativeControl::message(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
        if (LRESULT answer = readerObject(window_, wParam, program_.readers(), control_)) return answer;
    }
    if (isContainer(control_)) return containerMessage(message, wParam, lParam);
    if (isHistory(control_)) return historyMessage(message, wParam, lParam);
    if (control_.kind == Kind::TextBox) return boxMessage(message, wParam, lParam);
    return passOn(message, wParam, lParam);
}

// Panels and frames hand their children's notifications and colour
// questions to the children's own handlers.
LRESULT NativeControl::containerMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result; ControlSet::reflect(message, wParam, lParam, result)) return result;
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // painted whole in WM_PAINT
    case WM_PAINT: {
        PAINTSTRUCT painting;
        HDC dc = BeginPaint(window_, &painting);
        paintContainer(dc, window_, control_, looks_);
        EndPaint(window_, &painting);
        return 0;
    }
    default:
        return passOn(message, wParam, lParam);
    }
}

// The history box's keys move from line to line as the program says, the
// caret at the start of the line.
LRESULT NativeControl::historyMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN: {
        const std::wstring text = windowText(window_);
        DWORD caret = 0;
        SendMessageW(window_, EM_GETSEL, reinterpret_cast<WPARAM>(&caret), 0);
        const auto first = static_cast<int>(SendMessageW(window_, EM_GETFIRSTVISIBLELINE, 0, 0));
        const std::u16string_view lines(reinterpret_cast<const char16_t*>(text.data()), text.size());
        if (auto move = history_lines::afterKey(static_cast<int>(wParam), lines, caret, first, linesInSight(window_))) {
            SendMessageW(window_, EM_SETSEL, move->caret, move->caret);
            SendMessageW(window_, EM_LINESCROLL, 0, move->first - first);
            return 0;
        }
        break;
    }
    case WM_CHAR:
        if (hasKeyFilter(form(), box()) && !isControlCharacter(static_cast<char32_t>(wParam)) &&
            form().keyPress(box(), keyAsciiOf(static_cast<char32_t>(wParam))) == 0)
            return 0;
        break;
    case WM_PASTE:
        if (hasKeyFilter(form(), box())) return 0;
        break;
    default:
        break;
    }
    return passOn(message, wParam, lParam);
}

// Typed characters pass the box's key filter, an input method's commit
// passes it one character at a time, the filtered boxes refuse pasting, and
// whatever the edit control then holds passes the program's last check.
LRESULT NativeControl::boxMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CHAR:
    case WM_IME_CHAR:
        return character(wParam, lParam);
    case WM_PASTE:
        if (filtered()) return 0;
        break;
    case WM_IME_COMPOSITION:
        if (filtered() && (lParam & GCS_RESULTSTR)) {
            commit(committedText(window_));
            return 0;
        }
        break;
    default:
        break;
    }
    return passOn(message, wParam, lParam);
}

// Each admitted character goes to the box past the filter that let it in.
void NativeControl::commit(std::wstring_view text) {
    program_.type(box(), codePointsOfUtf16(units(text)), [this](char32_t c) { insert(c); });
}

// One change, so the box never holds half a character.
void NativeControl::insert(char32_t character) {
    std::wstring text = wideOf(utf16Of(std::u32string(1, character)));
    if (text.size() == 1)
        passOn(WM_CHAR, text[0], 1);
    else
        SendMessageW(window_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

// A character beyond the Basic Multilingual Plane comes in two halves.
LRESULT NativeControl::character(WPARAM unit, LPARAM lParam) {
    if (unit >= 0xD800 && unit < 0xDC00) {
        highSurrogate_ = static_cast<wchar_t>(unit);
        return 0;
    }
    char32_t c = static_cast<char32_t>(unit);
    if (unit >= 0xDC00 && unit < 0xE000) {
        if (!highSurrogate_) return 0;
        c = 0x10000 + ((static_cast<char32_t>(highSurrogate_) - 0xD800) << 10) + (c - 0xDC00);
    }
    highSurrogate_ = 0;
    // The filter saw the control characters as their keys went down.
    if (filtered()) {
        if (!isControlCharacter(c) && form().keyPress(box(), keyAsciiOf(c)) == 0) return 0;
    } else if (c == U'\r' || c == U'\n' || c == 0x1B) {
        return 0;  // a single-line box only beeps at them
    }
    if (c < 0x10000) return passOn(WM_CHAR, unit, lParam);
    insert(c);
    return 0;
}

void NativeControl::keep() {
    keeping_ = true;
    DWORD caret = 0;
    SendMessageW(window_, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    KeptEdit kept = keepEdit(form(), box(), units(windowText(window_)), caret);
    if (kept.changed) {
        std::wstring text = wideOf(kept.text);
        if (windowText(window_) != text) SetWindowTextW(window_, text.c_str());
        SendMessageW(window_, EM_SETSEL, kept.caret, kept.caret);
    }
    keeping_ = false;
}

LRESULT CALLBACK NativeControl::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR self) {
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, &NativeControl::procedure, 0);
        RemovePropW(window, kHandlerProperty);
        reinterpret_cast<NativeControl*>(self)->window_ = nullptr;
        return DefSubclassProc(window, message, wParam, lParam);
    }
    return reinterpret_cast<NativeControl*>(self)->message(message, wParam, lParam);
}

ControlSet::ControlSet(HWND window, Program& program, Looks& looks) : program_(program), looks_(looks) {
    build(program.form(), window);
}

ControlSet::~ControlSet() = default;

// An earlier child lies above a later one.
void ControlSet::build(Control& container, HWND parent) {
    HWND above = HWND_TOP;
    for (Control* child : container.children) {
        if (child->kind == Kind::Form || child->kind == Kind::Timer) continue;
        auto native = std::make_unique<NativeControl>(*child, program_, looks_, parent,
                                                      kFirstControlId + static_cast<int>(natives_.size()));
        HWND widget = native->window_;
        natives_[child] = std::move(native);
        SetWindowPos(widget, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = widget;
        build(*child, widget);
    }
}

HWND ControlSet::handleOf(const Control& control) const {
    auto it = natives_.find(&control);
    return it == natives_.end() ? nullptr : it->second->window_;
}

Control* ControlSet::controlOf(HWND window) const {
    NativeControl* native = NativeControl::of(window);
    auto it = native ? natives_.find(&native->control_) : natives_.end();
    return it != natives_.end() && it->second.get() == native ? &native->control_ : nullptr;
}

void ControlSet::apply(const WindowChange& change, FocusKeeper& focus) {
    auto it = natives_.find(change.control);
    if (it == natives_.end()) return;
    NativeControl& native = *it->second;
    HWND widget = native.window_;
    switch (change.step) {
    case WindowChange::Content:
    case WindowChange::HistoryReplaced: native.sync(); break;
    case WindowChange::HistoryAppended: native.appended(change.from); break;
    case WindowChange::Geometry: native.place(); break;
    case WindowChange::Enabled: EnableWindow(widget, change.control->Enabled); break;
    case WindowChange::WindowState: break;
    // What a panel covers is hidden with it, so it takes no focus, key or click.
    case WindowChange::Show: ShowWindow(widget, SW_SHOWNA); break;
    case WindowChange::Hide: ShowWindow(widget, SW_HIDE); break;
    case WindowChange::Focus: focus.focusOn(change.control); break;
    case WindowChange::ReaderName: announce(widget, true, {}); break;
    case WindowChange::ReaderDescription: announce(widget, false, {}); break;
    case WindowChange::Announce: announce(widget, false, change.text); break;
    }
}

void ControlSet::placeAll() {
    for (auto& [control, native] : natives_) native->place();
}

bool ControlSet::reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    const bool drawing = message == WM_DRAWITEM;
    if (message != WM_COMMAND && !drawing && message != WM_CTLCOLORSTATIC && message != WM_CTLCOLOREDIT &&
        message != WM_CTLCOLORBTN)
        return false;
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    NativeControl* child = NativeControl::of(drawing ? item->hwndItem : reinterpret_cast<HWND>(lParam));
    if (!child) return false;
    result = message == WM_COMMAND ? child->command(HIWORD(wParam))
             : drawing             ? child->drawItem(*item)
                                   : child->colours(reinterpret_cast<HDC>(wParam));
    return true;
}

}  // namespace kulbo
