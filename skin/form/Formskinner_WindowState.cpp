// The component's own window states: a minimised dialog is a caption strip parked at the
// bottom of the work area, a maximised form fills the work area (1 pixel in from a
// primary monitor's edges when the work area is the whole monitor), and both keep
// RestoreBounds for the way back. The main form and client-mode forms minimise the
// application instead.
#include "classlib/windowing/Application.h"
#include "classlib/windowing/Screen.h"
#include "skin/controls/Skinctrls_StatusBar.h"
#include "skin/data/Sputils_Geometry.h"
#include "skin/data/Sputils_System.h"
#include "skin/form/Formskinner.h"
#include "skin/form/Formskinner_TextObjects.h"

namespace {

bool IsPrimaryMonitor(HWND window) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info);
  return (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
}

}  // namespace

void TspFormSkinner::CheckWindowState() {
  if (dynamic_cast<TspSkinCaptionObject*>(Object(ActiveObject)) == nullptr) return;
  // A rolled-up form rolls down and a fixed one rolls up: both wait for the roll-up steps.
  if (RollUpState || !Sizeable) return;
  SetWindowState(WindowState == spwsNormal ? spwsMaximized : spwsNormal);
}

void TspFormSkinner::SetWindowState(TspWindowState value) {
  if (value == WindowState) return;
  const bool minimizesApplication = value == spwsMinimized && OwnerForm == Application->MainForm();
  if (!minimizesApplication) WindowState = value;
  switch (value) {
    case spwsNormal: DoNormalize(); break;
    case spwsMinimized: DoMinimize(); break;
    case spwsMaximized: DoMaximize(); break;
  }
}

void TspFormSkinner::DoMinimize() {
  if (OwnerForm == Application->MainForm() || !supportNCArea_) {
    Application->Minimize();
  } else {
    if (IsNullRect(RestoreBounds)) RestoreBounds = OwnerForm->BoundsRect();
    const TPoint p = GetMinimizeCoord();
    OwnerForm->SetBounds(p.X, p.Y, GetMinWidth(), GetMinHeight());
  }
  OnMinimize(this);
}

TPoint TspFormSkinner::GetMinimizeCoord() const {
  const int w = GetMinWidth();
  const int h = GetMinHeight();
  const TRect r = GetMonitorWorkArea(OwnerForm->Handle(), true);
  TPoint slot = Point(r.Left, r.Bottom - h);
  while (MinimizedSlotTaken(slot)) {
    slot.X += w;
    if (slot.X + w > r.Right) {
      slot.X = r.Left;
      slot.Y -= h;
      if (slot.Y < r.Top) return Point(slot.X, r.Bottom - h);
    }
  }
  return slot;
}

// Another visible screen form (not the main form) whose component is minimised there.
bool TspFormSkinner::MinimizedSlotTaken(const TPoint& slot) const {
  for (int i = 0; i < Screen->FormCount(); ++i) {
    TCustomForm* form = Screen->Forms(i);
    if (form == OwnerForm || form == Application->MainForm() || !form->Visible()) continue;
    const TspFormSkinner* other = GetFormSkinnerComponent(form);
    if (other != nullptr && other->WindowState == spwsMinimized && form->Left() == slot.X && form->Top() == slot.Y) {
      return true;
    }
  }
  return false;
}

void TspFormSkinner::DoMaximize() {
  if (IsNullRect(RestoreBounds)) RestoreBounds = OwnerForm->BoundsRect();
  const HWND window = OwnerForm->Handle();
  TRect r = GetMonitorWorkArea(window, !MaximizeOnFullScreen);
  if (!MaximizeOnFullScreen) {
    const TRect whole = GetMonitorWorkArea(window, false);
    if (r == whole && IsPrimaryMonitor(window)) r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
  }
  OwnerForm->SetBoundsRect(r);
  if (statusBar_ != nullptr && statusBar_->SizeGrip()) statusBar_->SetShowGrip(false);
  OnMaximize(this);
}

// Without saved bounds (a form minimised through the application) the bounds stay.
void TspFormSkinner::DoNormalize() {
  if (IsNullRect(RestoreBounds)) {
    Application->Restore();
  } else if (supportNCArea_) {
    const int width = OwnerForm->Width();
    const int height = OwnerForm->Height();
    TRect r = RestoreBounds;
    if (PositionPending) {
      PositionPending = false;
      const TPoint p = GetPositionInMonitor(r.Left, r.Top, r.Width(), r.Height());
      r = Bounds(p.X, p.Y, r.Width(), r.Height());
    }
    OwnerForm->SetBoundsRect(r);
    MouseTimer->SetEnabled(true);
    if (OwnerForm->Width() == width && OwnerForm->Height() == height) UpDateForm();
    RepaintForm();
  } else {
    OwnerForm->SetBoundsRect(RestoreBounds);
    MouseTimer->SetEnabled(true);
  }
  RestoreBounds = NullRect();
  if (statusBar_ != nullptr && statusBar_->SizeGrip()) statusBar_->SetShowGrip(true);
  OnRestore(this);
}
