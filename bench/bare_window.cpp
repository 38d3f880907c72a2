// A Qt window that only waits: the floor an idle Kulbo is measured against.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(441, 426);  // Kulbo's client area
    window.show();
    return QApplication::exec();
}
