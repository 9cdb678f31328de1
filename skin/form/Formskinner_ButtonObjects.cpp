// The push-button object (down and disabled faces, groups, a drop-down menu) and the
// caption button (window commands, restore faces, the built-in look).
#include "classlib/windowing/Menus.h"
#include "skin/controls/Skinmenus.h"
#include "skin/data/Sputils_Geometry.h"
#include "skin/data/Sputils_Glyphs.h"
#include "skin/form/Formskinner.h"

namespace {

constexpr TColor kDefaultFrameColor = static_cast<TColor>(0x800000);
constexpr TColor kDefaultDownColor = static_cast<TColor>(0xB59385);
constexpr TColor kDefaultHotColor = static_cast<TColor>(0xD2BDB6);

}  // namespace

TspSkinButtonObject::TspSkinButtonObject(TspFormSkinner* form, TspDataSkinObject* data)
    : TspActiveSkinObject(form, data) {
  auto* button = dynamic_cast<TspDataSkinButton*>(data);
  if (button == nullptr) return;
  GroupIndex = button->GroupIndex;
  DownRect = button->DownRect;
  DisabledFaceRect = button->DisableSkinRsect;
}

void TspSkinButtonObject::Draw(TCanvas* canvas, bool alone) {
  if (!Enabled && !IsNullRect(DisabledFaceRect)) {
    CopyFace(canvas, ActivePicture, DisabledFaceRect);
  } else if (Down && !IsNullRect(DownRect) && (GroupIndex != -1 || MouseIn)) {
    CopyFace(canvas, ActivePicture, DownRect);
  } else {
    TspActiveSkinObject::Draw(canvas, alone);
  }
}

bool TspSkinButtonObject::CanMorphing() {
  return !(MenuItem != nullptr && Down) && TspActiveSkinObject::CanMorphing();
}

void TspSkinButtonObject::SetDown(bool value) {
  Down = value;
  const bool noDownFace = IsNullRect(DownRect);
  if (MenuItem != nullptr && noDownFace) {
    if (Down) {
      MouseIn = Active = true;
      if (EnableMorphing()) SetMorphKf(1);
      Parent->DrawSkinObject(this);
    } else {
      Parent->DrawSkinObject(this);
      if (EnableMorphing()) Redraw();
    }
  }
  if (noDownFace) {
    if (Down) ReleaseGroup();
    return;
  }
  if (Down) {
    if (EnableMorphing()) SetMorphKf(1);
    Parent->DrawSkinObject(this);
    ReleaseGroup();
    return;
  }
  if (GroupIndex != -1 || MenuItem != nullptr) Active = false;
  if (EnableMorphing()) Parent->DrawSkinObject(this);
  Redraw();
}

void TspSkinButtonObject::ReleaseGroup() {
  if (GroupIndex == -1) return;
  for (const auto& object : Parent->ObjectList) {
    auto* other = dynamic_cast<TspSkinButtonObject*>(object.get());
    if (other == nullptr || other == this || other->IDName == IDName) continue;
    if (other->GroupIndex == GroupIndex && other->Down) {
      other->SetDown(false);
      return;
    }
  }
}

void DropObjectMenu(TspFormSkinner* form, const TRect& objectRect, TMenuItem* item, bool popupUp) {
  if (item == nullptr || item->Count() == 0) return;
  TCustomForm* owner = form->OwnerForm;
  const TRect r = MovedRect(objectRect, owner->Left(), owner->Top());
  if (auto* popup = dynamic_cast<TspSkinPopupMenu*>(item->GetParentMenu())) {
    popup->PopupFromRect(r, popupUp);
    return;
  }
  TspSkinData* skin = form->MenusSkinData() != nullptr ? form->MenusSkinData() : form->SkinData();
  form->SkinMenuOpen();
  form->SkinMenu()->Popup(nullptr, skin, 0, r, item, popupUp);
}

void TspSkinButtonObject::TrackMenu() { DropObjectMenu(Parent, ObjectRect, MenuItem, PopupUp); }

void TspSkinButtonObject::MouseDown(int x, int y, TMouseButton button) {
  if (!Enabled) return;
  if (button == mbLeft && !Down) {
    SetDown(true);
    TrackMenu();
  }
  TspActiveSkinObject::MouseDown(x, y, button);
}

