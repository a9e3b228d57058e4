#include "exercises/Flaechen.h"

#include "platform/Accessible.h"
#include "platform/Dialogs.h"
#include "platform/Random.h"

#include <QComboBox>

#include <algorithm>

TfmFlaechen* fmFlaechen = nullptr;

namespace flaechen {

Task MakeTask(TRandom& random, QPoint blueTopLeft)
{
    const int w1 = 400 + 20 * random.range(0, 9);
    const int h1 = 200 + 10 * random.range(0, 9);
    const int dx = 10 * random.range(0, w1 / 20 - 1);
    const int dy = 10 * random.range(0, h1 / 20 - 1);
    const int w2 = 20 + 20 * random.range(0, 9);
    const int h2 = 20 + 10 * random.range(0, 9);
    return {QRect(blueTopLeft, QSize(w1, h1)), QRect(blueTopLeft + QPoint(dx, dy), QSize(w2, h2))};
}

std::array<LengthLabel, 4> LengthLabels(const Task& task)
{
    const QRect& b = task.blue;
    const QRect& r = task.red;
    auto caption = [](int pixels) {
        return QString::number(pixels / PixelsPerUnit);
    };
    auto chars = [](const QString& s) {
        return 8 * static_cast<int>(s.size());
    };
    std::array<LengthLabel, 4> labels;
    labels[0].caption = caption(b.height());
    labels[1].caption = caption(b.width());
    labels[2].caption = caption(r.height());
    labels[3].caption = caption(r.width());
    // Left of the blue rectangle at half its height; centred above it.
    labels[0].pos = QPoint(b.left() - chars(labels[0].caption), b.top() - 10 + b.height() / 2);
    labels[1].pos = QPoint(b.left() + (b.width() - chars(labels[1].caption)) / 2, b.top() - 14);
    // Inside the red rectangle: at its left edge, and along its top edge.
    labels[2].pos = QPoint(r.left() + 2, r.top() - 10 + r.height() / 2);
    labels[3].pos = QPoint(r.left() + (r.width() - chars(labels[3].caption)) / 2, r.top());
    return labels;
}

QString SizeText(const QRect& rectangle)
{
    return QStringLiteral("%1 breit und %2 hoch")
        .arg(rectangle.width() / PixelsPerUnit)
        .arg(rectangle.height() / PixelsPerUnit);
}

int32_t ExpectedPercent(const Task& task)
{
    const int64_t part = static_cast<int64_t>(task.red.width()) * task.red.height() * 100;
    const int64_t whole = static_cast<int64_t>(task.blue.width()) * task.blue.height();
    if (whole <= 0)
        return 0;
    int64_t quotient = part / whole;
    const int64_t twiceRemainder = 2 * (part % whole);
    if (twiceRemainder > whole || (twiceRemainder == whole && quotient % 2 != 0))
        ++quotient;
    return static_cast<int32_t>(quotient);
}

bool IsRight(const Task& task, int pickedIndex)
{
    return pickedIndex >= 0 && pickedIndex == ExpectedPercent(task);
}

QString CorrectionText(int32_t expected)
{
    return QStringLiteral("Der Prozentsatz ist %1% !").arg(expected);
}

} // namespace flaechen

