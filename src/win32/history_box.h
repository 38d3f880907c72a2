// The history box: a read-only multi-line box that grows at its end while
// the user's place in it stays, and whose keys move from line to line as
// the program says, the caret at the start of the line.
#pragma once

#include "win32/native_control.h"

namespace kulbo {

class TextBox;

class HistoryBoxControl : public NativeControl {
public:
    HistoryBoxControl(TextBox& box, ControlContext& context);

    void sync() override;
    void appended(std::size_t from) override;

    // How many whole lines the box shows at once.
    int linesInSight() const;

private:
    ChildWindow describe() const override;
    LRESULT message(UINT message, WPARAM wParam, LPARAM lParam) override;

    TextBox& box_;
};

}  // namespace kulbo
