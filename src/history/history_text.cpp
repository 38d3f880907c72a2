#include "history/history_text.h"

namespace kulbo {

namespace {

// The stamps are formatted a thousand times a second: digits by hand, not
// through printf.
void appendDigits(std::string& text, int value, int width) {
    char digits[12];
    int count = 0;
    unsigned v = value < 0 ? 0u : static_cast<unsigned>(value);
    do {
        digits[count++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0 && count < 12);
    for (int pad = count; pad < width; ++pad) text += '0';
    while (count > 0) text += digits[--count];
}

}  // namespace

std::string reportNameStamp(const LocalTime& t) {
    std::string text;
    text.reserve(16);
    appendDigits(text, t.year, 4);
    appendDigits(text, t.month, 2);
    appendDigits(text, t.day, 2);
    appendDigits(text, t.hour, 2);
    appendDigits(text, t.minute, 2);
    appendDigits(text, t.second, 2);
    return text;
}

std::string historyLineStamp(const LocalTime& t) {
    std::string text;
    text.reserve(48);
    appendDigits(text, t.year, 4);
    text += "年";
    appendDigits(text, t.month, 2);
    text += "月";
    appendDigits(text, t.day, 2);
    text += "日_";
    appendDigits(text, t.hour, 2);
    text += ':';
    appendDigits(text, t.minute, 2);
    text += ':';
    appendDigits(text, t.second, 2);
    text += "抽到幸运数: ";
    return text;
}

std::string historyLine(const std::string& stamp, const std::string& number) {
    return stamp + "[" + number + "]\r\n";
}

std::string reportFileName(const std::string& stamp) { return "Kulbo的历史幸运号报告" + stamp + ".txt"; }

}  // namespace kulbo
