#include "framework/Vorlage.h"

#include "framework/share2.h"
#include "platform/Accessible.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/SpeedButton.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QShowEvent>
#include <QTimer>

TfmVorlage* fmVorlage = nullptr;

namespace {
[[maybe_unused]] const bool FrameRole = RegisterAccessible<TfmVorlage>(TAccessibleRole::Frame);
} // namespace

TfmVorlage::TfmVorlage(QWidget* parent)
    // A dialog type with only a title and a close box: window managers then offer
    // no minimise or maximise and keep it above the strip.
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
    , m_layout(new TAlignLayout(this))
{
    setObjectName(QStringLiteral("fmVorlage"));
    setWindowTitle(QStringLiteral("Vorfahr"));
    setAutoFillBackground(true);

    Panel6 = MakeChild<TPanel>(this, "Panel6", 0, 406, 792, 39);
    Panel6->setBevels(TBevel::Lowered, TBevel::None);
    Panel6->setColor(QColor(193, 182, 201));
    m_layout->addAligned(Panel6, TAlign::Bottom);

    laTaskText = MakeChild<QLabel>(
        Panel6, "laTaskText", 8, 10, 343, 16,
        QStringLiteral("Berechne jeweils die Steigung in % (gerundet auf ganze %)"));
    const std::vector<TSpeedButton*> buttons = MakeSpeedButtonRow(
        Panel6, 6, QSize(120, 28),
        {{"sbTip", 414, QStringLiteral("Tip  F1"), QStringLiteral(":/glyph-tip.svg"), QSize(18, 18),
          QKeySequence(Qt::Key_F1)},
         {"sbNew", 540, QStringLiteral("Neu  F2"), QStringLiteral(":/glyph-new.svg"), QSize(17, 17),
          QKeySequence(Qt::Key_F2)},
         {"sbCheckIt", 666, QStringLiteral("Bewerten  F9"), QStringLiteral(":/glyph-check.svg"),
          QSize(17, 17), QKeySequence(Qt::Key_F9)}});
    sbTip = buttons[0];
    sbNew = buttons[1];
    sbCheckIt = buttons[2];
    sbCheckIt->setEnabled(false);

    connect(sbTip, &QToolButton::clicked, this, [this] { RunHandler([this] { sbTipClick(); }); });
    connect(sbNew, &QToolButton::clicked, this, [this] { RunHandler([this] { sbNewClick(); }); });
    connect(sbCheckIt, &QToolButton::clicked, this,
            [this] { RunHandler([this] { sbCheckItClick(); }); });

    setClientSize(792, 445);
}

void TfmVorlage::setClientSize(int width, int height)
{
    setFixedSize(width, height);
    m_layout->setGeometry(QRect(0, 0, width, height));
}

void TfmVorlage::FormCreate()
{
    TipIndex = 0;
    // An animated task is drawn when its window is chosen, so that the order of
    // draws follows the pupil's choices.
    if (!m_animatesTask)
        NewTask();
}

void TfmVorlage::NewTask()
{
    // The template has no task of its own; only exercises are asked for one.
}

void TfmVorlage::ResetAnswer()
{
    for (QWidget* control : m_answerControls) {
        if (auto* edit = qobject_cast<QLineEdit*>(control))
            edit->setText(QStringLiteral("0"));
        else if (auto* box = qobject_cast<QComboBox*>(control))
            box->setCurrentIndex(-1);
    }
}

void TfmVorlage::ShowTip()
{
    if (Tips.isEmpty()) {
        ShowMessage(QStringLiteral("1 Prozent ist 1/100"));
        return;
    }
    if (TipIndex < Tips.size() - 1)
        ++TipIndex;
    else
        TipIndex = 0;
    ShowMessage(Tips[TipIndex]);
}

void TfmVorlage::CheckAnswer()
{
    sbCheckIt->setEnabled(false);
}

void TfmVorlage::Conclude(const TVerdict& verdict)
{
    const bool right = verdict.outcome == TOutcome::Right;
    // A listener hears the verdict also where the text is only the correction.
    QString heard;
    if (right)
        heard = QStringLiteral("Richtig!");
    else if (verdict.outcome == TOutcome::Wrong)
        heard = QStringLiteral("Leider falsch.");
    // The bars' state after this attempt, which a listener hears nowhere else.
    if (Shared &&
        (verdict.outcome != TOutcome::Invalid || m_invalidEntry == TInvalidEntry::ResetAsFailure))
        heard = (heard + QStringLiteral(" Versuche: %1 von %2, richtig: %3.")
                             .arg(Shared->Attempts() + 1)
                             .arg(Shared->SeriesLength())
                             .arg(Shared->Successes() + int(right)))
                    .trimmed();
    if (right && verdict.message.isEmpty())
        ShowMessage(Shared ? Shared->PickPraise() : QString(), heard);
    else
        ShowMessage(verdict.message, heard);
    if (verdict.outcome == TOutcome::Invalid) {
        if (m_invalidEntry != TInvalidEntry::Refuse)
            ResetEntry();
        if (m_invalidEntry != TInvalidEntry::ResetAsFailure)
            return;
    }
    if (Shared)
        Shared->RecordResult(right);
    if (m_closesTask)
        TfmVorlage::CheckAnswer();
}

