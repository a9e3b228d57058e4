#include "platform/PickList.h"

#include <QAbstractItemDelegate>
#include <QComboBox>
#include <QPointer>

namespace {

// Draws items with the list's own delegate, at a fixed height.
class FixedHeightDelegate : public QAbstractItemDelegate {
public:
    FixedHeightDelegate(QAbstractItemDelegate* inner, int height, QObject* parent)
        : QAbstractItemDelegate(parent)
        , m_inner(inner)
        , m_height(height)
    {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        if (m_inner)
            m_inner->paint(painter, option, index);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QSize(m_inner ? m_inner->sizeHint(option, index).width() : 0, m_height);
    }

private:
    QPointer<QAbstractItemDelegate> m_inner;
    int m_height;
};

} // namespace

void SetPickList(QComboBox* box, int itemHeight)
{
    box->setEditable(false);
    box->setMaxVisibleItems(8);
    // The list keeps its own delegate (a child of its view) and only wraps it.
    if (itemHeight > 0)
        box->setItemDelegate(new FixedHeightDelegate(box->itemDelegate(), itemHeight, box));
}
