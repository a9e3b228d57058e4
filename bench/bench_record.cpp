// Timings of the learning record holding 100,000 attempts: writing one more,
// and what the window Lernverlauf does when it opens. Figures only.
#include "app/Lernverlauf.h"
#include "platform/Application.h"
#include "record/LearningRecord.h"
#include "resources/Resources.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

using namespace lernverlauf;

namespace {

constexpr int Rows = 100'000;
constexpr qint64 DayMs = 24 * 60 * 60 * 1000;
QString File;

// A year of attempts at every exercise, written in one transaction into the
// record's own schema.
bool Fill(const QStringList& keys)
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    {
        TLearningRecord record(File);
        if (!record.Add({now - 365 * DayMs, keys[0], true, now - 365 * DayMs}))
            return false;
    }
    bool ok = false;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
        db.setDatabaseName(File);
        QSqlQuery q(db);
        ok = db.open() && db.transaction() &&
             q.prepare(QStringLiteral(
                 "INSERT INTO attempt (at, exercise, right, series) VALUES (?, ?, ?, ?)"));
        QRandomGenerator random(1);
        std::vector<qint64> times(Rows - 1);
        for (qint64& t : times)
            t = now - static_cast<qint64>(random.bounded(365.0 * DayMs));
        std::sort(times.begin(), times.end());
        for (size_t i = 0; ok && i < times.size(); ++i) {
            q.addBindValue(times[i]);
            q.addBindValue(keys[static_cast<int>(random.bounded(keys.size()))]);
            q.addBindValue(random.bounded(10) < 7 ? 1 : 0);
            q.addBindValue(times[i] - static_cast<qint64>(i % 20) * 30'000);
            ok = q.exec();
        }
        ok = ok && db.commit();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
    return ok;
}

// One attempt written to the open record; the 95th percentile and the slowest
// as counters.
void BM_RecordAdd(benchmark::State& state)
{
    // A copy of its own, so that the record read below keeps its 100,000.
    const QString copy = File + QStringLiteral(".schreiben");
    QFile::remove(copy);
    if (!QFile::copy(File, copy)) {
        state.SkipWithError("no copy");
        return;
    }
    TLearningRecord record(copy);
    record.Open();
    std::vector<double> seconds;
    seconds.reserve(static_cast<size_t>(state.max_iterations));
    QElapsedTimer timer;
    for (auto _ : state) {
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        timer.start();
        const bool written = record.Add({now, QStringLiteral("zins"), true, now});
        const double s = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        state.SetIterationTime(s);
        seconds.push_back(s);
        if (!written) {
            state.SkipWithError("not written");
            break;
        }
    }
    std::sort(seconds.begin(), seconds.end());
    if (!seconds.empty()) {
        state.counters["p95_ms"] = seconds[seconds.size() * 95 / 100] * 1e3;
        state.counters["max_ms"] = seconds.back() * 1e3;
    }
}
BENCHMARK(BM_RecordAdd)->UseManualTime()->Iterations(2000)->Unit(benchmark::kMicrosecond);

// The window's reading on a record just made, as at its first opening.
void BM_RecordOpenSummarize(benchmark::State& state)
{
    const QStringList keys = ExerciseKeys();
    for (auto _ : state) {
        state.PauseTiming();
        auto record = std::make_unique<TLearningRecord>(File);
        state.ResumeTiming();
        record->Open();
        const Summary s =
            record->Summarize(keys, QDateTime::currentDateTimeUtc(), TfmLernverlauf::ChartDays);
        benchmark::DoNotOptimize(s.days.data());
        state.PauseTiming();
        if (s.empty())
            state.SkipWithError("nothing read");
        record.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RecordOpenSummarize)->Unit(benchmark::kMillisecond);

// The same through the window, with its table and chart filled.
void BM_RecordWindow(benchmark::State& state)
{
    TfmLernverlauf window;
    for (auto _ : state) {
        state.PauseTiming();
        SetLearningRecord(std::make_unique<TLearningRecord>(File));
        state.ResumeTiming();
        window.ShowRecord(QDateTime::currentDateTimeUtc());
    }
    if (!window.ClearButton->isEnabled())
        state.SkipWithError("nothing shown");
    SetLearningRecord(nullptr);
}
BENCHMARK(BM_RecordWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Record and settings in a folder of their own, never the user's.
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    TApplication app(argc, argv);
    InitResources();
    benchmark::Initialize(&argc, argv);
    File = home.filePath(QStringLiteral("lernverlauf.sqlite"));
    if (!home.isValid() || !Fill(ExerciseKeys())) {
        std::fputs("bench_record: the record could not be filled\n", stderr);
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
