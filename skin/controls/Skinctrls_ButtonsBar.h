#pragma once
// The skinned buttons bar: a side bar of sections, each a list of large item buttons. One
// section button per section is stacked at the top (up to the open section) or at the
// bottom (the later ones); between them an item panel shows the open section's items, one
// under the other, with small up and down buttons while they do not all fit. The visible
// buttons are rebuilt from the Sections collection; in WebStyle the items look like links.
#include <vector>

#include "classlib/runtime/Collections.h"
#include "skin/controls/Skinctrls_Button.h"
#include "skin/controls/Skinctrls_Panel.h"
#include "skin/controls/Skinctrls_SpeedButton.h"

class TspSkinButtonsBar;
class TspButtonBarSection;

class TspButtonBarItem : public TCollectionItem {
  CLASSLIB_CLASS(TspButtonBarItem, TCollectionItem)
 public:
  explicit TspButtonBarItem(TCollection* collection) : TCollectionItem(collection) {}
  // Copies everything but Hint.
  void Assign(TPersistent* source) override;
  AnsiString GetDisplayName() const override;

  AnsiString Text() const { return text_; }
  void SetText(const AnsiString& value) { Change(text_, value); }
  AnsiString Hint() const { return hint_; }
  void SetHint(const AnsiString& value) { Change(hint_, value); }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value) { Change(imageIndex_, value); }
  int Tag() const { return tag_; }
  void SetTag(int value) { Change(tag_, value); }
  TspButtonLayout Layout() const { return layout_; }
  void SetLayout(TspButtonLayout value) { Change(layout_, value); }
  int Margin() const { return margin_; }
  void SetMargin(int value) { Change(margin_, value); }
  int Spacing() const { return spacing_; }
  void SetSpacing(int value) { Change(spacing_, value); }

  // Sender: the item.
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;

 private:
  template <class T>
  void Change(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Changed(false);
  }

  AnsiString text_, hint_;
  int imageIndex_ = 0;
  int tag_ = 0;
  TspButtonLayout layout_ = blGlyphTop;
  int margin_ = -1;
  int spacing_ = 1;
};

class TspButtonBarItems : public TOwnedCollection {
  CLASSLIB_CLASS(TspButtonBarItems, TOwnedCollection)
 public:
  explicit TspButtonBarItems(TspButtonBarSection* section);
  TspButtonBarItem* Items(int index) const { return static_cast<TspButtonBarItem*>(TCollection::Items(index)); }
  TspButtonBarItem* Add() { return static_cast<TspButtonBarItem*>(TCollection::Add()); }

 protected:
  // A change of an item is a change of its section.
  void Update(TCollectionItem* item) override;

 private:
  TspButtonBarSection* section_;
};

class TspButtonBarSection : public TCollectionItem {
  CLASSLIB_CLASS(TspButtonBarSection, TCollectionItem)
 public:
  explicit TspButtonBarSection(TCollection* collection);
  ~TspButtonBarSection() override;
  // Copies Text, ImageIndex, Tag, the events, Margin and Spacing (not Hint, not Items).
  void Assign(TPersistent* source) override;
  AnsiString GetDisplayName() const override;

  AnsiString Text() const { return text_; }
  void SetText(const AnsiString& value) { Change(text_, value); }
  AnsiString Hint() const { return hint_; }
  void SetHint(const AnsiString& value) { Change(hint_, value); }
  TspButtonBarItems* Items() const { return items_; }
  int Tag() const { return tag_; }
  void SetTag(int value) { Change(tag_, value); }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value) { Change(imageIndex_, value); }
  int Margin() const { return margin_; }
  void SetMargin(int value) { Change(margin_, value); }
  int Spacing() const { return spacing_; }
  void SetSpacing(int value) { Change(spacing_, value); }
  // An item changed.
  void ItemsChanged() { Changed(false); }

  // Sender: the section.
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;

 private:
  template <class T>
  void Change(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Changed(false);
  }

  AnsiString text_, hint_;
  TspButtonBarItems* items_;
  int tag_ = 0;
  int imageIndex_ = 0;
  int margin_ = -1;
  int spacing_ = 1;
};

class TspButtonBarSections : public TOwnedCollection {
  CLASSLIB_CLASS(TspButtonBarSections, TOwnedCollection)
 public:
  explicit TspButtonBarSections(TspSkinButtonsBar* bar);
  TspButtonBarSection* Items(int index) const { return static_cast<TspButtonBarSection*>(TCollection::Items(index)); }
  TspButtonBarSection* Add() { return static_cast<TspButtonBarSection*>(TCollection::Add()); }

 protected:
  void Update(TCollectionItem* item) override;

 private:
  TspSkinButtonsBar* bar_;
};

// A section's button: a click opens its section.
class TspSectionButton : public TspSkinSpeedButton {
  CLASSLIB_CLASS(TspSectionButton, TspSkinSpeedButton)
 public:
  TspSectionButton(TspSkinButtonsBar* bar, int sectionIndex);
  int SectionIndex() const { return sectionIndex_; }
  void ButtonClick() override;

 protected:
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  TspSkinButtonsBar* bar_;
  int sectionIndex_;
};

