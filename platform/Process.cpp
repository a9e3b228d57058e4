#include "platform/Process.h"

#include <QCoreApplication>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include <map>

namespace {

struct ProcessTable {
    std::map<uint32_t, QPointer<QProcess>> children;
    uint32_t nextHandle = 1;

    uint32_t add(QProcess* p)
    {
        uint32_t h = nextHandle++;
        if (h == InvalidProcessHandle)
            h = nextHandle++;
        children[h] = p;
        return h;
    }
};

ProcessTable& table()
{
    static ProcessTable t;
    return t;
}

// Parent of all children. Ends the ones still running when the application
// goes, before QProcess's destructor would have to kill them.
class ChildReaper : public QObject {
public:
    using QObject::QObject;
    ~ChildReaper() override
    {
        for (QProcess* p : findChildren<QProcess*>(Qt::FindDirectChildrenOnly)) {
            if (p->state() == QProcess::NotRunning)
                continue;
            p->terminate();
            if (!p->waitForFinished(1000)) {
                p->kill();
                p->waitForFinished(1000);
            }
        }
    }
};

QObject* reaper()
{
    static QPointer<ChildReaper> r;
    if (!r)
        r = new ChildReaper(QCoreApplication::instance());
    return r;
}

const char* const calculators[] = {"gnome-calculator", "kcalc",         "galculator",
                                   "mate-calc",        "qalculate-gtk", "xcalc"};

} // namespace

QString ResolveProgram(const QString& commandLine)
{
    const QStringList words = QProcess::splitCommand(commandLine);
    if (words.isEmpty())
        return {};
    if (words.first().compare(QLatin1String("Calc.exe"), Qt::CaseInsensitive) == 0) {
        for (const char* name : calculators) {
            const QString path = QStandardPaths::findExecutable(QLatin1String(name));
            if (!path.isEmpty())
                return path;
        }
        return {};
    }
    return QStandardPaths::findExecutable(words.first());
}

bool CreateProcess(const QString& commandLine, TProcessInformation& info)
{
    const QString program = ResolveProgram(commandLine);
    if (program.isEmpty() || !QCoreApplication::instance())
        return false;
    QStringList arguments = QProcess::splitCommand(commandLine);
    arguments.removeFirst();

    // A child still running when the application ends is ended and reaped then.
    auto* process = new QProcess(reaper());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    process->start(program, arguments);
    if (!process->waitForStarted(5000)) {
        delete process;
        return false;
    }
    // A child that exits by itself is reaped by QProcess; drop the object then.
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);

    const uint32_t handle = table().add(process);
    info.hProcess = handle;
    info.hThread = handle;
    info.dwProcessId = static_cast<uint32_t>(process->processId());
    info.dwThreadId = info.dwProcessId;
    return true;
}

bool TerminateProcess(uint32_t handle, int /*exitCode*/)
{
    auto& children = table().children;
    const auto it = children.find(handle);
    if (it == children.end())
        return false;
    QPointer<QProcess> process = it->second;
    children.erase(it);
    if (!process || process->state() == QProcess::NotRunning)
        return false;
    process->terminate();
    // A calculator that ignores the polite request is killed a little later.
    QTimer::singleShot(2000, process, [process] {
        if (process && process->state() != QProcess::NotRunning)
            process->kill();
    });
    return true;
}

void StartProgram(const QString& commandLine, TProcessInformation& info)
{
    if (!CreateProcess(commandLine, info))
        info.hProcess = InvalidProcessHandle;
}
