#include "exercises/Geldanlage.h"

#include "platform/Accessible.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "platform/Random.h"

#include <QLineEdit>

TfmGeldanlage* fmGeldanlage = nullptr;

namespace geldanlage {

Task MakeTask(TRandom& random)
{
    Task t;
    t.capital = 500 * random.range(1, 40);
    t.rate = random.range(2, 6);
    t.term = random.range(2, 11);
    return t;
}

QString TaskText(const Task& task)
{
    return QStringLiteral("Herr Sparstrumpf legt %1 € mit %2 % Verzinsung für\r\n"
                          "%3 Jahre auf die Bank\r\n"
                          "Er kann jedes Jahr den Jahreszins abheben, oder die \r\n"
                          "Zinsen zusammen mit dem Kapital stehenlassen.")
        .arg(task.capital)
        .arg(task.rate)
        .arg(task.term);
}

int64_t SimpleInterestCents(const Task& task)
{
    const Extended cents = static_cast<Extended>(task.term) * 100 *
                           (static_cast<Extended>(task.rate) / 100) * task.capital;
    return RoundEven(cents);
}

int64_t CompoundInterestCents(const Task& task)
{
    // The extended factor lies just below (100 + rate) / 100, so a year that
    // ends on an exact half cent usually comes out just below it and rounds
    // down (110250 * 1.05 gives 115762). The expected answers depend on this.
    const Extended factor = static_cast<Extended>(task.rate) / 100 + 1;
    const int64_t start = static_cast<int64_t>(task.capital) * 100;
    int64_t amount = start;
    for (int32_t year = 0; year < task.term; ++year)
        amount = RoundEven(static_cast<Extended>(amount) * factor);
    return amount - start;
}

QString AmountText(int64_t cents)
{
    return FloatToStr(static_cast<Extended>(cents) / 100);
}

Expected ExpectedTexts(const Task& task)
{
    return {AmountText(SimpleInterestCents(task)), AmountText(CompoundInterestCents(task))};
}

bool IsRight(const Expected& expected, const QString& entry1, const QString& entry2)
{
    return entry1 == expected.simple && entry2 == expected.compound;
}

QString CorrectionText(const Expected& expected)
{
    return QStringLiteral("Eigentlich hätten es %1 € und %2 € sein müssen.")
        .arg(expected.simple, expected.compound);
}

} // namespace geldanlage

TfmGeldanlage::TfmGeldanlage(QWidget* parent)
    : TfmVorlage(parent)
{
    setObjectName(QStringLiteral("fmGeldanlage"));
    setWindowTitle(QStringLiteral("Geldanlage"));
    // A verdict leaves the task open: the pupil may correct the fields and have
    // them evaluated again, each time as one more attempt.
    setClosesTaskOnVerdict(false);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ToQColor(0xC08080));
    setPalette(pal);

    Image1 = MakeChild<TImage>(this, "Image1", 0, 0, 413, 406);
    Image1->loadSvg(QStringLiteral(":/geldanlage.svg"));
    alignLayout()->addAligned(Image1, TAlign::Left);
    SetAccessibleTexts(Image1, QStringLiteral("Bild: Sparschwein und Münzstapel"), QString());

    StaticText1 = MakeChild<TStaticText>(this, "StaticText1", 432, 220, 343, 101);
    StaticText1->setText(QStringLiteral("StaticText1"));
    StaticText1->setAlignment(Qt::AlignCenter);
    StaticText1->setColor(ToQColor(0xC0C0C0));

    Label1 = MakeChild<QLabel>(this, "Label1", 428, 346, 246, 16,
                               QStringLiteral("Zins, wenn er jedes Jahr die Zinsen abhebt"));
    Edit1 = MakeChild<QLineEdit>(this, "Edit1", 696, 341, 72, 24, QStringLiteral("0"));
    UpDown1 = MakeChild<TUpDown>(this, "UpDown1", 768, 341, 15, 24);
    UpDown1->setRange(0, 5000);
    UpDown1->setAssociate(Edit1);

    Label2 = MakeChild<QLabel>(this, "Label2", 428, 378, 234, 16,
                               QStringLiteral("Zins, wenn er den Jahreszins stehenlässt"));
    Edit2 = MakeChild<QLineEdit>(this, "Edit2", 696, 373, 72, 24, QStringLiteral("0"));
    UpDown2 = MakeChild<TUpDown>(this, "UpDown2", 768, 373, 15, 24);
    UpDown2->setRange(0, 5000);
    UpDown2->setAssociate(Edit2);

    setTabOrder(Edit1, UpDown1);
    setTabOrder(UpDown1, Edit2);
    setTabOrder(Edit2, UpDown2);
    LabelField(Label1, Edit1);
    LabelField(Label2, Edit2);
    AddTaskPart([this] { return StaticText1->text(); });

    laTaskText->setText(QStringLiteral("Berechne jeweils den Zins insgesamt."));

    setClientSize(792, 445);
}

void TfmGeldanlage::FormCreate()
{
    TfmVorlage::FormCreate();
    SetTips({QStringLiteral(
                 "Wenn jedes Jahr abgehoben wird, dann kommt jedes Jahr der gleiche Zins dazu."),
             QStringLiteral("Wenn nicht abgehoben wird, dann musst du für jedes Jahr das Kapital "
                            "neu ausrechnen."),
             QStringLiteral("Wenn nicht abgehoben wird, dann gilt in jedem Jahr: neues Kapital = "
                            "altes Kapital + Zins")});
    NewTask();
}

geldanlage::Task TfmGeldanlage::task() const
{
    return {TaskValues[0], TaskValues[1], TaskValues[2]};
}

void TfmGeldanlage::setTask(const geldanlage::Task& t)
{
    TaskValues[0] = t.capital;
    TaskValues[1] = t.rate;
    TaskValues[2] = t.term;
    // A label breaks lines at LF alone; the CR would show as a stray glyph.
    StaticText1->setText(geldanlage::TaskText(t).remove(QLatin1Char('\r')));
    TaskChanged();
}

void TfmGeldanlage::NewTask()
{
    setTask(geldanlage::MakeTask(Random()));
    sbCheckIt->setEnabled(true);
}

void TfmGeldanlage::CheckAnswer()
{
    const geldanlage::Task t = task();
    TaskValues[3] = static_cast<int32_t>(geldanlage::SimpleInterestCents(t));
    TaskValues[4] = static_cast<int32_t>(geldanlage::CompoundInterestCents(t));
    const geldanlage::Expected expected{geldanlage::AmountText(TaskValues[3]),
                                        geldanlage::AmountText(TaskValues[4])};
    const bool right = geldanlage::IsRight(expected, Edit1->text(), Edit2->text());
    Conclude(right, geldanlage::CorrectionText(expected));
}
