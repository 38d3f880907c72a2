// "关于" and "进入官网".
#include "app/form1.h"
#include "app/messages.h"

namespace kulbo {

void Form1::Command7_Click() {
    const std::string name = kAppTitle;
    dialogs_.MsgBox(aboutText(name), box::kInformation, name + kAboutTitle);
}

// Without a browser the teacher is given the address to type in one.
void Form1::Command13_Click() {
    if (dialogs_.OpenUrl(kWebsite)) return;
    dialogs_.MsgBox(std::string(kNoBrowser) + kWebsite, box::kExclamation, kAppTitle);
}

}  // namespace kulbo
