// The settings panel: every option takes effect the moment it changes.
#include "app/form1.h"
#include "app/messages.h"

namespace kulbo {

void Form1::Option1_Click() {
    Label8.Enabled = true;
    Text4.Enabled = true;
}

void Form1::Option2_Click() {
    Label8.Enabled = false;
    Text4.Enabled = false;
}

void Form1::Option3_Click() { Label11.Visible = false; }

void Form1::Option4_Click() {
    Text1.Text = "1";
    Label11.Visible = true;
}

// The round is read again from the history when the mode is chosen.
void Form1::Option5_Click() {
    forgetRound();
    Label11.Visible = false;
}

void Form1::Check2_Click() {
    if (Check2.Value == 0) {
        Check3.Enabled = false;
        Check4.Enabled = false;
    }
    if (Check2.Value == 1) {
        Check3.Enabled = true;
        Check4.Enabled = true;
    }
}

void Form1::Timer4_Timer() {
    if (Check2.Value == 0) Picture3.Visible = false;
    if (Check3.Value == 0 && Command8.Enabled) Command8.Enabled = false;
    if (Check3.Value == 1 && !Command8.Enabled) Command8.Enabled = true;
    if (Check4.Value == 0 && Command10.Enabled) Command10.Enabled = false;
    if (Check4.Value == 1 && !Command10.Enabled) Command10.Enabled = true;
}

void Form1::Command6_Click() {
    if (Text5.Text.get().empty())
        Caption = std::string(kAppTitle);
    else
        Caption = Text5.Text.get() + " - " + kAppTitle;
    if (Text4.Text.get().empty()) select(Option2);
    Picture1.Visible = false;
    Picture2.Visible = false;
    Command11.Enabled = true;
}

}  // namespace kulbo
