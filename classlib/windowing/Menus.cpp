#include "classlib/windowing/Menus.h"

#include <algorithm>

#include "classlib/graphics/ImageList.h"
#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/SysUtils.h"

namespace {
// Command numbers in use; an item takes the lowest free one.
std::vector<bool>& UsedCommands() {
  static std::vector<bool> used(1, true);  // 0 is never a command
  return used;
}

WORD AllocateCommand() {
  auto& used = UsedCommands();
  auto free = std::find(used.begin(), used.end(), false);
  const auto command = static_cast<size_t>(free - used.begin());
  if (command > 0xFFFF) throw EMenuError("Too many menu items");
  if (free == used.end()) used.push_back(true);
  else *free = true;
  return static_cast<WORD>(command);
}

void ReleaseCommand(WORD command) { UsedCommands()[command] = false; }

TMenuItem* FindByCommand(TMenuItem* item, WORD command) {
  if (item->Command() == command) return item;
  for (int i = 0; i < item->Count(); ++i) {
    if (TMenuItem* found = FindByCommand(item->Items(i), command)) return found;
  }
  return nullptr;
}

TMenuItem* FindByShortCut(TMenuItem* item, TShortCut shortCut) {
  for (int i = 0; i < item->Count(); ++i) {
    TMenuItem* child = item->Items(i);
    if (child->ShortCut() == shortCut && child->Enabled() && child->Visible()) return child;
    if (TMenuItem* found = FindByShortCut(child, shortCut)) return found;
  }
  return nullptr;
}

void UpdateItemActions(TMenuItem* item) {
  for (int i = 0; i < item->Count(); ++i) {
    TMenuItem* child = item->Items(i);
    if (child->ActionLink() != nullptr) child->ActionLink()->Update();
    UpdateItemActions(child);
  }
}
}  // namespace

AnsiString StripHotkey(const AnsiString& text) {
  AnsiString result;
  for (int i = 1; i <= text.Length(); ++i) {
    if (text[i] == '&') {
      if (i < text.Length() && text[i + 1] == '&') {
        result += '&';
        ++i;
      }
      continue;
    }
    result += text[i];
  }
  return result;
}

TMenuActionLink::TMenuActionLink(TObject* client)
    : TActionLink(client), client_(dynamic_cast<TMenuItem*>(client)) {}

bool TMenuActionLink::IsCaptionLinked() const {
  return TActionLink::IsCaptionLinked() && client_->Caption() == CustomAction()->Caption();
}
bool TMenuActionLink::IsCheckedLinked() const {
  return TActionLink::IsCheckedLinked() && client_->Checked() == CustomAction()->Checked();
}
bool TMenuActionLink::IsEnabledLinked() const {
  return TActionLink::IsEnabledLinked() && client_->Enabled() == CustomAction()->Enabled();
}
bool TMenuActionLink::IsHintLinked() const {
  return TActionLink::IsHintLinked() && client_->Hint() == CustomAction()->Hint();
}
bool TMenuActionLink::IsImageIndexLinked() const {
  return TActionLink::IsImageIndexLinked() && client_->ImageIndex() == CustomAction()->ImageIndex();
}
bool TMenuActionLink::IsShortCutLinked() const {
  return TActionLink::IsShortCutLinked() && client_->ShortCut() == CustomAction()->ShortCut();
}
bool TMenuActionLink::IsVisibleLinked() const {
  return TActionLink::IsVisibleLinked() && client_->Visible() == CustomAction()->Visible();
}
bool TMenuActionLink::IsOnExecuteLinked() const {
  return TActionLink::IsOnExecuteLinked() && client_->OnClick == Action()->OnExecute;
}
void TMenuActionLink::SetCaption(const AnsiString& value) { client_->SetCaption(value); }
void TMenuActionLink::SetChecked(bool value) { client_->SetChecked(value); }
void TMenuActionLink::SetEnabled(bool value) { client_->SetEnabled(value); }
void TMenuActionLink::SetHint(const AnsiString& value) { client_->SetHint(value); }
void TMenuActionLink::SetImageIndex(int value) { client_->SetImageIndex(value); }
void TMenuActionLink::SetShortCut(TShortCut value) { client_->SetShortCut(value); }
void TMenuActionLink::SetVisible(bool value) { client_->SetVisible(value); }
void TMenuActionLink::SetOnExecute(const TNotifyEvent& value) { client_->OnClick = value; }

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(AllocateCommand()) {}

