#include "qt/qt_system.h"

#include "platform/show_request.h"
#include "qt/main_window.h"


namespace kulbo {

bool QtSystem::PrevInstance() {
    gaveWay_ = SystemPlatform::PrevInstance();
    if (gaveWay_) return true;
    for (int listener : listenForShowRequests(instanceLock())) {
        auto& notifier = showRequests_.emplace_back(std::make_unique<QSocketNotifier>(listener, QSocketNotifier::Read));
        QObject::connect(notifier.get(), &QSocketNotifier::activated, [this, listener] {
            if (takeShowRequests(listener) && window_) window_->bringToFront();
        });
    }
    return false;
}

// After the refusal box: the window of the copy that runs comes forward
// once the box has gone, not under it.
void QtSystem::End() {
    if (gaveWay_) askRunningCopyToShow();
    SystemPlatform::End();
}

}  // namespace kulbo
