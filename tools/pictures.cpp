#include "core/Random.h"
#include "platform/Application.h"
#include "resources/Resources.h"
#include "tools/Sheets.h"
#include "xshape/Diagram.h"

#include <QDir>

#include <cstdio>
#include <functional>
#include <utility>

// Writes the pictures of the drawing controls into a folder:
//   pictures DIR
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    InitResources();
    app.setAttribute(Qt::AA_Use96Dpi, true);
    if (argc != 2) {
        std::fputs("usage: pictures DIR\n", stderr);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "pictures: cannot create %s\n", argv[1]);
        return 1;
    }
    const std::pair<const char*, std::function<QImage()>> pictures[] = {
        {"shapedraw.png",
         [] {
             return RoutineSheet(RoutineTiles());
         }},
        {"shapes.png", FormSheet},
        {"diagram.png",
         [] {
             TDiagram chart;
             SetUpChart(chart);
             return RenderDiagram(chart);
         }},
    };
    for (const auto& [name, make] : pictures) {
        // The random colour fields come out the same on every run.
        Random().setSeed(0);
        const QString path = dir.filePath(QString::fromLatin1(name));
        if (!make().save(path)) {
            std::fprintf(stderr, "pictures: cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
    }
    return 0;
}
