#include "platform/Appearance.h"

#include <QPalette>
#include <QWidget>

QFont PixelFont(const QString& family, int pixelSize, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    if (bold)
        font.setBold(true);
    return font;
}

void SetWindowColor(QWidget* widget, const QColor& color)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, color);
    widget->setPalette(pal);
}
