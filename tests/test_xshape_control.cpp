#include "TestMain.h"
#include "TestPixels.h"

#include "core/Random.h"
#include "xshape/ShapeDraw.h"
#include "xshape/XShape.h"

#include <QImage>
#include <QPainter>

#include <functional>

namespace {

// The control's own paint path, over a grey parent.
QImage paintControl(TXShape& shape)
{
    QImage image = blank(shape.width(), shape.height());
    shape.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

QFont testFont()
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(11);
    return f;
}

using Routine = std::function<void(const TShapeTarget&)>;

Routine labelled(const TUnitPoint* table, int count, TLetterScheme scheme)
{
    return [=](const TShapeTarget& t) {
        DrawLabelledPolygon(t, table, count, scheme);
    };
}

Routine polygon(const TUnitPoint* table, int count)
{
    return [=](const TShapeTarget& t) {
        DrawTablePolygon(t, table, count);
    };
}

Routine cells(int k)
{
    return [k](const TShapeTarget& t) {
        DrawCellColourField(t, k);
    };
}

Routine shadow(int kind)
{
    return [kind](const TShapeTarget& t) {
        DrawShadowShape(t, kind);
    };
}

Routine raster(int figure, int mode)
{
    return [=](const TShapeTarget& t) {
        DrawRasterShape(t, figure, mode);
    };
}

} // namespace

Q_DECLARE_METATYPE(TShapeForm)
Q_DECLARE_METATYPE(Routine)
using ShapeChange = std::function<void(TXShape&)>;
Q_DECLARE_METATYPE(ShapeChange)

class TestXShapeControl : public QObject {
    Q_OBJECT

private slots:
    void newControlIsLabelledSquare()
    {
        TXShape shape;
        QCOMPARE(shape.size(), QSize(65, 65));
        QCOMPARE(shape.Shape(), TShapeForm::srRect);
        QCOMPARE(shape.Brush().color(), clr::White);
        QCOMPARE(shape.Pen().color(), clr::Black);
        QCOMPARE(shape.Color2(), clr::Black);
        QCOMPARE(double(shape.ScaleX()), 1.0);
        QCOMPARE(double(shape.ScaleY()), 1.0);
        QVERIFY(!shape.Invariant() && !shape.Description() && !shape.Lines());
        const QImage image = paintControl(shape);
        // The full-size square's outline lies on the control's border.
        QCOMPARE(inkBox(image), QRect(0, 0, 65, 65));
        QCOMPARE(at(image, 0, 0), clr::Black);
        QCOMPARE(at(image, 64, 64), clr::Black);
        QCOMPARE(at(image, 32, 32), clr::White);
    }

    // The stored value of a form is its position; files and layouts rely on it.
    void formOrder_data()
    {
        QTest::addColumn<TShapeForm>("form");
        QTest::addColumn<int>("value");
        QTest::addRow("first") << TShapeForm::srRect << 0;
        QTest::addRow("text box") << TShapeForm::stTextBox << 9;
        QTest::addRow("angle field") << TShapeForm::stFloatColorA << 16;
        QTest::addRow("shadow rect") << TShapeForm::shRect << 24;
        QTest::addRow("second triangle") << TShapeForm::srTriangle2 << 31;
        QTest::addRow("last") << TShapeForm::sfVLinear << ShapeFormCount - 1;
    }
    void formOrder()
    {
        QFETCH(TShapeForm, form);
        QFETCH(int, value);
        QCOMPARE(static_cast<int>(form), value);
    }

