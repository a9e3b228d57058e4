#include "TestMain.h"
#include "TestPixels.h"

#include "xshape/XCanvas.h"

#include <QImage>
#include <QPainter>

#include <climits>

class TestXCanvas : public QObject {
    Q_OBJECT
private slots:
    // Each row: start, target, length (-1: a double arrow between the two
    // points), then the corners of the outline: start, tip, barb, barb.
    void arrows_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<int>("length");
        QTest::addColumn<QList<QPoint>>("corners");
        QTest::addRow("double, horizontal")
            << QPoint(50, 36) << QPoint(250, 36) << -1
            << QList<QPoint>{{50, 36}, {250, 36}, {240, 33}, {240, 39}, {60, 39}, {60, 33}};
        // 9,9 long: rounded to 10, the tips meet the points; cut to 9 they fall short.
        QTest::addRow("double, diagonal, length rounded")
            << QPoint(100, 20) << QPoint(107, 27) << -1
            << QList<QPoint>{{100, 20}, {107, 27}, {98, 22}, {102, 18}, {109, 25}, {105, 29}};
        QTest::addRow("to the right") << QPoint(40, 40) << QPoint(90, 40) << 30
                                      << QList<QPoint>{{40, 40}, {70, 40}, {60, 43}, {60, 37}};
        QTest::addRow("to the left") << QPoint(40, 40) << QPoint(0, 40) << 30
                                     << QList<QPoint>{{40, 40}, {10, 40}, {20, 37}, {20, 43}};
        QTest::addRow("downwards") << QPoint(40, 40) << QPoint(40, 90) << 30
                                   << QList<QPoint>{{40, 40}, {40, 70}, {37, 60}, {43, 60}};
        QTest::addRow("opposite quadrant") << QPoint(40, 40) << QPoint(0, 0) << 20
                                           << QList<QPoint>{{40, 40}, {26, 26}, {35, 31}, {31, 35}};
        // Tip and barbs rounded term by term: rounding whole sums would give (48, 55), (53, 52).
        QTest::addRow("steep, terms rounded apart")
            << QPoint(40, 40) << QPoint(43, 44) << 27
            << QList<QPoint>{{40, 40}, {56, 62}, {48, 56}, {52, 52}};
        QTest::addRow("length 0 folds back")
            << QPoint(40, 40) << QPoint(90, 40) << 0 << QList<QPoint>{{40, 40}, {30, 43}, {30, 37}};
    }
    void arrows()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(int, length);
        QFETCH(QList<QPoint>, corners);
        const QImage image = Drawn(blank(300, 100, clr::White), [&](TCanvas& c) {
            c.Pen.setColor(clr::Red);
            if (length < 0)
                DrawDoubleArrow(c, from.x(), from.y(), to.x(), to.y());
            else
                DrawArrow(c, from.x(), from.y(), to.x(), to.y(), length);
            if (length >= 0)
                QCOMPARE(c.PenPos(), corners.size() > 3 ? corners[1] : from);
        });
        QRect box;
        for (const QPoint& corner : corners) {
            QVERIFY2(at(image, corner.x(), corner.y()) == clr::Red,
                     qPrintable(QStringLiteral("%1,%2").arg(corner.x()).arg(corner.y())));
            box |= QRect(corner, QSize(1, 1));
        }
        QCOMPARE(inkBox(image, clr::White), box);
    }

    void coincidentPointsDrawNothing()
    {
        const QImage image = Drawn(blank(40, 40, clr::White), [](TCanvas& c) {
            c.MoveTo(3, 4);
            DrawArrow(c, 20, 20, 20, 20, 15);
            DrawDoubleArrow(c, 20, 20, 20, 20);
            QCOMPARE(c.PenPos(), QPoint(3, 4));
        });
        QCOMPARE(inkBox(image, clr::White), QRect());
    }

    // Squares that do not fit 32 bits: the shaft still runs straight through the image.
    void farApartPoints_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QRect>("box");
        QTest::addRow("whole int range")
            << QPoint(INT_MIN, 10) << QPoint(INT_MAX, 10) << QRect(0, 10, 100, 1);
        QTest::addRow("beyond 46341 apart")
            << QPoint(0, 0) << QPoint(60000, 60000) << QRect(0, 0, 100, 100);
    }
    void farApartPoints()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QRect, box);
        const QImage image = Drawn(blank(100, 100, clr::White), [&](TCanvas& c) {
            DrawDoubleArrow(c, from.x(), from.y(), to.x(), to.y());
        });
        QCOMPARE(inkBox(image, clr::White), box);
        QCOMPARE(image.pixel(box.center()), qRgb(0, 0, 0));
    }
};

TRAINER_TEST_MAIN(TestXCanvas)
#include "test_xcanvas.moc"
