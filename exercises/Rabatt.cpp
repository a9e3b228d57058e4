#include "exercises/Rabatt.h"

#include "core/Numbers.h"
#include "core/Random.h"
#include "platform/Accessible.h"
#include "platform/Dialogs.h"

#include <QLineEdit>

TfmRabatt* fmRabatt = nullptr;

TfmRabatt::TfmRabatt(QWidget* parent)
    : TfmExercise(parent)
{
    setObjectName(QStringLiteral("fmRabatt"));
    setWindowTitle(QStringLiteral("Rabatt"));

    Image1 = MakeChild<TImage>(this, "Image1", 0, 0, 445, 430);
    Image1->loadSvg(QStringLiteral(":/rabatt.svg"));
    alignLayout()->addAligned(Image1, TAlign::Left);
    SetAccessibleTexts(Image1, QStringLiteral("Bild: Computer im Sonderangebot"), QString());

    StaticText1 = MakeChild<TStaticText>(this, "StaticText1", 448, 172, 343, 101);
    StaticText1->setText(QStringLiteral("StaticText1"));
    StaticText1->setAlignment(Qt::AlignCenter);
    StaticText1->setColor(QColor(0xC0, 0xC0, 0xC0));

    Label1 = MakeChild<QLabel>(this, "Label1", 500, 366, 137, 16,
                               QStringLiteral("Preis (auf DM gerundet)"));
    Edit1 = MakeChild<QLineEdit>(this, "Edit1", 644, 361, 72, 24, QStringLiteral("0"));
    UpDown1 = MakeChild<TUpDown>(this, "UpDown1", 716, 361, 19, 24);
    UpDown1->setRange(0, 5000);
    UpDown1->setAssociate(Edit1);
    setTabOrder(Edit1, UpDown1);
    LabelField(Label1, Edit1);
    AddTaskPart([this] { return StaticText1->text(); });

    laTaskText->setText(QStringLiteral("Berechne den aktuellen Preis des Computers in € !"));
    laTaskText->resize(288, laTaskText->height());

    SetTips({QStringLiteral("Prozentwert = Prozentsatz · Grundwert"),
             QStringLiteral("Die aktuelle Preis ist der Grundwert"),
             QStringLiteral("Zur Umrechnung von Prozentsatz in Prozentzahl muss das Komma um 2 "
                            "Stellen verschoben werden"),
             QStringLiteral(
                 "Wenn der Preis geändert wurde, so ergibt sich auch ein neuer Grundwert.")});
    setClientSize(792, 469);
    setAnswerControls({Edit1});
}

rabatt::Task TfmRabatt::DrawTask()
{
    return rabatt::MakeTask(Random());
}

void TfmRabatt::ShowTask(const rabatt::Task& task)
{
    // The task text breaks its lines with LF CR; a label shows each pair as one break.
    StaticText1->setText(rabatt::TaskText(task).remove(QLatin1Char('\r')));
}

void TfmRabatt::CheckAnswer()
{
    const rabatt::Task t = task();
    const int32_t answer = StrToInt(Edit1->text());
    Conclude(rabatt::IsRight(t, answer), rabatt::CorrectionText(rabatt::ExpectedPrice(t)));
}
