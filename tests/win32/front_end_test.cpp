// The Win32 front end: a real window under Wine under the shared scenarios,
// each key delivered by the message loop's own road (the program first, then
// TranslateMessage makes its character), texts read back from the native
// controls and through MSAA, pixels from the windows' surfaces; and what
// Windows alone has (its DPI, window procedures, activation, owner drawing).
#include "front_end/driver.h"

#include "app/geometry.h"
#include "app/unicode.h"
#include "platform/windows/wide_text.h"
#include "win32/main_window.h"
#include "win32/message_loop.h"
#include "win32/win32_dialogs.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <imm.h>
#include <objbase.h>
#include <oleacc.h>

namespace kulbo::testing {

namespace {

std::vector<std::pair<HWND, DWORD>> told;

void CALLBACK heard(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG, DWORD, DWORD) {
    if (object == OBJID_CLIENT) told.emplace_back(window, event);
}

using ReaderQuestion = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);

std::string readerText(HWND window, ReaderQuestion question) {
    IAccessible* object = nullptr;
    BSTR text = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&object))))
        return "<no object>";
    VARIANT self{};  // its lVal 0: CHILDID_SELF
    self.vt = VT_I4;
    (object->*question)(self, &text);
    std::string result = text ? utf8(text) : std::string();
    SysFreeString(text);
    object->Release();
    return result;
}

