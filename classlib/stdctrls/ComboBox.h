#pragma once
#include "classlib/stdctrls/ItemStrings.h"
#include "classlib/stdctrls/ListBox.h"
#include "classlib/windowing/PaintCanvas.h"
#include "classlib/windowing/WinControl.h"

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed };

// A combo box over the system COMBOBOX class. Its edit part and its list part are
// subclassed: their messages go through the virtual EditWndProc and ListWndProc first.
// DropDown and CloseUp (one per opening and closing) follow the drop-down list; Select
// follows each change of the selection, Change each change of the text. Items keep their objects as item
// data like list boxes do.
class TCustomComboBox : public TWinControl, protected TItemHost {
  CLASSLIB_CLASS(TCustomComboBox, TWinControl)
 public:
  explicit TCustomComboBox(TComponent* owner);
  ~TCustomComboBox() override;

  TStrings* Items() const { return items_; }
  void SetItems(TStrings* items) { items_->Assign(items); }
  TCanvas* Canvas() const { return canvas_; }
  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle value);
  int ItemIndex();
  void SetItemIndex(int index);
  bool DroppedDown();
  void SetDroppedDown(bool value);
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int value) { dropDownCount_ = value < 1 ? 1 : value; }
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int value);
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int value);
  bool Sorted() const { return sorted_; }
  void SetSorted(bool value);
  // The three-dimensional look asked for by resources: the system draws a combo box's
  // sunken edge itself, so the flags are kept for controls that paint over it.
  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool value) { ctl3D_ = value; }
  bool ParentCtl3D() const { return parentCtl3D_; }
  void SetParentCtl3D(bool value) { parentCtl3D_ = value; }
  HWND EditHandle() const { return editWindow_; }
  HWND ListHandle() const { return listWindow_; }

  TNotifyEvent OnChange;
  TNotifyEvent OnSelect;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;
  TDrawItemEvent OnDrawItem;
  void Dispatch(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void CreateHandleState() override;
  void DestroyWnd() override;
  // The messages of the edit part (csDropDown, csSimple) and of the drop-down list;
  // the defaults hand them to the parts' own procedures.
  virtual void EditWndProc(TMessage& message);
  virtual void ListWndProc(TMessage& message);
  virtual void Change();
  virtual void Select();
  virtual void DropDown();
  virtual void CloseUp();
  virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);
  HWND ItemWindow() override { return HandleAllocated() ? Handle() : nullptr; }
  TStringList* KeptItems() override { return saved_; }
  LONG_PTR GetItemData(int index) override;
  void SetItemData(int index, LONG_PTR data) override;
  void DeleteString(int index) override;
  void ResetContent() override;

 private:
  void BindParts();
  void UnbindParts();
  void CNCommand(TMessage& message);
  void CNDrawItem(TMessage& message);

  TStrings* items_;
  TStringList* saved_;
  TPaintCanvas* canvas_;
  TComboBoxStyle style_ = csDropDown;
  int dropDownCount_ = 8;
  int itemHeight_ = 16;
  int maxLength_ = 0;
  bool sorted_ = false;
  bool ctl3D_ = true;
  bool parentCtl3D_ = true;
  int savedIndex_ = -1;
  HWND editWindow_ = nullptr;
  HWND listWindow_ = nullptr;
  WNDPROC editDefProc_ = nullptr;
  WNDPROC listDefProc_ = nullptr;
  TWndMethod editMethod_;
  TWndMethod listMethod_;
};

class TComboBox : public TCustomComboBox {
  CLASSLIB_CLASS(TComboBox, TCustomComboBox)
 public:
  using TCustomComboBox::TCustomComboBox;
};
