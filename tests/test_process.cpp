#include "TestMain.h"
#include "TestPixels.h"

#include "platform/Process.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

// Writes an executable shell script into dir.
QString writeScript(const QTemporaryDir& dir, const QString& name, const QByteArray& body)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return {};
    f.write("#!/bin/sh\n" + body + "\n");
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

} // namespace

class TestProcess : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QByteArray m_path;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_path = qgetenv("PATH");
        qputenv("PATH", m_dir.path().toLocal8Bit());
    }
    void cleanupTestCase() { qputenv("PATH", m_path); }

    void calculatorCommandPicksFirstFound()
    {
        QCOMPARE(ResolveProgram(QStringLiteral("Calc.exe")), QString());
        const QString xcalc = writeScript(m_dir, QStringLiteral("xcalc"), "exec /bin/sleep 30");
        QCOMPARE(ResolveProgram(QStringLiteral("Calc.exe")), xcalc);
        const QString kcalc = writeScript(m_dir, QStringLiteral("kcalc"), "exec /bin/sleep 30");
        QCOMPARE(ResolveProgram(QStringLiteral("calc.exe")), kcalc);
        QFile::remove(kcalc);
        QCOMPARE(ResolveProgram(QStringLiteral("")), QString());
    }

    void failedStartSetsOnlyTheHandle()
    {
        TProcessInformation info;
        info.hThread = 7;
        info.dwProcessId = 8;
        info.dwThreadId = 9;
        StartProgram(QStringLiteral("kein-solches-programm --x"), info);
        QCOMPARE(info.hProcess, InvalidProcessHandle);
        QCOMPARE(info.hThread, 7u);
        QCOMPARE(info.dwProcessId, 8u);
        QCOMPARE(info.dwThreadId, 9u);
    }

    void terminateEndsAndReapsTheChild()
    {
        writeScript(m_dir, QStringLiteral("xcalc"), "exec /bin/sleep 30");
        TProcessInformation info;
        StartProgram(QStringLiteral("Calc.exe"), info);
        QVERIFY(info.hProcess != InvalidProcessHandle);
        QVERIFY(info.dwProcessId > 0);
        QCOMPARE(processState(info.dwProcessId).isEmpty(), false);

        QVERIFY(TerminateProcess(info.hProcess, 0));
        QTRY_VERIFY_WITH_TIMEOUT(processState(info.dwProcessId).isEmpty(), 5000);
        // A second end of the same handle signals nothing.
        QVERIFY(!TerminateProcess(info.hProcess, 0));
        QVERIFY(!TerminateProcess(12345, 0));
        QVERIFY(!TerminateProcess(InvalidProcessHandle, 0));
    }

    void childThatExitedIsNotSignalled()
    {
        const QString script = writeScript(m_dir, QStringLiteral("kurz"), "exit 0");
        TProcessInformation info;
        StartProgram(script, info);
        QVERIFY(info.hProcess != InvalidProcessHandle);
        QTRY_VERIFY_WITH_TIMEOUT(processState(info.dwProcessId).isEmpty(), 5000);
        QVERIFY(!TerminateProcess(info.hProcess, 0));
    }

    void argumentsArePassed()
    {
        const QString marker = m_dir.filePath(QStringLiteral("marker"));
        const QString script =
            writeScript(m_dir, QStringLiteral("schreib"), "echo \"$1\" > \"$2\"");
        TProcessInformation info;
        StartProgram(QStringLiteral("schreib \"zwei Worte\" %1").arg(marker), info);
        QVERIFY(info.hProcess != InvalidProcessHandle);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker) && QFile(marker).size() > 0, 5000);
        QFile f(marker);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("zwei Worte\n"));
        QVERIFY(!script.isEmpty());
    }

    void handlesNeverUseTheFailureValue()
    {
        writeScript(m_dir, QStringLiteral("xcalc"), "exit 0");
        for (int i = 0; i < 5; ++i) {
            TProcessInformation info;
            StartProgram(QStringLiteral("Calc.exe"), info);
            QVERIFY(info.hProcess != InvalidProcessHandle);
            QVERIFY(info.hProcess != 0);
        }
    }
};

TRAINER_TEST_MAIN(TestProcess)
#include "test_process.moc"