class Win32Driver : public FrontEndDriver {
public:
    Win32Driver() {
        dialogs_.setWindow(&window_);
        program_.form().load();
        window_.showCentred(program_.view().firstFocus());
        SetForegroundWindow(window_.handle());
        hook_ = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_DESCRIPTIONCHANGE, nullptr, &heard,
                                GetCurrentProcessId(), GetCurrentThreadId(), WINEVENT_OUTOFCONTEXT);
        // Keys go to the focus, which the window has once the window manager
        // has activated it: slow on a busy machine.
        for (int wait = 0; wait < 300 && GetForegroundWindow() != window_.handle(); ++wait) {
            pump();
            Sleep(10);
        }
        pump();
    }
    ~Win32Driver() override { UnhookWinEvent(hook_); }

    MainWindow& window() { return window_; }
    HWND handle(const Control& c) { return &c == &program_.form() ? window_.handle() : window_.controls().handleOf(c); }
    // Delivers what is queued, as the message loop does, paints included.
    void pump() {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) deliver(window_, message);
    }

    Program& program() override { return program_; }
    void click(const Control& c) override {
        SendMessageW(handle(c), BM_CLICK, 0, 0);
        pump();
    }
    void focus(const Control& c) override {
        SetFocus(handle(c));
        pump();
    }
    const Control* focused() override { return window_.controls().controlOf(GetFocus()); }

    void press(NamedKey key, int shift) override { stroke(static_cast<UINT>(keyCodeOf(key)), shift, 0); }
    // The key that types the character, or a packet as an input method sends it.
    void press(char32_t c, int shift) override {
        SHORT typed = c < 0x10000 ? VkKeyScanW(static_cast<wchar_t>(c)) : -1;
        if (typed != -1 && LOBYTE(typed) != 0xFF) return stroke(LOBYTE(typed), shift | HIBYTE(typed), 0);
        for (char16_t unit : utf16Of(std::u32string(1, c))) stroke(VK_PACKET, shift, unit);
    }
    void paste(std::u32string_view text, PasteRoad road) override {
        std::u16string units = utf16Of(text);
        if (!OpenClipboard(nullptr)) return;
        EmptyClipboard();
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (units.size() + 1) * sizeof(char16_t));
        std::copy(units.c_str(), units.c_str() + units.size() + 1, static_cast<char16_t*>(GlobalLock(memory)));
        GlobalUnlock(memory);
        SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();
        if (road == PasteRoad::CtrlV) stroke('V', key::kCtrl, 0);
        if (road == PasteRoad::ShiftInsert) stroke(VK_INSERT, key::kShift, 0);
        if (road == PasteRoad::BoxCommand) SendMessageW(GetFocus(), WM_PASTE, 0, 0);
    }
    // As the system's input method makes it.
    void commit(std::u32string_view text) override {
        std::u16string units = utf16Of(text);
        HIMC context = ImmGetContext(GetFocus());
        ImmSetCompositionStringW(context, SCS_SETSTR, units.data(), static_cast<DWORD>(units.size() * 2), nullptr, 0);
        ImmNotifyIME(context, NI_COMPOSITIONSTR, CPS_COMPLETE, 0);
        ImmReleaseContext(GetFocus(), context);
        pump();
    }

    Shown shown(const Control& c) override {
        HWND w = handle(c);
        RECT place;
        GetWindowRect(w, &place);
        MapWindowPoints(nullptr, GetParent(w), reinterpret_cast<POINT*>(&place), 2);
        if (w == window_.handle()) GetClientRect(w, &place);
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(w, WM_GETFONT, 0, 0)), sizeof font, &font);
        return {place.left, place.top, place.right - place.left, place.bottom - place.top,
                (GetWindowLongW(w, GWL_STYLE) & WS_VISIBLE) != 0, IsWindowEnabled(w) != 0, -font.lfHeight,
                utf8(windowText(w)), SendMessageW(w, BM_GETCHECK, 0, 0) == BST_CHECKED};
    }
    // The control's pixels in the part of its client area given, row by row.
    std::vector<COLORREF> pixels(const Control& c, RECT part) {
        pump();
        HDC screen = GetDC(handle(c));
        std::vector<COLORREF> seen;
        for (int y = part.top; y < part.bottom; ++y)
            for (int x = part.left; x < part.right; ++x) seen.push_back(GetPixel(screen, x, y));
        ReleaseDC(handle(c), screen);
        return seen;
    }
    std::vector<int> ink(const Control& c) override {
        RECT area;
        GetClientRect(handle(c), &area);
        std::vector<int> rows(static_cast<std::size_t>(area.bottom));
        const std::vector<COLORREF> seen = pixels(c, area);
        for (std::size_t i = 0; i < seen.size(); ++i)
            rows[i / static_cast<std::size_t>(area.right)] += std::min({GetRValue(seen[i]), GetGValue(seen[i]), GetBValue(seen[i])}) < 128;
        return rows;
    }
    std::string readerName(const Control& c) override { return readerText(handle(c), &IAccessible::get_accName); }
    std::string readerDescription(const Control& c) override { return readerText(handle(c), &IAccessible::get_accDescription); }
    // "Label4.Name", "Text6.Description", ...: what readers were told of
    // since the last call.
    std::vector<std::string> toldReaders() {
        pump();
        std::vector<std::string> names;
        for (auto [window, event] : told)
            if (const Control* c = window_.controls().controlOf(window))
                names.push_back(c->name + (event == EVENT_OBJECT_NAMECHANGE ? ".Name" : ".Description"));
        told.clear();
        return names;
    }

    int historyLine() override {
        return static_cast<int>(SendMessageW(handle(program_.form().Text6), EM_LINEFROMCHAR, -1, 0));
    }
    int historyLinesInSight() override { return linesInSight(handle(program_.form().Text6)); }

private:
    // Down and up, the modifiers held meanwhile; a packet carries its character
    // where the scan code would be.
    void stroke(UINT virtualKey, int shift, char16_t packet) {
        BYTE before[256], held[256];
        GetKeyboardState(before);
        std::copy(before, before + 256, held);
        const std::pair<int, UINT> modifiers[] = {{key::kShift, VK_SHIFT}, {key::kCtrl, VK_CONTROL}, {key::kAlt, VK_MENU}};
        for (auto [mask, modifier] : modifiers) held[modifier] = (shift & mask) ? 0x80 : 0;
        SetKeyboardState(held);
        const UINT scan = packet ? packet : MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
        const LPARAM down = 1 | (static_cast<LPARAM>(scan) << 16), up = down | (static_cast<LPARAM>(3) << 30);
        HWND target = GetFocus() ? GetFocus() : window_.handle();
        deliver(window_, MSG{target, WM_KEYDOWN, virtualKey, down, GetTickCount(), {}});
        pump();
        deliver(window_, MSG{GetFocus() ? GetFocus() : target, WM_KEYUP, virtualKey, up, GetTickCount(), {}});
        pump();
        SetKeyboardState(before);
    }

    FakePlatform fake_;
    FakeBoxes<Win32Dialogs> dialogs_{fake_};
    Program program_{fake_, dialogs_};
    MainWindow window_{program_};
    HWINEVENTHOOK hook_ = nullptr;
};

}  // namespace

