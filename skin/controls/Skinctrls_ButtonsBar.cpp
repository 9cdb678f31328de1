// TspSkinButtonsBar with its collections, section buttons and items.
#include "skin/controls/Skinctrls_ButtonsBar.h"

#include <algorithm>

#include "classlib/graphics/Cursors.h"
#include "skin/controls/Skinctrls_Faces.h"
#include "skin/data/Skindata_Labels.h"
#include "skin/data/Skindata_SkinData.h"

namespace {

// The image a section or item shows: its index when the list has it, else none.
void ApplyImage(TspSkinSpeedButton* button, int index, TCustomImageList* list) {
  const bool shown = index != -1 && list != nullptr && index < list->Count();
  button->SetImageList(shown ? list : nullptr);
  button->SetImageIndex(shown ? index : -1);
}

void SetDefaultFontOf(TspSkinSpeedButton* button, TFont* font) { button->DefaultFont()->Assign(font); }

// Sections are stacked by their index: apart enough that alignment keeps that order.
constexpr int kSectionSpacing = 1000;

}  // namespace

// Items and sections

void TspButtonBarItem::Assign(TPersistent* source) {
  auto* item = dynamic_cast<TspButtonBarItem*>(source);
  if (item == nullptr) {
    TCollectionItem::Assign(source);
    return;
  }
  text_ = item->text_;
  imageIndex_ = item->imageIndex_;
  OnClick = item->OnClick;
  OnDblClick = item->OnDblClick;
  tag_ = item->tag_;
  layout_ = item->layout_;
  margin_ = item->margin_;
  spacing_ = item->spacing_;
  Changed(false);
}

AnsiString TspButtonBarItem::GetDisplayName() const {
  return text_.IsEmpty() ? TCollectionItem::GetDisplayName() : text_;
}

TspButtonBarItems::TspButtonBarItems(TspButtonBarSection* section)
    : TOwnedCollection(section, TspButtonBarItem::StaticClass()), section_(section) {}

void TspButtonBarItems::Update(TCollectionItem* item) {
  (void)item;
  section_->ItemsChanged();
}

TspButtonBarSection::TspButtonBarSection(TCollection* collection)
    : TCollectionItem(collection), items_(new TspButtonBarItems(this)) {}

TspButtonBarSection::~TspButtonBarSection() { delete items_; }

void TspButtonBarSection::Assign(TPersistent* source) {
  auto* section = dynamic_cast<TspButtonBarSection*>(source);
  if (section == nullptr) {
    TCollectionItem::Assign(source);
    return;
  }
  text_ = section->text_;
  imageIndex_ = section->imageIndex_;
  tag_ = section->tag_;
  OnClick = section->OnClick;
  OnDblClick = section->OnDblClick;
  margin_ = section->margin_;
  spacing_ = section->spacing_;
  Changed(false);
}

AnsiString TspButtonBarSection::GetDisplayName() const {
  return text_.IsEmpty() ? TCollectionItem::GetDisplayName() : text_;
}

TspButtonBarSections::TspButtonBarSections(TspSkinButtonsBar* bar)
    : TOwnedCollection(bar, TspButtonBarSection::StaticClass()), bar_(bar) {}

void TspButtonBarSections::Update(TCollectionItem* item) {
  if (item == nullptr) bar_->UpdateSections();
  else bar_->UpdateSection(item->Index());
}

// Section buttons and items

TspSectionButton::TspSectionButton(TspSkinButtonsBar* bar, int sectionIndex)
    : TspSkinSpeedButton(bar), bar_(bar), sectionIndex_(sectionIndex) {
  SetNumGlyphs(1);
  SetSpacing(5);
  SetSkinDataName(bar->SectionButtonSkinDataName());
  SetDefaultFontOf(this, bar->DefaultSectionFont());
  SetUseSkinFont(bar->UseSkinFont());
}

void TspSectionButton::ButtonClick() {
  TspButtonBarSection* section = bar_->Sections()->Items(sectionIndex_);
  if (section->OnClick) section->OnClick(section);
  bar_->OpenSection(sectionIndex_);
  TspSkinSpeedButton::ButtonClick();
}

void TspSectionButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TspSkinSpeedButton::MouseDown(button, shift, x, y);
  if (button != mbLeft || !shift.Contains(ssDouble)) return;
  TspButtonBarSection* section = bar_->Sections()->Items(sectionIndex_);
  if (section->OnDblClick) section->OnDblClick(section);
}

TspSectionItem::TspSectionItem(TComponent* owner, TspSkinButtonsBar* bar, int sectionIndex, int itemIndex)
    : TspSkinSpeedButton(owner), bar_(bar), sectionIndex_(sectionIndex), itemIndex_(itemIndex) {
  SetFlat(true);
  SetAlphaBlend(false);
  SetSkinDataName("resizebutton");
  SetNumGlyphs(1);
  SetLayout(blGlyphTop);
  SetSpacing(5);
  SetDefaultFontOf(this, bar->DefaultItemFont());
  SetUseSkinFont(bar->UseSkinFont());
}

TspButtonBarItem* TspSectionItem::Item() const {
  return bar_->Sections()->Items(sectionIndex_)->Items()->Items(itemIndex_);
}

void TspSectionItem::ButtonClick() {
  TspButtonBarItem* item = Item();
  if (item->OnClick) item->OnClick(item);
  TspSkinSpeedButton::ButtonClick();
}

void TspSectionItem::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TspSkinSpeedButton::MouseDown(button, shift, x, y);
  if (button != mbLeft || !shift.Contains(ssDouble)) return;
  TspButtonBarItem* item = Item();
  if (item->OnDblClick) item->OnDblClick(item);
}

void TspSectionItem::Paint() {
  if (webStyle_) PaintLink();
  else TspSkinSpeedButton::Paint();
}

void TspSectionItem::PaintLink() {
  TColor normal = bar_->DefaultItemFont()->Color(), hot = clBlue;
  TspSkinData* skin = SkinData();
  if (skin != nullptr && !skin->Empty) {
    const int index = skin->GetControlIndex("stdlabel");
    if (auto* label = index == -1 ? nullptr : dynamic_cast<TspDataSkinStdLabelControl*>(skin->CtrlList[index].get())) {
      normal = label->FontColor;
      hot = label->ActiveFontColor;
    }
  }
  GetSkinData();
  TCanvas* canvas = Canvas();
  TFont* font = canvas->Font();
  if (lookIndex_ != -1 && UseSkinFont()) {
    font->SetName(look_->FontName);
    font->SetHeight(look_->FontHeight);
    font->SetStyle(look_->FontStyle);
  } else {
    font->Assign(DefaultFont());
  }
  if (lookIndex_ == -1) font->SetColor(MouseIn() ? clBlue : DefaultFont()->Color());
  else font->SetColor(MouseIn() ? hot : normal);
  SetCaptionCharset(canvas, skin, DefaultFont());
  TFontStyles style = font->Style();
  if (MouseIn()) style.Include(fsUnderline);
  else style.Exclude(fsUnderline);
  font->SetStyle(style);
  canvas->Brush()->SetStyle(bsClear);
  DrawImageAndText(canvas, ClientRect(), Margin(), Spacing(), Layout(), Caption(), ImageIndex(), ImageList(), false,
                   Enabled(), false, 0);
}

// The bar

TspSkinButtonsBar::TspSkinButtonsBar(TComponent* owner)
    : TspSkinPanel(owner),
      sections_(new TspButtonBarSections(this)),
      defaultSectionFont_(std::make_unique<TFont>()),
      defaultItemFont_(std::make_unique<TFont>()),
      itemPanel_(new TspSkinPanel(this)) {
  for (TFont* font : {defaultSectionFont_.get(), defaultItemFont_.get()}) {
    font->SetName("Arial");
    font->SetHeight(14);
    font->SetStyle({});
  }
  SetBorderStyle(TspSkinBorderStyle::bvFrame);
  SetBounds(Left(), Top(), 150, Height());
  SetAlign(alLeft);
  itemPanel_->SetParent(this);
  itemPanel_->SetAlign(alClient);
  itemPanel_->SetBorderStyle(TspSkinBorderStyle::bvNone);
  itemPanel_->OnResize = TNotifyEvent(this, &TspSkinButtonsBar::ItemPanelResize);
}

