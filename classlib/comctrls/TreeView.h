#pragma once
#include "classlib/graphics/ImageList.h"
#include "classlib/windowing/WinControl.h"

#include <commctrl.h>

class TCustomTreeView;
class TTreeNodes;

// A node of a tree view, tied to one item of the system tree: its text, the program's
// Data, image indexes and the place in the tree are the window's.
class TTreeNode : public TObject {
  CLASSLIB_CLASS(TTreeNode, TObject)
 public:
  TTreeNode(TTreeNodes* owner, const AnsiString& text, void* data) : owner_(owner), text_(text), data_(data) {}

  HTREEITEM ItemId() const { return item_; }
  TTreeNodes* Owner() const { return owner_; }
  TCustomTreeView* TreeView() const;
  AnsiString Text() const { return text_; }
  void SetText(const AnsiString& value);
  void* Data() const { return data_; }
  void SetData(void* value) { data_ = value; }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  int SelectedIndex() const { return selectedIndex_; }
  void SetSelectedIndex(int value);
  int StateIndex() const { return stateIndex_; }
  void SetStateIndex(int value);
  // Shows the expand button also while the node has no children (filled on expanding).
  bool HasChildren() const;
  void SetHasChildren(bool value);
  bool Expanded() const;
  void SetExpanded(bool value);
  void Expand(bool recurse);
  void Collapse(bool recurse);
  bool Selected() const;
  int Level() const;
  TTreeNode* Parent() const;
  int Count() const;
  TTreeNode* Item(int index) const;
  int Index() const;
  TTreeNode* GetFirstChild() const;
  TTreeNode* GetNextSibling() const;
  TTreeNode* GetPrevSibling() const;
  // The next node in the whole tree, depth first; null after the last.
  TTreeNode* GetNext() const;
  // Starts editing the node's label.
  void EditText();
  void Delete();

 private:
  friend class TTreeNodes;
  friend class TCustomTreeView;
  TTreeNode* Relative(UINT relation) const;
  void SetState(UINT mask, UINT value);

  TTreeNodes* owner_;
  HTREEITEM item_ = nullptr;
  AnsiString text_;
  void* data_;
  int imageIndex_ = -1;
  int selectedIndex_ = -1;
  int stateIndex_ = -1;
  bool hasChildren_ = false;
};

using TTVCompare = int (*)(TTreeNode* a, TTreeNode* b, LPARAM data);

// The nodes of a tree view, held in its window (which they make when needed).
class TTreeNodes : public TObject {
  CLASSLIB_CLASS(TTreeNodes, TObject)
 public:
  explicit TTreeNodes(TCustomTreeView* view) : view_(view) {}

  TCustomTreeView* Owner() const { return view_; }
  TTreeNode* Add(TTreeNode* sibling, const AnsiString& text);
  TTreeNode* AddObject(TTreeNode* sibling, const AnsiString& text, void* data);
  TTreeNode* AddChild(TTreeNode* parent, const AnsiString& text);
  TTreeNode* AddChildObject(TTreeNode* parent, const AnsiString& text, void* data);
  // Puts a new node before `sibling` (at the end of the roots when null).
  TTreeNode* Insert(TTreeNode* sibling, const AnsiString& text);
  TTreeNode* InsertObject(TTreeNode* sibling, const AnsiString& text, void* data);
  // Removes the node with its descendants (the view's Delete runs for each).
  void Delete(TTreeNode* node);
  void Clear();
  void BeginUpdate();
  void EndUpdate();
  // Every node, depth first.
  int Count() const;
  TTreeNode* Item(int index) const;
  TTreeNode* GetFirstNode() const;
  // The node of a system item, or null.
  TTreeNode* NodeOf(HTREEITEM item) const;
  // Orders the children of `parent` (the roots when null) by `compare`; also deeper.
  void CustomSort(TTreeNode* parent, TTVCompare compare, LPARAM data, bool recurse);

 private:
  TTreeNode* InsertNode(HTREEITEM parent, HTREEITEM after, const AnsiString& text, void* data);
  TCustomTreeView* view_;
  int updateCount_ = 0;
};

