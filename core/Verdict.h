#pragma once

#include <QString>

// The result of evaluating an answer.
enum class TOutcome { Right, Wrong, Invalid };

struct TVerdict {
    TOutcome outcome;
    // Wrong: the correction. Invalid: what the entry lacks. Right: a message of
    // the exercise's own, or empty for a praise drawn from the five.
    QString message;
};
