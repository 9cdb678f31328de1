// Where a skinned form can be grabbed, sized and clicked: the frame's edges near the
// skin's outline (mask or form rectangle, "borderwidth" wide), the corners by the skin's
// hit-test points, everything else the client area or the component's own (HTOBJECT).
#include "skin/data/Sputils_Geometry.h"
#include "skin/form/Formskinner.h"
#include "skin/form/Formskinner_TextObjects.h"

namespace {


// Right and bottom edges excluded.
bool InRect(const TRect& r, const TPoint& p) { return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom; }

bool IsBlack(TBitmap* band, int x, int y) {
  if (x < 0 || y < 0 || x >= band->Width() || y >= band->Height()) return false;
  return (band->Canvas()->Pixels(x, y) & 0xFFFFFF) == 0;
}

}  // namespace

bool TspFormSkinner::PtInMask(const TPoint& p) const {
  const TRect& area = NewMaskRectArea;
  if (InRect(area, p)) return true;
  if (p.Y <= area.Top) return IsBlack(TopMask.get(), p.X, p.Y);
  if (p.Y >= area.Bottom) return IsBlack(BottomMask.get(), p.X, p.Y - area.Bottom);
  if (p.X <= area.Left) return IsBlack(LeftMask.get(), p.X, p.Y - area.Top);
  return IsBlack(RightMask.get(), p.X - area.Right, p.Y - area.Top);
}

bool TspFormSkinner::NearEdge(const TPoint& p) const {
  const int b = skinData_->BorderWidth;
  const TPoint probes[] = {Point(p.X - b, p.Y), Point(p.X, p.Y - b), Point(p.X + b, p.Y), Point(p.X, p.Y + b)};
  if (skinData_->MaskPicture->Empty()) {
    const TRect form = Rect(0, 0, NewFormWidth, NewFormHeight);
    for (const TPoint& probe : probes) {
      if (!InRect(form, probe)) return true;
    }
    return false;
  }
  if (InRect(NewMaskRectArea, p)) return false;
  for (const TPoint& probe : probes) {
    if (!PtInMask(probe)) return true;
  }
  return false;
}

// The sizing code of a point near the edge, or 0 where no zone holds it.
int TspFormSkinner::EdgeZone(const TPoint& p) const {
  const TPoint& lt = NewHitTestLTPoint;
  const TPoint& rt = NewHitTestRTPoint;
  const TPoint& lb = NewHitTestLBPoint;
  const TPoint& rb = NewHitTestRBPoint;
  if (p.X <= lt.X && p.Y <= lt.Y) return HTTOPLEFT;
  if (p.X >= rt.X && p.Y <= rt.Y) return HTTOPRIGHT;
  if (p.X <= lb.X && p.Y >= lb.Y) return HTBOTTOMLEFT;
  if (p.X >= rb.X && p.Y >= rb.Y) return HTBOTTOMRIGHT;
  if (InRect(Rect(lt.X, 0, rt.X, CurClRect.Top), p)) return HTTOP;
  if (InRect(Rect(lb.X, CurClRect.Bottom, rb.X, NewFormHeight), p)) return HTBOTTOM;
  if (InRect(Rect(0, lt.Y, CurClRect.Left, lb.Y), p)) return HTLEFT;
  if (InRect(Rect(CurClRect.Right, rt.Y, NewFormWidth, rb.Y), p)) return HTRIGHT;
  return 0;
}

// A caption object answers HTCAPTION: the platform moves the form by it.
int TspFormSkinner::NewNCHitTest(const TPoint& p) {
  CalcRects();
  const bool onCaption = OnCaptionObject(p);
  if (RollUpState || WindowState == spwsMinimized) return onCaption ? HTCAPTION : HTOBJECT;
  const bool inClient = InRect(CurClRect, p);
  if (ActiveObject != -1 && !onCaption && !inClient && !InSizeMove) return HTOBJECT;
  if (WindowState != spwsMaximized && Sizeable && NearEdge(p)) {
    if (const int zone = EdgeZone(p)) return zone;
  }
  if (inClient) return HTCLIENT;
  return onCaption ? HTCAPTION : HTOBJECT;
}

// On a caption and on no object drawn over it (a caption button stays a button).
bool TspFormSkinner::OnCaptionObject(const TPoint& p) const {
  const int index = ObjectAt(p);
  return index != -1 && dynamic_cast<TspSkinCaptionObject*>(ObjectList[static_cast<size_t>(index)].get()) != nullptr;
}

int TspFormSkinner::NewHitTest(const TPoint& p) {
  if (!Sizeable || WindowState == spwsMaximized || RollUpState || ActiveObject != -1 || !SkinDataUsable()) {
    return HTCLIENT;
  }
  CalcRects();
  if (!IsNullRect(NewSizeGripRect) && InRect(NewSizeGripRect, p)) return HTBOTTOMRIGHT;
  if (!NearEdge(p)) return HTCLIENT;
  const int zone = EdgeZone(p);
  return zone != 0 ? zone : HTCLIENT;
}

bool TspFormSkinner::InForm(const TPoint& screenPoint) const {
  return WindowFromPoint(POINT{screenPoint.X, screenPoint.Y}) == OwnerForm->Handle();
}

TPoint TspFormSkinner::PointToNCPoint(const TPoint& screenPoint) const {
  return Point(screenPoint.X - OwnerForm->Left(), screenPoint.Y - OwnerForm->Top());
}