void TspSkinButtonObject::MouseUp(int x, int y, TMouseButton button) {
  if (!Enabled) return;
  if (button == mbLeft && MenuItem == nullptr && Down && GroupIndex == -1) SetDown(false);
  TspActiveSkinObject::MouseUp(x, y, button);
}

void TspSkinButtonObject::MouseEnter() {
  MouseIn = Active = true;
  if (Down && !IsNullRect(DownRect)) {
    if (GroupIndex == -1) Parent->DrawSkinObject(this);
  } else if (!IsNullRect(ActiveSkinRect)) {
    Redraw();
  }
  Parent->MouseEnterEvent(IDName);
}

void TspSkinButtonObject::MouseLeave() {
  MouseIn = false;
  const bool noDownFace = IsNullRect(DownRect);
  if (MenuItem != nullptr && Down && noDownFace) {
    Active = false;
  } else if (!(Down && !noDownFace && (MenuItem != nullptr || GroupIndex != -1))) {
    Active = false;
    if (EnableMorphing() && Down) SetMorphKf(1);
    if (!IsNullRect(ActiveSkinRect) || (!noDownFace && GroupIndex == -1)) Redraw();
  }
  Parent->MouseLeaveEvent(IDName);
}

TspSkinStdButtonObject::TspSkinStdButtonObject(TspFormSkinner* form, TspDataSkinObject* data)
    : TspSkinButtonObject(form, data) {
  auto* button = dynamic_cast<TspDataSkinStdButton*>(data);
  if (button == nullptr) return;
  Command = button->Command;
  RestoreSkinRect = button->RestoreRect;
  RestoreActiveSkinRect = button->RestoreActiveRect;
  RestoreDownSkinRect = button->RestoreDownRect;
  RestoreInActiveSkinRect = button->RestoreInActiveRect;
}

bool CommandInRestoreMode(const TspFormSkinner* form, TStdCommand command) {
  switch (command) {
    case cmMaximize: return form->WindowState == spwsMaximized;
    case cmMinimize: return form->WindowState == spwsMinimized;
    case cmRollUp: return form->RollUpState;
    default: return false;
  }
}

bool TspSkinStdButtonObject::InRestoreMode() const { return CommandInRestoreMode(Parent, Command); }

bool TspSkinStdButtonObject::ShowsIcon() const { return Command == cmSysMenu && Parent->ShowIcon(); }

void TspSkinStdButtonObject::Draw(TCanvas* canvas, bool alone) {
  if (!SkinSupport) {
    DefaultDraw(canvas);
    return;
  }
  if (ShowsIcon() && SkinRectInAPicture) {
    Parent->DrawFormIcon(canvas, ObjectRect.Left, ObjectRect.Top);
    SetMorphKf(0);
    return;
  }
  const bool restore = InRestoreMode();
  const bool inactiveFace = !Parent->GetFormActive() && !IsNullRect(InActiveSkinRect);
  if (!Enabled || (inactiveFace && !restore) || IsNullRect(RestoreSkinRect) || !restore) {
    TspSkinButtonObject::Draw(canvas, alone);
  } else {
    DrawRestoreFaces(canvas);
  }
}

void TspSkinStdButtonObject::DrawRestoreFaces(TCanvas* canvas) {
  if (!Parent->GetFormActive() && !IsNullRect(RestoreInActiveSkinRect)) {
    CopyFace(canvas, ActivePicture, RestoreInActiveSkinRect);
  } else if (Down && MouseIn && !IsNullRect(RestoreDownSkinRect)) {
    CopyFace(canvas, ActivePicture, RestoreDownSkinRect);
  } else if (!IsNullRect(RestoreActiveSkinRect) && BetweenMorphEnds()) {
    DrawMorph(canvas, ActivePicture, RestoreSkinRect, RestoreActiveSkinRect);
  } else if (Active && !IsNullRect(RestoreActiveSkinRect)) {
    CopyFace(canvas, ActivePicture, RestoreActiveSkinRect);
  } else {
    CopyFace(canvas, ActivePicture, RestoreSkinRect);
  }
}

