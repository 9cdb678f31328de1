// The radio and check groups and their buttons.
#include "skin/controls/Skinctrls_CheckGroups.h"

#include <algorithm>

#include "classlib/windowing/ControlMessages.h"
#include "skin/controls/Skinctrls_Faces.h"

namespace {

constexpr int kMaxColumns = 16;

}  // namespace

// The buttons

TspCustomGroupButton::TspCustomGroupButton(TspSkinCustomButtonGroup* group, bool radio)
    : TspSkinCheckRadioBox(group), group_(group) {
  group->buttons_.push_back(this);
  SetVisible(false);
  SetEnabled(group->Enabled());
  OnClick = TNotifyEvent(group, &TspSkinCustomButtonGroup::ButtonClick);
  SetParent(group);
  SetRadio(radio);
  SetCanFocused(true);
  SetFlat(true);
}

TspCustomGroupButton::~TspCustomGroupButton() {
  auto& buttons = group_->buttons_;
  buttons.erase(std::remove(buttons.begin(), buttons.end(), this), buttons.end());
}

void TspCustomGroupButton::KeyDown(WORD& key, TShiftState shift) {
  TspSkinCheckRadioBox::KeyDown(key, shift);
  group_->KeyDown(key, shift);
}

void TspCustomGroupButton::KeyPress(char& key) {
  TspSkinCheckRadioBox::KeyPress(key);
  group_->KeyPress(key);
  if ((key == '\b' || key == ' ') && !group_->CanModify()) key = 0;
}

TspGroupButton::TspGroupButton(TspSkinCustomButtonGroup* group) : TspCustomGroupButton(group, true) {
  SetSkinDataName("radiobox");
  SetGroupIndex(1);
}

TspCheckGroupButton::TspCheckGroupButton(TspSkinCustomButtonGroup* group) : TspCustomGroupButton(group, false) {
  SetSkinDataName("checkbox");
}

// What both groups share

TspSkinCustomButtonGroup::TspSkinCustomButtonGroup(TComponent* owner, const char* buttonSkinDataName)
    : TspSkinGroupBox(owner),
      items_(std::make_unique<TStringList>()),
      buttonSkinDataName_(buttonSkinDataName),
      buttonDefaultFont_(std::make_unique<TFont>()) {
  SetControlStyle(TControlStyle{csSetCaption, csDoubleClicks});
  items_->OnChange = TNotifyEvent(this, &TspSkinCustomButtonGroup::ItemsChanged);
  buttonDefaultFont_->SetName("Arial");
  buttonDefaultFont_->SetHeight(14);
}

TspSkinCustomButtonGroup::~TspSkinCustomButtonGroup() {
  SetButtonCount(0);
  items_->OnChange = TNotifyEvent();
}

void TspSkinCustomButtonGroup::SetColumns(int value) {
  value = std::clamp(value, 1, kMaxColumns);
  if (value == columns_) return;
  columns_ = value;
  ArrangeButtons();
  Invalidate();
}

void TspSkinCustomButtonGroup::SetImages(TCustomImageList* value) {
  ReplaceReference(*this, images_, value);
  for (TspSkinCheckRadioBox* button : buttons_) button->SetImages(value);
}

void TspSkinCustomButtonGroup::Notification(TComponent* component, TOperation operation) {
  TspSkinGroupBox::Notification(component, operation);
  if (operation == opRemove && component != nullptr && component == images_) SetImages(nullptr);
}

void TspSkinCustomButtonGroup::SetButtonSkinDataName(const AnsiString& value) {
  buttonSkinDataName_ = value;
  for (TspSkinCheckRadioBox* button : buttons_) button->SetSkinDataName(value);
}

void TspSkinCustomButtonGroup::SetButtonDefaultFont(TFont* value) {
  buttonDefaultFont_->Assign(value);
  for (TspSkinCheckRadioBox* button : buttons_) button->DefaultFont()->Assign(value);
}

void TspSkinCustomButtonGroup::UpdateButtonsFont() {
  for (TspSkinCheckRadioBox* button : buttons_) {
    button->DefaultFont()->Assign(buttonDefaultFont_.get());
    button->SetUseSkinFont(UseSkinFont());
    button->Invalidate();
  }
}

void TspSkinCustomButtonGroup::SetSkinData(TspSkinData* value) {
  TspSkinGroupBox::SetSkinData(value);
  for (TspSkinCheckRadioBox* button : buttons_) button->SetSkinData(value);
}

void TspSkinCustomButtonGroup::ChangeSkinData() {
  TspSkinGroupBox::ChangeSkinData();
  ArrangeButtons();
}

void TspSkinCustomButtonGroup::Loaded() {
  TspSkinGroupBox::Loaded();
  UpdateButtons();
}

