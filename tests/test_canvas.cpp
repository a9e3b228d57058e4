#include "TestMain.h"
#include "TestPixels.h"

#include "platform/Canvas.h"
#include "platform/Prerendered.h"
#include "platform/Widgets.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>

class TestCanvas : public QObject {
    Q_OBJECT
private slots:
    void channels()
    {
        QCOMPARE(GetRed(0x00C9B6C1), 193);
        QCOMPARE(GetGreen(0x00C9B6C1), 182);
        QCOMPARE(GetBlue(0x00C9B6C1), 201);
        QCOMPARE(ToQColor(clr::Navy), QColor(0, 0, 128));
        QCOMPARE(FromQColor(QColor(193, 182, 201)), 0x00C9B6C1u);
    }

    void rectangleLeavesOutRightAndBottom()
    {
        const QImage image = Drawn(blank(20, 20, clr::White), [&](TCanvas& c) {
            c.Brush.setColor(clr::Red);
            c.Rectangle(2, 3, 10, 8);
        });
        QCOMPARE(inkBox(image, clr::White), QRect(QPoint(2, 3), QPoint(9, 7)));
        QCOMPARE(at(image, 2, 3), clr::Black);
        QCOMPARE(at(image, 9, 7), clr::Black);
        QCOMPARE(at(image, 5, 5), clr::Red);
    }

    void rectangleWithoutPenFillsOneLess()
    {
        const QImage image = Drawn(blank(20, 20, clr::White), [&](TCanvas& c) {
            c.Pen.setStyle(TPenStyle::Clear);
            c.Brush.setColor(clr::Blue);
            c.Rectangle(2, 3, 10, 8);
        });
        QCOMPARE(inkBox(image, clr::White), QRect(QPoint(2, 3), QPoint(8, 6)));
    }

    void fillRectCoversToRightMinusOne()
    {
        const QImage image = Drawn(blank(20, 20, clr::White), [&](TCanvas& c) {
            c.Brush.setColor(clr::Green);
            c.FillRect(2, 3, 10, 8);
        });
        QCOMPARE(inkBox(image, clr::White), QRect(QPoint(2, 3), QPoint(9, 7)));
    }

