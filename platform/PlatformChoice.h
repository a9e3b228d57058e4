#pragma once

#include <string>

// What decides the platform plugin: the environment and the command line.
struct PlatformEnvironment {
    std::string qpaPlatform;       // QT_QPA_PLATFORM
    std::string display;           // DISPLAY
    std::string waylandDisplay;    // WAYLAND_DISPLAY
    std::string sessionType;       // XDG_SESSION_TYPE
    bool platformArgument = false; // -platform on the command line
};

// The platform plugin to ask Qt for: "xcb" in a Wayland session that also has
// an X display, so windows can place themselves; empty leaves Qt's own choice.
std::string ChoosePlatform(const PlatformEnvironment& environment);

// The environment of this process and its command line.
PlatformEnvironment CurrentPlatformEnvironment(int argc, char** argv);
