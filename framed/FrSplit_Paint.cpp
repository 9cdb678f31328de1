// The splitter's bar: its grips by SplitterStyle and the hot spot with its triangles and
// grip dots.
#include "framed/FrSplit.h"

void TFrSplitter::Paint() {
  TFrCustomPanel::Paint();
  PaintBar();
}

void TFrSplitter::PaintBar() {
  const bool bothPanes = upperLeft_->Visible() && lowerRight_->Visible();
  if (!bothPanes) return;
  PaintBarFace(Canvas(), barRect_, Color(), splitterStyle_, Vertical(), splitterStyle_ != ssStandard);
  if (hotSpotVisible_) PaintHotSpot(false, Point(0, 0));
}

// Up (or left) points at the first pane: where a click sends the bar.
bool TFrSplitter::TriangleTowardsFirst(bool atStart) const {
  switch (hotSpotDirection_) {
    case hsdMin: return !hotSpotClosed_;
    case hsdMax: return hotSpotClosed_;
    default: return hotSpotClosed_ ? hotSpotClosedToMax_ : atStart;
  }
}

void TFrSplitter::PaintHotSpot(bool highlight, TPoint mousePos) {
  THotSpotPainter painter(Canvas(), hotSpotRect_, Vertical());
  TRect lit;
  if (highlight) {
    lit = hotSpotRect_;
    const bool halves = hotSpotDirection_ == hsdBoth && !hotSpotClosed_;
    const int c = painter.Centre();
    const bool firstHalf = (Vertical() ? mousePos.X : mousePos.Y) < c;
    if (halves && Vertical()) (firstHalf ? lit.Right : lit.Left) = c;
    if (halves && !Vertical()) (firstHalf ? lit.Bottom : lit.Top) = c;
  }
  painter.Frame(lit, hotSpotHighlight_);
  const bool open2way = hotSpotDirection_ == hsdBoth && !hotSpotClosed_;
  if (open2way) painter.Divider();
  painter.Arrows(TriangleTowardsFirst(true), TriangleTowardsFirst(false));
  painter.GripDots(open2way);
}
