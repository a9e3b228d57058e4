#include "TaskTest.h"

#include "core/Flaechen.h"

#include <QtTest>

#include <algorithm>
#include <cmath>

using flaechen::Task;

class LogicFlaechen : public QObject {
    Q_OBJECT
private slots:
    void everyTaskAgreesWithExtendedRounding()
    {
        // Whole-number rounding against a division in extended precision, over all tasks.
        int halves = 0;
        int highest = 0;
        for (int w1 = 400; w1 <= 580; w1 += 20)
            for (int h1 = 200; h1 <= 290; h1 += 10)
                for (int w2 = 20; w2 <= 200; w2 += 20)
                    for (int h2 = 20; h2 <= 110; h2 += 10) {
                        const Task t = MakeBlueRed(w1, h1, 0, 0, w2, h2);
                        const long double p = static_cast<long double>(w2 * h2 * 100) / (w1 * h1);
                        QCOMPARE(flaechen::ExpectedPercent(t), static_cast<int>(std::rintl(p)));
                        halves += (p - std::floor(p) == 0.5L);
                        highest = std::max(highest, flaechen::ExpectedPercent(t));
                    }
        QVERIFY(halves > 0);
        QCOMPARE(highest, 28);
    }

    // Blue width and height, red offset, red width and height.
    void tasksFromSeeds_data()
    {
        seedRows({{0, {400, 200, 170, 20, 60, 80}},
                  {99, {420, 210, 140, 10, 160, 90}},
                  {4711, {560, 250, 220, 60, 160, 100}},
                  {0xFFFFFFFF, {580, 220, 150, 10, 180, 20}}});
    }
    void tasksFromSeeds()
    {
        checkSeedRow(
            [](TRandom& r) {
                const Task t = flaechen::MakeTask(r, BlueCorner);
                const QPoint offset = t.red.topLeft() - BlueCorner;
                return QList<int>{t.blue.width(), t.blue.height(), offset.x(),
                                  offset.y(),     t.red.width(),   t.red.height()};
            },
            6);
    }

    void tasksStayInRange()
    {
        TRandom r(2024);
        bool bottomsMeet = false;
        for (int i = 0; i < 5000; ++i) {
            const Task t = flaechen::MakeTask(r, BlueCorner);
            QVERIFY(t.blue.width() % 20 == 0 && t.blue.height() % 10 == 0);
            QVERIFY(t.red.width() % 20 == 0 && t.red.height() % 10 == 0);
            QCOMPARE(t.blue.topLeft(), BlueCorner);
            QVERIFY2(t.blue.contains(t.red), "red rectangle outside the blue one");
            bottomsMeet |= t.red.bottom() == t.blue.bottom();
        }
        QVERIFY(bottomsMeet);
    }
};

QTEST_GUILESS_MAIN(LogicFlaechen)
#include "logic_flaechen.moc"
