#include "classlib/graphics/Canvas.h"

#include "classlib/graphics/Graphic.h"
#include "classlib/runtime/Exceptions.h"

namespace {
const POINT* AsPoints(std::span<const TPoint> points) { return reinterpret_cast<const POINT*>(points.data()); }
}  // namespace

TCanvas::TCanvas() : font_(new TFont), pen_(new TPen), brush_(new TBrush) {
  font_->OnChange = TNotifyEvent(this, &TCanvas::FontChanged);
  pen_->OnChange = TNotifyEvent(this, &TCanvas::PenChanged);
  brush_->OnChange = TNotifyEvent(this, &TCanvas::BrushChanged);
}

TCanvas::~TCanvas() {
  DeselectHandles();
  delete font_;
  delete pen_;
  delete brush_;
}

HDC TCanvas::Handle() {
  RequiredState(kHandle);
  return handle_;
}

void TCanvas::SetHandle(HDC dc) {
  if (dc == handle_) return;
  DeselectHandles();
  handle_ = dc;
  if (handle_ != nullptr) SetStretchBltMode(handle_, COLORONCOLOR);
}

void TCanvas::CreateHandle() { throw EInvalidOperation("Canvas does not allow drawing"); }

void TCanvas::RequiredState(int needs) {
  if (handle_ == nullptr) {
    CreateHandle();
    if (handle_ == nullptr) throw EInvalidOperation("Canvas does not allow drawing");
  }
  if ((needs & kFont) != 0 && oldFont_ == nullptr) SelectFont();
  if ((needs & kPen) != 0 && oldPen_ == nullptr) SelectPen();
  if ((needs & kBrush) != 0 && oldBrush_ == nullptr) SelectBrush();
}

void TCanvas::SelectFont() {
  oldFont_ = SelectObject(handle_, font_->Handle());
  SetTextColor(handle_, static_cast<COLORREF>(ColorToRGB(font_->Color())));
}

void TCanvas::SelectPen() {
  oldPen_ = SelectObject(handle_, pen_->Handle());
  SetROP2(handle_, pen_->Rop2());
}

void TCanvas::SelectBrush() {
  UnrealizeObject(brush_->Handle());
  oldBrush_ = SelectObject(handle_, brush_->Handle());
  if (brush_->Style() == bsSolid || brush_->Bitmap() != nullptr) {
    SetBkColor(handle_, static_cast<COLORREF>(ColorToRGB(brush_->Color())));
    SetBkMode(handle_, OPAQUE);
  } else {
    // Hatches keep the background under their gaps, as clear brushes do under text.
    SetBkColor(handle_, static_cast<COLORREF>(~ColorToRGB(brush_->Color()) & 0xFFFFFF));
    SetBkMode(handle_, TRANSPARENT);
  }
}

void TCanvas::DeselectHandles() {
  if (handle_ == nullptr) return;
  if (oldFont_ != nullptr) SelectObject(handle_, oldFont_);
  if (oldPen_ != nullptr) SelectObject(handle_, oldPen_);
  if (oldBrush_ != nullptr) SelectObject(handle_, oldBrush_);
  oldFont_ = oldPen_ = oldBrush_ = nullptr;
}

void TCanvas::FontChanged(TObject*) {
  if (handle_ != nullptr && oldFont_ != nullptr) {
    SelectObject(handle_, oldFont_);
    oldFont_ = nullptr;
  }
}

void TCanvas::PenChanged(TObject*) {
  if (handle_ != nullptr && oldPen_ != nullptr) {
    SelectObject(handle_, oldPen_);
    oldPen_ = nullptr;
  }
}

void TCanvas::BrushChanged(TObject*) {
  if (handle_ != nullptr && oldBrush_ != nullptr) {
    SelectObject(handle_, oldBrush_);
    oldBrush_ = nullptr;
  }
}

void TCanvas::Refresh() { DeselectHandles(); }

void TCanvas::Changing() { OnChanging(this); }
void TCanvas::Changed() { OnChange(this); }

TPoint TCanvas::PenPos() {
  RequiredState(kHandle);
  POINT p{};
  GetCurrentPositionEx(handle_, &p);
  return TPoint{p.x, p.y};
}

