// TspCustomSplitter: finding the neighbour, live resizing while dragged, Escape.
#include "classlib/windowing/Forms.h"
#include "skin/controls/Skinctrls_Splitter.h"

namespace {

bool Inside(const TRect& r, const TPoint& p) {
  return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom;
}

}  // namespace

TspCustomSplitter::TspCustomSplitter(TComponent* owner) : TspSkinControl(owner) {
  SetAlign(alLeft);
  SetBounds(Left(), Top(), 3, 100);
  SetCursor(crHSplit);
  SetParentColor(true);
}

TspCustomSplitter::~TspCustomSplitter() { ReturnKeys(); }

void TspCustomSplitter::BoundsChanged() {
  TspSkinControl::BoundsChanged();
  if (Cursor() == crHSplit || Cursor() == crVSplit) SetCursor(LyingSplitter(Align()) ? crVSplit : crHSplit);
  if (ComponentState().Contains(csDesigning)) SetSkinDataName(SplitterLookName(Align()));
}

// The neighbour and the limits

TControl* TspCustomSplitter::FindNeighbour() const {
  if (Parent() == nullptr) return nullptr;
  TPoint probe{Left(), Top()};
  switch (Align()) {
    case alTop: probe.Y -= 1; break;
    case alLeft: probe.X -= 1; break;
    case alBottom: probe.Y += Height(); break;
    case alRight: probe.X += Width(); break;
    default: return nullptr;
  }
  const bool beforeIt = Align() == alTop || Align() == alLeft;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    TControl* control = Parent()->Controls(i);
    if (control == this || !control->Visible() || !control->Enabled()) continue;
    TRect bounds = control->BoundsRect();
    // A collapsed neighbour is still found just beside the splitter.
    if (bounds.Width() == 0) (beforeIt ? bounds.Left : bounds.Right) += beforeIt ? -1 : 1;
    if (bounds.Height() == 0) (beforeIt ? bounds.Top : bounds.Bottom) += beforeIt ? -1 : 1;
    if (Inside(bounds, probe)) return control;
  }
  return nullptr;
}

int TspCustomSplitter::MaxSize() const {
  const bool upright = !LyingSplitter(Align());
  int size = (upright ? Parent()->ClientWidth() : Parent()->ClientHeight()) - minSize_;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    const TControl* control = Parent()->Controls(i);
    if (upright && control->Visible() && (control->Align() == alLeft || control->Align() == alRight))
      size -= control->Width();
    else if (!upright && LyingSplitter(control->Align()))
      size -= control->Height();
  }
  return size + (upright ? neighbour_->Width() : neighbour_->Height());
}

void TspCustomSplitter::CalcSplitSize(int x, int y, int& newSize, int& split) const {
  split = LyingSplitter(Align()) ? y - down_.Y : x - down_.X;
  int wanted = 0;
  switch (Align()) {
    case alTop: wanted = neighbour_->Height() + split; break;
    case alBottom: wanted = neighbour_->Height() - split; break;
    case alLeft: wanted = neighbour_->Width() + split; break;
    case alRight: wanted = neighbour_->Width() - split; break;
    default: break;
  }
  newSize = std::clamp(wanted, minSize_, std::max(minSize_, maxSize_));
  if (newSize == wanted) return;
  const bool farSide = Align() == alBottom || Align() == alRight;
  split += farSide ? wanted - newSize : newSize - wanted;
}

bool TspCustomSplitter::CanResize(int& newSize) {
  bool accept = true;
  OnCanResize(this, newSize, accept);
  return accept;
}

// Dragging

void TspCustomSplitter::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TspSkinControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  neighbour_ = FindNeighbour();
  down_ = TPoint{x, y};
  if (neighbour_ == nullptr) return;
  FreeNotification(neighbour_);
  maxSize_ = MaxSize();
  CalcSplitSize(x, y, newSize_, split_);
  BorrowKeys();
}

void TspCustomSplitter::MouseMove(TShiftState shift, int x, int y) {
  TspSkinControl::MouseMove(shift, x, y);
  if (!shift.Contains(ssLeft) || neighbour_ == nullptr) return;
  int size = 0;
  int split = 0;
  CalcSplitSize(x, y, size, split);
  if (!DoCanResize(size)) return;
  if (size <= minSize_ && autoSnap_) size = 0;
  newSize_ = size;
  split_ = split;
  ApplySize(size);
}

void TspCustomSplitter::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TspSkinControl::MouseUp(button, shift, x, y);
  if (neighbour_ == nullptr) return;
  ApplySize(newSize_);
  StopSizing();
}

void TspCustomSplitter::ApplySize(int size) {
  if (size == oldSize_) return;
  switch (Align()) {
    case alTop: neighbour_->SetHeight(size); break;
    case alLeft: neighbour_->SetWidth(size); break;
    case alBottom:
      Parent()->DisableAlign();
      neighbour_->SetBounds(neighbour_->Left(), neighbour_->Top() + neighbour_->Height() - size, neighbour_->Width(),
                            size);
      Parent()->EnableAlign();
      break;
    case alRight:
      Parent()->DisableAlign();
      neighbour_->SetBounds(neighbour_->Left() + neighbour_->Width() - size, neighbour_->Top(), size,
                            neighbour_->Height());
      Parent()->EnableAlign();
      break;
    default: break;
  }
  Update();
  OnMoved(this);
  oldSize_ = size;
}

void TspCustomSplitter::StopSizing() {
  if (neighbour_ != nullptr) {
    neighbour_ = nullptr;
    ReturnKeys();
  }
  OnMoved(this);
}

// The keys of the form's active control during a drag

void TspCustomSplitter::BorrowKeys() {
  TCustomForm* form = GetParentForm(this);
  if (form == nullptr || form->ActiveControl() == nullptr) return;
  keysOwner_ = form->ActiveControl();
  FreeNotification(keysOwner_);
  oldKeyDown_ = keysOwner_->OnKeyDown;
  keysOwner_->OnKeyDown = TKeyEvent(this, &TspCustomSplitter::SplitterKeyDown);
}

void TspCustomSplitter::ReturnKeys() {
  if (keysOwner_ == nullptr) return;
  keysOwner_->OnKeyDown = oldKeyDown_;
  keysOwner_ = nullptr;
  oldKeyDown_.Clear();
}

void TspCustomSplitter::SplitterKeyDown(TObject* sender, WORD& key, TShiftState shift) {
  if (key == VK_ESCAPE) StopSizing();
  else oldKeyDown_(sender, key, shift);
}

void TspCustomSplitter::Notification(TComponent* component, TOperation operation) {
  TspSkinControl::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == neighbour_) neighbour_ = nullptr;
  if (component == keysOwner_) {
    keysOwner_ = nullptr;
    oldKeyDown_.Clear();
  }
}