TMenuItem::~TMenuItem() {
  actionLink_.reset();
  if (parent_ != nullptr) parent_->Remove(this);
  while (!items_.empty()) delete items_.back();
  ReleaseCommand(command_);
}

TBitmap* TMenuItem::Bitmap() const {
  if (!bitmap_) bitmap_ = std::make_unique<TBitmap>();
  return bitmap_.get();
}

void TMenuItem::SetBitmap(TBitmap* bitmap) { Bitmap()->Assign(bitmap); }

void TMenuItem::SetChecked(bool value) {
  checked_ = value;
  if (!value || !radioItem_ || parent_ == nullptr) return;
  for (TMenuItem* sibling : parent_->items_) {
    if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_) sibling->checked_ = false;
  }
}

void TMenuItem::SetAction(TBasicAction* action) {
  if (action == nullptr) {
    actionLink_.reset();
    return;
  }
  if (!actionLink_) actionLink_ = std::make_unique<TMenuActionLink>(this);
  actionLink_->SetAction(action);
  ActionChange(action, ComponentState().Contains(csLoading));
  action->FreeNotification(this);
}

void TMenuItem::ActionChange(TObject* sender, bool checkDefaults) {
  auto* action = dynamic_cast<TCustomAction*>(sender);
  if (action == nullptr) return;
  if (!checkDefaults || caption_.IsEmpty()) SetCaption(action->Caption());
  if (!checkDefaults || !checked_) SetChecked(action->Checked());
  if (!checkDefaults || enabled_) SetEnabled(action->Enabled());
  if (!checkDefaults || hint_.IsEmpty()) SetHint(action->Hint());
  if (!checkDefaults || imageIndex_ == -1) SetImageIndex(action->ImageIndex());
  if (!checkDefaults || shortCut_ == scNone) SetShortCut(action->ShortCut());
  if (!checkDefaults || visible_) SetVisible(action->Visible());
  if (!checkDefaults || !OnClick) OnClick = action->OnExecute;
}

void TMenuItem::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && actionLink_ && component == actionLink_->Action()) actionLink_.reset();
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

int TMenuItem::MenuIndex() const { return parent_ != nullptr ? parent_->IndexOf(this) : -1; }

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (item->parent_ != nullptr) throw EMenuError("Menu inserted twice");
  if (index < 0 || index > Count()) throw EMenuError("Menu index out of range");
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
}

void TMenuItem::Remove(TMenuItem* item) {
  if (IndexOf(item) < 0) throw EMenuError("Sub-menu is not in menu");
  std::erase(items_, item);
  item->parent_ = nullptr;
}

void TMenuItem::Delete(int index) {
  if (index < 0 || index >= Count()) throw EMenuError("Menu index out of range");
  delete items_[static_cast<size_t>(index)];
}

void TMenuItem::Clear() {
  while (!items_.empty()) delete items_.back();
}

TMenuItem* TMenuItem::Find(const AnsiString& caption) const {
  const AnsiString wanted = StripHotkey(caption);
  for (TMenuItem* item : items_) {
    if (SameText(StripHotkey(item->caption_), wanted)) return item;
  }
  return nullptr;
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->parent_ != nullptr) root = root->parent_;
  return root->menu_;
}

TComponent* TMenuItem::GetParentComponent() const {
  if (parent_ != nullptr && parent_->menu_ != nullptr) return parent_->menu_;
  return parent_;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (parent_ != nullptr) parent_->Remove(this);
  if (auto* menu = dynamic_cast<TMenu*>(parent)) menu->Items()->Add(this);
  else if (auto* item = dynamic_cast<TMenuItem*>(parent)) item->Add(this);
}

