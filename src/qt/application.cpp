#include "qt/application.h"

#include "qt/accessibility.h"
#include "qt/widget_factory.h"
#include "app/messages.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <vector>

namespace kulbo {

Application::Application() {
    platform_.setWindow(&window_);
    window_.setBeforeEvent([this] { ticks_.catchUpNowAndSoon(); });
    form_.load();
    window_.showCentred();
    ticks_.start();
}

std::optional<int> answerCommandLine(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << kAppTitle << " " << KULBO_VERSION << "\n";
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << "用法 / Usage: kulbo [--version | --help]\n"
                         "为班级或公司抽取幸运号码。 / Draws lucky numbers for a class or a company.\n"
                         "  --version  显示版本 / print the version\n"
                         "  --help     显示本帮助 / print this help\n"
                         "环境变量 / Environment:\n"
                         "  QT_SCALE_FACTOR=1.5 或 2  为投影放大窗口 / enlarge the window for a projector\n";
            return 0;
        }
    }
    return std::nullopt;
}

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::vector<HeldMessage> heldMessages;
QtMessageHandler handlerBefore = nullptr;

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        heldMessages.push_back({type, context.category, text});
        return;
    }
    const char* display = std::getenv("DISPLAY");
    if (display && *display)
        std::fprintf(stderr, "%s: 无法连接图形显示 %s，无法打开窗口。 / Cannot connect to the display %s: no window can open.\n",
                     kAppTitle, display, display);
    else
        std::fprintf(stderr, "%s: 没有图形显示（未设置 DISPLAY），无法打开窗口。 / No display (DISPLAY is not set): no window can open.\n",
                     kAppTitle);
    std::_Exit(1);
}

}  // namespace

DisplayStart::DisplayStart() { handlerBefore = qInstallMessageHandler(holdMessage); }

DisplayStart::~DisplayStart() { started(); }

void DisplayStart::started() {
    if (!handlerBefore) return;
    qInstallMessageHandler(handlerBefore);
    for (const HeldMessage& message : heldMessages)
        handlerBefore(message.type, QMessageLogContext(nullptr, 0, nullptr, message.category.constData()), message.text);
    heldMessages.clear();
    handlerBefore = nullptr;
}

void prepareQt() {
    // Without one every text of the window is a row of boxes.
    if (QFontDatabase::families(QFontDatabase::SimplifiedChinese).isEmpty())
        std::cerr << kAppTitle << ": 没有找到中文字体，中文会显示成方框。请安装 fonts-arphic-gbsn00lp（或 fonts-noto-cjk）。"
                  << " / No Chinese font found: install fonts-arphic-gbsn00lp (or fonts-noto-cjk).\n";
    QApplication::setApplicationName(kAppTitle);
    QApplication::setApplicationVersion(KULBO_VERSION);
    QGuiApplication::setDesktopFileName(KULBO_APP_ID);  // window managers match the window to its menu entry
    QApplication::setFont(songFont(9));  // message boxes too
    QApplication::setWindowIcon(windowIcon());
    installAccessibility();
    // Disabled text stays readable, at 4.5:1 or more on every background
    // of the window.
    QPalette palette = QApplication::palette();
    for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(88, 88, 88));
    QApplication::setPalette(palette);
    static QTranslator chinese;
    if (chinese.load("qtbase_zh_CN", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&chinese);
}

}  // namespace kulbo
