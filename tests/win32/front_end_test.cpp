// What only the Win32 front end does, in real windows under Wine: native
// classes at the design's geometry in the Song face, each box's own
// procedure under the hook, an input method's commit, the system's
// pasting, the events screen readers hear, and Escape in a question box.
// What both front ends do is in tests/front_end/scenarios.cpp.
#include "app/geometry.h"
#include "app/view.h"
#include "platform/windows/wide_text.h"
#include "win32/looks.h"
#include "win32/question_box.h"
#include "win32/win32_driver.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <imm.h>
#include <objbase.h>

using namespace kulbo;
using kulbo::testing::Win32Driver;

namespace {

class Win32FrontEnd : public ::testing::Test {
protected:
    HWND handle(const Control& c) { return driver.handle(c); }

    // An input method's commit into the box, as the system's makes it.
    void commit(const TextBox& box, std::wstring_view text) {
        HIMC context = ImmGetContext(handle(box));
        ImmSetCompositionStringW(context, SCS_SETSTR, const_cast<wchar_t*>(text.data()),
                                 static_cast<DWORD>(text.size() * sizeof(wchar_t)), nullptr, 0);
        ImmNotifyIME(context, NI_COMPOSITIONSTR, CPS_COMPLETE, 0);
        ImmReleaseContext(handle(box), context);
        driver.pump();
    }

    Win32Driver driver;
    Form1& form = driver.program().form();
};

std::wstring classOf(HWND window) {
    wchar_t name[64];
    GetClassNameW(window, name, 64);
    return name;
}

}  // namespace

TEST_F(Win32FrontEnd, EveryControlIsANativeWindowOfItsKindAsDesigned) {
    RECT client;
    GetClientRect(driver.window().handle(), &client);
    EXPECT_EQ(client.right, 441);
    EXPECT_EQ(client.bottom, 426);
    RECT outer;
    GetWindowRect(driver.window().handle(), &outer);
    MONITORINFO screen{sizeof screen, {}, {}, 0};
    GetMonitorInfoW(MonitorFromWindow(driver.window().handle(), MONITOR_DEFAULTTOPRIMARY), &screen);
    EXPECT_NEAR(outer.left + outer.right, screen.rcWork.left + screen.rcWork.right, 1);  // centred
    EXPECT_NEAR(outer.top + outer.bottom, screen.rcWork.top + screen.rcWork.bottom, 1);
    for (Control* c : form.controls()) {
        SCOPED_TRACE(c->name);
        HWND w = handle(*c);
        if (c == &form || c->kind == Kind::Timer) {
            EXPECT_EQ(w, nullptr);
            continue;
        }
        ASSERT_NE(w, nullptr);
        const wchar_t* expected = c->kind == Kind::TextBox                                  ? L"Edit"
                                  : c->kind == Kind::Label                                  ? L"Static"
                                  : c->kind == Kind::Frame || c->kind == Kind::PictureBox ? L"KulboContainer"
                                                                                            : L"Button";
        EXPECT_EQ(_wcsicmp(classOf(w).c_str(), expected), 0) << classOf(w).c_str();
        const bool sunken = c->kind == Kind::TextBox || c->kind == Kind::PictureBox;  // boxes and panels
        EXPECT_EQ(GetWindowLongW(w, GWL_EXSTYLE) & (WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME | WS_EX_STATICEDGE),
                  sunken ? WS_EX_CLIENTEDGE : 0);
        RECT place;
        GetWindowRect(w, &place);
        MapWindowPoints(nullptr, GetParent(w), reinterpret_cast<POINT*>(&place), 2);
        EXPECT_EQ(place.left, pixelsFromTwips(c->Left));
        EXPECT_EQ(place.top, pixelsFromTwips(c->Top));
        if (c->kind != Kind::Label || !static_cast<Label*>(c)->AutoSize) {
            EXPECT_EQ(place.right - place.left, pixelsFromTwips(c->Width));
        }
        const LONG style = GetWindowLongW(w, GWL_STYLE);
        EXPECT_EQ((style & WS_VISIBLE) != 0, driver.program().view().showsWidget(*c));
        if (c->kind != Kind::OptionButton) {  // the system gives the chosen option of a group the stop
            EXPECT_EQ((style & WS_TABSTOP) != 0, View::reachableByKeyboard(*c));
        }
        EXPECT_EQ(IsWindowEnabled(w) != 0, c->Enabled.get());
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(w, WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_STREQ(font.lfFaceName, L"宋体");
        EXPECT_EQ(font.lfCharSet, GB2312_CHARSET);
        EXPECT_EQ(-font.lfHeight, fontPixels(c->FontSize));
    }
}

// Each box keeps its own procedure under the hook, and has it alone again.
TEST_F(Win32FrontEnd, HookedBoxesRefuseTheirMenuAndKeepTheirOwnProcedure) {
    TextBox* hooked[] = {&form.Text1, &form.Text2, &form.Text3, &form.Text4, &form.Text6};
    for (TextBox* box : hooked) EXPECT_EQ(SendMessageW(handle(*box), WM_CONTEXTMENU, 0, -1), -1) << box->name;
    form.Text2.Enabled = true;
    SendMessageW(handle(form.Text2), EM_SETSEL, 0, -1);
    for (wchar_t key : {L'a', L'\x18'}) SendMessageW(handle(form.Text2), WM_CHAR, key, 1);  // and Ctrl+X
    EXPECT_EQ(form.Text2.Text, "50");
    LONG_PTR titleBox = GetWindowLongPtrW(handle(form.Text5), GWLP_WNDPROC);
    form.unload();
    for (TextBox* box : hooked) EXPECT_EQ(GetWindowLongPtrW(handle(*box), GWLP_WNDPROC), titleBox) << box->name;
    SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        EndMenu();
    });
    EXPECT_NE(SendMessageW(handle(form.Text1), WM_CONTEXTMENU, 0, -1), -1);  // its menu, closed at once
}

