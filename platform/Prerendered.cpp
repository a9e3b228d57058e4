#include "platform/Prerendered.h"

#include <QResource>

#include <cstring>

QImage PrerenderedSvg(const QString& svgResource, const QSize& size)
{
    const QLatin1String root(":/"), svg(".svg");
    if (!svgResource.startsWith(root) || !svgResource.endsWith(svg))
        return QImage();
    const QString name =
        svgResource.mid(root.size(), svgResource.size() - root.size() - svg.size());
    const QResource pixels(QStringLiteral(":/prerendered/%1-%2x%3.argb")
                               .arg(name)
                               .arg(size.width())
                               .arg(size.height()));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (!pixels.isValid() || pixels.uncompressedSize() != image.sizeInBytes())
        return QImage();
    const QByteArray bytes = pixels.uncompressedData();
    std::memcpy(image.bits(), bytes.constData(), static_cast<size_t>(bytes.size()));
    return image;
}
