#include "support/round_fairness.h"

#include "support/fake_platform.h"

#include <array>

namespace kulbo::testing {

Fairness roundFairness(int rounds, std::uint64_t seed) {
    constexpr int kNumbers = 10;
    FormFixture f;
    f.platform.generator.seed(seed);
    f.form.choose(f.form.Option5);
    f.form.Text2.Text = std::to_string(kNumbers);
    std::mt19937_64 ticks(seed + 1);
    std::array<std::array<long, kNumbers>, kNumbers> counts{};  // by place in the round, then number
    for (int round = 0; round < rounds; ++round)
        for (auto& place : counts) {
            f.ticks(f.form.Timer1, static_cast<int>(ticks() % 3));
            f.form.click(f.form.Command1);
            ++place.at(std::stoul(f.form.Label4.Caption.get()) - 1);
        }
    const double expected = double(rounds) / kNumbers;
    double chiSquare = 0;
    for (const auto& place : counts)
        for (long observed : place) chiSquare += (observed - expected) * (observed - expected) / expected;
    return {chiSquare, (kNumbers - 1) * (kNumbers - 1)};  // each place and each number add up to `rounds`
}

}  // namespace kulbo::testing
