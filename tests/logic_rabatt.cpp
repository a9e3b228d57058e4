#include "TaskTest.h"

#include "core/Rabatt.h"

#include <QtTest>

#include <algorithm>
#include <climits>
#include <cmath>

using rabatt::Task;

class LogicRabatt : public QObject {
    Q_OBJECT
private slots:
    void everyTaskHasItsExpectedPrice()
    {
        int halves = 0;
        int naiveWrong = 0;
        int lowest = INT_MAX, highest = 0;
        for (int p = 800; p <= 2700; p += 100)
            for (int d1 = 5; d1 <= 30; d1 += 5)
                for (int d2 = 5; d2 <= 30; d2 += 5) {
                    const Task t{p, d1, d2};
                    const long long q = 1LL * p * (100 - d1) * (100 - d2);
                    // Nearest to q / 10000, halves to even, worked out on doubled values.
                    const long long lower = q / 10000;
                    const long long twice = 2 * q - 2 * lower * 10000; // 2 * remainder
                    long long expected = lower;
                    if (twice > 10000 || (twice == 10000 && lower % 2 == 1))
                        expected = lower + 1;
                    if (twice == 10000)
                        ++halves;
                    QCOMPARE(static_cast<long long>(rabatt::ExpectedPrice(t)), expected);
                    const double naive = (p * (100 - d1) / 100.0) * ((100 - d2) / 100.0);
                    if (std::nearbyint(naive) != static_cast<double>(expected))
                        ++naiveWrong;
                    lowest = std::min<int>(lowest, rabatt::ExpectedPrice(t));
                    highest = std::max<int>(highest, rabatt::ExpectedPrice(t));
                }
        QCOMPARE(halves, 165);
        QCOMPARE(naiveWrong, 4); // plain doubles would get these wrong
        QCOMPARE(lowest, 392);
        QCOMPARE(highest, 2437);
        QCOMPARE(rabatt::ExpectedPrice({1500, 5, 30}), 998);
        QCOMPARE(rabatt::ExpectedPrice({900, 5, 30}), 598);
    }

    void tasksFromSeeds_data()
    {
        seedRows({{0, {800, 5, 30}},
                  {99, {1000, 10, 25}},
                  {4711, {2400, 20, 25}},
                  {0xFFFFFFFF, {2700, 10, 20}}});
    }
    void tasksFromSeeds()
    {
        checkSeedRow(
            [](TRandom& r) {
                const Task t = rabatt::MakeTask(r);
                return QList<int>{t.price, t.discount1, t.discount2};
            },
            3);
    }

    void tasksStayInRange()
    {
        TRandom r(2024);
        for (int i = 0; i < 2000; ++i) {
            const Task t = rabatt::MakeTask(r);
            QVERIFY(t.price >= 800 && t.price <= 2700 && t.price % 100 == 0);
            QVERIFY(t.discount1 >= 5 && t.discount1 <= 30 && t.discount1 % 5 == 0);
            QVERIFY(t.discount2 >= 5 && t.discount2 <= 30 && t.discount2 % 5 == 0);
        }
    }

    void taskText()
    {
        QCOMPARE(rabatt::TaskText({1500, 5, 30}),
                 QStringLiteral("Ein Computerverkäufer verlangt für seinen PC 1500 €.\n\r"
                                "Da die Preise schnell fallen, muss er nach einer Woche\n\r"
                                "5 % Rabatt geben. Auf einigen Computern bleibt er\n\r"
                                "trotzdem sitzen und muss deshalb 2 Wochen später noch-\n\r"
                                "mals 30 % Rabatt auf den bestehenden Preis geben."));
    }
};

QTEST_GUILESS_MAIN(LogicRabatt)
#include "logic_rabatt.moc"
