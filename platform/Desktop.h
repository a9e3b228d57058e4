#pragma once

// How the program meets the desktop, for files that use most of it.
#include "platform/EndSignals.h"
#include "platform/PlatformChoice.h"
#include "platform/ProgramIcon.h"
#include "platform/WindowGroup.h"
#include "platform/WindowPlacement.h"
