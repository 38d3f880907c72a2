#include "draw/round.h"

#include "app/number_text.h"

#include <algorithm>
#include <cmath>

namespace kulbo {

namespace {

// The boxes hold three characters, so no range reaches past these bounds;
// they keep a text put there by other means from costing memory.
constexpr double kFurthest = 1000;

// "2024年03月15日_09:05:07抽到幸运数: [7]": the text between the last brackets.
std::string_view bracketed(std::string_view line) {
    std::size_t open = line.rfind('[');
    if (line.empty() || line.back() != ']' || open == std::string_view::npos) return {};
    return line.substr(open + 1, line.size() - open - 2);
}

}  // namespace

void Round::follow(const RoundNumbers& numbers, std::string_view history, std::uint64_t historyReplacements) {
    if (!counted_ || numbers != numbers_ || historyReplacements != replacements_ || readUpTo_ > history.size()) {
        numbers_ = numbers;
        replacements_ = historyReplacements;
        countAgain();
    }
    for (std::size_t end; (end = history.find("\r\n", readUpTo_)) != std::string_view::npos; readUpTo_ = end + 2)
        read(history.substr(readUpTo_, end - readUpTo_));
}

void Round::countAgain() {
    counted_ = true;
    readUpTo_ = 0;
    all_.clear();
    placeInLeft_.clear();
    auto minimum = strictNumber(numbers_.minimum);
    auto maximum = strictNumber(numbers_.maximum);
    if (minimum && maximum) {
        lowest_ = static_cast<int>(std::ceil(std::max(*minimum, -kFurthest)));
        const int highest = static_cast<int>(std::floor(std::min(*maximum, kFurthest)));
        for (int n = lowest_; n <= highest; ++n)
            if (numberText(n) != numbers_.avoided) all_.push_back(n);
        if (highest >= lowest_) placeInLeft_.assign(static_cast<std::size_t>(highest - lowest_ + 1), -1);
    }
    startRound();
}

void Round::startRound() {
    left_ = all_;
    for (std::size_t i = 0; i < left_.size(); ++i) placeInLeft_[left_[i] - lowest_] = static_cast<int>(i);
}

// Where a number stands in left_, or -1: drawn already in this round, the
// avoided number, or no whole number of the range.
int Round::placeOf(std::optional<double> value) const {
    if (!value || *value != std::floor(*value) || *value < lowest_ || *value >= lowest_ + double(placeInLeft_.size()))
        return -1;
    return placeInLeft_[static_cast<std::size_t>(*value - lowest_)];
}

// A number of the mode counts as drawn whichever mode drew it; any other
// text is passed over.
void Round::read(std::string_view line) {
    auto value = strictNumber(bracketed(line));
    const int place = placeOf(value);
    if (place < 0) return;
    const int last = left_.back();  // takes the drawn one's place
    left_[place] = last;
    placeInLeft_[last - lowest_] = place;
    placeInLeft_[static_cast<int>(*value) - lowest_] = -1;
    left_.pop_back();
    if (left_.empty()) startRound();
}

// The text must be the number as the mode writes it: "7", not "07" or "7.".
bool Round::isLeft(std::string_view number) const {
    auto value = strictNumber(number);
    return placeOf(value) >= 0 && numberText(*value) == number;
}

std::string Round::numberLeft(double r) const {
    auto index = static_cast<std::size_t>(r * double(left_.size()));
    return numberText(left_[std::min(index, left_.size() - 1)]);  // r is below 1, but rounding must not reach past the end
}

}  // namespace kulbo
