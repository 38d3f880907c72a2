// "关于" and "进入官网".
#include "app/form1.h"
#include "app/messages.h"

namespace kulbo {

namespace {

constexpr const char* kWebsite = "https://kulbo.example.org/";

}  // namespace

void Form1::Command7_Click() {
    const std::string name = kAppTitle;
    std::string text = name + " 官网：" + kWebsite + "\r\n" +
                       name + " 论坛域名：暂无\r\n"
                       "公平抽号，一键开始";
    dialogs_.MsgBox(text, box::kInformation, name + " - 关于");
}

// Without a browser the teacher is given the address to type in one.
void Form1::Command13_Click() {
    if (dialogs_.OpenUrl(kWebsite)) return;
    dialogs_.MsgBox(std::string("无法打开浏览器，请在浏览器中输入以下网址：\r\n") + kWebsite, box::kExclamation, kAppTitle);
}

}  // namespace kulbo
