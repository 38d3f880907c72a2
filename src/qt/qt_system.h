// The operating system's half of the platform on a desktop with Qt: the
// copy that runs brings its window to the front when a later copy gives way
// to it, hearing the request on Qt's event loop; the later one asks as it
// ends.
#pragma once

#include "platform/system_platform.h"

#include <QSocketNotifier>

#include <memory>
#include <vector>

namespace kulbo {

class MainWindow;

class QtSystem : public SystemPlatform {
public:
    void setWindow(MainWindow* window) { window_ = window; }

    bool PrevInstance() override;
    void End() override;

private:
    MainWindow* window_ = nullptr;
    bool gaveWay_ = false;
    std::vector<std::unique_ptr<QSocketNotifier>> showRequests_;
};

}  // namespace kulbo
