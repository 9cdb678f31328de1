// The framed radio group: its buttons from Items, the choice and the column layout.
#include "framed/FrRadGrp.h"

#include <algorithm>
#include <numeric>

#include "classlib/runtime/Exceptions.h"
#include "classlib/windowing/Button.h"
#include "framed/FrCommon_Drawing.h"

namespace {

constexpr int kTemplateSize = 13;
constexpr int kRadioImages = 6;

bool FramesWithRoom(TFrameStyle style) { return style >= fsGroove && style <= fsButtonUp; }

}  // namespace

// ---- Group button ----

TFrGroupButton::TFrGroupButton(TFrCustomRadioGroup* group) : TFrRadioButton(group), group_(group) {
  group->buttons_.push_back(this);
  SetVisible(false);
  SetEnabled(group->Enabled());
  OnClick = TNotifyEvent(group, &TFrCustomRadioGroup::ButtonClick);
  SetParent(group);
  SetParentFont(false);
}

TFrGroupButton::~TFrGroupButton() {
  auto& buttons = group_->buttons_;
  buttons.erase(std::remove(buttons.begin(), buttons.end(), this), buttons.end());
}

void TFrGroupButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (inMouseUp_) return;
  inMouseUp_ = true;
  try {
    if (group_->CanModify()) TFrRadioButton::MouseUp(button, shift, x, y);
  } catch (...) {
    HandleException(std::current_exception());
  }
  inMouseUp_ = false;
}

void TFrGroupButton::KeyPress(char& key) {
  TFrRadioButton::KeyPress(key);
  group_->KeyPress(key);
  if ((key == '\b' || key == ' ') && !group_->CanModify()) key = 0;
}

void TFrGroupButton::KeyDown(WORD& key, TShiftState shift) {
  TFrRadioButton::KeyDown(key, shift);
  group_->KeyDown(key, shift);
}

// ---- Radio group ----

TFrCustomRadioGroup::TFrCustomRadioGroup(TComponent* owner)
    : TFrCustomGroupBox(owner), items_(new TStringList), itemFont_(new TFont), customGlyphs_(new TBitmap) {
  SetControlStyle(TControlStyle{csAcceptsControls, csSetCaption, csDoubleClicks});
  items_->OnChange = TNotifyEvent(this, &TFrCustomRadioGroup::ItemsChanged);
  itemFont_->OnChange = TNotifyEvent(this, &TFrCustomRadioGroup::ItemFontChanged);
  customGlyphs_->OnChange = TNotifyEvent(this, &TFrCustomRadioGroup::CustomGlyphsChanged);
  SetTabStop(false);
}

TFrCustomRadioGroup::~TFrCustomRadioGroup() {
  // The buttons go first, while the lists they report to still exist.
  while (!buttons_.empty()) delete buttons_.back();
  delete items_;
  delete itemFont_;
  delete customGlyphs_;
}

void TFrCustomRadioGroup::SetItemIndex(int value) {
  if (Reading()) {
    itemIndex_ = value;
    return;
  }
  value = std::clamp(value, -1, ButtonCount() - 1);
  if (value == itemIndex_) return;
  if (itemIndex_ >= 0 && itemIndex_ < ButtonCount()) GetButton(itemIndex_)->SetChecked(false);
  itemIndex_ = value;
  if (itemIndex_ >= 0) GetButton(itemIndex_)->SetChecked(true);
}

void TFrCustomRadioGroup::SetColumns(int value) {
  value = std::clamp(value, 1, 16);
  if (value == columns_) return;
  columns_ = value;
  ArrangeButtons();
  Invalidate();
}

void TFrCustomRadioGroup::SetItemFont(TFont* value) {
  if (value != itemFont_) itemFont_->Assign(value);
  ArrangeButtons();
}

void TFrCustomRadioGroup::SetCustomGlyphs(TBitmap* value) {
  customGlyphs_->Assign(value);
  ArrangeButtons();
}

