// Loaded with LD_PRELOAD into a Qt program: ends the process, without cleaning
// up, as soon as the window titled "Prozentrechnung" is first exposed (that is,
// mapped). A profile of the program then holds its start and nothing after it.
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
        if (event->type() == QEvent::Expose) {
            const auto* window = qobject_cast<QWindow*>(watched);
            if (window && window->title() == QLatin1String("Prozentrechnung"))
                _exit(0);
        }
        return false;
    }
};

void install()
{
    QCoreApplication::instance()->installEventFilter(new ExitOnMap);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(install)
