#pragma once
#include "classlib/graphics/Canvas.h"

// Draws `width` nested frames inside `rect`, top and left edges in `topColor`, bottom and
// right in `bottomColor`, and narrows `rect` to the area inside them.
void Frame3D(TCanvas* canvas, TRect& rect, TColor topColor, TColor bottomColor, int width);
