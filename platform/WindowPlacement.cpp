#include "platform/WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

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

QPoint FitPair(const QRect& pair, const QRect& available)
{
    QPoint at = pair.topLeft();
    at.setX(std::max(std::min(at.x(), available.right() + 1 - pair.width()), available.left()));
    at.setY(std::max(std::min(at.y(), available.bottom() + 1 - pair.height()), available.top()));
    return at;
}