TfmFlaechen::TfmFlaechen(QWidget* parent)
    : TfmVorlage(parent)
{
    setObjectName(QStringLiteral("fmFlaechen"));
    setWindowTitle(QStringLiteral("Flächen"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ToQColor(0xC2CFCD));
    setPalette(pal);

    // Back to front: a label created later lies on top of the shapes before it.
    Shape1 = MakeChild<TShape>(this, "Shape1", 140, 46, 501, 265);
    Shape1->brush().setColor(0xFF0080);
    Label1 = MakeChild<QLabel>(this, "Label1", 116, 72, 37, 16, QStringLiteral("Label1"));
    Label2 = MakeChild<QLabel>(this, "Label2", 158, 32, 37, 16, QStringLiteral("Label1"));
    Shape2 = MakeChild<TShape>(this, "Shape2", 248, 172, 285, 125);
    Shape2->brush().setColor(clr::Red);
    Label3 = MakeChild<QLabel>(this, "Label3", 254, 218, 37, 16, QStringLiteral("Label1"));
    Label4 = MakeChild<QLabel>(this, "Label4", 366, 178, 37, 16, QStringLiteral("Label1"));
    Label5 = MakeChild<QLabel>(this, "Label5", 218, 344, 140, 16,
                               QStringLiteral("Prozentsatz (gerundet) :"));

    ComboBox1 = MakeChild<QComboBox>(this, "ComboBox1", 382, 338, 61, 24);
    SetPickList(ComboBox1, 16);
    LabelField(Label5, ComboBox1);
    DescribeDrawing(Shape1, QStringLiteral("Blaues Rechteck"),
                    [this] { return flaechen::SizeText(task().blue); });
    DescribeDrawing(Shape2, QStringLiteral("Rotes Rechteck"),
                    [this] { return flaechen::SizeText(task().red); });

    laTaskText->setText(
        QStringLiteral("Zu wieviel Prozent ist das blaue Rechteck vom roten überbedeckt ?"));
    // At least as wide as the text, so that the closing question mark shows in every font.
    laTaskText->resize(std::max(381, laTaskText->sizeHint().width()), laTaskText->height());

    setClientSize(792, 445);
}

void TfmFlaechen::FormCreate()
{
    TfmVorlage::FormCreate();
    SetTips(
        {QStringLiteral("Rechtecksflächen berechnen sich zu Länge · Breite ! "),
         QStringLiteral("Prozentsatz = Prozentwert / Grundwert"),
         QStringLiteral(
             "Du musst also nur die Fläche des roten Rechtecks durch die des weissen teilen."),
         QStringLiteral("Um den Anteil in Prozent umzurechnen musst Du mit 100 multiplizieren.")});
    ComboBox1->clear();
    for (int i = 0; i <= 100; ++i)
        ComboBox1->addItem(QString::number(i));
    NewTask();
}

flaechen::Task TfmFlaechen::task() const
{
    return {Shape1->geometry(), Shape2->geometry()};
}

void TfmFlaechen::setTask(const flaechen::Task& task)
{
    Shape1->setGeometry(task.blue);
    Shape2->setGeometry(task.red);
    const auto places = flaechen::LengthLabels(task);
    QLabel* const labels[] = {Label1, Label2, Label3, Label4};
    for (size_t i = 0; i < places.size(); ++i) {
        labels[i]->setText(places[i].caption);
        // Sized to its caption, as a label that sizes itself.
        labels[i]->setGeometry(
            QRect(places[i].pos, QSize(labels[i]->sizeHint().width(), labels[i]->height())));
    }
    // Which side each loose number measures.
    const QString sides[] = {QStringLiteral("Höhe des blauen Rechtecks: %1"),
                             QStringLiteral("Breite des blauen Rechtecks: %1"),
                             QStringLiteral("Höhe des roten Rechtecks: %1"),
                             QStringLiteral("Breite des roten Rechtecks: %1")};
    for (size_t i = 0; i < places.size(); ++i)
        SetAccessibleTexts(labels[i], sides[i].arg(places[i].caption), QString());
    TaskChanged();
}

void TfmFlaechen::NewTask()
{
    setTask(flaechen::MakeTask(Random(), Shape1->pos()));
    ComboBox1->setCurrentIndex(-1);
    sbCheckIt->setEnabled(true);
}

void TfmFlaechen::CheckAnswer()
{
    const flaechen::Task t = task();
    Conclude(flaechen::IsRight(t, ComboBox1->currentIndex()),
             flaechen::CorrectionText(flaechen::ExpectedPercent(t)));
}
