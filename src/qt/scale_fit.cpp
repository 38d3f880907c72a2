#include "qt/scale_fit.h"

#include "app/messages.h"
#include "app/geometry.h"
#include "app/window_model.h"

#include <QGuiApplication>
#include <QScreen>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <unistd.h>

namespace kulbo {

double fittingScaleFactor(double requested, int clientWidth, int clientHeight, int frameWidth, int frameHeight,
                          int availableWidth, int availableHeight) {
    auto fits = [&](double factor) {
        return clientWidth * factor + frameWidth <= availableWidth && clientHeight * factor + frameHeight <= availableHeight;
    };
    if (fits(requested)) return requested;
    for (double factor : {2.0, 1.5}) {
        if (factor < requested && fits(factor)) return factor;
    }
    return 1;
}

void restartScaledToFit(char* argv[]) {
    bool valid = false;
    double requested = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&valid);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!valid || requested <= 1 || !screen) return;
    QSize available = screen->availableGeometry().size() * screen->devicePixelRatio();
    int clientWidth = pixelsFromTwips(kDesignClientWidth), clientHeight = pixelsFromTwips(kDesignClientHeight);
    double factor = fittingScaleFactor(requested, clientWidth, clientHeight,
                                       pixelsFromTwips(kDesignOuterWidth) - clientWidth,
                                       pixelsFromTwips(kDesignOuterHeight) - clientHeight, available.width(),
                                       available.height());
    if (factor == requested) return;
    std::fprintf(stderr, "%s: QT_SCALE_FACTOR=%g does not fit a %dx%d screen; using %g\n", kAppTitle, requested,
                 available.width(), available.height(), factor);
    ::setenv("QT_SCALE_FACTOR", QByteArray::number(factor).constData(), 1);
    ::execv("/proc/self/exe", argv);
    std::fprintf(stderr, "%s: cannot start over scaled: %s\n", kAppTitle, std::strerror(errno));  // runs on as asked
}

}  // namespace kulbo
