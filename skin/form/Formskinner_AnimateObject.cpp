// The animation object: frames, the timer's steps, the button style with its window
// commands and restore faces, and the menu it drops.
#include "skin/form/Formskinner_AnimateObject.h"

#include <algorithm>

#include "classlib/windowing/Menus.h"
#include "skin/data/Sputils_Geometry.h"
#include "skin/form/Formskinner.h"

TspSkinAnimateObject::TspSkinAnimateObject(TspFormSkinner* form, TspDataSkinObject* data)
    : TspActiveSkinObject(form, data) {
  auto* look = dynamic_cast<TspDataSkinAnimate*>(data);
  if (look == nullptr) return;
  CountFrames = look->CountFrames;
  Cycle = look->Cycle;
  ButtonStyle = look->ButtonStyle;
  Interval = std::max(kAnimateTick, look->TimerInterval);
  Command = look->Command;
  DownSkinRect = look->DownSkinRect;
  RestoreSkinRect = look->RestoreRect;
  RestoreActiveSkinRect = look->RestoreActiveRect;
  RestoreInActiveSkinRect = look->RestoreInActiveRect;
  RestoreDownSkinRect = look->RestoreDownRect;
}

bool ObjectCommand(const TspActiveSkinObject* object, TStdCommand& command) {
  if (const auto* button = dynamic_cast<const TspSkinStdButtonObject*>(object)) {
    command = button->Command;
    return true;
  }
  if (const auto* animation = dynamic_cast<const TspSkinAnimateObject*>(object)) {
    command = animation->Command;
    return true;
  }
  return false;
}

// In restore mode the restore faces stand in for the normal, active, down and inactive
// ones. A dropped menu shows the down face, else the last frame.
void TspSkinAnimateObject::Draw(TCanvas* canvas, bool alone) {
  (void)alone;
  const bool restore = !IsNullRect(RestoreSkinRect) && CommandInRestoreMode(Parent, Command);
  const TRect& normal = restore ? RestoreSkinRect : SkinRect;
  const TRect& strip = restore ? RestoreActiveSkinRect : ActiveSkinRect;
  const TRect& down = restore ? RestoreDownSkinRect : DownSkinRect;
  const TRect& inactive = restore ? RestoreInActiveSkinRect : InActiveSkinRect;
  if (MenuTracking) {
    if (!IsNullRect(down)) {
      CopyFace(canvas, ActivePicture, down);
      return;
    }
    Frame = CountFrames;
  } else if (!Parent->GetFormActive() && !IsNullRect(inactive)) {
    CopyFace(canvas, ActivePicture, inactive);
    return;
  } else if (Down && MouseIn && !IsNullRect(down)) {
    CopyFace(canvas, ActivePicture, down);
    return;
  }
  const int w = RectWidth(normal);
  const int h = RectHeight(normal);
  const int left = strip.Left + w * (Frame - 1);
  CopyFace(canvas, ActivePicture, Rect(left, strip.Top, left + w, strip.Top + h));
}

void TspSkinAnimateObject::SetFrame(int n) {
  if (Forward) {
    Frame = n > CountFrames ? 1 : n;
  } else {
    Frame = n < 1 ? CountFrames : n;
  }
  Parent->DrawSkinObject(this);
}

// A frame lasts Interval rounded up to whole ticks.
void TspSkinAnimateObject::ChangeFrame() {
  if (Elapsed < Interval) {
    Elapsed += kAnimateTick;
    return;
  }
  if (Forward) {
    SetFrame(Frame + 1);
    if (!Cycle && Frame == CountFrames) Active = false;
  } else {
    SetFrame(Frame - 1);
    if (Frame == 1) Active = false;
  }
  Elapsed = kAnimateTick;
}

void TspSkinAnimateObject::Start() {
  Elapsed = kAnimateTick;
  Frame = 1;
  Active = true;
  Parent->AnimateTimer->SetEnabled(true);
}

void TspSkinAnimateObject::Stop() {
  SetFrame(1);
  Active = false;
  Elapsed = kAnimateTick;
}

void TspSkinAnimateObject::PlayBack() {
  Active = true;
  Frame = CountFrames;
  Down = MenuTracking = Forward = false;
  Parent->AnimateTimer->SetEnabled(true);
}

void TspSkinAnimateObject::PlayOn(bool forward) {
  Active = true;
  Forward = forward;
  if (HeldDown()) {
    Parent->DrawSkinObject(this);
  } else {
    Parent->AnimateTimer->SetEnabled(true);
  }
}

void TspSkinAnimateObject::MouseEnter() {
  MouseIn = true;
  if (ButtonStyle) PlayOn(true);
  Parent->MouseEnterEvent(IDName);
}

void TspSkinAnimateObject::MouseLeave() {
  if (!MouseIn) return;
  MouseIn = false;
  if (ButtonStyle) PlayOn(false);
  Parent->MouseLeaveEvent(IDName);
}

// The system menu drops on the press; the other commands act on the release.
void TspSkinAnimateObject::MouseDown(int x, int y, TMouseButton button) {
  TspActiveSkinObject::MouseDown(x, y, button);
  if (button != mbLeft) return;
  if (!IsNullRect(DownSkinRect)) {
    Frame = CountFrames;
    Down = true;
    Parent->DrawSkinObject(this);
  }
  if (Command == cmSysMenu && MouseIn && ButtonStyle) DoCommand();
}

void TspSkinAnimateObject::MouseUp(int x, int y, TMouseButton button) {
  TspActiveSkinObject::MouseUp(x, y, button);
  if (MenuTracking || button != mbLeft) return;
  if (!IsNullRect(DownSkinRect)) {
    Down = false;
    Parent->DrawSkinObject(this);
    Parent->AnimateTimer->SetEnabled(true);
  }
  if (Command != cmSysMenu && MouseIn && ButtonStyle) DoCommand();
}

void TspSkinAnimateObject::DblClick() {
  if (Command == cmSysMenu) CarryOutWindowCommand(Parent, cmClose);
}

void TspSkinAnimateObject::DoCommand() {
  switch (Command) {
    case cmSysMenu:
      MenuItem = Parent->GetSystemMenu();
      TrackMenu();
      break;
    case cmDefault: TrackMenu(); break;
    default: CarryOutWindowCommand(Parent, Command); break;
  }
}

void TspSkinAnimateObject::TrackMenu() {
  if (MenuItem == nullptr || MenuItem->Count() == 0) return;
  MenuTracking = true;
  DropObjectMenu(Parent, ObjectRect, MenuItem, PopupUp);
}
