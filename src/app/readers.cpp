#include "app/readers.h"
#include "app/messages.h"

#include "app/form1.h"

namespace kulbo {

namespace {

std::string withoutColon(std::string caption) {
    const std::string colon = kCaptionColon;
    if (caption.size() >= colon.size() && caption.compare(caption.size() - colon.size(), colon.size(), colon) == 0)
        caption.resize(caption.size() - colon.size());
    return caption;
}

// The newest line of a history text, without its line break.
std::string newestLine(const std::string& history) {
    if (history.size() < 2) return {};
    std::size_t end = history.size() - 2;
    std::size_t start = history.rfind("\r\n", end == 0 ? 0 : end - 1);
    start = start == std::string::npos || start >= end ? 0 : start + 2;
    return history.substr(start, end - start);
}

int lineCount(const std::string& history, std::size_t from) {
    int count = 0;
    for (std::size_t at = history.find("\r\n", from); at != std::string::npos; at = history.find("\r\n", at + 2)) ++count;
    return count;
}

}  // namespace

std::string Readers::name(const Control& c) const {
    if (!c.LabelledBy) return {};
    std::string name = withoutColon(c.LabelledBy->Caption.get());
    if (&c == &form_.Label4 && !form_.Label4.Caption.get().empty()) name += " " + form_.Label4.Caption.get();
    return name;
}

std::string Readers::description(const Control& c) const {
    if (&c == &form_.Command1) return lastPick_;
    if (&c == &form_.Text6) {
        const std::string& history = form_.Text6.Text.get();
        if (history.empty()) return kNoHistory;
        return historySummary(historyLines_, newestLine(history));
    }
    return {};
}

bool Readers::leftOut(const Control& c) const {
    return &c == &form_.Label5 || &c == &form_.Label13 || &c == &form_.Label14;
}

void Readers::picked(std::size_t from) {
    historyLines_ += lineCount(form_.Text6.Text.get(), from);
    ++picks_;
    lastPick_ = pickNews(picks_, form_.Label4.Caption.get());
}

void Readers::historySet() { historyLines_ = lineCount(form_.Text6.Text.get(), 0); }

}  // namespace kulbo
