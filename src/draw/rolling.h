// The next value of the hidden rolling number.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kulbo {

// Counts up by one and starts again at the minimum once the next number would
// pass the maximum. Compares values, so a maximum typed as 050 or 5.5 still
// bounds the count. Text that is not a number restarts at the minimum.
std::string nextInSequence(std::string_view current, std::string_view minimum, std::string_view maximum);

// Where `steps` calls of nextInSequence would leave the count, in a time
// that does not grow with `steps`.
std::string advanceInSequence(std::string_view current, std::string_view minimum, std::string_view maximum,
                              std::uint64_t steps);

// A whole number from 1 to the maximum rounded down, each equally likely for
// r uniform in [0, 1). The minimum is locked at 1 in random mode; it stands in
// only when the maximum holds no whole number from 1 on.
std::string randomNumber(double r, std::string_view minimum, std::string_view maximum);

}  // namespace kulbo
