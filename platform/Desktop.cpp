#include "platform/Desktop.h"

#include "platform/Prerendered.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPixmap>
#include <QPointer>
#include <QSocketNotifier>
#include <QWindow>

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

// Gives each window its owner as transient parent just before it is mapped
// (the show event comes before the platform window is shown).
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
        if (event->type() != QEvent::Show || !watched->isWidgetType() || !m_owner)
            return false;
        auto* w = static_cast<QWidget*>(watched);
        const Qt::WindowType type = w->windowType();
        if (!w->isWindow() || w == m_owner || (type != Qt::Window && type != Qt::Dialog))
            return false;
        QWindow* own = m_owner->windowHandle();
        if (QWindow* handle = w->windowHandle(); handle && own && handle != own)
            handle->setTransientParent(own);
        return false;
    }

private:
    QPointer<QWidget> m_owner;
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
