// The part of the platform that is the operating system's, alike for every
// front end: the clock, chance, the one-copy lock, the end, the program's
// folder and the report file. A front end adds its boxes, dialogs and
// browser.
#pragma once

#include "app/platform.h"
#include "platform/single_instance.h"

#include <cstdint>
#include <random>

namespace kulbo {

class SystemPlatform : public Platform {
public:
    SystemPlatform();

    LocalTime Now() override;
    double Rnd() override;
    bool PrevInstance() override;
    void End() override;
    std::optional<std::string> ProgramFolder() override;
    Outcome WriteTextFile(const std::string& path, const std::string& text) override;
    const char* PathSeparators() const override;

protected:
    InstanceLock& instanceLock() { return instanceLock_; }

private:
    std::mt19937_64 random_;
    InstanceLock instanceLock_;
};

}  // namespace kulbo
