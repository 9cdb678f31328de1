#pragma once
// Device contexts of one paint of a skinned form: a canvas lent a context, and the
// window's own context (frame included).
#include <windows.h>

#include "classlib/graphics/Canvas.h"

// A canvas lent a device context for one paint.
class TDCCanvas {
 public:
  explicit TDCCanvas(HDC dc) { canvas_.SetHandle(dc); }
  ~TDCCanvas() { canvas_.SetHandle(nullptr); }
  TDCCanvas(const TDCCanvas&) = delete;
  TDCCanvas& operator=(const TDCCanvas&) = delete;
  TCanvas* operator->() { return &canvas_; }
  TCanvas* Get() { return &canvas_; }

 private:
  TCanvas canvas_;
};

// The window's own device context (frame included) for one paint.
class TWindowDC {
 public:
  explicit TWindowDC(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
  ~TWindowDC() { ReleaseDC(window_, dc_); }
  TWindowDC(const TWindowDC&) = delete;
  TWindowDC& operator=(const TWindowDC&) = delete;
  HDC Handle() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};
