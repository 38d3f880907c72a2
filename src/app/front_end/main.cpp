#include "app/front_end/application.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    kulbo::prepareQt();
    kulbo::Application program;
    int status = QApplication::exec();
    program.form().unload();
    return status;
}