void TMenuItem::RethinkLines() {
  TMenuItem* lastLine = nullptr;
  bool afterContent = false;
  for (TMenuItem* item : items_) {
    if (!item->visible_) continue;
    if (!item->IsLine()) {
      afterContent = true;
      lastLine = nullptr;
      continue;
    }
    item->lineHidden_ = !afterContent;
    if (afterContent) lastLine = item;
    afterContent = false;
  }
  if (lastLine != nullptr) lastLine->lineHidden_ = true;
}

void TMenuItem::Click() {
  if (!enabled_) return;
  const bool runsAction = actionLink_ && actionLink_->Action() != nullptr &&
                          (!OnClick || OnClick == actionLink_->Action()->OnExecute);
  if (runsAction) actionLink_->Execute(this);
  else OnClick(this);
}

void TMenuItem::DrawItem(TCanvas* canvas, const TRect& rect, bool selected) {
  OnDrawItem(this, canvas, rect, selected);
}

void TMenuItem::MeasureItem(TCanvas* canvas, int& width, int& height) {
  OnMeasureItem(this, canvas, width, height);
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(nullptr)) { items_->menu_ = this; }

TMenu::~TMenu() { delete items_; }

void TMenu::SetImages(TCustomImageList* images) {
  images_ = images;
  if (images != nullptr) images->FreeNotification(this);
}

void TMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == images_) images_ = nullptr;
}

TMenuItem* TMenu::FindItem(WORD command) const { return FindByCommand(items_, command); }

bool TMenu::DispatchCommand(WORD command) {
  TMenuItem* item = FindItem(command);
  if (item == nullptr || item == items_) return false;
  item->Click();
  return true;
}

bool TMenu::IsShortCut(TShortCut shortCut) {
  if (shortCut == scNone) return false;
  UpdateItemActions(items_);
  TMenuItem* item = FindByShortCut(items_, shortCut);
  if (item == nullptr) return false;
  item->Click();
  return true;
}

HBITMAP TMenu::ItemBitmap(TMenuItem* item) {
  if (item->bitmap_ && !item->bitmap_->Empty()) return item->bitmap_->Handle();
  if (images_ == nullptr || item->ImageIndex() < 0 || item->ImageIndex() >= images_->Count()) return nullptr;
  auto picture = std::make_unique<TBitmap>();
  picture->SetSize(images_->Width(), images_->Height());
  picture->Canvas()->Brush()->SetColor(clMenu);
  picture->Canvas()->FillRect(Rect(0, 0, images_->Width(), images_->Height()));
  images_->Draw(picture->Canvas(), 0, 0, item->ImageIndex(), item->Enabled());
  HBITMAP handle = picture->Handle();
  imageBitmaps_.push_back(std::move(picture));
  return handle;
}

void TMenu::AppendItem(HMENU menu, TMenuItem* item) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
  info.wID = item->Command();
  info.dwItemData = reinterpret_cast<ULONG_PTR>(item);
  if (item->IsLine()) {
    info.fType = MFT_SEPARATOR;
    InsertMenuItemA(menu, GetMenuItemCount(menu), TRUE, &info);
    return;
  }
  AnsiString text = item->Caption();
  if (item->ShortCut() != scNone) text += "\t" + ShortCutToText(item->ShortCut());
  info.fType = item->OnDrawItem ? MFT_OWNERDRAW : MFT_STRING;
  if (item->RadioItem()) info.fType |= MFT_RADIOCHECK;
  if (!item->OnDrawItem) {
    info.fMask |= MIIM_STRING;
    info.dwTypeData = const_cast<char*>(text.c_str());
  }
  info.fState = (item->Checked() ? MFS_CHECKED : 0) | (item->Enabled() ? 0 : MFS_GRAYED) |
                (item->Default() ? MFS_DEFAULT : 0);
  if (item->Count() > 0) {
    info.fMask |= MIIM_SUBMENU;
    info.hSubMenu = BuildMenu(item, true);
  }
  if (HBITMAP bitmap = ItemBitmap(item)) {
    info.fMask |= MIIM_BITMAP;
    info.hbmpItem = bitmap;
  }
  InsertMenuItemA(menu, GetMenuItemCount(menu), TRUE, &info);
}

