#pragma once
// The framed radio group: a framed group box that turns its Items into columns of framed
// radio buttons and exposes the choice as ItemIndex.
#include <vector>

#include "classlib/runtime/Strings.h"
#include "framed/FrPanel.h"
#include "framed/FrRadChk.h"

class TFrCustomRadioGroup;

// (Sender, NewIndex, AllowChange)
using TFrIndexChangingEvent = TEvent<TObject*, int, bool&>;

// A radio button of a group, made and laid out by the group, which owns and parents it.
class TFrGroupButton : public TFrRadioButton {
  CLASSLIB_CLASS(TFrGroupButton, TFrRadioButton)
 public:
  explicit TFrGroupButton(TFrCustomRadioGroup* group);
  ~TFrGroupButton() override;

  void KeyPress(char& key) override;
  void KeyDown(WORD& key, TShiftState shift) override;

 protected:
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  TFrCustomRadioGroup* group_;
  bool inMouseUp_ = false;
};

class TFrCustomRadioGroup : public TFrCustomGroupBox {
  CLASSLIB_CLASS(TFrCustomRadioGroup, TFrCustomGroupBox)
 public:
  explicit TFrCustomRadioGroup(TComponent* owner);
  ~TFrCustomRadioGroup() override;

  TStrings* Items() const { return items_; }
  virtual void SetItems(TStrings* value) { items_->Assign(value); }
  int ItemIndex() const { return itemIndex_; }
  // Brought into -1 .. Items count - 1; checking the new button asks OnChanging and clicks.
  virtual void SetItemIndex(int value);
  int Columns() const { return columns_; }
  virtual void SetColumns(int value);
  bool SpaceEvenly() const { return spaceEvenly_; }
  virtual void SetSpaceEvenly(bool value) { StoreAndArrange(spaceEvenly_, value); }
  int StartXPos() const { return startXPos_; }
  void SetStartXPos(int value) { StoreAndArrange(startXPos_, value); }
  int StartYPos() const { return startYPos_; }
  void SetStartYPos(int value) { StoreAndArrange(startYPos_, value); }
  int VerticalSpacing() const { return verticalSpacing_; }
  virtual void SetVerticalSpacing(int value) { StoreAndArrange(verticalSpacing_, value); }
  int ItemHeight() const { return itemHeight_; }
  virtual void SetItemHeight(int value) { StoreAndArrange(itemHeight_, value); }
  // Follows Font until set itself.
  TFont* ItemFont() const { return itemFont_; }
  virtual void SetItemFont(TFont* value);
  TColor ItemFrameColor() const { return itemFrameColor_; }
  virtual void SetItemFrameColor(TColor value) { StoreAndArrange(itemFrameColor_, value); }
  bool ItemHotTrack() const { return itemHotTrack_; }
  virtual void SetItemHotTrack(bool value) { StoreAndArrange(itemHotTrack_, value); }
  TColor ItemHighlightColor() const { return itemHighlightColor_; }
  virtual void SetItemHighlightColor(TColor value) { StoreAndArrange(itemHighlightColor_, value); }
  TColor ItemHotTrackColor() const { return itemHotTrackColor_; }
  virtual void SetItemHotTrackColor(TColor value) { StoreAndArrange(itemHotTrackColor_, value); }
  TFrHotTrackColorType ItemHotTrackColorType() const { return itemHotTrackColorType_; }
  virtual void SetItemHotTrackColorType(TFrHotTrackColorType value) { StoreAndArrange(itemHotTrackColorType_, value); }
  TBitmap* CustomGlyphs() const { return customGlyphs_; }
  virtual void SetCustomGlyphs(TBitmap* value);
  bool UseCustomGlyphs() const { return useCustomGlyphs_; }
  virtual void SetUseCustomGlyphs(bool value) { StoreAndArrange(useCustomGlyphs_, value); }
  bool LightTextStyle() const { return lightTextStyle_; }
  virtual void SetLightTextStyle(bool value) { StoreAndArrange(lightTextStyle_, value); }
  TTextStyle TextStyle() const { return textStyle_; }
  virtual void SetTextStyle(TTextStyle value) { StoreAndArrange(textStyle_, value); }
  int TextShadowDepth() const { return textShadowDepth_; }
  virtual void SetTextShadowDepth(int value) { StoreAndArrange(textShadowDepth_, value); }
  TColor TextShadowColor() const { return textShadowColor_; }
  virtual void SetTextShadowColor(TColor value) { StoreAndArrange(textShadowColor_, value); }
  TColor TextHighlightColor() const { return textHighlightColor_; }
  virtual void SetTextHighlightColor(TColor value) { StoreAndArrange(textHighlightColor_, value); }
  TColor TransparentColor() const { return transparentColor_; }
  virtual void SetTransparentColor(TColor value) { StoreAndArrange(transparentColor_, value); }
  TColor WinMaskColor() const { return winMaskColor_; }
  virtual void SetWinMaskColor(TColor value) { StoreAndArrange(winMaskColor_, value); }
  bool TabOnEnter() const { return tabOnEnter_; }
  void SetTabOnEnter(bool value) { tabOnEnter_ = value; }
  void SetTransparent(bool value) override;
  void SetGroupStyle(TFrGroupBoxStyle value) override;