TEST_F(Win32FrontEnd, AnInputMethodsCommitIsFilteredOneByOneAndPastingLosesControlCharacters) {
    form.Text2.Enabled = true;
    form.Text2.Text = "9";
    driver.focus(form.Text2);
    SendMessageW(handle(form.Text2), EM_SETSEL, 0, 0);
    commit(form.Text2, L"5中2");
    EXPECT_EQ(form.Text2.Text, "529");
    form.Text2.Text = "5";
    SendMessageW(handle(form.Text2), EM_SETSEL, 1, 1);
    commit(form.Text2, L"..");
    EXPECT_EQ(form.Text2.Text, "5.");

    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const wchar_t pasted[] = L"三年\t二班\u202E";
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof pasted);
    std::wmemcpy(static_cast<wchar_t*>(GlobalLock(memory)), pasted, std::size(pasted));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    SendMessageW(handle(form.Text5), WM_PASTE, 0, 0);
    EXPECT_EQ(form.Text5.Text, "三年二班");
    EXPECT_EQ(windowText(handle(form.Text5)), L"三年二班");
    for (wchar_t half : {L'\xD840', L'\xDC00', L'\xDC00'}) SendMessageW(handle(form.Text5), WM_CHAR, half, 1);
    EXPECT_EQ(form.Text5.Text, "三年二班𠀀");  // and never half a character
}


