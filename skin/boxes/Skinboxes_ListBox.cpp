#include "skin/boxes/Skinboxes_ListBox.h"

#include <algorithm>

#include "classlib/windowing/ControlMessages.h"

TspSkinCustomListBox::TspSkinCustomListBox(TComponent* owner) : TspSkinCustomControl(owner) {
  skinDataName_ = "listbox";
  TControlStyle style = ControlStyle();
  style << csAcceptsControls << csCaptureMouse << csClickEvents << csDoubleClicks << csOpaque;
  SetControlStyle(style);
  Font()->SetName("Arial");
  Font()->SetHeight(14);
  Font()->SetColor(clWindowText);
  listBox_ = new TspListBox(this);
  listBox_->OuterControl = this;
  listBox_->SetStyle(lbOwnerDrawFixed);
  listBox_->SetItemHeight(defaultItemHeight_);
  listBox_->SetParent(this);
  listBox_->SetVisible(true);
  SetBounds(Left(), Top(), 120, 120);
}

TspSkinCustomListBox::~TspSkinCustomListBox() {
  delete scrollBar_;
  listBox_->OuterControl = nullptr;
  delete listBox_;
}

void TspSkinCustomListBox::CreateParams(TCreateParams& params) {
  TspSkinCustomControl::CreateParams(params);
  params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

// Forwarded list properties

void TspSkinCustomListBox::SetItems(TStrings* items) {
  listBox_->SetItems(items);
  UpDateScrollBar();
}

void TspSkinCustomListBox::SetSorted(bool value) {
  if (scrollBar_ != nullptr) HideScrollBar();
  listBox_->SetSorted(value);
}

void TspSkinCustomListBox::Clear() {
  listBox_->Clear();
  UpDateScrollBar();
}

void TspSkinCustomListBox::SetDefaultItemHeight(int value) {
  defaultItemHeight_ = value;
  if (LookIndex() == -1) listBox_->SetItemHeight(value);
}

void TspSkinCustomListBox::SetRowCount(int value) {
  rowCount_ = value;
  if (rowCount_ != 0) SetBounds(Left(), Top(), Width(), CalcHeight(rowCount_));
  UpDateScrollBar();
}

void TspSkinCustomListBox::SetCaptionMode(bool value) {
  captionMode_ = value;
  CalcRects();
  Invalidate();
}

void TspSkinCustomListBox::SetDefaultCaptionHeight(int value) {
  defaultCaptionHeight_ = value;
  if (!captionMode_) return;
  CalcRects();
  Invalidate();
}

// Layout and scroll bar

int TspSkinCustomListBox::CalcHeight(int rows) {
  int height = rows * listBox_->ItemHeight() + 4;
  if (captionMode_) height += defaultCaptionHeight_;
  return height;
}

void TspSkinCustomListBox::CalcRects() {
  const int W = Width();
  const int H = Height();
  const int captionTop = captionMode_ ? defaultCaptionHeight_ : 1;
  TRect list = Rect(2, captionTop + 1, W - 2, H - 2);
  if (scrollBar_ != nullptr && scrollBar_->Visible()) {
    scrollBar_->SetBounds(W - 20, captionTop, 19, H - captionTop - 1);
    list.Right = scrollBar_->Left();
  }
  listBox_->SetBounds(list.Left, list.Top, list.Width(), list.Height());
}

void TspSkinCustomListBox::UpDateScrollBar() {
  if (listBox_ == nullptr || !listBox_->HandleAllocated()) return;
  const int count = listBox_->Items()->Count();
  if (rowCount_ > 0 && rowCount_ == count) {
    if (scrollBar_ != nullptr) HideScrollBar();
    return;
  }
  SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_POS, 0, 0, 0, 0, 0};
  GetScrollInfo(listBox_->Handle(), SB_VERT, &info);
  const int rows = listBox_->Height() / std::max(listBox_->ItemHeight(), 1);
  if (info.nMax > info.nMin && info.nPos <= info.nMax && rows < count) {
    if (scrollBar_ == nullptr) ShowScrollBar();
    scrollBar_->SetRange(info.nMin, info.nMax, info.nPos, rows);
    scrollBar_->SetLargeChange(rows);
  } else if (scrollBar_ != nullptr) {
    HideScrollBar();
  }
}

void TspSkinCustomListBox::ShowScrollBar() {
  scrollBar_ = new TspSkinScrollBar(this);
  scrollBar_->SetKind(sbVertical);
  scrollBar_->SetBounds(0, 0, 20, 100);
  scrollBar_->SetRange(0, scrollBar_->Max(), 0, 0);
  scrollBar_->OnChange = TNotifyEvent(this, &TspSkinCustomListBox::SBChange);
  scrollBar_->SetSkinDataName(LookIndex() == -1 ? AnsiString() : AnsiString("vscrollbar"));
  scrollBar_->SetSkinData(SkinData());
  scrollBar_->SetParent(this);
  CalcRects();
  scrollBar_->SetVisible(true);
  Invalidate();
}

void TspSkinCustomListBox::HideScrollBar() {
  scrollBar_->SetVisible(false);
  delete scrollBar_;
  scrollBar_ = nullptr;
  CalcRects();
}

void TspSkinCustomListBox::SBChange(TObject*) {
  SendMessageA(listBox_->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, scrollBar_->Position()), 0);
}

// Face

void TspSkinCustomListBox::CreateControlDefaultImage(TBitmap* bitmap) {
  TCanvas* canvas = bitmap->Canvas();
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(Rect(0, 0, bitmap->Width(), bitmap->Height()));
  canvas->Brush()->SetColor(clBtnShadow);
  canvas->FrameRect(Rect(0, 0, bitmap->Width(), bitmap->Height()));
}

void TspSkinCustomListBox::Dispatch(TMessage& message) {
  TspSkinCustomControl::Dispatch(message);
  if (message.Msg != WM_SIZE) return;
  CalcRects();
  UpDateScrollBar();
  if (scrollBar_ != nullptr) scrollBar_->Invalidate();
}

// The inner list's input, forwarded with this control as sender

void TspSkinCustomListBox::ListBoxMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  OnListBoxMouseDown(this, button, shift, x, y);
}

void TspSkinCustomListBox::ListBoxMouseMove(TShiftState shift, int x, int y) { OnListBoxMouseMove(this, shift, x, y); }

void TspSkinCustomListBox::ListBoxMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  OnListBoxMouseUp(this, button, shift, x, y);
}

void TspSkinCustomListBox::ListBoxClick() { OnListBoxClick(this); }

void TspSkinCustomListBox::ListBoxDblClick() { OnListBoxDblClick(this); }

void TspSkinCustomListBox::ListBoxKeyDown(WORD& key, TShiftState shift) { OnListBoxKeyDown(this, key, shift); }

void TspSkinCustomListBox::ListBoxKeyUp(WORD& key, TShiftState shift) { OnListBoxKeyUp(this, key, shift); }

void TspSkinCustomListBox::ListBoxKeyPress(char& key) { OnListBoxKeyPress(this, key); }

void TspSkinCustomListBox::ListBoxWProc(TMessage&, bool& passOn) { passOn = true; }
