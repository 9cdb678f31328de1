#include "skin/controls/Skinmenus_Popup.h"

#include "classlib/formres/ClassProperties.h"
#include "classlib/formres/PropertyBinders.h"
#include "skin/controls/Skinmenus_Controller.h"
#include "skin/data/Skindata_SkinData.h"

TspSkinPopupMenu::TspSkinPopupMenu(TComponent* owner) : TPopupMenu(owner) { SetPopupPoint(Point(-1, -1)); }

void TspSkinPopupMenu::SetSkinData(TspSkinData* value) {
  skinData_ = value;
  if (value != nullptr) value->FreeNotification(this);
}

void TspSkinPopupMenu::SetHostForm(TCustomForm* form) {
  hostForm_ = form;
  if (form != nullptr) form->FreeNotification(this);
}

void TspSkinPopupMenu::Notification(TComponent* component, TOperation operation) {
  TPopupMenu::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == skinData_) skinData_ = nullptr;
  if (component == hostForm_) hostForm_ = nullptr;
}

IspSkinMenuHost* TspSkinPopupMenu::FindHost() const {
  if (hostForm_ != nullptr) return FindSkinMenuHost(hostForm_);
  TComponent* owner = Owner();
  if (dynamic_cast<TCustomForm*>(owner) != nullptr) return FindSkinMenuHost(owner);
  TComponent* ownersOwner = owner != nullptr ? owner->Owner() : nullptr;
  if (dynamic_cast<TCustomForm*>(ownersOwner) != nullptr) return FindSkinMenuHost(ownersOwner);
  return nullptr;
}

void TspSkinPopupMenu::Popup(int x, int y) { Open(nullptr, Rect(x, y, x, y), false, false); }

void TspSkinPopupMenu::Popup2(TControl* ctrl, int x, int y) { Open(ctrl, Rect(x, y, x, y), false, true); }

void TspSkinPopupMenu::PopupFromRect(const TRect& r, bool upward) { Open(nullptr, r, upward, false); }

void TspSkinPopupMenu::PopupFromRect2(TControl* ctrl, const TRect& r, bool upward) { Open(ctrl, r, upward, true); }

void TspSkinPopupMenu::Open(TControl* ctrl, const TRect& r, bool upward, bool needsSkinData) {
  IspSkinMenuHost* host = FindHost();
  if (host == nullptr) {
    // No skinned form: the plain popup menu, at the point or below (above) the rectangle.
    TPopupMenu::Popup(r.Left, upward ? r.Top : r.Bottom);
    return;
  }
  DoPopup(this);
  if (skinData_ == nullptr) {
    SetSkinData(host->MenusSkinData() != nullptr ? host->MenusSkinData() : host->SkinData());
  }
  if (needsSkinData && skinData_ == nullptr) return;
  TspSkinMenu* menu = host->SkinMenu();
  if (menu->Visible()) host->SkinMenuClose();
  host->SkinMenuOpen();
  SetPopupPoint(Point(r.Left, r.Top));
  menu->Popup(ctrl, skinData_, 0, r, Items(), upward);
  if (!menu->Visible()) {
    // Nothing to show: menu mode ends at once.
    host->SkinMenuClose();
    return;
  }
  if (OnMenuClose) menu->OnMenuClose = OnMenuClose;
}

void RegisterSkinMenuClasses() {
  using M = TspSkinPopupMenu;
  RegisterClassProperties(M::StaticClass(), {ReferenceProperty<M, TspSkinData>("SkinData", &M::SetSkinData),
                                             EventProperty<M>("OnMenuClose", &M::OnMenuClose)});
}