using TTVChangingEvent = TEvent<TObject*, TTreeNode*, bool&>;
using TTVExpandingEvent = TEvent<TObject*, TTreeNode*, bool&>;
using TTVChangedEvent = TEvent<TObject*, TTreeNode*>;
using TTVEditedEvent = TEvent<TObject*, TTreeNode*, AnsiString&>;

// A tree over the system tree view. The virtual CanExpand, CanChange, Change, Edit,
// Delete (once per node that goes, before it is freed), GetImageIndex and GetSelectedIndex
// are the hooks derived views override. Nodes live with the window: a view whose window
// is made again starts empty.
class TCustomTreeView : public TWinControl {
  CLASSLIB_CLASS(TCustomTreeView, TWinControl)
 public:
  explicit TCustomTreeView(TComponent* owner);
  ~TCustomTreeView() override;

  TTreeNodes* Items() const { return items_; }
  TTreeNode* Selected();
  void SetSelected(TTreeNode* node);
  TTreeNode* TopItem();
  void SetTopItem(TTreeNode* node);
  TTreeNode* GetNodeAt(int x, int y);
  bool RightClickSelect() const { return rightClickSelect_; }
  void SetRightClickSelect(bool value) { rightClickSelect_ = value; }
  bool ShowRoot() const { return showRoot_; }
  void SetShowRoot(bool value);
  bool ShowButtons() const { return showButtons_; }
  void SetShowButtons(bool value);
  bool ShowLines() const { return showLines_; }
  void SetShowLines(bool value);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool value);
  int Indent();
  void SetIndent(int value);
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* images);
  TCustomImageList* StateImages() const { return stateImages_; }
  void SetStateImages(TCustomImageList* images);
  void FullExpand();
  void FullCollapse();

  TTVExpandingEvent OnExpanding;
  TTVChangingEvent OnChanging;
  TTVChangedEvent OnChange;
  TTVChangedEvent OnDeletion;
  TTVChangedEvent OnGetImageIndex;
  TTVChangedEvent OnGetSelectedIndex;
  TTVEditedEvent OnEdited;
  void Dispatch(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleState() override;
  void DestroyWnd() override;
  void Notification(TComponent* component, TOperation operation) override;
  virtual bool CanExpand(TTreeNode* node);
  virtual bool CanChange(TTreeNode* node);
  virtual void Change(TTreeNode* node) { OnChange(this, node); }
  virtual bool Edit(TTreeNode* node, AnsiString& text);
  virtual void Delete(TTreeNode* node) { OnDeletion(this, node); }
  virtual void GetImageIndex(TTreeNode* node) { OnGetImageIndex(this, node); }
  virtual void GetSelectedIndex(TTreeNode* node) { OnGetSelectedIndex(this, node); }

 private:
  friend class TTreeNode;
  friend class TTreeNodes;
  DWORD StyleBits() const;
  void ApplyStyle();
  void ApplyImages();
  // The window's background and text colours: Color and Font's colour.
  void ApplyColors();
  void CNNotify(TMessage& message);
  void GetDispInfo(NMTVDISPINFOA* info);
  void ItemDeleted(const NMTREEVIEWA* info);
  void FreeAllNodes();

  TTreeNodes* items_;
  bool rightClickSelect_ = false;
  bool showRoot_ = true;
  bool showButtons_ = true;
  bool showLines_ = true;
  bool readOnly_ = false;
  bool hideSelection_ = true;
  int indent_ = 19;
  TCustomImageList* images_ = nullptr;
  TCustomImageList* stateImages_ = nullptr;
  bool dropping_ = false;   // the window is going: its nodes are freed without Delete
  bool expanding_ = false;  // an expansion asked by code, already allowed by CanExpand
};

class TTreeView : public TCustomTreeView {
  CLASSLIB_CLASS(TTreeView, TCustomTreeView)
 public:
  using TCustomTreeView::TCustomTreeView;
};
