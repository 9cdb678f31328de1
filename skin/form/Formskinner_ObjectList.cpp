// The form's skin objects: built from the skin, enabled and given hints by BorderIcons,
// followed by the pointer (mouse timer), stepped by the morph and animation timers, their
// events passed to the application and their operations offered by IDName.
#include "classlib/windowing/Screen.h"
#include "skin/controls/Skinhint.h"
#include "skin/data/Skindata_Strings.h"
#include "skin/data/Sputils_Geometry.h"
#include "skin/form/Formskinner.h"
#include "skin/form/Formskinner_AnimateObject.h"
#include "skin/form/Formskinner_TextObjects.h"
#include "skin/form/Formskinner_ValueObjects.h"

namespace {

// Right and bottom edges excluded.
bool InRect(const TRect& r, int x, int y) { return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom; }

// The object kind of a skin entry (kinds of later units are not made here), or null.
std::unique_ptr<TspActiveSkinObject> MakeObject(TspFormSkinner* form, TspDataSkinObject* data) {
  if (dynamic_cast<TspDataSkinMainMenuBarButton*>(data) != nullptr) return nullptr;
  if (dynamic_cast<TspDataSkinGauge*>(data) != nullptr) return std::make_unique<TspSkinGaugeObject>(form, data);
  if (dynamic_cast<TspDataSkinStdButton*>(data) != nullptr) return std::make_unique<TspSkinStdButtonObject>(form, data);
  if (dynamic_cast<TspDataSkinButton*>(data) != nullptr) return std::make_unique<TspSkinButtonObject>(form, data);
  if (dynamic_cast<TspDataUserObject*>(data) != nullptr) return std::make_unique<TspUserObject>(form, data);
  if (dynamic_cast<TspDataSkinSwitch*>(data) != nullptr) return std::make_unique<TspSkinSwitchObject>(form, data);
  if (dynamic_cast<TspDataSkinCaption*>(data) != nullptr) return std::make_unique<TspSkinCaptionObject>(form, data);
  if (dynamic_cast<TspDataSkinLabel*>(data) != nullptr) return std::make_unique<TspSkinLabelObject>(form, data);
  if (dynamic_cast<TspDataSkinBitLabel*>(data) != nullptr) return std::make_unique<TspSkinBitLabelObject>(form, data);
  if (dynamic_cast<TspDataSkinTrackBar*>(data) != nullptr) return std::make_unique<TspSkinTrackBarObject>(form, data);
  if (dynamic_cast<TspDataSkinAnimate*>(data) != nullptr) return std::make_unique<TspSkinAnimateObject>(form, data);
  if (dynamic_cast<TspDataSkinFrameRegulatorObject*>(data) != nullptr) {
    return std::make_unique<TspSkinFrameRegulatorObject>(form, data);
  }
  if (dynamic_cast<TspDataSkinFrameGaugeObject*>(data) != nullptr) {
    return std::make_unique<TspSkinFrameGaugeObject>(form, data);
  }
  return nullptr;
}

// The BorderIcons member that enables a caption button's command (none for close and
// the custom command).
bool CommandAllowed(TStdCommand command, const TspBorderIcons& icons) {
  switch (command) {
    case cmMaximize: return icons.Contains(TspBorderIcon::biMaximize);
    case cmMinimize: return icons.Contains(TspBorderIcon::biMinimize);
    case cmSysMenu: return icons.Contains(TspBorderIcon::biSystemMenu);
    case cmRollUp: return icons.Contains(TspBorderIcon::biRollUp);
    case cmMinimizeToTray: return icons.Contains(TspBorderIcon::biMinimizeToTray);
    default: return true;
  }
}

struct TCommandHint {
  const char* key;
  const char* text;
};

// The string-table key and built-in text of a command's hint (null key: keeps its hint).
TCommandHint CommandHint(TStdCommand command) {
  switch (command) {
    case cmClose: return {"CLOSEBUTTON_HINT", "Close"};
    case cmMaximize: return {"MAXBUTTON_HINT", "Maximize"};
    case cmMinimize: return {"MINBUTTON_HINT", "Minimize"};
    case cmSysMenu: return {"MENUBUTTON_HINT", "System menu"};
    case cmRollUp: return {"ROLLUPBUTTON_HINT", "Roll Up"};
    case cmMinimizeToTray: return {"TRAYBUTTON_HINT", "Minimize to Tray"};
    case cmDefault: break;
  }
  return {nullptr, nullptr};
}

}  // namespace

