#include "exercises/Schaetzen.h"

#include "platform/Accessible.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "platform/Random.h"

#include <QComboBox>
#include <QResizeEvent>

#include <cmath>

TfmSchaetzen* fmSchaetzen = nullptr;

namespace {

constexpr int CircleCount = 3;
constexpr int CircleSize = 150;
constexpr int CircleTop = 100;
// Left edge of circle i's bounding square.
constexpr int CircleLeft(int i)
{
    return 50 + 250 * i;
}
// Colour of circle i's sector: orange, then towards blue.
constexpr TColor CircleColor(int i)
{
    return static_cast<TColor>(255 - 80 * i) | 127u << 8 | static_cast<TColor>(80 * i) << 16;
}

// The end of the sector's second radius, far outside the circle around (cx, cy):
// share per cent of a full turn counter-clockwise from twelve o'clock.
QPoint SectorEnd(int cx, int cy, int32_t share)
{
    constexpr Extended pi = 3.14159265358979323846264338327950288L;
    const Extended a = share * pi / 50;
    return QPoint(cx + static_cast<int>(RoundEven(400 * std::sin(-a))),
                  cy - static_cast<int>(RoundEven(400 * std::cos(a))));
}

} // namespace

namespace schaetzen {

Task MakeTask(TRandom& random)
{
    Task t{};
    for (int32_t& index : t)
        index = random.range(0, ShareCount - 1);
    return t;
}

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

bool IsRight(const Task& task, const std::array<int, 3>& picked)
{
    for (size_t i = 0; i < task.size(); ++i) {
        if (picked[i] != task[i])
            return false;
    }
    return true;
}

QString SectorsText(const Task& task)
{
    static const char* const colours[CircleCount] = {"orange", "hellbraun", "graublau"};
    QStringList circles;
    for (int i = 0; i < CircleCount; ++i) {
        const int32_t share = Shares[static_cast<size_t>(task[static_cast<size_t>(i)])];
        // The drawn angle in whole degrees: share per cent of 360, 0.5 to even.
        const int32_t degrees = static_cast<int32_t>(RoundEven(share * Extended(36) / 10));
        circles << QStringLiteral("Kreis %1, %2: %3 von 360 Grad")
                       .arg(i + 1)
                       .arg(QLatin1String(colours[i]))
                       .arg(degrees);
    }
    return circles.join(QStringLiteral(". ")) + QLatin1Char('.');
}

QString CorrectionText(const Task& task)
{
    QString text;
    for (int32_t index : task)
        text += QStringLiteral("%1% ").arg(Shares[static_cast<size_t>(index)]);
    return text;
}

} // namespace schaetzen

TfmSchaetzen::TfmSchaetzen(QWidget* parent)
    : TfmVorlage(parent)
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

    setClientSize(792, 445);
}

void TfmSchaetzen::FormCreate()
{
    TfmVorlage::FormCreate();
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
    NewTask();
}

schaetzen::Task TfmSchaetzen::task() const
{
    return {TaskValues[0], TaskValues[1], TaskValues[2]};
}

void TfmSchaetzen::setTask(const schaetzen::Task& t)
{
    for (size_t i = 0; i < t.size(); ++i)
        TaskValues[i] = t[i];
    PaintBox1->update();
    TaskChanged();
}

void TfmSchaetzen::NewTask()
{
    setTask(schaetzen::MakeTask(Random()));
    for (QComboBox* box : {ComboBox1, ComboBox2, ComboBox3})
        box->setCurrentIndex(-1);
    sbCheckIt->setEnabled(true);
}

void TfmSchaetzen::PaintBox1Paint(TCanvas& canvas)
{
    schaetzen::DrawCircles(canvas, task());
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
