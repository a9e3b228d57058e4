#include "app/Forms.h"
#include "app/Lernverlauf.h"
#include "app/Main.h"
#include "platform/Application.h"
#include "platform/EndSignals.h"
#include "platform/PlatformChoice.h"
#include "platform/ProgramIcon.h"
#include "platform/WindowGroup.h"
#include "resources/Resources.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    // The export for the teacher needs no window and no display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--export-lernverlauf") == 0) {
            QCoreApplication app(argc, argv);
            return RunCommandLine(QCoreApplication::arguments());
        }
    }
    // Under Wayland windows cannot place themselves: use X11 through XWayland.
    const std::string platform = ChoosePlatform(CurrentPlatformEnvironment(argc, argv));
    if (!platform.empty())
        qputenv("QT_QPA_PLATFORM", platform.c_str());
    TApplication app(argc, argv);
    InitResources();
    QApplication::setWindowIcon(ProgramIcon());
    const QString desktopId = QStringLiteral("de.prozentrechnung.Prozentrechnung");
    QGuiApplication::setDesktopFileName(desktopId);
    // The class part of WM_CLASS: it matches the desktop file's StartupWMClass.
    QCoreApplication::setApplicationName(desktopId);
    TForms forms;
    CreateForms(forms);
    SetOwnerWindow(Form2);
    HandleEndSignals([] {
        if (Form2)
            Form2->Beenden1Click();
    });
    Form2->show();
    // Once the windows are up: the first look at the image plugins takes a while.
    if (!JpegSupported())
        std::fputs("prozentrechnung: JPEG pictures cannot be decoded; backgrounds stay empty\n",
                   stderr);
    return app.exec();
}
