// Requests to close that come from outside the window: SIGTERM, SIGHUP and
// SIGINT, and the desktop session's end. They meet the window's question like
// the close button does, so nothing is lost without the user saying so.
#pragma once

#include <QObject>

class QSessionManager;
class QSocketNotifier;

namespace kulbo {

class Program;

class CloseRequests : public QObject {
public:
    // One per process: it takes the signals over.
    explicit CloseRequests(Program& program);
    ~CloseRequests() override;

private:
    void sessionEnds(QSessionManager& manager);

    Program& program_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace kulbo
