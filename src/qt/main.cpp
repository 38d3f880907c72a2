#include "qt/application.h"
#include "qt/scale_fit.h"

#include <QApplication>

#include <vector>

int main(int argc, char* argv[]) {
    std::vector<char*> arguments(argv, argv + argc + 1);  // before Qt takes its own out
    QApplication app(argc, argv);
    kulbo::restartScaledToFit(arguments.data());
    kulbo::prepareQt();
    kulbo::Application program;
    int status = QApplication::exec();
    program.form().unload();
    return status;
}
