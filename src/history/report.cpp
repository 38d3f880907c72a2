// "生成txt报告": writes the whole history to a text file beside the program.
#include "app/form1.h"
#include "app/messages.h"
#include "history/history_text.h"

namespace kulbo {

void Form1::Command10_Click() {
    if (Check2.Value != 1 || Check4.Value != 1) return;
    if (Text6.Text.get().empty()) {
        platform_.MsgBox("没有历史记录: txt报告生成失败!", box::kCritical, kAppTitle);
        return;
    }
    std::string fileName = reportFileName(Label13.Caption.get());
    Outcome written = platform_.WriteTextFile(fileName, Text6.Text.get() + "\r\n");
    if (written.ok())
        platform_.MsgBox("txt报告生成成功!已生成在本程序的同一路径内", box::kInformation, "提示");
    else
        platform_.MsgBox("txt报告未能生成: " + platform_.ProgramFolder() + "/" + fileName + "\r\n" + written.reason(),
                         box::kCritical, kAppTitle);
}

}  // namespace kulbo
