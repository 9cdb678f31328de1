// Applying a skin to the form (the order of the steps is fixed), passing a skin change
// on to the form's skinned controls and components, and pinning controls to skin areas.
#include "classlib/stdctrls/Frame.h"
#include "skin/controls/Skinctrls_Link.h"
#include "skin/controls/Skinctrls_Reskin.h"
#include "skin/controls/Skinmenus_Popup.h"
#include "skin/data/Sputils_Geometry.h"
#include "skin/form/Formskinner.h"

namespace {

// The control's re-skin interface when it takes part in a change of `skinData` (null:
// a change announced for every skin).
IspSkinControl* Participant(TControl* control, TspSkinData* skinData) {
  auto* skinned = dynamic_cast<IspSkinControl*>(control);
  if (skinned == nullptr) return nullptr;
  return skinData == nullptr || skinned->SkinData() == skinData ? skinned : nullptr;
}

// Visits the control, then its children in Controls order, descending into windowed ones.
template <class Visit>
void WalkControls(TControl* control, const Visit& visit) {
  visit(control);
  auto* parent = dynamic_cast<TWinControl*>(control);
  if (parent == nullptr) return;
  for (int i = 0; i < parent->ControlCount(); ++i) WalkControls(parent->Controls(i), visit);
}

// A frame's skin component (the first component of the class TspSkinFrame it owns), or null.
TspSkinComponent* FrameSkinComponent(TFrame* frame) {
  TClass skinFrameClass = GetClass("TspSkinFrame");
  if (skinFrameClass == nullptr) return nullptr;
  for (int i = 0; i < frame->ComponentCount(); ++i) {
    TComponent* component = frame->Components(i);
    if (component->InheritsFrom(skinFrameClass)) return static_cast<TspSkinComponent*>(component);
  }
  return nullptr;
}

template <class Call>
void ForEachSkinComponent(TCustomForm* form, const Call& call) {
  for (int i = 0; i < form->ComponentCount(); ++i) {
    if (auto* component = dynamic_cast<TspSkinComponent*>(form->Components(i))) call(component);
  }
}

}  // namespace

void TspFormSkinner::SetSkinData(TspSkinData* value) {
  if (skinData_ != nullptr) RemoveFreeNotification(skinData_);
  skinData_ = value;
  if (value != nullptr) {
    FreeNotification(value);
    skinnableForm_ = value->SkinnableForm();
  }
  TrayMenu->SetSkinData(value);
  if (!Designing()) ChangeSkinData();
}

void TspFormSkinner::ChangeSkinData() {
  ActiveObject = OldActiveObject = CaptureObject = -1;
  SkinUsable = SkinDataUsable();
  if (supportNCArea_) {
    ChangeSkinDataNC();
  } else if (SkinUsable) {
    ChangeSkinDataClient();
  }
}

void TspFormSkinner::ChangeSkinDataNC() {
  if (SkinUsable && skinnableForm_) {
    LoadObjects();
    CheckObjects();
  } else {
    ClearObjects();
    NewFormWidth = OwnerForm->Width();
    NewFormHeight = OwnerForm->Height();
    CreateNewRegion(true);
  }
  if (!skinnableForm_) {
    LoadBorderIcons();
  } else if (!OwnerForm->BorderIcons().Empty()) {
    OwnerForm->SetBorderIcons({});
  }
  ApplyingSkin = true;
  FitMinimumSize();
  NewFormWidth = OwnerForm->Width();
  NewFormHeight = OwnerForm->Height();
  if (SkinUsable) CreateNewForm(true);
  RepaintForm();
  FormChangeActive(true);
  MouseTimer->SetEnabled(true);
  OnChangeSkinData(this);
  ApplyingSkin = false;
  ApplyClientSize();
}

// Raises the form to the minimum size; otherwise a real size change lays it out anew.
void TspFormSkinner::FitMinimumSize() {
  const int minWidth = GetMinWidth();
  const int minHeight = GetMinHeight();
  const bool narrow = minWidth > OwnerForm->Width();
  const bool low = minHeight > OwnerForm->Height();
  if (narrow && low) {
    OwnerForm->SetBounds(OwnerForm->Left(), OwnerForm->Top(), minWidth, minHeight);
  } else if (low) {
    OwnerForm->SetHeight(minHeight);
  } else if (narrow) {
    OwnerForm->SetWidth(minWidth);
  } else {
    UpDateForm();
  }
}

void TspFormSkinner::ApplyClientSize() {
  if (ClientWidth > 0) SetFormClientSize(ClientWidth, OwnerForm->ClientHeight());
  if (ClientHeight > 0) SetFormClientSize(OwnerForm->ClientWidth(), ClientHeight);
}

