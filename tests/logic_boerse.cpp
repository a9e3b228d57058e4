#include "TaskTest.h"

#include "core/Boerse.h"

#include <QtTest>

#include <cmath>
#include <cstdlib>
#include <vector>

using boerse::Task;

class LogicBoerse : public QObject {
    Q_OBJECT
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
        QCOMPARE(boerse::CorrectionText(boerseTask({12, -5, 40}, {150, 100, 50})),
                 QStringLiteral("12% -5% 40% "));
        QCOMPARE(boerse::CorrectionText(boerseTask({-88, 0, 55}, {150, 100, 50})),
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
};

QTEST_GUILESS_MAIN(LogicBoerse)
#include "logic_boerse.moc"
