#pragma once

#include "platform/Canvas.h"

#include <QFrame>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QToolButton>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QComboBox;
class QLineEdit;
class QSvgRenderer;

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

// Creates a child widget with its object name and geometry.
template <class W, class... Args>
W* MakeChild(QWidget* parent, const char* name, int left, int top, int width, int height,
             Args&&... args)
{
    auto* w = new W(std::forward<Args>(args)..., parent);
    w->setObjectName(QLatin1String(name));
    w->setGeometry(left, top, width, height);
    return w;
}

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

// A flat button with a small picture beside its caption.
class TSpeedButton : public QToolButton {
    Q_OBJECT
public:
    explicit TSpeedButton(QWidget* parent = nullptr);
    // An SVG glyph of the given size; a strip twice as wide holds the normal
    // and the disabled image side by side.
    void setGlyph(const QString& svgResource, int width, int height, bool hasDisabledImage = false);
    // The key that does what the button does; told to assistive technology only,
    // the window handles the key itself.
    void setKey(const QKeySequence& key) { m_key = key; }
    QKeySequence key() const { return m_key; }

private:
    QKeySequence m_key;
};

// Static text with a sunken border.
class TStaticText : public QLabel {
    Q_OBJECT
public:
    explicit TStaticText(QWidget* parent = nullptr);
    void setColor(const QColor& c);
};

// A drawing surface without a background of its own: what lies below shows through.
class TPaintBox : public QWidget {
    Q_OBJECT
public:
    explicit TPaintBox(QWidget* parent = nullptr);
    std::function<void(TCanvas&)> OnPaint;

protected:
    void paintEvent(QPaintEvent*) override;
};

// The figure a TShape draws.
enum class TShapeType { Rectangle, Square, RoundRect, RoundSquare, Ellipse, Circle };

// A rectangle, rounded rectangle or ellipse filling the widget, outlined with
// its pen and filled with its brush; square kinds take the shorter side and sit
// centred. Outside the figure the parent shows through. Changing the kind, the
// pen or the brush repaints.
class TShape : public QWidget {
    Q_OBJECT
public:
    explicit TShape(QWidget* parent = nullptr);

    TShapeType shape() const { return m_shape; }
    void setShape(TShapeType shape);
    const TPen& pen() const { return m_pen; }
    TPen& pen() { return m_pen; }
    const TBrush& brush() const { return m_brush; }
    TBrush& brush() { return m_brush; }

    // Draws the figure into a box of the given size at the canvas origin.
    static void Draw(TCanvas& canvas, const QSize& size, TShapeType shape, const TPen& pen,
                     const TBrush& brush);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    TShapeType m_shape = TShapeType::Rectangle;
    TPen m_pen;
    TBrush m_brush;
};

// A picture: an SVG stretched to the widget, or a raster image unscaled from
// the top-left corner or stretched. Pictures from files are read when first
// painted or asked for: a window that is not shown yet costs no decoding.
class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);
    ~TImage() override;
    void loadSvg(const QString& resource);
    void setImage(const QImage& image);
    void setImageFile(const QString& file);
    // The raster picture that `make` returns, made when first needed.
    void setImageMaker(std::function<QImage()> make);
    void setStretch(bool stretch);
    const QImage& image() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::unique_ptr<QSvgRenderer> m_svg;
    QString m_svgFile;
    // The vector picture as last drawn, at the widget's size: drawing it costs
    // milliseconds, copying it microseconds.
    QImage m_svgPicture;
    mutable QImage m_image;
    mutable std::function<QImage()> m_make;
    bool m_stretch = false;
};

// Spin buttons attached to an edit field. A step reads the field's text when it
// holds plain digits, moves within [min, max] without wrapping, and writes the
// new position back as plain digits. The field itself still takes any text.
class TUpDown : public QWidget {
    Q_OBJECT
public:
    explicit TUpDown(QWidget* parent = nullptr);
    void setAssociate(QLineEdit* edit);
    void setRange(int min, int max);
    int position() const { return m_position; }
    void setPosition(int p);
    void step(int delta);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent*) override;

private:
    QLineEdit* m_edit = nullptr;
    QToolButton* m_up;
    QToolButton* m_down;
    int m_min = 0;
    int m_max = 100;
    int m_position = 0;
};

// Makes a pick-only drop-down list: no typing, and a list that drops down
// 8 rows below the box; every item `itemHeight` pixels high when given.
void SetPickList(QComboBox* box, int itemHeight = 0);

// Centres a top-level window's outer frame on the available screen area, and
// again by its final size and frame once these are known.
void CenterOnScreen(QWidget* window);

// Sets a top-level window's outer (frame) geometry, and keeps it when the
// frame around the window changes later; the inside stays at least leastClient.
void SetOuterGeometry(QWidget* window, const QRect& outer, const QSize& leastClient = QSize());
