#include "platform/system_platform.h"

#include "app/messages.h"
#include "platform/report_file.h"
#include "platform/system.h"

#include <cstdio>

namespace kulbo {

namespace {

// Seeded afresh at every start, so two starts draw different numbers.
std::mt19937_64 seededGenerator() {
    std::random_device device;
    std::seed_seq seed{device(), device(), device(), device()};
    return std::mt19937_64(seed);
}

}  // namespace

SystemPlatform::SystemPlatform() : random_(seededGenerator()) {}

LocalTime SystemPlatform::Now() { return os::localNow(); }

// 53 random bits: every value a double can hold in [0, 1) at that spacing,
// never 1 itself.
double SystemPlatform::Rnd() { return static_cast<double>(random_() >> 11) * 0x1.0p-53; }

bool SystemPlatform::PrevInstance() {
    InstanceCheck check = instanceLock_.acquire();
    if (check == InstanceCheck::Unknown)
        std::fprintf(stderr, kCannotTellIfRunning, kAppTitle, kAppTitle);
    return check == InstanceCheck::AnotherRunning;
}

void SystemPlatform::End() { os::endNow(); }

std::optional<std::string> SystemPlatform::ProgramFolder() { return os::programFolder(); }

Outcome SystemPlatform::WriteTextFile(const std::string& path, const std::string& text) {
    return writeGbkFile(path, text);
}

const char* SystemPlatform::PathSeparators() const { return os::pathSeparators(); }

std::optional<std::string> SystemPlatform::DocumentsFolder() { return os::documentsFolder(); }

std::optional<std::string> SystemPlatform::HomeFolder() { return os::homeFolder(); }

}  // namespace kulbo
