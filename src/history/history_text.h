// The history text: one line per pick, oldest first, each ending in CR LF.
#pragma once

#include "app/system_port.h"

#include <string>

namespace kulbo {

// 20240315090507: names the text report.
std::string reportNameStamp(const LocalTime& time);

// "2024年03月15日_09:05:07抽到幸运数: ": starts each history line.
std::string historyLineStamp(const LocalTime& time);

std::string historyLine(const std::string& stamp, const std::string& number);

// "Kulbo的历史幸运号报告20240315090507.txt"
std::string reportFileName(const std::string& stamp);

}  // namespace kulbo
