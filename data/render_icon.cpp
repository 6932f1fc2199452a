// Renders the program's SVG picture to square PNG icons at build time, so that the installed
// icon sizes always match the drawing. Usage: render_icon <input.svg> <output-dir> <size>...
// Each size N is written to <output-dir>/NxN/keldaran.png.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: render_icon <input.svg> <output-dir> <size>...\n");
        return 2;
    }
    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_icon: cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    for (qsizetype i = 3; i < args.size(); ++i) {
        bool ok = false;
        const int size = args.at(i).toInt(&ok);
        if (!ok || size <= 0 || size > 4096) {
            std::fprintf(stderr, "render_icon: bad size %s\n", qPrintable(args.at(i)));
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        const QString dir = QStringLiteral("%1/%2x%2").arg(args.at(2)).arg(size);
        if (!QDir().mkpath(dir) || !image.save(dir + QStringLiteral("/keldaran.png"))) {
            std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(dir));
            return 1;
        }
    }
    return 0;
}
