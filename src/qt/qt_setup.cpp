#include "qt/qt_setup.h"

#include "app/geometry.h"
#include "app/messages.h"
#include "app/window_model.h"
#include "qt/widget_factory.h"

#include <QApplication>
#include <QByteArray>
#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QPalette>
#include <QScreen>
#include <QTranslator>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <unistd.h>
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

std::optional<int> answerCommandLine(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << kAppTitle << " " << KULBO_VERSION << "\n";
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << kCommandLineHelp;
            return 0;
        }
    }
    return std::nullopt;
}

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

void restartScaledToFit(char* argv[]) {
    bool valid = false;
    double requested = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&valid);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!valid || requested <= 1 || !screen) return;
    QSize available = screen->availableGeometry().size() * screen->devicePixelRatio();
    double factor = fittingScaleFactor(requested, {available.width(), available.height()});
    if (factor == requested) return;
    std::fprintf(stderr, kScaleDoesNotFit, kAppTitle, requested, available.width(), available.height(), factor);
    ::setenv("QT_SCALE_FACTOR", QByteArray::number(factor).constData(), 1);
    ::execv("/proc/self/exe", argv);
    std::fprintf(stderr, kCannotStartOverScaled, kAppTitle, std::strerror(errno));  // runs on as asked
}

void prepareQt() {
    // Without one every text of the window is a row of boxes.
    if (QFontDatabase::families(QFontDatabase::SimplifiedChinese).isEmpty())
        std::cerr << kAppTitle << kNoChineseFont;
    QApplication::setApplicationName(kAppTitle);
    QApplication::setApplicationVersion(KULBO_VERSION);
    QGuiApplication::setDesktopFileName(KULBO_APP_ID);  // window managers match the window to its menu entry
    QApplication::setFont(qtFont(windowFont()));  // message boxes too
    QApplication::setWindowIcon(windowIcon());
    installAccessibility();
    QPalette palette = QApplication::palette();
    for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(kDisabledText.red, kDisabledText.green, kDisabledText.blue));
    QApplication::setPalette(palette);
    static QTranslator chinese;  // the file dialog's words
    if (chinese.load("qtbase_zh_CN", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&chinese);
}

}  // namespace kulbo
