#include "TaskTest.h"

#include "core/Pauken.h"

#include <QtTest>

#include <cmath>
#include <cstdint>

using pauken::Task;

Q_DECLARE_METATYPE(Task)

class LogicPauken : public QObject {
    Q_OBJECT
private slots:
    void tasks_data()
    {
        QTest::addColumn<Task>("task");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::addRow("12 percent of 4000")
            << pauken::PercentageValueTask(12, 4000) << "Wieviel sind 12 % von 4000 ?" << 480;
        QTest::addRow("150 percent of 12000")
            << pauken::PercentageValueTask(150, 12000) << "Wieviel sind 150 % von 12000 ?" << 18000;
        QTest::addRow("25 percent are 500")
            << pauken::BaseValueTask(25, 2000)
            << "25 % entsprechen 500. Wie groß ist der Grundwert?" << 2000;
        QTest::addRow("1 percent is 1") << pauken::BaseValueTask(1, 100)
                                        << "1 % entsprechen 1. Wie groß ist der Grundwert?" << 100;
        QTest::addRow("12,5 half to even")
            << pauken::PercentFigureTask(300, 2400)
            << "Prozentwert: 300, Grundwert: 2400. Berechne die Prozentzahl (gerundet)!" << 12;
    }
    void tasks()
    {
        QFETCH(Task, task);
        QFETCH(QString, text);
        QFETCH(int, expected);
        QCOMPARE(task.expected, expected);
        QCOMPARE(pauken::TaskText(task), text);
    }

    void percentFiguresFollowExactRoundingButOne()
    {
        // Over the whole range, extended precision agrees with exact rounding
        // (200k / 3m, halves to even) except where its quotient lies just below a half.
        QList<QPair<int, int>> differing;
        for (int k = 1; k <= 200; ++k)
            for (int m = 1; m <= 200; ++m) {
                const Task t = pauken::PercentFigureTask(100 * k, 150 * m);
                const int num = 200 * k, den = 3 * m;
                int exact = num / den;
                const int twice = 2 * (num % den);
                if (twice > den || (twice == den && exact % 2 == 1))
                    ++exact;
                if (t.expected != exact)
                    differing.append({t.first, t.second});
            }
        QCOMPARE(differing, (QList<QPair<int, int>>{{14100, 12000}}));
    }

    // The background (0xBBGGRR), then the kind and the task's numbers.
    void tasksFromSeeds_data()
    {
        seedRows({{0, {0x0008DC, 0, 41, 9000, 3690}},
                  {7, {0x38D640, 2, 1300, 6150, 21}},
                  {99, {0x1B2BAC, 0, 113, 9000, 10170}},
                  {4711, {0xD499D2, 1, 106, 18338, 17300}},
                  {0xFFFFFFFF, {0xF73384, 0, 132, 1000, 1320}}});
    }
    void tasksFromSeeds()
    {
        checkSeedRow(
            [](TRandom& r) {
                const TColor colour = pauken::MakeBackground(r);
                const Task t = pauken::MakeTask(r);
                return QList<int>{static_cast<int>(colour), t.kind, t.first, t.second, t.expected};
            },
            6);
    }

    void generatedTasks()
    {
        TRandom r(4711);
        int kinds[3] = {};
        for (int i = 0; i < 6000; ++i) {
            pauken::MakeBackground(r);
            const Task t = pauken::MakeTask(r);
            QVERIFY(t.kind >= 0 && t.kind <= 2);
            ++kinds[t.kind];
            const int64_t a = t.first, b = t.second, e = t.expected;
            switch (t.kind) {
            case pauken::PercentageValue:
                QVERIFY(a >= 1 && a <= 150 && b % 1000 == 0 && b >= 1000 && b <= 12000);
                QCOMPARE(a * b, 100 * e);
                break;
            case pauken::BaseValue:
                QVERIFY(a >= 1 && a <= 150 && e % 100 == 0 && e >= 100 && e <= 20000);
                QCOMPARE(a * e, 100 * b);
                break;
            default:
                QVERIFY(a % 100 == 0 && a >= 100 && a <= 20000);
                QVERIFY(b % 150 == 0 && b >= 150 && b <= 30000);
                QVERIFY(std::abs(100.0 * a / b - e) <= 0.5);
            }
        }
        for (int n : kinds)
            QVERIFY(n > 1800);
    }
};

QTEST_GUILESS_MAIN(LogicPauken)
#include "logic_pauken.moc"
