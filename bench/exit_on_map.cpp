// Loaded with LD_PRELOAD into a Qt program: ends the process, without cleaning
// up, at the first expose event of any window. Qt maps a window within show(),
// so by then every window shown before the event loop is mapped, and nothing
// has been painted yet: a profile of the program holds its start and no more.
//   LD_PRELOAD=build/bench/libexit_on_map.so perf record -g -- build/prozentrechnung
#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

#include <unistd.h>

namespace {

class ExitOnMap : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && qobject_cast<QWindow*>(watched))
            _exit(0);
        return false;
    }
};

void install()
{
    QCoreApplication::instance()->installEventFilter(new ExitOnMap);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(install)
