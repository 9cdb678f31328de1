#include "classlib/windowing/PaintCanvas.h"

TPaintScope::TPaintScope(TPaintCanvas* canvas, HDC dc, TFont* font, TColor color) : canvas_(canvas) {
  canvas_->Lock();
  canvas_->FreeHandle();
  canvas_->SetHandle(dc);
  canvas_->SetFont(font);
  canvas_->Brush()->SetColor(color);
}

TPaintScope::~TPaintScope() {
  canvas_->SetHandle(nullptr);
  canvas_->Unlock();
}
