#include "skin/controls/Skinmenus_Controller.h"

#include "classlib/windowing/WinControl.h"
#include "skin/controls/Skinmenus_Item.h"
#include "skin/controls/Skinmenus_Window.h"
#include "skin/data/Sputils_System.h"

IspSkinMenuHost* FindSkinMenuHost(TComponent* owner) {
  if (owner == nullptr) return nullptr;
  for (int i = 0; i < owner->ComponentCount(); ++i) {
    if (auto* host = dynamic_cast<IspSkinMenuHost*>(owner->Components(i))) return host;
  }
  return nullptr;
}

void SendMenuMessage(TControl* control, UINT message) {
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (windowed != nullptr && windowed->HandleAllocated()) SendMessageA(windowed->Handle(), message, 0, 0);
  else control->Perform(message, 0, 0);
}

TspSkinMenu::TspSkinMenu(TComponent* owner, TCustomForm* form)
    : TComponent(owner), itemFont_(std::make_unique<TFont>()), form_(form), waitTimer_(new TTimer(this)) {
  itemFont_->SetName("Arial");
  itemFont_->SetHeight(14);
  itemFont_->SetStyle(TFontStyles());
  waitTimer_->SetEnabled(false);
  waitTimer_->SetInterval(kSubMenuDelay);
  waitTimer_->OnTimer = TNotifyEvent(this, &TspSkinMenu::WaitItemTimer);
  if (form_ != nullptr) form_->FreeNotification(this);
}

TspSkinMenu::~TspSkinMenu() {
  CloseMenu(0);
  // The closed windows are ours: freed with the components we own.
}

void TspSkinMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == opener_) opener_ = nullptr;
  if (component == lastOpener_) lastOpener_ = nullptr;
  if (component == form_) form_ = nullptr;
  if (component == skinData_) skinData_ = nullptr;
  std::erase(windows_, component);
}

void TspSkinMenu::SetDefaultMenuItemHeight(int value) {
  if (value > 0) itemHeight_ = value;
}

void TspSkinMenu::SetMaxMenuItemsInWindow(int value) {
  if (value >= 0) maxMenuItemsInWindow_ = value;
}

TRect TspSkinMenu::GetWorkArea() const {
  HWND window = form_ != nullptr && form_->HandleAllocated() ? form_->Handle() : nullptr;
  return GetMonitorWorkArea(window, true);
}

int TspSkinMenu::GetPWIndex(const TspSkinPopupWindow* window) const {
  for (size_t i = 0; i < windows_.size(); ++i) {
    if (windows_[i] == window) return static_cast<int>(i);
  }
  return WindowCount();
}

void TspSkinMenu::SetOpener(TControl* control) {
  opener_ = control;
  if (control != nullptr) control->FreeNotification(this);
}

void TspSkinMenu::StartPopup(TControl* ctrl, TspSkinData* skinData) {
  first_ = !visible_;
  // The open menu closes with its own opener's message and close handler.
  if (!windows_.empty()) CloseMenu(0);
  SetOpener(ctrl);
  workArea_ = GetWorkArea();
  skinData_ = skinData;
  if (skinData != nullptr) skinData->FreeNotification(this);
}

void TspSkinMenu::Popup(TControl* ctrl, TspSkinData* skinData, int startIndex, const TRect& r, TMenuItem* item,
                        bool upward) {
  Popup2(ctrl, skinData, startIndex, r, item, nullptr, upward);
}

void TspSkinMenu::Popup2(TControl* ctrl, TspSkinData* skinData, int startIndex, const TRect& r, TMenuItem* itemA,
                         TMenuItem* itemB, bool upward) {
  StartPopup(ctrl, skinData);
  const int count = itemA->Count() + (itemB != nullptr ? itemB->Count() : 0);
  if (itemA->Count() > 0 && startIndex < count) {
    visible_ = true;
    OpenWindow(r, itemA, itemB, startIndex, false, upward);
  }
  first_ = false;
}

void TspSkinMenu::PopupSub(const TRect& r, TMenuItem* item, int startIndex, bool isSub, bool upward) {
  OpenWindow(r, item, nullptr, startIndex, isSub, upward);
}

