#pragma once

#include "platform/Canvas.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRect>

#include <cstdint>

// Grey: white and black figures both show on it.
inline constexpr TColor Ground = 0x808080;

inline QImage blank(int w, int h, TColor ground = Ground)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(ToQColor(ground));
    return image;
}

// The image after `draw` on a canvas over it.
template <class Draw> QImage Drawn(QImage image, Draw&& draw)
{
    {
        QPainter painter(&image);
        TCanvas canvas(painter);
        draw(canvas);
    }
    return image;
}

inline TColor at(const QImage& image, int x, int y)
{
    return FromQColor(image.pixelColor(x, y));
}

// Bounding box of the pixels inside area (all when null) that are not the opaque ground.
inline QRect inkBox(const QImage& image, TColor ground = Ground, const QRect& area = QRect())
{
    const QRgb plain = ToQColor(ground).rgba();
    const QRect r = area.isNull() ? image.rect() : area & image.rect();
    QRect box;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (image.pixel(x, y) != plain)
                box |= QRect(x, y, 1, 1);
    return box;
}

// Whether a pixel of the colour lies within the box around (x, y).
inline bool inkNear(const QImage& image, int x, int y, TColor colour, int reach = 2)
{
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
            if (image.rect().contains(x + dx, y + dy) && at(image, x + dx, y + dy) == colour)
                return true;
    return false;
}

inline bool isDark(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 0x60;
}

// "Z" for a zombie, an empty string when the process is gone.
inline QByteArray processState(uint32_t pid)
{
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray stat = f.readAll();
    return stat.mid(stat.lastIndexOf(')') + 2, 1);
}
