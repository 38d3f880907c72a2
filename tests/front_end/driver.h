// A front end under test, driven as a user and a screen reader would: keys
// reach the focused widget by the toolkit's own road, and what is shown or
// read aloud is read back from the native widgets, the pixels on the screen
// and the platform's accessibility interfaces. The scenarios in
// scenarios.cpp run against every front end through this one interface.
#pragma once

#include "app/keys.h"
#include "app/program.h"
#include "support/fake_platform.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kulbo::testing {

enum class PasteRoad { CtrlV, ShiftInsert, BoxCommand };

// A control as the native widget shows it; for the window, its client area
// and its title.
struct Shown {
    int left = 0, top = 0, width = 0, height = 0;  // pixels, in its container
    bool visible = false, enabled = false;
    int fontPixels = 0;
    std::string text;  // caption, text or title; the history's lines each end in CR LF
    bool checked = false;
    bool operator==(const Shown&) const = default;
};

class FrontEndDriver {
public:
    virtual ~FrontEndDriver() = default;

    // The program in a real window on a scripted system; boxes are answered
    // and recorded by a fake, everything else is the front end's own.
    virtual Program& program() = 0;

    virtual void click(const Control& control) = 0;  // a button, an option or a check box
    virtual void focus(const Control& control) = 0;
    virtual const Control* focused() = 0;

    virtual void press(NamedKey key, int shift = 0) = 0;
    virtual void press(char32_t character, int shift = 0) = 0;  // the key that types it
    void type(std::u32string_view characters) {  // each by its key
        for (char32_t c : characters) press(c);
    }
    virtual void paste(std::u32string_view text, PasteRoad road) = 0;  // into the focused box
    virtual void commit(std::u32string_view text) = 0;  // an input method's, into the focused box

    virtual Shown shown(const Control& control) = 0;
    // Pixels of ink (none of red, green and blue pale) in each row of the
    // control, as the screen shows it now.
    virtual std::vector<int> ink(const Control& control) = 0;

    virtual std::string readerName(const Control& control) = 0;
    virtual std::string readerDescription(const Control& control) = 0;

    // The history box's current line, and how many lines it shows at once.
    virtual int historyLine() = 0;
    virtual int historyLinesInSight() = 0;
};

// The front end's own dialogs, but for the boxes, which the fake answers.
template <class Dialogs>
struct FakeBoxes : Dialogs {
    FakePlatform& fake;
    explicit FakeBoxes(FakePlatform& fake) : fake(fake) {}
    int MsgBox(const std::string& prompt, int flags, const std::string& title) override {
        return fake.MsgBox(prompt, flags, title);
    }
};

// Each front end's tests define it.
std::unique_ptr<FrontEndDriver> makeDriver();

}  // namespace kulbo::testing