void TspSkinMenu::PopupSub2(const TRect& r, TMenuItem* itemA, TMenuItem* itemB, int startIndex, bool isSub,
                            bool upward) {
  OpenWindow(r, itemA, itemB, startIndex, isSub, upward);
}

void TspSkinMenu::OpenWindow(const TRect& r, TMenuItem* itemA, TMenuItem* itemB, int startIndex, bool isSub,
                             bool upward) {
  TspDataSkinPopupWindow* look =
      skinData_ != nullptr && !skinData_->Empty ? skinData_->PopupWindow.get() : nullptr;
  auto* window = new TspSkinPopupWindow(this, this, look);
  windows_.push_back(window);
  if (itemB == nullptr) window->Show(r, itemA, startIndex, isSub, upward);
  else window->Show2(r, itemA, itemB, startIndex, isSub, upward);
}

void TspSkinMenu::StopWait() {
  waitTimer_->SetEnabled(false);
  waitItem_ = nullptr;
}

void TspSkinMenu::CancelWait(const TspSkinMenuItem* item) {
  if (waitItem_ == item) StopWait();
}

void TspSkinMenu::WaitItemTimer(TObject* sender) {
  (void)sender;
  waitTimer_->SetEnabled(false);
  if (waitItem_ != nullptr) CheckItem(waitItem_->Window(), waitItem_, true, false);
}

void TspSkinMenu::CheckItem(TspSkinPopupWindow* window, TspSkinMenuItem* item, bool click, bool byKeyboard) {
  TMenuItem* menuItem = item->MenuItem();
  const bool hasChildren = menuItem->Count() > 0;
  if (!hasChildren) {
    StopWait();
    if (!click) {
      CloseMenu(GetPWIndex(window) + 1);
      return;
    }
    Hide();
    if (TMenu* menu = menuItem->GetParentMenu()) menu->DispatchCommand(menuItem->Command());
    if (lastOpener_ != nullptr) SendMenuMessage(lastOpener_, WM_AFTERDISPATCH);
    return;
  }
  if (!click) {
    if (byKeyboard) return;
    StopWait();
    CloseMenu(GetPWIndex(window) + 1);
    waitItem_ = item;
    waitTimer_->SetEnabled(true);
    return;
  }
  if (TMenu* menu = menuItem->GetParentMenu()) menu->DispatchCommand(menuItem->Command());
  StopWait();
  if (window->Closed()) return;  // the command closed the menu
  CloseMenu(GetPWIndex(window) + 1);
  item->Down = true;
  const TPoint origin = window->ScreenPosition();
  const TRect r = Rect(item->ItemRect.Left + origin.X, item->ItemRect.Top + origin.Y,
                       item->ItemRect.Right + origin.X, item->ItemRect.Bottom + origin.Y);
  PopupSub(r, menuItem, 0, true, false);
}

void TspSkinMenu::CloseMenu(int from) {
  if (from < 0) from = 0;
  while (static_cast<int>(windows_.size()) > from) {
    TspSkinPopupWindow* window = windows_.back();
    windows_.pop_back();
    if (waitItem_ != nullptr && waitItem_->Window() == window) StopWait();
    window->closed_ = true;
    window->effectTimer_->SetEnabled(false);
    window->delayTimer_->SetEnabled(false);
    window->Hide();
    // It may be running one of its own handlers: it is freed after the current message.
    window->Release();
  }
  if (from != 0) return;
  StopWait();
  visible_ = false;
  lastOpener_ = opener_;
  if (opener_ != nullptr) {
    TControl* opener = opener_;
    opener_ = nullptr;
    SendMenuMessage(opener, WM_CLOSESKINMENU);
  }
  if (OnMenuClose) {
    TNotifyEvent handler = OnMenuClose;
    OnMenuClose = TNotifyEvent();
    handler(this);
  }
}

void TspSkinMenu::Hide() {
  CloseMenu(0);
  StopWait();
  if (form_ != nullptr) SendMenuMessage(form_, WM_CLOSESKINMENU);
}
