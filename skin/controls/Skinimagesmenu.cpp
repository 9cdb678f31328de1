#include "skin/controls/Skinimagesmenu.h"

#include <algorithm>

// --- TspImagesMenuItem ----------------------------------------------------------

TspImagesMenuItem::TspImagesMenuItem(TCollection* collection) : TCollectionItem(collection) {}

void TspImagesMenuItem::Assign(TPersistent* source) {
  auto* item = dynamic_cast<TspImagesMenuItem*>(source);
  if (item == nullptr) {
    TCollectionItem::Assign(source);
    return;
  }
  SetImageIndex(item->ImageIndex());
  SetCaption(item->Caption());
  button_ = item->Button();
  header_ = item->Header();
  hint_ = item->Hint();
}

TspImagesMenuItems::TspImagesMenuItems(TspSkinImagesMenu* menu)
    : TOwnedCollection(menu, TspImagesMenuItem::StaticClass()) {}

// --- TspSkinImagesMenu ----------------------------------------------------------

TspSkinImagesMenu::TspSkinImagesMenu(TComponent* owner)
    : TComponent(owner), items_(new TspImagesMenuItems(this)), defaultFont_(new TFont()) {
  defaultFont_->SetName("Arial");
  defaultFont_->SetHeight(14);
}

TspSkinImagesMenu::~TspSkinImagesMenu() {
  // An open window is not released yet: it goes with the menu.
  delete popupWindow_;
  delete defaultFont_;
  delete items_;
}

void TspSkinImagesMenu::Watch(TComponent* previous, TComponent* value) {
  if (previous != nullptr && previous != value) RemoveFreeNotification(previous);
  if (value != nullptr) FreeNotification(value);
}

void TspSkinImagesMenu::SetImages(TCustomImageList* value) {
  Watch(images_, value);
  images_ = value;
}

void TspSkinImagesMenu::SetSkinHint(TspSkinHint* value) {
  Watch(skinHint_, value);
  skinHint_ = value;
}

void TspSkinImagesMenu::SetSkinData(TspSkinData* value) {
  Watch(skinData_, value);
  skinData_ = value;
}

void TspSkinImagesMenu::SetColumnsCount(int value) {
  if (value >= 1 && value <= kMaxColumns) columnsCount_ = value;
}

void TspSkinImagesMenu::SetAlphaBlendValue(int value) { alphaBlendValue_ = std::clamp(value, 0, 255); }

void TspSkinImagesMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == images_) images_ = nullptr;
  if (component == skinData_) skinData_ = nullptr;
  if (component == skinHint_) skinHint_ = nullptr;
}

TspImagesMenuItem* TspSkinImagesMenu::GetSelectedItem() const {
  if (itemIndex_ < 0 || itemIndex_ >= items_->Count()) return nullptr;
  return items_->Items(itemIndex_);
}

bool TspSkinImagesMenu::SelectedItem(int& imageIndex, AnsiString& caption) const {
  TspImagesMenuItem* item = GetSelectedItem();
  if (item == nullptr) return false;
  imageIndex = item->ImageIndex();
  caption = item->Caption();
  return true;
}

void TspSkinImagesMenu::Popup(int x, int y) { PopupFromRect(Rect(x, y, x, y)); }

void TspSkinImagesMenu::PopupFromRect(const TRect& rect) {
  Hide();
  OnMenuPopup(this);
  // The grid needs pictures and at least one item to take its size from.
  if (images_ == nullptr || images_->Count() == 0 || items_->Count() == 0) return;
  oldItemIndex_ = itemIndex_;
  popupWindow_ = new TspSkinImagesMenuPopupWindow(this);
  popupWindow_->Show(rect);
}

void TspSkinImagesMenu::Hide() {
  if (popupWindow_ != nullptr) popupWindow_->Hide(false);
}

void TspSkinImagesMenu::ProcessEvents(bool chosen) {
  if (popupWindow_ == nullptr) return;
  // The window may be inside its own handlers: it is freed once they have returned.
  popupWindow_->Release();
  popupWindow_ = nullptr;
  CloseHook(this);
  OnMenuClose(this);
  if (!chosen || itemIndex_ == -1) return;
  if (TspImagesMenuItem* item = GetSelectedItem()) item->OnClick(this);
  OnItemClick(this);
  if (itemIndex_ == oldItemIndex_) return;
  ChangeHook(this);
  OnChange(this);
}
