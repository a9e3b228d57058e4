#include "exercises/Pauken.h"

#include "platform/Accessible.h"
#include "platform/Dialogs.h"
#include "platform/Random.h"

#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QSvgRenderer>

TfmPauken* fmPauken = nullptr;

namespace pauken {

namespace {

int32_t PercentOf(int32_t rate, int32_t base)
{
    return static_cast<int32_t>(RoundEven(static_cast<Extended>(rate) * base / 100));
}

} // namespace

TColor MakeBackground(TRandom& random)
{
    const auto blue = static_cast<TColor>(random.range(0, 255));
    const auto green = static_cast<TColor>(random.range(0, 255));
    const auto red = static_cast<TColor>(random.range(0, 255));
    return blue << 16 | green << 8 | red;
}

Task MakeTask(TRandom& random)
{
    switch (random.range(0, 2)) {
    case PercentageValue: {
        const int32_t rate = random.range(1, 150);
        return PercentageValueTask(rate, 1000 * random.range(1, 12));
    }
    case BaseValue: {
        const int32_t rate = random.range(1, 150);
        return BaseValueTask(rate, 100 * random.range(1, 200));
    }
    default: {
        const int32_t value = 100 * random.range(1, 200);
        return PercentFigureTask(value, 150 * random.range(1, 200));
    }
    }
}

Task PercentageValueTask(int32_t rate, int32_t base)
{
    return {PercentageValue, rate, base, PercentOf(rate, base)};
}

Task BaseValueTask(int32_t rate, int32_t base)
{
    return {BaseValue, rate, PercentOf(rate, base), base};
}

Task PercentFigureTask(int32_t value, int32_t base)
{
    // Extended, not exact: 14100 / 12000 lies just below 1.175 there and gives 117.
    const Extended quotient = static_cast<Extended>(value) / base;
    return {PercentFigure, value, base, static_cast<int32_t>(RoundEven(quotient * 100))};
}

QString TaskText(const Task& task)
{
    QString text;
    switch (task.kind) {
    case BaseValue:
        text = QStringLiteral("%1 % entsprechen %2. Wie groß ist der Grundwert?");
        break;
    case PercentFigure:
        text =
            QStringLiteral("Prozentwert: %1, Grundwert: %2. Berechne die Prozentzahl (gerundet)!");
        break;
    default:
        text = QStringLiteral("Wieviel sind %1 % von %2 ?");
        break;
    }
    return text.arg(task.first).arg(task.second);
}

std::optional<Extended> ReadAnswer(const QString& entry)
{
    return TryStrToFloat(entry);
}

bool IsRight(const Task& task, Extended answer)
{
    // Exact: 480,0 counts as 480, 480,5 does not.
    return answer == static_cast<Extended>(task.expected);
}

QString CorrectionText(int32_t expected)
{
    return QStringLiteral("Der Wert wäre %1 gewesen!").arg(expected);
}

QString NotANumberText()
{
    return QStringLiteral("Du musst schon eine Zahl eingeben!");
}

} // namespace pauken

