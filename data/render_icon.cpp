// Renders the program's SVG picture to square PNG icons at build time, so that the installed
// icon sizes always match the drawing.
//   render_icon <input.svg> <output-dir> <size>...        each size N to <output-dir>/NxN/keldaran.png
//   render_icon --ico <input.svg> <output.ico> <size>...  one Windows icon holding every size
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

#include <cstdio>

namespace {

[[nodiscard]] QImage renderSquare(QSvgRenderer& renderer, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    return image;
}

template <typename T> void appendLittleEndian(QByteArray& out, T value)
{
    const T little = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&little), sizeof little);
}

// An .ico file whose entries are PNG streams, which Windows reads since Vista; sizes above 256
// cannot be described in the directory and are refused by the caller.
[[nodiscard]] bool writeIco(const QList<QImage>& images, const QString& path)
{
    QList<QByteArray> pngs;
    for (const QImage& image : images) {
        QByteArray png;
        QBuffer buffer(&png);
        if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
            return false;
        pngs.append(png);
    }
    QByteArray ico;
    appendLittleEndian<quint16>(ico, 0); // reserved
    appendLittleEndian<quint16>(ico, 1); // icon, not cursor
    appendLittleEndian<quint16>(ico, quint16(images.size()));
    quint32 offset = quint32(6 + 16 * images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        const int size = images.at(i).width();
        ico.append(char(size >= 256 ? 0 : size)); // 0 stands for 256
        ico.append(char(size >= 256 ? 0 : size));
        ico.append(char(0)); // no palette
        ico.append(char(0));
        appendLittleEndian<quint16>(ico, 1);  // colour planes
        appendLittleEndian<quint16>(ico, 32); // bits per pixel
        appendLittleEndian<quint32>(ico, quint32(pngs.at(i).size()));
        appendLittleEndian<quint32>(ico, offset);
        offset += quint32(pngs.at(i).size());
    }
    for (const QByteArray& png : pngs)
        ico += png;
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(ico) == ico.size();
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments();
    const bool ico = args.size() > 1 && args.at(1) == QStringLiteral("--ico");
    if (ico)
        args.removeAt(1);
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: render_icon [--ico] <input.svg> <output-dir or .ico> <size>...\n");
        return 2;
    }
    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_icon: cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    QList<QImage> images;
    for (qsizetype i = 3; i < args.size(); ++i) {
        bool ok = false;
        const int size = args.at(i).toInt(&ok);
        if (!ok || size <= 0 || size > (ico ? 256 : 4096)) {
            std::fprintf(stderr, "render_icon: bad size %s\n", qPrintable(args.at(i)));
            return 2;
        }
        const QImage image = renderSquare(renderer, size);
        if (ico) {
            images.append(image);
            continue;
        }
        const QString dir = QStringLiteral("%1/%2x%2").arg(args.at(2)).arg(size);
        if (!QDir().mkpath(dir) || !image.save(dir + QStringLiteral("/keldaran.png"))) {
            std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(dir));
            return 1;
        }
    }
    if (ico && !writeIco(images, args.at(2))) {
        std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(args.at(2)));
        return 1;
    }
    return 0;
}
