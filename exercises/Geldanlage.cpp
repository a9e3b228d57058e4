#include "exercises/Geldanlage.h"

#include "core/Numbers.h"
#include "core/Random.h"
#include "platform/Accessible.h"
#include "platform/Appearance.h"
#include "platform/Dialogs.h"

#include <QLineEdit>

TfmGeldanlage* fmGeldanlage = nullptr;

TfmGeldanlage::TfmGeldanlage(QWidget* parent)
    : TfmExercise(parent)
{
    setObjectName(QStringLiteral("fmGeldanlage"));
    setWindowTitle(QStringLiteral("Geldanlage"));
    // A verdict leaves the task open: the pupil may correct the fields and have
    // them evaluated again, each time as one more attempt.
    setClosesTaskOnVerdict(false);
    SetWindowColor(this, ToQColor(0xC08080));

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

    SetTips({QStringLiteral(
                 "Wenn jedes Jahr abgehoben wird, dann kommt jedes Jahr der gleiche Zins dazu."),
             QStringLiteral("Wenn nicht abgehoben wird, dann musst du für jedes Jahr das Kapital "
                            "neu ausrechnen."),
             QStringLiteral("Wenn nicht abgehoben wird, dann gilt in jedem Jahr: neues Kapital = "
                            "altes Kapital + Zins")});
    setClientSize(792, 445);
}

geldanlage::Task TfmGeldanlage::DrawTask()
{
    return geldanlage::MakeTask(Random());
}

void TfmGeldanlage::ShowTask(const geldanlage::Task& task)
{
    // A label breaks lines at LF alone; the CR would show as a stray glyph.
    StaticText1->setText(geldanlage::TaskText(task).remove(QLatin1Char('\r')));
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
