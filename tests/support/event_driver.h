// Drives a loaded window with a stream of choices: every event the front end
// can deliver (clicks on reachable enabled controls, typed characters of
// every code, ticks, answers to boxes, clock jumps, window changes), and
// checks what must hold after each one.
#pragma once

#include "app/view.h"
#include "support/fake_platform.h"

#include <cstdint>
#include <random>
#include <string>

namespace kulbo::testing {

// Where the choices come from: a fuzzer's bytes or a seeded generator.
class Choices {
public:
    virtual ~Choices() = default;
    virtual bool exhausted() const = 0;
    virtual std::uint32_t next() = 0;
    int below(int count) { return count <= 1 ? 0 : static_cast<int>(next() % static_cast<std::uint32_t>(count)); }
};

class SeededChoices : public Choices {
public:
    explicit SeededChoices(std::uint64_t seed) : generator_(seed) {}
    bool exhausted() const override { return false; }
    std::uint32_t next() override { return static_cast<std::uint32_t>(generator_()); }

private:
    std::mt19937_64 generator_;
};

class ByteChoices : public Choices {
public:
    ByteChoices(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool exhausted() const override { return position_ >= size_; }
    std::uint32_t next() override;

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

class EventDriver {
public:
    explicit EventDriver(FormFixture& fixture) : f_(fixture), view_(fixture.form) {}

    // Performs one event; returns what it did, for a failure message.
    std::string step(Choices& choices);

    // What must hold after every event; "" when it does.
    std::string violation() const;

private:
    std::string clickSomething(Choices& choices);

    FormFixture& f_;
    View view_;
    bool justPicked_ = false;
    bool rolledSinceModeChange_ = true;
};

}  // namespace kulbo::testing
