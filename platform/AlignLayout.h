#pragma once

#include <QLayout>
#include <QWidget>

#include <vector>

// Child alignment: aligned children take the whole width (top, bottom) or
// height (left, right) of what is left; the others keep their fixed geometry.
enum class TAlign { Top, Bottom, Left, Right, Client };

class TAlignLayout : public QLayout {
public:
    explicit TAlignLayout(QWidget* parent);
    ~TAlignLayout() override;

    void addAligned(QWidget* w, TAlign side);

    void addItem(QLayoutItem* item) override;
    QSize sizeHint() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override { return static_cast<int>(m_items.size()); }
    void setGeometry(const QRect& r) override;

private:
    struct Entry {
        QLayoutItem* item;
        TAlign align;
    };
    std::vector<Entry> m_items;
};
