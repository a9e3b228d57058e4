#include "app/Main.h"
#include "app/Forms.h"
#include "platform/Application.h"
#include "resources/Resources.h"

#include <QIcon>

#include <cstdio>

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    InitResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icon.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral("de.prozentrechnung.Prozentrechnung"));
    if (!JpegSupported())
        std::fputs("prozentrechnung: JPEG pictures cannot be decoded; backgrounds stay empty\n",
                   stderr);
    TForms forms;
    CreateForms(forms);
    Form2->show();
    return app.exec();
}
