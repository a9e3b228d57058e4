#include "platform/WindowGroup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QHash>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <QWindowStateChangeEvent>

#include <algorithm>
#include <vector>

namespace {

// Keeps the program's windows together (see SetOwnerWindow).
class OwnerFilter : public QObject {
public:
    explicit OwnerFilter(QWidget* owner)
        : QObject(qApp)
        , m_owner(owner)
    {}
    QWidget* owner() const { return m_owner; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!m_owner || !watched->isWidgetType())
            return false;
        auto* w = static_cast<QWidget*>(watched);
        // Minimise and restore send spontaneous hide and show events: the
        // window stays where it was.
        if (event->spontaneous() &&
            (event->type() == QEvent::Show || event->type() == QEvent::Hide))
            return false;
        switch (event->type()) {
        case QEvent::Show:
            if (ours(w)) {
                m_shownAt[w] = m_clock.elapsed();
                if (w != m_owner)
                    shown(w);
            }
            break;
        case QEvent::Hide:
            if (w->isWindow())
                hidden(w);
            break;
        case QEvent::WindowActivate:
            if (w->isWindow())
                activated(w);
            break;
        case QEvent::MouseButtonPress:
            // The pupil's own choice of window stands. (Keys do not tell: the
            // key that opened a box may arrive after the box has closed.)
            if (event->spontaneous())
                m_pending = nullptr;
            break;
        case QEvent::WindowStateChange:
            if (ours(w))
                stateChanged(w, static_cast<QWindowStateChangeEvent*>(event)->oldState());
            break;
        default:
            break;
        }
        return false;
    }

private:
    struct Return {
        QPointer<QWidget> modal;
        QPointer<QWidget> window;
        QPointer<QWidget> focus;
    };

    static bool ours(const QWidget* w)
    {
        const Qt::WindowType type = w->windowType();
        return w->isWindow() && (type == Qt::Window || type == Qt::Dialog);
    }
    // The window the keyboard goes back to when a modal window closes.
    QWidget* returnTarget(const QWidget* modal) const
    {
        QWidget* active = QApplication::activeWindow();
        if (active && active != modal && active->isVisible() && ours(active))
            return active;
        // A modal window that just closed has handed the keyboard back; the
        // desktop may not have confirmed it yet.
        if (m_pending && m_pending->isVisible())
            return m_pending;
        return m_owner;
    }

    // The show event comes before the platform window is mapped: the transient
    // parent is set before the window manager sees the window.
    void shown(QWidget* w)
    {
        QWidget* parent = m_owner;
        if (w->isModal()) {
            parent = returnTarget(w);
            if (std::none_of(m_returns.begin(), m_returns.end(),
                             [w](const Return& r) { return r.modal == w; }))
                m_returns.push_back({w, parent, parent->focusWidget()});
            // The keyboard goes to the new box now.
            m_pending = nullptr;
        }
        QWindow* own = parent->windowHandle();
        if (QWindow* handle = w->windowHandle(); handle && own && handle != own)
            handle->setTransientParent(own);
    }

    void hidden(QWidget* w)
    {
        const auto it = std::find_if(m_returns.begin(), m_returns.end(),
                                     [w](const Return& r) { return r.modal == w; });
        if (it == m_returns.end())
            return;
        const Return back = *it;
        m_returns.erase(it);
        if (!back.window || !back.window->isVisible())
            return;
        // Set now, so that whatever the caller does next with the focus wins.
        if (back.focus && back.focus->window() == back.window && back.focus->isVisible() &&
            back.focus->isEnabled())
            back.focus->setFocus(Qt::OtherFocusReason);
        back.window->activateWindow();
        m_pending = back.window;
        m_pendingSince = m_clock.elapsed();
        m_reasked = 0;
        const int box = ++m_boxes;
        // Some window managers give the keyboard to a window of their choice
        // once the box is gone, after the request above: ask again, also when
        // nothing of ours became active.
        for (int delay : {60, 250})
            QTimer::singleShot(delay, this, [this, box, delay] {
                catchUp(box, delay);
                reask();
            });
    }

    // Time the program could not answer in (a slow write right after the box,
    // say) does not count against the wait: a late timer moves its start on.
    void catchUp(int box, int delay)
    {
        if (box == m_boxes)
            m_pendingSince = std::max(m_pendingSince, m_clock.elapsed() - delay);
    }

    // Another window of ours became active while the keyboard was on its way
    // back: that was the window manager's choice (a pupil's click ends
    // the wait), so it is asked again, a moment later and a few times at most.
    void activated(QWidget* w)
    {
        if (!m_pending || w == m_pending || !ours(w) || w->isModal() ||
            m_clock.elapsed() - m_pendingSince > kReturnWindowMs || m_reasked >= 3)
            return;
        ++m_reasked;
        QTimer::singleShot(30, this, [this] { reask(); });
    }

    // Asks also when Qt already counts the window as active: after a busy
    // moment its events can say so while the desktop has moved the keyboard on.
    void reask()
    {
        QWidget* window = m_pending;
        QWidget* active = QApplication::activeWindow();
        if (window && window->isVisible() && (!active || ours(active)) &&
            !QApplication::activeModalWidget() &&
            m_clock.elapsed() - m_pendingSince <= kReturnWindowMs)
            window->activateWindow();
    }

    void stateChanged(QWidget* w, Qt::WindowStates old)
    {
        const bool was = old & Qt::WindowMinimized;
        const bool now = w->windowState() & Qt::WindowMinimized;
        if (was == now || m_grouping || !w->isVisible())
            return;
        // A window minimised before it was hidden can come back minimised when
        // shown again (the desktop keeps its first state): it is shown normal.
        if (now && m_clock.elapsed() - m_shownAt.value(w, -1000) < 500) {
            w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
            return;
        }
        // Most window managers minimise and restore a window's transients with
        // it; only what they leave is done here, a moment later.
        // The last change wins: a restore right after a minimise cancels it.
        const int change = ++m_change;
        QTimer::singleShot(100, this, [this, w = QPointer<QWidget>(w), now, change] {
            if (w && change == m_change && bool(w->windowState() & Qt::WindowMinimized) == now)
                group(w, now);
        });
    }

    void group(QWidget* w, bool now)
    {
        m_grouping = true;
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (QWidget* other : windows) {
            if (other == w || !ours(other) || !other->isVisible() ||
                bool(other->windowState() & Qt::WindowMinimized) == now)
                continue;
            other->setWindowState(now ? other->windowState() | Qt::WindowMinimized
                                      : other->windowState() & ~Qt::WindowMinimized);
        }
        m_grouping = false;
        if (now)
            return;
        // Back on screen: a window that waits for an answer has the keyboard.
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->raise();
            modal->activateWindow();
        }
    }

    QPointer<QWidget> m_owner;
    static constexpr qint64 kReturnWindowMs = 1500;
    QPointer<QWidget> m_pending;
    qint64 m_pendingSince = 0;
    int m_reasked = 0;
    int m_boxes = 0;
    std::vector<Return> m_returns;
    QHash<QWidget*, qint64> m_shownAt;
    QElapsedTimer m_clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    bool m_grouping = false;
    int m_change = 0;
};

QPointer<OwnerFilter> ownerFilter;

} // namespace

void SetOwnerWindow(QWidget* owner)
{
    delete ownerFilter;
    ownerFilter = new OwnerFilter(owner);
    qApp->installEventFilter(ownerFilter);
}

QWidget* OwnerWindow()
{
    return ownerFilter ? ownerFilter->owner() : nullptr;
}