void TCanvas::MoveTo(int x, int y) {
  RequiredState(kHandle);
  MoveToEx(handle_, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
  RequiredState(kHandle | kPen | kBrush);
  Changing();
  ::LineTo(handle_, x, y);
  Changed();
}

void TCanvas::Polyline(std::span<const TPoint> points) {
  RequiredState(kHandle | kPen | kBrush);
  Changing();
  ::Polyline(handle_, AsPoints(points), static_cast<int>(points.size()));
  Changed();
}

void TCanvas::Polygon(std::span<const TPoint> points) {
  RequiredState(kHandle | kPen | kBrush);
  Changing();
  ::Polygon(handle_, AsPoints(points), static_cast<int>(points.size()));
  Changed();
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
  RequiredState(kHandle | kPen | kBrush);
  Changing();
  ::Rectangle(handle_, left, top, right, bottom);
  Changed();
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight) {
  RequiredState(kHandle | kPen | kBrush);
  Changing();
  ::RoundRect(handle_, left, top, right, bottom, ellipseWidth, ellipseHeight);
  Changed();
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
  RequiredState(kHandle | kPen | kBrush);
  Changing();
  ::Ellipse(handle_, left, top, right, bottom);
  Changed();
}

void TCanvas::FillRect(const TRect& rect) {
  RequiredState(kHandle | kBrush);
  Changing();
  ::FillRect(handle_, rect.AsRECT(), brush_->Handle());
  Changed();
}

void TCanvas::FrameRect(const TRect& rect) {
  RequiredState(kHandle | kBrush);
  Changing();
  ::FrameRect(handle_, rect.AsRECT(), brush_->Handle());
  Changed();
}

void TCanvas::DrawFocusRect(const TRect& rect) {
  RequiredState(kHandle | kBrush);
  Changing();
  ::DrawFocusRect(handle_, rect.AsRECT());
  Changed();
}

TColor TCanvas::Pixels(int x, int y) {
  RequiredState(kHandle);
  GdiFlush();
  return static_cast<TColor>(GetPixel(handle_, x, y));
}

void TCanvas::SetPixels(int x, int y, TColor color) {
  RequiredState(kHandle | kPen);
  Changing();
  SetPixelV(handle_, x, y, static_cast<COLORREF>(ColorToRGB(color)));
  Changed();
}

void TCanvas::TextOut(int x, int y, const AnsiString& text) {
  RequiredState(kHandle | kFont | kBrush);
  Changing();
  // The context's background mode (set with the brush) decides whether the cells are filled.
  ExtTextOutA(handle_, x, y, 0, nullptr, text.c_str(), static_cast<UINT>(text.Length()), nullptr);
  MoveToEx(handle_, x + TextExtent(text).cx, y, nullptr);
  Changed();
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const AnsiString& text) {
  RequiredState(kHandle | kFont | kBrush);
  Changing();
  UINT options = ETO_CLIPPED | (brush_->Style() == bsClear ? 0 : ETO_OPAQUE);
  ExtTextOutA(handle_, x, y, options, rect.AsRECT(), text.c_str(), static_cast<UINT>(text.Length()), nullptr);
  Changed();
}

SIZE TCanvas::TextExtent(const AnsiString& text) {
  RequiredState(kHandle | kFont);
  SIZE size{};
  GetTextExtentPoint32A(handle_, text.c_str(), text.Length(), &size);
  return size;
}

void TCanvas::CopyRect(const TRect& dest, TCanvas* canvas, const TRect& source) {
  RequiredState(kHandle | kBrush);
  HDC sourceDC = canvas->Handle();
  Changing();
  SetStretchBltMode(handle_, COLORONCOLOR);
  StretchBlt(handle_, dest.Left, dest.Top, dest.Width(), dest.Height(), sourceDC, source.Left, source.Top,
             source.Width(), source.Height(), copyMode_);
  Changed();
}

void TCanvas::Draw(int x, int y, TGraphic* graphic) {
  if (graphic == nullptr || graphic->Empty()) return;
  StretchDraw(Bounds(x, y, graphic->Width(), graphic->Height()), graphic);
}

void TCanvas::StretchDraw(const TRect& rect, TGraphic* graphic) {
  if (graphic == nullptr || graphic->Empty()) return;
  RequiredState(kHandle);
  Changing();
  SetStretchBltMode(handle_, COLORONCOLOR);
  graphic->Draw(this, rect);
  Changed();
}

TRect TCanvas::ClipRect() {
  RequiredState(kHandle);
  TRect rect;
  GetClipBox(handle_, rect.AsRECT());
  return rect;
}

void TCanvas::Lock() {
  lock_.Acquire();
  ++lockCount_;
}

void TCanvas::Unlock() {
  --lockCount_;
  lock_.Release();
}

bool TCanvas::TryLock() {
  if (!lock_.TryEnter()) return false;
  ++lockCount_;
  return true;
}

// ---- TControlCanvas ----

TControlCanvas::~TControlCanvas() { FreeHandle(); }

void TControlCanvas::SetWindow(HWND window, bool wholeWindow) {
  if (window == window_ && wholeWindow == wholeWindow_) return;
  FreeHandle();
  window_ = window;
  wholeWindow_ = wholeWindow;
}

void TControlCanvas::CreateHandle() {
  HWND window = WindowHandle();
  if (window == nullptr) return;
  HDC dc = wholeWindow_ ? GetWindowDC(window) : GetDC(window);
  if (dc == nullptr) throw EOutOfResources("Out of system resources");
  dcWindow_ = window;
  SetHandle(dc);
}

void TControlCanvas::FreeHandle() {
  if (!HandleAllocated()) return;
  HDC dc = Handle();
  SetHandle(nullptr);
  ReleaseDC(dcWindow_, dc);
  dcWindow_ = nullptr;
}
