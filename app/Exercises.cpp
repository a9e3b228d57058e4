#include "app/Exercises.h"

#include "app/Forms.h"
#include "exercises/Boerse.h"
#include "exercises/Diagramm.h"
#include "exercises/Flaechen.h"
#include "exercises/Geldanlage.h"
#include "exercises/Pauken.h"
#include "exercises/Rabatt.h"
#include "exercises/Schaetzen.h"
#include "exercises/Steigung.h"
#include "exercises/Wachstum.h"
#include "exercises/Wuerfeln.h"
#include "exercises/Zins.h"

#include <iterator>

namespace {

template <class T, T*& Reference>
constexpr TExercise Exercise(const char* tabText, const char* key, int tab)
{
    return {tabText, key, tab, [](TForms& forms) -> TfmVorlage* { return forms.Create(Reference); },
            []() -> TfmVorlage* {
                return Reference;
            }};
}

// The creation order is part of the program's start: each window draws its
// first task from the random generator as it is created.
constexpr TExercise Registry[] = {
    Exercise<TfmBoerse, fmBoerse>("Börse", "boerse", 10),
    Exercise<TfmFlaechen, fmFlaechen>("Flächen", "flaechen", 3),
    Exercise<TfmRabatt, fmRabatt>("Rabatt", "rabatt", 1),
    Exercise<TfmDiagramm, fmDiagramm>("Diagramm", "diagramm", 2),
    Exercise<TfmSteigung, fmSteigung>("Steigung", "steigung", 4),
    Exercise<TfmWuerfeln, fmWuerfeln>("Würfeln", "wuerfeln", 5),
    Exercise<TfmZins, fmZins>("Zinsrechnung", "zins", 6),
    Exercise<TfmWachstum, fmWachstum>("Wachstum", "wachstum", 7),
    Exercise<TfmGeldanlage, fmGeldanlage>("Geldanlage", "geldanlage", 8),
    Exercise<TfmPauken, fmPauken>("Pauken", "pauken", 9),
    Exercise<TfmSchaetzen, fmSchaetzen>("Schätzen", "schaetzen", 0),
};
constexpr int Count = static_cast<int>(std::size(Registry));

// Every tab from 0 to Count - 1 exactly once.
constexpr bool TabsArePermutation()
{
    for (int tab = 0; tab < Count; ++tab) {
        int seen = 0;
        for (const TExercise& e : Registry)
            seen += e.tab == tab;
        if (seen != 1)
            return false;
    }
    return true;
}
static_assert(TabsArePermutation(), "each tab position is taken by one exercise");

constexpr bool Same(const char* a, const char* b)
{
    while (*a && *a == *b)
        ++a, ++b;
    return *a == *b;
}
// The learning record tells the exercises apart by their keys.
constexpr bool KeysAreUnique()
{
    for (int i = 0; i < Count; ++i)
        for (int j = i + 1; j < Count; ++j)
            if (Same(Registry[i].key, Registry[j].key))
                return false;
    return true;
}
static_assert(KeysAreUnique(), "each exercise has a key of its own");

} // namespace

TExerciseList Exercises()
{
    return {std::begin(Registry), std::end(Registry)};
}

const TExercise* ExerciseAtTab(int tab)
{
    for (const TExercise& e : Registry)
        if (e.tab == tab)
            return &e;
    return nullptr;
}

QString ExerciseTabText(int tab)
{
    const TExercise* e = ExerciseAtTab(tab);
    return e ? QString::fromUtf8(e->tabText) : QString();
}

const TExercise* ExerciseOfKey(const QString& key)
{
    for (const TExercise& e : Registry)
        if (key == QLatin1String(e.key))
            return &e;
    return nullptr;
}
