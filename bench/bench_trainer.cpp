// Timings of start-up and of what a key press does; figures only, never pass/fail.
#include "app/Forms.h"
#include "app/Main.h"
#include "app/Statistic.h"
#include "exercises/Rabatt.h"
#include "framework/share2.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "platform/Random.h"
#include "resources/Resources.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

static void BM_CreateAllWindows(benchmark::State& state)
{
    for (auto _ : state) {
        TForms forms;
        CreateForms(forms);
        benchmark::DoNotOptimize(Form2);
    }
}
BENCHMARK(BM_CreateAllWindows)->Unit(benchmark::kMillisecond);

static void BM_StrToInt(benchmark::State& state)
{
    const QString text = QStringLiteral("   -2147483648");
    for (auto _ : state)
        benchmark::DoNotOptimize(TryStrToInt(text));
}
BENCHMARK(BM_StrToInt);

static void BM_RabattNewTaskAndCheck(benchmark::State& state)
{
    TForms forms;
    CreateForms(forms);
    Shared->ShowStatistics = [] {
    }; // the twentieth attempt would wait for a click
    for (auto _ : state) {
        fmRabatt->NewTask();
        fmRabatt->CheckAnswer();
    }
}
BENCHMARK(BM_RabattNewTaskAndCheck)->Unit(benchmark::kMicrosecond);

static void BM_PaintStatisticFullSeries(benchmark::State& state)
{
    StatisticData data;
    data.attempts = 20;
    data.successes = 10;
    for (int i = 0; i < 11; ++i)
        data.names << QStringLiteral("Übung %1").arg(i);
    TRandom r(1);
    for (int i = 0; i < 20; ++i)
        data.outcomes.push_back((r.next(2) ? 1 : -1) * (1 + static_cast<int>(r.next(11))));
    QImage image(600, 330, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::darkBlue);
        QPainter p(&image);
        TCanvas canvas(p);
        PaintStatistic(canvas, 600, 330, data);
    }
}
BENCHMARK(BM_PaintStatisticFullSeries)->Unit(benchmark::kMicrosecond);

static void BM_WindowPaint(benchmark::State& state)
{
    TForms forms;
    CreateForms(forms);
    fmRabatt->resize(800, 468);
    QImage image(800, 468, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        fmRabatt->render(&image);
}
BENCHMARK(BM_WindowPaint)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    InitResources();
    SetMessageHook([](MessageKind, const QString&) {});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
