#include "platform/AlignLayout.h"

#include <QWidgetItem>

TAlignLayout::TAlignLayout(QWidget* parent)
    : QLayout(parent)
{
    setContentsMargins(0, 0, 0, 0);
    setSpacing(0);
}

TAlignLayout::~TAlignLayout()
{
    for (auto& e : m_items)
        delete e.item;
}

void TAlignLayout::addAligned(QWidget* w, TAlign side)
{
    addChildWidget(w);
    m_items.push_back({new QWidgetItem(w), side});
    invalidate();
}

void TAlignLayout::addItem(QLayoutItem* item)
{
    m_items.push_back({item, TAlign::Client});
}

QSize TAlignLayout::sizeHint() const
{
    return QSize(0, 0);
}

QLayoutItem* TAlignLayout::itemAt(int index) const
{
    if (index < 0 || index >= count())
        return nullptr;
    return m_items[static_cast<size_t>(index)].item;
}

QLayoutItem* TAlignLayout::takeAt(int index)
{
    if (index < 0 || index >= count())
        return nullptr;
    QLayoutItem* item = m_items[static_cast<size_t>(index)].item;
    m_items.erase(m_items.begin() + index);
    return item;
}

void TAlignLayout::setGeometry(const QRect& r)
{
    QLayout::setGeometry(r);
    QRect rest = r;
    // Top, then bottom, left, right and client, each in the order added.
    for (TAlign pass : {TAlign::Top, TAlign::Bottom, TAlign::Left, TAlign::Right, TAlign::Client}) {
        for (auto& e : m_items) {
            if (e.align != pass)
                continue;
            QWidget* w = e.item->widget();
            if (!w || w->isHidden())
                continue;
            const int h = w->height();
            const int wd = w->width();
            switch (pass) {
            case TAlign::Top:
                w->setGeometry(rest.left(), rest.top(), rest.width(), h);
                rest.setTop(rest.top() + h);
                break;
            case TAlign::Bottom:
                w->setGeometry(rest.left(), rest.bottom() + 1 - h, rest.width(), h);
                rest.setBottom(rest.bottom() - h);
                break;
            case TAlign::Left:
                w->setGeometry(rest.left(), rest.top(), wd, rest.height());
                rest.setLeft(rest.left() + wd);
                break;
            case TAlign::Right:
                w->setGeometry(rest.right() + 1 - wd, rest.top(), wd, rest.height());
                rest.setRight(rest.right() - wd);
                break;
            case TAlign::Client:
                w->setGeometry(rest);
                break;
            }
        }
    }
}