// An item's button; in web style drawn as a link.
class TspSectionItem : public TspSkinSpeedButton {
  CLASSLIB_CLASS(TspSectionItem, TspSkinSpeedButton)
 public:
  TspSectionItem(TComponent* owner, TspSkinButtonsBar* bar, int sectionIndex, int itemIndex);
  int ItemIndex() const { return itemIndex_; }
  bool WebStyle() const { return webStyle_; }
  void SetWebStyle(bool value) { webStyle_ = value; }
  void ButtonClick() override;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  TspButtonBarItem* Item() const;
  void PaintLink();

  TspSkinButtonsBar* bar_;
  int sectionIndex_;
  int itemIndex_;
  bool webStyle_ = false;
};

class TspSkinButtonsBar : public TspSkinPanel {
  CLASSLIB_CLASS(TspSkinButtonsBar, TspSkinPanel)
 public:
  explicit TspSkinButtonsBar(TComponent* owner);
  ~TspSkinButtonsBar() override;

  TspButtonBarSections* Sections() const { return sections_; }
  void SetSections(TspButtonBarSections* value) { sections_->Assign(value); }
  // The open section (-1: none); an index out of range is ignored.
  int SectionIndex() const { return sectionIndex_; }
  void SetSectionIndex(int value);
  bool ShowButtons() const { return showButtons_; }
  void SetShowButtons(bool value);
  bool WebStyle() const { return webStyle_; }
  void SetWebStyle(bool value) { webStyle_ = value; }
  bool ShowItemHint() const { return showItemHint_; }
  void SetShowItemHint(bool value) { showItemHint_ = value; }
  TFont* DefaultSectionFont() const { return defaultSectionFont_.get(); }
  void SetDefaultSectionFont(TFont* value) { defaultSectionFont_->Assign(value); }
  TFont* DefaultItemFont() const { return defaultItemFont_.get(); }
  void SetDefaultItemFont(TFont* value) { defaultItemFont_->Assign(value); }
  int DefaultButtonHeight() const { return defaultButtonHeight_; }
  void SetDefaultButtonHeight(int value);
  // Refuses 0 and less.
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int value);
  bool ItemsTransparent() const { return itemsTransparent_; }
  void SetItemsTransparent(bool value);
  AnsiString SectionButtonSkinDataName() const { return sectionButtonSkinDataName_; }
  void SetSectionButtonSkinDataName(const AnsiString& value) { sectionButtonSkinDataName_ = value; }
  TCustomImageList* SectionImages() const { return sectionImages_; }
  void SetSectionImages(TCustomImageList* value);
  TCustomImageList* ItemImages() const { return itemImages_; }
  void SetItemImages(TCustomImageList* value);

  TNotifyEvent OnChanging;
  TNotifyEvent OnChange;

  // Rebuilding the buttons from the collections.
  void UpdateSections();
  void UpdateSection(int index);
  void UpdateItems();
  void OpenSection(int index);
  void CheckVisibleItems();
  void ScrollUp();
  void ScrollDown();

  // What shows: the section buttons in creation order, the item panel, the items, the
  // scroll buttons (null while hidden), the first shown item and how many show.
  const std::vector<TspSectionButton*>& SectionButtons() const { return sectionButtons_; }
  TspSkinPanel* ItemPanel() const { return itemPanel_; }
  const std::vector<TspSectionItem*>& SectionItems() const { return items_; }
  TspSkinButton* UpButton() const { return Shown(upButton_); }
  TspSkinButton* DownButton() const { return Shown(downButton_); }
  int FirstVisibleItem() const { return firstItem_; }
  int VisibleItemCount() const { return shownCount_; }

  void SetSkinData(TspSkinData* value) override;
  void ChangeSkinData() override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  void CreateWnd() override;

 private:
  bool Rebuilding() const;
  static TspSkinButton* Shown(TspSkinButton* button) {
    return button != nullptr && button->Visible() ? button : nullptr;
  }
  void FreeSectionButtons();
  void FreeItems();
  // Section i's button takes the section's values again.
  void ApplySection(TspSectionButton* button, int index);
  // Puts the section buttons up to the open one at the top, the others at the bottom.
  void AlignSectionButtons();
  void ArangeItems();
  TspSkinButton* MakeScrollButton(const char* picture, bool up);
  void SetScrollButton(TspSkinButton*& button, bool wanted, bool up);
  void ItemPanelResize(TObject* sender);
  void UpClick(TObject* sender);
  void DownClick(TObject* sender);

  TspButtonBarSections* sections_;
  int sectionIndex_ = 0;
  bool showButtons_ = true;
  bool webStyle_ = false;
  bool showItemHint_ = true;
  std::unique_ptr<TFont> defaultSectionFont_;
  std::unique_ptr<TFont> defaultItemFont_;
  int defaultButtonHeight_ = 25;
  int itemHeight_ = 60;
  bool itemsTransparent_ = true;
  AnsiString sectionButtonSkinDataName_ = "toolbutton";
  TCustomImageList* sectionImages_ = nullptr;
  TCustomImageList* itemImages_ = nullptr;

  std::vector<TspSectionButton*> sectionButtons_;
  std::vector<TspSectionItem*> items_;
  TspSkinPanel* itemPanel_;
  TspSkinButton* upButton_ = nullptr;
  TspSkinButton* downButton_ = nullptr;
  int firstItem_ = 0;
  int shownCount_ = 0;
};
