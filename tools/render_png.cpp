// Renders the program's drawing as the PNG sizes an icon theme holds:
// render_png drawing.svg out-folder name size...  writes
// out-folder/<size>x<size>/apps/<name>.png for each size.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s drawing.svg out-folder name size...\n", argv[0]);
        return 2;
    }
    QSvgRenderer drawing(QString::fromLocal8Bit(argv[1]));
    if (!drawing.isValid()) {
        std::fprintf(stderr, "%s: not a drawing\n", argv[1]);
        return 1;
    }
    for (int i = 4; i < argc; ++i) {
        int size = QString(argv[i]).toInt();
        QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        drawing.render(&painter);
        painter.end();
        QString folder = QString("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[2])).arg(size);
        QString path = folder + "/" + argv[3] + ".png";
        if (!QDir().mkpath(folder) || !picture.save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
