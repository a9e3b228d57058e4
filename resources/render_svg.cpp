// Draws an SVG at build time. As PNG files OUTDIR/NAME-SIZE.png (square sizes),
// or with --raw as premultiplied ARGB32 pixels in this machine's byte order,
// OUTDIR/NAME-WxH.argb, which the program takes as they are (Prerendered.h).
// NAME is the SVG's file name without ".svg"; a SIZE is N or WxH.
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    const bool raw = argc > 1 && std::strcmp(argv[1], "--raw") == 0;
    const int first = raw ? 2 : 1;
    if (argc < first + 3) {
        std::fputs("usage: render_svg [--raw] FILE.svg OUTDIR SIZE...\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString file = QString::fromLocal8Bit(argv[first]);
    QSvgRenderer svg(file);
    if (!svg.isValid())
        return 1;
    const QString out =
        QString::fromLocal8Bit(argv[first + 1]) + '/' + QFileInfo(file).completeBaseName();
    for (int i = first + 2; i < argc; ++i) {
        const QList<QByteArray> wh = QByteArray(argv[i]).split('x');
        const QSize size(wh.front().toInt(), wh.back().toInt());
        if (size.isEmpty())
            return 2;
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            svg.render(&p, QRectF(image.rect()));
        }
        if (raw) {
            QFile pixels(
                QStringLiteral("%1-%2x%3.argb").arg(out).arg(size.width()).arg(size.height()));
            const auto bytes = static_cast<qint64>(image.sizeInBytes());
            if (!pixels.open(QIODevice::WriteOnly) ||
                pixels.write(reinterpret_cast<const char*>(image.constBits()), bytes) != bytes)
                return 1;
        } else if (!image.save(QStringLiteral("%1-%2.png").arg(out).arg(size.width()))) {
            return 1;
        }
    }
    return 0;
}
