#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>

class QProgressBar;
class QTabBar;

// The score keeper. The two progress bars are the only counters of a series;
// Outcomes[k] holds attempt k (from 1): +(tab + 1) for a success, -(tab + 1) for a failure.
class TShared {
public:
    TShared(QProgressBar* attemptsBar, QProgressBar* successBar, QTabBar* tabStrip);

    // Records one evaluated answer of the exercise whose tab is selected. The
    // attempt that completes a series opens the statistics; both bars return to
    // 0 only after it is closed.
    void RecordResult(bool success);

    // One of the five praise texts, drawn with the program's generator.
    QString PickPraise() const;

    int Attempts() const;
    int Successes() const;
    int SeriesLength() const;
    QStringList ExerciseNames() const;

    std::array<int32_t, 128> Outcomes{};

    // Shows the statistics modally; set by the main window.
    std::function<void()> ShowStatistics;

private:
    QProgressBar* m_attempts;
    QProgressBar* m_successes;
    QTabBar* m_tabs;
};

// The one score keeper, created and freed by the main window.
extern TShared* Shared;

extern const char* const PraiseTexts[5];
