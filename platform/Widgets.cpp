#include "platform/Widgets.h"

#include "core/Numbers.h"
#include "platform/Prerendered.h"

#include <QAbstractItemDelegate>
#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QSvgRenderer>
#include <QWidgetItem>

#include <algorithm>
#include <map>
#include <tuple>

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

TSpeedButton::TSpeedButton(QWidget* parent)
    : QToolButton(parent)
{
    setAutoRaise(true);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setFocusPolicy(Qt::NoFocus);
}

namespace {

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

TStaticText::TStaticText(QWidget* parent)
    : QLabel(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

void TStaticText::setColor(const QColor& c)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, c);
    setPalette(pal);
    setAutoFillBackground(true);
}

TPaintBox::TPaintBox(QWidget* parent)
    : QWidget(parent)
{}

void TPaintBox::paintEvent(QPaintEvent*)
{
    if (!OnPaint)
        return;
    QPainter p(this);
    TCanvas canvas(p);
    canvas.Font.setFont(font());
    OnPaint(canvas);
}

TShape::TShape(QWidget* parent)
    : QWidget(parent)
{
    m_pen.onChange = [this] {
        update();
    };
    m_brush.onChange = [this] {
        update();
    };
}

void TShape::setShape(TShapeType shape)
{
    if (m_shape == shape)
        return;
    m_shape = shape;
    update();
}

void TShape::Draw(TCanvas& canvas, const QSize& size, TShapeType shape, const TPen& pen,
                  const TBrush& brush)
{
    canvas.Pen.setColor(pen.color());
    canvas.Pen.setWidth(pen.width());
    canvas.Pen.setStyle(pen.style());
    canvas.Pen.setMode(pen.mode());
    canvas.Brush.setColor(brush.color());
    canvas.Brush.setStyle(brush.style());

    // A wide pen is centred on the outline, so the box shrinks by the pen's
    // width less one and moves in by half of it: the outline stays inside.
    const int penWidth = pen.width();
    int x = penWidth / 2;
    int y = x;
    int w = size.width() - penWidth + 1;
    int h = size.height() - penWidth + 1;
    const int side = std::min(w, h);
    const bool square = shape == TShapeType::Square || shape == TShapeType::RoundSquare ||
                        shape == TShapeType::Circle;
    if (square) {
        x += (w - side) / 2;
        y += (h - side) / 2;
        w = side;
        h = side;
    }
    switch (shape) {
    case TShapeType::Rectangle:
    case TShapeType::Square:
        canvas.Rectangle(x, y, x + w, y + h);
        break;
    case TShapeType::RoundRect:
    case TShapeType::RoundSquare:
        canvas.RoundRect(x, y, x + w, y + h, side / 4, side / 4);
        break;
    case TShapeType::Ellipse:
    case TShapeType::Circle:
        canvas.Ellipse(x, y, x + w, y + h);
        break;
    }
}

void TShape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    TCanvas canvas(p);
    Draw(canvas, size(), m_shape, m_pen, m_brush);
}

TImage::TImage(QWidget* parent)
    : QWidget(parent)
{}

TImage::~TImage() = default;

void TImage::loadSvg(const QString& resource)
{
    m_svg.reset();
    m_svgFile = resource;
    m_svgPicture = QImage();
    update();
}

void TImage::setImage(const QImage& image)
{
    m_make = nullptr;
    m_image = image;
    update();
}

void TImage::setImageFile(const QString& file)
{
    setImageMaker([file] { return QImage(file); });
}

void TImage::setImageMaker(std::function<QImage()> make)
{
    m_make = std::move(make);
    m_image = QImage();
    update();
}

const QImage& TImage::image() const
{
    if (m_make) {
        m_image = m_make();
        m_make = nullptr;
    }
    return m_image;
}

void TImage::setStretch(bool stretch)
{
    m_stretch = stretch;
    update();
}

void TImage::paintEvent(QPaintEvent*)
{
    if (!m_svgFile.isEmpty()) {
        m_svg = std::make_unique<QSvgRenderer>(m_svgFile);
        m_svg->setAspectRatioMode(Qt::IgnoreAspectRatio);
        m_svgFile.clear();
    }
    QPainter p(this);
    if (m_svg && m_svg->isValid()) {
        const qreal ratio = devicePixelRatioF();
        const QSize pixels = (QSizeF(size()) * ratio).toSize();
        if (pixels.isEmpty())
            return;
        if (m_svgPicture.size() != pixels || m_svgPicture.devicePixelRatio() != ratio) {
            m_svgPicture = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
            m_svgPicture.setDevicePixelRatio(ratio);
            m_svgPicture.fill(Qt::transparent);
            QPainter picture(&m_svgPicture);
            picture.setRenderHint(QPainter::Antialiasing);
            m_svg->render(&picture, QRectF(rect()));
        }
        p.drawImage(0, 0, m_svgPicture);
    } else if (const QImage& picture = image(); !picture.isNull()) {
        if (m_stretch)
            p.drawImage(rect(), picture);
        else
            p.drawImage(QPoint(0, 0), picture);
    }
}