void TspFormSkinner::ClearObjects() {
  ObjectList.clear();
  AreaLinks.clear();
}

void TspFormSkinner::LoadObjects() {
  ClearObjects();
  for (const auto& data : skinData_->ObjectList) {
    if (auto object = MakeObject(this, data.get())) ObjectList.push_back(std::move(object));
  }
}

// Caption buttons and button-style animations follow BorderIcons; close commands stay as
// they are.
void TspFormSkinner::CheckObjects() {
  for (const auto& object : ObjectList) {
    TStdCommand command = cmClose;
    if (!ObjectCommand(object.get(), command)) continue;
    auto* animation = dynamic_cast<TspSkinAnimateObject*>(object.get());
    if (HideCaptionButtons) {
      object->Enabled = false;
      object->Visible = !object->SkinRectInAPicture;
    } else if (animation != nullptr && !animation->ButtonStyle) {
      continue;
    } else if (command == cmDefault) {
      if (animation != nullptr) continue;
      bool visible = false;
      OnActivateCustomObject(object->IDName, visible);
      object->Visible = visible;
    } else if (command != cmClose) {
      const bool allowed = CommandAllowed(command, BorderIcons);
      object->Enabled = allowed;
      object->Visible = !object->SkinRectInAPicture || allowed;
    }
  }
  ChooseDefaultCaption();
  CheckObjectsHint();
}

void TspFormSkinner::CheckObjectsHint() {
  if (!UseDefaultObjectHint || skinData_ == nullptr) return;
  TspResourceStrData* strings = skinData_->ResourceStrData();
  for (const auto& object : ObjectList) {
    TStdCommand command = cmClose;
    if (!ObjectCommand(object.get(), command)) continue;
    const TCommandHint hint = CommandHint(command);
    if (hint.key == nullptr) continue;
    object->Hint = strings != nullptr ? strings->GetResStr(hint.key) : AnsiString(hint.text);
  }
}

// Every object forgets the pointer without drawing; the next frame paint shows it so.
// Animations stop and go back to their first frame.
void TspFormSkinner::UpDateActiveObjects() {
  for (const auto& object : ObjectList) {
    object->Active = false;
    object->MouseIn = false;
    if (auto* animation = dynamic_cast<TspSkinAnimateObject*>(object.get())) {
      animation->Frame = 1;
    } else {
      object->SetMorphKf(0);
    }
  }
}

void TspFormSkinner::DrawSkinObject(TspActiveSkinObject* object) {
  if (!CanObjectTest(object->RollUp) || !OwnerForm->HandleAllocated()) return;
  if (!supportNCArea_) {
    object->Draw(OwnerForm->Canvas(), true);
    return;
  }
  if (OwnerForm->BorderStyle() == bsNone) return;
  HWND window = OwnerForm->Handle();
  HDC dc = GetWindowDC(window);
  TCanvas canvas;
  canvas.SetHandle(dc);
  object->Draw(&canvas, true);
  canvas.SetHandle(nullptr);
  ReleaseDC(window, dc);
}

int TspFormSkinner::GetIndex(const AnsiString& idName) const {
  for (size_t i = 0; i < ObjectList.size(); ++i) {
    if (ObjectList[i]->IDName == idName) return static_cast<int>(i);
  }
  return -1;
}

TspActiveSkinObject* TspFormSkinner::Object(int index) const {
  return index >= 0 && index < static_cast<int>(ObjectList.size()) ? ObjectList[static_cast<size_t>(index)].get()
                                                                   : nullptr;
}

// A caption lies under the objects drawn over it (its caption buttons): it is found only
// where no other object is.
int TspFormSkinner::ObjectAt(const TPoint& p) const {
  int caption = -1;
  for (size_t i = 0; i < ObjectList.size(); ++i) {
    const TspActiveSkinObject& o = *ObjectList[i];
    if (!CanObjectTest(o.RollUp) || !o.Enabled || !o.Visible || !InRect(o.ObjectRect, p.X, p.Y)) continue;
    if (dynamic_cast<const TspSkinCaptionObject*>(&o) == nullptr) return static_cast<int>(i);
    if (caption == -1) caption = static_cast<int>(i);
  }
  return caption;
}

