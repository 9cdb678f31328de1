#pragma once
#include <memory>
#include <vector>

#include "classlib/graphics/GraphicsObjects.h"
#include "classlib/windowing/Forms.h"
#include "classlib/windowing/Menus.h"
#include "classlib/windowing/Timer.h"
#include "skin/controls/Skinmenus_Host.h"

class TspSkinData;
class TspSkinMenuItem;
class TspSkinPopupWindow;

// The controller of the skinned popup menus of one skinned form: the chain of open
// popup windows (0 the top level, each further one a sub-menu of an item of the one
// before), the wait before a sub-menu opens under the mouse, the commands of chosen
// items, and the messages to the control that opened the menu and to the form.
class TspSkinMenu : public TComponent {
  CLASSLIB_CLASS(TspSkinMenu, TComponent)
 public:
  static constexpr unsigned kSubMenuDelay = 500;

  TspSkinMenu(TComponent* owner, TCustomForm* form);
  ~TspSkinMenu() override;

  // Opens `item`'s children from `startIndex` beside `r` (screen coordinates); `ctrl`
  // (may be null) opened the menu. An open menu closes first. Nothing opens when there
  // is no child from `startIndex` on.
  void Popup(TControl* ctrl, TspSkinData* skinData, int startIndex, const TRect& r, TMenuItem* item, bool upward);
  // The same with `itemA`'s children followed by `itemB`'s in one window; `startIndex`
  // counts over both.
  void Popup2(TControl* ctrl, TspSkinData* skinData, int startIndex, const TRect& r, TMenuItem* itemA,
              TMenuItem* itemB, bool upward);
  // Appends one window to the chain and shows it.
  void PopupSub(const TRect& r, TMenuItem* item, int startIndex, bool isSub, bool upward);
  void PopupSub2(const TRect& r, TMenuItem* itemA, TMenuItem* itemB, int startIndex, bool isSub, bool upward);
  // An item of `window` was hovered (`click` off) or chosen (`click` on).
  void CheckItem(TspSkinPopupWindow* window, TspSkinMenuItem* item, bool click, bool byKeyboard);
  // Closes the windows from index `from` on; 0 closes the menu: the opener gets
  // WM_CLOSESKINMENU and the close handler runs once. A closed window is hidden at
  // once and freed after the message being handled (it may be running a handler).
  void CloseMenu(int from);
  // Closes the menu and sends WM_CLOSESKINMENU to the form.
  void Hide();
  // The window's index in the chain, or the number of windows when it is not in it.
  int GetPWIndex(const TspSkinPopupWindow* window) const;
  // The work area of the monitor of the form.
  TRect GetWorkArea() const;

  int WindowCount() const { return static_cast<int>(windows_.size()); }
  TspSkinPopupWindow* Windows(int index) const { return windows_.at(static_cast<size_t>(index)); }
  TspSkinPopupWindow* LastWindow() const { return windows_.empty() ? nullptr : windows_.back(); }
  bool Visible() const { return visible_; }
  // The window being opened is the first of a new popup (no menu was open).
  bool First() const { return first_; }
  TCustomForm* Form() const { return form_; }
  TspSkinData* SkinData() const { return skinData_; }
  TRect WorkArea() const { return workArea_; }
  TControl* Opener() const { return opener_; }
  TControl* LastOpener() const { return lastOpener_; }
  TspSkinMenuItem* WaitItem() const { return waitItem_; }
  bool WaitTimerRunning() const { return waitTimer_->Enabled(); }
  // Forgets a wait for `item` (it is no longer under the pointer).
  void CancelWait(const TspSkinMenuItem* item);

  // Settings, set by the form's skinning component.
  bool UseSkinFont = true;
  int ItemHeight() const { return itemHeight_; }
  // Values above 0 only.
  void SetDefaultMenuItemHeight(int value);
  TFont* ItemFont() const { return itemFont_.get(); }
  void SetDefaultMenuItemFont(TFont* font) { itemFont_->Assign(font); }
  bool AlphaBlend = false;
  int AlphaBlendValue = 200;
  bool AlphaBlendAnimation = false;
  int MaxMenuItemsInWindow() const { return maxMenuItemsInWindow_; }
  // Values of 0 (no limit) or more only.
  void SetMaxMenuItemsInWindow(int value);

  // Runs once when the menu closes, then is cleared.
  TNotifyEvent OnMenuClose;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void WaitItemTimer(TObject* sender);
  void StopWait();
  void SetOpener(TControl* control);
  void OpenWindow(const TRect& r, TMenuItem* itemA, TMenuItem* itemB, int startIndex, bool isSub, bool upward);
  void StartPopup(TControl* ctrl, TspSkinData* skinData);

  bool first_ = false;
  int itemHeight_ = 20;
  std::unique_ptr<TFont> itemFont_;
  TControl* opener_ = nullptr;
  TControl* lastOpener_ = nullptr;
  TCustomForm* form_;
  TTimer* waitTimer_;
  TspSkinMenuItem* waitItem_ = nullptr;
  TRect workArea_;
  bool visible_ = false;
  TspSkinData* skinData_ = nullptr;
  std::vector<TspSkinPopupWindow*> windows_;
  int maxMenuItemsInWindow_ = 0;
};
