#pragma once
// The skinned list box: an outer skinned control draws the frame and owns the skin scroll
// bars that stand in for the list's own, and an inner owner-drawn list (TspListBox) paints
// the rows and reports its input to the outer control through the virtual ListBox*
// operations, which derived lists override.
#include "classlib/stdctrls/ListBox.h"
#include "skin/controls/Skinctrls_Bases.h"
#include "skin/controls/Skinctrls_ScrollBar.h"

class TspSkinCustomListBox;

// The inner list: no border and no non-client area (its scroll state is kept but never
// shown), every row drawn by PaintList or, for one changed row, by CN_DRAWITEM.
class TspListBox : public TListBox {
  CLASSLIB_CLASS(TspListBox, TListBox)
 public:
  explicit TspListBox(TComponent* owner);

  TspSkinCustomListBox* OuterControl = nullptr;
  int HorizontalOffset() const { return horizontalOffset_; }
  void SetHorizontalOffset(int value);

  TOwnerDrawState GetState(int index);
  void PaintBG(HDC dc);
  void PaintList(HDC dc);
  void DrawDefaultItem(TCanvas* canvas, int index, TOwnerDrawState state, const TRect& rect);

  void WndProc(TMessage& message) override;
  void Dispatch(TMessage& message) override;
  void SetBounds(int left, int top, int width, int height) override;

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
  void Click() override;

 private:
  void DrawItemRequest(TMessage& message);
  void AfterMessage(TMessage& message);
  void WheelStep(TMessage& message);

  int horizontalOffset_ = 0;
};

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
  void Clear();

  int DefaultItemHeight() const { return defaultItemHeight_; }
  void SetDefaultItemHeight(int value);
  int RowCount() const { return rowCount_; }
  // Not 0: the control's height follows CalcHeight(RowCount).
  void SetRowCount(int value);
  bool CaptionMode() const { return captionMode_; }
  void SetCaptionMode(bool value);
  int DefaultCaptionHeight() const { return defaultCaptionHeight_; }
  void SetDefaultCaptionHeight(int value);

  TspSkinScrollBar* ScrollBar() const { return scrollBar_; }

  // The control's height that shows `rows` rows.
  int CalcHeight(int rows);
  // Places the row bar and the inner list for the current size.
  void CalcRects();
  // Mirrors the inner list's scroll state in the skin bar, creating or freeing it.
  void UpDateScrollBar();
  void ShowScrollBar();
  void HideScrollBar();

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

  void Dispatch(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateControlDefaultImage(TBitmap* bitmap) override;

 private:
  void SBChange(TObject* sender);

  TspListBox* listBox_;
  TspSkinScrollBar* scrollBar_ = nullptr;
  int rowCount_ = 0;
  int defaultItemHeight_ = 20;
  int defaultCaptionHeight_ = 20;
  bool captionMode_ = false;
};

class TspSkinListBox : public TspSkinCustomListBox {
  CLASSLIB_CLASS(TspSkinListBox, TspSkinCustomListBox)
 public:
  using TspSkinCustomListBox::TspSkinCustomListBox;
};
