#pragma once
#include "classlib/graphics/Canvas.h"

// A control's canvas: a window context taken on demand, or, while a TPaintScope lasts,
// the context a paint message hands over.
class TPaintCanvas : public TControlCanvas {
  CLASSLIB_CLASS(TPaintCanvas, TControlCanvas)
 public:
  TPaintCanvas() = default;
};

// Lends a paint context to a control's canvas (locked, with the control's font and
// colour) for the life of the scope.
class TPaintScope {
 public:
  TPaintScope(TPaintCanvas* canvas, HDC dc, TFont* font, TColor color);
  ~TPaintScope();
  TPaintScope(const TPaintScope&) = delete;
  TPaintScope& operator=(const TPaintScope&) = delete;

 private:
  TPaintCanvas* canvas_;
};
