// 不重复方式 on the window: the round is read from the history text and the
// boxes each time, so it cannot get out of step with what they show.
#include "app/form1.h"
#include "app/messages.h"
#include "draw/round.h"

namespace kulbo {

void Form1::RoundDeleter::operator()(Round* round) const { delete round; }

const Round& Form1::roundSoFar() {
    if (!round_) round_.reset(new Round);
    RoundNumbers numbers{Text1.Text, Text2.Text, Option1.Value ? Text4.Text.get() : std::string()};
    round_->follow(numbers, Text6.Text.get(), Text6.Text.replacements());
    return *round_;
}

void Form1::forgetRound() {
    if (round_) round_->forget();
}

void Form1::rollAmongTheLeft() {
    const Round& round = roundSoFar();
    if (round.left() > 0) Label5.Caption = round.numberLeft(system_.Rnd());
}

// The rolling number may be none the round has left: the minimum the draw
// started at, another mode's, or one that a new range or number to avoid
// took out. Then it rolls once more first.
bool Form1::readyToPickWithoutRepeat() {
    if (roundSoFar().left() == 0) {
        dialogs_.MsgBox(kNothingToDraw, box::kCritical, kAppTitle);
        return false;
    }
    if (!round_->isLeft(Label5.Caption.get())) rollAmongTheLeft();
    return true;
}

}  // namespace kulbo
