#pragma once
#include "classlib/runtime/Strings.h"
#include "classlib/stdctrls/ItemStrings.h"
#include "classlib/windowing/Forms.h"
#include "classlib/windowing/PaintCanvas.h"
#include "classlib/windowing/WinControl.h"

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed };
enum TOwnerDrawStateFlag { odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odComboBoxEdit };
using TOwnerDrawState = TSet<TOwnerDrawStateFlag>;
using TDrawItemEvent = TEvent<TWinControl*, int, TRect, TOwnerDrawState>;

// The owner-draw state of a DRAWITEMSTRUCT's itemState.
TOwnerDrawState OwnerDrawState(UINT itemState);

// A list over the system LISTBOX class. Each item's object is its item data, reached
// through the virtual GetItemData/SetItemData (DeleteString and ResetContent are virtual
// too, for lists that keep more per item); items and data outlive a recreated window and
// are kept while there is none. Owner-drawn items come through CN_DRAWITEM to DrawItem
// (OnDrawItem, else the text) on Canvas. While AutoComplete is on (the default) typed letters
// search the items incrementally; while it is off they leave the selection alone.
class TCustomListBox : public TWinControl, protected TItemHost {
  CLASSLIB_CLASS(TCustomListBox, TWinControl)
 public:
  explicit TCustomListBox(TComponent* owner);
  ~TCustomListBox() override;

  TStrings* Items() const { return items_; }
  void SetItems(TStrings* items) { items_->Assign(items); }
  TCanvas* Canvas() const { return canvas_; }
  int ItemIndex();
  void SetItemIndex(int index);
  TListBoxStyle Style() const { return style_; }
  void SetStyle(TListBoxStyle value);
  int ItemHeight();
  void SetItemHeight(int value);
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool value);
  bool ExtendedSelect() const { return extendedSelect_; }
  void SetExtendedSelect(bool value);
  bool Sorted() const { return sorted_; }
  void SetSorted(bool value);
  // More than 0: the items flow in that many columns across the client width, scrolled
  // sideways (the window's horizontal scroll state).
  int Columns() const { return columns_; }
  void SetColumns(int value);
  bool IntegralHeight() const { return integralHeight_; }
  void SetIntegralHeight(bool value);
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle value);
  int TopIndex();
  void SetTopIndex(int index);
  bool Selected(int index);
  void SetSelected(int index, bool value);
  int SelCount();
  void Clear() { items_->Clear(); }
  // The item at a client point; -1 when none (with `existing`) or the nearest item.
  int ItemAtPos(const TPoint& pos, bool existing);
  TRect ItemRect(int index);
  bool AutoComplete() const { return autoComplete_; }
  void SetAutoComplete(bool value) { autoComplete_ = value; }

  TDrawItemEvent OnDrawItem;
  void Dispatch(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleState() override;
  void DestroyWnd() override;
  HWND ItemWindow() override { return HandleAllocated() ? Handle() : nullptr; }
  TStringList* KeptItems() override { return saved_; }
  LONG_PTR GetItemData(int index) override;
  void SetItemData(int index, LONG_PTR data) override;
  void DeleteString(int index) override;
  void ResetContent() override;
  virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);
  void KeyPress(char& key) override;

 private:
  void CNDrawItem(TMessage& message);
  void SetProperty(bool& field, bool value);
  void SetColumnWidth();

  TStrings* items_;
  TStringList* saved_ = nullptr;  // the items while there is no window
  TPaintCanvas* canvas_;
  TListBoxStyle style_ = lbStandard;
  int itemHeight_ = 16;
  int columns_ = 0;
  bool multiSelect_ = false;
  bool extendedSelect_ = true;
  bool sorted_ = false;
  bool integralHeight_ = false;
  bool autoComplete_ = true;
  TFormBorderStyle borderStyle_ = bsSingle;
  int savedIndex_ = -1;
  AnsiString filter_;  // the letters typed for the incremental search
  DWORD lastKeyTime_ = 0;
};

class TListBox : public TCustomListBox {
  CLASSLIB_CLASS(TListBox, TCustomListBox)
 public:
  using TCustomListBox::TCustomListBox;
};
