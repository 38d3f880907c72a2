#include "history/history_text.h"

#include "app/messages.h"

#include <array>

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

// Year, month, day, hour, minute and second, each followed by its separator.
std::string formatStamp(const LocalTime& t, const std::array<const char*, 6>& separators) {
    const int fields[6] = {t.year, t.month, t.day, t.hour, t.minute, t.second};
    std::string text;
    text.reserve(48);
    for (int i = 0; i < 6; ++i) {
        appendDigits(text, fields[i], i == 0 ? 4 : 2);
        text += separators[i];
    }
    return text;
}

std::string reportNameStamp(const LocalTime& t) { return formatStamp(t, {"", "", "", "", "", ""}); }

std::string historyLineStamp(const LocalTime& t) {
    return formatStamp(t, kHistoryStampParts);
}

std::string historyLine(const std::string& stamp, const std::string& number) {
    return stamp + "[" + number + "]\r\n";
}

std::string reportFileName(const std::string& stamp) { return kAppTitle + (kReportName + stamp) + ".txt"; }

}  // namespace kulbo
