#include "TestMain.h"
#include "TestPixels.h"

#include "tools/Sheets.h"
#include "xshape/ShapeDraw.h"

#include <QImage>
#include <QPainter>

#include <cmath>
#include <functional>
#include <limits>

namespace {

// Paints one figure routine into the image.
void paint(QImage& image, const TShapeStyle& style, QPoint origin,
           const std::function<void(const TShapeTarget&)>& draw)
{
    image = Drawn(image, [&](TCanvas& canvas) { draw(TShapeTarget{style, canvas, origin}); });
}

TShapeStyle coloured(int w, int h)
{
    TShapeStyle s;
    s.W = w;
    s.H = h;
    s.Brush.setColor(clr::Red);
    s.Pen.setColor(clr::Blue);
    s.Color2 = clr::Lime;
    return s;
}

} // namespace

class TestShapeDraw : public QObject {
    Q_OBJECT
private slots:
    // The square drawn at an origin: where its first table corner lands and the
    // box its outline covers.
    void squareTransform_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<qreal>("rotation");
        QTest::addColumn<qreal>("scaleX");
        QTest::addColumn<qreal>("scaleY");
        QTest::addColumn<bool>("invariant");
        QTest::addColumn<QPoint>("origin");
        QTest::addColumn<QPoint>("firstCorner");
        QTest::addColumn<QRect>("box");
        QTest::addRow("65 x 65 upright") << QSize(65, 65) << 0.0 << 1.0 << 1.0 << false
                                         << QPoint(0, 0) << QPoint(0, 0) << QRect(0, 0, 65, 65);
        QTest::addRow("turned 90: first corner top right")
            << QSize(65, 65) << 90.0 << 1.0 << 1.0 << false << QPoint(0, 0) << QPoint(64, 0)
            << QRect(0, 0, 65, 65);
        QTest::addRow("turned -90: first corner bottom left")
            << QSize(65, 65) << -90.0 << 1.0 << 1.0 << false << QPoint(0, 0) << QPoint(0, 64)
            << QRect(0, 0, 65, 65);
        QTest::addRow("ScaleX 2 doubles the height")
            << QSize(65, 65) << 0.0 << 2.0 << 1.0 << false << QPoint(50, 50) << QPoint(50, 18)
            << QRect(50, 18, 65, 129);
        QTest::addRow("ScaleY 2 doubles the width")
            << QSize(65, 65) << 0.0 << 1.0 << 2.0 << false << QPoint(50, 50) << QPoint(18, 50)
            << QRect(18, 50, 129, 65);
        QTest::addRow("free proportions fill 101 x 51")
            << QSize(101, 51) << 0.0 << 1.0 << 1.0 << false << QPoint(0, 0) << QPoint(0, 0)
            << QRect(0, 0, 101, 51);
        QTest::addRow("Invariant keeps a centred square")
            << QSize(101, 51) << 0.0 << 1.0 << 1.0 << true << QPoint(0, 0) << QPoint(25, 0)
            << QRect(25, 0, 51, 51);
        QTest::addRow("origin moves the figure")
            << QSize(65, 65) << 0.0 << 1.0 << 1.0 << false << QPoint(7, 11) << QPoint(7, 11)
            << QRect(7, 11, 65, 65);
    }
    void squareTransform()
    {
        QFETCH(QSize, size);
        QFETCH(qreal, rotation);
        QFETCH(qreal, scaleX);
        QFETCH(qreal, scaleY);
        QFETCH(bool, invariant);
        QFETCH(QPoint, origin);
        QFETCH(QPoint, firstCorner);
        QFETCH(QRect, box);
        TShapeStyle s = coloured(size.width(), size.height());
        s.Rotation = rotation;
        s.ScaleX = scaleX;
        s.ScaleY = scaleY;
        s.Invariant = invariant;
        const QImage image = Drawn(blank(200, 200), [&](TCanvas& canvas) {
            const TShapeTarget t{s, canvas, origin};
            QCOMPARE(TransformPoint(t, ShapeTables::Square[0]), firstCorner);
            DrawTablePolygon(t, ShapeTables::Square.data(), 4);
        });
        QCOMPARE(inkBox(image), box);
        QCOMPARE(at(image, firstCorner.x(), firstCorner.y()), clr::Blue);
        QCOMPARE(at(image, box.center().x(), box.center().y()), clr::Red);
    }

    // Letters sit outside the corners: A above left of the top-left corner,
    // C below the bottom-right one, side a left of the left side's middle.
    void labelledSquare_data()
    {
        QTest::addColumn<bool>("description");
        QTest::addColumn<bool>("lines");
        QTest::addColumn<bool>("corners");
        QTest::addColumn<bool>("sides");
        QTest::addRow("plain") << false << false << false << false;
        QTest::addRow("corner letters") << true << false << true << false;
        QTest::addRow("side letters") << false << true << false << true;
        QTest::addRow("both") << true << true << true << true;
    }
    void labelledSquare()
    {
        QFETCH(bool, description);
        QFETCH(bool, lines);
        QFETCH(bool, corners);
        QFETCH(bool, sides);
        TShapeStyle s = coloured(65, 65);
        s.Description = description;
        s.Lines = lines;
        QImage image = blank(130, 130);
        paint(image, s, QPoint(30, 30), [](const TShapeTarget& t) {
            DrawLabelledPolygon(t, ShapeTables::Square.data(), 4, TLetterScheme::Square);
        });
        QCOMPARE(inkBox(image, Ground, QRect(22, 14, 8, 16)).isValid(), corners); // A at (30, 30)
        QCOMPARE(inkBox(image, Ground, QRect(94, 96, 8, 16)).isValid(), corners); // C at (94, 94)
        QCOMPARE(inkBox(image, Ground, QRect(22, 64, 8, 16)).isValid(), sides);   // a at (30, 62)
        QCOMPARE(at(image, 60, 60), clr::Red);
    }

    void lineFormHasTwoLetters()
    {
        TShapeStyle s = coloured(65, 65);
        s.Description = true;
        QImage image = blank(130, 130);
        paint(image, s, QPoint(30, 30), [](const TShapeTarget& t) {
            DrawLabelledPolygon(t, ShapeTables::Line.data(), 2, TLetterScheme::Triangle);
        });
        // The line from (30, 62) to (94, 62); B left of its start, C at its end.
        QCOMPARE(at(image, 30, 62), clr::Blue);
        QCOMPARE(at(image, 94, 62), clr::Blue);
        QVERIFY(inkBox(image, Ground, QRect(22, 64, 8, 16)).isValid());
        QVERIFY(inkBox(image, Ground, QRect(94, 64, 8, 16)).isValid());
        QCOMPARE(inkBox(image, Ground, QRect(0, 0, 130, 60)), QRect());
    }

    // Probe pixels that only one direction's head covers.
    void blockArrowDirection_data()
    {
        QTest::addColumn<qreal>("rotation");
        QTest::addColumn<QString>("direction");
        const QList<QPair<qreal, QString>> rows{
            {0, "right"},    {44.9, "right"}, {45, "down"},    {90, "down"},
            {134.9, "down"}, {135, "left"},   {180, "left"},   {224.9, "left"},
            {225, "down"},   {270, "down"},   {314.9, "down"}, {315, "right"},
            {360, "right"},  {-10, "right"},  {-90, "right"},  {500, "right"}};
        for (const auto& r : rows)
            QTest::addRow("%g", r.first) << r.first << r.second;
    }
    void blockArrowDirection()
    {
        QFETCH(qreal, rotation);
        QFETCH(QString, direction);
        TShapeStyle s = coloured(60, 40);
        s.ScaleX = 10;
        s.ScaleY = 5;
        s.Rotation = rotation;
        QImage image = blank(60, 40);
        paint(image, s, QPoint(), [](const TShapeTarget& t) { DrawBlockArrow(t); });
        QCOMPARE(at(image, 51, 4) != Ground, direction == "right");
        QCOMPARE(at(image, 8, 4) != Ground, direction == "left");
        QCOMPARE(at(image, 20, 37) != Ground, direction == "down");
    }

    void blockArrowGoesToOwnCanvas()
    {
        const TShapeStyle s = coloured(60, 40);
        QImage own = blank(60, 40);
        const QImage target = Drawn(blank(60, 40), [&](TCanvas& targetCanvas) {
            own = Drawn(own, [&](TCanvas& ownCanvas) {
                DrawBlockArrow(TShapeTarget{s, targetCanvas, QPoint(5, 5), &ownCanvas});
            });
        });
        QCOMPARE(inkBox(target), QRect());
        QCOMPARE(inkBox(own), QRect(0, 0, 60, 5)); // sy = 1: rows 0 to 4
    }

    // Each row: kind, brush clear, then probe points with the colour each
    // must show (Lime shadow, Blue outline, Red fill, Ground untouched).
    void shadowShapes_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("clearBrush");
        QTest::addColumn<QList<QPoint>>("probes");
        QTest::addColumn<QList<uint>>("colours");
        QTest::addRow("shArrow shafts")
            << 4 << QSize(100, 40) << false
            << QList<QPoint>{{4, 24}, {60, 24}, {0, 20}, {60, 20}, {60, 22}, {60, 18}, {2, 24}}
            << QList<uint>{clr::Lime, clr::Lime, clr::Blue, clr::Blue, Ground, Ground, Ground};
        QTest::addRow("shArrow heads")
            << 4 << QSize(100, 40) << false << QList<QPoint>{{96, 24}, {88, 20}, {91, 20}}
            << QList<uint>{clr::Lime, clr::Blue, clr::Red};
        QTest::addRow("shRect") << 1 << QSize(60, 40) << false
                                << QList<QPoint>{{0, 0}, {20, 15}, {56, 36}, {57, 2}, {2, 37}}
                                << QList<uint>{clr::Blue, clr::Red, clr::Lime, Ground, Ground};
        QTest::addRow("shRect, clear brush")
            << 1 << QSize(60, 40) << true << QList<QPoint>{{0, 0}, {20, 15}, {53, 33}, {55, 5}}
            << QList<uint>{clr::Blue, Ground, Ground, clr::Lime};
        QTest::addRow("shEllipse")
            << 2 << QSize(60, 40) << false << QList<QPoint>{{26, 16}, {50, 30}, {1, 1}}
            << QList<uint>{clr::Red, clr::Lime, Ground};
        QTest::addRow("shRdRect") << 6 << QSize(60, 40) << false
                                  << QList<QPoint>{{26, 16}, {53, 33}, {0, 0}, {1, 1}}
                                  << QList<uint>{clr::Red, clr::Lime, Ground, Ground};
    }
    void shadowShapes()
    {
        QFETCH(int, kind);
        QFETCH(QSize, size);
        QFETCH(bool, clearBrush);
        QFETCH(QList<QPoint>, probes);
        QFETCH(QList<uint>, colours);
        TShapeStyle s = coloured(size.width(), size.height());
        s.ScaleX = 4;
        s.ScaleY = 4;
        if (clearBrush)
            s.Brush.setStyle(TBrushStyle::Clear);
        QImage image = blank(size.width(), size.height());
        paint(image, s, QPoint(), [kind](const TShapeTarget& t) { DrawShadowShape(t, kind); });
        for (int i = 0; i < probes.size(); ++i)
            QVERIFY2(at(image, probes[i].x(), probes[i].y()) == colours[i],
                     qPrintable(QStringLiteral("probe (%1, %2): %3")
                                    .arg(probes[i].x())
                                    .arg(probes[i].y())
                                    .arg(at(image, probes[i].x(), probes[i].y()), 6, 16)));
    }

    void shadowTextFollowsCaption()
    {
        TShapeStyle s = coloured(120, 40);
        s.Caption = QStringLiteral("Mm");
        s.ScaleX = 3;
        s.ScaleY = 3;
        s.Font.setColor(clr::Blue);
        for (int kind : {3, 5}) {
            QImage image = blank(120, 40);
            paint(image, s, QPoint(), [kind](const TShapeTarget& t) { DrawShadowShape(t, kind); });
            QRect shadow, figure;
            for (int y = 0; y < 40; ++y)
                for (int x = 0; x < 120; ++x) {
                    if (at(image, x, y) == clr::Lime)
                        shadow |= QRect(x, y, 1, 1);
                    if (at(image, x, y) == clr::Blue)
                        figure |= QRect(x, y, 1, 1);
                }
            QVERIFY2(shadow.isValid() && figure.isValid(), qPrintable(QString::number(kind)));
            // The figure covers the shadow's top left, so only the far edges compare;
            // the centred kind sits in a box 6 smaller, which also moves it by 3.
            QCOMPARE(shadow.right() - figure.right(), 3);
            QCOMPARE(shadow.bottom() - figure.bottom(), 3);
        }
    }

    // Outline boxes of the plain figures: text boxes reach W - 2, H - 2.
    void outlines_data()
    {
        QTest::addColumn<int>("figure");
        QTest::addColumn<bool>("filled");
        QTest::addRow("text box") << 0 << true;
        QTest::addRow("rounded text box") << 1 << true;
        QTest::addRow("text circle") << 2 << true;
        QTest::addRow("hollow ellipse") << 3 << false;
    }
    void outlines()
    {
        QFETCH(int, figure);
        QFETCH(bool, filled);
        TShapeStyle s = coloured(50, 30);
        s.ScaleX = 10;
        s.ScaleY = 10;
        const QImage image = Drawn(blank(50, 30), [&](TCanvas& canvas) {
            canvas.Pen.setColor(clr::Blue);
            canvas.Brush.setColor(clr::Yellow);
            const TShapeTarget t{s, canvas, QPoint(9, 9)};
            if (figure == 3)
                DrawHollowEllipse(t);
            else
                DrawTextBox(t, figure);
        });
        QCOMPARE(inkBox(image), QRect(0, 0, 49, 29));
        QCOMPARE(at(image, 24, 14), filled ? clr::Red : Ground);
    }

    // Colours of the bitmap as drawn (combined with white by AND), by figure.
    void rasterFigure_data()
    {
        QTest::addColumn<int>("figure");
        QTest::addColumn<QList<QPoint>>("probes");
        QTest::addColumn<QList<uint>>("colours");
        QTest::addRow("rectangle") << 0 << QList<QPoint>{{0, 0}, {39, 29}, {20, 15}}
                                   << QList<uint>{clr::Blue, clr::Blue, clr::Red};
        QTest::addRow("ellipse") << 1 << QList<QPoint>{{0, 0}, {0, 15}, {20, 15}, {39, 29}}
                                 << QList<uint>{clr::Lime, clr::Blue, clr::Red, clr::Lime};
        QTest::addRow("diamond") << 2 << QList<QPoint>{{0, 0}, {0, 15}, {20, 15}, {20, 0}}
                                 << QList<uint>{clr::Lime, clr::Blue, clr::Red, clr::Blue};
        QTest::addRow("diamond for any figure")
            << -7 << QList<QPoint>{{0, 0}, {20, 15}} << QList<uint>{clr::Lime, clr::Red};
    }
    void rasterFigure()
    {
        QFETCH(int, figure);
        QFETCH(QList<QPoint>, probes);
        QFETCH(QList<uint>, colours);
        const TShapeStyle s = coloured(40, 30);
        QImage image = blank(60, 50, clr::White);
        paint(image, s, QPoint(),
              [figure](const TShapeTarget& t) { DrawRasterShape(t, figure, 1); });
        for (int i = 0; i < probes.size(); ++i)
            QCOMPARE(at(image, probes[i].x(), probes[i].y()), TColor(colours[i]));
        QCOMPARE(at(image, 40, 10), clr::White);
        QCOMPARE(at(image, 10, 30), clr::White);
    }

    // Every mode against its combination of the figure as drawn with the ground.
    void rasterModes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<uint>("ground");
        QTest::addRow("AND over white is the figure") << 1 << uint(clr::White);
        QTest::addRow("OR over black is the figure") << 2 << uint(clr::Black);
        QTest::addRow("XOR") << 0 << 0x336699u;
        QTest::addRow("AND") << 1 << 0x336699u;
        QTest::addRow("OR") << 2 << 0x336699u;
        QTest::addRow("source AND NOT destination") << 3 << 0x336699u;
        QTest::addRow("pattern") << 4 << 0x336699u;
        QTest::addRow("pattern for any other mode") << -3 << 0x336699u;
    }
    void rasterModes()
    {
        QFETCH(int, mode);
        QFETCH(uint, ground);
        const TShapeStyle s = coloured(40, 30);
        QImage figure = blank(40, 30, clr::White);
        paint(figure, s, QPoint(), [](const TShapeTarget& t) { DrawRasterShape(t, 1, 1); });
        // The shape control clears the canvas brush before drawing.
        const QImage image = Drawn(blank(40, 30, ground), [&](TCanvas& canvas) {
            canvas.Brush.setStyle(TBrushStyle::Clear);
            DrawRasterShape(TShapeTarget{s, canvas, QPoint()}, 1, mode);
        });
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x) {
                const TColor f = at(figure, x, y);
                TColor expected = 0;
                switch (mode) {
                case 0:
                    expected = f ^ ground;
                    break;
                case 1:
                    expected = f & ground;
                    break;
                case 2:
                    expected = f | ground;
                    break;
                case 3:
                    expected = f & ~ground & 0xFFFFFF;
                    break;
                default: // the canvas brush is clear: no pattern
                    expected = (~f & 0xFFFFFF) | ground;
                    break;
                }
                if (at(image, x, y) != expected)
                    QFAIL(qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
            }
    }

    void xorTwiceRestores()
    {
        TShapeStyle s = coloured(37, 23);
        QImage image(50, 40, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 50; ++x)
                image.setPixel(x, y, qRgb(x * 5, y * 6, (x * y) & 0xFF));
        const QImage before = image.copy();
        for (int figure : {0, 1, 2}) {
            paint(image, s, QPoint(),
                  [figure](const TShapeTarget& t) { DrawRasterShape(t, figure, 0); });
            QVERIFY(image != before);
            paint(image, s, QPoint(),
                  [figure](const TShapeTarget& t) { DrawRasterShape(t, figure, 0); });
            QCOMPARE(image, before);
        }
    }

    // Two cells of a 100 x 60 field of 10 x 10 cells (nx 10, ny 6), red 200
    // blended into green 100, Rotation 0.3: the colours at cells (3, 2) and (7, 5).
    void cellFormulas_data()
    {
        QTest::addColumn<int>("formula");
        QTest::addColumn<uint>("cell32");
        QTest::addColumn<uint>("cell75");
        const auto rg = [](uint r, uint g) {
            return r | g << 8;
        };
        QTest::addRow("diagonal") << 2 << rg(63, 68) << rg(153, 23);
        QTest::addRow("radial") << 3 << rg(74, 63) << rg(110, 45);
        QTest::addRow("angle") << 4 << rg(170, 15) << rg(50, 75);
        QTest::addRow("cross") << 5 << rg(37, 82) << rg(73, 63);
        QTest::addRow("cross off centre") << 6 << rg(73, 63) << rg(110, 45);
        QTest::addRow("sine 1") << 7 << rg(104, 48) << rg(17, 91);
        QTest::addRow("sine 2, cut to 8 bits") << 8 << rg(50, 203) << rg(50, 203);
        QTest::addRow("sine 3") << 9 << rg(73, 63) << rg(48, 76);
        QTest::addRow("sine 4") << 10 << rg(22, 89) << rg(0, 100);
        QTest::addRow("sine 5") << 11 << rg(3, 98) << rg(0, 100);
    }
    void cellFormulas()
    {
        QFETCH(int, formula);
        QFETCH(uint, cell32);
        QFETCH(uint, cell75);
        TShapeStyle s = coloured(100, 60);
        s.Brush.setColor(200);
        s.Color2 = 100 << 8;
        s.ScaleX = s.ScaleY = 10;
        s.Rotation = 0.3L;
        QImage image = blank(100, 60);
        bool fewColours = true;
        paint(image, s, QPoint(),
              [&](const TShapeTarget& t) { fewColours = DrawCellColourField(t, formula); });
        QVERIFY(!fewColours);
        QCOMPARE(at(image, 35, 25), TColor(cell32));
        QCOMPARE(at(image, 30, 20), TColor(cell32));
        QCOMPARE(at(image, 39, 29), TColor(cell32));
        QCOMPARE(at(image, 75, 55), TColor(cell75));
        QCOMPARE(inkBox(image), image.rect());
    }

    void cellSizes_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<int>("cell");
        QTest::addRow("stock exchange ground") << QSize(792, 406) << 32.0 << 32;
        QTest::addRow("scale 1 counts as 2") << QSize(40, 30) << 1.0 << 2;
        QTest::addRow("scale 0 counts as 2") << QSize(40, 30) << 0.0 << 2;
        QTest::addRow("scale 2.5 rounds to 2") << QSize(40, 30) << 2.5 << 2;
        QTest::addRow("scale 3.5 rounds to 4") << QSize(40, 30) << 3.5 << 4;
    }
    void cellSizes()
    {
        QFETCH(QSize, size);
        QFETCH(qreal, scale);
        QFETCH(int, cell);
        TShapeStyle s = coloured(size.width(), size.height());
        s.Brush.setColor(clr::White);
        s.Color2 = clr::Black;
        s.ScaleX = s.ScaleY = scale;
        QImage image = blank(size.width(), size.height());
        paint(image, s, QPoint(), [](const TShapeTarget& t) { DrawCellColourField(t, 2); });
        // The diagonal formula changes from each cell to the next along both axes.
        for (int k = 0; (k + 1) * cell < std::min(size.width(), size.height()); ++k) {
            const int a = k * cell;
            const int b = a + cell - 1;
            QCOMPARE(at(image, a, a), at(image, b, b));
            QVERIFY(at(image, b, b) != at(image, b + 1, b));
            QVERIFY(at(image, b, b) != at(image, b, b + 1));
        }
    }

    void randomCellsChangeEveryTime()
    {
        for (int formula : {0, 1}) {
            TShapeStyle s = coloured(60, 40);
            s.ScaleX = s.ScaleY = 4;
            QImage first = blank(60, 40);
            QImage second = blank(60, 40);
            paint(first, s, QPoint(),
                  [formula](const TShapeTarget& t) { DrawCellColourField(t, formula); });
            paint(second, s, QPoint(),
                  [formula](const TShapeTarget& t) { DrawCellColourField(t, formula); });
            QVERIFY(first != second);
        }
    }

    // Dithering shows only the two colours, the brush colour more often where
    // the formula is larger.
    void invariantDithers()
    {
        TShapeStyle s = coloured(200, 20);
        s.Invariant = true;
        s.ScaleX = s.ScaleY = 2;
        QImage image = blank(200, 20);
        paint(image, s, QPoint(), [](const TShapeTarget& t) { DrawCellColourField(t, 2); });
        int leftRed = 0;
        int rightRed = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 200; ++x) {
                const TColor c = at(image, x, y);
                QVERIFY(c == clr::Red || c == clr::Lime);
                if (c == clr::Red)
                    ++(x < 100 ? leftRed : rightRed);
            }
        QVERIFY2(leftRed < rightRed,
                 qPrintable(QStringLiteral("%1 %2").arg(leftRed).arg(rightRed)));
    }

    // Stripe boundaries along the middle line, brush black to Color2
    // (200, 100, 50): stripe g starts at Round(g * width) in colour g / n of the way.
    void stripes_data()
    {
        QTest::addColumn<bool>("across");
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<int>("length");
        QTest::addColumn<QList<int>>("starts");
        QTest::addRow("width 1 counts as 3")
            << true << 1.0 << 30 << QList<int>{0, 3, 6, 9, 12, 15, 18, 21, 24, 27};
        QTest::addRow("width 4.5 rounds to even")
            << true << 4.5 << 45 << QList<int>{0, 4, 9, 14, 18, 22, 27, 32, 36, 40};
        QTest::addRow("down, ScaleY 5")
            << false << 5.0 << 40 << QList<int>{0, 5, 10, 15, 20, 25, 30, 35};
    }
    void stripes()
    {
        QFETCH(bool, across);
        QFETCH(qreal, scale);
        QFETCH(int, length);
        QFETCH(QList<int>, starts);
        TShapeStyle s = coloured(across ? length : 20, across ? 20 : length);
        s.Brush.setColor(clr::Black);
        s.Color2 = 0x3264C8;
        s.Pen.setColor(clr::White);
        (across ? s.ScaleX : s.ScaleY) = scale;
        (across ? s.ScaleY : s.ScaleX) = 100; // the other scale plays no part
        QImage image = blank(s.W, s.H);
        paint(image, s, QPoint(), [across](const TShapeTarget& t) {
            DrawStripeField(t, across ? TStripeDirection::Across : TStripeDirection::Down);
        });
        const auto pixel = [&](int k) {
            return across ? at(image, k, 10) : at(image, 10, k);
        };
        const int n = static_cast<int>(starts.size());
        for (int g = 0; g < n; ++g) {
            const int from = std::max(starts[g], 1); // the outline covers the first line
            const int to = (g + 1 < n ? starts[g + 1] : length - 1) - 1;
            // Halves round to even: 100 / 8 gives 12.
            const TColor expected = TColor(std::lrint(200.0 * g / n)) |
                                    TColor(std::lrint(100.0 * g / n)) << 8 |
                                    TColor(std::lrint(50.0 * g / n)) << 16;
            for (int k = from; k <= to; ++k)
                QVERIFY2(
                    pixel(k) == expected,
                    qPrintable(
                        QStringLiteral("stripe %1 at %2: %3").arg(g).arg(k).arg(pixel(k), 6, 16)));
        }
        // The outline in the pen colour frames the whole field.
        QCOMPARE(at(image, 0, 0), clr::White);
        QCOMPARE(at(image, s.W - 1, s.H - 1), clr::White);
    }

    void narrowStripeFieldShowsBrush()
    {
        // 3 / 7 rounds to no stripes: one stripe in the brush colour, no blend.
        TShapeStyle s = coloured(3, 10);
        s.ScaleX = 7;
        QImage image = blank(3, 10);
        paint(image, s, QPoint(),
              [](const TShapeTarget& t) { DrawStripeField(t, TStripeDirection::Across); });
        QCOMPARE(at(image, 0, 5), clr::Blue);
        QCOMPARE(at(image, 1, 5), clr::Red);
    }

    void degenerateInputsDrawSafely()
    {
        for (const QSize size : {QSize(0, 0), QSize(1, 1), QSize(-5, 20)}) {
            TShapeStyle s = coloured(size.width(), size.height());
            s.ScaleX = 1e30L;
            s.ScaleY = -1e30L;
            s.Rotation = std::numeric_limits<Extended>::quiet_NaN();
            s.Description = s.Lines = true;
            s.Caption = QStringLiteral("x");
            QImage image = blank(20, 20);
            paint(image, s, QPoint(), [](const TShapeTarget& t) {
                DrawLabelledPolygon(t, ShapeTables::Square.data(), 4, TLetterScheme::Square);
                DrawTablePolygon(t, ShapeTables::Arrow4.data(), 10);
                for (int kind = 0; kind <= 2; ++kind)
                    DrawTextBox(t, kind);
                for (int kind = 1; kind <= 6; ++kind)
                    DrawShadowShape(t, kind);
                DrawHollowEllipse(t);
                DrawBlockArrow(t);
                DrawRasterShape(t, 2, 4);
                for (int formula = -1; formula <= 12; ++formula)
                    DrawCellColourField(t, formula);
                DrawStripeField(t, TStripeDirection::Across);
                DrawStripeField(t, TStripeDirection::Down);
            });
        }
    }

    // Each routine of the picture sheet leaves ink on its ground.
    void everyRoutineDraws()
    {
        for (const TRoutineTile& tile : RoutineTiles())
            QVERIFY2(tile.picture != tile.ground, qPrintable(tile.name));
    }
};

TRAINER_TEST_MAIN(TestShapeDraw)
#include "test_shapedraw.moc"
