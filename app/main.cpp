#include "app/Main.h"
#include "app/Forms.h"
#include "platform/Application.h"
#include "resources/Resources.h"

#include <cstdio>

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    InitResources();
    if (!JpegSupported())
        std::fputs("prozentrechnung: JPEG pictures cannot be decoded; backgrounds stay empty\n",
                   stderr);
    TForms forms;
    CreateForms(forms);
    Form2->show();
    return app.exec();
}
