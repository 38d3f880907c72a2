// The administrator lock panel in front of the settings.
#include "app/form1.h"
#include "app/messages.h"

namespace kulbo {

namespace {

// The one text that does not unlock: it shows the credits instead.
constexpr const char* kCreditsCode = "731952846017364528";

constexpr std::int16_t kEnterKey = 13;

}  // namespace

void Form1::Command3_Click() {
    Picture1.Visible = true;
    Label4.Caption = "";
    Command11.Enabled = false;
}

void Form1::Command4_Click() { unlockCheck(); }

void Form1::Command5_Click() {
    Picture1.Visible = false;
    Text3.Text = "";
    Command11.Enabled = true;
}

// The form sees every key first, so Enter unlocks wherever the focus is.
void Form1::Form_KeyDown(std::int16_t& KeyCode, std::int16_t /*Shift*/) {
    if (!Picture2.Visible && Picture1.Visible && KeyCode == kEnterKey) unlockCheck();
}

void Form1::unlockCheck() {
    if (Text3.Text != kCreditsCode) {
        Picture2.Visible = true;
        Picture1.Visible = false;
        Text3.Text = "";
    }
    if (Text3.Text == kCreditsCode) {
        Text3.Text = "";
        dialogs_.MsgBox(kCredits, box::kInformation, kCreditsTitle);
    }
}

}  // namespace kulbo
