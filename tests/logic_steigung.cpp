#include "TaskTest.h"

#include "core/Steigung.h"

#include <QtTest>

using steigung::Task;

class LogicSteigung : public QObject {
    Q_OBJECT
private slots:
    void tasksFromSeeds_data()
    {
        seedRows(
            {{0, {0, 0, 26}}, {99, {3, 5, 20}}, {4711, {25, 18, 25}}, {0xFFFFFFFF, {30, 6, 16}}});
    }
    void tasksFromSeeds()
    {
        checkSeedRow(
            [](TRandom& r) {
                const Task t = steigung::MakeTask(r);
                return QList<int>{t.a, t.b, t.c};
            },
            3);
    }
};

QTEST_GUILESS_MAIN(LogicSteigung)
#include "logic_steigung.moc"