    void lineToLeavesOutEndPixel_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QRect>("box");
        QTest::addRow("horizontal") << QPoint(1, 1) << QPoint(8, 1) << QRect(1, 1, 7, 1);
        QTest::addRow("vertical") << QPoint(4, 2) << QPoint(4, 12) << QRect(4, 2, 1, 10);
        QTest::addRow("right to left") << QPoint(10, 5) << QPoint(2, 5) << QRect(3, 5, 8, 1);
        QTest::addRow("same point") << QPoint(3, 3) << QPoint(3, 3) << QRect();
    }
    void lineToLeavesOutEndPixel()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QRect, box);
        const QImage image = Drawn(blank(16, 16, clr::White), [&](TCanvas& c) {
            c.MoveTo(from.x(), from.y());
            c.LineTo(to.x(), to.y());
            QCOMPARE(c.PenPos(), to);
        });
        QCOMPARE(inkBox(image, clr::White), box);
    }

    // Where the error term ties, a flat line steps along x first and a steep one
    // along y first.
    void thinLineTies_data()
    {
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QList<QPoint>>("pixels");
        QTest::addRow("flat") << QPoint(6, 4) << QList<QPoint>{{2, 2}, {3, 3}, {4, 3}, {5, 4}};
        QTest::addRow("steep") << QPoint(4, 6) << QList<QPoint>{{2, 2}, {3, 3}, {3, 4}, {4, 5}};
    }
    void thinLineTies()
    {
        QFETCH(QPoint, to);
        QFETCH(QList<QPoint>, pixels);
        const QImage image = Drawn(blank(8, 8, clr::White), [&](TCanvas& c) {
            c.MoveTo(2, 2);
            c.LineTo(to.x(), to.y());
        });
        QList<QPoint> drawn;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                if (at(image, x, y) != clr::White)
                    drawn << QPoint(x, y);
        QCOMPARE(drawn, pixels);
    }

    void ellipseUsesRectangleBox()
    {
        const QImage image = Drawn(blank(40, 40, clr::White), [&](TCanvas& c) {
            c.Brush.setColor(clr::Lime);
            c.Ellipse(2, 2, 26, 26);
        });
        QCOMPARE(inkBox(image, clr::White), QRect(QPoint(2, 2), QPoint(25, 25)));
        QCOMPARE(at(image, 14, 14), clr::Lime);
        QCOMPARE(at(image, 2, 2), clr::White); // corner outside the ellipse
    }

    void pieFromTwoRays_data()
    {
        // Box 10, 10 .. 110, 110; centre 60, 60. Probes 25 pixels into the
        // upper-left, upper-right, lower-left and lower-right quarter.
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QString>("quarters"); // which probes are filled, in that order
        QTest::addRow("quarter from twelve") << QPoint(60, 0) << QPoint(0, 60) << "x...";
        QTest::addRow("three quarters from twelve") << QPoint(60, 0) << QPoint(200, 60) << "x.xx";
        QTest::addRow("half from nine") << QPoint(0, 60) << QPoint(110, 60) << "..xx";
        QTest::addRow("swapped rays give the rest") << QPoint(0, 60) << QPoint(60, 0) << ".xxx";
        QTest::addRow("points near the centre") << QPoint(60, 59) << QPoint(59, 60) << "x...";
        QTest::addRow("same ray twice") << QPoint(60, -5) << QPoint(60, -300) << "xxxx";
    }
    void pieFromTwoRays()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QString, quarters);
        const QImage image = Drawn(blank(130, 130, clr::White), [&](TCanvas& c) {
            c.Brush.setColor(clr::Red);
            c.Pie(10, 10, 110, 110, from.x(), from.y(), to.x(), to.y());
        });
        const QPoint probes[] = {{35, 35}, {85, 35}, {35, 85}, {85, 85}};
        for (int q = 0; q < 4; ++q)
            QVERIFY2(at(image, probes[q].x(), probes[q].y()) ==
                         (quarters[q] == QLatin1Char('x') ? clr::Red : clr::White),
                     qPrintable(QStringLiteral("quarter %1").arg(q)));
        // Never beyond the box that Ellipse uses.
        QVERIFY(QRect(QPoint(10, 10), QPoint(109, 109)).contains(inkBox(image, clr::White)));
    }

    void pieKeepsTheEllipseRim()
    {
        // A filled ellipse with a pie over it: the pie adds no pixel outside the
        // ellipse, and where it lies, its rim is the ellipse's rim.
        const auto draw = [](bool pie) {
            return Drawn(blank(80, 60, clr::White), [pie](TCanvas& c) {
                c.Brush.setColor(clr::Navy);
                c.Ellipse(3, 5, 74, 52);
                if (pie) {
                    c.Brush.setColor(clr::Yellow);
                    c.Pie(3, 5, 74, 52, 100, 0, 0, 60);
                }
            });
        };
        const QImage ellipse = draw(false), both = draw(true);
        int yellow = 0;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 80; ++x) {
                const bool inside = at(ellipse, x, y) != clr::White;
                QCOMPARE(at(both, x, y) != clr::White, inside);
                if (at(ellipse, x, y) == clr::Black)
                    QCOMPARE(at(both, x, y), clr::Black);
                yellow += at(both, x, y) == clr::Yellow;
            }
        QVERIFY(yellow > 500);
    }

    void pieFollowsRaysOnAWideEllipse()
    {
        // Rays from the centre 100, 25 to the two upper corners: the sector is
        // bounded by the rays themselves, not by the angles taken as arc angles.
        const QImage image = Drawn(blank(210, 60, clr::White), [&](TCanvas& c) {
            c.Brush.setColor(clr::Lime);
            c.Pie(0, 0, 200, 50, 200, 0, 0, 0);
        });
        QCOMPARE(at(image, 150, 8), clr::Lime);
        QCOMPARE(at(image, 50, 8), clr::Lime);
        QCOMPARE(at(image, 150, 17), clr::White); // below the ray to 200, 0
        QCOMPARE(at(image, 50, 17), clr::White);
        QCOMPARE(at(image, 100, 40), clr::White);
    }

    void pieOfEmptyBoxDrawsNothing()
    {
        const QImage image = Drawn(blank(20, 20, clr::White), [&](TCanvas& c) {
            c.Pie(5, 5, 5, 15, 0, 0, 10, 10);
            c.Pie(5, 15, 15, 5, 0, 0, 10, 10);
        });
        QCOMPARE(inkBox(image, clr::White), QRect());
    }

    void textOutPlacesTopLeft()
    {
        QImage image = blank(120, 40, clr::White);
        int height = 0;
        image = Drawn(image, [&](TCanvas& c) {
            c.SetBkModeTransparent(true);
            c.TextOut(10, 5, QStringLiteral("Hut"));
            height = c.TextHeight(QStringLiteral("Hut"));
            QVERIFY(c.TextWidth(QStringLiteral("Hut")) > 10);
        });
        const QRect box = inkBox(image, clr::White);
        QVERIFY(box.left() >= 10 && box.left() <= 12);
        QVERIFY(box.top() <= 5 + height / 2);
        QVERIFY(box.top() >= 5);
        QVERIFY(box.bottom() < 5 + height);
    }

    void opaqueTextFillsItsCell()
    {
        const QImage image = Drawn(blank(120, 40, clr::White), [&](TCanvas& c) {
            c.Brush.setColor(clr::Silver);
            c.TextOut(10, 5, QStringLiteral("x"));
        });
        QCOMPARE(at(image, 10, 5), clr::Silver);
    }

    void xorPenTwiceRestores()
    {
        QImage image = blank(20, 20, clr::White);
        image.setPixelColor(5, 5, QColor(12, 34, 56));
        const QImage before = image;
        image = Drawn(image, [&](TCanvas& c) {
            c.Pen.setMode(TPenMode::Xor);
            c.Pen.setColor(0x00A0B0C0);
            for (int i = 0; i < 2; ++i) {
                c.MoveTo(0, 5);
                c.LineTo(19, 5);
            }
        });
        QCOMPARE(image, before);
    }

    void shapeWidget_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("penWidth");
        QTest::addColumn<bool>("clearPen");
        QTest::addColumn<bool>("clearBrush");
        QTest::addColumn<QRect>("ink");
        QTest::addColumn<bool>("cornerPainted"); // top-left pixel of the ink box
        const auto rect = static_cast<int>(TShapeType::Rectangle);
        QTest::addRow("rectangle fills the widget")
            << rect << QSize(20, 10) << 1 << false << false << QRect(0, 0, 20, 10) << true;
        QTest::addRow("one pixel high")
            << rect << QSize(20, 1) << 1 << false << false << QRect(0, 0, 20, 1) << true;
        QTest::addRow("wide pen stays inside")
            << rect << QSize(20, 10) << 3 << false << false << QRect(0, 0, 20, 10) << true;
        QTest::addRow("clear pen fills one less")
            << rect << QSize(20, 10) << 1 << true << false << QRect(0, 0, 19, 9) << true;
        QTest::addRow("clear brush")
            << rect << QSize(20, 10) << 1 << false << true << QRect(0, 0, 20, 10) << true;
        QTest::addRow("square centred") << static_cast<int>(TShapeType::Square) << QSize(20, 10)
                                        << 1 << false << false << QRect(5, 0, 10, 10) << true;
        QTest::addRow("ellipse") << static_cast<int>(TShapeType::Ellipse) << QSize(30, 16) << 1
                                 << false << false << QRect(0, 0, 30, 16) << false;
        QTest::addRow("circle centred") << static_cast<int>(TShapeType::Circle) << QSize(16, 30)
                                        << 1 << false << false << QRect(0, 7, 16, 16) << false;
        QTest::addRow("round rectangle") << static_cast<int>(TShapeType::RoundRect) << QSize(40, 20)
                                         << 1 << false << false << QRect(0, 0, 40, 20) << false;
    }
    void shapeWidget()
    {
        QFETCH(int, kind);
        QFETCH(QSize, size);
        QFETCH(int, penWidth);
        QFETCH(bool, clearPen);
        QFETCH(bool, clearBrush);
        QFETCH(QRect, ink);
        QFETCH(bool, cornerPainted);
        QWidget parent;
        parent.resize(size + QSize(20, 20));
        auto* shape = MakeChild<TShape>(&parent, "Shape", 10, 10, size.width(), size.height());
        shape->setShape(static_cast<TShapeType>(kind));
        shape->pen().setWidth(penWidth);
        if (clearPen)
            shape->pen().setStyle(TPenStyle::Clear);
        shape->brush().setColor(clr::Red);
        if (clearBrush)
            shape->brush().setStyle(TBrushStyle::Clear);
        QImage image = blank(size.width(), size.height(), clr::White);
        shape->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
        QCOMPARE(inkBox(image, clr::White), ink);
        QCOMPARE(at(image, ink.left(), ink.top()) != clr::White, cornerPainted);
        const QPoint centre = ink.center();
        if (size.height() > 2)
            QCOMPARE(at(image, centre.x(), centre.y()), clearBrush ? clr::White : clr::Red);
        if (!clearPen) {
            // The outline meets the middle of each side of the box.
            QCOMPARE(at(image, centre.x(), ink.top()), clr::Black);
            QCOMPARE(at(image, centre.x(), ink.bottom()), clr::Black);
            QCOMPARE(at(image, ink.left(), centre.y()), clr::Black);
            QCOMPARE(at(image, ink.right(), centre.y()), clr::Black);
        }
    }

    void styleChangesNotify()
    {
        TPen pen;
        int calls = 0;
        pen.onChange = [&] {
            ++calls;
        };
        pen.setColor(clr::Red);
        pen.setColor(clr::Red); // unchanged: no notification
        pen.setWidth(3);
        TBrush brush;
        brush.onChange = [&] {
            ++calls;
        };
        brush.setStyle(TBrushStyle::Clear);
        TFont font;
        font.onChange = [&] {
            ++calls;
        };
        font.setColor(clr::White);
        QCOMPARE(calls, 4);
    }

    // Each row: source and destination pixel, canvas brush (or clear), result.
    void copyImageModes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<uint>("source");
        QTest::addColumn<uint>("destination");
        QTest::addColumn<bool>("brush");
        QTest::addColumn<uint>("expected");
        const auto row = [](const char* name, TCopyMode m, TColor s, TColor d, bool b, TColor e) {
            QTest::addRow("%s", name) << int(m) << s << d << b << e;
        };
        row("copy", TCopyMode::SrcCopy, 0x123456, 0xABCDEF, false, 0x123456);
        row("xor", TCopyMode::SrcInvert, 0x0F0F0F, 0x3C3C3C, false, 0x333333);
        row("and", TCopyMode::SrcAnd, 0x0F0FF0, 0x3C3C3C, false, 0x0C0C30);
        row("or", TCopyMode::SrcPaint, 0x0F0FF0, 0x3C3C3C, false, 0x3F3FFC);
        row("source and not destination", TCopyMode::SrcErase, 0x0F0FF0, 0x3C3C3C, false, 0x0303C0);
        row("pattern, clear brush", TCopyMode::PatPaint, 0xF0F0FF, 0x010203, false, 0x0F0F03);
        row("pattern, solid brush", TCopyMode::PatPaint, 0xFFFFFF, 0x000001, true, 0x402001);
    }
    void copyImageModes()
    {
        QFETCH(int, mode);
        QFETCH(uint, source);
        QFETCH(uint, destination);
        QFETCH(bool, brush);
        QFETCH(uint, expected);
        QImage src(3, 2, QImage::Format_ARGB32_Premultiplied);
        src.fill(ToQColor(source));
        QImage image(5, 4, QImage::Format_ARGB32_Premultiplied);
        image.fill(ToQColor(destination));
        image = Drawn(image, [&](TCanvas& canvas) {
            canvas.Brush.setColor(0x402000);
            canvas.Brush.setStyle(brush ? TBrushStyle::Solid : TBrushStyle::Clear);
            canvas.CopyImage(1, 1, src, static_cast<TCopyMode>(mode));
        });
        QCOMPARE(FromQColor(image.pixelColor(1, 1)), TColor(expected));
        QCOMPARE(FromQColor(image.pixelColor(3, 2)), TColor(expected));
        QCOMPARE(qAlpha(image.pixel(2, 1)), 255);
        // Only the image's own area changes.
        QCOMPARE(FromQColor(image.pixelColor(0, 1)), TColor(destination));
        QCOMPARE(FromQColor(image.pixelColor(4, 2)), TColor(destination));
        QCOMPARE(FromQColor(image.pixelColor(1, 3)), TColor(destination));
    }

    void assignKeepsOwnNotification()
    {
        TPen pen;
        TBrush brush;
        TFont font;
        int ownerCalls = 0;
        pen.onChange = brush.onChange = font.onChange = [&] {
            ++ownerCalls;
        };
        pen.setColor(clr::Red);
        pen.setWidth(4);
        brush.setStyle(TBrushStyle::Clear);
        font.setBold(true);
        ownerCalls = 0;

        TPen canvasPen;
        TBrush canvasBrush;
        TFont canvasFont;
        int canvasCalls = 0;
        canvasPen.onChange = canvasBrush.onChange = canvasFont.onChange = [&] {
            ++canvasCalls;
        };
        canvasPen.Assign(pen);
        canvasBrush.Assign(brush);
        canvasFont.Assign(font);
        QCOMPARE(canvasPen.color(), clr::Red);
        QCOMPARE(canvasPen.width(), 4);
        QCOMPARE(canvasBrush.style(), TBrushStyle::Clear);
        QVERIFY(canvasFont.font().bold());
        QVERIFY(canvasCalls > 0);
        canvasPen.setColor(clr::Blue);
        canvasFont.setColor(clr::Blue);
        QCOMPARE(ownerCalls, 0);
    }

    void gradientMinimumBand()
    {
        // b = 1 counts as 3: h = 9 gives bands at rows 0, 3, 6, 9.
        const QImage image = Drawn(blank(4, 9, clr::White), [&](TCanvas& c) {
            FillGradient(c, 0x000000, 0x0000FF, 4, 9, 1);
        });
        QCOMPARE(at(image, 0, 0), TColor(0x000000));
        QCOMPARE(at(image, 0, 2), TColor(0x000000));
        QCOMPARE(GetRed(FromQColor(image.pixelColor(0, 3))), 85);
        QCOMPARE(GetRed(FromQColor(image.pixelColor(0, 6))), 170);
    }

    void gradientYellowToRed()
    {
        // w = 57, h = 209, b = 4: n = 52, 53 bands, green of band t is 255 - rounded(t * 255 / 52).
        const QImage image = Drawn(blank(57, 215, clr::White), [&](TCanvas& c) {
            FillGradient(c, 0x00FFFF, 0x0000FF, 57, 209, 4);
        });
        for (int t = 0; t <= 52; ++t) {
            for (int row = t * 4; row < t * 4 + 4; ++row) {
                const TColor px = FromQColor(image.pixelColor(55, row));
                QCOMPARE(GetRed(px), 255);
                QCOMPARE(GetBlue(px), 0);
                QCOMPARE(GetGreen(px), 255 - qRound(t * 255.0 / 52 - 1e-9 * (t % 2)));
            }
        }
        QCOMPARE(GetGreen(FromQColor(image.pixelColor(0, 26 * 4))), 127);
        QCOMPARE(at(image, 0, 0), TColor(0x00FFFF));
        QCOMPARE(at(image, 0, 52 * 4 + 3), TColor(0x0000FF));
        // Without an outline the bands leave out the last column.
        QCOMPARE(at(image, 55, 211), TColor(0x0000FF));
        QCOMPARE(at(image, 56, 100), TColor(0xFFFFFF));
    }

    void gradientEdgeHeights()
    {
        QImage image = Drawn(blank(10, 10, clr::White), [&](TCanvas& c) {
            FillGradient(c, 0x0000FF, 0xFF0000, 10, -5, 4); // negative height: nothing
        });
        QCOMPARE(inkBox(image, clr::White), QRect());
        image = Drawn(image, [&](TCanvas& c) {
            FillGradient(c, 0x0000FF, 0xFF0000, 10, 1, 4); // n = 0: one band in the start colour
        });
        QCOMPARE(at(image, 0, 0), TColor(0x0000FF));
        QCOMPARE(at(image, 8, 3), TColor(0x0000FF));
        QCOMPARE(at(image, 0, 4), TColor(0xFFFFFF));
    }

    void shapeStaysInsideItsWidget_data()
    {
        QTest::addColumn<bool>("ellipse");
        QTest::addColumn<int>("penWidth"); // 0: no outline
        QTest::addColumn<QRect>("ink");    // a rectangle's exact box; an ellipse's bounds
        QTest::addRow("rectangle") << false << 1 << QRect(0, 0, 20, 10);
        QTest::addRow("rectangle without outline") << false << 0 << QRect(0, 0, 19, 9);
        QTest::addRow("rectangle, wide pen") << false << 3 << QRect(0, 0, 20, 10);
        QTest::addRow("ellipse without outline") << true << 0 << QRect(0, 0, 20, 10);
        QTest::addRow("ellipse, wide pen") << true << 3 << QRect(0, 0, 20, 10);
    }
    void shapeStaysInsideItsWidget()
    {
        QFETCH(bool, ellipse);
        QFETCH(int, penWidth);
        QFETCH(QRect, ink);
        TShape shape;
        shape.resize(20, 10);
        shape.setShape(ellipse ? TShapeType::Ellipse : TShapeType::Rectangle);
        shape.brush().setColor(clr::Lime);
        if (penWidth == 0)
            shape.pen().setStyle(TPenStyle::Clear);
        else
            shape.pen().setWidth(penWidth);
        const QImage image = Drawn(blank(30, 20, clr::White), [&](TCanvas& c) {
            TShape::Draw(c, shape.size(), shape.shape(), shape.pen(), shape.brush());
        });
        if (ellipse) {
            QVERIFY(ink.contains(inkBox(image, clr::White)));
            QCOMPARE(at(image, 0, 0), clr::White);
            QCOMPARE(at(image, 19, 9), clr::White);
        } else {
            QCOMPARE(inkBox(image, clr::White), ink);
            QCOMPARE(at(image, 0, 0), penWidth ? clr::Black : clr::Lime);
        }
        QCOMPARE(at(image, 10, 5), clr::Lime);
    }

    // Steps "file:<colour>", "missing" or "image:<colour>" in order; the picture
    // the last one stands for is what the widget shows (none: it draws nothing).
    void imageFromFile_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("shown");
        QTest::addRow("file") << QStringList{"file:red"} << "red";
        QTest::addRow("missing file") << QStringList{"missing"} << "";
        QTest::addRow("picture after file") << QStringList{"file:red", "image:blue"} << "blue";
        QTest::addRow("file after picture") << QStringList{"image:blue", "file:red"} << "red";
        QTest::addRow("missing after picture") << QStringList{"image:blue", "missing"} << "";
    }
    void imageFromFile()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, shown);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("picture.png"));
        const auto solid = [](const QString& colour) {
            QImage image(8, 8, QImage::Format_RGB32);
            image.fill(QColor(colour));
            return image;
        };
        QVERIFY(solid(QStringLiteral("red")).save(file));

        TImage widget;
        widget.resize(8, 8);
        for (const QString& step : steps) {
            if (step == QLatin1String("missing"))
                widget.setImageFile(dir.filePath(QStringLiteral("none.png")));
            else if (step.startsWith(QLatin1String("file:")))
                widget.setImageFile(file);
            else
                widget.setImage(solid(step.mid(6)));
        }
        QImage painted = blank(8, 8, clr::White);
        widget.render(&painted, QPoint(), QRegion(), QWidget::RenderFlags());
        if (shown.isEmpty()) {
            QVERIFY(widget.image().isNull());
            QCOMPARE(at(painted, 4, 4), clr::White);
        } else {
            QCOMPARE(widget.image().pixelColor(0, 0), QColor(shown));
            QCOMPARE(painted.pixelColor(4, 4), QColor(shown));
        }
    }

    // Steps "load:a|b", "size:WxH" or "paint"; at the end the widget must show
    // the picture last loaded, drawn afresh at its current size.
    void vectorPictureFollowsSizeAndFile_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addRow("first paint") << QStringList{"load:a", "size:40x20"};
        QTest::addRow("grown after a paint")
            << QStringList{"load:a", "size:40x20", "paint", "size:60x30"};
        QTest::addRow("shrunk after a paint")
            << QStringList{"load:a", "size:60x30", "paint", "size:20x10"};
        QTest::addRow("other picture after a paint")
            << QStringList{"load:a", "size:40x20", "paint", "load:b"};
        QTest::addRow("painted twice") << QStringList{"load:b", "size:40x20", "paint", "paint"};
    }
    void vectorPictureFollowsSizeAndFile()
    {
        QFETCH(QStringList, steps);
        QTemporaryDir dir;
        const QMap<QString, QByteArray> svgs{
            {"a", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"20\" height=\"10\">"
                  "<rect width=\"10\" height=\"10\" fill=\"#ff0000\"/>"
                  "<ellipse cx=\"15\" cy=\"5\" rx=\"4\" ry=\"3\" fill=\"#0000ff\"/></svg>"},
            {"b", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"20\" height=\"10\">"
                  "<polygon points=\"0,10 10,0 20,10\" fill=\"#00a000\"/></svg>"}};
        for (auto it = svgs.begin(); it != svgs.end(); ++it) {
            QFile f(dir.filePath(it.key() + ".svg"));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(it.value());
        }
        const auto paint = [](TImage& w) {
            QImage painted = blank(w.width(), w.height(), clr::White);
            w.render(&painted, QPoint(), QRegion(), QWidget::RenderFlags());
            return painted;
        };
        TImage widget;
        QString loaded;
        for (const QString& step : steps) {
            if (step.startsWith(QLatin1String("load:"))) {
                loaded = dir.filePath(step.mid(5) + ".svg");
                widget.loadSvg(loaded);
            } else if (step.startsWith(QLatin1String("size:"))) {
                const QStringList wh = step.mid(5).split('x');
                widget.resize(wh[0].toInt(), wh[1].toInt());
            } else {
                paint(widget);
            }
        }
        const QImage shown = paint(widget);
        QImage expected = blank(widget.width(), widget.height(), clr::White);
        {
            QPainter p(&expected);
            p.setRenderHint(QPainter::Antialiasing);
            QSvgRenderer svg(loaded);
            svg.setAspectRatioMode(Qt::IgnoreAspectRatio);
            svg.render(&p, QRectF(expected.rect()));
        }
        // Drawn once and copied, edge pixels may round one step differently.
        int worst = 0;
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x) {
                const QColor a = shown.pixelColor(x, y), b = expected.pixelColor(x, y);
                worst = std::max({worst, std::abs(a.red() - b.red()),
                                  std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
            }
        QVERIFY2(worst <= 2, qPrintable(QStringLiteral("differs by %1").arg(worst)));
    }

    // Every picture drawn at build time must be its SVG as drawn at run time.
    void prerenderedIsTheSvg_data()
    {
        QTest::addColumn<QString>("svg");
        QTest::addColumn<QSize>("size");
        const QStringList files = QDir(QStringLiteral(":/prerendered")).entryList();
        QVERIFY(!files.isEmpty());
        const QRegularExpression name(QStringLiteral("^(.+)-(\\d+)x(\\d+)\\.argb$"));
        for (const QString& file : files) {
            const QRegularExpressionMatch m = name.match(file);
            QVERIFY2(m.hasMatch(), qPrintable(file));
            QTest::addRow("%s", qPrintable(file))
                << QStringLiteral(":/%1.svg").arg(m.captured(1))
                << QSize(m.captured(2).toInt(), m.captured(3).toInt());
        }
    }
    void prerenderedIsTheSvg()
    {
        QFETCH(QString, svg);
        QFETCH(QSize, size);
        QImage drawn(size, QImage::Format_ARGB32_Premultiplied);
        drawn.fill(Qt::transparent);
        {
            QPainter p(&drawn);
            p.setRenderHint(QPainter::Antialiasing);
            QSvgRenderer(svg).render(&p, QRectF(drawn.rect()));
        }
        QCOMPARE(PrerenderedSvg(svg, size), drawn);
    }

    // Glyphs are drawn once per picture and size: each button must still show
    // its own picture at its own size, however many buttons came before.
    void glyphShowsItsPictureAtItsSize_data()
    {
        QTest::addColumn<QStringList>("glyphs");
        QTest::addRow("one") << QStringList{"tip 18 18"};
        QTest::addRow("same twice") << QStringList{"tip 18 18", "tip 18 18"};
        QTest::addRow("same picture, other size") << QStringList{"tip 18 18", "tip 17 17"};
        QTest::addRow("other picture, same size") << QStringList{"new 17 17", "check 17 17"};
        QTest::addRow("normal and disabled halves") << QStringList{"statistic 32 16 strip"};
    }
    void glyphShowsItsPictureAtItsSize()
    {
        QFETCH(QStringList, glyphs);
        for (const QString& glyph : glyphs) {
            const QStringList part = glyph.split(' ');
            const QString file = QStringLiteral(":/glyph-%1.svg").arg(part[0]);
            const int width = part[1].toInt(), height = part[2].toInt();
            const bool strip = part.size() > 3;
            TSpeedButton button;
            button.setGlyph(file, width, height, strip);
            QImage drawn(width, height, QImage::Format_ARGB32_Premultiplied);
            drawn.fill(Qt::transparent);
            {
                QPainter p(&drawn);
                QSvgRenderer(file).render(&p);
            }
            const int w = strip ? width / 2 : width;
            QCOMPARE(button.iconSize(), QSize(w, height));
            QCOMPARE(button.icon().pixmap(w, height).toImage(), drawn.copy(0, 0, w, height));
            if (strip)
                QCOMPARE(button.icon().pixmap(w, height, QIcon::Disabled).toImage(),
                         drawn.copy(w, 0, w, height));
        }
    }
};

TRAINER_TEST_MAIN(TestCanvas)
#include "test_canvas.moc"