bool TspFormSkinner::CanObjectTest(bool rollUp) const { return supportNCArea_ ? !rollUp : rollUp == RollUpState; }

void TspFormSkinner::TestActive(int x, int y, bool canActivate) {
  if (ObjectList.empty() || (supportNCArea_ && !GetFormActive())) return;
  OldActiveObject = ActiveObject;
  ActiveObject = -1;
  if (canActivate) ActiveObject = ObjectAt(Point(x, y));
  if (CaptureObject != -1 && ActiveObject != CaptureObject) ActiveObject = -1;
  if (Object(OldActiveObject) == nullptr) OldActiveObject = -1;
  if (ActiveObject == OldActiveObject) return;
  if (TspActiveSkinObject* old = Object(OldActiveObject); old != nullptr && old->Enabled && old->Visible) {
    old->MouseLeave();
    if (ShowObjectHint && skinHint_ != nullptr && !old->Hint.IsEmpty()) skinHint_->HideHint();
  }
  TspActiveSkinObject* now = Object(ActiveObject);
  if (now == nullptr || !now->Enabled || !now->Visible) return;
  now->MouseEnter();
  if (GetFormActive() && ShowObjectHint && skinHint_ != nullptr && !now->Hint.IsEmpty()) {
    skinHint_->ActivateHint2(now->Hint);
  }
}

void TspFormSkinner::TestMouse(TObject* sender) {
  (void)sender;
  POINT cursor{};
  GetCursorPos(&cursor);
  if (supportNCArea_) {
    if (InSizeMove) {
      MouseTimer->SetEnabled(false);
      return;
    }
    const TPoint p = PointToNCPoint(Point(cursor.x, cursor.y));
    if (!InRect(CurClRect, p.X, p.Y)) {
      TestActive(p.X, p.Y, true);
    } else if (ActiveObject != -1) {
      TestActive(-1, -1, true);
    }
    return;
  }
  if (!SkinUsable) return;
  if (!Dragging) {
    if (InForm(Point(cursor.x, cursor.y))) {
      POINT client = cursor;
      ScreenToClient(OwnerForm->Handle(), &client);
      TestActive(client.x, client.y, true);
    } else {
      TestActive(-1, -1, false);
      MouseTracking = false;
      MouseTimer->SetEnabled(false);
    }
  }
  if (UseSkinCursors) TestCursors();
}

void TspFormSkinner::TestCursors() {
  const TspActiveSkinObject* active = Object(ActiveObject);
  TCursor cursor = crDefault;
  if (active != nullptr && active->CursorIndex != -1) {
    cursor = static_cast<TCursor>(skinData_->StartCursorIndex + active->CursorIndex);
  } else if (skinData_->CursorIndex != -1) {
    cursor = static_cast<TCursor>(skinData_->StartCursorIndex + skinData_->CursorIndex);
  }
  if (OwnerForm->Cursor() != cursor) OwnerForm->SetCursor(cursor);
}

void TspFormSkinner::TestMorph(TObject* sender) {
  (void)sender;
  bool stepped = false;
  for (const auto& object : ObjectList) {
    if (object->EnableMorphing() && object->CanMorphing()) {
      object->DoMorphing();
      stepped = true;
    }
  }
  if (!stepped) MorphTimer->SetEnabled(false);
}

// Animations held down with a down face wait for the release.
void TspFormSkinner::TestAnimate(TObject* sender) {
  (void)sender;
  bool stepped = false;
  for (const auto& object : ObjectList) {
    if (auto* animation = dynamic_cast<TspSkinAnimateObject*>(object.get())) {
      if (animation->Active && !animation->HeldDown()) {
        animation->ChangeFrame();
        stepped = true;
      }
    } else if (auto* caption = dynamic_cast<TspSkinCaptionObject*>(object.get())) {
      if (caption->EnableAnimation() && caption->StepAnimation()) stepped = true;
    }
  }
  if (!stepped) AnimateTimer->SetEnabled(false);
}