// The window's size and state follow the model and the system, and a
// change of DPI makes the face anew at the new size.
TEST_F(Win32FrontEnd, TheWindowFollowsTheModelTheSystemAndTheDpi) {
    HWND main = driver.window().handle();
    form.WindowState = kMinimized;
    EXPECT_TRUE(IsIconic(main));
    form.WindowState = kMaximized;
    EXPECT_TRUE(IsZoomed(main));
    EXPECT_EQ(SendMessageW(main, WM_QUERYENDSESSION, 0, 0), FALSE);  // answered No: Windows stays up
    ASSERT_EQ(driver.fake().boxes.size(), 1u);
    form.WindowState = kNormal;
    EXPECT_FALSE(IsIconic(main) || IsZoomed(main));
    ShowWindow(main, SW_MINIMIZE);
    EXPECT_EQ(form.WindowState, kMinimized);
    ShowWindow(main, SW_RESTORE);
    EXPECT_EQ(form.WindowState, kNormal);

    RECT suggested;
    GetWindowRect(main, &suggested);
    SendMessageW(main, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    form.Width = kDesignOuterWidth;
    form.Height = kDesignOuterHeight;
    RECT client, place;
    GetClientRect(main, &client);
    EXPECT_EQ(client.right, clientSizeForOuter(kDesignOuterWidth, kDesignOuterHeight, 144).width);
    GetWindowRect(handle(form.Command1), &place);
    MapWindowPoints(nullptr, GetParent(handle(form.Command1)), reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(place.left, pixelsFromTwips(form.Command1.Left, 144));
    EXPECT_EQ(place.bottom - place.top, pixelsFromTwips(form.Command1.Height, 144));
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(handle(form.Text1), WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(-font.lfHeight, fontPixels(form.Text1.FontSize, 144));
}

// The colours each control is written in and stands on.
TEST_F(Win32FrontEnd, ControlsArePaintedInTheirColours) {
    HDC dc = CreateCompatibleDC(nullptr);
    auto colours = [&](const Control& c, UINT question) {
        SendMessageW(GetParent(handle(c)), question, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(handle(c)));
        return std::pair{GetTextColor(dc), GetBkColor(dc)};
    };
    EXPECT_EQ(colours(form.Label11, WM_CTLCOLORSTATIC).first, RGB(255, 0, 0));
    EXPECT_EQ(colours(form.Text1, WM_CTLCOLORSTATIC), std::pair(RGB(88, 88, 88), GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(colours(form.Text5, WM_CTLCOLOREDIT).second, GetSysColor(COLOR_WINDOW));
    DeleteDC(dc);
    EXPECT_EQ(GetClassLongPtrW(driver.window().handle(), GCLP_HBRBACKGROUND), COLOR_BTNFACE + 1);
    EXPECT_NE(GetClassLongPtrW(driver.window().handle(), GCLP_HCURSOR), 0);

    // A frame's edge runs along its top but not through its caption.
    HWND frame = handle(form.Frame1);
    RECT area;
    GetClientRect(frame, &area);
    HDC screen = GetDC(frame);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP picture = CreateCompatibleBitmap(screen, area.right, area.bottom);
    HGDIOBJ before = SelectObject(memory, picture);
    Looks looks(96);
    paintContainer(memory, frame, form.Frame1, looks);
    SIZE extent{};
    GetTextExtentPoint32W(memory, L"幸运数", 3, &extent);  // the font paintContainer left selected
    const int edgeRow = extent.cy / 2;
    EXPECT_NE(GetPixel(memory, area.right / 2, edgeRow), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(GetPixel(memory, 9, edgeRow), GetSysColor(COLOR_BTNFACE));
    SelectObject(memory, before);
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(frame, screen);
}

// The lock buttons show their pictures above their captions, written in
// grey while they are disabled.
TEST_F(Win32FrontEnd, TheLockButtonsShowTheirPicturesAndCaptions) {
    form.Picture1.Visible = true;
    form.Command4.Enabled = false;
    HWND unlock = handle(form.Command4);
    RedrawWindow(unlock, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    RECT area;
    GetClientRect(unlock, &area);
    HDC dc = GetDC(unlock);
    const COLORREF ground = GetPixel(dc, 4, area.bottom / 2);
    const int side = form.Command4.IconSize, left = (area.right - side) / 2, top = 6;
    int drawn = 0;
    for (int y = top; y < top + side; ++y)
        for (int x = left; x < left + side; ++x) drawn += GetPixel(dc, x, y) != ground;
    int darkest = 255;
    for (int y = top + side; y < area.bottom - 3; ++y)
        for (int x = 3; x < area.right - 3; ++x) darkest = std::min(darkest, int(GetRValue(GetPixel(dc, x, y))));
    EXPECT_GT(drawn, side);
    EXPECT_GE(darkest, 80);  // no black: the caption is grey
    EXPECT_LT(darkest, 120);
    ReleaseDC(unlock, dc);
}

// A panel takes the focus when it opens and gives it back when it closes;
// the focus the window had comes back with its activation.
TEST_F(Win32FrontEnd, TheFocusGoesWhereTheProgramSaysAndComesBackWithTheWindow) {
    driver.focus(form.Command2);
    form.Picture1.Visible = true;
    EXPECT_EQ(driver.focused(), driver.program().view().firstFocus());
    form.Picture1.Visible = false;
    EXPECT_EQ(driver.focused(), &form.Command2);
    HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    driver.focus(form.Command2);
    SetActiveWindow(other);
    driver.pump();
    EXPECT_EQ(driver.window().focus().focused(), &form.Command2);  // where it goes back to
    SetActiveWindow(driver.window().handle());
    driver.pump();
    EXPECT_EQ(GetFocus(), handle(form.Command2));
    DestroyWindow(other);
}

// What changed while hidden shows once the panel does.
TEST_F(Win32FrontEnd, AnAutoSizedLabelGrowsWithItsCaption) {
    form.Picture1.Visible = true;
    RECT before, after;
    GetWindowRect(handle(form.Label15), &before);
    form.Picture1.Visible = false;
    form.Label15.Caption = form.Label15.Caption.get() + "，请设置";
    form.Picture1.Visible = true;
    EXPECT_EQ(windowText(handle(form.Label15)), wide(form.Label15.Caption.get()));
    GetWindowRect(handle(form.Label15), &after);
    EXPECT_GT(after.right - after.left, before.right - before.left);
}

// Space presses the focused button when it is let go; a quick second
// click comes as a double click, a click all the same.
TEST_F(Win32FrontEnd, ButtonsArePressedBySpaceAndByADoubleClick) {
    driver.focus(form.Command1);
    driver.press(NamedKey::Space, 0);
    EXPECT_EQ(std::count(form.Text6.Text.get().begin(), form.Text6.Text.get().end(), '\n'), 1);
    HWND start = handle(form.Command1);
    SendMessageW(GetParent(start), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(start), BN_DOUBLECLICKED), reinterpret_cast<LPARAM>(start));
    EXPECT_EQ(std::count(form.Text6.Text.get().begin(), form.Text6.Text.get().end(), '\n'), 2);
}

TEST_F(Win32FrontEnd, AnAddressTheSystemCannotOpenIsSaidToHaveFailed) {
    EXPECT_FALSE(kulbo::Win32Dialogs().OpenUrl("kulbo-none:nowhere"));
}

namespace {

// Counts each event on the window it is about, as a property of that window.
void CALLBACK countEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG, DWORD, DWORD) {
    const wchar_t* name = event == EVENT_OBJECT_NAMECHANGE ? L"Told.Name" : L"Told.Description";
    if (object == OBJID_CLIENT) SetPropW(window, name, reinterpret_cast<HANDLE>(reinterpret_cast<INT_PTR>(GetPropW(window, name)) + 1));
}

int told(HWND window, const wchar_t* name) { return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropW(window, name))); }

}  // namespace

TEST_F(Win32FrontEnd, ScreenReadersAreToldOfEachPick) {
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_DESCRIPTIONCHANGE, nullptr, &countEvent,
                                         GetCurrentProcessId(), GetCurrentThreadId(), WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    driver.focus(form.Command1);
    form.Label5.Caption = "36";
    form.click(form.Command1);
    driver.pump();
    UnhookWinEvent(hook);
    EXPECT_EQ(told(handle(form.Label4), L"Told.Name"), 1);
    EXPECT_EQ(told(handle(form.Command1), L"Told.Description"), 1);
    EXPECT_EQ(told(handle(form.Text6), L"Told.Description"), 1);
    EXPECT_EQ(told(handle(form.Command1), L"Told.Name"), 0);
    EXPECT_EQ(driver.readerName(form.Picture1), "管理员模式");  // a panel by its heading
}

// The history box grows at its end; the user's place in it stays.
TEST_F(Win32FrontEnd, TheHistoryBoxShowsEveryPickAndStaysWhereTheUserReads) {
    form.Picture3.Visible = true;
    HWND history = handle(form.Text6);
    for (int i = 0; i < 60; ++i) form.click(form.Command1);
    const auto place = static_cast<DWORD>(SendMessageW(history, EM_LINEINDEX, 5, 0));
    SendMessageW(history, EM_SETSEL, place, place);
    SendMessageW(history, EM_LINESCROLL, 0, 10);
    form.click(form.Command1);
    DWORD caret = 0;
    SendMessageW(history, EM_GETSEL, reinterpret_cast<WPARAM>(&caret), 0);
    EXPECT_EQ(caret, place);
    EXPECT_EQ(SendMessageW(history, EM_GETLINECOUNT, 0, 0), 62);  // and the empty line after the last
    EXPECT_EQ(SendMessageW(history, EM_GETFIRSTVISIBLELINE, 0, 0), 10);
    EXPECT_EQ(windowText(history), wide(form.Text6.Text.get()));
    form.Text6.Text = "";
    EXPECT_EQ(GetWindowTextLengthW(history), 0);
}

namespace {

// Escape, or a click on 是, once the box is up.
void CALLBACK pressEscape(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
}
void CALLBACK clickYes(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    PostMessageW(GetDlgItem(GetParent(GetFocus()), IDYES), BM_CLICK, 0, 0);
}

}  // namespace

TEST(QuestionBox, EscapeAnswersNoAndYesStaysYes) {
    for (auto [press, answer] : {std::pair{&pressEscape, IDNO}, std::pair{&clickYes, IDYES}}) {
        SetTimer(nullptr, 0, 300, press);
        EXPECT_EQ(showMessageBox(nullptr, L"确定要退出吗？", L"Kulbo", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2), answer);
    }
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    return RUN_ALL_TESTS();
}
