#pragma once

#include <QIcon>
#include <QWidget>

#include <functional>
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

// Makes every window shown from now on (other than owner, menus and tool tips)
// transient for owner: one task bar entry, kept above the owner.
void SetOwnerWindow(QWidget* owner);
// The window set by SetOwnerWindow, or none.
QWidget* OwnerWindow();

// Calls onSignal in the event loop for each SIGTERM, SIGINT and SIGHUP.
void HandleEndSignals(std::function<void()> onSignal);

// The program's icon (resources icon.svg). At a device pixel ratio of 1 it is
// made of the sizes an X window icon consists of, drawn at build time: a window
// gets its icon without drawing the SVG.
QIcon ProgramIcon();
