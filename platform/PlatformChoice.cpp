#include "platform/PlatformChoice.h"

#include <cstdlib>
#include <cstring>

std::string ChoosePlatform(const PlatformEnvironment& e)
{
    if (!e.qpaPlatform.empty() || e.platformArgument || e.display.empty())
        return {};
    const bool wayland = !e.waylandDisplay.empty() || e.sessionType == "wayland";
    return wayland ? "xcb" : std::string();
}

PlatformEnvironment CurrentPlatformEnvironment(int argc, char** argv)
{
    auto env = [](const char* name) {
        const char* v = std::getenv(name);
        return std::string(v ? v : "");
    };
    PlatformEnvironment e;
    e.qpaPlatform = env("QT_QPA_PLATFORM");
    e.display = env("DISPLAY");
    e.waylandDisplay = env("WAYLAND_DISPLAY");
    e.sessionType = env("XDG_SESSION_TYPE");
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            e.platformArgument = true;
    }
    return e;
}
