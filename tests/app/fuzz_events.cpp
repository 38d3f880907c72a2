// libFuzzer target: the fuzzer's bytes choose the events; any broken
// invariant or sanitizer report is a finding.
#include "support/event_driver.h"

#include <cstdio>
#include <cstdlib>

using namespace kulbo::testing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FormFixture fixture;
    EventDriver driver(fixture);
    Choices choices(data, size);
    while (!choices.exhausted() && !fixture.form.ended()) {
        std::string event = driver.step(choices);
        std::string broken = driver.violation();
        if (!broken.empty()) {
            std::fprintf(stderr, "after %s: %s\n", event.c_str(), broken.c_str());
            std::abort();
        }
    }
    return 0;
}
