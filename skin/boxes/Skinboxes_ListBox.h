#pragma once
// The skinned list box: an outer skinned control draws the frame, owns the skin scroll
// bars that stand in for the list's own and the optional caption strip, and an inner
// owner-drawn list (TspListBox) paints the rows from the outer control's look and reports
// its input to the outer control through the virtual ListBox* operations, which derived
// lists override.
#include <array>
#include <vector>

#include "classlib/stdctrls/ListBox.h"
#include "skin/controls/Skinctrls_Bases.h"
#include "skin/controls/Skinctrls_ScrollBar.h"

class TspSkinCustomListBox;
class TspDataSkinListBox;

// Replaces the drawing of an item's images and text: the canvas of the item's off-screen
// picture, the item, the picture's width and height, the text rectangle in it, the state.
using TspDrawSkinItemEvent = TEvent<TCanvas*, int, int, int, TRect, TOwnerDrawState>;

// The values of a list box look the outer control keeps, copied from the skin by
// GetSkinData (rectangles in picture coordinates unless the comment says otherwise).
struct TspListBoxLook {
  TRect ItemRect, ActiveItemRect, FocusItemRect;  // the last two fall back to ItemRect
  int ItemLeftOffset = 0, ItemRightOffset = 0;
  TRect ItemTextRect;  // relative to ItemRect
  AnsiString FontName = "Arial";
  TFontStyles FontStyle;
  int FontHeight = 14;
  TColor FontColor = clBlack, ActiveFontColor = clBlack, FocusFontColor = clBlack;
  TRect CaptionRect;  // relative to the skin rectangle
  AnsiString CaptionFontName = "Arial";
  TFontStyles CaptionFontStyle;
  int CaptionFontHeight = 14;
  TColor CaptionFontColor = clBlack;
  // Per caption button (up, down, check): the normal picture relative to the skin
  // rectangle, the hot and the pressed picture (the hot one when the skin has none).
  std::array<TRect, 3> ButtonRect, ActiveButtonRect, DownButtonRect;
  AnsiString VScrollBarName = "vscrollbar", HScrollBarName = "hscrollbar", BothHScrollBarName = "bothhscrollbar";
  bool ShowFocus = false;

  void CopyFrom(const TspDataSkinListBox& look);
  // Gives `font` the item font (or the caption font).
  void SetItemFont(TFont* font) const;
  void SetCaptionFont(TFont* font) const;
};

// The inner list: no border and no non-client area (its scroll state is kept but never
// shown), every row drawn by PaintList/PaintColumnsList or, for one changed row, by
// CN_DRAWITEM, each row composed off screen in one of three variants: the built-in look,
// the skin look at the skin's item height, and the skin look stretched to any height.
class TspListBox : public TListBox {
  CLASSLIB_CLASS(TspListBox, TListBox)
 public:
  explicit TspListBox(TComponent* owner);

  TspSkinCustomListBox* OuterControl = nullptr;
  int HorizontalOffset() const { return horizontalOffset_; }
  void SetHorizontalOffset(int value);

  TOwnerDrawState GetState(int index);
  void PaintBG(HDC dc);
  // Tiles W x H at (X, Y) with the client piece of the outer control's skin picture.
  void PaintBGWH(TCanvas* canvas, int W, int H, int X, int Y);
  void PaintList(HDC dc);
  void PaintColumnsList(HDC dc);
  void DrawDefaultItem(TCanvas* canvas, int index, TOwnerDrawState state, const TRect& rect);
  void DrawSkinItem(TCanvas* canvas, int index, TOwnerDrawState state, const TRect& rect);
  void DrawStretchSkinItem(TCanvas* canvas, int index, TOwnerDrawState state, const TRect& rect);
  // The tab stops of the first ten lines of `tabWidths`: a line that is not all digits, or
  // does not fit an int, is a stop at 0.
  static std::vector<int> TabStops(TStrings* tabWidths);
  // Writes `text` with those tab stops.
  void DrawTabbedString(const AnsiString& text, TStrings* tabWidths, TCanvas* canvas, const TRect& rect, int offset);

