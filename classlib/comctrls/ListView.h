#pragma once
#include "classlib/graphics/ImageList.h"
#include "classlib/runtime/Collections.h"
#include "classlib/runtime/Strings.h"
#include "classlib/stdctrls/ListBox.h"
#include "classlib/windowing/PaintCanvas.h"
#include "classlib/windowing/WinControl.h"

#include <commctrl.h>

class TCustomListView;

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

// A column of a report view: caption, width, alignment and the image of the view's
// SmallImages shown in its header section (-1: none).
class TListColumn : public TCollectionItem {
  CLASSLIB_CLASS(TListColumn, TCollectionItem)
 public:
  explicit TListColumn(TCollection* collection) : TCollectionItem(collection) {}
  AnsiString Caption() const { return caption_; }
  void SetCaption(const AnsiString& value);
  int Width() const { return width_; }
  void SetWidth(int value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);

 private:
  AnsiString caption_;
  int width_ = 50;
  TAlignment alignment_ = taLeftJustify;
  int imageIndex_ = -1;
};

class TListColumns : public TOwnedCollection {
  CLASSLIB_CLASS(TListColumns, TOwnedCollection)
 public:
  explicit TListColumns(TCustomListView* view);
  TListColumn* Items(int index) const { return static_cast<TListColumn*>(TCollection::Items(index)); }
  TListColumn* Add() { return static_cast<TListColumn*>(TCollection::Add()); }

 protected:
  void Update(TCollectionItem* item) override;

 private:
  TCustomListView* view_;
};

// One row of an owner-data view, as OnData fills it: caption, the texts of the further
// columns, image and a pointer of the program's.
class TListItem : public TObject {
  CLASSLIB_CLASS(TListItem, TObject)
 public:
  TListItem() = default;
  ~TListItem() override { delete subItems_; }
  TListItem(const TListItem&) = delete;
  TListItem& operator=(const TListItem&) = delete;
  int Index() const { return index_; }
  AnsiString Caption() const { return caption_; }
  void SetCaption(const AnsiString& value) { caption_ = value; }
  TStrings* SubItems() const { return subItems_; }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value) { imageIndex_ = value; }
  void* Data() const { return data_; }
  void SetData(void* data) { data_ = data; }

 private:
  friend class TCustomListView;
  void Reset(int index);
  int index_ = -1;
  AnsiString caption_;
  TStringList* subItems_ = new TStringList;
  int imageIndex_ = -1;
  void* data_ = nullptr;
};

// The rows of an owner-data view: only their number is kept; the code sets it.
class TListItems : public TObject {
  CLASSLIB_CLASS(TListItems, TObject)
 public:
  explicit TListItems(TCustomListView* view) : view_(view) {}
  int Count() const { return count_; }
  void SetCount(int count);

 private:
  TCustomListView* view_;
  int count_ = 0;
};

enum TItemFind { ifData, ifPartialString, ifExactString, ifNearest };

using TLVOwnerDataEvent = TEvent<TObject*, TListItem*>;
using TLVOwnerDataFindEvent = TEvent<TObject*, TItemFind, AnsiString, TPoint, void*, int, int, bool, int&>;
using TLVDrawItemEvent = TEvent<TCustomListView*, TListItem*, TRect, TOwnerDrawState>;
using TLVSelectItemEvent = TEvent<TObject*, TListItem*, bool>;
using TLVEditedEvent = TEvent<TObject*, TListItem*, AnsiString&>;
using TLVColumnClickEvent = TEvent<TObject*, TListColumn*>;

// A list view over the system's, always with owner data: the code sets the number of rows
// (Items()->SetCount) and OnData fills each row the view asks for, only for rows it shows.
// Owner drawing (OnDrawItem, report view) paints each visible row on Canvas. Selection and
// focus are the view's, per row.
class TCustomListView : public TWinControl {
  CLASSLIB_CLASS(TCustomListView, TWinControl)
 public:
  explicit TCustomListView(TComponent* owner);
  ~TCustomListView() override;

