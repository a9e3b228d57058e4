#include "platform/Desktop.h"

#include "platform/Prerendered.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QHash>
#include <QPixmap>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>
#include <QWindow>
#include <QWindowStateChangeEvent>

#include <algorithm>
#include <vector>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

std::string ChoosePlatform(const PlatformEnvironment& e)
{
    if (!e.qpaPlatform.empty() || e.platformArgument || e.display.empty())
        return {};
    const bool wayland = !e.waylandDisplay.empty() || e.sessionType == "wayland";
    return wayland ? "xcb" : std::string();
}

PlatformEnvironment CurrentPlatformEnvironment(int argc, char** argv)
{
    auto env = [](const char* name) {
        const char* v = std::getenv(name);
        return std::string(v ? v : "");
    };
    PlatformEnvironment e;
    e.qpaPlatform = env("QT_QPA_PLATFORM");
    e.display = env("DISPLAY");
    e.waylandDisplay = env("WAYLAND_DISPLAY");
    e.sessionType = env("XDG_SESSION_TYPE");
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            e.platformArgument = true;
    }
    return e;
}

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
        // Some window managers give the keyboard to a window of their choice
        // once the box is gone, after the request above: ask again.
        for (int delay : {60, 250}) {
            QTimer::singleShot(delay, this, [window = back.window] {
                QWidget* active = QApplication::activeWindow();
                if (window && window->isVisible() && active != window &&
                    (!active || ours(active)) && !QApplication::activeModalWidget())
                    window->activateWindow();
            });
        }
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
    QPointer<QWidget> m_pending;
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

int signalPipe[2] = {-1, -1};

void onSignal(int signal)
{
    const int saved = errno;
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[0], &byte, 1);
    errno = saved;
}

QPointer<OwnerFilter> ownerFilter;

} // namespace

void SetOwnerWindow(QWidget* owner)
{
    delete ownerFilter;
    ownerFilter = new OwnerFilter(owner);
    qApp->installEventFilter(ownerFilter);
}

QPoint FitPair(const QRect& pair, const QRect& available)
{
    QPoint at = pair.topLeft();
    at.setX(std::max(std::min(at.x(), available.right() + 1 - pair.width()), available.left()));
    at.setY(std::max(std::min(at.y(), available.bottom() + 1 - pair.height()), available.top()));
    return at;
}

QWidget* OwnerWindow()
{
    return ownerFilter ? ownerFilter->owner() : nullptr;
}

void HandleEndSignals(std::function<void()> handler)
{
    if (signalPipe[0] < 0 &&
        ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier,
                     [handler = std::move(handler)] {
                         char bytes[16];
                         while (::read(signalPipe[1], bytes, sizeof bytes) > 0) {
                         }
                         handler();
                     });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : {SIGTERM, SIGINT, SIGHUP})
        sigaction(s, &action, nullptr);
}

QIcon ProgramIcon()
{
    const QString svg = QStringLiteral(":/icon.svg");
    // A scaling screen asks for other sizes: those the SVG draws itself.
    if (qApp->devicePixelRatio() != 1.0)
        return QIcon(svg);
    QIcon icon;
    for (int size : {16, 32, 64, 128}) {
        const QImage image = PrerenderedSvg(svg, QSize(size, size));
        if (image.isNull())
            return QIcon(svg);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}