TspSkinButtonsBar::~TspSkinButtonsBar() {
  itemPanel_->OnResize = TNotifyEvent();
  delete sections_;
}

bool TspSkinButtonsBar::Rebuilding() const {
  return ComponentState().Contains(csDesigning) || ComponentState().Contains(csLoading);
}

void TspSkinButtonsBar::SetSectionIndex(int value) {
  if (value >= -1 && value < sections_->Count() && value != sectionIndex_) OpenSection(value);
}

void TspSkinButtonsBar::SetShowButtons(bool value) {
  showButtons_ = value;
  UpdateSections();
}

void TspSkinButtonsBar::SetDefaultButtonHeight(int value) {
  defaultButtonHeight_ = value;
  for (int i = 0; i < sections_->Count(); ++i) UpdateSection(i);
}

void TspSkinButtonsBar::SetItemHeight(int value) {
  if (value <= 0) return;
  itemHeight_ = value;
  UpdateItems();
}

void TspSkinButtonsBar::SetItemsTransparent(bool value) {
  itemsTransparent_ = value;
  UpdateItems();
}

void TspSkinButtonsBar::SetSectionImages(TCustomImageList* value) {
  ReplaceReference(*this, sectionImages_, value);
  for (int i = 0; i < sections_->Count(); ++i) UpdateSection(i);
}

void TspSkinButtonsBar::SetItemImages(TCustomImageList* value) {
  ReplaceReference(*this, itemImages_, value);
  UpdateItems();
}

void TspSkinButtonsBar::Notification(TComponent* component, TOperation operation) {
  TspSkinPanel::Notification(component, operation);
  if (operation != opRemove || component == nullptr || ComponentState().Contains(csDestroying)) return;
  if (component == itemImages_) SetItemImages(nullptr);
  if (component == sectionImages_) SetSectionImages(nullptr);
}

void TspSkinButtonsBar::SetSkinData(TspSkinData* value) {
  TspSkinPanel::SetSkinData(value);
  itemPanel_->SetSkinDataName(SkinDataName());
  itemPanel_->SetSkinData(value);
  for (TspSectionItem* item : items_) item->SetSkinData(value);
  for (TspSkinButton* button : {upButton_, downButton_}) {
    if (button != nullptr) button->SetSkinData(value);
  }
  UpdateSections();
}

void TspSkinButtonsBar::ChangeSkinData() {
  TspSkinPanel::ChangeSkinData();
  CheckVisibleItems();
}

void TspSkinButtonsBar::CreateWnd() {
  TspSkinPanel::CreateWnd();
  UpdateSections();
  UpdateItems();
}

// Section buttons

void TspSkinButtonsBar::FreeSectionButtons() {
  std::vector<TspSectionButton*> buttons;
  buttons.swap(sectionButtons_);
  for (TspSectionButton* button : buttons) delete button;
}

void TspSkinButtonsBar::ApplySection(TspSectionButton* button, int index) {
  TspButtonBarSection* section = sections_->Items(index);
  button->SetDefaultHeight(defaultButtonHeight_);
  button->SetHeight(defaultButtonHeight_);
  button->SetHint(section->Hint());
  button->SetMargin(section->Margin());
  button->SetSpacing(section->Spacing());
  button->SetShowHint(showItemHint_);
  if (button->Caption() != section->Text()) button->SetCaption(section->Text());
  ApplyImage(button, section->ImageIndex(), sectionImages_);
}