    // Every form must draw exactly what its routine draws with the control's
    // properties; a form mapped to a wrong routine or kind shows up here.
    void formDispatch_data()
    {
        using namespace ShapeTables;
        QTest::addColumn<TShapeForm>("form");
        QTest::addColumn<Routine>("routine");
        QTest::addColumn<bool>("drawsSomething");
        const auto row = [](const char* name, TShapeForm f, Routine r, bool draws = true) {
            QTest::addRow("%s", name) << f << r << draws;
        };
        row("srRect", TShapeForm::srRect, labelled(Square.data(), 4, TLetterScheme::Square));
        row(
            "srRdRect", TShapeForm::srRdRect, [](const TShapeTarget&) {}, false);
        row("srTriangle", TShapeForm::srTriangle,
            labelled(Triangle.data(), 3, TLetterScheme::Triangle));
        row("srTriangle2", TShapeForm::srTriangle2,
            labelled(Triangle2.data(), 3, TLetterScheme::Triangle));
        row("srArrow1", TShapeForm::srArrow1, polygon(Arrow1.data(), 5));
        row("srArrow2", TShapeForm::srArrow2, polygon(Arrow2.data(), 7));
        row("srArrow3", TShapeForm::srArrow3, polygon(Arrow3.data(), 8));
        row("srArrow4", TShapeForm::srArrow4, polygon(Arrow4.data(), 10));
        row("srLine", TShapeForm::srLine, labelled(Line.data(), 2, TLetterScheme::Triangle));
        row("stArrowRight", TShapeForm::stArrowRight, DrawBlockArrow);
        row("stTextBox", TShapeForm::stTextBox, [](const TShapeTarget& t) { DrawTextBox(t, 0); });
        row("stRdTextBox", TShapeForm::stRdTextBox,
            [](const TShapeTarget& t) { DrawTextBox(t, 1); });
        row("stTextCircle", TShapeForm::stTextCircle,
            [](const TShapeTarget& t) { DrawTextBox(t, 2); });
        const char* fields[] = {"H", "V", "D", "R", "A", "B", "X", "S1", "S2", "S3", "S4", "S5"};
        for (int k = 0; k < 12; ++k)
            row(qPrintable(QStringLiteral("stFloatColor%1").arg(QLatin1String(fields[k]))),
                static_cast<TShapeForm>(static_cast<int>(TShapeForm::stFloatColorH) + k), cells(k));
        row("shRect", TShapeForm::shRect, shadow(1));
        row("shEllipse", TShapeForm::shEllipse, shadow(2));
        row("shText", TShapeForm::shText, shadow(3));
        row("shArrow", TShapeForm::shArrow, shadow(4));
        row("shText2", TShapeForm::shText2, shadow(5));
        row("shRdRect", TShapeForm::shRdRect, shadow(6));
        row("shHugo", TShapeForm::shHugo, DrawHollowEllipse);
        row("trRect1", TShapeForm::trRect1, raster(0, 1));
        row("trRect2", TShapeForm::trRect2, raster(0, 2));
        row("trElli1", TShapeForm::trElli1, raster(1, 1));
        row("trElli2", TShapeForm::trElli2, raster(1, 2));
        // Figure and mode from the rounded scales 3 and 4 (the pattern operation).
        row("trScaleForm", TShapeForm::trScaleForm, raster(3, 4));
        row("sfHLinear", TShapeForm::sfHLinear,
            [](const TShapeTarget& t) { DrawStripeField(t, TStripeDirection::Across); });
        row("sfVLinear", TShapeForm::sfVLinear,
            [](const TShapeTarget& t) { DrawStripeField(t, TStripeDirection::Down); });
        row(
            "beyond the last form", static_cast<TShapeForm>(ShapeFormCount),
            [](const TShapeTarget&) {}, false);
    }
    void formDispatch()
    {
        QFETCH(TShapeForm, form);
        QFETCH(Routine, routine);
        QFETCH(bool, drawsSomething);

        TXShape shape;
        shape.resize(90, 70);
        shape.setShape(form);
        shape.Brush().setColor(clr::Red);
        shape.Pen().setColor(clr::Blue);
        shape.setColor2(clr::Lime);
        shape.setScaleX(3.4L);
        shape.setScaleY(3.6L);
        shape.setDescription(true);
        shape.setLines(true);
        shape.setCaption(QStringLiteral("Ab"));
        TFont font;
        font.setFont(testFont());
        shape.setFont(font);

        TShapeStyle style;
        style.W = 90;
        style.H = 70;
        style.Brush.setColor(clr::Red);
        style.Pen.setColor(clr::Blue);
        style.Color2 = clr::Lime;
        style.ScaleX = 3.4L;
        style.ScaleY = 3.6L;
        style.Description = style.Lines = true;
        style.Caption = QStringLiteral("Ab");
        style.Font.setFont(testFont());

        const uint32_t seed = 4711;
        Random().setSeed(seed);
        const QImage control = paintControl(shape);

        const QImage expected = Drawn(blank(90, 70), [&](TCanvas& canvas) {
            canvas.Font.Assign(style.Font);
            canvas.Brush.setStyle(TBrushStyle::Clear);
            canvas.SetBkModeTransparent(true);
            Random().setSeed(seed);
            routine(TShapeTarget{style, canvas, QPoint(0, 0)});
        });
        QCOMPARE(control, expected);
        QCOMPARE(inkBox(control).isEmpty(), !drawsSomething);
    }