  void WndProc(TMessage& message) override;
  void Dispatch(TMessage& message) override;
  void SetBounds(int left, int top, int width, int height) override;
  // Reports the click to the outer control, then the list's own click handling.
  void Click() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void PaintWindow(HDC dc) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyUp(WORD& key, TShiftState shift) override;
  void KeyPress(char& key) override;

 private:
  void DrawItemRequest(TMessage& message);
  void DrawItemByLook(TCanvas* canvas, int index, TOwnerDrawState state, const TRect& rect);
  void PaintItems(HDC dc, int last);
  void AfterMessage(TMessage& message);
  void WheelStep(TMessage& message);
  void PaintEmptyBackground(TMessage& message);
  // The images and text of an item (or OnDrawItem) on its off-screen picture.
  void DrawItemContent(TBitmap& picture, int index, TOwnerDrawState state, const TRect& textRect,
                       const TRect& tabbedRect);
  void DrawFocus(TCanvas* canvas, const TRect& rect, bool skinBrush);
  void SetCharset(TFont* font);

  int horizontalOffset_ = 0;
};

// Asks an empty inner list (lParam kBENCPaintTag) to paint its background into the
// context in wParam; the list answers kBENCPaintTag.
constexpr UINT CM_BEPAINT = 48202;

class TspSkinCustomListBox : public TspSkinCustomControl {
  CLASSLIB_CLASS(TspSkinCustomListBox, TspSkinCustomControl)
 public:
  explicit TspSkinCustomListBox(TComponent* owner);
  ~TspSkinCustomListBox() override;

  // The inner list's operations, forwarded.
  TspListBox* ListBox() const { return listBox_; }
  TStrings* Items() const { return listBox_->Items(); }
  void SetItems(TStrings* items);
  int ItemIndex() { return listBox_->ItemIndex(); }
  void SetItemIndex(int index) { listBox_->SetItemIndex(index); }
  int TopIndex() { return listBox_->TopIndex(); }
  void SetTopIndex(int index) { listBox_->SetTopIndex(index); }
  bool Selected(int index) { return listBox_->Selected(index); }
  void SetSelected(int index, bool value) { listBox_->SetSelected(index, value); }
  int SelCount() { return listBox_->SelCount(); }
  bool MultiSelect() const { return listBox_->MultiSelect(); }
  void SetMultiSelect(bool value) { listBox_->SetMultiSelect(value); }
  bool ExtandedSelect() const { return listBox_->ExtendedSelect(); }
  void SetExtandedSelect(bool value) { listBox_->SetExtendedSelect(value); }
  bool Sorted() const { return listBox_->Sorted(); }
  // A shown row bar goes first; the next UpDateScrollBar decides afresh.
  void SetSorted(bool value);
  int ItemAtPos(const TPoint& pos, bool existing) { return listBox_->ItemAtPos(pos, existing); }
  TRect ItemRect(int index) { return listBox_->ItemRect(index); }
  TCanvas* ListCanvas() const { return listBox_->Canvas(); }
  TFont* ListBoxFont() const { return listBox_->Font(); }
  void SetListBoxFont(TFont* value) { listBox_->Font()->Assign(value); }
  int ListBoxTabOrder() const { return listBox_->TabOrder(); }
  void SetListBoxTabOrder(int value) { listBox_->SetTabOrder(value); }
  bool ListBoxTabStop() const { return listBox_->TabStop(); }
  void SetListBoxTabStop(bool value) { listBox_->SetTabStop(value); }
  TPopupMenu* ListBoxPopupMenu() const { return listBox_->PopupMenu(); }
  void SetListBoxPopupMenu(TPopupMenu* value) { listBox_->SetPopupMenu(value); }
  // The inner list's incremental search of typed letters.
  bool AutoComplete() const { return listBox_->AutoComplete(); }
  void SetAutoComplete(bool value) { listBox_->SetAutoComplete(value); }
  void Clear();

