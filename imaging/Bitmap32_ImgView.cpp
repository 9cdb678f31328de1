// The scrolling image view: two range bars, the size grip and the bitmap's placement by
// the bars' positions.
#include <algorithm>

#include "classlib/formres/PropertyBinders.h"
#include "classlib/windowing/Application.h"
#include "classlib/windowing/Forms.h"
#include "classlib/windowing/Screen.h"
#include "imaging/Bitmap32_Image.h"
#include "imaging/Bitmap32_Rounding.h"
#include "imaging/Bitmap32_System.h"
// Part and state names of the visual styles, after the styles library.
#include <vssym32.h>

namespace imaging {

// --- TIVScrollProperties -------------------------------------------------------------------

TRBIncrement TIVScrollProperties::Increment() const { return view_->horScroll_->Increment(); }

void TIVScrollProperties::SetIncrement(TRBIncrement value) {
  view_->horScroll_->SetIncrement(value);
  view_->verScroll_->SetIncrement(value);
}

int32_t TIVScrollProperties::Size() const { return view_->scrollBarSize_; }

void TIVScrollProperties::SetSize(int32_t value) {
  view_->scrollBarSize_ = value;
  view_->AlignAll();
  view_->UpdateImage();
}

TScrollBarVisibility TIVScrollProperties::Visibility() const { return view_->scrollBarVisibility_; }

void TIVScrollProperties::SetVisibility(TScrollBarVisibility value) {
  if (value == view_->scrollBarVisibility_) return;
  view_->scrollBarVisibility_ = value;
  view_->Resize();
}

void TIVScrollProperties::Assign(TPersistent* source) {
  TArrowBarAccess::Assign(source);
  if (const auto* other = dynamic_cast<TIVScrollProperties*>(source)) {
    SetIncrement(other->Increment());
    SetSize(other->Size());
    SetVisibility(other->Visibility());
  }
}

// --- TCustomImgView32 ----------------------------------------------------------------------

TCustomImgView32::TCustomImgView32(TComponent* owner) : TCustomImage32(owner) {
  horScroll_ = new TCustomRangeBar(this);
  verScroll_ = new TCustomRangeBar(this);
  for (TCustomRangeBar* bar : {horScroll_, verScroll_}) {
    bar->SetParent(this);
    bar->SetBorderStyle(bsNone);
    bar->SetCentered(true);
    bar->OnUserChange = TNotifyEvent(this, &TCustomImgView32::ScrollHandler);
  }
  verScroll_->SetKind(sbVertical);
  centered_ = true;
  TCustomImage32::SetScaleMode(smScale);
  SetBitmapAlign(baCustom);
  scrollBars_ = std::make_unique<TIVScrollProperties>(this, horScroll_, verScroll_);
  AlignAll();
}

TCustomImgView32::~TCustomImgView32() {
  SetGripCursor(false);
  scrollBars_.reset();
}

int32_t TCustomImgView32::ScaledOverSize() const { return Round(static_cast<double>(overSize_) * ScaleX()); }

bool TCustomImgView32::GetScrollBarsVisible() {
  if (scrollBars_ == nullptr || horScroll_ == nullptr || verScroll_ == nullptr) return true;
  switch (scrollBarVisibility_) {
    case svHidden:
      return false;
    case svAuto:
      return horScroll_->EffectiveWindow() < horScroll_->Range() || verScroll_->EffectiveWindow() < verScroll_->Range();
    default:
      return true;
  }
}

int32_t TCustomImgView32::GetScrollBarSize() {
  if (!GetScrollBarsVisible()) return 0;
  return scrollBarSize_ != 0 ? scrollBarSize_ : GetSystemMetrics(SM_CYHSCROLL);
}

TRect TCustomImgView32::GetViewportRect() {
  const int32_t size = GetScrollBarSize();
  return TRect{0, 0, Width() - size, Height() - size};
}

void TCustomImgView32::AlignAll() {
  if (horScroll_ == nullptr || verScroll_ == nullptr) return;
  const TRect viewport = GetViewportRect();
  const bool visible = GetScrollBarsVisible();
  horScroll_->SetBoundsRect(::Rect(viewport.Left, viewport.Bottom, viewport.Right, Height()));
  verScroll_->SetBoundsRect(::Rect(viewport.Right, viewport.Top, Width(), viewport.Bottom));
  for (TCustomRangeBar* bar : {horScroll_, verScroll_}) {
    bar->SetVisible(visible);
    bar->Repaint();
  }
}

void TCustomImgView32::UpdateScrollBars() {
  if (horScroll_ == nullptr || verScroll_ == nullptr) return;
  const SIZE size = GetBitmapSize();
  const int32_t margin = Round(2.0 * overSize_ * ScaleX());
  horScroll_->SetRange(size.cx + margin);
  verScroll_->SetRange(size.cy + margin);
  if (scrollBarVisibility_ == svAuto) AlignAll();
}

void TCustomImgView32::UpdateImage() {
  const SIZE size = GetBitmapSize();
  const int32_t margin = ScaledOverSize();
  const TRect viewport = GetViewportRect();
  const int32_t width = viewport.Right - viewport.Left;
  const int32_t height = viewport.Bottom - viewport.Top;
  BeginUpdate();
  // A bitmap that fits is centred; a larger one is placed by the bar.
  auto offset = [this, margin](int32_t viewLength, int32_t shownLength, TCustomRangeBar* bar) {
    if (centered_ && viewLength > shownLength + 2 * margin) return static_cast<float>(viewLength - shownLength) / 2;
    return static_cast<float>(margin) - bar->Position();
  };
  SetOffsetHorz(offset(width, size.cx, horScroll_));
  SetOffsetVert(offset(height, size.cy, verScroll_));
  InvalidateCache();
  EndUpdate();
  Changed();
}

void TCustomImgView32::Scroll(int32_t dx, int32_t dy) {
  scrollUpdatesDisabled_ = true;
  horScroll_->SetPosition(horScroll_->Position() + static_cast<float>(dx));
  verScroll_->SetPosition(verScroll_->Position() + static_cast<float>(dy));
  scrollUpdatesDisabled_ = false;
  UpdateImage();
}

void TCustomImgView32::ScrollToCenter(int32_t x, int32_t y) {
  scrollUpdatesDisabled_ = true;
  AlignAll();
  const double margin = ScaledOverSize();
  const TRect viewport = GetViewportRect();
  const double scale = ScaleX();
  horScroll_->SetPosition(static_cast<float>(x * scale - (viewport.Right - viewport.Left) / 2.0 + margin));
  verScroll_->SetPosition(static_cast<float>(y * scale - (viewport.Bottom - viewport.Top) / 2.0 + margin));
  scrollUpdatesDisabled_ = false;
  UpdateImage();
}

void TCustomImgView32::Recenter() {
  InvalidateCache();
  horScroll_->SetCentered(centered_);
  verScroll_->SetCentered(centered_);
  UpdateScrollBars();
  UpdateImage();
  if (centered_) {
    ScrollToCenter(Bitmap()->Width() / 2, Bitmap()->Height() / 2);
  } else {
    ScrollToCenter(0, 0);
  }
}

void TCustomImgView32::SetCentered(bool value) {
  centered_ = value;
  Recenter();
}

void TCustomImgView32::SetOverSize(int32_t value) {
  if (value == overSize_) return;
  overSize_ = value;
  Invalidate();
}

void TCustomImgView32::SetSizeGrip(TSizeGripStyle value) {
  if (value == sizeGrip_) return;
  sizeGrip_ = value;
  Invalidate();
}

void TCustomImgView32::SetScaleMode(TScaleMode value) {
  TCustomImage32::SetScaleMode(value);
  Recenter();
}

void TCustomImgView32::ScrollHandler(TObject* sender) {
  if (scrollUpdatesDisabled_) return;
  if (auto* bar = dynamic_cast<TControl*>(sender)) bar->Repaint();
  UpdateImage();
  DoScroll();
  Repaint();
}

void TCustomImgView32::BitmapResized() {
  TCustomImage32::BitmapResized();
  UpdateScrollBars();
  if (centered_) {
    ScrollToCenter(Bitmap()->Width() / 2, Bitmap()->Height() / 2);
    return;
  }
  horScroll_->SetPosition(0);
  verScroll_->SetPosition(0);
  UpdateImage();
}

void TCustomImgView32::DoScaleChange() {
  TCustomImage32::DoScaleChange();
  InvalidateCache();
  UpdateScrollBars();
  UpdateImage();
  Invalidate();
}

void TCustomImgView32::Loaded() {
  AlignAll();
  Invalidate();
  UpdateScrollBars();
  if (centered_) ScrollToCenter(Bitmap()->Width() / 2, Bitmap()->Height() / 2);
  TCustomImage32::Loaded();
}

void TCustomImgView32::Resize() {
  AlignAll();
  if (HandleAllocated()) PaintSizeGrip(Canvas()->Handle());
  InvalidateCache();
  UpdateScrollBars();
  UpdateImage();
  Invalidate();
  TCustomImage32::Resize();
}

// --- Size grip -------------------------------------------------------------------------------

bool TCustomImgView32::IsSizeGripVisible() {
  if (sizeGrip_ != sgAuto) return sizeGrip_ == sgAlways;
  for (const TControl* control = this; control != nullptr; control = control->Parent()) {
    if (dynamic_cast<const TCustomForm*>(control) != nullptr) return true;
    if (control->Align() != alClient) return false;
  }
  return false;
}

::TRect TCustomImgView32::GetSizeGripRect() {
  const ::TRect client = ClientRect();
  const int32_t size = GetScrollBarSize();
  return ::Rect(client.Right - size, client.Bottom - size, client.Right, client.Bottom);
}

bool TCustomImgView32::OnSizeGrip(int x, int y) {
  const ::TRect grip = GetSizeGripRect();
  return IsSizeGripVisible() && x >= grip.Left && x < grip.Right && y >= grip.Top && y < grip.Bottom;
}

void TCustomImgView32::PaintSizeGrip(HDC dc) {
  ::TRect grip = GetSizeGripRect();
  if (grip.IsEmpty()) return;
  const bool visible = IsSizeGripVisible();
  if (visible && !USE_THEMES) {
    DrawFrameControl(dc, grip.AsRECT(), DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    return;
  }
  FillRect(dc, grip.AsRECT(), GetSysColorBrush(COLOR_BTNFACE));
  if (visible) DrawThemeBackground(SCROLLBAR_THEME, dc, SBP_SIZEBOX, SZB_RIGHTALIGN, grip.AsRECT(), nullptr);
}

void TCustomImgView32::Paint() {
  PaintSizeGrip(Canvas()->Handle());
  TCustomImage32::Paint();
}

void TCustomImgView32::SetGripCursor(bool on) {
  if (Screen == nullptr) return;
  if (on) {
    Screen->SetCursor(crSizeNWSE);
  } else if (gripCursor_ && Screen->Cursor() == crSizeNWSE) {
    Screen->SetCursor(crDefault);
  }
  gripCursor_ = on;
}

void TCustomImgView32::MouseMove(TShiftState shift, int x, int y) {
  TCustomImage32::MouseMove(shift, x, y);
  SetGripCursor(OnSizeGrip(x, y));
}

void TCustomImgView32::MouseLeave() {
  SetGripCursor(false);
  TCustomImage32::MouseLeave();
}

void TCustomImgView32::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  auto* form = dynamic_cast<TCustomForm*>(Owner());
  if (form == nullptr || !OnSizeGrip(x, y)) {
    TCustomImage32::MouseDown(button, shift, x, y);
    return;
  }
  Application->ProcessMessages();
  SetCaptureControl(nullptr);
  const ::TPoint screen = ClientToScreen(::Point(x, y));
  SendMessageA(form->Handle(), WM_NCLBUTTONDOWN, HTBOTTOMRIGHT, MAKELPARAM(screen.X, screen.Y));
}

// --- Form resources ------------------------------------------------------------------------

namespace {

const TIdentTable& Visibilities() {
  static const TIdentTable table("TScrollBarVisibility", {{"svAlways", svAlways}, {"svHidden", svHidden}, {"svAuto", svAuto}});
  return table;
}

const TIdentTable& SizeGripStyles() {
  static const TIdentTable table("TSizeGripStyle", {{"sgAuto", sgAuto}, {"sgNone", sgNone}, {"sgAlways", sgAlways}});
  return table;
}

}  // namespace

void RegisterImgViewClasses() {
  using S = TIVScrollProperties;
  RegisterClassProperties(
      S::StaticClass(),
      {IntegerProperty<S>("Increment",
                          [](S* bars, int value) { bars->SetIncrement(static_cast<TRBIncrement>(std::clamp(value, 1, 32768))); },
                          8),
       IntegerProperty<S>("Size", &S::SetSize, 0),
       EnumProperty<S, TScrollBarVisibility>("Visibility", &S::SetVisibility, Visibilities(), "svAlways")});
  using V = TCustomImgView32;
  RegisterClassProperties(
      V::StaticClass(),
      {BoolProperty<V>("Centered", &V::SetCentered, true),
       ObjectProperty<V>("ScrollBars", [](V* view) -> TPersistent* { return view->ScrollBars(); }),
       EnumProperty<V, TSizeGripStyle>("SizeGrip", &V::SetSizeGrip, SizeGripStyles(), "sgAuto"),
       IntegerProperty<V>("OverSize", &V::SetOverSize), EventProperty("OnScroll", &V::OnScroll)});
  RegisterClassProperties(TImgView32::StaticClass(), {});
}

}  // namespace imaging
