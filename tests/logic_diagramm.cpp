#include "TaskTest.h"

#include "core/Diagramm.h"

#include <QtTest>

using diagramm::Task;

class LogicDiagramm : public QObject {
    Q_OBJECT
private slots:
    void tasksFromSeeds_data()
    {
        seedRows({{0, {1, 1, 18, 27000}},
                  {99, {2, 4, 14, 23000}},
                  {4711, {14, 4, 2, 26000}},
                  {0xFFFFFFFF, {16, 1, 3, 20000}}});
    }
    void tasksFromSeeds()
    {
        checkSeedRow(
            [](TRandom& r) {
                const Task t = diagramm::MakeTask(r);
                return QList<int>{t.shares[0], t.shares[1], t.shares[2], t.inheritance};
            },
            3);
    }

    void tasksStayInRange()
    {
        TRandom r(5);
        bool sawZeroJoerg = false;
        for (int i = 0; i < 3000; ++i) {
            const Task t = diagramm::MakeTask(r);
            QVERIFY(t.shares[0] >= 1 && t.shares[0] <= 16);
            QVERIFY(t.shares[1] >= 1 && t.shares[2] >= 0);
            QCOMPARE(t.shares[0] + t.shares[1] + t.shares[2], 20);
            QVERIFY(t.inheritance >= 10000 && t.inheritance <= 29000);
            int sum = 0;
            for (int c = 0; c < 3; ++c)
                sum += diagramm::Amount(t, c);
            QCOMPARE(sum, t.inheritance); // whole multiples of 50 DM add up exactly
            sawZeroJoerg |= t.shares[2] == 0;
        }
        QVERIFY(sawZeroJoerg);
    }
};

QTEST_GUILESS_MAIN(LogicDiagramm)
#include "logic_diagramm.moc"
