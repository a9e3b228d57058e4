#include "app/Forms.h"

#include "app/Main.h"
#include "app/Statistic.h"
#include "exercises/Rabatt.h"
#include "exercises/Schaetzen.h"
#include "framework/Vorlage.h"

void CreateForms(TForms& forms)
{
    forms.Create(Form2);
    forms.Create(fmVorlage);
    forms.Create(fmRabatt);
    forms.Create(fmStatistic);
    forms.Create(fmSchaetzen);
}
