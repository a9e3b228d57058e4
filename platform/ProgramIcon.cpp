#include "platform/ProgramIcon.h"

#include "platform/Prerendered.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>

QIcon ProgramIcon()
{
    const QString svg = QStringLiteral(":/icon.svg");
    // A scaling screen asks for other sizes: those the SVG draws itself.
    if (qApp->devicePixelRatio() != 1.0)
        return QIcon(svg);
    QIcon icon;
    for (int size : {16, 32, 64, 128}) {
        const QImage image = PrerenderedSvg(svg, QSize(size, size));
        if (image.isNull())
            return QIcon(svg);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}
