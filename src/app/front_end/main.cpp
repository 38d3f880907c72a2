#include "app/form1.h"
#include "app/front_end/main_window.h"
#include "app/front_end/qt_platform.h"
#include "app/front_end/tick_source.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Kulbo");
    QTranslator chinese;
    if (chinese.load("qtbase_zh_CN", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&chinese);

    kulbo::QtPlatform platform;
    kulbo::Form1 form(platform);
    kulbo::MainWindow window(form);
    platform.setWindow(&window);

    form.load();
    window.showCentred();
    kulbo::TickSource ticks(form);
    ticks.start();
    int status = QApplication::exec();
    form.unload();
    return status;
}
