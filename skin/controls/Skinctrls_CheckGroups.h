#pragma once
// The radio group and the check group: skinned group boxes that show their Items as a
// grid of flat radio buttons or check boxes in Columns columns. The groups make, own,
// arrange and re-skin the buttons; the buttons are never written with the form.
#include <memory>
#include <vector>

#include "classlib/runtime/Strings.h"
#include "skin/controls/Skinctrls_CheckRadio.h"
#include "skin/controls/Skinctrls_Panel.h"

class TspSkinCustomButtonGroup;

// A button of a group: made by the group (its owner and parent), invisible until
// arranged, reporting its clicks to the group and handing its keys on to it.
class TspCustomGroupButton : public TspSkinCheckRadioBox {
  CLASSLIB_CLASS(TspCustomGroupButton, TspSkinCheckRadioBox)
 public:
  TspCustomGroupButton(TspSkinCustomButtonGroup* group, bool radio);
  ~TspCustomGroupButton() override;

 protected:
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyPress(char& key) override;

 private:
  TspSkinCustomButtonGroup* group_;
};

// The radio group's button: a radio button of group 1.
class TspGroupButton : public TspCustomGroupButton {
  CLASSLIB_CLASS(TspGroupButton, TspCustomGroupButton)
 public:
  explicit TspGroupButton(TspSkinCustomButtonGroup* group);
};

// The check group's button: an ungrouped check box.
class TspCheckGroupButton : public TspCustomGroupButton {
  CLASSLIB_CLASS(TspCheckGroupButton, TspCustomGroupButton)
 public:
  explicit TspCheckGroupButton(TspSkinCustomButtonGroup* group);
};

// What both groups share: the items, the buttons made for them and their layout, look
// and font.
class TspSkinCustomButtonGroup : public TspSkinGroupBox {
  CLASSLIB_CLASS(TspSkinCustomButtonGroup, TspSkinGroupBox)
 public:
  TspSkinCustomButtonGroup(TComponent* owner, const char* buttonSkinDataName);
  ~TspSkinCustomButtonGroup() override;

  // One button per line; a change remakes the buttons.
  TStrings* Items() const { return items_.get(); }
  void SetItems(TStrings* value) { items_->Assign(value); }
  // 1..16; other values are brought into that range.
  int Columns() const { return columns_; }
  void SetColumns(int value);
  // The selected (radio group) or last toggled (check group) item, -1 for none.
  int ItemIndex() const { return itemIndex_; }
  // Given to every button (not owned).
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* value);
  // The look name and the DefaultFont of every button (the font owned).
  AnsiString ButtonSkinDataName() const { return buttonSkinDataName_; }
  void SetButtonSkinDataName(const AnsiString& value);
  TFont* ButtonDefaultFont() const { return buttonDefaultFont_.get(); }
  void SetButtonDefaultFont(TFont* value);
  // Every button takes ButtonDefaultFont and the group's UseSkinFont.
  void UpdateButtonsFont();

  int ButtonCount() const { return static_cast<int>(buttons_.size()); }
  TspSkinCheckRadioBox* Buttons(int index) const { return buttons_.at(static_cast<size_t>(index)); }
  // A descendant may refuse changes by key.
  virtual bool CanModify() { return true; }

  void SetSkinData(TspSkinData* value) override;
  void ChangeSkinData() override;
  void Loaded() override;
  void Dispatch(TMessage& message) override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  // A new button of the group's kind (it joins the list itself).
  virtual TspCustomGroupButton* NewButton() = 0;
  // The buttons for the items: count, captions, layout.
  virtual void UpdateButtons();
  // The change notification of Items.
  virtual void ItemsChange();
  // The OnClick of every button: ItemIndex, CM_CHANGED, the group's OnClick.
  virtual void ButtonClick(TObject* sender);
  void ArrangeButtons();
  void SetButtonCount(int count);
  // The group's properties are being read from a form resource.
  bool Reading() const { return ComponentState().Contains(csReading); }

  int itemIndex_ = -1;

 private:
  friend class TspCustomGroupButton;
  void ItemsChanged(TObject* sender) { (void)sender; ItemsChange(); }
  void PlaceButtons(const TRect& area, int rows, int width, int height);

  std::unique_ptr<TStringList> items_;
  int columns_ = 1;
  TCustomImageList* images_ = nullptr;
  AnsiString buttonSkinDataName_;
  std::unique_ptr<TFont> buttonDefaultFont_;
  std::vector<TspSkinCheckRadioBox*> buttons_;
};

class TspSkinCustomRadioGroup : public TspSkinCustomButtonGroup {
  CLASSLIB_CLASS(TspSkinCustomRadioGroup, TspSkinCustomButtonGroup)
 public:
  explicit TspSkinCustomRadioGroup(TComponent* owner);

  // Checks the button `value` (-1: none), which reports the group's click; out-of-range
  // values are brought into range. While reading only the value is stored.
  void SetItemIndex(int value);

 protected:
  TspCustomGroupButton* NewButton() override;
  // Also pulls a selection past the items back to the last one.
  void UpdateButtons() override;
  void ButtonClick(TObject* sender) override;

 private:
  bool updating_ = false;
};

class TspSkinCustomCheckGroup : public TspSkinCustomButtonGroup {
  CLASSLIB_CLASS(TspSkinCustomCheckGroup, TspSkinCustomButtonGroup)
 public:
  explicit TspSkinCustomCheckGroup(TComponent* owner);

  // Button `index`'s Checked; false outside the buttons.
  bool GetCheckedStatus(int index) const;
  // Checks or unchecks button `index` (which reports the group's click); nothing outside.
  void SetCheckedStatus(int index, bool value);

 protected:
  TspCustomGroupButton* NewButton() override;
};

class TspSkinRadioGroup : public TspSkinCustomRadioGroup {
  CLASSLIB_CLASS(TspSkinRadioGroup, TspSkinCustomRadioGroup)
 public:
  using TspSkinCustomRadioGroup::TspSkinCustomRadioGroup;
};

class TspSkinCheckGroup : public TspSkinCustomCheckGroup {
  CLASSLIB_CLASS(TspSkinCheckGroup, TspSkinCustomCheckGroup)
 public:
  using TspSkinCustomCheckGroup::TspSkinCustomCheckGroup;
};
