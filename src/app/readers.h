// What a screen reader hears of the window, the same on every platform:
// the names of the controls that a caption names, the big display with its
// number, each pick as news on "开始", and the history box's summary.
#pragma once

#include <cstddef>
#include <string>

namespace kulbo {

class Control;
class Form1;

class Readers {
public:
    explicit Readers(const Form1& form) : form_(form) {}

    // The control's name, or empty where the toolkit's own (a button's
    // caption) is right: a box or a panel is named by the caption that
    // labels it, without its colon; the display is "幸运数 36".
    std::string name(const Control& control) const;

    // What is said besides the name: "第 3 次抽到 36 号" on "开始" once a
    // number was drawn, and "共 2 条，最新：…" on the history box.
    std::string description(const Control& control) const;

    // Never told of: the hidden rolling number, which changes a thousand
    // times a second, and the hidden stamps.
    bool leftOut(const Control& control) const;

    // A line came into the history, from this byte on: a pick. The count
    // makes each pick's news differ from the one before, the same number
    // drawn or not.
    void picked(std::size_t from);
    // The history was set anew (cleared).
    void historySet();

private:
    const Form1& form_;
    int picks_ = 0;
    std::string lastPick_;
    int historyLines_ = 0;
};

}  // namespace kulbo
