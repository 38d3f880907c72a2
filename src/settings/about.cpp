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
    platform_.MsgBox(text, box::kInformation, name + " - 关于");
}

void Form1::Command13_Click() { platform_.OpenUrl(kWebsite); }

}  // namespace kulbo
