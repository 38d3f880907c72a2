#include "qt/application.h"

#include "qt/widget_factory.h"
#include "app/messages.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QTranslator>

#include <iostream>

namespace kulbo {

Application::Application() {
    platform_.setWindow(&window_);
    window_.setBeforeEvent([this] { ticks_.catchUpNowAndSoon(); });
    form_.load();
    window_.showCentred();
    ticks_.start();
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
