#include "ExerciseTest.h"
#include "TestMain.h"
#include "TestPixels.h"

#include "core/Random.h"
#include "exercises/Boerse.h"
#include "xshape/XShape.h"

#include <QComboBox>

#include <cmath>

using boerse::Task;

namespace {

int indexOf(int32_t change)
{
    for (size_t i = 0; i < boerse::Changes.size(); ++i)
        if (boerse::Changes[i] == change)
            return static_cast<int>(i);
    return -1;
}

Task makeTask(std::array<int32_t, 3> changes, std::array<int32_t, 3> starts)
{
    Task t{};
    for (size_t i = 0; i < 3; ++i)
        t.index[i] = indexOf(changes[i]);
    t.start = starts;
    return t;
}

} // namespace

class TestBoerse : public WindowOf<fmBoerse> {
    Q_OBJECT
private:
    QImage renderChart()
    {
        QImage image(fmBoerse->PaintBox1->size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        fmBoerse->PaintBox1->render(&image);
        return image;
    }

private slots:
    void endValues_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("change");
        QTest::addColumn<int>("end");
        QTest::addRow("82.5 to even 82") << 150 << 55 << 232;
        QTest::addRow("-175.12 to -175") << 199 << -88 << 24;
        QTest::addRow("50 less 5 pct") << 50 << -5 << 48;
        QTest::addRow("50 less 4 pct") << 50 << -4 << 48;
        QTest::addRow("50 less 3 pct") << 50 << -3 << 48;
        QTest::addRow("50 unchanged") << 50 << 0 << 50;
        QTest::addRow("50 plus 1 pct") << 50 << 1 << 50;
        QTest::addRow("-7.5 to even -8") << 150 << -5 << 142;
        QTest::addRow("-6.5 to even -6") << 130 << -5 << 124;
        QTest::addRow("5.5 to even 6") << 110 << 5 << 116;
        QTest::addRow("highest") << 199 << 55 << 308;
    }
    void endValues()
    {
        QFETCH(int, start);
        QFETCH(int, change);
        QFETCH(int, end);
        QCOMPARE(boerse::EndValue(start, change), end);
    }

    // Every start value with every change: the nearest whole number, halves
    // to even, as exact division gives it.
    void differencesRoundHalvesToEven()
    {
        int halves = 0;
        for (int start = 50; start <= 199; ++start)
            for (int32_t change : boerse::Changes) {
                const long double exact = static_cast<long double>(start * change) / 100;
                if (std::fabs(exact - std::trunc(exact)) == 0.5L)
                    ++halves;
                QCOMPARE(static_cast<long double>(boerse::Difference(start, change)),
                         std::nearbyintl(exact));
            }
        QVERIFY(halves > 0);
    }

    void tasksFromSeeds_data()
    {
        seedRows({{0, {0, 0, 18, 160, 113, 83}},
                  {99, {2, 3, 14, 158, 137, 86}},
                  {4711, {17, 12, 17, 178, 135, 93}},
                  {0xFFFFFFFF, {20, 4, 10, 156, 143, 51}}});
    }
    void tasksFromSeeds()
    {
        checkSeedRow(
            [](TRandom& r) {
                const Task t = boerse::MakeTask(r);
                return QList<int>{t.index[0], t.index[1], t.index[2],
                                  t.start[0], t.start[1], t.start[2]};
            },
            6);
    }

    void correctionText()
    {
        QCOMPARE(boerse::CorrectionText(makeTask({12, -5, 40}, {150, 100, 50})),
                 QStringLiteral("12% -5% 40% "));
        QCOMPARE(boerse::CorrectionText(makeTask({-88, 0, 55}, {150, 100, 50})),
                 QStringLiteral("-88% 0% 55% "));
    }

