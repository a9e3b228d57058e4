#include "ExerciseTest.h"
#include "TaskTest.h"
#include "TestMain.h"
#include "TestPixels.h"

#include "core/Random.h"
#include "exercises/Boerse.h"
#include "xshape/XShape.h"

#include <QComboBox>

using boerse::Task;

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
        fmBoerse->setTask(boerseTask({55, 0, -88}, {150, 120, 99}));
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
        fmBoerse->setTask(boerseTask({12, -5, 40}, {160, 50, 60}));
        // 1000: nothing picked.
        pick({fmBoerse->ComboBox1, fmBoerse->ComboBox2, fmBoerse->ComboBox3},
             {changeIndex(pick1), changeIndex(pick2), changeIndex(pick3)});
        expectVerdict(right, right ? QString() : QStringLiteral("12% -5% 40% "));
    }
};

TRAINER_TEST_MAIN(TestBoerse)
#include "test_boerse.moc"