std::unique_ptr<FrontEndDriver> makeDriver() { return std::make_unique<Win32Driver>(); }

namespace {

class Win32FrontEnd : public ::testing::Test {
protected:
    Win32Driver driver;
    Form1& form = driver.program().form();
};

// A change of DPI makes the face anew at the new size, and paints it anew.
TEST_F(Win32FrontEnd, TheFaceFollowsTheDpi) {
    HWND main = driver.window().handle();
    RECT suggested;
    GetWindowRect(main, &suggested);
    SendMessageW(main, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    const std::vector<int> title = driver.ink(form.Label1);
    RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    EXPECT_EQ(driver.ink(form.Label1), title);
    const Shown window = driver.shown(form), start = driver.shown(form.Command1);
    EXPECT_EQ(window.width, clientSizeForOuter(kDesignOuterWidth, kDesignOuterHeight, 144).width);
    EXPECT_EQ(std::tuple(start.left, start.height), std::tuple(pixelsFromTwips(form.Command1.Left, 144), pixelsFromTwips(form.Command1.Height, 144)));
    EXPECT_EQ(driver.shown(form.Text1).fontPixels, fontPixels(form.Text1.FontSize, 144));
}

// Each box keeps its own procedure under the hook, and has it alone again.
TEST_F(Win32FrontEnd, HookedBoxesKeepTheirOwnProcedure) {
    LONG_PTR own = GetWindowLongPtrW(driver.handle(form.Text5), GWLP_WNDPROC);
    form.unload();
    for (TextBox* box : {&form.Text1, &form.Text2, &form.Text3, &form.Text4, &form.Text6})
        EXPECT_EQ(GetWindowLongPtrW(driver.handle(*box), GWLP_WNDPROC), own) << box->name;
}

// A quick second click on a button comes as a double click, a click all the
// same, and readers are told of the pick.
TEST_F(Win32FrontEnd, ADoubleClickClicksAndReadersHearOfThePick) {
    HWND start = driver.handle(form.Command1);
    driver.toldReaders();
    SendMessageW(GetParent(start), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(start), BN_DOUBLECLICKED), reinterpret_cast<LPARAM>(start));
    EXPECT_EQ(form.Text6.Text.get().find("]\r\n"), form.Text6.Text.get().size() - 3);
    EXPECT_EQ(driver.toldReaders(), (std::vector<std::string>{"Label4.Name", "Text6.Description", "Command1.Description"}));
}

// What the program draws itself: a frame's edge runs along its top but not
// through its caption, which lies on the frame's own ground; a focused
// picture button shows its focus rectangle 4 pixels inside its edge.
TEST_F(Win32FrontEnd, OwnerDrawnFramesAndButtons) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const int middle = driver.shown(form.Frame1).width / 2;
    int edge = 0;
    while (edge < 20 && driver.pixels(form.Frame1, {middle, edge, middle + 1, edge + 1})[0] == face) ++edge;
    EXPECT_LT(edge, 20);
    EXPECT_EQ(driver.pixels(form.Frame1, {9, edge, 10, edge + 1})[0], face);
    EXPECT_EQ(std::ranges::count(driver.pixels(form.Frame1, {10, 0, 40, edge}), RGB(255, 255, 255)), 0);
    form.Picture1.Visible = true;
    driver.focus(form.Command4);
    const std::vector<COLORREF> rows = driver.pixels(form.Command4, {6, 3, driver.shown(form.Command4).width - 6, 5});
    const auto fourth = rows.begin() + static_cast<std::ptrdiff_t>(rows.size() / 2);
    EXPECT_FALSE(std::equal(rows.begin(), fourth, fourth));  // row 4 is not the ground of row 3
}

}  // namespace
}  // namespace kulbo::testing

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    return RUN_ALL_TESTS();
}
