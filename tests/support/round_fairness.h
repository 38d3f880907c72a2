// How evenly 不重复方式 spreads the numbers over the places of a round:
// shared by the fairness test and the benchmark that prints the figures.
#pragma once

#include <cstdint>

namespace kulbo::testing {

struct Fairness {
    double chiSquare;
    int degreesOfFreedom;
};

// Draws whole rounds of 1..10 on a window whose generator is seeded with
// `seed`, with none, one or two ticks before each pick, and sums
// (observed - expected)^2 / expected over every number at every place of a
// round, where each number is expected rounds / 10 times.
Fairness roundFairness(int rounds, std::uint64_t seed);

}  // namespace kulbo::testing
