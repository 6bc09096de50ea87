#pragma once
// A sample window with one of each bar, the tab row, the scroll bar and a
// grid with the floating edit box open on its current cell, so a person
// sees how they render.
#include "Capture.h"

bool captureControlsSample(const Capture& capture);
