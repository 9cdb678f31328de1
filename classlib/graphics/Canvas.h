#pragma once
#include <span>

#include "classlib/graphics/Colors.h"
#include "classlib/graphics/GraphicsObjects.h"
#include "classlib/graphics/Types.h"
#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/Events.h"
#include "classlib/runtime/Object.h"
#include "classlib/runtime/SyncObjs.h"
#include "classlib/runtime/WinApi.h"

class TGraphic;

// A drawing surface over a device context that it does not own. The canvas selects its
// font, pen and brush into the context when an operation needs them and puts the
// context's own objects back when the context is detached (SetHandle with another
// context or null) or when one of them changes. Stretching copies use COLORONCOLOR
// (nearest pixel). Drawing operations fire OnChanging before and OnChange after.
// Lock/Unlock guard the canvas between threads (a critical section per canvas).
class TCanvas : public TPersistent {
  CLASSLIB_CLASS(TCanvas, TPersistent)
 public:
  TCanvas();
  ~TCanvas() override;

  // The device context; a canvas without one asks CreateHandle for it.
  HDC Handle();
  void SetHandle(HDC dc);
  bool HandleAllocated() const { return handle_ != nullptr; }

  TFont* Font() const { return font_; }
  TPen* Pen() const { return pen_; }
  TBrush* Brush() const { return brush_; }
  void SetFont(TFont* font) { font_->Assign(font); }
  void SetPen(TPen* pen) { pen_->Assign(pen); }
  void SetBrush(TBrush* brush) { brush_->Assign(brush); }
  // The raster operation of CopyRect (SRCCOPY by default).
  DWORD CopyMode() const { return copyMode_; }
  void SetCopyMode(DWORD mode) { copyMode_ = mode; }
  TPoint PenPos();
  void SetPenPos(const TPoint& position) { MoveTo(position.X, position.Y); }

  void MoveTo(int x, int y);
  // A line from the pen position up to, not including, (x, y), which becomes the pen position.
  void LineTo(int x, int y);
  void Polyline(std::span<const TPoint> points);
  void Polygon(std::span<const TPoint> points);
  void Rectangle(int left, int top, int right, int bottom);
  void Rectangle(const TRect& rect) { Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom); }
  void RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
  void Ellipse(int left, int top, int right, int bottom);
  void Ellipse(const TRect& rect) { Ellipse(rect.Left, rect.Top, rect.Right, rect.Bottom); }
  // Fills with the brush (nothing for a clear brush), without an outline.
  void FillRect(const TRect& rect);
  // A one-pixel frame in the brush's colour.
  void FrameRect(const TRect& rect);
  // The dotted focus frame drawn by inverting: drawing it twice restores the pixels.
  void DrawFocusRect(const TRect& rect);

  TColor Pixels(int x, int y);
  void SetPixels(int x, int y, TColor color);

  // Text in the font at (x, y); the background is filled with the brush unless the brush
  // is clear. The pen position moves to the end of the text.
  void TextOut(int x, int y, const AnsiString& text);
  // Text at (x, y) clipped to `rect`; an opaque brush fills `rect` first.
  void TextRect(const TRect& rect, int x, int y, const AnsiString& text);
  SIZE TextExtent(const AnsiString& text);
  int TextWidth(const AnsiString& text) { return TextExtent(text).cx; }
  int TextHeight(const AnsiString& text) { return TextExtent(text).cy; }

  // Copies `source` rectangle of `canvas` into `dest`, stretching when sizes differ.
  void CopyRect(const TRect& dest, TCanvas* canvas, const TRect& source);
  // Draws a picture at its own size (honouring its transparency) or stretched into `rect`.
  void Draw(int x, int y, TGraphic* graphic);
  void StretchDraw(const TRect& rect, TGraphic* graphic);

  // The clip box of the context.
  TRect ClipRect();
  // Puts the context's own objects back; the canvas selects its objects again on next use.
  void Refresh();

  void Lock();
  void Unlock();
  bool TryLock();
  int LockCount() const { return lockCount_; }

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  // Called when an operation needs a context and there is none; the default raises
  // EInvalidOperation "Canvas does not allow drawing".
  virtual void CreateHandle();
  virtual void Changing();
  virtual void Changed();

 private:
  enum Need { kHandle = 1, kFont = 2, kPen = 4, kBrush = 8 };
  void RequiredState(int needs);
  void DeselectHandles();
  void SelectFont();
  void SelectPen();
  void SelectBrush();
  void FontChanged(TObject* sender);
  void PenChanged(TObject* sender);
  void BrushChanged(TObject* sender);

  HDC handle_ = nullptr;
  TFont* font_;
  TPen* pen_;
  TBrush* brush_;
  HGDIOBJ oldFont_ = nullptr;
  HGDIOBJ oldPen_ = nullptr;
  HGDIOBJ oldBrush_ = nullptr;
  DWORD copyMode_ = SRCCOPY;
  TCriticalSection lock_;
  int lockCount_ = 0;
};

// A canvas over a window's device context: client area or whole window. The context is
// taken (GetDC / GetWindowDC) on first use and released when the window changes or the
// canvas goes. Controls derive from it and answer their window in WindowHandle.
class TControlCanvas : public TCanvas {
  CLASSLIB_CLASS(TControlCanvas, TCanvas)
 public:
  TControlCanvas() = default;
  ~TControlCanvas() override;

  // Binds the canvas to `window`; `wholeWindow` includes the non-client area.
  void SetWindow(HWND window, bool wholeWindow = false);
  // Releases the window's context (taken again on next use).
  void FreeHandle();

 protected:
  // The window whose context is taken; null leaves the canvas without a context.
  virtual HWND WindowHandle() { return window_; }
  void CreateHandle() override;

 private:
  HWND window_ = nullptr;
  HWND dcWindow_ = nullptr;
  bool wholeWindow_ = false;
};
