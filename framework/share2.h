#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>

// The score keeper of a series. Outcomes[k] holds attempt k (from 1):
// +(exercise + 1) for a success, -(exercise + 1) for a failure.
class TShared {
public:
    explicit TShared(int seriesLength = 20);

    // Records one evaluated answer of the selected exercise. The attempt that
    // completes a series opens the statistics; both counts return to 0 only
    // after it is closed.
    void RecordResult(bool success);
    // Starts a new series without opening the statistics.
    void ResetSeries();

    // One of the five praise texts, drawn with the program's generator.
    QString PickPraise() const;

    int Attempts() const { return m_attempts; }
    int Successes() const { return m_successes; }
    int SeriesLength() const { return m_seriesLength; }
    QStringList ExerciseNames() const { return Names; }

    std::array<int32_t, 128> Outcomes{};
    // The exercises' names, in the order of their indices.
    QStringList Names;

    // The index of the selected exercise; 0 when unset.
    std::function<int()> SelectedExercise;
    // Shows the counts after every change (the main window's bars).
    std::function<void(int attempts, int successes)> ShowCounts;
    // Told of every counted attempt: the exercise's index, right or wrong, and
    // its number in the series (1 for a series' first).
    std::function<void(int exercise, bool success, int attempt)> Counted;
    // Shows the statistics modally; set by the main window.
    std::function<void()> ShowStatistics;

private:
    void showCounts() const;

    int m_seriesLength;
    int m_attempts = 0;
    int m_successes = 0;
};

// The one score keeper, created and freed by the main window.
extern TShared* Shared;

extern const char* const PraiseTexts[5];
