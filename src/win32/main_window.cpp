#include "win32/main_window.h"

#include "app/geometry.h"
#include "app/text_input.h"
#include "platform/windows/wide_text.h"
#include "win32/child_window.h"
#include "win32/input_guard.h"
#include "win32/resources.h"

namespace kulbo {

namespace {

constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr UINT_PTR kSettleTimer = 1;
constexpr int kFirstControlId = 1000;

// Functions that newer systems have, looked up so that older ones still run.
template <class Function>
Function systemFunction(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

int dpiOf(HWND window) {
    static auto forWindow = systemFunction<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    if (forWindow && window) return static_cast<int>(forWindow(window));
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

RECT outerRectFor(PixelSize client, int dpi) {
    RECT rect{0, 0, client.width, client.height};
    static auto forDpi = systemFunction<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
    if (forDpi)
        forDpi(&rect, kWindowStyle, FALSE, 0, static_cast<UINT>(dpi));
    else
        AdjustWindowRectEx(&rect, kWindowStyle, FALSE, 0);
    return rect;
}

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::string captionOf(const Control& c) {
    auto* captioned = dynamic_cast<const CaptionedControl*>(&c);
    return captioned ? captioned->Caption.get() : std::string();
}

// The name a screen reader gives a box: its label, without the colon.
std::wstring labelName(const Control& c) {
    if (!c.LabelledBy) return {};
    std::wstring name = wide(c.LabelledBy->Caption.get());
    if (!name.empty() && name.back() == L'：') name.pop_back();
    return name;
}

ChildWindow describe(const Control& c) {
    ChildWindow child;
    switch (c.kind) {
    case Kind::CommandButton:
        child.windowClass = L"BUTTON";
        child.style = BS_OWNERDRAW;
        break;
    case Kind::OptionButton:
        child.windowClass = L"BUTTON";
        child.style = BS_RADIOBUTTON;
        break;
    case Kind::CheckBox:
        child.windowClass = L"BUTTON";
        child.style = BS_CHECKBOX;
        break;
    case Kind::TextBox: {
        auto& box = static_cast<const TextBox&>(c);
        child.windowClass = L"EDIT";
        child.extendedStyle = WS_EX_CLIENTEDGE;
        child.style = box.MultiLine ? ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL : ES_AUTOHSCROLL;
        if (box.Locked) child.style |= ES_READONLY;
        if (box.PasswordChar) child.style |= ES_PASSWORD;
        break;
    }
    case Kind::Label:
        child.windowClass = L"STATIC";
        child.style = SS_NOPREFIX | (static_cast<const Label&>(c).Centered ? SS_CENTER : SS_LEFT);
        break;
    case Kind::Frame:
        child.windowClass = containerClass();
        child.style = WS_CLIPCHILDREN;
        break;
    case Kind::PictureBox:
        child.windowClass = containerClass();
        child.style = WS_CLIPCHILDREN;
        child.extendedStyle = WS_EX_CLIENTEDGE;
        break;
    case Kind::Form:
    case Kind::Timer:
        break;
    }
    return child;
}

// Messages that may run a handler. Moving the mouse runs none.
bool isInput(UINT message) {
    switch (message) {
    case WM_KEYDOWN: case WM_KEYUP: case WM_SYSKEYDOWN: case WM_SYSKEYUP: case WM_CHAR:
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN: case WM_NCLBUTTONDBLCLK: case WM_IME_COMPOSITION:
        return true;
    default:
        return false;
    }
}

int shiftState() {
    int mask = 0;
    if (GetKeyState(VK_SHIFT) < 0) mask |= key::kShift;
    if (GetKeyState(VK_CONTROL) < 0) mask |= key::kCtrl;
    if (GetKeyState(VK_MENU) < 0) mask |= key::kAlt;
    return mask;
}

HICON loadIcon(int id, int size) {
    return static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

const wchar_t* windowClass() {
    static const wchar_t* const name = [] {
        WNDCLASSEXW type{};
        type.cbSize = sizeof type;
        type.lpfnWndProc = DefWindowProcW;  // until the window knows its object
        type.hInstance = GetModuleHandleW(nullptr);
        type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        type.hIcon = loadIcon(KULBO_ICON_WINDOW, GetSystemMetrics(SM_CXICON));
        type.hIconSm = loadIcon(KULBO_ICON_WINDOW, GetSystemMetrics(SM_CXSMICON));
        type.lpszClassName = L"KulboWindow";
        RegisterClassExW(&type);
        return L"KulboWindow";
    }();
    return name;
}

}  // namespace

MainWindow::MainWindow(Form1& form) : form_(form), looks_(kDesignDpi) {
    window_ = CreateWindowExW(0, windowClass(), wide(form_.Caption.get()).c_str(), kWindowStyle, CW_USEDEFAULT,
                              CW_USEDEFAULT, 100, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MainWindow::procedure));
    looks_.setDpi(dpiOf(window_));
    controls_[window_] = &form_;
    buildChildren(form_, window_);
    applyOuterSize();
    form_.setListener(this);
}

MainWindow::~MainWindow() {
    form_.setListener(nullptr);
    DestroyWindow(window_);
    for (auto& [control, picture] : pictures_) DestroyIcon(picture);
}

HWND MainWindow::handleOf(const Control& control) const {
    auto it = handles_.find(&control);
    return it == handles_.end() ? nullptr : it->second;
}

Control* MainWindow::controlOf(HWND window) const {
    auto it = controls_.find(window);
    return it == controls_.end() ? nullptr : it->second;
}

void MainWindow::showCentred() {
    RECT outer;
    GetWindowRect(window_, &outer);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& area = monitor.rcWork;
    int width = outer.right - outer.left, height = outer.bottom - outer.top;
    SetWindowPos(window_, nullptr, (area.left + area.right - width) / 2, (area.top + area.bottom - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(window_, SW_SHOWNORMAL);
    UpdateWindow(window_);
    focusOn(view_.firstFocus());
}

// An earlier child lies above a later one.
void MainWindow::buildChildren(Control& container, HWND parent) {
    HWND above = HWND_TOP;
    for (Control* child : container.children) {
        HWND widget = createWidget(*child, parent);
        if (!widget) continue;
        SetWindowPos(widget, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = widget;
        buildChildren(*child, widget);
    }
}

HWND MainWindow::createWidget(Control& c, HWND parent) {
    ChildWindow child = describe(c);
    if (!child.windowClass) return nullptr;
    child.parent = parent;
    child.id = kFirstControlId + static_cast<int>(controls_.size());
    child.text = wide(c.kind == Kind::TextBox ? static_cast<TextBox&>(c).Text.get() : captionOf(c));
    if (c.kind == Kind::PictureBox && c.LabelledBy) child.text = wide(c.LabelledBy->Caption.get());
    child.style |= (view_.showsWidget(c) ? WS_VISIBLE : 0) | (c.Enabled ? 0 : WS_DISABLED);
    if (c.kind != Kind::Label && c.kind != Kind::Frame && c.kind != Kind::PictureBox) child.style |= WS_TABSTOP;
    HWND widget = createChild(child);
    handles_[&c] = widget;
    controls_[widget] = &c;
    SendMessageW(widget, WM_SETFONT, reinterpret_cast<WPARAM>(looks_.font(c.FontSize)), FALSE);
    if (c.kind == Kind::TextBox) {
        auto& box = static_cast<TextBox&>(c);
        SendMessageW(widget, EM_SETLIMITTEXT, box.MaxLength > 0 ? box.MaxLength : 0, 0);
        if (box.PasswordChar) SendMessageW(widget, EM_SETPASSWORDCHAR, static_cast<WPARAM>(box.PasswordChar), 0);
        guardTextBox(widget, form_, box, labelName(box));
    }
    if (auto* button = dynamic_cast<CommandButton*>(&c); button && !button->IconName.empty()) {
        int id = button->IconName == "unlock" ? KULBO_ICON_UNLOCK : KULBO_ICON_CANCEL;
        pictures_[&c] = loadIcon(id, MulDiv(32, looks_.dpi(), kDesignDpi));
    }
    place(c);
    syncContent(c);
    return widget;
}

void MainWindow::place(Control& c) {
    HWND widget = handleOf(c);
    if (!widget) return;
    const int dpi = looks_.dpi();
    int width = pixelsFromTwips(c.Width, dpi), height = pixelsFromTwips(c.Height, dpi);
    if (auto* label = dynamic_cast<Label*>(&c); label && label->AutoSize) {
        HDC dc = GetDC(widget);
        HGDIOBJ before = SelectObject(dc, looks_.font(c.FontSize));
        std::wstring text = wide(label->Caption.get());
        SIZE extent{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        SelectObject(dc, before);
        ReleaseDC(widget, dc);
        width = extent.cx;
        height = extent.cy;
    }
    SetWindowPos(widget, nullptr, pixelsFromTwips(c.Left, dpi), pixelsFromTwips(c.Top, dpi), width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::syncContent(Control& c) {
    HWND widget = handleOf(c);
    if (!widget) return;
    switch (c.kind) {
    case Kind::OptionButton:
        SendMessageW(widget, BM_SETCHECK, static_cast<OptionButton&>(c).Value ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
    case Kind::CheckBox:
        SendMessageW(widget, BM_SETCHECK, static_cast<CheckBox&>(c).Value != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
    case Kind::TextBox: {
        std::wstring text = wide(static_cast<TextBox&>(c).Text.get());
        if (windowText(widget) != text) SetWindowTextW(widget, text.c_str());
        break;
    }
    case Kind::PictureBox:
        break;
    default:
        SetWindowTextW(widget, wide(captionOf(c)).c_str());
        if (auto* label = dynamic_cast<Label*>(&c); label && label->AutoSize) place(c);
        break;
    }
}

void MainWindow::propertyChanged(Control& c, Property property) {
    if (&c == &form_) {
        if (property == Property::Caption) SetWindowTextW(window_, wide(form_.Caption.get()).c_str());
        if (property == Property::WindowState) applyWindowState();
        if (property == Property::Width || property == Property::Height) applyOuterSize();
        return;
    }
    if (!handleOf(c)) return;
    switch (property) {
    case Property::Caption:
    case Property::Text:
    case Property::Value:
        // Hidden controls (the rolling number changes a thousand times a
        // second) catch up when they are shown.
        if (c.shown()) syncContent(c);
        break;
    case Property::Enabled: {
        Control* before = focused();
        EnableWindow(handleOf(c), c.Enabled);
        refocus(before);
        break;
    }
    case Property::Visible: {
        Control* before = focused();
        applyVisible();
        syncShownSubtree(c);
        refocus(before);
        break;
    }
    case Property::Left:
    case Property::Top:
    case Property::Width:
    case Property::Height:
        place(c);
        break;
    case Property::WindowState:
        break;
    }
}

// New lines go at the end of the history box; the user's place in it stays.
void MainWindow::textAppended(Control& c, std::size_t from) {
    HWND box = handleOf(c);
    if (!box || !static_cast<TextBox&>(c).MultiLine) return propertyChanged(c, Property::Text);
    DWORD start = 0, end = 0;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    LRESULT firstLine = SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0);
    int length = GetWindowTextLengthW(box);
    SendMessageW(box, EM_SETSEL, length, length);
    std::wstring added = wide(std::string_view(static_cast<TextBox&>(c).Text.get()).substr(from));
    SendMessageW(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(added.c_str()));
    SendMessageW(box, EM_SETSEL, start, end);
    SendMessageW(box, EM_LINESCROLL, 0, firstLine - SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0));
}

void MainWindow::syncShownSubtree(Control& c) {
    if (!c.shown()) return;
    syncContent(c);
    for (Control* child : c.children) syncShownSubtree(*child);
}

// What a panel covers is hidden with it, so it takes no focus, key or click.
void MainWindow::applyVisible() {
    for (auto& [control, widget] : handles_) {
        bool shows = view_.showsWidget(*control);
        if (((GetWindowLongW(widget, GWL_STYLE) & WS_VISIBLE) != 0) != shows) ShowWindow(widget, shows ? SW_SHOWNA : SW_HIDE);
    }
}

void MainWindow::refocus(Control* focusedBefore) { focusOn(view_.focusAfterChange(focusedBefore)); }

void MainWindow::focusOn(Control* control) {
    HWND widget = control ? handleOf(*control) : nullptr;
    if (!widget) return;
    if (GetActiveWindow() == window_)
        SetFocus(widget);
    else
        focusWhileInactive_ = widget;  // given back when the window is active again
}

Control* MainWindow::focused() const {
    HWND focus = GetFocus();
    Control* c = focus && IsChild(window_, focus) ? controlOf(focus) : nullptr;
    return c ? c : controlOf(focusWhileInactive_);
}

void MainWindow::beforeEvent() {
    if (beforeEvent_) beforeEvent_();
    SetTimer(window_, kSettleTimer, 1, nullptr);
}

void MainWindow::applyWindowState() {
    bool minimized = IsIconic(window_), maximized = IsZoomed(window_);
    if (form_.WindowState == kMinimized && !minimized) ShowWindow(window_, SW_MINIMIZE);
    if (form_.WindowState == kMaximized && !maximized) ShowWindow(window_, SW_MAXIMIZE);
    if (form_.WindowState == kNormal && (minimized || maximized)) ShowWindow(window_, SW_RESTORE);
}

void MainWindow::applyOuterSize() {
    RECT outer = outerRectFor(clientSizeForOuter(form_.Width, form_.Height, looks_.dpi()), looks_.dpi());
    RECT now;
    GetWindowRect(window_, &now);
    int width = outer.right - outer.left, height = outer.bottom - outer.top;
    if (now.right - now.left != width || now.bottom - now.top != height)
        SetWindowPos(window_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::followSize(WPARAM kind) {
    beforeEvent();
    if (kind == SIZE_MINIMIZED) {
        form_.WindowState = kMinimized;
        return;
    }
    form_.WindowState = kind == SIZE_MAXIMIZED ? kMaximized : kNormal;
    RECT client;
    GetClientRect(window_, &client);
    int width = 0, height = 0;
    outerSizeForClient({client.right, client.bottom}, looks_.dpi(), width, height);
    form_.Width = width;
    form_.Height = height;
}

void MainWindow::changeDpi(int dpi, const RECT& suggested) {
    looks_.setDpi(dpi);
    for (auto& [control, widget] : handles_) {
        SendMessageW(widget, WM_SETFONT, reinterpret_cast<WPARAM>(looks_.font(control->FontSize)), FALSE);
        place(*const_cast<Control*>(control));
    }
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    applyOuterSize();
    InvalidateRect(window_, nullptr, TRUE);
}

void MainWindow::command(HWND child, int notification) {
    Control* c = controlOf(child);
    if (!c) return;
    switch (c->kind) {
    case Kind::CommandButton:
    case Kind::OptionButton:
    case Kind::CheckBox:
        // A quick second click comes as a double click; it is a click all the same.
        if (notification != BN_CLICKED && notification != BN_DOUBLECLICKED) return;
        form_.click(*c);
        syncContent(*c);  // where the model did not follow, the button shows it
        break;
    case Kind::TextBox:
        if (notification == EN_CHANGE && !static_cast<TextBox&>(*c).MultiLine) {
            std::wstring text = windowText(child);
            std::u32string kept = withoutControlCharacters(codePoints(text));
            if (kept.size() != codePoints(text).size()) {
                SetWindowTextW(child, utf16(kept).c_str());  // what was pasted comes back clean
                return;
            }
            static_cast<TextBox&>(*c).Text = utf8(text);
        }
        break;
    default:
        break;
    }
}

LRESULT MainWindow::colours(HDC dc, HWND child) {
    Control* c = controlOf(child);
    if (!c) return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    // A label is see-through: what its panel or frame shows beneath it (a
    // frame's caption under the big display) stays in sight. The container
    // is painted into the label, which then writes its text over it.
    if (c->kind == Kind::Label && !c->BackColor && c->container != &form_) {
        RECT place;
        GetWindowRect(child, &place);
        MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&place), 2);
        POINT origin;
        SetViewportOrgEx(dc, -place.left, -place.top, &origin);
        paintContainer(dc, GetParent(child), *c->container, looks_);
        SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, c->Enabled ? looks_.text(*c) : kDisabledText);
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
    // A box keeps a white ground, whatever its frame's colour, until it is disabled.
    COLORREF ground = c->kind != Kind::TextBox || c->BackColor ? looks_.background(*c)
                      : c->Enabled                          ? GetSysColor(COLOR_WINDOW)
                                                            : GetSysColor(COLOR_BTNFACE);
    SetTextColor(dc, c->Enabled ? looks_.text(*c) : kDisabledText);
    SetBkColor(dc, ground);
    return reinterpret_cast<LRESULT>(looks_.brush(ground));
}

bool MainWindow::preTranslate(const MSG& message) {
    if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
    if (isInput(message.message)) beforeEvent();
    if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) {
        View::KeyResult result = view_.keyDown(focused(), static_cast<int>(message.wParam), shiftState());
        focusOn(result.focus);
        // Alt let go after a letter it pressed a button with must not open
        // the window's menu.
        if (result.consumed && message.message == WM_SYSKEYDOWN) swallowAltRelease_ = true;
        return result.consumed;
    }
    if ((message.message == WM_SYSKEYUP || message.message == WM_KEYUP) && message.wParam == VK_MENU &&
        swallowAltRelease_) {
        swallowAltRelease_ = false;
        return true;
    }
    return false;
}

LRESULT CALLBACK MainWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self ? self->handleMessage(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (lParam) command(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
        return 0;
    case WM_DRAWITEM: {
        auto& item = *reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (auto* button = dynamic_cast<CommandButton*>(controlOf(item.hwndItem))) {
            auto picture = pictures_.find(button);
            paintGraphicalButton(item, *button, looks_, picture == pictures_.end() ? nullptr : picture->second);
        }
        return TRUE;
    }
    case kPaintContainer:
        if (Control* c = controlOf(reinterpret_cast<HWND>(lParam)))
            paintContainer(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), *c, looks_);
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
        return colours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_TIMER:
        if (wParam == kSettleTimer) {
            KillTimer(window_, kSettleTimer);
            if (beforeEvent_) beforeEvent_();
        }
        return 0;
    case WM_SIZE:
        followSize(wParam);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(window_, focus)) focusWhileInactive_ = focus;
        } else if (focusWhileInactive_ && IsWindowVisible(focusWhileInactive_) && IsWindowEnabled(focusWhileInactive_)) {
            SetFocus(focusWhileInactive_);
            return 0;
        }
        break;
    case WM_DPICHANGED:
        changeDpi(HIWORD(wParam), *reinterpret_cast<RECT*>(lParam));
        return 0;
    case WM_CLOSE:  // the close box, Alt+F4 and the window menu alike
        beforeEvent();
        form_.requestClose();
        return 0;
    case WM_QUERYENDSESSION:
        beforeEvent();
        return form_.cancelSessionEnd((lParam & ENDSESSION_CRITICAL) == 0) ? FALSE : TRUE;
    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace kulbo
