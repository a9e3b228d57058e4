#include "exercises/Schaetzen.h"

#include "core/Numbers.h"
#include "core/Random.h"
#include "platform/Accessible.h"
#include "platform/Dialogs.h"

#include <QComboBox>
#include <QResizeEvent>

#include <cmath>

TfmSchaetzen* fmSchaetzen = nullptr;

namespace schaetzen {

void DrawCircles(TCanvas& canvas, const Task& task)
{
    canvas.Brush.setStyle(TBrushStyle::Solid);
    for (int i = 0; i < CircleCount; ++i) {
        const int left = CircleLeft(i);
        const int right = left + CircleSize;
        const int top = CircleTop;
        const int bottom = top + CircleSize;
        const int cx = (left + right) / 2;
        const int cy = (top + bottom) / 2;
        canvas.Brush.setColor(clr::Black);
        canvas.Ellipse(left, top, right, bottom);
        canvas.Brush.setColor(CircleColor(i));
        const int32_t index = task[static_cast<size_t>(i)];
        if (index == ShareCount - 1) {
            canvas.Ellipse(left, top, right, bottom);
        } else if (index > 0 && index < ShareCount) {
            const QPoint end = SectorEnd(cx, cy, Shares[static_cast<size_t>(index)]);
            canvas.Pie(left, top, right, bottom, cx, top - 2, end.x(), end.y());
        }
    }
}

} // namespace schaetzen

TfmSchaetzen::TfmSchaetzen(QWidget* parent)
    : TfmExercise(parent)
{
    setObjectName(QStringLiteral("fmSchaetzen"));
    setWindowTitle(QStringLiteral("Schaetzen"));
    // Screen readers say the window as its tab says it.
    setAccessibleName(QStringLiteral("Schätzen"));

    // Back to front: the picture, the drawing surface over it, then the lists.
    Image1 = MakeChild<TImage>(this, "Image1", 0, 0, 793, 407);
    Image1->setImageFile(QStringLiteral(":/schaetzen.jpg"));
    Image1->setStretch(true);
    Image1->lower();
    SetAccessibleTexts(Image1, QStringLiteral("Hintergrundbild"), QString());

    PaintBox1 = MakeChild<TPaintBox>(this, "PaintBox1", 0, 0, 792, 406);
    PaintBox1->OnPaint = [this](TCanvas& canvas) {
        PaintBox1Paint(canvas);
    };
    alignLayout()->addAligned(PaintBox1, TAlign::Client);
    DescribeDrawing(PaintBox1, QStringLiteral("Drei Kreise"),
                    [this] { return schaetzen::SectorsText(task()); });
    ComboBox1 = MakeChild<QComboBox>(this, "ComboBox1", 80, 370, 87, 24);
    ComboBox2 = MakeChild<QComboBox>(this, "ComboBox2", 336, 370, 87, 24);
    ComboBox3 = MakeChild<QComboBox>(this, "ComboBox3", 592, 370, 87, 24);
    for (QComboBox* box : {ComboBox1, ComboBox2, ComboBox3})
        SetPickList(box, 16);
    setTabOrder(ComboBox1, ComboBox2);
    setTabOrder(ComboBox2, ComboBox3);
    int circle = 0;
    for (QComboBox* box : {ComboBox1, ComboBox2, ComboBox3})
        SetAccessibleTexts(box, QStringLiteral("Kreis %1").arg(++circle), QString());

    laTaskText->setText(
        QStringLiteral("Schätze jeweils den Prozentsatz der von Farbe bedeckt wird !"));
    laTaskText->resize(353, laTaskText->height());

    SetTips({QStringLiteral("Welcher Anteil des jeweiligen Kreises ist farbig ?"),
             QStringLiteral("1/2 ist 50%  1/3 = 33%  1/4 = 25% "),
             QStringLiteral("3 Stunden auf der Uhr entsprechen 25% "),
             QStringLiteral("Nimms locker, jeder lernt es irgendwann! ")});
    for (QComboBox* box : {ComboBox1, ComboBox2, ComboBox3})
        box->clear();
    for (int32_t share : schaetzen::Shares) {
        for (QComboBox* box : {ComboBox1, ComboBox2, ComboBox3})
            box->addItem(QString::number(share));
    }
    setClientSize(792, 445);
    setAnswerControls({ComboBox1, ComboBox2, ComboBox3});
}

void TfmSchaetzen::PaintBox1Paint(TCanvas& canvas)
{
    schaetzen::DrawCircles(canvas, task());
}

schaetzen::Task TfmSchaetzen::DrawTask()
{
    return schaetzen::MakeTask(Random());
}

void TfmSchaetzen::ShowTask(const schaetzen::Task& task)
{
    Q_UNUSED(task);
    PaintBox1->update();
}

void TfmSchaetzen::CheckAnswer()
{
    const schaetzen::Task t = task();
    const bool right = schaetzen::IsRight(
        t, {ComboBox1->currentIndex(), ComboBox2->currentIndex(), ComboBox3->currentIndex()});
    Conclude(right, schaetzen::CorrectionText(t));
}

void TfmSchaetzen::resizeEvent(QResizeEvent* event)
{
    TfmVorlage::resizeEvent(event);
    // The picture reaches one pixel under the bottom panel and past the right
    // edge, also when the window is given more room than it was laid out for.
    Image1->setGeometry(0, 0, event->size().width() + 1,
                        event->size().height() - Panel6->height() + 1);
}
