// The splitter under the mouse: dragging the bar (an inverted bar on the screen until the
// release, or the panes following at once with RealTimeDrag), the hot-spot click that
// collapses a pane and restores it, the bar's cursors and the hot spot's highlight.
#include <climits>

#include "framed/FrSplit.h"

void TFrSplitter::DrawDragBar(int pos) {
  const int depth = BorderDepth();
  const TPoint client = Vertical() ? Point(depth, depth + pos) : Point(depth + pos, depth);
  tools_.InvertOnScreen(ClientToScreen(client), barRect_.Width(), barRect_.Height());
}

void TFrSplitter::InvertDragBar(int pos) {
  if (!realTimeDrag_) DrawDragBar(pos);
}

void TFrSplitter::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TFrCustomPanel::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  TPoint p;
  CursorClientPos(p);
  if (!drag_.Press(this, p, barRect_, hotSpotRect_, hotSpotVisible_, lockBar_)) return;
  drag_.grabOffset = Vertical() ? p.Y - Height() / 2 : p.X - Width() / 2;
  drag_.start = position_;
  InvertDragBar(position_);
  drag_.last = position_;
}

void TFrSplitter::MouseMove(TShiftState shift, int x, int y) {
  TFrCustomPanel::MouseMove(shift, x, y);
  if (!drag_.Follows(lockBar_)) return;
  int pos = AlongExtent(x, y) + drag_.start - Extent() / 2 - drag_.grabOffset;
  ClampPosition(pos);
  bool allow = true;
  OnChanging(this, pos, allow);
  if (!allow || pos == drag_.last) return;
  // A move ends a collapse and turns a press on the hot spot into a drag.
  ClearHotSpotState();
  drag_.hotSpotPressed = false;
  InvertDragBar(drag_.last);
  InvertDragBar(pos);
  if (realTimeDrag_) {
    SetPosition(pos);
    SetPreferredExtent(pos);
  }
  drag_.last = pos;
}

void TFrSplitter::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TFrCustomPanel::MouseUp(button, shift, x, y);
  if (button != mbLeft || !drag_.Release(this)) return;
  if (!realTimeDrag_) {
    InvertDragBar(drag_.last);
    SetPosition(drag_.last);
    SetPreferredExtent(drag_.last);
  }
  if (drag_.hotSpotPressed) FinishHotSpotClick(Point(x, y));
  drag_.hotSpotPressed = false;
}

void TFrSplitter::FinishHotSpotClick(TPoint releasePoint) {
  if (!PointInBar(hotSpotRect_, releasePoint)) return;
  if (hotSpotClosed_) {
    ClearHotSpotState();
    SetPosition(restorePosition_);
    SetPreferredExtent(position_);
  } else {
    CollapseFrom(releasePoint);
  }
  HotSpotClick();
}

// hsdBoth collapses the pane on the side of the half clicked: the left half of a flat hot
// spot, the upper half of an upright one, collapses the first pane.
void TFrSplitter::CollapseFrom(TPoint releasePoint) {
  restorePosition_ = position_;
  const TPoint centre = Point((hotSpotRect_.Left + hotSpotRect_.Right) / 2, (hotSpotRect_.Top + hotSpotRect_.Bottom) / 2);
  const bool firstHalf = Vertical() ? releasePoint.X < centre.X : releasePoint.Y < centre.Y;
  const bool toMin = hotSpotDirection_ == hsdMin || (hotSpotDirection_ == hsdBoth && firstHalf);
  hotSpotClosed_ = true;
  hotSpotClosedToMin_ = toMin;
  hotSpotClosedToMax_ = !toMin;
  SetPosition(toMin ? 0 : INT_MAX);
}

void TFrSplitter::ClearHotSpotState() {
  hotSpotClosed_ = false;
  hotSpotClosedToMin_ = false;
  hotSpotClosedToMax_ = false;
}

// Highlights the hot spot once when the pointer enters it (with hsdBoth at every move, as
// the lit half follows the pointer) and takes the highlight back once when it leaves.
void TFrSplitter::UpdateHotSpotHighlight(bool repeatInside) {
  if (!hotSpotVisible_) return;
  TPoint p;
  CursorClientPos(p);
  const auto change = drag_.Track(PointInBar(hotSpotRect_, p), repeatInside && hotSpotDirection_ == hsdBoth);
  if (change != TBarDrag::THighlight::kKeep) {
    PaintOnWindow(this, [&] { PaintHotSpot(change == TBarDrag::THighlight::kLit, p); });
  }
}

void TFrSplitter::Dispatch(TMessage& message) {
  if (message.Msg == WM_SHOWWINDOW) {
    TFrCustomPanel::Dispatch(message);
    if (!ComponentState().Contains(csDestroying)) {
      upperLeft_->Invalidate();
      lowerRight_->Invalidate();
    }
    return;
  }
  if (message.Msg == CM_MOUSELEAVE) {
    TFrCustomPanel::Dispatch(message);
    UpdateHotSpotHighlight(false);
    return;
  }
  if (message.Msg != WM_SETCURSOR || reinterpret_cast<HWND>(message.WParam) != Handle()) {
    TFrCustomPanel::Dispatch(message);
    return;
  }
  UpdateHotSpotHighlight(true);
  TPoint p;
  CursorClientPos(p);
  HCURSOR cursor = tools_.CursorAt(p, barRect_, hotSpotRect_, hotSpotVisible_, lockBar_, Vertical());
  if (cursor == nullptr) {
    TFrCustomPanel::Dispatch(message);
    return;
  }
  ::SetCursor(cursor);
  message.Result = 1;
}
