// The rolling number and the pick.
#include "app/form1.h"
#include "app/messages.h"
#include "draw/round.h"
#include "draw/rolling.h"
#include "history/history_text.h"

namespace kulbo {

void Form1::Timer1_Timer() {
    if (Option3.Value) Label5.Caption = nextInSequence(Label5.Caption.get(), Text1.Text.get(), Text2.Text.get());
    if (Option4.Value) Label5.Caption = randomNumber(system_.Rnd(), Text1.Text.get(), Text2.Text.get());
    if (Option5.Value) rollAmongTheLeft();
}

// Only the last of many random draws can be seen; the count wraps through
// its range in closed form.
void Form1::Timer1_Advance(std::uint64_t periods) {
    if (Option3.Value)
        Label5.Caption = advanceInSequence(Label5.Caption.get(), Text1.Text.get(), Text2.Text.get(), periods);
    if (Option4.Value) Label5.Caption = randomNumber(system_.Rnd(), Text1.Text.get(), Text2.Text.get());
    if (Option5.Value) rollAmongTheLeft();
}

void Form1::Command1_Click() {
    if (Option5.Value && !readyToPickWithoutRepeat()) return;
    const bool lastOfRound = Option5.Value && roundSoFar().left() == 1;
    Label4.Caption = Label5.Caption;
    if (Option1.Value && Label4.Caption == Text4.Text) {
        if (Label4.Caption != Text1.Text)
            Label4.Caption = Text1.Text;  // the avoided number gives way to the minimum
        else
            Label4.Caption = Text2.Text;  // ... or, when it is the minimum, to the maximum
    }
    // Announced after the avoidance, so the box names what is shown and recorded.
    if (Check1.Value != 0)
        dialogs_.MsgBox(pickedNumber(Label4.Caption.get()), box::kInformation, std::string(kAppTitle) + kPickedTitle);
    Text6.Text.append(historyLine(Label14.Caption.get(), Label4.Caption.get()));
    if (Option5.Value) rollAmongTheLeft();  // a click before the next tick draws afresh too
    if (lastOfRound) dialogs_.MsgBox(kRoundComplete, box::kInformation, kAppTitle);
}

}  // namespace kulbo
