#include "qt/qt_setup.h"

#include "app/messages.h"
#include "app/window_model.h"
#include "qt/accessibility.h"
#include "qt/widget_factory.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QPalette>
#include <QLibraryInfo>
#include <QTranslator>

#include <iostream>

namespace kulbo {

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
