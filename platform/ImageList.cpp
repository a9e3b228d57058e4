#include "platform/ImageList.h"

#include "platform/Prerendered.h"

#include <QPainter>
#include <QSvgRenderer>

TImageList::TImageList(int width, int height, QObject* parent)
    : QObject(parent)
    , m_size(width, height)
{}

int TImageList::add(const QImage& image)
{
    QImage stored = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (stored.size() != m_size)
        stored = stored.scaled(m_size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    m_images.push_back(stored);
    return count() - 1;
}

int TImageList::addSvg(const QString& resource)
{
    if (QImage drawn = PrerenderedSvg(resource, m_size); !drawn.isNull()) {
        m_images.push_back(drawn);
        return count() - 1;
    }
    QSvgRenderer renderer(resource);
    if (!renderer.isValid())
        return -1;
    QImage image(m_size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        renderer.render(&p, QRectF(QPointF(0, 0), QSizeF(m_size)));
    }
    m_images.push_back(image);
    return count() - 1;
}

bool TImageList::GetBitmap(int index, QImage& bitmap) const
{
    if (index < 0 || index >= count())
        return false;
    bitmap = QImage(m_size, QImage::Format_RGB32);
    bitmap.fill(m_bkColor);
    QPainter p(&bitmap);
    p.drawImage(0, 0, m_images[static_cast<size_t>(index)]);
    return true;
}