void TspSkinButtonsBar::AlignSectionButtons() {
  DisableAlign();
  for (TspSectionButton* button : sectionButtons_) {
    const int index = button->SectionIndex();
    button->SetAlign(alNone);
    button->SetBounds(0, index * kSectionSpacing, Width(), button->Height());
    button->SetAlign(index <= sectionIndex_ ? alTop : alBottom);
  }
  EnableAlign();
  Realign();
}

void TspSkinButtonsBar::UpdateSections() {
  if (!HandleAllocated() || sections_->Count() == 0) return;
  FreeSectionButtons();
  if (!showButtons_) {
    CheckVisibleItems();
    return;
  }
  for (int i = 0; i < sections_->Count(); ++i) {
    auto* button = new TspSectionButton(this, i);
    button->SetSkinData(SkinData());
    ApplySection(button, i);
    button->SetParent(this);
    sectionButtons_.push_back(button);
  }
  AlignSectionButtons();
}

void TspSkinButtonsBar::UpdateSection(int index) {
  if (!HandleAllocated() || sections_->Count() == 0) return;
  if (!showButtons_) {
    UpdateItems();
    return;
  }
  auto found = std::find_if(sectionButtons_.begin(), sectionButtons_.end(),
                            [index](TspSectionButton* b) { return b->SectionIndex() == index; });
  if (found == sectionButtons_.end()) return;
  const bool captionChanged = (*found)->Caption() != sections_->Items(index)->Text();
  ApplySection(*found, index);
  (*found)->Repaint();
  if (index == sectionIndex_ && !captionChanged) UpdateItems();
}

void TspSkinButtonsBar::OpenSection(int index) {
  if (index == sectionIndex_) return;
  if (!Rebuilding() && OnChanging) OnChanging(this);
  sectionIndex_ = index;
  if (showButtons_ && !sectionButtons_.empty()) AlignSectionButtons();
  UpdateItems();
  if (index != -1) {
    TspButtonBarSection* section = sections_->Items(index);
    if (section->OnClick) section->OnClick(section);
  }
  if (!Rebuilding() && OnChange) OnChange(this);
}

// Items

void TspSkinButtonsBar::FreeItems() {
  std::vector<TspSectionItem*> items;
  items.swap(items_);
  for (TspSectionItem* item : items) delete item;
  shownCount_ = 0;
  firstItem_ = 0;
}

void TspSkinButtonsBar::UpdateItems() {
  if (!HandleAllocated() || sections_->Count() == 0 || (showButtons_ && sectionButtons_.empty())) return;
  FreeItems();
  SetScrollButton(upButton_, false, true);
  SetScrollButton(downButton_, false, false);
  if (sectionIndex_ == -1) return;
  TspButtonBarItems* list = sections_->Items(sectionIndex_)->Items();
  for (int i = 0; i < list->Count(); ++i) {
    TspButtonBarItem* source = list->Items(i);
    auto* item = new TspSectionItem(itemPanel_, this, sectionIndex_, i);
    item->SetWebStyle(webStyle_);
    item->SetFlat(itemsTransparent_ || webStyle_);
    if (webStyle_) item->SetCursor(crHandPoint);
    item->SetDefaultHeight(itemHeight_);
    item->SetSkinData(SkinData());
    item->SetCaption(source->Text());
    item->SetHint(source->Hint());
    item->SetShowHint(showItemHint_);
    ApplyImage(item, source->ImageIndex(), itemImages_);
    item->SetLayout(source->Layout());
    item->SetMargin(source->Margin());
    item->SetSpacing(source->Spacing());
    item->SetVisible(false);
    items_.push_back(item);
  }
  CheckVisibleItems();
}

void TspSkinButtonsBar::CheckVisibleItems() {
  const int count = static_cast<int>(items_.size());
  const int previousShown = shownCount_;
  const int previousFirst = firstItem_;
  shownCount_ = std::min(itemPanel_->Height() / itemHeight_, count);
  if (count == shownCount_) firstItem_ = 0;
  else if (firstItem_ + shownCount_ > count && firstItem_ > 0)
    firstItem_ = std::max(0, firstItem_ - (shownCount_ - previousShown));
  for (int i = 0; i < count; ++i) {
    TspSectionItem* item = items_[static_cast<size_t>(i)];
    const bool shown = i >= firstItem_ && i < firstItem_ + shownCount_;
    if (shown && item->Parent() == nullptr) {
      item->SetTop(i < previousFirst ? 0 : itemPanel_->Height());
      item->SetVisible(true);
    } else if (!shown) {
      item->SetVisible(false);
      item->SetParent(nullptr);
    }
  }
  ArangeItems();
}

