#include "exercises/Rabatt.h"

#include "platform/Accessible.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "platform/Random.h"

#include <QLineEdit>

TfmRabatt* fmRabatt = nullptr;

namespace rabatt {

Task MakeTask(TRandom& random)
{
    Task t;
    t.price = 800 + 100 * random.range(0, 19);
    t.discount1 = 5 + 5 * random.range(0, 5);
    t.discount2 = 5 + 5 * random.range(0, 5);
    return t;
}

QString TaskText(const Task& task)
{
    return QStringLiteral("Ein Computerverkäufer verlangt für seinen PC %1 €.\n\r"
                          "Da die Preise schnell fallen, muss er nach einer Woche\n\r"
                          "%2 % Rabatt geben. Auf einigen Computern bleibt er\n\r"
                          "trotzdem sitzen und muss deshalb 2 Wochen später noch-\n\r"
                          "mals %3 % Rabatt auf den bestehenden Preis geben.")
        .arg(task.price)
        .arg(task.discount1)
        .arg(task.discount2);
}

int32_t ExpectedPrice(const Task& task)
{
    const int64_t q =
        static_cast<int64_t>(task.price) * (100 - task.discount1) * (100 - task.discount2);
    int64_t quotient = q / 10000;
    const int64_t remainder = q % 10000;
    if (remainder > 5000 || (remainder == 5000 && quotient % 2 != 0))
        ++quotient;
    return static_cast<int32_t>(quotient);
}

bool IsRight(const Task& task, int32_t answer)
{
    const int64_t diff = static_cast<int64_t>(answer) - ExpectedPrice(task);
    return diff >= -1 && diff <= 1;
}

QString CorrectionText(int32_t expected)
{
    return QStringLiteral("Der aktuelle Preis ist %1 € !").arg(expected);
}

} // namespace rabatt

TfmRabatt::TfmRabatt(QWidget* parent)
    : TfmVorlage(parent)
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

    setClientSize(792, 469);
}

void TfmRabatt::FormCreate()
{
    TfmVorlage::FormCreate();
    SetTips({QStringLiteral("Prozentwert = Prozentsatz · Grundwert"),
             QStringLiteral("Die aktuelle Preis ist der Grundwert"),
             QStringLiteral("Zur Umrechnung von Prozentsatz in Prozentzahl muss das Komma um 2 "
                            "Stellen verschoben werden"),
             QStringLiteral(
                 "Wenn der Preis geändert wurde, so ergibt sich auch ein neuer Grundwert.")});
    NewTask();
}

rabatt::Task TfmRabatt::task() const
{
    return {TaskValues[0], TaskValues[1], TaskValues[2]};
}

void TfmRabatt::setTask(const rabatt::Task& t)
{
    TaskValues[0] = t.price;
    TaskValues[1] = t.discount1;
    TaskValues[2] = t.discount2;
    // The task text breaks its lines with LF CR; a label shows each pair as one break.
    StaticText1->setText(rabatt::TaskText(t).remove(QLatin1Char('\r')));
    TaskChanged();
}

void TfmRabatt::NewTask()
{
    setTask(rabatt::MakeTask(Random()));
    Edit1->setText(QStringLiteral("0"));
    sbCheckIt->setEnabled(true);
}

void TfmRabatt::CheckAnswer()
{
    const rabatt::Task t = task();
    const int32_t answer = StrToInt(Edit1->text());
    Conclude(rabatt::IsRight(t, answer), rabatt::CorrectionText(rabatt::ExpectedPrice(t)));
}
