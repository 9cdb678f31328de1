// The size panel: an edge-aligned panel with a size bar on its inner edge, its margins in
// the parent's free space, dragging the bar, the hot spot's collapse and restore, the bar's
// cursors and painting.
#include "classlib/formres/Filer.h"
#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/SysUtils.h"
#include "framed/FrSplit.h"

namespace {

// The extra pixel a real-time step or a collapse adds to the extent.
constexpr int kExtentExtra = 1;

}  // namespace

TFrCustomSizePanel::TFrCustomSizePanel(TComponent* owner) : TFrCustomPanel(owner) {
  SetBorderOuter(fsNone);
  SetAlign(alLeft);
}

// ---- Geometry ----

void TFrCustomSizePanel::SizeBarRect(TRect& rect) {
  switch (Align()) {
    case alTop: rect = Rect(0, Height() - sizeBarWidth_, Width(), Height()); break;
    case alBottom: rect = Rect(0, 0, Width(), sizeBarWidth_); break;
    case alLeft: rect = Rect(Width() - sizeBarWidth_, 0, Width(), Height()); break;
    case alRight: rect = Rect(0, 0, sizeBarWidth_, Height()); break;
    default: rect = Rect(0, 0, 0, 0);
  }
  UpdateHotSpotRect(rect);
}

void TFrCustomSizePanel::UpdateHotSpotRect(const TRect& bar) {
  hotSpotRect_ = bar;
  const bool alongX = BarAlongX();
  const int length = alongX ? bar.Width() : bar.Height();
  const int half = static_cast<int>(Round(hotSpotSizePercent_ / 100.0 * length)) / 2;
  const int centre = (alongX ? bar.Left : bar.Top) + length / 2;
  if (alongX) {
    hotSpotRect_.Left = centre - half;
    hotSpotRect_.Right = centre + half;
  } else {
    hotSpotRect_.Top = centre - half;
    hotSpotRect_.Bottom = centre + half;
  }
}

void TFrCustomSizePanel::CutBarSide(TRect& rect, int room) const {
  switch (Align()) {
    case alTop: rect.Bottom -= room; break;
    case alBottom: rect.Top += room; break;
    case alLeft: rect.Right -= room; break;
    case alRight: rect.Left += room; break;
    default: break;
  }
}

// The children lie beside the bar and the pixel that parts them from it.
void TFrCustomSizePanel::AdjustClientRect(TRect& rect) {
  TFrCustomPanel::AdjustClientRect(rect);
  CutBarSide(rect, sizeBarWidth_ + 1);
}

// The borders are painted beside the bar.
void TFrCustomSizePanel::PaintRect(TRect& rect) {
  TFrCustomPanel::PaintRect(rect);
  CutBarSide(rect, sizeBarWidth_);
}

void TFrCustomSizePanel::AvailableRect(TRect& rect) {
  TWinControl* parent = Parent();
  if (parent == nullptr) throw Exception("No parent specified");
  rect = parent->ClientRect();
  for (int i = 0; i < parent->ControlCount(); ++i) {
    const TControl* control = parent->Controls(i);
    if (!control->Visible()) continue;
    switch (control->Align()) {
      case alTop: rect.Top += control->Height(); break;
      case alBottom: rect.Bottom -= control->Height(); break;
      case alLeft: rect.Left += control->Width(); break;
      case alRight: rect.Right -= control->Width(); break;
      default: break;
    }
  }
}

void TFrCustomSizePanel::ClampExtent(int& pos) {
  TRect a;
  AvailableRect(a);
  const int least = marginMin_ + sizeBarWidth_ + 1;
  int lo = pos, hi = pos;
  switch (Align()) {
    case alTop: lo = least, hi = a.Bottom - marginMax_ - Top(); break;
    case alBottom: lo = a.Top + marginMax_ - Top(), hi = Height() - least; break;
    case alLeft: lo = least, hi = a.Right - marginMax_ - Left(); break;
    case alRight: lo = a.Left + marginMax_ - Left(), hi = Width() - least; break;
    default: return;
  }
  if (pos < lo) pos = lo;
  if (pos > hi) pos = hi;
}

int TFrCustomSizePanel::MaxExtent() {
  TRect a;
  AvailableRect(a);
  switch (Align()) {
    case alTop: return a.Bottom - Top();
    case alBottom: return a.Bottom + Height() - a.Top;
    case alLeft: return a.Right - Left();
    case alRight: return a.Right + Width() - a.Left;
    default: return 0;
  }
}