// The form's icon does not morph.
bool TspSkinStdButtonObject::CanMorphing() {
  return !(ShowsIcon() && SkinRectInAPicture) && TspSkinButtonObject::CanMorphing();
}

void TspSkinStdButtonObject::DefaultDraw(TCanvas* canvas) {
  if (ShowsIcon()) {
    Parent->DrawFormIcon(canvas, ObjectRect.Left, ObjectRect.Top);
    return;
  }
  const int width = RectWidth(ObjectRect);
  const int height = RectHeight(ObjectRect);
  TBitmap face;
  face.SetSize(width, height);
  TCanvas* c = face.Canvas();
  const bool pressed = Down && MouseIn;
  if (MouseIn) {
    c->Brush()->SetColor(pressed ? kDefaultDownColor : kDefaultHotColor);
    c->Pen()->SetColor(kDefaultFrameColor);
    c->Rectangle(0, 0, width, height);
  } else {
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(Rect(0, 0, width, height));
  }
  const int shift = pressed ? 1 : 0;
  DrawDefaultGlyph(c, width / 2 - 5 + shift, height / 2 - 4 + shift, Enabled ? clBtnText : clGrayText);
  canvas->Draw(ObjectRect.Left, ObjectRect.Top, &face);
}

void TspSkinStdButtonObject::DrawDefaultGlyph(TCanvas* canvas, int x, int y, TColor color) const {
  const bool restore = InRestoreMode();
  switch (Command) {
    case cmClose: DrawCloseImage(canvas, x, y, color); break;
    case cmMaximize:
    case cmMinimize:
      if (restore) {
        DrawRestoreImage(canvas, x, y, color);
      } else if (Command == cmMaximize) {
        DrawMaximizeImage(canvas, x, y, color);
      } else {
        DrawMinimizeImage(canvas, x, y, color);
      }
      break;
    case cmSysMenu: DrawSysMenuImage(canvas, x, y, color); break;
    case cmRollUp:
      if (restore) {
        DrawRestoreRollUpImage(canvas, x, y, color);
      } else {
        DrawRollUpImage(canvas, x, y, color);
      }
      break;
    case cmMinimizeToTray: DrawMTImage(canvas, x, y, color); break;
    case cmDefault: break;
  }
}

void TspSkinStdButtonObject::MouseDown(int x, int y, TMouseButton button) {
  (void)x;
  (void)y;
  if (!Enabled || button != mbLeft || Down) return;
  if (Command == cmSysMenu) MenuItem = Parent->GetSystemMenu();
  SetDown(true);
  if (Command == cmSysMenu) TrackMenu();
}

void TspSkinStdButtonObject::MouseUp(int x, int y, TMouseButton button) {
  const bool carryOut = Active && button == mbLeft;
  if (Command == cmClose) {
    TspSkinButtonObject::MouseUp(x, y, button);
    if (carryOut) DoCommand();
    return;
  }
  if (carryOut) DoCommand();
  TspSkinButtonObject::MouseUp(x, y, button);
}

void TspSkinStdButtonObject::DblClick() {
  if (Command == cmSysMenu) DoClose();
}

// The system menu, roll-up and tray commands come with the form menus, the roll-up and
// the notification-area icon.
void CarryOutWindowCommand(TspFormSkinner* form, TStdCommand command) {
  switch (command) {
    case cmClose: form->OwnerForm->Close(); break;
    case cmMaximize:
      form->SetWindowState(form->WindowState == spwsMaximized ? spwsNormal : spwsMaximized);
      break;
    case cmMinimize: {
      const bool restore = form->SupportNCArea() && form->WindowState == spwsMinimized;
      form->SetWindowState(restore ? spwsNormal : spwsMinimized);
      break;
    }
    default: break;
  }
}

void TspSkinStdButtonObject::DoCommand() { CarryOutWindowCommand(Parent, Command); }

void TspSkinStdButtonObject::DoClose() { CarryOutWindowCommand(Parent, cmClose); }

void TspSkinStdButtonObject::DoMax() { CarryOutWindowCommand(Parent, cmMaximize); }

void TspSkinStdButtonObject::DoMin() { CarryOutWindowCommand(Parent, cmMinimize); }