TUpDown::TUpDown(QWidget* parent)
    : QWidget(parent)
    , m_up(new QToolButton(this))
    , m_down(new QToolButton(this))
{
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    m_up->setAccessibleName(QStringLiteral("Eins mehr"));
    m_down->setAccessibleName(QStringLiteral("Eins weniger"));
    for (QToolButton* b : {m_up, m_down}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(m_up, &QToolButton::clicked, this, [this] { step(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { step(-1); });
}

void TUpDown::setAssociate(QLineEdit* edit)
{
    if (m_edit)
        m_edit->removeEventFilter(this);
    m_edit = edit;
    if (m_edit)
        m_edit->installEventFilter(this);
}

void TUpDown::setRange(int min, int max)
{
    m_min = min;
    m_max = max;
    setPosition(m_position);
}

void TUpDown::setPosition(int p)
{
    m_position = std::clamp(p, m_min, m_max);
}

void TUpDown::step(int delta)
{
    // The field's text wins when it is a plain whole number; anything else
    // keeps the last position.
    if (m_edit) {
        if (const auto typed = TryStrToInt(m_edit->text()))
            setPosition(*typed);
    }
    const long long next = static_cast<long long>(m_position) + delta;
    setPosition(static_cast<int>(std::clamp<long long>(next, m_min, m_max)));
    if (m_edit)
        m_edit->setText(QString::number(m_position));
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TUpDown::resizeEvent(QResizeEvent*)
{
    const int h = height() / 2;
    m_up->setGeometry(0, 0, width(), h);
    m_down->setGeometry(0, h, width(), height() - h);
}

namespace {

// Keeps a top-level window's outer geometry when the frame around it changes,
// as when a window manager decorates the window only after it is shown. Moves
// and resizes under an unchanged frame become the new outer geometry.
class OuterGeometryKeeper : public QObject {
public:
    OuterGeometryKeeper(QWidget* window)
        : QObject(window)
        , m_window(window)
    {
        setObjectName(QStringLiteral("OuterGeometryKeeper"));
        window->installEventFilter(this);
    }

    void apply(const QRect& outer, const QSize& leastClient)
    {
        m_least = leastClient;
        m_outer = outer;
        m_margins = m_window->frameGeometry().size() - m_window->size();
        m_applying = true;
        m_window->move(outer.topLeft());
        // A frame thicker than the layout allows for makes the window larger
        // than asked, not its inside smaller. A window of fixed size stays fixed.
        const QSize client = (outer.size() - m_margins).expandedTo(m_least);
        if (m_window->minimumSize() == m_window->maximumSize())
            m_window->setFixedSize(client);
        else
            m_window->resize(client);
        m_applying = false;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && !m_applying &&
            (event->type() == QEvent::Show || event->type() == QEvent::Move ||
             event->type() == QEvent::Resize)) {
            const QSize margins = m_window->frameGeometry().size() - m_window->size();
            if (margins != m_margins)
                apply(QRect(m_window->pos(), m_outer.size()), m_least);
            else
                m_outer = m_window->frameGeometry();
        }
        return false;
    }

private:
    QWidget* m_window;
    QSize m_least;
    QRect m_outer;
    QSize m_margins;
    bool m_applying = false;
};

} // namespace

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

namespace {

// Centres a window's frame on the screen again whenever its size or its frame
// changes, as when a box lays out its text once shown or a window manager
// frames it late. A move under an unchanged frame is the pupil's and stays.
class CentreKeeper : public QObject {
public:
    explicit CentreKeeper(QWidget* window)
        : QObject(window)
        , m_window(window)
    {
        setObjectName(QStringLiteral("CentreKeeper"));
        window->installEventFilter(this);
    }

    void centre()
    {
        m_margins = margins();
        const QScreen* screen =
            m_window->screen() ? m_window->screen() : QGuiApplication::primaryScreen();
        if (!screen)
            return;
        QRect frame(m_window->pos(), m_window->size() + m_margins);
        frame.moveCenter(screen->availableGeometry().center());
        m_window->move(frame.topLeft());
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_window)
            return false;
        switch (event->type()) {
        case QEvent::Resize:
            centre();
            break;
        case QEvent::Show:
        case QEvent::Move:
            if (margins() != m_margins)
                centre();
            break;
        default:
            break;
        }
        return false;
    }

private:
    QSize margins() const { return m_window->frameGeometry().size() - m_window->size(); }

    QWidget* m_window;
    QSize m_margins;
};

} // namespace

void CenterOnScreen(QWidget* window)
{
    auto* keeper = window->findChild<CentreKeeper*>(QStringLiteral("CentreKeeper"),
                                                    Qt::FindDirectChildrenOnly);
    if (!keeper)
        keeper = new CentreKeeper(window);
    keeper->centre();
}

void SetOuterGeometry(QWidget* window, const QRect& outer, const QSize& leastClient)
{
    auto* keeper = window->findChild<OuterGeometryKeeper*>(QStringLiteral("OuterGeometryKeeper"),
                                                           Qt::FindDirectChildrenOnly);
    if (!keeper)
        keeper = new OuterGeometryKeeper(window);
    keeper->apply(outer, leastClient);
}
