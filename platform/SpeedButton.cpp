#include "platform/SpeedButton.h"

#include "platform/Accessible.h"
#include "platform/MakeChild.h"
#include "platform/Prerendered.h"

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <map>
#include <tuple>

TSpeedButton::TSpeedButton(QWidget* parent)
    : QToolButton(parent)
{
    setAutoRaise(true);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setFocusPolicy(Qt::NoFocus);
}

namespace {

[[maybe_unused]] const bool Role = RegisterAccessible<TSpeedButton>(TAccessibleRole::Button);

// Every exercise window has the same three buttons: each glyph is made once,
// from its picture drawn at build time where there is one.
QImage GlyphStrip(const QString& svgResource, int width, int height)
{
    static std::map<std::tuple<QString, int, int>, QImage> drawn;
    QImage& strip = drawn[{svgResource, width, height}];
    if (strip.isNull())
        strip = PrerenderedSvg(svgResource, QSize(width, height));
    if (strip.isNull()) {
        QSvgRenderer renderer(svgResource);
        strip = QImage(width, height, QImage::Format_ARGB32_Premultiplied);
        strip.fill(Qt::transparent);
        QPainter p(&strip);
        renderer.render(&p);
    }
    return strip;
}

} // namespace

void TSpeedButton::setGlyph(const QString& svgResource, int width, int height,
                            bool hasDisabledImage)
{
    const QImage strip = GlyphStrip(svgResource, width, height);
    QIcon icon;
    if (hasDisabledImage) {
        const int w = width / 2;
        icon.addPixmap(QPixmap::fromImage(strip.copy(0, 0, w, height)), QIcon::Normal);
        icon.addPixmap(QPixmap::fromImage(strip.copy(w, 0, w, height)), QIcon::Disabled);
        setIconSize(QSize(w, height));
    } else {
        icon.addPixmap(QPixmap::fromImage(strip), QIcon::Normal);
        setIconSize(QSize(width, height));
    }
    setIcon(icon);
}

std::vector<TSpeedButton*> MakeSpeedButtonRow(QWidget* parent, int top, const QSize& size,
                                              const std::vector<TSpeedButtonLook>& buttons)
{
    std::vector<TSpeedButton*> made;
    for (const TSpeedButtonLook& look : buttons) {
        auto* b =
            MakeChild<TSpeedButton>(parent, look.name, look.left, top, size.width(), size.height());
        b->setText(look.text);
        b->setGlyph(look.glyph, look.glyphSize.width(), look.glyphSize.height(),
                    look.hasDisabledImage);
        b->setKey(look.key);
        made.push_back(b);
    }
    return made;
}
