#include "exercises/Steigung.h"

#include "platform/Accessible.h"
#include "platform/Canvas.h"
#include "platform/Dialogs.h"
#include "platform/Random.h"
#include "xshape/XCanvas.h"

#include <QComboBox>

#include <algorithm>

TfmSteigung* fmSteigung = nullptr;

namespace steigung {

Task MakeTask(TRandom& random)
{
    Task t;
    t.a = random.range(0, 30);
    t.b = random.range(0, 30);
    t.c = random.range(0, 30);
    return t;
}

Heights HeightsOf(const Task& task)
{
    // A runs 200 m, B 100 m, C 300 m: each slope is a whole percentage of its rise.
    const int32_t hA = 2 * task.a;
    const int32_t hB = hA + task.b;
    return {hA, hB, hB + 3 * task.c};
}

bool IsRight(const Task& task, const std::array<int, 3>& picks)
{
    return picks[0] == task.a && picks[1] == task.b && picks[2] == task.c;
}

QString CorrectionText(const Task& task)
{
    return QStringLiteral("%1% %2% %3%").arg(task.a).arg(task.b).arg(task.c);
}

QString ProfileText(const Task& task)
{
    const Heights h = HeightsOf(task);
    return QStringLiteral("A: 200 m lang, von 0 m auf %1 m Höhe. B: 100 m lang, von %1 m auf "
                          "%2 m Höhe. C: 300 m lang, von %2 m auf %3 m Höhe.")
        .arg(h.hA)
        .arg(h.hB)
        .arg(h.hC);
}

void DrawProfile(TCanvas& canvas, const Task& task)
{
    constexpr int ground = 350;
    const Heights h = HeightsOf(task);

    canvas.Brush.setColor(0xA7A08F);
    const QPoint profile[5] = {{50, ground},
                               {250, ground - h.hA},
                               {350, ground - h.hB},
                               {650, ground - h.hC},
                               {650, ground}};
    canvas.Polygon(profile, 5);

    canvas.SetBkModeTransparent(true);
    const auto line = [&canvas](int x1, int y1, int x2, int y2) {
        canvas.MoveTo(x1, y1);
        canvas.LineTo(x2, y2);
    };

    line(50, ground, 50, 10);
    canvas.TextOut(100, 20, QStringLiteral("A: 200 m"));
    DrawDoubleArrow(canvas, 50, 36, 250, 36);

    line(250, ground, 250, 10);
    canvas.TextOut(270, 20, QStringLiteral("B: 100 m"));
    DrawDoubleArrow(canvas, 250, 36, 350, 36);

    line(350, ground, 350, 10);
    canvas.TextOut(460, 20, QStringLiteral("C: 300 m"));
    DrawDoubleArrow(canvas, 350, 36, 650, 36);

    line(650, ground, 650, 10);
    line(650, ground, 700, ground);
    canvas.TextOut(700, ground - 7, QStringLiteral("  0 m"));

    const auto heightLine = [&](int32_t height, int end) {
        const int y = ground - height;
        line(0, y, end, y);
        canvas.TextOut(end + 5, y - 8, QStringLiteral("%1 m").arg(height));
    };
    heightLine(h.hA, 740);
    heightLine(h.hB, 700);
    heightLine(h.hC, 660);
}

} // namespace steigung

namespace {

QComboBox* MakeSlopeList(QWidget* parent, const char* name, int left)
{
    auto* box = MakeChild<QComboBox>(parent, name, left, 370, 87, 24);
    for (int i = 0; i <= 30; ++i)
        box->addItem(QString::number(i));
    box->setCurrentIndex(-1);
    SetPickList(box, 16);
    return box;
}

} // namespace

TfmSteigung::TfmSteigung(QWidget* parent)
    : TfmVorlage(parent)
{
    setObjectName(QStringLiteral("fmSteigung"));
    setWindowTitle(QStringLiteral("Steigung"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ToQColor(0xDAD7CF));
    setPalette(pal);

    Image1 = MakeChild<TImage>(this, "Image1", -2, 0, 795, 357);
    Image1->loadSvg(QStringLiteral(":/steigung.svg"));
    SetAccessibleTexts(Image1, QStringLiteral("Hintergrundbild: Landschaft"), QString());

    PaintBox2 = MakeChild<TPaintBox>(this, "PaintBox2", 0, 0, 792, 406);
    PaintBox2->OnPaint = [this](TCanvas& canvas) {
        PaintBox2Paint(canvas);
    };
    DescribeDrawing(PaintBox2, QStringLiteral("Höhenprofil"),
                    [this] { return steigung::ProfileText(task()); });

    ComboBox1 = MakeSlopeList(this, "ComboBox1", 80);
    ComboBox2 = MakeSlopeList(this, "ComboBox2", 252);
    ComboBox3 = MakeSlopeList(this, "ComboBox3", 470);
    setTabOrder(ComboBox1, ComboBox2);
    setTabOrder(ComboBox2, ComboBox3);
    SetAccessibleTexts(ComboBox1, QStringLiteral("Steigung A"), QString());
    SetAccessibleTexts(ComboBox2, QStringLiteral("Steigung B"), QString());
    SetAccessibleTexts(ComboBox3, QStringLiteral("Steigung C"), QString());

    laTaskText->setText(QStringLiteral("Berechne die Steigung in % für die Bereiche A, B und C !"));
    // Designed 324 wide; a font with wider glyphs must not cut off the text's end.
    laTaskText->resize(std::max(324, laTaskText->sizeHint().width()), laTaskText->height());

    setClientSize(792, 445);
}

void TfmSteigung::FormCreate()
{
    TfmVorlage::FormCreate();
    SetTips({QStringLiteral("Steigung berechnet sich zu Höhenunterschied / Längenunterschied"),
             QStringLiteral("50m auf 200m sind z.B. 1/4 = 25%"),
             QStringLiteral("Um die Prozentzahl zu erhalten, musst du den Bruch mit 100 erweitern"),
             QStringLiteral("Wie Du hier siehst, geht es bergauf!")});
    NewTask();
}

steigung::Task TfmSteigung::task() const
{
    return {TaskValues[0], TaskValues[1], TaskValues[2]};
}

void TfmSteigung::setTask(const steigung::Task& t)
{
    TaskValues[0] = t.a;
    TaskValues[1] = t.b;
    TaskValues[2] = t.c;
    PaintBox2->update();
    TaskChanged();
}

void TfmSteigung::NewTask()
{
    setTask(steigung::MakeTask(Random()));
    ComboBox1->setCurrentIndex(-1);
    ComboBox2->setCurrentIndex(-1);
    ComboBox3->setCurrentIndex(-1);
    sbCheckIt->setEnabled(true);
}

void TfmSteigung::PaintBox2Paint(TCanvas& canvas)
{
    steigung::DrawProfile(canvas, task());
}

void TfmSteigung::CheckAnswer()
{
    const steigung::Task t = task();
    const bool right = steigung::IsRight(
        t, {ComboBox1->currentIndex(), ComboBox2->currentIndex(), ComboBox3->currentIndex()});
    Conclude(right, steigung::CorrectionText(t));
}
