#include "TaskTest.h"

#include "core/Wachstum.h"

#include <QtTest>

using wachstum::Steps;

class LogicWachstum : public QObject {
    Q_OBJECT
private slots:
    void tasksFromSeeds_data()
    {
        seedRows({{0, {0, 0, 5}}, {99, {0, 1, 4}}, {4711, {4, 3, 4}}, {0xFFFFFFFF, {5, 1, 3}}});
    }
    void tasksFromSeeds()
    {
        checkSeedRow(
            [](TRandom& r) {
                const Steps s = wachstum::MakeTask(r);
                return QList<int>(s.begin(), s.end());
            },
            3);
    }

    void grownHeight_data()
    {
        QTest::addColumn<int>("reference");
        QTest::addColumn<int>("animStep");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("height");
        QTest::addRow("pair 2, 125 per cent") << 166 << 30 << 5 << 374;
        QTest::addRow("pair 3, 75 per cent, half to even") << 94 << 30 << 3 << 164;
        QTest::addRow("pair 3, 25 per cent, half to even") << 94 << 30 << 1 << 118;
        QTest::addRow("no growth") << 120 << 17 << 0 << 120;
        QTest::addRow("first step") << 120 << 1 << 4 << 124;
        QTest::addRow("half way") << 120 << 15 << 2 << 150;
    }
    void grownHeight()
    {
        QFETCH(int, reference);
        QFETCH(int, animStep);
        QFETCH(int, step);
        QFETCH(int, height);
        QCOMPARE(wachstum::GrownHeight(reference, animStep, step), height);
    }
};

QTEST_GUILESS_MAIN(LogicWachstum)
#include "logic_wachstum.moc"
