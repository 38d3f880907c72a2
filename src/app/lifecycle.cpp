// Start and end of the program.
#include "app/form1.h"
#include "app/messages.h"

namespace kulbo {

void Form1::Form_Load() {
    if (system_.PrevInstance()) {
        dialogs_.MsgBox(kAlreadyRunning, box::kExclamation, std::string(kAlreadyRunningTitle) + kAppTitle);
        endProgram();
        return;
    }
    for (TextBox* box : {&Text1, &Text2, &Text3, &Text4, &Text6}) dialogs_.HookTextBox(*box);
}

void Form1::Form_QueryUnload(std::int16_t& Cancel, std::int16_t /*UnloadMode*/) {
    if (dialogs_.MsgBox(kReallyQuit, box::kYesNoQuestionNoDefault, kAppTitle) == box::kYes) {
        endProgram();
        return;
    }
    Cancel = 1;
}

void Form1::Form_Unload(std::int16_t& /*Cancel*/) {
    for (TextBox* box : {&Text1, &Text2, &Text3, &Text4, &Text6}) dialogs_.UnhookTextBox(*box);
}

}  // namespace kulbo