HMENU TMenu::BuildMenu(TMenuItem* parent, bool popup) {
  const bool reduceLines = autoLineReduction_ == maAutomatic;
  if (reduceLines) parent->RethinkLines();
  HMENU menu = popup ? CreatePopupMenu() : CreateMenu();
  if (menu == nullptr) RaiseLastOSError();
  for (TMenuItem* item : parent->items_) {
    if (item->Visible() && !(reduceLines && item->LineHidden())) AppendItem(menu, item);
  }
  return menu;
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

TPopupMenu::~TPopupMenu() = default;

void TPopupMenu::SetPopupComponent(TComponent* component) {
  popupComponent_ = component;
  if (component != nullptr) component->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
  TMenu::Notification(component, operation);
  if (operation == opRemove && component == popupComponent_) popupComponent_ = nullptr;
}

void TPopupMenu::Popup(int x, int y) {
  popupPoint_ = Point(x, y);
  DoPopup(this);
  UpdateItemActions(Items());
  if (!owner_) owner_ = std::make_unique<TUtilityWindow>(TWndMethod(this, &TPopupMenu::OwnerWndProc));
  HMENU menu = BuildMenu(Items(), true);
  static constexpr UINT kAlign[] = {TPM_LEFTALIGN, TPM_RIGHTALIGN, TPM_CENTERALIGN};
  SetForegroundWindow(owner_->Handle());
  const auto command = static_cast<WORD>(TrackPopupMenu(
      menu, kAlign[alignment_] | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, x, y, 0, owner_->Handle(), nullptr));
  DestroyMenu(menu);
  imageBitmaps_.clear();
  if (command != 0) DispatchCommand(command);
}

void TPopupMenu::OwnerWndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_MEASUREITEM:
      MeasureItem(reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam));
      message.Result = 1;
      return;
    case WM_DRAWITEM:
      DrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam));
      message.Result = 1;
      return;
    default:
      message.Result = DefWindowProcA(owner_ ? owner_->Handle() : nullptr, message.Msg, message.WParam, message.LParam);
  }
}

void TPopupMenu::MeasureItem(MEASUREITEMSTRUCT* measure) {
  auto* item = reinterpret_cast<TMenuItem*>(measure->itemData);
  HDC dc = GetDC(owner_->Handle());
  TCanvas canvas;
  canvas.SetHandle(dc);
  const SIZE extent = canvas.TextExtent(StripHotkey(item->Caption()));
  int width = extent.cx + 2 * GetSystemMetrics(SM_CXMENUCHECK), height = std::max<int>(extent.cy + 4, GetSystemMetrics(SM_CYMENU));
  item->MeasureItem(&canvas, width, height);
  canvas.SetHandle(nullptr);
  ReleaseDC(owner_->Handle(), dc);
  measure->itemWidth = static_cast<UINT>(width);
  measure->itemHeight = static_cast<UINT>(height);
}

void TPopupMenu::DrawItem(DRAWITEMSTRUCT* draw) {
  auto* item = reinterpret_cast<TMenuItem*>(draw->itemData);
  const int saved = SaveDC(draw->hDC);
  TCanvas canvas;
  canvas.SetHandle(draw->hDC);
  const TRect rect = Rect(draw->rcItem.left, draw->rcItem.top, draw->rcItem.right, draw->rcItem.bottom);
  item->DrawItem(&canvas, rect, (draw->itemState & ODS_SELECTED) != 0);
  canvas.SetHandle(nullptr);
  RestoreDC(draw->hDC, saved);
}