void TspSkinCustomButtonGroup::Dispatch(TMessage& message) {
  TspSkinGroupBox::Dispatch(message);
  switch (message.Msg) {
    case CM_ENABLEDCHANGED:
      for (TspSkinCheckRadioBox* button : buttons_) button->SetEnabled(Enabled());
      break;
    case CM_FONTCHANGED:
    case WM_SIZE:
      ArrangeButtons();
      break;
    default:
      break;
  }
}

// Buttons for the items

void TspSkinCustomButtonGroup::SetButtonCount(int count) {
  while (ButtonCount() < count) NewButton();
  while (ButtonCount() > count) delete buttons_.back();
  for (int i = 0; i < ButtonCount(); ++i) {
    TspSkinCheckRadioBox* button = buttons_[static_cast<size_t>(i)];
    button->SetImageIndex(i);
    button->SetSkinData(SkinData());
    button->SetSkinDataName(buttonSkinDataName_);
    button->DefaultFont()->Assign(buttonDefaultFont_.get());
    button->SetUseSkinFont(UseSkinFont());
  }
}

void TspSkinCustomButtonGroup::UpdateButtons() {
  SetButtonCount(items_->Count());
  for (int i = 0; i < ButtonCount(); ++i) Buttons(i)->SetCaption(items_->Strings(i));
  ArrangeButtons();
  Invalidate();
}

void TspSkinCustomButtonGroup::ItemsChange() {
  if (!Reading()) UpdateButtons();
}

void TspSkinCustomButtonGroup::ButtonClick(TObject* sender) {
  const auto at = std::find(buttons_.begin(), buttons_.end(), sender);
  if (at == buttons_.end()) return;
  itemIndex_ = static_cast<int>(at - buttons_.begin());
  Click();
}

// Layout: the items fill the first column from the top, then the next.

void TspSkinCustomButtonGroup::ArrangeButtons() {
  if (buttons_.empty() || Reading()) return;
  TRect area = Rect(0, 0, Width(), Height());
  AdjustClientRect(area);
  const int rows = (ButtonCount() + columns_ - 1) / columns_;
  PlaceButtons(area, rows, area.Width() / columns_ - 2, area.Height() / rows);
}

void TspSkinCustomButtonGroup::PlaceButtons(const TRect& area, int rows, int width, int height) {
  HDWP batch = HandleAllocated() ? BeginDeferWindowPos(ButtonCount()) : nullptr;
  for (int i = 0; i < ButtonCount(); ++i) {
    TspSkinCheckRadioBox* button = Buttons(i);
    const int left = i / rows * width + area.Left + 1;
    const int top = i % rows * height + area.Top;
    if (batch != nullptr && button->HandleAllocated())
      batch = DeferWindowPos(batch, button->Handle(), nullptr, left, top, width, height,
                             SWP_NOZORDER | SWP_NOACTIVATE);
    else
      button->SetBounds(left, top, width, height);
  }
  if (batch != nullptr) EndDeferWindowPos(batch);
  for (TspSkinCheckRadioBox* button : buttons_) button->SetVisible(true);
}

// The radio group

TspSkinCustomRadioGroup::TspSkinCustomRadioGroup(TComponent* owner)
    : TspSkinCustomButtonGroup(owner, "radiobox") {}

TspCustomGroupButton* TspSkinCustomRadioGroup::NewButton() { return new TspGroupButton(this); }

void TspSkinCustomRadioGroup::SetItemIndex(int value) {
  if (Reading()) {
    itemIndex_ = value;
    return;
  }
  value = std::clamp(value, -1, ButtonCount() - 1);
  if (value == itemIndex_) return;
  if (itemIndex_ >= 0) Buttons(itemIndex_)->SetChecked(false);
  itemIndex_ = value;
  if (value >= 0) Buttons(value)->SetChecked(true);
}

void TspSkinCustomRadioGroup::UpdateButtons() {
  // A selection past the items (lines removed, or a stored index beyond the stored
  // items) falls back to the last item.
  itemIndex_ = std::min(itemIndex_, Items()->Count() - 1);
  TspSkinCustomButtonGroup::UpdateButtons();
  if (itemIndex_ < 0) return;
  // Checking the selected button reports no click.
  updating_ = true;
  Buttons(itemIndex_)->SetChecked(true);
  updating_ = false;
}

void TspSkinCustomRadioGroup::ButtonClick(TObject* sender) {
  if (!updating_) TspSkinCustomButtonGroup::ButtonClick(sender);
}

// The check group

TspSkinCustomCheckGroup::TspSkinCustomCheckGroup(TComponent* owner)
    : TspSkinCustomButtonGroup(owner, "checkbox") {}

TspCustomGroupButton* TspSkinCustomCheckGroup::NewButton() { return new TspCheckGroupButton(this); }

bool TspSkinCustomCheckGroup::GetCheckedStatus(int index) const {
  return index >= 0 && index < ButtonCount() && Buttons(index)->Checked();
}

void TspSkinCustomCheckGroup::SetCheckedStatus(int index, bool value) {
  if (index >= 0 && index < ButtonCount()) Buttons(index)->SetChecked(value);
}