void TspFormSkinner::SetFormClientSize(int width, int height) {
  RecalcFrame();
  OwnerForm->SetClientSize(width, height);
}

// Makes the window (when it has none yet) and has its client area computed anew by the
// component: a window's first frame is the platform's.
void TspFormSkinner::RecalcFrame() {
  SetWindowPos(OwnerForm->Handle(), nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TspFormSkinner::ChangeSkinDataClient() {
  const bool scale = CanScale();
  CheckSize();
  LoadObjects();
  CheckObjects();
  ApplyingSkin = true;
  OnChangeSkinData(this);
  if (scale) {
    CreateNewForm(true);
  } else if (OwnerForm->ClientWidth() == skinData_->Picture->Width() &&
             OwnerForm->ClientHeight() == skinData_->Picture->Height()) {
    CreateNewForm(false);
  }
  CalcAllRealObjectRect();
  LinkControlsToAreas();
  ControlsToAreas();
  FormChangeActive(true);
  ApplyingSkin = false;
  MouseTimer->SetEnabled(true);
}

void TspFormSkinner::BeforeUpDateSkinControls(TspSkinData* skinData, TWinControl* control) {
  // Only the two bases (windowed and window-less) forget their look in advance.
  WalkControls(control, [skinData](TControl* c) {
    IspSkinControl* skinned = Participant(c, skinData);
    if (skinned != nullptr && dynamic_cast<TspSkinLink*>(c) != nullptr) skinned->BeforeChangeSkinData();
  });
}

void TspFormSkinner::UpDateSkinControls(TspSkinData* skinData, TWinControl* control) {
  WalkControls(control, [skinData](TControl* c) {
    if (auto* frame = dynamic_cast<TFrame*>(c)) {
      if (TspSkinComponent* skinFrame = FrameSkinComponent(frame)) skinFrame->ChangeSkinData();
    } else if (IspSkinControl* skinned = Participant(c, skinData)) {
      skinned->ChangeSkinData();
    }
  });
}

void TspFormSkinner::BeforeUpDateSkinComponents(TspSkinData* skinData) {
  (void)skinData;  // every skin component hears of it, whatever its skin data
  ForEachSkinComponent(OwnerForm, [](TspSkinComponent* component) { component->BeforeChangeSkinData(); });
}

void TspFormSkinner::UpDateSkinComponents(TspSkinData* skinData) {
  (void)skinData;
  ForEachSkinComponent(OwnerForm, [](TspSkinComponent* component) { component->ChangeSkinData(); });
}

void TspFormSkinner::CheckControlsBackground() {
  for (int i = 0; i < OwnerForm->ControlCount(); ++i) {
    auto* child = dynamic_cast<TWinControl*>(OwnerForm->Controls(i));
    if (child != nullptr && child->HandleAllocated()) SendMessageA(child->Handle(), WM_CHECKPARENTBG, 0, 0);
  }
}

TRect TspFormSkinner::GetAreaRect(const AnsiString& areaName) const {
  if (!SkinDataUsable()) return Rect(0, 0, 0, 0);
  TRect found = Rect(0, 0, 0, 0);
  for (const auto& area : skinData_->AreaList) {
    if (area->IDName == areaName) found = area->AreaRect;
  }
  return found;
}

void TspFormSkinner::LinkControlToArea(const AnsiString& areaName, TControl* control) {
  if (skinData_ == nullptr) return;
  const int index = skinData_->GetAreaIndex(areaName);
  if (index < 0) return;
  const TRect r = skinData_->AreaList[static_cast<size_t>(index)]->AreaRect;
  if (IsNullRect(r)) return;
  control->SetAlign(alNone);
  FreeNotification(control);  // a freed control leaves its links
  AreaLinks.push_back({control, r});
}

void TspFormSkinner::UnLinkControlFromArea(TControl* control) {
  for (auto it = AreaLinks.begin(); it != AreaLinks.end(); ++it) {
    if (it->Control == control) {
      AreaLinks.erase(it);
      return;
    }
  }
}

void TspFormSkinner::LinkControlsToAreas() {
  for (int i = 0; i < OwnerForm->ControlCount(); ++i) {
    TControl* child = OwnerForm->Controls(i);
    auto* skinned = dynamic_cast<TspSkinLink*>(child);
    if (skinned != nullptr && !skinned->AreaName().IsEmpty()) LinkControlToArea(skinned->AreaName(), child);
  }
}

void TspFormSkinner::ControlsToAreas() {
  if (AreaLinks.empty()) return;
  const bool scale = CanScale();
  for (const TspAreaLink& link : AreaLinks) {
    const TRect r = scale ? CalcRealObjectRect(link.AreaRect) : link.AreaRect;
    link.Control->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    if (auto* windowed = dynamic_cast<TWinControl*>(link.Control)) windowed->Realign();
  }
}
