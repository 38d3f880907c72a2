// The rounds of 不重复方式: every number of the range is drawn once before any
// number comes again. The history text is the only record: a round is read
// from it, and what was read is kept only so that a tick or a pick reads no
// more than the lines added since.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kulbo {

// What decides the numbers of the mode, as the boxes hold it: the whole
// numbers from the minimum to the maximum, less the avoided number (empty
// when avoidance is off).
struct RoundNumbers {
    std::string minimum;
    std::string maximum;
    std::string avoided;
    bool operator==(const RoundNumbers&) const = default;
};

class Round {
public:
    // Brings the round up to date with the history: reads on from the last
    // line read while the history was only added to since (the same count of
    // replacements), and counts again from the first line otherwise, or when
    // the numbers changed.
    void follow(const RoundNumbers& numbers, std::string_view history, std::uint64_t historyReplacements);

    // The next follow counts again from the first line.
    void forget() { counted_ = false; }

    // The numbers the round has still to draw; none only when the mode has no
    // number at all, since a complete round starts the next at once.
    std::size_t left() const { return left_.size(); }
    bool isLeft(std::string_view number) const;

    // One of the numbers left, as text, each equally likely for r uniform in
    // [0, 1). Needs left() > 0.
    std::string numberLeft(double r) const;

private:
    void countAgain();
    void startRound();
    void read(std::string_view line);
    int placeOf(std::optional<double> value) const;

    RoundNumbers numbers_;
    bool counted_ = false;
    std::uint64_t replacements_ = 0;
    std::size_t readUpTo_ = 0;      // bytes of the history read: whole lines
    int lowest_ = 0;                // the range's first whole number
    std::vector<int> all_;          // the numbers of the mode
    std::vector<int> left_;         // those the round has still to draw, in no order
    std::vector<int> placeInLeft_;  // by number less lowest_: its index in left_, or -1
};

}  // namespace kulbo
