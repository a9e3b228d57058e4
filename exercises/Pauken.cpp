#include "exercises/Pauken.h"

#include "core/Random.h"
#include "platform/Accessible.h"
#include "platform/Appearance.h"
#include "platform/Dialogs.h"

#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QSvgRenderer>

TfmPauken* fmPauken = nullptr;

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
    : TfmExercise(parent)
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
    Memo1->setFont(PixelFont(QStringLiteral("Comic Sans MS"), 15, true));
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
    SetTips({QStringLiteral("Prozentwert = Prozentsatz · Grundwert"),
             QStringLiteral("Prozentsatz = Prozentwert / Grundwert"),
             QStringLiteral("Grundwert   = Prozentwert / Prozentsatz"),
             QStringLiteral("Prozentzahl = Prozentsatz · 100")});
}

TColor TfmPauken::background() const
{
    return FromQColor(palette().color(QPalette::Window));
}

void TfmPauken::setBackground(TColor color)
{
    SetWindowColor(this, ToQColor(color));
}

void TfmPauken::ResetEntry()
{
    Edit1->setText(QStringLiteral("0"));
    Edit1->selectAll(); // the next entry replaces it
}

pauken::Task TfmPauken::DrawTask()
{
    // The background is drawn first.
    setBackground(pauken::MakeBackground(Random()));
    return pauken::MakeTask(Random());
}

void TfmPauken::ShowTask(const pauken::Task& task)
{
    Memo1->setPlainText(pauken::TaskText(task));
}

void TfmPauken::ResetAnswer()
{
    // The last answer stays, selected, so that typing replaces it.
    Edit1->selectAll();
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
