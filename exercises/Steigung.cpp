#include "exercises/Steigung.h"

#include "core/Random.h"
#include "platform/Accessible.h"
#include "platform/Appearance.h"
#include "platform/Canvas.h"
#include "platform/Dialogs.h"
#include "xshape/XCanvas.h"

#include <QComboBox>

#include <algorithm>

TfmSteigung* fmSteigung = nullptr;

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

namespace steigung {

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

TfmSteigung::TfmSteigung(QWidget* parent)
    : TfmExercise(parent)
{
    setObjectName(QStringLiteral("fmSteigung"));
    setWindowTitle(QStringLiteral("Steigung"));
    SetWindowColor(this, ToQColor(0xDAD7CF));

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

    SetTips({QStringLiteral("Steigung berechnet sich zu Höhenunterschied / Längenunterschied"),
             QStringLiteral("50m auf 200m sind z.B. 1/4 = 25%"),
             QStringLiteral("Um die Prozentzahl zu erhalten, musst du den Bruch mit 100 erweitern"),
             QStringLiteral("Wie Du hier siehst, geht es bergauf!")});
    setClientSize(792, 445);
    setAnswerControls({ComboBox1, ComboBox2, ComboBox3});
}

void TfmSteigung::PaintBox2Paint(TCanvas& canvas)
{
    steigung::DrawProfile(canvas, task());
}

steigung::Task TfmSteigung::DrawTask()
{
    return steigung::MakeTask(Random());
}

void TfmSteigung::ShowTask(const steigung::Task& task)
{
    Q_UNUSED(task);
    PaintBox2->update();
}

void TfmSteigung::CheckAnswer()
{
    const steigung::Task t = task();
    const bool right = steigung::IsRight(
        t, {ComboBox1->currentIndex(), ComboBox2->currentIndex(), ComboBox3->currentIndex()});
    Conclude(right, steigung::CorrectionText(t));
}
