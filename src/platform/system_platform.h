// The operating system's half of the platform, alike for every front end:
// the clock, chance, the one-copy lock, the end, the program's folder, the
// user's folders and the report file.
#pragma once

#include "app/system_port.h"
#include "platform/single_instance.h"

#include <cstdint>
#include <random>

namespace kulbo {

class SystemPlatform : public SystemPort {
public:
    SystemPlatform();

    LocalTime Now() override;
    double Rnd() override;
    bool PrevInstance() override;
    void End() override;
    std::optional<std::string> ProgramFolder() override;
    Outcome WriteTextFile(const std::string& path, const std::string& text) override;
    const char* PathSeparators() const override;
    std::optional<std::string> DocumentsFolder() override;
    std::optional<std::string> HomeFolder() override;

protected:
    InstanceLock& instanceLock() { return instanceLock_; }

private:
    std::mt19937_64 random_;
    InstanceLock instanceLock_;
};

}  // namespace kulbo
