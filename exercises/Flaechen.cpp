#include "exercises/Flaechen.h"

#include "core/Random.h"
#include "platform/Accessible.h"
#include "platform/Appearance.h"
#include "platform/Dialogs.h"

#include <QComboBox>

#include <algorithm>

TfmFlaechen* fmFlaechen = nullptr;

TfmFlaechen::TfmFlaechen(QWidget* parent)
    : TfmExercise(parent)
{
    setObjectName(QStringLiteral("fmFlaechen"));
    setWindowTitle(QStringLiteral("Flächen"));
    SetWindowColor(this, ToQColor(0xC2CFCD));

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

    SetTips(
        {QStringLiteral("Rechtecksflächen berechnen sich zu Länge · Breite ! "),
         QStringLiteral("Prozentsatz = Prozentwert / Grundwert"),
         QStringLiteral(
             "Du musst also nur die Fläche des roten Rechtecks durch die des weissen teilen."),
         QStringLiteral("Um den Anteil in Prozent umzurechnen musst Du mit 100 multiplizieren.")});
    ComboBox1->clear();
    for (int i = 0; i <= 100; ++i)
        ComboBox1->addItem(QString::number(i));
    setClientSize(792, 445);
    setAnswerControls({ComboBox1});
}

flaechen::Task TfmFlaechen::DrawTask()
{
    return flaechen::MakeTask(Random(), Shape1->pos());
}

void TfmFlaechen::ShowTask(const flaechen::Task& task)
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
}

void TfmFlaechen::CheckAnswer()
{
    const flaechen::Task t = task();
    Conclude(flaechen::IsRight(t, ComboBox1->currentIndex()),
             flaechen::CorrectionText(flaechen::ExpectedPercent(t)));
}