void TspFormSkinner::MouseDownEvent(const AnsiString& idName, int x, int y, const TRect& objectRect,
                                    TMouseButton button) {
  OnMouseDownEvent(idName, x, y, objectRect, button);
}

void TspFormSkinner::MouseUpEvent(const AnsiString& idName, int x, int y, const TRect& objectRect,
                                  TMouseButton button) {
  OnMouseUpEvent(idName, x, y, objectRect, button);
}

void TspFormSkinner::MouseMoveEvent(const AnsiString& idName, int x, int y, const TRect& objectRect) {
  OnMouseMoveEvent(idName, x, y, objectRect);
}

void TspFormSkinner::MouseEnterEvent(const AnsiString& idName) { OnMouseEnterEvent(idName); }

void TspFormSkinner::MouseLeaveEvent(const AnsiString& idName) { OnMouseLeaveEvent(idName); }

void TspFormSkinner::PaintEvent(const AnsiString& idName, TCanvas* canvas, const TRect& objectRect) {
  OnPaintEvent(idName, canvas, objectRect);
}

void TspFormSkinner::SwitchChangeStateEvent(const AnsiString& idName, TSwitchState state) {
  OnSwitchChangeStateEvent(idName, state);
}

void TspFormSkinner::TrackBarChangeValueEvent(const AnsiString& idName, int value) {
  OnTrackBarChangeValueEvent(idName, value);
}

void TspFormSkinner::FrameRegulatorChangeValueEvent(const AnsiString& idName, int value) {
  OnFrameRegulatorChangeValueEvent(idName, value);
}

void TspFormSkinner::SetEnabled(const AnsiString& idName, bool value) {
  if (TspActiveSkinObject* object = Object(GetIndex(idName))) object->Enabled = value;
}

void TspFormSkinner::ButtonSetDown(const AnsiString& idName, bool value) {
  if (auto* button = Find<TspSkinButtonObject>(idName)) button->SetDown(value);
}

bool TspFormSkinner::ButtonGetDown(const AnsiString& idName) const {
  const auto* button = Find<TspSkinButtonObject>(idName);
  return button != nullptr && button->Down;
}

void TspFormSkinner::SwitchSetState(const AnsiString& idName, TSwitchState value) {
  auto* object = Find<TspSkinSwitchObject>(idName);
  if (object == nullptr) return;
  if (ApplyingSkin) {
    object->SimpleSetState(value);
  } else {
    object->SetState(value);
  }
}

TSwitchState TspFormSkinner::SwitchGetState(const AnsiString& idName) const {
  const auto* object = Find<TspSkinSwitchObject>(idName);
  return object != nullptr ? object->State : swsOff;
}

void TspFormSkinner::UserObjectDraw(const AnsiString& idName) {
  if (auto* object = Find<TspUserObject>(idName)) object->Draw(OwnerForm->Canvas(), true);
}

void TspFormSkinner::TrackBarSetValue(const AnsiString& idName, int value) {
  SetObjectValue<TspSkinTrackBarObject>(idName, value);
}

int TspFormSkinner::TrackBarGetValue(const AnsiString& idName) const {
  const auto* object = Find<TspSkinTrackBarObject>(idName);
  return object != nullptr ? object->Value : 0;
}

void TspFormSkinner::GaugeSetValue(const AnsiString& idName, int value) {
  SetObjectValue<TspSkinGaugeObject>(idName, value);
}

void TspFormSkinner::FrameGaugeSetValue(const AnsiString& idName, int value) {
  SetObjectValue<TspSkinFrameGaugeObject>(idName, value);
}

void TspFormSkinner::FrameRegulatorSetValue(const AnsiString& idName, int value) {
  SetObjectValue<TspSkinFrameRegulatorObject>(idName, value);
}

int TspFormSkinner::FrameRegulatorGetValue(const AnsiString& idName) const {
  const auto* object = Find<TspSkinFrameRegulatorObject>(idName);
  return object != nullptr ? object->Value : 0;
}

void TspFormSkinner::AnimateStart(const AnsiString& idName) {
  if (auto* object = Find<TspSkinAnimateObject>(idName)) object->Start();
}

void TspFormSkinner::AnimateStop(const AnsiString& idName) {
  if (auto* object = Find<TspSkinAnimateObject>(idName)) object->Stop();
}
