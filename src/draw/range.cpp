// "修改" opens the range for editing; "完成" checks it and starts the draw.
#include "app/form1.h"
#include "app/messages.h"
#include "draw/round.h"
#include "app/number_text.h"

namespace kulbo {

void Form1::Command2_Click() {
    if (!Option3.Value && !Option4.Value && !Option5.Value) return;

    if (Command2.Caption == kEditRange) {
        Command2.Caption = kRangeDone;
        applyEditingGroup();
    } else if (!Text1.Text.get().empty() && !Text2.Text.get().empty()) {
        auto maximum = strictNumber(Text2.Text.get());
        if (!maximum) {
            reject(kMaximumNotANumber);
        } else if (*maximum <= 999) {
            if (!strictNumber(Text1.Text.get()))
                reject(kMinimumNotANumber);
            else if (lenientNumber(Text2.Text.get()) <= lenientNumber(Text1.Text.get()))
                reject(kMinimumNotBelowMaximum);
            else if (Option5.Value && roundSoFar().left() == 0)
                reject(kNothingToDraw);
            else
                startDraw();
        }
    }

    // Checked after every click, whichever way it went.
    if (Text1.Text.get().empty()) reject(kMinimumEmpty);
    if (Text2.Text.get().empty()) reject(kMaximumEmpty);
    if (!Text1.Text.get().empty() && !Text2.Text.get().empty()) {
        auto maximum = strictNumber(Text2.Text.get());
        if (maximum && *maximum >= 1000) reject(kMaximumOver999);
    }
}

// Random mode keeps the minimum locked at its text.
void Form1::applyEditingGroup() {
    if (Option3.Value || Option5.Value) Text1.Enabled = true;
    Text2.Enabled = true;
    Label4.Caption = "";
    Timer1.Enabled = false;
    Command1.Enabled = false;
    Command3.Enabled = false;
    Command11.Enabled = false;
}

void Form1::reject(const std::string& message) {
    applyEditingGroup();
    dialogs_.MsgBox(message, box::kCritical, kAppTitle);
    Command2.Caption = kRangeDone;
}

void Form1::startDraw() {
    Command2.Caption = kEditRange;
    Text1.Enabled = false;
    Text2.Enabled = false;
    Timer1.Enabled = true;
    Label5.Caption = Text1.Text;
    Command1.Enabled = true;
    Command3.Enabled = true;
    Command11.Enabled = true;
}

}  // namespace kulbo
