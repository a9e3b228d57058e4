#include "framework/share2.h"

#include "core/Random.h"

TShared* Shared = nullptr;

const char* const PraiseTexts[5] = {
    "Bravo, gut gemacht",           "Das Ergebnis ist richtig, weiter so!",
    "Das war die perfekte Antwort", "Besser gehts grad nicht!",
    "Sehr gut... Überflieger",
};

TShared::TShared(int seriesLength)
    : m_seriesLength(seriesLength)
{}

void TShared::RecordResult(bool success)
{
    const int n = ++m_attempts;
    const int32_t exercise = SelectedExercise ? SelectedExercise() : 0;
    // A series longer than the store would overrun it; such attempts are counted but not charted.
    if (n < static_cast<int>(Outcomes.size()))
        Outcomes[static_cast<size_t>(n)] = success ? exercise + 1 : -(exercise + 1);
    if (success)
        ++m_successes;
    if (Counted)
        Counted(exercise, success, n);
    showCounts();
    if (n == m_seriesLength) {
        if (ShowStatistics)
            ShowStatistics();
        ResetSeries();
    }
}

void TShared::ResetSeries()
{
    m_attempts = 0;
    m_successes = 0;
    showCounts();
}

void TShared::showCounts() const
{
    if (ShowCounts)
        ShowCounts(m_attempts, m_successes);
}

QString TShared::PickPraise() const
{
    return QString::fromUtf8(PraiseTexts[RandomInt(5)]);
}