int TFrCustomSizePanel::Origin() const {
  if (Align() == alLeft) return Width();
  if (Align() == alTop) return Height();
  return 0;
}

void TFrCustomSizePanel::SetExtent(int extent) {
  if (BarAlongX()) SetHeight(extent);
  else SetWidth(extent);
}

// Top and left panels end at the bar; bottom and right ones grow as the bar moves away
// from their far edge (in real time that edge follows the bar, so each step counts from
// the panel's present extent).
int TFrCustomSizePanel::ExtentAt(int pos, int extra) const {
  switch (Align()) {
    case alTop:
    case alLeft: return pos + extra;
    case alBottom: return drag_.start + Height() - pos - extra;
    case alRight: return drag_.start + Width() - pos - extra;
    default: return Extent();
  }
}

bool TFrCustomSizePanel::Enlarges(int pos, int last) const {
  return (Align() == alTop || Align() == alLeft) ? pos > last : pos < last;
}

// ---- Properties ----

void TFrCustomSizePanel::SetSizeBarWidth(int value) {
  if (value < 1 || value == sizeBarWidth_) return;
  sizeBarWidth_ = value;
  Realign();
  Invalidate();
}

void TFrCustomSizePanel::SetSizeBarStyle(TSplitterStyle value) {
  if (value == sizeBarStyle_) return;
  sizeBarStyle_ = value;
  if (value != ssStandard && sizeBarWidth_ < 6) SetSizeBarWidth(6);
  Invalidate();
}

void TFrCustomSizePanel::SetMarginMin(int value) {
  marginMin_ = value < 0 ? 0 : value;
  const int most = MaxExtent();
  if (most < marginMin_ + marginMax_) marginMin_ = most - marginMax_;
}

void TFrCustomSizePanel::SetMarginMax(int value) {
  marginMax_ = value < 0 ? 0 : value;
  const int most = MaxExtent();
  if (most < marginMin_ + marginMax_) marginMax_ = most - marginMin_;
}

void TFrCustomSizePanel::SetHotSpotVisible(bool value) {
  if (value == hotSpotVisible_) return;
  hotSpotVisible_ = value;
  if (!value) hotSpotClosed_ = false;
  if (value && sizeBarWidth_ < 7) SetSizeBarWidth(7);
  Invalidate();
}

void TFrCustomSizePanel::SetHotSpotHighlight(TColor value) {
  if (value == hotSpotHighlight_) return;
  hotSpotHighlight_ = value;
  Invalidate();
}

void TFrCustomSizePanel::SetHotSpotSizePercent(int value) {
  if (value == hotSpotSizePercent_) return;
  hotSpotSizePercent_ = value;
  Invalidate();
}

void TFrCustomSizePanel::ClearHotSpotState() { hotSpotClosed_ = false; }

void TFrCustomSizePanel::DefineProperties(TFiler* filer) {
  TFrCustomPanel::DefineProperties(filer);
  filer->DefineProperty("HotSpotClosed", [this](const TValueReader& value) { hotSpotClosed_ = value.ReadBoolean(); });
  filer->DefineProperty("HotSpotPosition", [this](const TValueReader& value) { restoreExtent_ = value.ReadInteger(); });
}

// ---- Dragging and the hot spot ----

void TFrCustomSizePanel::DrawDragBar(int pos) {
  TRect bar;
  SizeBarRect(bar);
  TPoint at;
  switch (Align()) {
    case alTop: at = Point(0, pos - sizeBarWidth_); break;
    case alBottom: at = Point(0, pos + 1); break;
    case alLeft: at = Point(pos - sizeBarWidth_, 0); break;
    default: at = Point(pos + 1, 0);
  }
  tools_.InvertOnScreen(ClientToScreen(at), bar.Width(), bar.Height());
}

void TFrCustomSizePanel::InvertDragBar(int pos) {
  if (!realTimeDrag_) DrawDragBar(pos);
}

void TFrCustomSizePanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TFrCustomPanel::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  TPoint p;
  CursorClientPos(p);
  TRect bar;
  SizeBarRect(bar);
  if (!drag_.Press(this, p, bar, hotSpotRect_, hotSpotVisible_, lockBar_)) return;
  drag_.grabOffset = BarAlongX() ? p.Y - Height() / 2 : p.X - Width() / 2;
  drag_.start = Origin();
  startWidth_ = Width();
  startHeight_ = Height();
  InvertDragBar(drag_.start);
  drag_.last = drag_.start;
}

