#include "history/history_text.h"

#include <cstdio>

namespace kulbo {

std::string reportNameStamp(const LocalTime& t) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d%02d%02d%02d%02d%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
    return text;
}

std::string historyLineStamp(const LocalTime& t) {
    char text[96];
    std::snprintf(text, sizeof text, "%04d年%02d月%02d日_%02d:%02d:%02d抽到幸运数: ", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return text;
}

std::string historyLine(const std::string& stamp, const std::string& number) {
    return stamp + "[" + number + "]\r\n";
}

std::string reportFileName(const std::string& stamp) { return "Kulbo的历史幸运号报告" + stamp + ".txt"; }

}  // namespace kulbo
