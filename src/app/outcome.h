// What an operation outside the program came to: done, or the reason it
// could not be done, in words for the user.
#pragma once

#include <string>
#include <utility>

namespace kulbo {

class Outcome {
public:
    static Outcome done() { return Outcome(""); }
    static Outcome failed(std::string reason) { return Outcome(std::move(reason), true); }

    bool ok() const { return !failed_; }
    const std::string& reason() const { return reason_; }

private:
    explicit Outcome(std::string reason, bool failed = false) : reason_(std::move(reason)), failed_(failed) {}
    std::string reason_;
    bool failed_;
};

}  // namespace kulbo