void TFrCustomSizePanel::MouseMove(TShiftState shift, int x, int y) {
  TFrCustomPanel::MouseMove(shift, x, y);
  if (!drag_.Follows(lockBar_)) return;
  int pos = BarAlongX() ? y + drag_.start - startHeight_ / 2 : x + drag_.start - startWidth_ / 2;
  pos -= drag_.grabOffset;
  ClampExtent(pos);
  if (pos == drag_.last) return;
  drag_.hotSpotPressed = false;
  if (Enlarges(pos, drag_.last)) hotSpotClosed_ = false;
  InvertDragBar(drag_.last);
  InvertDragBar(pos);
  if (realTimeDrag_) SetExtent(ExtentAt(pos, kExtentExtra));
  drag_.last = pos;
}

void TFrCustomSizePanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TFrCustomPanel::MouseUp(button, shift, x, y);
  if (button != mbLeft || !drag_.Release(this)) return;
  if (!realTimeDrag_) {
    InvertDragBar(drag_.last);
    SetExtent(ExtentAt(drag_.last, 0));
  }
  if (drag_.hotSpotPressed) FinishHotSpotClick(Point(x, y));
  drag_.hotSpotPressed = false;
}

void TFrCustomSizePanel::FinishHotSpotClick(TPoint releasePoint) {
  if (!PointInBar(hotSpotRect_, releasePoint)) return;
  hotSpotClosed_ = !hotSpotClosed_;
  if (!hotSpotClosed_) {
    int extent = restoreExtent_;
    if (Align() == alTop || Align() == alLeft) ClampExtent(extent);
    SetExtent(extent);
  } else {
    restoreExtent_ = Extent();
    SetExtent(sizeBarWidth_ + kExtentExtra + (hotSpotIgnoreMargins_ ? 0 : marginMin_));
  }
  HotSpotClick();
}

// Highlights the hot spot once when the pointer enters it and takes the highlight back
// once when it leaves.
void TFrCustomSizePanel::UpdateHotSpotHighlight() {
  if (!hotSpotVisible_) return;
  TPoint p;
  CursorClientPos(p);
  TRect bar;
  SizeBarRect(bar);  // places the hot spot for the present size
  const auto change = drag_.Track(PointInBar(hotSpotRect_, p), false);
  if (change != TBarDrag::THighlight::kKeep) {
    PaintOnWindow(this, [&] { PaintHotSpot(change == TBarDrag::THighlight::kLit); });
  }
}

void TFrCustomSizePanel::Dispatch(TMessage& message) {
  if (message.Msg == CM_MOUSELEAVE) {
    TFrCustomPanel::Dispatch(message);
    if (!(drag_.hotSpotPressed && lockBar_)) UpdateHotSpotHighlight();
    return;
  }
  if (message.Msg != WM_SETCURSOR || reinterpret_cast<HWND>(message.WParam) != Handle()) {
    TFrCustomPanel::Dispatch(message);
    return;
  }
  UpdateHotSpotHighlight();
  TPoint p;
  CursorClientPos(p);
  TRect bar;
  SizeBarRect(bar);
  HCURSOR cursor = tools_.CursorAt(p, bar, hotSpotRect_, hotSpotVisible_, lockBar_, BarAlongX());
  if (cursor == nullptr) {
    TFrCustomPanel::Dispatch(message);
    return;
  }
  ::SetCursor(cursor);
  message.Result = 1;
}

// ---- Painting ----

void TFrCustomSizePanel::Paint() {
  TFrCustomPanel::Paint();
  PaintBar();
}

void TFrCustomSizePanel::PaintBar() {
  TRect bar;
  SizeBarRect(bar);
  PaintBarFace(Canvas(), bar, Color(), sizeBarStyle_, BarAlongX(), true);
  if (hotSpotVisible_) PaintHotSpot(false);
}

// The triangles point where a click moves the bar: towards the parent's edge while open.
void TFrCustomSizePanel::PaintHotSpot(bool highlight) {
  THotSpotPainter painter(Canvas(), hotSpotRect_, BarAlongX());
  painter.Frame(highlight ? hotSpotRect_ : TRect{}, hotSpotHighlight_);
  const bool firstSide = Align() == alTop || Align() == alLeft;
  const bool towardsFirst = firstSide != hotSpotClosed_;
  painter.Arrows(towardsFirst, towardsFirst);
  painter.GripDots(false);
}