  int ButtonCount() const { return static_cast<int>(buttons_.size()); }
  virtual TFrGroupButton* GetButton(int index) const { return buttons_.at(static_cast<size_t>(index)); }
  // Lays the buttons out in columns below the caption.
  virtual void ArrangeButtons();
  // Whether the user may change the choice; true here.
  virtual bool CanModify() const { return true; }

  void Dispatch(TMessage& message) override;
  void KeyPress(char& key) override;
  void Loaded() override;
  void DefineProperties(TFiler* filer) override;

  TFrIndexChangingEvent OnChanging;

 protected:
  virtual void SetButtonCount(int count);
  virtual void UpdateButtons();
  // Asks OnChanging.
  virtual bool CanChangeIndex(int newIndex);

 private:
  friend class TFrGroupButton;
  template <class T>
  void StoreAndArrange(T& field, const T& value) {
    if (field == value) return;
    field = value;
    ArrangeButtons();
  }
  bool Reading() const { return ComponentState().Contains(csReading); }
  void ButtonClick(TObject* sender);
  void ItemsChanged(TObject* sender);
  void ItemFontChanged(TObject* sender);
  void CustomGlyphsChanged(TObject* sender);
  void FontChanged(TMessage& message);
  void DialogChar(TMessage& message);
  int FirstRowTop();
  // The column widths without SpaceEvenly.
  std::vector<int> ColumnWidths(int perColumn);
  void StyleButton(TFrGroupButton* button);

  std::vector<TFrGroupButton*> buttons_;
  TStringList* items_;
  int itemIndex_ = -1;
  int columns_ = 1;
  bool spaceEvenly_ = false;
  int startXPos_ = 8;
  int startYPos_ = 2;
  int verticalSpacing_ = 3;
  int itemHeight_ = 17;
  TFont* itemFont_;
  bool itemFontSet_ = false;
  TColor itemFrameColor_ = clBtnShadow;
  bool itemHotTrack_ = false;
  TColor itemHighlightColor_ = clHighlight;
  TColor itemHotTrackColor_ = clHighlight;
  TFrHotTrackColorType itemHotTrackColorType_ = htctComplement;
  TBitmap* customGlyphs_;
  bool useCustomGlyphs_ = false;
  bool lightTextStyle_ = false;
  TTextStyle textStyle_ = tsNormal;
  int textShadowDepth_ = 2;
  TColor textShadowColor_ = clBtnShadow;
  TColor textHighlightColor_ = clBtnHighlight;
  TColor transparentColor_ = clOlive;
  TColor winMaskColor_ = clTeal;
  bool tabOnEnter_ = false;
  bool updating_ = false;
};

class TFrRadioGroup : public TFrCustomRadioGroup {
  CLASSLIB_CLASS(TFrRadioGroup, TFrCustomRadioGroup)
 public:
  using TFrCustomRadioGroup::TFrCustomRadioGroup;
};

// Registers the radio groups' properties for form resources.
void RegisterRadioGroupClasses();
