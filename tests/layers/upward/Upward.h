#pragma once
// A header of a low layer that reaches up to a higher one: the layer check must refuse it.
#include "core/MapLines.h"
#include "editor/MainWindow.h"
