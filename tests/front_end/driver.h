// A front end under test, driven as a user and a screen reader would: keys
// reach the focused widget by the toolkit's own road, and what is shown or
// read aloud is read back from the native widgets and the platform's
// accessibility interfaces. The scenarios in scenarios.cpp run against
// every front end through this one interface.
#pragma once

#include "app/keys.h"
#include "app/program.h"
#include "support/fake_platform.h"

#include <memory>
#include <string>
#include <string_view>

namespace kulbo::testing {

enum class PasteRoad { CtrlV, ShiftInsert, BoxCommand };

class FrontEndDriver {
public:
    virtual ~FrontEndDriver() = default;

    // The program in a real window on a scripted system; boxes are answered
    // and recorded by the fake, everything else is the front end's own.
    virtual Program& program() = 0;
    virtual FakePlatform& fake() = 0;

    virtual void focus(const Control& control) = 0;
    virtual const Control* focused() = 0;

    virtual void press(NamedKey key, int shift = 0) = 0;
    virtual void press(char32_t character, int shift = 0) = 0;  // the key that types it
    virtual void type(std::u32string_view characters) = 0;     // each by its key
    virtual void paste(std::u32string_view text, PasteRoad road) = 0;  // into the focused box

    virtual std::u32string shownText(const TextBox& box) = 0;
    virtual std::string windowTitle() = 0;
    virtual std::string readerName(const Control& control) = 0;
    virtual std::string readerDescription(const Control& control) = 0;

    // The history box's current line, and how many lines it shows at once.
    virtual int historyLine() = 0;
    virtual int historyLinesInSight() = 0;

    // The window's close box.
    virtual void closeWindow() = 0;
};

// Each front end's tests define it.
std::unique_ptr<FrontEndDriver> makeDriver();

}  // namespace kulbo::testing