  TListColumns* Columns() const { return columns_; }
  TListItems* Items() const { return items_; }
  TViewStyle ViewStyle() const { return viewStyle_; }
  void SetViewStyle(TViewStyle value);
  bool ShowColumnHeaders() const { return showColumnHeaders_; }
  void SetShowColumnHeaders(bool value);
  bool OwnerData() const { return true; }
  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool value);
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool value);
  bool RowSelect() const { return rowSelect_; }
  void SetRowSelect(bool value);
  // The user may drag the report view's column headers into another order.
  bool FullDrag() const { return fullDrag_; }
  void SetFullDrag(bool value);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool value);
  TCustomImageList* SmallImages() const { return smallImages_; }
  void SetSmallImages(TCustomImageList* images);
  TCustomImageList* LargeImages() const { return largeImages_; }
  void SetLargeImages(TCustomImageList* images);
  TCanvas* Canvas() const { return canvas_; }

  int SelCount();
  // The first selected row (filled by OnData), or null.
  TListItem* Selected();
  int ItemIndex();
  void SetItemIndex(int index);
  // The focused row, or -1.
  int ItemFocused();
  void SetItemFocused(int index);
  bool IsSelected(int index);
  void SetSelected(int index, bool value);
  void ClearSelection();
  void SelectAll();
  // Scrolls the view by pixels (rows in report view, as the system counts).
  void Scroll(int dx, int dy);
  int TopIndex();
  int VisibleRowCount();
  TRect ItemRect(int index);
  // The program's data of rows first..last changed: they are asked for again.
  void UpdateItems(int first, int last);
  HWND HeaderHandle();
  int HeaderHeight();

  TLVOwnerDataEvent OnData;
  TLVOwnerDataFindEvent OnDataFind;
  TLVDrawItemEvent OnDrawItem;
  TLVSelectItemEvent OnSelectItem;
  TLVEditedEvent OnEdited;
  TLVColumnClickEvent OnColumnClick;
  void Dispatch(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleState() override;
  void Notification(TComponent* component, TOperation operation) override;
  // Fills `item` for its row (OnData); false when nothing filled it.
  virtual bool OwnerDataFetch(TListItem* item);
  // The row OnDataFind names for a search, or -1.
  virtual int OwnerDataFind(TItemFind find, const AnsiString& text, int start, bool wrap);
  virtual void DrawItem(TListItem* item, const TRect& rect, TOwnerDrawState state);
  // A label edit ended with `text`: OnEdited may change it; true accepts it.
  virtual bool Edit(TListItem* item, AnsiString& text);
  virtual void ColClick(TListColumn* column) { OnColumnClick(this, column); }
  virtual void SelectItem(TListItem* item, bool selected) { OnSelectItem(this, item, selected); }

 private:
  friend class TListColumns;
  friend class TListItems;
  void UpdateColumns();
  void UpdateCount();
  void ApplyExtendedStyle();
  void ApplyImages();
  // The window's background and text colours: Color and Font's colour.
  void ApplyColors();
  TListItem* Fetch(int index);
  void CNNotify(TMessage& message);
  void CNDrawItem(TMessage& message);
  void GetDispInfo(NMLVDISPINFOA* info);
  void ItemChanged(const NMLISTVIEW* change);
  void RangeChanged(const NMLVODSTATECHANGE* change);

  TListColumns* columns_;
  TListItems* items_;
  TListItem* fetched_;
  TPaintCanvas* canvas_;
  TViewStyle viewStyle_ = vsIcon;
  bool showColumnHeaders_ = true;
  bool ownerDraw_ = false;
  bool multiSelect_ = false;
  bool rowSelect_ = false;
  bool fullDrag_ = false;
  bool readOnly_ = false;
  bool hideSelection_ = true;
  TCustomImageList* smallImages_ = nullptr;
  TCustomImageList* largeImages_ = nullptr;
};

class TListView : public TCustomListView {
  CLASSLIB_CLASS(TListView, TCustomListView)
 public:
  using TCustomListView::TCustomListView;
};
