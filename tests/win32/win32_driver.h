// The Win32 front end under the shared scenarios: a real window under Wine,
// each key delivered by the message loop's own road (the program first, then
// TranslateMessage makes its character), texts read back from the native
// controls and through MSAA.
#pragma once

#include "front_end/driver.h"
#include "win32/main_window.h"
#include "win32/win32_dialogs.h"

namespace kulbo::testing {

// The front end's own dialogs, but for the boxes, which the fake answers.
struct TestDialogs : Win32Dialogs {
    FakePlatform& fake;
    explicit TestDialogs(FakePlatform& fake) : fake(fake) {}
    int MsgBox(const std::string& prompt, int flags, const std::string& title) override {
        return fake.MsgBox(prompt, flags, title);
    }
};

class Win32Driver : public FrontEndDriver {
public:
    Win32Driver();

    MainWindow& window() { return window_; }
    HWND handle(const Control& control) const { return window_.controls().handleOf(control); }
    // Delivers what is queued, as the message loop does.
    void pump();

    Program& program() override { return program_; }
    FakePlatform& fake() override { return fake_; }
    void focus(const Control& control) override;
    const Control* focused() override;
    void press(NamedKey key, int shift) override;
    void press(char32_t character, int shift) override;
    void type(std::u32string_view characters) override;
    void paste(std::u32string_view text, PasteRoad road) override;
    std::u32string shownText(const TextBox& box) override;
    std::string windowTitle() override;
    std::string readerName(const Control& control) override;
    std::string readerDescription(const Control& control) override;
    int historyLine() override;
    int historyLinesInSight() override;
    void closeWindow() override;

private:
    void stroke(UINT virtualKey, int shift, char16_t packet);

    FakePlatform fake_;
    TestDialogs dialogs_{fake_};
    Program program_{fake_, dialogs_};
    MainWindow window_{program_};
};

}  // namespace kulbo::testing
