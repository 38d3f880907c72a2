// Renders one of the program's drawings at the sizes it is shown at:
//   render_png drawing.svg out-folder name size...  writes the PNGs of an
//     icon theme, out-folder/<size>x<size>/apps/<name>.png for each size;
//   render_png drawing.svg picture.ico size...  writes one Windows icon
//     file that holds every size, each layer a 32-bit PNG;
//   render_png drawing.svg picture.bmp  writes a bitmap of the drawing at
//     its own size, on white (an installer's page has no transparency).
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

#include <cstdio>
#include <vector>

namespace {

QImage render(QSvgRenderer& drawing, QSize size) {
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    drawing.render(&painter);
    return picture;
}

template <class T>
void put(QByteArray& bytes, T value) {
    T little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&little), sizeof little);
}

// An icon file: a header, one directory entry a layer, then the layers.
bool writeIcon(QSvgRenderer& drawing, const QString& path, const std::vector<int>& sizes) {
    std::vector<QByteArray> layers;
    for (int size : sizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!render(drawing, QSize(size, size)).save(&buffer, "PNG")) return false;
        layers.push_back(png);
    }
    QByteArray file;
    put<quint16>(file, 0);
    put<quint16>(file, 1);  // an icon, not a cursor
    put<quint16>(file, static_cast<quint16>(layers.size()));
    quint32 offset = 6 + 16 * static_cast<quint32>(layers.size());
    for (std::size_t i = 0; i < layers.size(); ++i) {
        quint8 side = sizes[i] >= 256 ? 0 : static_cast<quint8>(sizes[i]);  // 0 stands for 256
        file.append(static_cast<char>(side)).append(static_cast<char>(side)).append('\0').append('\0');
        put<quint16>(file, 1);   // planes
        put<quint16>(file, 32);  // bits a pixel
        put<quint32>(file, static_cast<quint32>(layers[i].size()));
        put<quint32>(file, offset);
        offset += static_cast<quint32>(layers[i].size());
    }
    for (const QByteArray& layer : layers) file.append(layer);
    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(file) == file.size();
}

bool writeThemePngs(QSvgRenderer& drawing, const QString& root, const QString& name, const std::vector<int>& sizes) {
    for (int size : sizes) {
        QString folder = QString("%1/%2x%2/apps").arg(root).arg(size);
        if (!QDir().mkpath(folder) || !render(drawing, QSize(size, size)).save(folder + "/" + name + ".png", "PNG")) return false;
    }
    return true;
}

bool writeBitmap(QSvgRenderer& drawing, const QString& path) {
    QImage picture(drawing.defaultSize(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter(&picture).drawImage(0, 0, render(drawing, picture.size()));
    return picture.save(path, "BMP");
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const bool bitmap = argc == 3 && QString(argv[2]).endsWith(".bmp");
    const bool icon = argc >= 4 && QString(argv[2]).endsWith(".ico");
    if (argc < (icon ? 4 : 5) && !bitmap) {
        std::fprintf(stderr, "usage: %s drawing.svg out-folder name size...\n"
                             "       %s drawing.svg picture.ico size...\n"
                             "       %s drawing.svg picture.bmp\n", argv[0], argv[0], argv[0]);
        return 2;
    }
    QSvgRenderer drawing(QString::fromLocal8Bit(argv[1]));
    if (!drawing.isValid()) {
        std::fprintf(stderr, "%s: not a drawing\n", argv[1]);
        return 1;
    }
    std::vector<int> sizes;
    for (int i = icon ? 3 : 4; i < argc; ++i) sizes.push_back(QString(argv[i]).toInt());
    const QString out = QString::fromLocal8Bit(argv[2]);
    bool written = bitmap ? writeBitmap(drawing, out)
                   : icon ? writeIcon(drawing, out, sizes)
                          : writeThemePngs(drawing, out, argv[3], sizes);
    if (!written) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
