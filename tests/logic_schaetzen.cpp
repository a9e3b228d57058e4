#include "TaskTest.h"

#include "core/Schaetzen.h"

#include <QtTest>

using schaetzen::Task;

class LogicSchaetzen : public QObject {
    Q_OBJECT
private slots:
    void tasksFromSeeds_data()
    {
        seedRows({{0, {0, 0, 10}}, {99, {1, 2, 8}}, {4711, {9, 7, 9}}, {0xFFFFFFFF, {11, 2, 6}}});
    }
    void tasksFromSeeds()
    {
        checkSeedRow(
            [](TRandom& r) {
                const Task t = schaetzen::MakeTask(r);
                return QList<int>(t.begin(), t.end());
            },
            3);
    }
};

QTEST_GUILESS_MAIN(LogicSchaetzen)
#include "logic_schaetzen.moc"
