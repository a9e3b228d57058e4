#include "platform/UpDown.h"

#include "core/Numbers.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

TUpDown::TUpDown(QWidget* parent)
    : QWidget(parent)
    , m_up(new QToolButton(this))
    , m_down(new QToolButton(this))
{
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    m_up->setAccessibleName(QStringLiteral("Eins mehr"));
    m_down->setAccessibleName(QStringLiteral("Eins weniger"));
    for (QToolButton* b : {m_up, m_down}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(m_up, &QToolButton::clicked, this, [this] { step(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { step(-1); });
}

void TUpDown::setAssociate(QLineEdit* edit)
{
    if (m_edit)
        m_edit->removeEventFilter(this);
    m_edit = edit;
    if (m_edit)
        m_edit->installEventFilter(this);
}

void TUpDown::setRange(int min, int max)
{
    m_min = min;
    m_max = max;
    setPosition(m_position);
}

void TUpDown::setPosition(int p)
{
    m_position = std::clamp(p, m_min, m_max);
}

void TUpDown::step(int delta)
{
    // The field's text wins when it is a plain whole number; anything else
    // keeps the last position.
    if (m_edit) {
        if (const auto typed = TryStrToInt(m_edit->text()))
            setPosition(*typed);
    }
    const long long next = static_cast<long long>(m_position) + delta;
    setPosition(static_cast<int>(std::clamp<long long>(next, m_min, m_max)));
    if (m_edit)
        m_edit->setText(QString::number(m_position));
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TUpDown::resizeEvent(QResizeEvent*)
{
    const int h = height() / 2;
    m_up->setGeometry(0, 0, width(), h);
    m_down->setGeometry(0, h, width(), height() - h);
}
