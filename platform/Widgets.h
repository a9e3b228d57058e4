#pragma once

// The widget kinds of the platform layer, for files that use most of them.
#include "platform/AlignLayout.h"
#include "platform/Image.h"
#include "platform/MakeChild.h"
#include "platform/PaintBox.h"
#include "platform/Panel.h"
#include "platform/PickList.h"
#include "platform/Shape.h"
#include "platform/SpeedButton.h"
#include "platform/UpDown.h"
#include "platform/WindowPlacement.h"