    void priceLine_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("points");
        QTest::addRow("window width") << 792 << 37;
        QTest::addRow("five steps wide") << 100 << 3;
        QTest::addRow("too narrow for steps") << 99 << 2;
        QTest::addRow("zero width") << 0 << 2;
    }
    void priceLine()
    {
        QFETCH(int, width);
        QFETCH(int, points);
        TRandom random(42);
        const std::vector<QPoint> line = boerse::PriceLine(width, 200, 77, random);
        QCOMPARE(static_cast<int>(line.size()), points);
        QCOMPARE(line.front(), QPoint(20, 200));
        QCOMPARE(line.back(), QPoint(width - 20, 77));
        for (size_t k = 1; k + 1 < line.size(); ++k) {
            QCOMPARE(line[k].x(), 20 * static_cast<int>(k + 1));
            QVERIFY(std::abs(line[k].y() - line[k - 1].y()) <= 32);
        }
        if (width == 792)
            QCOMPARE(line[line.size() - 2].x(), 720);
    }

    // The angle field: cells blend from light yellow on the right to light
    // green on the left, 32 px wide.
    void background()
    {
        QImage image(fmBoerse->XShape1->size(), QImage::Format_RGB32);
        image.fill(Qt::black);
        fmBoerse->XShape1->render(&image);
        const int middle = image.height() / 2;
        const TColor left = at(image, 5, middle);
        const TColor right = at(image, image.width() - 8, middle);
        // Only red differs between the two colours.
        QCOMPARE(left >> 8, 0x80FFu);
        QCOMPARE(right >> 8, 0x80FFu);
        QVERIFY2((left & 0xFF) < 0x88, qPrintable(QString::number(left, 16)));
        QVERIFY2((right & 0xFF) > 0xF8, qPrintable(QString::number(right, 16)));
        // One cell is one colour; the next cell along differs.
        QCOMPARE(at(image, 33, 100), at(image, 62, 100));
        QVERIFY(at(image, 62, 100) != at(image, 66, 100));
    }

    void newTask()
    {
        Random().setSeed(99);
        TRandom copy(99);
        fmBoerse->ComboBox2->setCurrentIndex(3);
        QTest::keyClick(fmBoerse->ComboBox1, Qt::Key_F2);
        const Task t = boerse::MakeTask(copy);
        const Task shown = fmBoerse->task();
        QCOMPARE(shown.index, t.index);
        QCOMPARE(shown.start, t.start);
        for (QComboBox* box : {fmBoerse->ComboBox1, fmBoerse->ComboBox2, fmBoerse->ComboBox3})
            QCOMPARE(box->currentIndex(), -1);
        QCOMPARE(FromQColor(fmBoerse->Label1->palette().color(QPalette::WindowText)),
                 TColor(0x0000FF));
        QCOMPARE(FromQColor(fmBoerse->Label3->palette().color(QPalette::WindowText)),
                 TColor(0x000080));
        QVERIFY(fmBoerse->sbCheckIt->isEnabled());
    }

    // End points and values stay; the zigzag between them is new each time.
    void chartRepaint()
    {
        fmBoerse->setTask(makeTask({55, 0, -88}, {150, 120, 99}));
        const int w = fmBoerse->PaintBox1->width();
        const int h = fmBoerse->PaintBox1->height();
        const QImage first = renderChart();
        const QImage second = renderChart();
        QVERIFY(first != second);
        for (const QImage& image : {first, second}) {
            // Share 1: 150 up to 232; share 3: 99 down to 12.
            QVERIFY(inkNear(image, 21, h - 60 - 150, 0x0000FF));
            QVERIFY(inkNear(image, w - 22, h - 60 - 232, 0x0000FF));
            QVERIFY(inkNear(image, w - 22, h - 60 - 12, 0x000080));
            // The values are written in the share's colour next to the ends.
            bool startText = false, endText = false;
            for (int y = h - 60 - 150; y < h - 60 - 150 + 12; ++y)
                for (int x = 0; x < 18; ++x)
                    startText = startText || at(image, x, y) == 0x0000FF;
            for (int y = h - 60 - 232; y < h - 60 - 232 + 12; ++y)
                for (int x = w - 18; x < w; ++x)
                    endText = endText || at(image, x, y) == 0x0000FF;
            QVERIFY(startText);
            QVERIFY(endText);
        }
    }

    void verdicts_data()
    {
        QTest::addColumn<int>("pick1");
        QTest::addColumn<int>("pick2");
        QTest::addColumn<int>("pick3");
        QTest::addColumn<bool>("right");
        // Task: 12 %, -5 %, 40 %; with start 50, -4 % ends at the same value as -5 %.
        QTest::addRow("all right") << 12 << -5 << 40 << true;
        QTest::addRow("same end value, other change") << 12 << -4 << 40 << false;
        QTest::addRow("first wrong") << 25 << -5 << 40 << false;
        QTest::addRow("last left empty") << 12 << -5 << 1000 << false;
        QTest::addRow("none picked") << 1000 << 1000 << 1000 << false;
    }
    void verdicts()
    {
        QFETCH(int, pick1);
        QFETCH(int, pick2);
        QFETCH(int, pick3);
        QFETCH(bool, right);
        fmBoerse->setTask(makeTask({12, -5, 40}, {160, 50, 60}));
        // 1000: nothing picked.
        pick({fmBoerse->ComboBox1, fmBoerse->ComboBox2, fmBoerse->ComboBox3},
             {indexOf(pick1), indexOf(pick2), indexOf(pick3)});
        expectVerdict(right, right ? QString() : QStringLiteral("12% -5% 40% "));
    }
};

TRAINER_TEST_MAIN(TestBoerse)
#include "test_boerse.moc"
