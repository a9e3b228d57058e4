#pragma once

#include <QIcon>

// The program's icon (resources icon.svg). At a device pixel ratio of 1 it is
// made of the sizes an X window icon consists of, drawn at build time: a window
// gets its icon without drawing the SVG.
QIcon ProgramIcon();
