#pragma once
#include "classlib/windowing/Forms.h"
#include "classlib/windowing/Menus.h"
#include "skin/controls/Skinmenus_Host.h"

class TspSkinData;

// A popup menu shown through the menu controller of the skinned form it belongs to
// (its HostForm's, its owner's or its owner's owner's menu host), so that context menus
// and menu buttons appear skinned. Without a menu host it shows as a plain popup menu.
class TspSkinPopupMenu : public TPopupMenu {
  CLASSLIB_CLASS(TspSkinPopupMenu, TPopupMenu)
 public:
  explicit TspSkinPopupMenu(TComponent* owner);

  // Shows the menu at a screen point; no control opened it.
  void Popup(int x, int y) override;
  // Shows the menu at a point, opened by `ctrl`; shows nothing without skin data.
  void Popup2(TControl* ctrl, int x, int y);
  // Shows the menu beside a screen rectangle (above it when `upward`).
  void PopupFromRect(const TRect& r, bool upward);
  void PopupFromRect2(TControl* ctrl, const TRect& r, bool upward);

  TspSkinData* SkinData() const { return skinData_; }
  void SetSkinData(TspSkinData* value);
  // A form whose menu host is used (set on the system menu of a skinned form).
  TCustomForm* HostForm() const { return hostForm_; }
  void SetHostForm(TCustomForm* form);
  // The menu host found for the next popup, or null.
  IspSkinMenuHost* FindHost() const;

  // Runs once when a menu this popup menu opened closes.
  TNotifyEvent OnMenuClose;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void Open(TControl* ctrl, const TRect& r, bool upward, bool needsSkinData);

  TspSkinData* skinData_ = nullptr;
  TCustomForm* hostForm_ = nullptr;
};

// Registers the skinned menu classes for form resources.
void RegisterSkinMenuClasses();
