#include "classlib/stdctrls/Splitter.h"

#include <algorithm>

#include "classlib/stdctrls/Frame3D.h"
#include "classlib/windowing/WinControl.h"

TSplitter::TSplitter(TComponent* owner) : TGraphicControl(owner) {
  SetAlign(alLeft);
  SetBounds(Left(), Top(), 3, 100);
  SetCursor(crHSplit);
  SetColor(clBtnFace);
  SetParentColor(true);
}

void TSplitter::SetBeveled(bool value) {
  beveled_ = value;
  Invalidate();
}

TControl* TSplitter::FindNeighbour() const {
  TWinControl* parent = Parent();
  if (parent == nullptr) return nullptr;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* c = parent->Controls(i);
    if (c == this || !c->Visible() || c->Align() != Align()) continue;
    const bool touches = (Align() == alLeft && c->Left() + c->Width() == Left()) ||
                         (Align() == alRight && c->Left() == Left() + Width()) ||
                         (Align() == alTop && c->Top() + c->Height() == Top()) ||
                         (Align() == alBottom && c->Top() == Top() + Height());
    if (touches) return c;
  }
  return nullptr;
}

int TSplitter::NeighbourSize() const { return Horizontal() ? neighbour_->Width() : neighbour_->Height(); }

int TSplitter::MaxSize() const {
  // The neighbour may take the space up to the far side of the parent, but for the
  // splitter itself and MinSize left to the rest.
  const TRect client = Parent()->ClientRect();
  switch (Align()) {
    case alLeft:
      return client.Right - neighbour_->Left() - Width() - minSize_;
    case alRight:
      return neighbour_->Left() + neighbour_->Width() - client.Left - Width() - minSize_;
    case alTop:
      return client.Bottom - neighbour_->Top() - Height() - minSize_;
    default:
      return neighbour_->Top() + neighbour_->Height() - client.Top - Height() - minSize_;
  }
}

int TSplitter::SizeAt(int x, int y) const {
  const int delta = Horizontal() ? x - down_.X : y - down_.Y;
  const bool grows = Align() == alLeft || Align() == alTop;
  int size = startSize_ + (grows ? delta : -delta);
  size = std::min(size, std::max(MaxSize(), 0));
  if (size < minSize_) size = autoSnap_ ? 0 : minSize_;
  return size;
}

bool TSplitter::CanResize(int& newSize) {
  bool accept = true;
  OnCanResize(this, newSize, accept);
  return accept;
}

void TSplitter::ApplySize(int size) {
  if (Horizontal()) neighbour_->SetWidth(size);
  else neighbour_->SetHeight(size);
  if (Parent() != nullptr) Parent()->Update();
}

void TSplitter::ToggleLine() {
  TWinControl* parent = Parent();
  if (parent == nullptr || !parent->HandleAllocated()) return;
  HDC dc = GetDCEx(parent->Handle(), nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
  if (Horizontal()) PatBlt(dc, linePos_, Top(), Width(), Height(), DSTINVERT);
  else PatBlt(dc, Left(), linePos_, Width(), Height(), DSTINVERT);
  ReleaseDC(parent->Handle(), dc);
  lineShown_ = !lineShown_;
}

void TSplitter::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  neighbour_ = FindNeighbour();
  if (neighbour_ == nullptr) return;
  down_ = Point(x, y);
  startSize_ = newSize_ = NeighbourSize();
}

void TSplitter::MouseMove(TShiftState shift, int x, int y) {
  TGraphicControl::MouseMove(shift, x, y);
  if (Cursor() != (Horizontal() ? crHSplit : crVSplit)) SetCursor(Horizontal() ? crHSplit : crVSplit);
  if (neighbour_ == nullptr || !shift.Contains(ssLeft)) return;
  int size = SizeAt(x, y);
  if (size == newSize_ || !CanResize(size)) return;
  if (resizeStyle_ == rsUpdate) {
    // Moving the neighbour moves the splitter: the pointer keeps its place on it.
    const int moved = size - newSize_;
    const bool grows = Align() == alLeft || Align() == alTop;
    if (Horizontal()) down_.X -= grows ? moved : -moved;
    else down_.Y -= grows ? moved : -moved;
    startSize_ = size;
    newSize_ = size;
    ApplySize(size);
    return;
  }
  if (lineShown_) ToggleLine();
  newSize_ = size;
  const int delta = newSize_ - startSize_;
  const bool grows = Align() == alLeft || Align() == alTop;
  linePos_ = (Horizontal() ? Left() : Top()) + (grows ? delta : -delta);
  if (resizeStyle_ != rsNone) ToggleLine();
}

void TSplitter::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseUp(button, shift, x, y);
  if (button != mbLeft || neighbour_ == nullptr) return;
  if (lineShown_) ToggleLine();
  if (resizeStyle_ != rsUpdate && newSize_ != NeighbourSize()) ApplySize(newSize_);
  neighbour_ = nullptr;
  OnMoved(this);
}

void TSplitter::Paint() {
  TCanvas* canvas = Canvas();
  TRect rect = ClientRect();
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(rect);
  if (beveled_) Frame3D(canvas, rect, clBtnHighlight, clBtnShadow, 1);
}
