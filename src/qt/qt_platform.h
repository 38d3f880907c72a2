// The platform as the program meets it on a desktop with Qt: its message
// boxes, file dialog, browser and the boxes' context menus.
#pragma once

#include "platform/system_platform.h"

#include <memory>
#include <vector>

class QSocketNotifier;

namespace kulbo {

class MainWindow;

class QtPlatform : public SystemPlatform {
public:
    QtPlatform();
    ~QtPlatform() override;

    void setWindow(MainWindow* window) { window_ = window; }

    // The copy that runs brings its window to the front when a later copy
    // gives way to it; the later one asks as it ends.
    bool PrevInstance() override;
    void End() override;

    int MsgBox(const std::string& prompt, int flags, const std::string& title) override;
    std::optional<std::string> ChooseSaveFile(const std::string& proposedName) override;
    void OpenUrl(const std::string& address) override;
    void HookTextBox(TextBox& box) override;
    void UnhookTextBox(TextBox& box) override;

private:
    MainWindow* window_ = nullptr;
    bool gaveWay_ = false;
    std::vector<std::unique_ptr<QSocketNotifier>> showRequests_;
};

}  // namespace kulbo
