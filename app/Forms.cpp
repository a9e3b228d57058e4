#include "app/Forms.h"

#include "app/Info.h"
#include "app/Main.h"
#include "app/Statistic.h"
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
#include "framework/Vorlage.h"

void CreateForms(TForms& forms)
{
    forms.Create(Form2);
    forms.Create(fmVorlage);
    forms.Create(fmBoerse);
    forms.Create(fmFlaechen);
    forms.Create(fmRabatt);
    forms.Create(fmDiagramm);
    forms.Create(fmStatistic);
    forms.Create(fmSteigung);
    forms.Create(fmWuerfeln);
    forms.Create(fmZins);
    forms.Create(fmWachstum);
    forms.Create(fmGeldanlage);
    forms.Create(fmPauken);
    forms.Create(fmInfo);
    forms.Create(fmSchaetzen);
}
