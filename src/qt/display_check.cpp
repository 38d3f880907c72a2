#include "qt/display_check.h"

#include "app/messages.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace kulbo {

namespace {

// A message handler is a plain function: what it holds back lives here,
// for the one check of the process.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::vector<HeldMessage> heldMessages;
QtMessageHandler handlerBefore = nullptr;

// Qt's fatal message is followed by abort(): the program's own line and a
// plain exit instead, the one way out that leaves no core dump behind.
void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        heldMessages.push_back({type, context.category, text});
        return;
    }
    const char* display = std::getenv("DISPLAY");
    if (display && *display)
        std::fprintf(stderr, kCannotReachDisplay, kAppTitle, display, display);
    else
        std::fprintf(stderr, kNoDisplay, kAppTitle);
    std::_Exit(1);
}

}  // namespace

DisplayCheck::DisplayCheck() { handlerBefore = qInstallMessageHandler(holdMessage); }

DisplayCheck::~DisplayCheck() { started(); }

void DisplayCheck::started() {
    if (!handlerBefore) return;
    qInstallMessageHandler(handlerBefore);
    for (const HeldMessage& message : heldMessages)
        handlerBefore(message.type, QMessageLogContext(nullptr, 0, nullptr, message.category.constData()), message.text);
    heldMessages.clear();
    handlerBefore = nullptr;
}

}  // namespace kulbo