  int Columns() const { return listBox_->Columns(); }
  void SetColumns(int value);
  TStrings* TabWidths() const { return tabWidths_; }
  // Takes the lines; a non-empty list repaints the rows.
  void SetTabWidths(TStrings* value);
  bool UseSkinItemHeight() const { return useSkinItemHeight_; }
  void SetUseSkinItemHeight(bool value) { useSkinItemHeight_ = value; }
  bool HorizontalExtent() const { return horizontalExtent_; }
  void SetHorizontalExtent(bool value);
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  int DefaultItemHeight() const { return defaultItemHeight_; }
  void SetDefaultItemHeight(int value);
  int RowCount() const { return rowCount_; }
  // Not 0: the control's height follows CalcHeight(RowCount).
  void SetRowCount(int value);

  // The caption strip.
  bool CaptionMode() const { return captionMode_; }
  void SetCaptionMode(bool value);
  int DefaultCaptionHeight() const { return defaultCaptionHeight_; }
  void SetDefaultCaptionHeight(int value);
  TFont* DefaultCaptionFont() const { return defaultCaptionFont_; }
  void SetDefaultCaptionFont(TFont* value) { defaultCaptionFont_->Assign(value); }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TBitmap* Glyph() const { return glyph_; }
  void SetGlyph(TBitmap* value);
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int value);
  int Spacing() const { return spacing_; }
  void SetSpacing(int value);

  // The look's values (valid while LookIndex() is not -1).
  const TspListBoxLook& Look() const { return look_; }
  TspSkinScrollBar* ScrollBar() const { return scrollBar_; }
  TspSkinScrollBar* HScrollBar() const { return hScrollBar_; }
  TRect ListRect() const { return listRect_; }

  // The control's height that shows `rows` rows.
  int CalcHeight(int rows);
  // Places the bars and the inner list for the current size.
  void CalcRects();
  // Mirrors the inner list's scroll state in the skin bars, creating or freeing them.
  void UpDateScrollBar();
  void ShowScrollBar();
  void HideScrollBar();
  void ShowHScrollBar();
  void HideHScrollBar();
  // The width item `index` needs on `canvas`.
  virtual int GetFullItemWidth(int index, TCanvas* canvas);
  // The inner list added an item at `index`, or removed items: the bars follow.
  void ItemAdded(int index);
  void ItemsRemoved();
  // While the inner list does not redraw (its items are being updated), the bars wait;
  // they follow once when it redraws again.
  void SetBarsDeferred(bool value);
  // The next horizontal update measures every item again (for a GetFullItemWidth that
  // changes its answers).
  void ForgetItemWidths();

  // Caption buttons: 0 up, 1 down, 2 check; R in control coordinates.
  struct TCaptionButton {
    TRect R;
    bool MouseIn = false;
    bool Down = false;
  };
  const TCaptionButton& CaptionButton(int index) const { return buttons_[static_cast<size_t>(index)]; }
  void TestActive(int x, int y);
  void ButtonDown(int index);
  void ButtonUp(int index);
  void ButtonEnter(int index);
  void ButtonLeave(int index);
  void DrawButton(TCanvas* canvas, int index);

  TNotifyEvent OnUpButtonClick;
  TNotifyEvent OnDownButtonClick;
  TNotifyEvent OnCheckButtonClick;
  TspDrawSkinItemEvent OnDrawItem;
  TNotifyEvent OnListBoxClick;
  TNotifyEvent OnListBoxDblClick;
  TMouseEvent OnListBoxMouseDown;
  TMouseMoveEvent OnListBoxMouseMove;
  TMouseEvent OnListBoxMouseUp;
  TKeyEvent OnListBoxKeyDown;
  TKeyEvent OnListBoxKeyUp;
  TKeyPressEvent OnListBoxKeyPress;

  // What the inner list reports; each fires the matching event with this control as sender.
  virtual void ListBoxMouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void ListBoxMouseMove(TShiftState shift, int x, int y);
  virtual void ListBoxMouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void ListBoxClick();
  virtual void ListBoxDblClick();
  virtual void ListBoxKeyDown(WORD& key, TShiftState shift);
  virtual void ListBoxKeyUp(WORD& key, TShiftState shift);
  virtual void ListBoxKeyPress(char& key);
  virtual void ListBoxEnter() {}
  virtual void ListBoxExit() {}
  // Runs before the inner list handles any message; clearing passOn drops it.
  virtual void ListBoxWProc(TMessage& message, bool& passOn);
  virtual void ListBoxCreateWnd() {}

  void GetSkinData() override;
  void ChangeSkinData() override;
  void SetBounds(int left, int top, int width, int height) override;
  void DefaultFontChange() override;
  void Dispatch(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateControlDefaultImage(TBitmap* bitmap) override;
  void CreateControlSkinImage(TBitmap* bitmap) override;
  void Notification(TComponent* component, TOperation operation) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  // The caption buttons' repeat timer (timer 1 of the window); tests record the calls.
  virtual void SetCaptionTimer(int interval);
  virtual void KillCaptionTimer();

 private:
  void SBChange(TObject* sender);
  void HSBChange(TObject* sender);
  void UpdateColumnsBar();
  void UpdateHorizontalBar();
  void UpdateRowsBar();
  int MaxItemWidth(TCanvas* canvas);
  void MirrorInBar(TspSkinScrollBar* bar, int min, int max, int position, int pageSize, int largeChange);
  TspSkinScrollBar* NewBar(TScrollBarKind kind, TNotifyEvent onChange);
  // The skin data names of the bars for the current look and bars.
  void NameRowsBar();
  void NameHorizontalBar(bool chooseBoth);
  void ChangeInnerSkin();
  void SkinListRect();
  // The caption strip of the two looks.
  void PlaceSkinCaption();
  void DrawSkinCaption(TCanvas* canvas);
  void DrawDefaultCaption(TCanvas* canvas, int W);
  int CaptionFullWidth(TCanvas* canvas);
  void DrawCaptionGlyph(TCanvas* canvas, int x, int y);
  bool CaptionButtonsReact() const;
  const TNotifyEvent& ButtonEvent(int index) const;
  void StepSelection(int index);
  void CaptionTimerTick();
  void StopTimer();
  void CaptionFontChanged(TObject* sender);

  TspListBox* listBox_;
  TStringList* tabWidths_;
  TBitmap* glyph_;
  TFont* defaultCaptionFont_;
  TspSkinScrollBar* scrollBar_ = nullptr;
  TspSkinScrollBar* hScrollBar_ = nullptr;
  TCustomImageList* images_ = nullptr;
  TspListBoxLook look_;
  int widest_ = -1;  // the widest item measured in widestFont_, -1 unknown
  AnsiString widestFont_;
  std::vector<int> addedItems_;  // added since the last measure
  TRect listRect_, listBoxRect_, captionRect_;
  std::array<TCaptionButton, 3> buttons_{};
  int imageIndex_ = -1;
  int rowCount_ = 0;
  int defaultItemHeight_ = 20;
  int defaultCaptionHeight_ = 20;
  int numGlyphs_ = 1;
  int spacing_ = 2;
  int oldActiveButton_ = -1, activeButton_ = -1, captureButton_ = -1;
  int timerMode_ = 0;  // caption repeat: 0 none, 1 up, 2 down
  TAlignment alignment_ = taLeftJustify;
  bool useSkinItemHeight_ = true;
  bool horizontalExtent_ = false;
  bool skinChanging_ = false;
  bool captionMode_ = false;
  bool waitMode_ = false;
  bool barsDeferred_ = false;
};

class TspSkinListBox : public TspSkinCustomListBox {
  CLASSLIB_CLASS(TspSkinListBox, TspSkinCustomListBox)
 public:
  using TspSkinCustomListBox::TspSkinCustomListBox;
};

// Registers the skinned list box for form resources (once; after InitializeSkinControls).
void InitializeSkinBoxes();
