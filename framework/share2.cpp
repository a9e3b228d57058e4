#include "framework/share2.h"

#include "platform/Random.h"

#include <QProgressBar>
#include <QTabBar>

TShared* Shared = nullptr;

const char* const PraiseTexts[5] = {
    "Bravo, gut gemacht",           "Das Ergebnis ist richtig, weiter so!",
    "Das war die perfekte Antwort", "Besser gehts grad nicht!",
    "Sehr gut... Überflieger",
};

TShared::TShared(QProgressBar* attemptsBar, QProgressBar* successBar, QTabBar* tabStrip)
    : m_attempts(attemptsBar)
    , m_successes(successBar)
    , m_tabs(tabStrip)
{}

void TShared::RecordResult(bool success)
{
    const int n = m_attempts->value() + 1;
    m_attempts->setValue(n);
    const int32_t tab = m_tabs->currentIndex();
    // A series longer than the store would overrun it; such attempts are counted but not charted.
    const bool stored = n > 0 && n < static_cast<int>(Outcomes.size());
    if (stored)
        Outcomes[static_cast<size_t>(n)] = ~tab;
    if (success) {
        m_successes->setValue(m_successes->value() + 1);
        if (stored)
            Outcomes[static_cast<size_t>(n)] = -Outcomes[static_cast<size_t>(n)];
    }
    if (n == m_attempts->maximum()) {
        if (ShowStatistics)
            ShowStatistics();
        m_attempts->setValue(0);
        m_successes->setValue(0);
    }
}

QString TShared::PickPraise() const
{
    return QString::fromUtf8(PraiseTexts[RandomInt(5)]);
}

int TShared::Attempts() const
{
    return m_attempts->value();
}

int TShared::Successes() const
{
    return m_successes->value();
}

int TShared::SeriesLength() const
{
    return m_attempts->maximum();
}

QStringList TShared::ExerciseNames() const
{
    QStringList names;
    for (int i = 0; i < m_tabs->count(); ++i)
        names << m_tabs->tabText(i);
    return names;
}
