// "关于" and "进入官网".
#include "app/form1.h"

namespace kulbo {

namespace {

constexpr const char* kWebsite = "https://kulbo.example.org/";

}  // namespace

void Form1::Command7_Click() {
    std::string text = std::string("Kulbo 官网：") + kWebsite + "\r\n" +
                       "Kulbo 论坛域名：暂无\r\n"
                       "公平抽号，一键开始";
    platform_.MsgBox(text, box::kInformation, "Kulbo - 关于");
}

void Form1::Command13_Click() { platform_.OpenUrl(kWebsite); }

}  // namespace kulbo