void TFrCustomRadioGroup::CustomGlyphsChanged(TObject*) {
  useCustomGlyphs_ = !customGlyphs_->Empty();
  Invalidate();
}

void TFrCustomRadioGroup::SetTransparent(bool value) {
  TFrCustomGroupBox::SetTransparent(value);
  ArrangeButtons();
}

void TFrCustomRadioGroup::SetGroupStyle(TFrGroupBoxStyle value) {
  TFrCustomGroupBox::SetGroupStyle(value);
  ArrangeButtons();
}

bool TFrCustomRadioGroup::CanChangeIndex(int newIndex) {
  bool allow = true;
  OnChanging(this, newIndex, allow);
  return allow;
}

// A button was checked by the user or by code; a refused change checks the old one again.
void TFrCustomRadioGroup::ButtonClick(TObject* sender) {
  if (updating_) return;
  const auto found = std::find(buttons_.begin(), buttons_.end(), sender);
  const int index = static_cast<int>(found - buttons_.begin());
  if (CanChangeIndex(index)) {
    itemIndex_ = index;
    Click();
    return;
  }
  updating_ = true;
  if (itemIndex_ >= 0) GetButton(itemIndex_)->SetFocus();
  updating_ = false;
}

void TFrCustomRadioGroup::SetButtonCount(int count) {
  while (ButtonCount() < count) new TFrGroupButton(this);
  while (ButtonCount() > count) delete buttons_.back();
}

void TFrCustomRadioGroup::UpdateButtons() {
  SetButtonCount(items_->Count());
  for (int i = 0; i < ButtonCount(); ++i) GetButton(i)->SetCaption(items_->Strings(i));
  if (itemIndex_ >= 0) {
    updating_ = true;
    GetButton(itemIndex_)->SetChecked(true);
    updating_ = false;
  }
  ArrangeButtons();
  Invalidate();
}

void TFrCustomRadioGroup::ItemsChanged(TObject*) {
  if (Reading()) return;
  if (itemIndex_ >= items_->Count()) itemIndex_ = items_->Count() - 1;
  UpdateButtons();
}

// The items and the choice read from a form resource take effect together.
void TFrCustomRadioGroup::Loaded() {
  TFrCustomGroupBox::Loaded();
  itemIndex_ = std::clamp(itemIndex_, -1, items_->Count() - 1);
  UpdateButtons();
}

void TFrCustomRadioGroup::ItemFontChanged(TObject*) {
  itemFontSet_ = true;
  ArrangeButtons();
  Invalidate();
}

// ---- Layout ----

int TFrCustomRadioGroup::FirstRowTop() {
  const int lineHeight = FontLineHeight(Font());
  const bool captioned = !Caption().IsEmpty();
  if (GroupStyle() == gsStandard) return captioned ? lineHeight + startYPos_ : lineHeight / 2 + 2 + startYPos_;
  int border = BorderWidth() + 1;
  if (FramesWithRoom(BorderOuter())) border += 2;
  if (FramesWithRoom(BorderInner())) border += 2;
  return captioned ? border + lineHeight + startYPos_ : border + startYPos_;
}

std::vector<int> TFrCustomRadioGroup::ColumnWidths(int perColumn) {
  const int glyphWidth = useCustomGlyphs_ ? customGlyphs_->Width() / kRadioImages : kTemplateSize;
  std::vector<int> widths(static_cast<size_t>(columns_), 0);
  for (int i = 0; i < ButtonCount(); ++i) {
    int& width = widths[static_cast<size_t>(i / perColumn)];
    width = std::max(width, static_cast<int>(ScreenTextExtent(itemFont_, items_->Strings(i)).cx) + glyphWidth + 12);
  }
  return widths;
}

