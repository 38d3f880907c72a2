// Requests to close that come from outside the window: SIGTERM, SIGHUP and
// SIGINT, and the desktop session's end. They meet the window's question like
// the close button does, so nothing is lost without the user saying so.
#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class QSessionManager;
class QSocketNotifier;

namespace kulbo {

class Form1;

class CloseRequests : public QObject {
public:
    // One per process: it takes the signals over. beforeInput runs before
    // each request reaches the window, as before every input.
    CloseRequests(Form1& form, std::function<void()> beforeInput);
    ~CloseRequests() override;

private:
    void deliver();
    void sessionEnds(QSessionManager& manager);

    Form1& form_;
    std::function<void()> beforeInput_;
    QSocketNotifier* notifier_ = nullptr;
    QTimer retry_;
    bool pending_ = false;
};

}  // namespace kulbo
