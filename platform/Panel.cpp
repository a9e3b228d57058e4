#include "platform/Panel.h"

#include "platform/Appearance.h"

#include <QPainter>

TPanel::TPanel(QWidget* parent)
    : QWidget(parent)
    , m_color(palette().color(QPalette::Window))
{}

void TPanel::setBevels(TBevel outer, TBevel inner)
{
    m_outer = outer;
    m_inner = inner;
    update();
}

void TPanel::setColor(const QColor& c)
{
    m_color = c;
    update();
}

void TPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), m_color);
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    QRect r = rect();
    for (TBevel bevel : {m_outer, m_inner}) {
        if (bevel == TBevel::None)
            continue;
        const QColor topLeft = bevel == TBevel::Raised ? light : dark;
        const QColor bottomRight = bevel == TBevel::Raised ? dark : light;
        p.setPen(topLeft);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(bottomRight);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        r.adjust(1, 1, -1, -1);
    }
}

TStaticText::TStaticText(QWidget* parent)
    : QLabel(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

void TStaticText::setColor(const QColor& c)
{
    SetWindowColor(this, c);
    setAutoFillBackground(true);
}
