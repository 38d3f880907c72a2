// Drives a loaded window with a stream of choices: every event the front end
// can deliver (clicks on reachable enabled controls, typed characters of
// every code, ticks, answers to boxes, clock jumps, window changes), and
// checks what must hold after each one.
#pragma once

#include "app/view.h"
#include "support/fake_platform.h"

#include <cstdint>
#include <optional>
#include <random>
#include <span>
#include <string>

namespace kulbo::testing {

// Where the choices come from: a seeded generator, or a fuzzer's bytes
// (zeros once they run out).
class Choices {
public:
    explicit Choices(std::uint64_t seed) : generator_(seed) {}
    Choices(const std::uint8_t* data, std::size_t size) : bytes_(std::span(data, size)) {}
    bool exhausted() const { return bytes_ && position_ >= bytes_->size(); }
    std::uint32_t next();
    int below(int count) { return count <= 1 ? 0 : static_cast<int>(next() % static_cast<std::uint32_t>(count)); }

private:
    std::mt19937_64 generator_;
    std::optional<std::span<const std::uint8_t>> bytes_;
    std::size_t position_ = 0;
};

class EventDriver {
public:
    explicit EventDriver(FormFixture& fixture) : f_(fixture), view_(fixture.form) {}

    // Performs one event; returns what it did, for a failure message.
    std::string step(Choices& choices);

    // What must hold after every event; "" when it does.
    std::string violation() const;

    // Steps until the choices run out, the window ends or `steps` are taken;
    // returns "" or what broke, with the last events that led to it.
    std::string run(Choices& choices, long steps);
    long picks() const { return picks_; }  // the draws so far

private:
    FormFixture& f_;
    View view_;
    long picks_ = 0;
    bool justPicked_ = false;
    bool rolledSinceModeChange_ = true;
};

}  // namespace kulbo::testing
