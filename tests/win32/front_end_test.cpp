// The Win32 view against the model, in real windows under Wine: what only
// this front end does (native classes, the Song face, the replaced window
// procedures, the input roads of an edit control, the names screen readers
// hear). What both front ends do is tested on both by the end-to-end scripts.
#include "app/geometry.h"
#include "platform/windows/wide_text.h"
#include "support/fake_platform.h"
#include "win32/input_guard.h"
#include "win32/main_window.h"
#include "win32/win32_platform.h"

#include <gtest/gtest.h>
#include <oleacc.h>

#include <string>

using namespace kulbo;

namespace {

// The real hooks and boxes' procedures; no modal box, no lock, no end.
struct TestPlatform : Win32Platform {
    std::vector<kulbo::testing::ShownBox> boxes;
    int MsgBox(const std::string& prompt, int flags, const std::string& title) override {
        boxes.push_back({prompt, flags, title});
        return box::kNo;
    }
    bool PrevInstance() override { return false; }
    void End() override {}
};

std::wstring classOf(HWND window) {
    wchar_t name[64];
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring textOf(HWND window) {
    wchar_t text[256];
    GetWindowTextW(window, text, 256);
    return text;
}

std::wstring accessibleName(HWND window) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&object))))
        return L"<none>";
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    object->get_accName(self, &name);
    std::wstring result = name ? name : L"";
    SysFreeString(name);
    object->Release();
    return result;
}

void type(HWND box, std::wstring_view characters) {
    for (wchar_t c : characters) SendMessageW(box, WM_CHAR, c, 1);
}

void putOnClipboard(const std::wstring& text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    std::wmemcpy(static_cast<wchar_t*>(GlobalLock(memory)), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

class Win32FrontEnd : public ::testing::Test {
protected:
    Win32FrontEnd() {
        platform.setWindow(&window);
        form.load();
    }
    HWND handle(const Control& c) { return window.handleOf(c); }

    TestPlatform platform;
    Form1 form{platform};
    MainWindow window{form};
};

}  // namespace

TEST_F(Win32FrontEnd, EveryControlIsANativeWindowOfItsKindAsDesigned) {
    RECT client;
    GetClientRect(window.handle(), &client);
    EXPECT_EQ(client.right, 441);
    EXPECT_EQ(client.bottom, 426);
    EXPECT_EQ(textOf(window.handle()), L"Kulbo");
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
        RECT place;
        GetWindowRect(w, &place);
        MapWindowPoints(nullptr, GetParent(w), reinterpret_cast<POINT*>(&place), 2);
        POINT corner{pixelsFromTwips(c->Left), pixelsFromTwips(c->Top)};
        EXPECT_EQ(place.left, corner.x);
        EXPECT_EQ(place.top, corner.y);
        EXPECT_EQ((GetWindowLongW(w, GWL_STYLE) & WS_VISIBLE) != 0, window.view().showsWidget(*c));
        EXPECT_EQ(IsWindowEnabled(w) != 0, c->Enabled.get());
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(w, WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_STREQ(font.lfFaceName, L"宋体");
        EXPECT_EQ(font.lfCharSet, GB2312_CHARSET);
        EXPECT_EQ(-font.lfHeight, fontPixels(c->FontSize));
    }
}

// Each box keeps its own procedure under the hook, and gets it back.
TEST_F(Win32FrontEnd, HookedBoxesRefuseTheirMenuAndUnhookingGivesEachItsOwnProcedure) {
    TextBox* hooked[] = {&form.Text1, &form.Text2, &form.Text3, &form.Text4, &form.Text6};
    for (TextBox* box : hooked) EXPECT_EQ(SendMessageW(handle(*box), WM_CONTEXTMENU, 0, -1), -1) << box->name;
    LONG_PTR titleBox = GetWindowLongPtrW(handle(form.Text5), GWLP_WNDPROC);
    form.unload();
    for (TextBox* box : hooked) EXPECT_EQ(GetWindowLongPtrW(handle(*box), GWLP_WNDPROC), titleBox) << box->name;
}

TEST_F(Win32FrontEnd, NumberBoxesTakeDigitsAndOnePointByEveryRoadAndNothingPasted) {
    form.Text2.Enabled = true;
    form.Text2.Text = "";
    HWND maximum = handle(form.Text2);
    type(maximum, L"1a.x.5");
    EXPECT_EQ(form.Text2.Text, "1.5");
    putOnClipboard(L"42");
    SendMessageW(maximum, WM_PASTE, 0, 0);  // Shift+Insert and the menu's Paste
    type(maximum, L"\x16");                 // Ctrl+V
    EXPECT_EQ(form.Text2.Text, "1.5");

    form.Text2.Text = "9";
    SendMessageW(maximum, EM_SETSEL, 0, 0);
    commitText(maximum, L"5中2");  // an input method's commit, filtered one by one
    EXPECT_EQ(form.Text2.Text, "529");
    form.Text2.Text = "5";
    SendMessageW(maximum, EM_SETSEL, 1, 1);
    commitText(maximum, L"..");
    EXPECT_EQ(form.Text2.Text, "5.");

    // The title box takes what is pasted, without its control characters.
    putOnClipboard(L"三年\t二班\u202E");
    SendMessageW(handle(form.Text5), WM_PASTE, 0, 0);
    EXPECT_EQ(form.Text5.Text, "三年二班");
}

TEST_F(Win32FrontEnd, ScreenReadersHearTheBoxesByTheirLabelsAndTheDrawnNumber) {
    EXPECT_EQ(accessibleName(handle(form.Text1)), L"输入最小值");
    EXPECT_EQ(accessibleName(handle(form.Text3)), L"请输入密码");
    EXPECT_EQ(accessibleName(handle(form.Text6)), L"抽到的历史幸运号");
    form.Label5.Caption = "36";
    form.click(form.Command1);
    EXPECT_EQ(accessibleName(handle(form.Label4)), L"36");
    EXPECT_EQ(textOf(handle(form.Picture1)), L"管理员模式");  // a panel by its heading
}

// The history box grows at its end; the user's place in it stays.
TEST_F(Win32FrontEnd, TheHistoryBoxShowsEveryPickAndStaysWhereTheUserReads) {
    form.Picture3.Visible = true;
    HWND history = handle(form.Text6);
    for (int i = 0; i < 60; ++i) form.click(form.Command1);
    SendMessageW(history, EM_LINESCROLL, 0, 10);
    form.click(form.Command1);
    EXPECT_EQ(SendMessageW(history, EM_GETLINECOUNT, 0, 0), 62);  // and the empty line after the last
    EXPECT_EQ(SendMessageW(history, EM_GETFIRSTVISIBLELINE, 0, 0), 10);
    std::wstring shown(static_cast<std::size_t>(GetWindowTextLengthW(history)), L'\0');
    GetWindowTextW(history, shown.data(), static_cast<int>(shown.size()) + 1);
    EXPECT_EQ(shown, wide(form.Text6.Text.get()));
    form.Text6.Text = "";
    EXPECT_EQ(GetWindowTextLengthW(history), 0);
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    return RUN_ALL_TESTS();
}
