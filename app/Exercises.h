#pragma once

#include <QString>

#include <cstddef>

class TForms;
class TfmVorlage;

// One exercise of the program: its tab, how its window is made and where the
// program keeps it.
struct TExercise {
    const char* tabText;
    // Names the exercise in the learning record; never changes.
    const char* key;
    // Position in the tab strip, and the exercise's number in a series' outcomes.
    int tab;
    // Creates the window into `forms` and sets its program-wide reference.
    TfmVorlage* (*create)(TForms& forms);
    // The program-wide reference: the window, or none before it is created.
    TfmVorlage* (*window)();
};

struct TExerciseList {
    const TExercise* first;
    const TExercise* last;
    const TExercise* begin() const { return first; }
    const TExercise* end() const { return last; }
    int size() const { return static_cast<int>(last - first); }
};

// Every exercise, in the order its window is created.
TExerciseList Exercises();

// The exercise of a tab, or none for an index outside the strip.
const TExercise* ExerciseAtTab(int tab);
QString ExerciseTabText(int tab);
// The exercise of a key, or none for a key that no exercise has.
const TExercise* ExerciseOfKey(const QString& key);
