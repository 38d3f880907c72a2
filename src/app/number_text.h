// Numbers travel as decimal text in captions and text boxes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kulbo {

// The whole text must be a number: an optional sign, then digits with at most
// one decimal point and at least one digit ("5.", ".5" and "050" are numbers;
// "", "." and "5a" are not).
std::optional<double> strictNumber(std::string_view text);

// The longest leading number of the text, or 0 when it has none.
double lenientNumber(std::string_view text);

// Shortest decimal form: 7, never 7.0 or 07; 5.5 stays 5.5.
std::string numberText(double value);

}  // namespace kulbo
