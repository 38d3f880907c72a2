#include "app/history_lines.h"

#include "app/view.h"

#include <algorithm>

namespace kulbo::history_lines {

int count(std::u16string_view text) {
    const auto breaks = static_cast<int>(std::count(text.begin(), text.end(), u'\n'));
    return text.empty() || text.back() == u'\n' ? breaks : breaks + 1;
}

int lineAt(std::u16string_view text, std::size_t caret) {
    return static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(std::min(caret, text.size())), u'\n'));
}

std::size_t startOf(std::u16string_view text, int line) {
    std::size_t at = 0;
    for (int i = 0; i < line && at < text.size(); ++i) {
        std::size_t end = text.find(u'\n', at);
        if (end == std::u16string_view::npos) return text.size();
        at = end + 1;
    }
    return at;
}

int inSight(double height, double lineHeight) {
    return lineHeight > 0 ? std::max(1, static_cast<int>(height / lineHeight)) : 1;
}

int firstInSight(int line, int first, int inSight) { return std::clamp(first, line - inSight + 1, line); }

std::optional<Move> afterKey(int keyCode, std::u16string_view text, std::size_t caret, int first, int inSight) {
    std::optional<int> line = View::historyLineAfterKey(keyCode, lineAt(text, caret), count(text), inSight);
    if (!line) return std::nullopt;
    return Move{startOf(text, *line), firstInSight(*line, first, inSight)};
}

}  // namespace kulbo::history_lines
