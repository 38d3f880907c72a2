// The clock for the stamps and the history panel's buttons.
#include "app/form1.h"
#include "app/messages.h"
#include "history/history_text.h"

namespace kulbo {

void Form1::Timer5_Timer() {
    LocalTime now = system_.Now();  // read once, so the two stamps agree
    Label13.Caption = reportNameStamp(now);
    Label14.Caption = historyLineStamp(now);
}

void Form1::Command11_Click() {
    if (Check2.Value == 1) {
        Picture3.Visible = true;
        Command3.Enabled = false;
    }
    if (Check2.Value == 0)
        dialogs_.MsgBox(kHistoryRefused, box::kCritical, kAppTitle);
}

void Form1::Command9_Click() {
    Picture3.Visible = false;
    Command3.Enabled = true;
}

void Form1::Command8_Click() {
    if (Check2.Value != 1 || Check3.Value != 1) return;
    if (Text6.Text.get().empty()) return;
    if (dialogs_.MsgBox(kReallyClearHistory, box::kYesNoQuestionNoDefault, std::string(kAppTitle) + kClearHistoryTitle) == box::kYes)
        Text6.Text = "";
}

}  // namespace kulbo
