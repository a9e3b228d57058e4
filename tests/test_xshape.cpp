#include "TestMain.h"
#include "TestPixels.h"

#include "tools/Sheets.h"
#include "xshape/Diagram.h"
#include "xshape/GraphicControl.h"

#include <set>

namespace {

// Draws a black square in its top-left quarter and counts its redraws.
class TCounting : public TXGraphicBitmap {
public:
    using TXGraphicBitmap::TXGraphicBitmap;
    mutable int draws = 0;
    void DrawAt(int32_t, int32_t, TCanvas& canvas) const override
    {
        ++draws;
        canvas.Brush.setColor(clr::Black);
        canvas.Pen.setStyle(TPenStyle::Clear);
        canvas.FillRect(0, 0, width() / 2, height() / 2);
    }
};

// The dark pixels' bounding box inside a region.
QRect Ink(const QImage& image, const QRect& region)
{
    QRect box;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            if (isDark(image, x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class TestXShape : public QObject {
    Q_OBJECT
private slots:
    void repaintsCopyTheBufferUntilInvalidated()
    {
        QWidget parent;
        parent.resize(200, 200);
        QPalette pal = parent.palette();
        pal.setColor(QPalette::Window, Qt::yellow);
        parent.setPalette(pal);
        parent.setAutoFillBackground(true);
        auto* c = new TCounting(&parent);
        c->setGeometry(10, 20, 40, 30);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));

        c->repaint();
        const int first = c->draws;
        QVERIFY(first >= 1);
        QVERIFY(!c->BufferDirty());
        c->repaint();
        c->repaint();
        QCOMPARE(c->draws, first);

        c->Invalidate();
        QVERIFY(c->BufferDirty());
        c->repaint();
        c->repaint();
        QCOMPARE(c->draws, first + 1);

        // The buffer holds the picture; undrawn parts leave the parent visible.
        QCOMPARE(c->Buffer().pixelColor(5, 5), QColor(Qt::black));
        const QImage shot = parent.grab().toImage();
        QCOMPARE(shot.pixelColor(10 + 5, 20 + 5), QColor(Qt::black));
        QCOMPARE(shot.pixelColor(10 + 30, 20 + 20), QColor(Qt::yellow));
        pal.setColor(QPalette::Window, Qt::cyan);
        parent.setPalette(pal);
        QCOMPARE(parent.grab().toImage().pixelColor(10 + 30, 20 + 20), QColor(Qt::cyan));
        QCOMPARE(parent.grab().toImage().pixelColor(10 + 5, 20 + 5), QColor(Qt::black));
    }

    // The setters only resize and mark the buffer stale; the next paint draws it.
    void sizeSettersKeepTheBufferTheControlsSize()
    {
        TCounting c;
        c.resize(40, 30);
        c.grab();
        const int first = c.draws;
        c.setHeight(70);
        QCOMPARE(c.Buffer().size(), QSize(40, 70));
        QCOMPARE(c.Height(), 70);
        c.setWidth(90);
        QCOMPARE(c.Buffer().size(), QSize(90, 70));
        QVERIFY(c.BufferDirty());
        QCOMPARE(c.draws, first);
        c.grab();
        QVERIFY(!c.BufferDirty());
        QCOMPARE(c.Buffer().pixelColor(44, 34), QColor(Qt::black));
        QCOMPARE(c.Buffer().pixelColor(45, 35).alpha(), 0);
    }

    void defaults()
    {
        TDiagram d;
        QCOMPARE(d.size(), QSize(100, 100));
        QCOMPARE(d.XMin(), Extended(-4));
        QCOMPARE(d.YMax(), Extended(4));
        QCOMPARE(d.XGridLE(), Extended(0.5));
        QCOMPARE(d.YGridLE(), Extended(0.5));
        QCOMPARE(d.XMarkLE(), Extended(0));
        QCOMPARE(d.YTextLE(), Extended(0));
        QCOMPARE(d.ArrowSize(), 4);
        QCOMPARE(d.AxePen().width(), 2);
        QVERIFY(d.DisplayGrid());
        QVERIFY(!d.Transparent());
    }

    void settersInvalidate()
    {
        TDiagram d;
        d.setColor(clr::White);
        const auto settle = [&d] {
            d.grab();
        };
        settle();
        QVERIFY(!d.BufferDirty());

        d.setXMarkLE(1);
        QVERIFY(d.BufferDirty());
        settle();
        d.setXMarkLE(-1); // refused: nothing stored, no repaint
        QCOMPARE(d.XMarkLE(), Extended(1));
        QVERIFY(!d.BufferDirty());
        d.setArrowSize(-3);
        QCOMPARE(d.ArrowSize(), 4);
        QVERIFY(!d.BufferDirty());

        d.setTransparent(true); // stored only
        QVERIFY(d.Transparent());
        QVERIFY(!d.BufferDirty());

        d.GridPen().setColor(clr::Red);
        QVERIFY(d.BufferDirty());
        settle();
        d.Font().setPixelSize(20);
        QVERIFY(d.BufferDirty());
        settle();
        TPen pen;
        pen.setWidth(3);
        d.setMarkPen(pen);
        QCOMPARE(d.MarkPen().width(), 3);
        QVERIFY(d.BufferDirty());
    }

    void transparentTakesEffectAtTheNextRedraw()
    {
        TDiagram d;
        d.setColor(clr::White);
        d.setDisplayGrid(false);
        QCOMPARE(RenderDiagram(d, Qt::red).pixelColor(10, 10), QColor(Qt::white));
        d.setTransparent(true);
        QCOMPARE(RenderDiagram(d, Qt::red).pixelColor(10, 10), QColor(Qt::red));
    }

    void chartScalesAndTicks()
    {
        TDiagram d;
        SetUpChart(d);
        const QImage img = RenderDiagram(d);
        // Axes: vertical on column 25, horizontal on row 300.
        for (int y : {10, 150, 290, 320})
            QVERIFY2(isDark(img, 25, y), qPrintable(QString::number(y)));
        for (int x : {0, 100, 300, 400})
            QVERIFY2(isDark(img, x, 300), qPrintable(QString::number(x)));
        // y ticks for 20 .. 80 run from column 21 up to 29, the end left out.
        for (int row : {240, 180, 120, 60}) {
            QVERIFY(!isDark(img, 20, row));
            QVERIFY(isDark(img, 21, row));
            QVERIFY(isDark(img, 28, row));
            QVERIFY(!isDark(img, 29, row));
            QVERIFY(!isDark(img, 21, row - 1));
            QVERIFY(!isDark(img, 21, row + 1));
        }
        // 100 would be row 0: the run stops before YMax.
        QVERIFY(!isDark(img, 21, 0));
        // Tick for 0 below the axis row; nothing where a tick for -20 would be.
        QVERIFY(isDark(img, 21, 300));
        QVERIFY(!isDark(img, 21, 330 - 1));
    }

    void chartLabels()
    {
        TDiagram d;
        SetUpChart(d);
        const QImage img = RenderDiagram(d);
        // "10" .. "90" start at column 31, centred on their rows.
        for (int row = 270; row >= 30; row -= 30) {
            const QRect ink = Ink(img, QRect(29, row - 9, 30, 19));
            QVERIFY2(!ink.isEmpty(), qPrintable(QString::number(row)));
            QVERIFY(ink.left() >= 31 && ink.left() <= 33);
            QVERIFY(ink.width() >= 6); // two digits
            QVERIFY(qAbs(ink.center().y() - row) <= 2);
        }
        // The single x label "0" hangs below the axis, across column 25.
        const QRect left = Ink(img, QRect(10, 303, 14, 14));
        // Right of the axis only up to column 30: the y label "0" starts at 31.
        const QRect right = Ink(img, QRect(27, 303, 4, 14));
        QVERIFY(!left.isEmpty() && !right.isEmpty());
        QVERIFY(left.top() >= 303);
        QVERIFY(Ink(img, QRect(10, 302, 14, 1)).isEmpty());
        QVERIFY(Ink(img, QRect(27, 302, 4, 1)).isEmpty());
        // No further x labels: 10 is far beyond XMax.
        QVERIFY(Ink(img, QRect(60, 303, 340, 20)).isEmpty());
    }

    void chartGrid()
    {
        TDiagram d;
        SetUpChart(d);
        const QImage img = RenderDiagram(d);
        const QRgb silver = qRgb(0xC0, 0xC0, 0xC0);
        const auto silverIn = [&img, silver](const QRect& r) {
            int n = 0;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    n += (img.pixel(x, y) & 0xFFFFFF) == (silver & 0xFFFFFF);
            return n;
        };
        // x grid lines every 0.25 from -0.25 (column -6, clipped); 3.0 gets none.
        QList<int> columns;
        for (int x = 0; x < img.width(); ++x)
            if (silverIn(QRect(x, 0, 1, 28)) >= 5)
                columns << x;
        QCOMPARE(columns, (QList<int>{57, 89, 121, 153, 184, 216, 248, 280, 312, 343, 375}));
        // y grid lines for 0 .. 90 (-10 lies on row 330, just outside).
        QList<int> rows;
        for (int y = 0; y < img.height(); ++y)
            if (silverIn(QRect(60, y, 300, 1)) >= 40)
                rows << y;
        QCOMPARE(rows, (QList<int>{30, 60, 90, 120, 150, 180, 210, 240, 270}));
        // Mask mode: the grid ANDs its colour into what lies below.
        TDiagram tinted;
        SetUpChart(tinted);
        tinted.setColor(0x00FF00); // pure green
        const QImage g = RenderDiagram(tinted);
        int masked = 0;
        for (int y = 0; y < 28; ++y)
            masked += (g.pixel(57, y) & 0xFFFFFF) == 0x00C000;
        QVERIFY(masked >= 5);
    }

    // The axis through the world origin, clamped to the edge it lies beyond;
    // with a one-pixel pen exactly at the switch. Probed across the middle.
    void axisClampsToTheEdge_data()
    {
        QTest::addColumn<int>("axis"); // 0: the y axis along x, 1: the x axis along y
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<int>("pen");
        QTest::addColumn<int>("at"); // column or row
        QTest::newRow("range right of 0") << 0 << 1.0 << 5.0 << 2 << 0;
        QTest::newRow("range left of 0") << 0 << -5.0 << -1.0 << 2 << 99;
        QTest::newRow("0 in the middle") << 0 << -4.0 << 4.0 << 2 << 50;
        QTest::newRow("x: 0 on the first column") << 0 << 0.0 << 100.0 << 1 << 0;
        QTest::newRow("x: 0 one before the first column") << 0 << 1.0 << 101.0 << 1 << 0;
        QTest::newRow("x: 0 on the last column") << 0 << -99.0 << 1.0 << 1 << 99;
        QTest::newRow("x: 0 one beyond the last column") << 0 << -100.0 << 0.0 << 1 << 99;
        // The x axis lies one row below the origin's pixel, so the top row is 1.
        QTest::newRow("y: 0 in the middle") << 1 << -4.0 << 4.0 << 1 << 50;
        QTest::newRow("y: 0 one below the top") << 1 << -98.0 << 2.0 << 1 << 2;
        QTest::newRow("y: 0 at the top") << 1 << -99.0 << 1.0 << 1 << 1;
        QTest::newRow("y: 0 one beyond the top") << 1 << -100.0 << 0.0 << 1 << 1;
    }
    void axisClampsToTheEdge()
    {
        QFETCH(int, axis);
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(int, pen);
        QFETCH(int, at);
        TDiagram d;
        d.setColor(clr::White);
        d.setDisplayGrid(false);
        d.AxePen().setWidth(pen);
        d.setRange(2 * axis, min);
        d.setRange(2 * axis + 1, max);
        const QImage img = RenderDiagram(d);
        const auto dark = [&](int i) {
            return axis == 0 ? isDark(img, i, 60) : isDark(img, 60, i);
        };
        QVERIFY(dark(at));
        for (int i = 0; i < 100; ++i)
            if (qAbs(i - at) > pen - 1)
                QVERIFY2(!dark(i), qPrintable(QString::number(i)));
    }

    // Marks from the step nearest the range's low end to the last one below
    // its high end, each from `as` before the axis to `as - 1` beyond: where
    // they add pixels along the axis, and how far across.
    void marksRunToTheRangeEnds_data()
    {
        QTest::addColumn<int>("axis"); // 0: x, 1: y
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<QList<int>>("along"); // the mark on the other axis adds none
        QTest::addColumn<QList<int>>("across");
        QTest::newRow("x from the low edge")
            << 0 << -4.0 << 4.0 << QList<int>{0, 12, 25, 38, 62, 75, 88} << QList<int>{46, 53};
        QTest::newRow("y to the last step below the top")
            << 1 << -4.0 << 4.0 << QList<int>{12, 25, 38, 62, 75, 88} << QList<int>{46, 53};
        QTest::newRow("y from the first step above the bottom")
            << 1 << -4.4 << 5.6 << QList<int>{6, 16, 26, 36, 46, 66, 76, 86, 96}
            << QList<int>{46, 53};
    }
    void marksRunToTheRangeEnds()
    {
        QFETCH(int, axis);
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(QList<int>, along);
        QFETCH(QList<int>, across);
        TDiagram d;
        d.setColor(clr::White);
        d.setDisplayGrid(false);
        d.setRange(2 * axis, min);
        d.setRange(2 * axis + 1, max);
        const QImage plain = RenderDiagram(d);
        d.setMarkLE(axis, 1);
        const QImage marked = RenderDiagram(d);
        std::set<int> places, span;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 100; ++x)
                if (plain.pixel(x, y) != marked.pixel(x, y)) {
                    places.insert(axis == 0 ? x : y);
                    span.insert(axis == 0 ? y : x);
                }
        QCOMPARE(QList<int>(places.begin(), places.end()), along);
        QVERIFY(!span.empty());
        QCOMPARE((QList<int>{*span.begin(), *span.rbegin()}), across);
    }

    void worldToPixel_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<QPoint>("pixel");
        QTest::newRow("low corner") << -0.2 << -10.0 << QPoint(0, 329);
        QTest::newRow("high corner") << 3.0 << 100.0 << QPoint(407, -1);
        QTest::newRow("origin") << 0.0 << 0.0 << QPoint(25, 299);
    }
    void worldToPixel()
    {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(QPoint, pixel);
        TDiagram d;
        SetUpChart(d);
        QCOMPARE(d.WorldToPixel(x, y), pixel);
    }

    void unusableRangesAndStepsEndTheRun_data()
    {
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<double>("step");
        QTest::newRow("empty range") << 2.0 << 2.0 << 0.5;
        QTest::newRow("tiny step") << -4.0 << 4.0 << 1e-300;
        QTest::newRow("step lost in the range") << 1e20 << 1e20 + 1e6 << 1.0;
        QTest::newRow("reversed range") << 4.0 << -4.0 << 0.5;
    }
    void unusableRangesAndStepsEndTheRun()
    {
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(double, step);
        TDiagram d;
        d.setColor(clr::White);
        d.setXMin(min);
        d.setXMax(max);
        d.setXGridLE(step);
        d.setXTextLE(step);
        d.setXMarkLE(step);
        const QImage img = RenderDiagram(d); // must return
        QCOMPARE(img.pixelColor(10, 10), QColor(Qt::white));
        const QPoint p = d.WorldToPixel(min, 0);
        QVERIFY(p.x() >= -10000000 && p.x() <= 10000000);
    }
};

TRAINER_TEST_MAIN(TestXShape)
#include "test_xshape.moc"
