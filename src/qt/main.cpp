#include "qt/application.h"
#include "qt/scale_fit.h"

#include <QApplication>

#include <vector>

int main(int argc, char* argv[]) {
    if (std::optional<int> answered = kulbo::answerCommandLine(argc, argv)) return *answered;
    std::vector<char*> arguments(argv, argv + argc + 1);  // before Qt takes its own out
    kulbo::DisplayStart displayStart;
    QApplication app(argc, argv);
    displayStart.started();
    kulbo::restartScaledToFit(arguments.data());
    kulbo::prepareQt();
    kulbo::Application program;
    int status = QApplication::exec();
    program.form().unload();
    return status;
}
