#pragma once

#include "core/Boerse.h"
#include "core/Flaechen.h"
#include "core/Random.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QtTest>

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

// Seed rows for a check of MakeTask: the task's fields as whole numbers.
inline void seedRows(const std::vector<std::pair<uint32_t, QList<int>>>& rows)
{
    QTest::addColumn<uint32_t>("seed");
    QTest::addColumn<QList<int>>("task");
    for (const auto& [seed, task] : rows)
        QTest::addRow("seed %u", seed) << seed << task;
}

// The current seed row's task from `make`, which takes `draws` draws.
template <class Make> void checkSeedRow(Make make, int draws)
{
    QFETCH(uint32_t, seed);
    QFETCH(QList<int>, task);
    TRandom r(seed);
    QCOMPARE(QList<int>(make(r)), task);
    TRandom expected(seed);
    for (int i = 0; i < draws; ++i)
        expected.next(1);
    QCOMPARE(r.seed(), expected.seed());
}

// Tasks built by hand, shared by the logic and the window tests of an exercise.

// The place of a change in boerse::Changes, or -1.
inline int changeIndex(int32_t change)
{
    for (size_t i = 0; i < boerse::Changes.size(); ++i)
        if (boerse::Changes[i] == change)
            return static_cast<int>(i);
    return -1;
}

inline boerse::Task boerseTask(std::array<int32_t, 3> changes, std::array<int32_t, 3> starts)
{
    boerse::Task t{};
    for (size_t i = 0; i < 3; ++i)
        t.index[i] = changeIndex(changes[i]);
    t.start = starts;
    return t;
}

inline const QPoint BlueCorner(140, 46);

// Blue w1 x h1 at its fixed corner, red w2 x h2 offset by (dx, dy) inside it.
inline flaechen::Task MakeBlueRed(int w1, int h1, int dx, int dy, int w2, int h2)
{
    return {QRect(BlueCorner, QSize(w1, h1)), QRect(BlueCorner + QPoint(dx, dy), QSize(w2, h2))};
}