void TFrCustomRadioGroup::ArrangeButtons() {
  if (buttons_.empty() || Reading()) return;
  const int perColumn = (ButtonCount() + columns_ - 1) / columns_;
  const int top = FirstRowTop();
  const int evenWidth = spaceEvenly_ ? (Width() - startXPos_ - 2 * BorderWidth() - 10) / columns_ : 0;
  const std::vector<int> widths = spaceEvenly_ ? std::vector<int>() : ColumnWidths(perColumn);
  for (int i = 0; i < ButtonCount(); ++i) {
    TFrGroupButton* button = GetButton(i);
    const int column = i / perColumn, row = i % perColumn;
    const int y = row * (itemHeight_ + verticalSpacing_) + top;
    if (spaceEvenly_) {
      button->SetBounds(column * evenWidth + BorderWidth() + startXPos_, y, evenWidth, itemHeight_);
    } else {
      const int x = std::accumulate(widths.begin(), widths.begin() + column, 0) + BorderWidth() + startXPos_;
      button->SetBounds(x, y, widths[static_cast<size_t>(column)] - 4, itemHeight_);
    }
    StyleButton(button);
  }
}

// The group's item settings handed to a button.
void TFrCustomRadioGroup::StyleButton(TFrGroupButton* button) {
  button->SetVisible(true);
  button->SetFont(itemFont_);
  button->SetAlignment(taRightJustify);
  button->SetTextHighlightColor(textHighlightColor_);
  button->SetTextShadowColor(textShadowColor_);
  button->SetTextShadowDepth(textShadowDepth_);
  button->SetLightTextStyle(lightTextStyle_);
  button->SetTextStyle(textStyle_);
  button->SetTransparent(Transparent());
  button->SetWinMaskColor(winMaskColor_);
  button->SetTransparentColor(transparentColor_);
  button->SetCustomGlyphs(customGlyphs_);
  button->SetUseCustomGlyphs(useCustomGlyphs_);
  button->SetFrameColor(itemFrameColor_);
  button->SetHotTrack(itemHotTrack_);
  button->SetHighlightColor(itemHighlightColor_);
  button->SetHotTrackColor(itemHotTrackColor_);
  button->SetHotTrackColorType(itemHotTrackColorType_);
}

// ---- Messages ----

// The item font follows the group's font until it is set itself.
void TFrCustomRadioGroup::FontChanged(TMessage& message) {
  TFrCustomGroupBox::Dispatch(message);
  if (!itemFontSet_) {
    itemFont_->OnChange.Clear();
    itemFont_->Assign(Font());
    itemFont_->OnChange = TNotifyEvent(this, &TFrCustomRadioGroup::ItemFontChanged);
    ArrangeButtons();
  }
  Invalidate();
}

void TFrCustomRadioGroup::DialogChar(TMessage& message) {
  if (IsAccel(static_cast<char>(message.WParam), Caption()) && CanFocus() && !buttons_.empty()) {
    SelectNext(nullptr, true, false);
    message.Result = 1;
    return;
  }
  TFrCustomGroupBox::Dispatch(message);
}

void TFrCustomRadioGroup::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CM_DIALOGCHAR:
      DialogChar(message);
      return;
    case CM_ENABLEDCHANGED:
      TFrCustomGroupBox::Dispatch(message);
      for (TFrGroupButton* button : buttons_) button->SetEnabled(Enabled());
      return;
    case CM_FONTCHANGED:
      FontChanged(message);
      return;
    case WM_SIZE:
    case CM_TEXTCHANGED:
      TFrCustomGroupBox::Dispatch(message);
      ArrangeButtons();
      return;
    default:
      TFrCustomGroupBox::Dispatch(message);
  }
}

void TFrCustomRadioGroup::KeyPress(char& key) {
  if (tabOnEnter_ && key == '\r') {
    key = 0;
    PostMessageA(Handle(), WM_KEYDOWN, VK_TAB, 0);
    return;
  }
  TFrCustomGroupBox::KeyPress(key);
}

// Older resources stored the items' hot tracking as "Flat".
void TFrCustomRadioGroup::DefineProperties(TFiler* filer) {
  TFrCustomGroupBox::DefineProperties(filer);
  filer->DefineProperty("Flat", [this](const TValueReader& value) { SetItemHotTrack(value.ReadBoolean()); });
}
