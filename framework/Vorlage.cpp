#include "framework/Vorlage.h"

#include "framework/share2.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QShowEvent>

TfmVorlage* fmVorlage = nullptr;

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
    sbTip = MakeChild<TSpeedButton>(Panel6, "sbTip", 414, 6, 120, 28);
    sbTip->setText(QStringLiteral("Tip  F1"));
    sbTip->setGlyph(QStringLiteral(":/glyph-tip.svg"), 18, 18);
    sbNew = MakeChild<TSpeedButton>(Panel6, "sbNew", 540, 6, 120, 28);
    sbNew->setText(QStringLiteral("Neu  F2"));
    sbNew->setGlyph(QStringLiteral(":/glyph-new.svg"), 17, 17);
    sbCheckIt = MakeChild<TSpeedButton>(Panel6, "sbCheckIt", 666, 6, 120, 28);
    sbCheckIt->setText(QStringLiteral("Bewerten  F9"));
    sbCheckIt->setGlyph(QStringLiteral(":/glyph-check.svg"), 17, 17);
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
}

void TfmVorlage::NewTask()
{
    // The template has no task of its own; only exercises are asked for one.
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
    if (right && verdict.message.isEmpty())
        ShowMessage(Shared ? Shared->PickPraise() : QString());
    else
        ShowMessage(verdict.message);
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

void TfmVorlage::FocusFirstControl()
{
    for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
        if (w->window() != this || !w->isVisibleTo(this) || !w->isEnabled() ||
            !(w->focusPolicy() & Qt::TabFocus))
            continue;
        w->setFocus(Qt::TabFocusReason);
        // The focus event comes only once the window is active; select now.
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            edit->selectAll();
        return;
    }
}

void TfmVorlage::FormKeyDown(int key, Qt::KeyboardModifiers)
{
    switch (key) {
    case Qt::Key_F1:
        ShowTip();
        break;
    case Qt::Key_F2:
        NewTask();
        FocusFirstControl();
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
    NewTask();
    FocusFirstControl();
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

void TfmVorlage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FocusFirstControl();
}
