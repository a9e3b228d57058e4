// Renders the program icon to the PNG sizes that desktops look for; with --raw,
// to raw premultiplied ARGB32 pixels in this machine's byte order instead, which
// the program shows without decoding.
#include <QFile>
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
        std::fputs("usage: render_icon [--raw] ICON.svg OUTDIR SIZE...\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QSvgRenderer svg(QString::fromLocal8Bit(argv[first]));
    if (!svg.isValid())
        return 1;
    const QString dir = QString::fromLocal8Bit(argv[first + 1]);
    for (int i = first + 2; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            svg.render(&p);
        }
        if (raw) {
            QFile out(QStringLiteral("%1/icon-%2.argb").arg(dir).arg(size));
            const auto bytes = static_cast<qint64>(image.sizeInBytes());
            if (!out.open(QIODevice::WriteOnly) ||
                out.write(reinterpret_cast<const char*>(image.constBits()), bytes) != bytes)
                return 1;
        } else if (!image.save(QStringLiteral("%1/icon-%2.png").arg(dir).arg(size))) {
            return 1;
        }
    }
    return 0;
}