void TfmVorlage::Conclude(bool right, const QString& correction)
{
    Conclude(TVerdict{right ? TOutcome::Right : TOutcome::Wrong, right ? QString() : correction});
}

void TfmVorlage::SetTips(const QStringList& tips)
{
    Tips = tips;
}

QWidget* TfmVorlage::FirstControl() const
{
    for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
        if (w->window() == this && w->isVisibleTo(this) && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus))
            return w;
    }
    return nullptr;
}

void TfmVorlage::FocusFirstControl()
{
    QWidget* w = FirstControl();
    if (!w)
        return;
    w->setFocus(Qt::TabFocusReason);
    // The focus event comes only once the window is active; select now.
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->selectAll();
}

void TfmVorlage::DescribeDrawing(QWidget* drawing, const QString& name,
                                 std::function<QString()> describe, bool joinsTask)
{
    SetAccessibleTexts(drawing, name, drawing->accessibleDescription());
    m_taskParts.push_back({drawing, std::move(describe), joinsTask});
}

void TfmVorlage::AddTaskPart(std::function<QString()> part)
{
    m_taskParts.push_back({nullptr, std::move(part), true});
}

void TfmVorlage::TaskChanged()
{
    QStringList task{laTaskText->text()};
    for (const TTaskPart& part : m_taskParts) {
        const QString text = part.describe();
        if (part.drawing)
            SetAccessibleDescription(part.drawing, text);
        // A drawing's numbers say which drawing they belong to.
        if (!text.isEmpty() && part.joinsTask)
            task << (part.drawing ? part.drawing->accessibleName() + QStringLiteral(": ") + text
                                  : text);
    }
    m_taskTold = task.join(QLatin1Char('\n'));
    if (!isVisible() || !isActiveWindow()) {
        describeTask();
        return;
    }
    // The control with the keyboard keeps its texts: screen readers stumble
    // over a change of the focused control's description.
    QTimer::singleShot(0, this, [this] {
        if (isActiveWindow())
            Announce(this, QStringLiteral("Neue Aufgabe"), m_taskTold);
    });
}

void TfmVorlage::describeTask()
{
    QWidget* control = FirstControl();
    if (m_describedControl && m_describedControl != control) {
        m_describedControl->removeEventFilter(this);
        SetAccessibleDescription(m_describedControl, QString());
    }
    m_describedControl = control;
    if (!control)
        return;
    control->installEventFilter(this);
    SetAccessibleDescription(control, m_taskTold);
}

bool TfmVorlage::eventFilter(QObject* watched, QEvent* event)
{
    // Told once: the description goes when the keyboard has left the control,
    // once the screen reader follows the keyboard elsewhere.
    if (watched == m_describedControl && event->type() == QEvent::FocusOut) {
        QTimer::singleShot(0, this, [this, control = m_describedControl] {
            if (control && !(control->hasFocus() && isActiveWindow()))
                SetAccessibleDescription(control, QString());
        });
    }
    return QWidget::eventFilter(watched, event);
}

void TfmVorlage::FormKeyDown(int key, Qt::KeyboardModifiers)
{
    switch (key) {
    case Qt::Key_F1:
        ShowTip();
        break;
    case Qt::Key_F2:
        sbNewClick();
        break;
    case Qt::Key_F9:
        if (sbCheckIt->isEnabled())
            CheckAnswer();
        break;
    default:
        break;
    }
}

void TfmVorlage::sbTipClick()
{
    ShowTip();
}

void TfmVorlage::sbNewClick()
{
    // Told as a whole once it is made.
    Quietly([this] {
        NewTask();
        FocusFirstControl();
    });
}

void TfmVorlage::sbCheckItClick()
{
    CheckAnswer();
}

void TfmVorlage::closeEvent(QCloseEvent* event)
{
    event->ignore();
    // The window manager's close request ends the program like "Beenden".
    QWidget* owner = OwnerWindow();
    if (event->spontaneous() && owner && owner != this)
        owner->close();
}

bool TfmVorlage::focusNextPrevChild(bool next)
{
    QWidget* before = focusWidget();
    const bool moved = QWidget::focusNextPrevChild(next);
    if (auto* edit = qobject_cast<QLineEdit*>(before); edit && focusWidget() == edit)
        edit->selectAll();
    return moved;
}

void TfmVorlage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        describeTask();
        FocusFirstControl();
    }
}
