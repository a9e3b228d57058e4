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

template <class T, T*& Reference> constexpr TExercise Exercise(const char* tabText, int tab)
{
    return {tabText, tab, [](TForms& forms) -> TfmVorlage* { return forms.Create(Reference); },
            []() -> TfmVorlage* {
                return Reference;
            }};
}

// The creation order is part of the program's start: each window draws its
// first task from the random generator as it is created.
constexpr TExercise Registry[] = {
    Exercise<TfmBoerse, fmBoerse>("Börse", 10),
    Exercise<TfmFlaechen, fmFlaechen>("Flächen", 3),
    Exercise<TfmRabatt, fmRabatt>("Rabatt", 1),
    Exercise<TfmDiagramm, fmDiagramm>("Diagramm", 2),
    Exercise<TfmSteigung, fmSteigung>("Steigung", 4),
    Exercise<TfmWuerfeln, fmWuerfeln>("Würfeln", 5),
    Exercise<TfmZins, fmZins>("Zinsrechnung", 6),
    Exercise<TfmWachstum, fmWachstum>("Wachstum", 7),
    Exercise<TfmGeldanlage, fmGeldanlage>("Geldanlage", 8),
    Exercise<TfmPauken, fmPauken>("Pauken", 9),
    Exercise<TfmSchaetzen, fmSchaetzen>("Schätzen", 0),
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
