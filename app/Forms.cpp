#include "app/Forms.h"

#include "app/Exercises.h"
#include "app/Info.h"
#include "app/Main.h"
#include "app/Statistic.h"
#include "framework/Vorlage.h"

void CreateForms(TForms& forms)
{
    forms.Create(Form2);
    forms.Create(fmVorlage);
    for (const TExercise& exercise : Exercises())
        exercise.create(forms);
    forms.Create(fmStatistic);
    forms.Create(fmInfo);
}