namespace {

// The speaker's face: a 32 x 32 icon, drawn unscaled in the corner of its picture.
QImage FaceIcon()
{
    QImage icon(32, 32, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/pauken-face.svg"));
    {
        QPainter p(&icon);
        p.setRenderHint(QPainter::Antialiasing);
        renderer.render(&p);
    }
    return icon;
}

} // namespace

TfmPauken::TfmPauken(QWidget* parent)
    : TfmVorlage(parent)
{
    setObjectName(QStringLiteral("fmPauken"));
    setWindowTitle(QStringLiteral("Pauken"));
    setInvalidEntry(TInvalidEntry::ResetUncounted);

    Image1 = MakeChild<TImage>(this, "Image1", 240, 112, 41, 41);
    Image1->setImageMaker(FaceIcon);
    SetAccessibleTexts(Image1, QStringLiteral("Bild: Gesicht"), QString());

    // The bubble lies over the lower right corner of the face's picture.
    Shape1 = MakeChild<TShape>(this, "Shape1", 256, 116, 309, 141);
    Shape1->setShape(TShapeType::Ellipse);
    Shape1->brush().setColor(clr::White);
    Shape1->pen().setStyle(TPenStyle::Clear);
    SetAccessibleTexts(Shape1, QStringLiteral("Sprechblase"), QString());

    Memo1 = MakeChild<QPlainTextEdit>(this, "Memo1", 292, 140, 233, 93);
    Memo1->setPlainText(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    // Read as the answer field's description, not a stop of its own.
    Memo1->setFocusPolicy(Qt::NoFocus);
    Memo1->viewport()->setAccessibleName(QStringLiteral("Aufgabentext"));
    // Neither selectable nor editable: the question is only read.
    Memo1->setTextInteractionFlags(Qt::NoTextInteraction);
    Memo1->setFrameStyle(QFrame::NoFrame);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->document()->setDocumentMargin(2);
    QFont memoFont(QStringLiteral("Comic Sans MS"));
    memoFont.setPixelSize(15);
    memoFont.setBold(true);
    Memo1->setFont(memoFont);
    QPalette memoPalette = Memo1->palette();
    memoPalette.setColor(QPalette::Base, ToQColor(clr::White));
    memoPalette.setColor(QPalette::Text, ToQColor(clr::Black));
    Memo1->setPalette(memoPalette);
    // A click on the question hands the keyboard to the answer.
    Memo1->viewport()->installEventFilter(this);

    Label1 = MakeChild<QLabel>(this, "Label1", 296, 320, 54, 16, QStringLiteral("Antwort: "));
    QPalette labelPalette = Label1->palette();
    labelPalette.setColor(QPalette::Window, ToQColor(clr::White));
    Label1->setPalette(labelPalette);
    Label1->setAutoFillBackground(true);

    Edit1 = MakeChild<QLineEdit>(this, "Edit1", 368, 316, 81, 24, QStringLiteral("0"));
    LabelField(Label1, Edit1);
    SetAccessibleTexts(Memo1, QStringLiteral("Aufgabe"), QString());
    AddTaskPart([this] { return Memo1->toPlainText(); });
    Edit1->setFocus();

    laTaskText->setText(QStringLiteral("Berechne  !"));
}

void TfmPauken::FormCreate()
{
    TfmVorlage::FormCreate();
    SetTips({QStringLiteral("Prozentwert = Prozentsatz · Grundwert"),
             QStringLiteral("Prozentsatz = Prozentwert / Grundwert"),
             QStringLiteral("Grundwert   = Prozentwert / Prozentsatz"),
             QStringLiteral("Prozentzahl = Prozentsatz · 100")});
    NewTask();
}

pauken::Task TfmPauken::task() const
{
    return {TaskValues[0], TaskValues[1], TaskValues[2], TaskValues[3]};
}

void TfmPauken::setTask(const pauken::Task& task)
{
    TaskValues[0] = task.kind;
    TaskValues[1] = task.first;
    TaskValues[2] = task.second;
    TaskValues[3] = task.expected;
    Memo1->setPlainText(pauken::TaskText(task));
    TaskChanged();
}

TColor TfmPauken::background() const
{
    return FromQColor(palette().color(QPalette::Window));
}

void TfmPauken::setBackground(TColor color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ToQColor(color));
    setPalette(pal);
}

void TfmPauken::ResetEntry()
{
    Edit1->setText(QStringLiteral("0"));
    Edit1->selectAll(); // the next entry replaces it
}

void TfmPauken::NewTask()
{
    setBackground(pauken::MakeBackground(Random()));
    setTask(pauken::MakeTask(Random()));
    // The last answer stays, selected, so that typing replaces it.
    Edit1->selectAll();
    sbCheckIt->setEnabled(true);
}

void TfmPauken::CheckAnswer()
{
    const pauken::Task t = task();
    const std::optional<Extended> answer = pauken::ReadAnswer(Edit1->text());
    if (!answer)
        Conclude({TOutcome::Invalid, pauken::NotANumberText()});
    else
        Conclude(pauken::IsRight(t, *answer), pauken::CorrectionText(t.expected));
}

void TfmPauken::Memo1Enter()
{
    Edit1->setFocus(Qt::OtherFocusReason);
    Edit1->selectAll();
}

bool TfmPauken::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Memo1->viewport() && event->type() == QEvent::MouseButtonPress) {
        Memo1Enter();
        return true;
    }
    return TfmVorlage::eventFilter(watched, event);
}