TspSkinButton* TspSkinButtonsBar::MakeScrollButton(const char* picture, bool up) {
  auto* button = new TspSkinButton(this);
  button->SetCanFocused(false);
  button->SetSpacing(0);
  button->SetSkinDataName("resizebutton");
  button->SetCaption("");
  TBitmap glyph;
  glyph.LoadFromResourceName(GetModuleHandleA(nullptr), picture);
  button->SetGlyph(&glyph);
  button->SetNumGlyphs(1);
  button->SetRepeatMode(true);
  button->SetRepeatInterval(150);
  button->SetSkinData(SkinData());
  button->OnClick = up ? TNotifyEvent(this, &TspSkinButtonsBar::UpClick) : TNotifyEvent(this, &TspSkinButtonsBar::DownClick);
  button->SetParent(itemPanel_);
  button->SetBounds(0, -18, 18, 18);
  return button;
}

// A scroll button is hidden rather than freed: it may be the one whose click got here.
void TspSkinButtonsBar::SetScrollButton(TspSkinButton*& button, bool wanted, bool up) {
  if (wanted && button == nullptr) button = MakeScrollButton(up ? "SP_BB_UP" : "SP_BB_DOWN", up);
  if (button != nullptr) button->SetVisible(wanted);
}

void TspSkinButtonsBar::ArangeItems() {
  const int count = static_cast<int>(items_.size());
  SetScrollButton(upButton_, firstItem_ > 0, true);
  SetScrollButton(downButton_, firstItem_ + shownCount_ < count, false);
  const int panelWidth = itemPanel_->Width(), panelHeight = itemPanel_->Height();
  if (upButton_ != nullptr) upButton_->SetBounds(panelWidth - upButton_->Width() - 5, 5, 18, 18);
  if (downButton_ != nullptr)
    downButton_->SetBounds(panelWidth - downButton_->Width() - 5, panelHeight - downButton_->Height() - 5, 18, 18);
  int y = 0;
  for (int i = firstItem_; i < firstItem_ + shownCount_; ++i) {
    TspSectionItem* item = items_[static_cast<size_t>(i)];
    item->SetBounds(0, y, panelWidth, itemHeight_);
    item->SetParent(itemPanel_);
    y += itemHeight_;
  }
}

void TspSkinButtonsBar::ScrollUp() {
  if (firstItem_ == 0 || shownCount_ == 0) return;
  TspSectionItem* last = items_[static_cast<size_t>(firstItem_ + shownCount_ - 1)];
  last->SetVisible(false);
  last->SetParent(nullptr);
  --firstItem_;
  items_[static_cast<size_t>(firstItem_)]->SetVisible(true);
  ArangeItems();
}

void TspSkinButtonsBar::ScrollDown() {
  if (shownCount_ == 0 || firstItem_ + shownCount_ >= static_cast<int>(items_.size())) return;
  TspSectionItem* first = items_[static_cast<size_t>(firstItem_)];
  first->SetVisible(false);
  first->SetParent(nullptr);
  ++firstItem_;
  items_[static_cast<size_t>(firstItem_ + shownCount_ - 1)]->SetVisible(true);
  ArangeItems();
}

void TspSkinButtonsBar::ItemPanelResize(TObject* sender) {
  (void)sender;
  CheckVisibleItems();
}

void TspSkinButtonsBar::UpClick(TObject* sender) {
  (void)sender;
  ScrollUp();
}

void TspSkinButtonsBar::DownClick(TObject* sender) {
  (void)sender;
  ScrollDown();
}
