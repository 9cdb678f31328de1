#include "classlib/comctrls/TreeView.h"

#include <vector>

#include "classlib/comctrls/CommonControls.h"
#include "classlib/runtime/Exceptions.h"

namespace {
struct TSortContext {
  TTVCompare compare;
  LPARAM data;
};

int CALLBACK SortThunk(LPARAM a, LPARAM b, LPARAM context) {
  const auto* sort = reinterpret_cast<const TSortContext*>(context);
  return sort->compare(reinterpret_cast<TTreeNode*>(a), reinterpret_cast<TTreeNode*>(b), sort->data);
}
}  // namespace

TCustomTreeView* TTreeNode::TreeView() const { return owner_->Owner(); }

TTreeNode* TTreeNode::Relative(UINT relation) const {
  auto item = reinterpret_cast<HTREEITEM>(
      SendMessageA(TreeView()->Handle(), TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item_)));
  return owner_->NodeOf(item);
}

void TTreeNode::SetText(const AnsiString& value) {
  text_ = value;
  TVITEMA item{};
  item.mask = TVIF_TEXT;
  item.hItem = item_;
  item.pszText = const_cast<char*>(text_.c_str());
  SendMessageA(TreeView()->Handle(), TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

void TTreeNode::SetImageIndex(int value) {
  imageIndex_ = value;
  TreeView()->Invalidate();
}

void TTreeNode::SetSelectedIndex(int value) {
  selectedIndex_ = value;
  TreeView()->Invalidate();
}

void TTreeNode::SetStateIndex(int value) {
  stateIndex_ = value;
  SetState(TVIS_STATEIMAGEMASK, value >= 0 ? INDEXTOSTATEIMAGEMASK(static_cast<UINT>(value)) : 0);
}

void TTreeNode::SetState(UINT mask, UINT value) {
  TVITEMA item{};
  item.mask = TVIF_STATE;
  item.hItem = item_;
  item.stateMask = mask;
  item.state = value;
  SendMessageA(TreeView()->Handle(), TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

bool TTreeNode::HasChildren() const { return hasChildren_ || GetFirstChild() != nullptr; }

void TTreeNode::SetHasChildren(bool value) {
  hasChildren_ = value;
  TVITEMA item{};
  item.mask = TVIF_CHILDREN;
  item.hItem = item_;
  item.cChildren = value ? 1 : 0;
  SendMessageA(TreeView()->Handle(), TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

bool TTreeNode::Expanded() const {
  return (SendMessageA(TreeView()->Handle(), TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item_), TVIS_EXPANDED) &
          TVIS_EXPANDED) != 0;
}

void TTreeNode::SetExpanded(bool value) {
  if (value) Expand(false);
  else Collapse(false);
}

void TTreeNode::Expand(bool recurse) {
  TCustomTreeView* view = TreeView();
  if (!Expanded() && view->CanExpand(this)) {
    view->expanding_ = true;
    SendMessageA(view->Handle(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item_));
    view->expanding_ = false;
  }
  if (!recurse) return;
  for (TTreeNode* child = GetFirstChild(); child != nullptr; child = child->GetNextSibling()) child->Expand(true);
}

void TTreeNode::Collapse(bool recurse) {
  SendMessageA(TreeView()->Handle(), TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(item_));
  if (!recurse) return;
  for (TTreeNode* child = GetFirstChild(); child != nullptr; child = child->GetNextSibling()) child->Collapse(true);
}

bool TTreeNode::Selected() const { return TreeView()->Selected() == this; }

int TTreeNode::Level() const {
  int level = 0;
  for (TTreeNode* parent = Parent(); parent != nullptr; parent = parent->Parent()) ++level;
  return level;
}

TTreeNode* TTreeNode::Parent() const { return Relative(TVGN_PARENT); }
TTreeNode* TTreeNode::GetFirstChild() const { return Relative(TVGN_CHILD); }
TTreeNode* TTreeNode::GetNextSibling() const { return Relative(TVGN_NEXT); }
TTreeNode* TTreeNode::GetPrevSibling() const { return Relative(TVGN_PREVIOUS); }

TTreeNode* TTreeNode::GetNext() const {
  if (TTreeNode* child = GetFirstChild()) return child;
  for (const TTreeNode* node = this; node != nullptr; node = node->Parent()) {
    if (TTreeNode* sibling = node->GetNextSibling()) return sibling;
  }
  return nullptr;
}

int TTreeNode::Count() const {
  int count = 0;
  for (TTreeNode* child = GetFirstChild(); child != nullptr; child = child->GetNextSibling()) ++count;
  return count;
}

TTreeNode* TTreeNode::Item(int index) const {
  TTreeNode* child = GetFirstChild();
  for (int i = 0; child != nullptr && i < index; ++i) child = child->GetNextSibling();
  if (child == nullptr || index < 0) throw EListError("Tree node index out of bounds");
  return child;
}

int TTreeNode::Index() const {
  int index = 0;
  for (TTreeNode* node = GetPrevSibling(); node != nullptr; node = node->GetPrevSibling()) ++index;
  return index;
}

void TTreeNode::EditText() { SendMessageA(TreeView()->Handle(), TVM_EDITLABELA, 0, reinterpret_cast<LPARAM>(item_)); }

void TTreeNode::Delete() { owner_->Delete(this); }

TTreeNode* TTreeNodes::InsertNode(HTREEITEM parent, HTREEITEM after, const AnsiString& text, void* data) {
  auto* node = new TTreeNode(this, text, data);
  TVINSERTSTRUCTA insert{};
  insert.hParent = parent;
  insert.hInsertAfter = after;
  insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  insert.item.pszText = const_cast<char*>(node->text_.c_str());
  insert.item.iImage = I_IMAGECALLBACK;
  insert.item.iSelectedImage = I_IMAGECALLBACK;
  insert.item.lParam = reinterpret_cast<LPARAM>(node);
  node->item_ = reinterpret_cast<HTREEITEM>(
      SendMessageA(view_->Handle(), TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
  if (node->item_ == nullptr) {
    delete node;
    throw EOutOfResources("Unable to insert a tree node");
  }
  return node;
}

TTreeNode* TTreeNodes::Add(TTreeNode* sibling, const AnsiString& text) { return AddObject(sibling, text, nullptr); }

TTreeNode* TTreeNodes::AddObject(TTreeNode* sibling, const AnsiString& text, void* data) {
  TTreeNode* parent = sibling != nullptr ? sibling->Parent() : nullptr;
  return InsertNode(parent != nullptr ? parent->item_ : TVI_ROOT, TVI_LAST, text, data);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, const AnsiString& text) {
  return AddChildObject(parent, text, nullptr);
}

TTreeNode* TTreeNodes::AddChildObject(TTreeNode* parent, const AnsiString& text, void* data) {
  return InsertNode(parent != nullptr ? parent->item_ : TVI_ROOT, TVI_LAST, text, data);
}

TTreeNode* TTreeNodes::Insert(TTreeNode* sibling, const AnsiString& text) { return InsertObject(sibling, text, nullptr); }

TTreeNode* TTreeNodes::InsertObject(TTreeNode* sibling, const AnsiString& text, void* data) {
  if (sibling == nullptr) return AddObject(nullptr, text, data);
  TTreeNode* parent = sibling->Parent();
  TTreeNode* before = sibling->GetPrevSibling();
  return InsertNode(parent != nullptr ? parent->item_ : TVI_ROOT, before != nullptr ? before->item_ : TVI_FIRST, text,
                    data);
}

void TTreeNodes::Delete(TTreeNode* node) {
  SendMessageA(view_->Handle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(node->item_));
}

void TTreeNodes::Clear() {
  if (view_->HandleAllocated()) SendMessageA(view_->Handle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
}

void TTreeNodes::BeginUpdate() {
  if (updateCount_++ == 0 && view_->HandleAllocated()) SendMessageA(view_->Handle(), WM_SETREDRAW, FALSE, 0);
}

void TTreeNodes::EndUpdate() {
  if (updateCount_ == 0 || --updateCount_ > 0 || !view_->HandleAllocated()) return;
  SendMessageA(view_->Handle(), WM_SETREDRAW, TRUE, 0);
  view_->Invalidate();
}

TTreeNode* TTreeNodes::GetFirstNode() const {
  if (!view_->HandleAllocated()) return nullptr;
  return NodeOf(reinterpret_cast<HTREEITEM>(SendMessageA(view_->Handle(), TVM_GETNEXTITEM, TVGN_ROOT, 0)));
}

int TTreeNodes::Count() const {
  int count = 0;
  for (TTreeNode* node = GetFirstNode(); node != nullptr; node = node->GetNext()) ++count;
  return count;
}

TTreeNode* TTreeNodes::Item(int index) const {
  TTreeNode* node = GetFirstNode();
  for (int i = 0; node != nullptr && i < index; ++i) node = node->GetNext();
  if (node == nullptr || index < 0) throw EListError("Tree node index out of bounds");
  return node;
}

TTreeNode* TTreeNodes::NodeOf(HTREEITEM item) const {
  if (item == nullptr) return nullptr;
  TVITEMA info{};
  info.mask = TVIF_PARAM;
  info.hItem = item;
  if (!SendMessageA(view_->Handle(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info))) return nullptr;
  return reinterpret_cast<TTreeNode*>(info.lParam);
}

void TTreeNodes::CustomSort(TTreeNode* parent, TTVCompare compare, LPARAM data, bool recurse) {
  TSortContext context{compare, data};
  TVSORTCB sort{};
  sort.hParent = parent != nullptr ? parent->item_ : TVI_ROOT;
  sort.lpfnCompare = &SortThunk;
  sort.lParam = reinterpret_cast<LPARAM>(&context);
  SendMessageA(view_->Handle(), TVM_SORTCHILDRENCB, 0, reinterpret_cast<LPARAM>(&sort));
  if (!recurse) return;
  TTreeNode* child = parent != nullptr ? parent->GetFirstChild() : GetFirstNode();
  for (; child != nullptr; child = child->GetNextSibling()) CustomSort(child, compare, data, true);
}

TCustomTreeView::TCustomTreeView(TComponent* owner) : TWinControl(owner), items_(new TTreeNodes(this)) {
  SetControlStyle({csDoubleClicks});
  SetBounds(Left(), Top(), 121, 97);
  SetTabStop(true);
  SetColor(clWindow);
}

TCustomTreeView::~TCustomTreeView() {
  DestroyHandle();
  delete items_;
}

DWORD TCustomTreeView::StyleBits() const {
  DWORD style = 0;
  if (showRoot_) style |= TVS_LINESATROOT;
  if (showButtons_) style |= TVS_HASBUTTONS;
  if (showLines_) style |= TVS_HASLINES;
  if (!readOnly_) style |= TVS_EDITLABELS;
  if (!hideSelection_) style |= TVS_SHOWSELALWAYS;
  return style;
}

void TCustomTreeView::CreateParams(TCreateParams& params) {
  InitializeCommonControls();
  TWinControl::CreateParams(params);
  CreateSubClass(params, WC_TREEVIEWA);
  params.Style |= WS_TABSTOP | StyleBits();
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomTreeView::CreateHandleState() {
  TWinControl::CreateHandleState();
  SendMessageA(Handle(), TVM_SETINDENT, static_cast<WPARAM>(indent_), 0);
  ApplyImages();
  ApplyColors();
}

void TCustomTreeView::ApplyColors() {
  if (!HandleAllocated()) return;
  SendMessageA(Handle(), TVM_SETBKCOLOR, 0, ColorToRGB(Color()));
  SendMessageA(Handle(), TVM_SETTEXTCOLOR, 0, ColorToRGB(Font()->Color()));
}

void TCustomTreeView::FreeAllNodes() {
  std::vector<TTreeNode*> nodes;
  for (TTreeNode* node = items_->GetFirstNode(); node != nullptr; node = node->GetNext()) nodes.push_back(node);
  for (TTreeNode* node : nodes) delete node;
}

void TCustomTreeView::DestroyWnd() {
  dropping_ = true;
  FreeAllNodes();
  TWinControl::DestroyWnd();
  dropping_ = false;
}

void TCustomTreeView::ApplyStyle() {
  if (!HandleAllocated()) return;
  constexpr DWORD kBits = TVS_LINESATROOT | TVS_HASBUTTONS | TVS_HASLINES | TVS_EDITLABELS | TVS_SHOWSELALWAYS;
  const auto style = static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_STYLE));
  SetWindowLongPtrA(Handle(), GWL_STYLE, static_cast<LONG_PTR>((style & ~kBits) | StyleBits()));
  Invalidate();
}

void TCustomTreeView::SetShowRoot(bool value) {
  showRoot_ = value;
  ApplyStyle();
}

void TCustomTreeView::SetShowButtons(bool value) {
  showButtons_ = value;
  ApplyStyle();
}

void TCustomTreeView::SetShowLines(bool value) {
  showLines_ = value;
  ApplyStyle();
}

void TCustomTreeView::SetReadOnly(bool value) {
  readOnly_ = value;
  ApplyStyle();
}

void TCustomTreeView::SetHideSelection(bool value) {
  hideSelection_ = value;
  ApplyStyle();
}

int TCustomTreeView::Indent() {
  if (HandleAllocated()) indent_ = static_cast<int>(SendMessageA(Handle(), TVM_GETINDENT, 0, 0));
  return indent_;
}

void TCustomTreeView::SetIndent(int value) {
  indent_ = value;
  if (HandleAllocated()) SendMessageA(Handle(), TVM_SETINDENT, static_cast<WPARAM>(value), 0);
}

void TCustomTreeView::ApplyImages() {
  if (!HandleAllocated()) return;
  SendMessageA(Handle(), TVM_SETIMAGELIST, TVSIL_NORMAL,
               images_ != nullptr ? reinterpret_cast<LPARAM>(images_->Handle()) : 0);
  SendMessageA(Handle(), TVM_SETIMAGELIST, TVSIL_STATE,
               stateImages_ != nullptr ? reinterpret_cast<LPARAM>(stateImages_->Handle()) : 0);
}

void TCustomTreeView::SetImages(TCustomImageList* images) {
  images_ = images;
  if (images != nullptr) images->FreeNotification(this);
  ApplyImages();
}

void TCustomTreeView::SetStateImages(TCustomImageList* images) {
  stateImages_ = images;
  if (images != nullptr) images->FreeNotification(this);
  ApplyImages();
}

void TCustomTreeView::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == images_) SetImages(nullptr);
  if (component == stateImages_) SetStateImages(nullptr);
}

TTreeNode* TCustomTreeView::Selected() {
  return items_->NodeOf(reinterpret_cast<HTREEITEM>(SendMessageA(Handle(), TVM_GETNEXTITEM, TVGN_CARET, 0)));
}

void TCustomTreeView::SetSelected(TTreeNode* node) {
  SendMessageA(Handle(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node != nullptr ? node->item_ : nullptr));
}

TTreeNode* TCustomTreeView::TopItem() {
  return items_->NodeOf(reinterpret_cast<HTREEITEM>(SendMessageA(Handle(), TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0)));
}

void TCustomTreeView::SetTopItem(TTreeNode* node) {
  if (node != nullptr) SendMessageA(Handle(), TVM_SELECTITEM, TVGN_FIRSTVISIBLE, reinterpret_cast<LPARAM>(node->item_));
}

TTreeNode* TCustomTreeView::GetNodeAt(int x, int y) {
  TVHITTESTINFO hit{};
  hit.pt = POINT{x, y};
  auto item = reinterpret_cast<HTREEITEM>(SendMessageA(Handle(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  return (hit.flags & (TVHT_ONITEM | TVHT_ONITEMBUTTON)) != 0 ? items_->NodeOf(item) : nullptr;
}

void TCustomTreeView::FullExpand() {
  for (TTreeNode* node = items_->GetFirstNode(); node != nullptr; node = node->GetNextSibling()) node->Expand(true);
}

void TCustomTreeView::FullCollapse() {
  for (TTreeNode* node = items_->GetFirstNode(); node != nullptr; node = node->GetNextSibling()) node->Collapse(true);
}

bool TCustomTreeView::CanExpand(TTreeNode* node) {
  bool allow = true;
  OnExpanding(this, node, allow);
  return allow;
}

bool TCustomTreeView::CanChange(TTreeNode* node) {
  bool allow = true;
  OnChanging(this, node, allow);
  return allow;
}

bool TCustomTreeView::Edit(TTreeNode* node, AnsiString& text) {
  OnEdited(this, node, text);
  return true;
}

void TCustomTreeView::GetDispInfo(NMTVDISPINFOA* info) {
  auto* node = reinterpret_cast<TTreeNode*>(info->item.lParam);
  if (node == nullptr) return;
  if ((info->item.mask & TVIF_IMAGE) != 0) {
    GetImageIndex(node);
    info->item.iImage = node->ImageIndex();
  }
  if ((info->item.mask & TVIF_SELECTEDIMAGE) != 0) {
    GetSelectedIndex(node);
    info->item.iSelectedImage = node->SelectedIndex();
  }
}

void TCustomTreeView::ItemDeleted(const NMTREEVIEWA* info) {
  auto* node = reinterpret_cast<TTreeNode*>(info->itemOld.lParam);
  if (node == nullptr || dropping_) return;
  Delete(node);
  delete node;
}

void TCustomTreeView::CNNotify(TMessage& message) {
  auto* header = reinterpret_cast<NMHDR*>(message.LParam);
  message.Result = 0;
  switch (header->code) {
    case TVN_ITEMEXPANDINGA: {
      const auto* info = reinterpret_cast<NMTREEVIEWA*>(message.LParam);
      auto* node = reinterpret_cast<TTreeNode*>(info->itemNew.lParam);
      if (info->action == TVE_EXPAND && !expanding_ && node != nullptr && !CanExpand(node)) message.Result = TRUE;
      return;
    }
    case TVN_SELCHANGINGA: {
      auto* node = reinterpret_cast<TTreeNode*>(reinterpret_cast<NMTREEVIEWA*>(message.LParam)->itemNew.lParam);
      if (!CanChange(node)) message.Result = TRUE;
      return;
    }
    case TVN_SELCHANGEDA:
      Change(reinterpret_cast<TTreeNode*>(reinterpret_cast<NMTREEVIEWA*>(message.LParam)->itemNew.lParam));
      return;
    case TVN_DELETEITEMA:
      ItemDeleted(reinterpret_cast<NMTREEVIEWA*>(message.LParam));
      return;
    case TVN_GETDISPINFOA:
      GetDispInfo(reinterpret_cast<NMTVDISPINFOA*>(message.LParam));
      return;
    case TVN_ENDLABELEDITA: {
      auto* info = reinterpret_cast<NMTVDISPINFOA*>(message.LParam);
      auto* node = reinterpret_cast<TTreeNode*>(info->item.lParam);
      if (info->item.pszText == nullptr || node == nullptr) return;
      AnsiString text = info->item.pszText;
      if (!Edit(node, text)) return;
      node->text_ = text;
      message.Result = TRUE;
      return;
    }
    case NM_RCLICK: {
      if (!rightClickSelect_) return;
      POINT p;
      GetCursorPos(&p);
      ::ScreenToClient(Handle(), &p);
      if (TTreeNode* node = GetNodeAt(p.x, p.y)) SetSelected(node);
      return;
    }
    default:
      return;
  }
}

void TCustomTreeView::Dispatch(TMessage& message) {
  if (message.Msg == CN_NOTIFY) {
    CNNotify(message);
    return;
  }
  if (message.Msg == CM_COLORCHANGED || message.Msg == CM_FONTCHANGED) ApplyColors();
  TWinControl::Dispatch(message);
}
