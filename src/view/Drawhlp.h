// The resize frame and its companions: include this to use the frame.
#pragma once

#include "view/CoverControl.h"
#include "view/KeyCatchWin.h"
#include "view/OutlineGeometry.h"
#include "view/OutlineOverlay.h"
#include "view/ResizeFrame.h"
