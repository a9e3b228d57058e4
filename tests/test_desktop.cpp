#include "TestMain.h"
#include "platform/Desktop.h"

#include <QWindow>

#include <csignal>

class TestDesktop : public QObject {
    Q_OBJECT
private slots:
    void choosePlatform_data()
    {
        QTest::addColumn<QString>("qpa");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("wayland");
        QTest::addColumn<QString>("session");
        QTest::addColumn<bool>("argument");
        QTest::addColumn<QString>("chosen");
        QTest::addRow("x11 session") << ""
                                     << ":0"
                                     << ""
                                     << "x11" << false << "";
        QTest::addRow("wayland display") << ""
                                         << ":0"
                                         << "wayland-0"
                                         << "" << false << "xcb";
        QTest::addRow("wayland session") << ""
                                         << ":1"
                                         << ""
                                         << "wayland" << false << "xcb";
        QTest::addRow("wayland without X") << ""
                                           << ""
                                           << "wayland-0"
                                           << "wayland" << false << "";
        QTest::addRow("chosen by variable") << "wayland"
                                            << ":0"
                                            << "wayland-0"
                                            << "wayland" << false << "";
        QTest::addRow("chosen by argument") << ""
                                            << ":0"
                                            << "wayland-0"
                                            << "wayland" << true << "";
        QTest::addRow("nothing") << ""
                                 << ""
                                 << ""
                                 << "" << false << "";
    }
    void choosePlatform()
    {
        QFETCH(QString, qpa);
        QFETCH(QString, display);
        QFETCH(QString, wayland);
        QFETCH(QString, session);
        QFETCH(bool, argument);
        QFETCH(QString, chosen);
        const PlatformEnvironment e{qpa.toStdString(), display.toStdString(), wayland.toStdString(),
                                    session.toStdString(), argument};
        QCOMPARE(QString::fromStdString(ChoosePlatform(e)), chosen);
    }

    void platformArgument_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("found");
        QTest::addRow("none") << QStringList{"prog"} << false;
        QTest::addRow("single dash") << QStringList{"prog", "-platform", "xcb"} << true;
        QTest::addRow("double dash") << QStringList{"prog", "--platform", "xcb"} << true;
        QTest::addRow("program name only") << QStringList{"-platform"} << false;
    }
    void platformArgument()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, found);
        std::vector<QByteArray> bytes;
        std::vector<char*> argv;
        for (const QString& a : args)
            bytes.push_back(a.toUtf8());
        for (QByteArray& b : bytes)
            argv.push_back(b.data());
        QCOMPARE(CurrentPlatformEnvironment(int(argv.size()), argv.data()).platformArgument, found);
    }

    // Each signal reaches the handler in the event loop, and the process lives on.
    void endSignals()
    {
        int count = 0;
        HandleEndSignals([&count] { ++count; });
        for (int s : {SIGTERM, SIGINT, SIGHUP}) {
            const int before = count;
            std::raise(s);
            QTRY_VERIFY_WITH_TIMEOUT(count > before, 5000);
        }
    }

    void secondaryWindowsBelongToOwner()
    {
        QWidget owner;
        QWidget window(nullptr, Qt::Dialog);
        QWidget popup(nullptr, Qt::Popup);
        SetOwnerWindow(&owner);
        owner.show();
        window.show();
        popup.show();
        QCOMPARE(window.windowHandle()->transientParent(), owner.windowHandle());
        QVERIFY(owner.windowHandle()->transientParent() == nullptr);
        QVERIFY(popup.windowHandle()->transientParent() != owner.windowHandle());
        SetOwnerWindow(nullptr);
    }
};

TRAINER_TEST_MAIN(TestDesktop)
#include "test_desktop.moc"
