#include "qt/application.h"
#include "qt/qt_setup.h"

#include <QApplication>

#include <vector>

int main(int argc, char* argv[]) {
    if (std::optional<int> answered = kulbo::answerCommandLine(argc, argv)) return *answered;
    std::vector<char*> arguments(argv, argv + argc + 1);  // before Qt takes its own out
    kulbo::DisplayCheck displayCheck;
    QApplication app(argc, argv);
    displayCheck.started();
    kulbo::restartScaledToFit(arguments.data());
    kulbo::prepareQt();
    kulbo::Application program;
    return program.run();
}
