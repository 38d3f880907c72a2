#include "qt/close_requests.h"

#include "app/program.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace kulbo {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// A signal handler may do next to nothing: it writes a byte that the event
// loop reads.
int signalPipe[2] = {-1, -1};

void onSignal(int) {
    int saved = errno;
    char byte = 1;
    [[maybe_unused]] auto written = ::write(signalPipe[1], &byte, 1);  // a full pipe has a request already
    errno = saved;
}

}  // namespace

CloseRequests::CloseRequests(Program& program) : program_(program) {
    connect(qApp, &QGuiApplication::commitDataRequest, this, &CloseRequests::sessionEnds, Qt::DirectConnection);

    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;  // the signals keep ending the program
    notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char bytes[64];
        while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
        }
        program_.requestClose();
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kSignals) ::sigaction(signal, &action, nullptr);
}

CloseRequests::~CloseRequests() {
    if (!notifier_) return;
    for (int signal : kSignals) ::signal(signal, SIG_DFL);
    delete notifier_;
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

void CloseRequests::sessionEnds(QSessionManager& manager) {
    bool mayAsk = manager.allowsInteraction();
    if (program_.cancelSessionEnd(mayAsk)) manager.cancel();
    if (mayAsk) manager.release();
}

}  // namespace kulbo
