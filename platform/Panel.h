#pragma once

#include <QColor>
#include <QLabel>
#include <QWidget>

enum class TBevel { None, Lowered, Raised };

// A panel with an outer and an inner bevel, one pixel each.
class TPanel : public QWidget {
    Q_OBJECT
public:
    explicit TPanel(QWidget* parent = nullptr);
    void setBevels(TBevel outer, TBevel inner);
    void setColor(const QColor& c);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    TBevel m_outer = TBevel::Raised;
    TBevel m_inner = TBevel::None;
    QColor m_color;
};

// Static text with a sunken border.
class TStaticText : public QLabel {
    Q_OBJECT
public:
    explicit TStaticText(QWidget* parent = nullptr);
    void setColor(const QColor& c);
};