    // The square through the control: corners at rotation 0 and 90, ScaleX
    // stretching the height, Invariant keeping a square in a wide control.
    void squareGeometry_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<qreal>("rotation");
        QTest::addColumn<qreal>("scaleX");
        QTest::addColumn<bool>("invariant");
        QTest::addColumn<QRect>("box");
        QTest::addRow("upright") << QSize(65, 65) << 0.0 << 1.0 << false << QRect(0, 0, 65, 65);
        QTest::addRow("turned 90") << QSize(65, 65) << 90.0 << 1.0 << false << QRect(0, 0, 65, 65);
        QTest::addRow("ScaleX 2 clipped to the control")
            << QSize(65, 65) << 0.0 << 2.0 << false << QRect(0, 0, 65, 65);
        QTest::addRow("ScaleX 0.5 halves the height")
            << QSize(65, 65) << 0.0 << 0.5 << false << QRect(0, 16, 65, 33);
        QTest::addRow("Invariant in 101 x 51")
            << QSize(101, 51) << 0.0 << 1.0 << true << QRect(25, 0, 51, 51);
        QTest::addRow("free in 101 x 51")
            << QSize(101, 51) << 0.0 << 1.0 << false << QRect(0, 0, 101, 51);
    }
    void squareGeometry()
    {
        QFETCH(QSize, size);
        QFETCH(qreal, rotation);
        QFETCH(qreal, scaleX);
        QFETCH(bool, invariant);
        QFETCH(QRect, box);
        TXShape shape;
        shape.resize(size);
        shape.setRotation(rotation);
        shape.setScaleX(scaleX);
        shape.setInvariant(invariant);
        const QImage image = paintControl(shape);
        QCOMPARE(inkBox(image), box);
        QCOMPARE(at(image, box.left(), box.top()), clr::Black);
        QCOMPARE(at(image, box.right(), box.bottom()), clr::Black);
        QCOMPARE(at(image, box.center().x(), box.center().y()), clr::White);
    }

    // Drawn onto a canvas that stands for the parent, the whole figure, colour
    // fields included, moves to the control's position and stays inside it.
    void drawOnParentCanvas_data()
    {
        QTest::addColumn<TShapeForm>("form");
        QTest::addRow("square") << TShapeForm::srRect;
        QTest::addRow("cell field") << TShapeForm::stFloatColorA;
        QTest::addRow("stripes") << TShapeForm::sfVLinear;
    }
    void drawOnParentCanvas()
    {
        QFETCH(TShapeForm, form);
        QWidget parent;
        parent.resize(200, 200);
        TXShape shape(&parent);
        shape.setGeometry(30, 40, 65, 65);
        shape.setShape(form);
        shape.Brush().setColor(clr::Red);
        shape.setScaleX(8);
        shape.setScaleY(8);
        const QImage image = Drawn(blank(200, 200), [&](TCanvas& canvas) { shape.DrawOn(canvas); });
        QCOMPARE(inkBox(image), QRect(30, 40, 65, 65));
    }

    void hiddenControlDrawsNothing()
    {
        QWidget parent;
        TXShape shape(&parent);
        shape.hide();
        const QImage image =
            Drawn(blank(65, 65), [&](TCanvas& canvas) { shape.DrawAt(0, 0, canvas); });
        QVERIFY(inkBox(image).isEmpty());
    }

    // Every property change and every change of the owned pen, brush and font
    // must schedule a repaint.
    void changesRepaint_data()
    {
        QTest::addColumn<ShapeChange>("change");
        using F = std::function<void(TXShape&)>;
        QTest::addRow("Shape") << F([](TXShape& s) { s.setShape(TShapeForm::shHugo); });
        QTest::addRow("same Shape again") << F([](TXShape& s) { s.setShape(TShapeForm::srRect); });
        QTest::addRow("Color2") << F([](TXShape& s) { s.setColor2(clr::Red); });
        QTest::addRow("Rotation") << F([](TXShape& s) { s.setRotation(45); });
        QTest::addRow("ScaleX") << F([](TXShape& s) { s.setScaleX(0.5L); });
        QTest::addRow("ScaleY") << F([](TXShape& s) { s.setScaleY(0.5L); });
        QTest::addRow("Invariant") << F([](TXShape& s) { s.setInvariant(true); });
        QTest::addRow("Description") << F([](TXShape& s) { s.setDescription(true); });
        QTest::addRow("Lines") << F([](TXShape& s) { s.setLines(true); });
        QTest::addRow("Caption") << F([](TXShape& s) { s.setCaption(QStringLiteral("x")); });
        QTest::addRow("Brush colour") << F([](TXShape& s) { s.Brush().setColor(clr::Red); });
        QTest::addRow("Pen width") << F([](TXShape& s) { s.Pen().setWidth(3); });
        QTest::addRow("Font size") << F([](TXShape& s) { s.Font().setPixelSize(20); });
    }
    void changesRepaint()
    {
        QFETCH(ShapeChange, change);
        QWidget parent;
        parent.resize(100, 100);
        TXShape shape(&parent);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        QCoreApplication::processEvents();
        int paints = 0;
        struct Counter : QObject {
            int* n;
            bool eventFilter(QObject*, QEvent* e) override
            {
                if (e->type() == QEvent::Paint)
                    ++*n;
                return false;
            }
        } counter;
        counter.n = &paints;
        shape.installEventFilter(&counter);
        change(shape);
        QTRY_VERIFY(paints > 0);
    }

    void fontChangeLeavesParentFont()
    {
        TXShape shape;
        QVERIFY(shape.ParentFont());
        shape.Font().setBold(true);
        QVERIFY(!shape.ParentFont());
    }

    // Colour fields use their own brush; the control's brush stays as it was.
    void fieldsKeepControlBrush_data()
    {
        QTest::addColumn<TShapeForm>("form");
        QTest::addRow("stripes across") << TShapeForm::sfHLinear;
        QTest::addRow("stripes down") << TShapeForm::sfVLinear;
        QTest::addRow("cell field") << TShapeForm::stFloatColorD;
    }
    void fieldsKeepControlBrush()
    {
        QFETCH(TShapeForm, form);
        TXShape shape;
        shape.setShape(form);
        shape.Brush().setColor(clr::Red);
        shape.Brush().setStyle(TBrushStyle::Clear);
        shape.setColor2(clr::Blue);
        paintControl(shape);
        QCOMPARE(shape.Brush().color(), clr::Red);
        QCOMPARE(shape.Brush().style(), TBrushStyle::Clear);
    }

    // A device of 16 colours or fewer cannot blend: the field dithers as with
    // Invariant, and the control keeps its own Invariant.
    void fewColoursDither()
    {
        const auto drawMono = [](const TXShape& shape) {
            QImage mono(65, 65, QImage::Format_Mono);
            mono.fill(0);
            mono = Drawn(mono, [&](TCanvas& canvas) {
                Random().setSeed(4711);
                shape.DrawAt(0, 0, canvas);
            });
            return mono;
        };
        TXShape plain;
        plain.setShape(TShapeForm::stFloatColorD);
        TXShape dithered;
        dithered.setShape(TShapeForm::stFloatColorD);
        dithered.setInvariant(true);
        QCOMPARE(drawMono(plain), drawMono(dithered));
        QVERIFY(!plain.Invariant());
    }
};

TRAINER_TEST_MAIN(TestXShapeControl)
#include "test_xshape_control.moc"
