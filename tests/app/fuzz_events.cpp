// libFuzzer target: the fuzzer's bytes choose the events; any broken
// invariant or sanitizer report is a finding.
#include "support/event_driver.h"

#include <climits>
#include <cstdio>
#include <cstdlib>

using namespace kulbo::testing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FormFixture fixture;
    EventDriver driver(fixture);
    Choices choices(data, size);
    const std::string broken = driver.run(choices, LONG_MAX);
    if (broken.empty()) return 0;
    std::fprintf(stderr, "%s\n", broken.c_str());
    std::abort();
}
