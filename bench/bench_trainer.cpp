// Timings of start-up, of what a key press does in every exercise and of the
// costly controls; figures only, never pass/fail.
//
// Exercises and their controls are found at run time through the tab strip, so
// an exercise added later is timed without a change here.
#include "app/Exercises.h"
#include "app/Forms.h"
#include "app/Main.h"
#include "app/Statistic.h"
#include "core/Numbers.h"
#include "core/Random.h"
#include "framework/Vorlage.h"
#include "framework/share2.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "resources/Resources.h"
#include "xshape/Diagram.h"
#include "xshape/XShape.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

// Message boxes are swallowed; errors among them are counted, so a figure that
// only measures a failed conversion shows as such.
int ErrorMessages = 0;

// The offscreen platform warns on every window it shows; that is noise here.
QtMessageHandler StandardHandler = nullptr;
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("propagateSizeHints")))
        return;
    if (StandardHandler)
        StandardHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

// The program's windows as at start, with the given tab selected. The
// statistics of a full series would wait for a click: they are left out.
struct Program {
    explicit Program(int tab = 0)
    {
        CreateForms(forms);
        Shared->ShowStatistics = [] {
        };
        Form2->show();
        Form2->TabControl1->setCurrentIndex(tab);
    }
    TForms forms;
};

QImage Canvas(const QWidget* w)
{
    return QImage(w->size(), QImage::Format_ARGB32_Premultiplied);
}

std::string Utf8(const QString& s)
{
    return s.toStdString();
}

bool IsColourField(TShapeForm form)
{
    const int f = static_cast<int>(form);
    return f >= static_cast<int>(TShapeForm::stFloatColorH) &&
           f <= static_cast<int>(TShapeForm::stFloatColorS5);
}

// A new task as F2 makes it, then the whole window painted.
void NewTaskAndPaint(benchmark::State& state, int tab)
{
    Program program(tab);
    TfmVorlage* w = TForm2::ExerciseWindow(tab);
    QImage image = Canvas(w);
    for (auto _ : state) {
        w->NewTask();
        w->render(&image);
    }
}

// The evaluation as F9 runs it, each on a fresh task prepared outside the timing.
void CheckAnswer(benchmark::State& state, int tab)
{
    Program program(tab);
    TfmVorlage* w = TForm2::ExerciseWindow(tab);
    ErrorMessages = 0;
    for (auto _ : state) {
        state.PauseTiming();
        w->NewTask();
        state.ResumeTiming();
        RunHandler([w] { w->CheckAnswer(); });
    }
    state.counters["errors"] =
        benchmark::Counter(ErrorMessages, benchmark::Counter::kAvgIterations);
}

template <class Control> Control* FindControl(int tab, const QString& name)
{
    return TForm2::ExerciseWindow(tab)->findChild<Control*>(name);
}

// Repaint of a diagram that changed since the last one: the buffer is redrawn.
void DiagramDirty(benchmark::State& state, int tab, const QString& name)
{
    Program program(tab);
    TDiagram* d = FindControl<TDiagram>(tab, name);
    QImage image = Canvas(d);
    for (auto _ : state) {
        d->Invalidate();
        d->render(&image);
    }
}

// Repaint of an unchanged diagram: one copy of the buffer.
void DiagramBuffered(benchmark::State& state, int tab, const QString& name)
{
    Program program(tab);
    TDiagram* d = FindControl<TDiagram>(tab, name);
    QImage image = Canvas(d);
    d->render(&image);
    for (auto _ : state) {
        d->render(&image);
        benchmark::DoNotOptimize(d->BufferDirty());
    }
}

// A colour field shape at the size it has in its exercise.
void ColourField(benchmark::State& state, int tab, const QString& name)
{
    Program program(tab);
    TXShape* shape = FindControl<TXShape>(tab, name);
    QImage image = Canvas(shape);
    for (auto _ : state)
        shape->render(&image);
}

void RegisterExercises()
{
    Program program;
    for (const TExercise& exercise : Exercises()) {
        const int tab = exercise.tab;
        TfmVorlage* w = exercise.window();
        const std::string title = Utf8(w->windowTitle());
        benchmark::RegisterBenchmark(("NewTaskPaint/" + title).c_str(), NewTaskAndPaint, tab)
            ->Unit(benchmark::kMicrosecond);
        // Each iteration also makes a task outside the timing: keep the runs short.
        benchmark::RegisterBenchmark(("CheckAnswer/" + title).c_str(), CheckAnswer, tab)
            ->Unit(benchmark::kMicrosecond)
            ->MinTime(0.05);
        for (TDiagram* d : w->findChildren<TDiagram*>()) {
            const std::string id = title + "/" + Utf8(d->objectName());
            benchmark::RegisterBenchmark(("DiagramDirty/" + id).c_str(), DiagramDirty, tab,
                                         d->objectName())
                ->Unit(benchmark::kMicrosecond);
            benchmark::RegisterBenchmark(("DiagramBuffered/" + id).c_str(), DiagramBuffered, tab,
                                         d->objectName())
                ->Unit(benchmark::kMicrosecond);
        }
        for (TXShape* s : w->findChildren<TXShape*>()) {
            if (!IsColourField(s->Shape()))
                continue;
            benchmark::RegisterBenchmark(
                ("ColourField/" + title + "/" + Utf8(s->objectName())).c_str(), ColourField, tab,
                s->objectName())
                ->Unit(benchmark::kMicrosecond);
        }
    }
}

} // namespace

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

static void BM_PaintStatisticFullSeries(benchmark::State& state)
{
    StatisticData data;
    data.attempts = 20;
    data.successes = 10;
    const int exercises = Exercises().size();
    for (int i = 0; i < exercises; ++i)
        data.names << ExerciseTabText(i);
    TRandom r(1);
    for (int i = 0; i < 20; ++i)
        data.outcomes.push_back((r.next(2) ? 1 : -1) *
                                (1 + static_cast<int>(r.next(static_cast<uint32_t>(exercises)))));
    QImage image(600, 330, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::darkBlue);
        QPainter p(&image);
        TCanvas canvas(p);
        PaintStatistic(canvas, 600, 330, data);
    }
}
BENCHMARK(BM_PaintStatisticFullSeries)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    StandardHandler = qInstallMessageHandler(QuietHandler);
    TApplication app(argc, argv);
    InitResources();
    SetMessageHook([](MessageKind kind, const QString&) {
        if (kind == MessageKind::Error)
            ++ErrorMessages;
    });
    benchmark::Initialize(&argc, argv);
    RegisterExercises();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
