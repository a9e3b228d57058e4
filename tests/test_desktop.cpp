#include "TestMain.h"
#include "platform/Desktop.h"

#include <QWindow>

#include <csignal>

class TestDesktop : public QObject {
    Q_OBJECT
private slots:
    void choosePlatform()
    {
        // QT_QPA_PLATFORM, DISPLAY, WAYLAND_DISPLAY, XDG_SESSION_TYPE, -platform: chosen.
        const struct {
            PlatformEnvironment environment;
            const char* chosen;
        } rows[] = {
            {{"", ":0", "", "x11", false}, ""},
            {{"", ":0", "wayland-0", "", false}, "xcb"},
            {{"", ":1", "", "wayland", false}, "xcb"},
            {{"", "", "wayland-0", "wayland", false}, ""},
            {{"wayland", ":0", "wayland-0", "wayland", false}, ""},
            {{"", ":0", "wayland-0", "wayland", true}, ""},
            {{"", "", "", "", false}, ""},
        };
        for (const auto& row : rows)
            QVERIFY2(ChoosePlatform(row.environment) == row.chosen,
                     qPrintable(QStringLiteral("row %1").arg(&row - rows)));
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

    // The X window icon is made of the icon's sizes, or of 16, 32, 64 and 128
    // for an SVG: the built-in sizes must be those, with the SVG's very pixels.
    void programIconIsTheSvg_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {16, 32, 64, 128})
            QTest::addRow("%d", size) << size;
    }
    void programIconIsTheSvg()
    {
        QFETCH(int, size);
        const QIcon icon = ProgramIcon();
        QCOMPARE(icon.availableSizes(),
                 (QList<QSize>{QSize(16, 16), QSize(32, 32), QSize(64, 64), QSize(128, 128)}));
        const QImage svg = QIcon(QStringLiteral(":/icon.svg")).pixmap(size).toImage();
        QCOMPARE(icon.pixmap(size).toImage(), svg);
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
