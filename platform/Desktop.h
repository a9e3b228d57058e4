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

// Makes the program's windows one group around owner, from now on:
// - every window shown (other than owner, menus and tool tips) is transient:
//   a modal one for the window that had the keyboard, any other for owner;
// - when a modal window closes, the window and the control that had the
//   keyboard before it get it back;
// - minimising one of the windows minimises all, restoring one restores all.
void SetOwnerWindow(QWidget* owner);
// The window set by SetOwnerWindow, or none.
QWidget* OwnerWindow();

// Where a window pair (a strip and the window directly below it, together
// `pair`) goes so that it lies within `available`: moved as little as
// possible, the top-left corner winning where the pair is larger than the area.
QPoint FitPair(const QRect& pair, const QRect& available);

// Calls onSignal in the event loop for each SIGTERM, SIGINT and SIGHUP.
void HandleEndSignals(std::function<void()> onSignal);

// The program's icon (resources icon.svg). At a device pixel ratio of 1 it is
// made of the sizes an X window icon consists of, drawn at build time: a window
// gets its icon without drawing the SVG.
QIcon ProgramIcon();
