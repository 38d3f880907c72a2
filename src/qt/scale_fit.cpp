#include "qt/scale_fit.h"

#include "app/messages.h"
#include "app/geometry.h"

#include <QGuiApplication>
#include <QScreen>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <unistd.h>

namespace kulbo {

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

}  // namespace kulbo
