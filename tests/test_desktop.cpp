#include "TestMain.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"

#include <QSignalSpy>
#include <QThread>
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

    // A pair 800 x 570 on a 1024 x 768 area, and an area below a 27-px panel.
    void fitPair_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QPoint>("fitted");
        const QRect screen(0, 0, 1024, 768);
        QTest::addRow("fits") << QPoint(0, 0) << screen << QPoint(0, 0);
        QTest::addRow("bottom edge") << QPoint(224, 198) << screen << QPoint(224, 198);
        QTest::addRow("one row low") << QPoint(0, 199) << screen << QPoint(0, 198);
        QTest::addRow("one column right") << QPoint(225, 0) << screen << QPoint(224, 0);
        QTest::addRow("lower half") << QPoint(100, 450) << screen << QPoint(100, 198);
        QTest::addRow("above and left") << QPoint(-5, -3) << screen << QPoint(0, 0);
        QTest::addRow("below a panel") << QPoint(0, 0) << QRect(0, 27, 1024, 741) << QPoint(0, 27);
        QTest::addRow("area too small")
            << QPoint(30, 40) << QRect(10, 20, 640, 480) << QPoint(10, 20);
    }
    void fitPair()
    {
        QFETCH(QPoint, at);
        QFETCH(QRect, available);
        QFETCH(QPoint, fitted);
        QCOMPARE(FitPair(QRect(at, QSize(800, 570)), available), fitted);
    }

    // Both orders of CR and LF make one line break in a box, as in a label.
    void boxText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::addRow("LF CR") << "a\n\rb"
                               << "a\nb";
        QTest::addRow("CR LF") << "a\r\nb"
                               << "a\nb";
        QTest::addRow("two LF CR") << "a\n\r\n\rb"
                                   << "a\n\nb";
        QTest::addRow("two CR LF") << "a\r\n\r\nb"
                                   << "a\n\nb";
        QTest::addRow("LF alone") << "a\nb"
                                  << "a\nb";
        QTest::addRow("at the end") << "a\n\r"
                                    << "a\n";
    }
    void boxText()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(BoxText(text), shown);
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

    // A restore sends a spontaneous show; it is no fresh show that would
    // undo a minimise that follows at once.
    void minimiseRightAfterRestoreHolds()
    {
        QWidget owner;
        QWidget window;
        SetOwnerWindow(&owner);
        owner.show();
        window.show();
        QTest::qWait(600);
        for (Qt::WindowState state :
             {Qt::WindowMinimized, Qt::WindowNoState, Qt::WindowMinimized}) {
            owner.setWindowState(state);
            QTRY_COMPARE(window.windowState() & Qt::WindowMinimized, state & Qt::WindowMinimized);
            QCOMPARE(owner.windowState() & Qt::WindowMinimized, state & Qt::WindowMinimized);
        }
        SetOwnerWindow(nullptr);
    }

    // A window manager that hands the keyboard to the owner after a box has
    // closed is overruled; a pupil's click on the owner is not.
    void keyboardGoesBackAfterBox_data()
    {
        QTest::addColumn<bool>("clicked");
        QTest::addColumn<int>("busyMs");
        QTest::addColumn<bool>("exerciseActive");
        QTest::newRow("window manager's choice") << false << 0 << true;
        QTest::newRow("pupil's click") << true << 0 << false;
        // Time the program was busy right after the box does not count.
        QTest::newRow("busy after the box") << false << 1500 << true;
    }
    void keyboardGoesBackAfterBox()
    {
        QFETCH(bool, clicked);
        QFETCH(int, busyMs);
        QFETCH(bool, exerciseActive);
        QWidget owner;
        QWidget exercise;
        SetOwnerWindow(&owner);
        owner.show();
        exercise.show();
        exercise.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &exercise);
        QWidget box(nullptr, Qt::Dialog);
        box.setWindowModality(Qt::ApplicationModal);
        box.show();
        QTRY_COMPARE(QApplication::activeWindow(), &box);
        box.hide();
        QThread::msleep(busyMs);
        QTRY_COMPARE(QApplication::activeWindow(), &exercise);
        QTest::qWait(300); // past the fixed re-asks
        if (clicked)
            QTest::mouseClick(&owner, Qt::LeftButton);
        QSignalSpy focus(qApp, &QGuiApplication::focusWindowChanged);
        owner.activateWindow();
        QTest::qWait(200);
        QVERIFY(!focus.isEmpty());
        QCOMPARE(focus.first().first().value<QWindow*>(), owner.windowHandle());
        QCOMPARE(QApplication::activeWindow() == &exercise, exerciseActive);
        SetOwnerWindow(nullptr);
    }
};

TRAINER_TEST_MAIN(TestDesktop)
#include "test_desktop.moc"
