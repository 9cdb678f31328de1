// The pointer on a skinned form: presses, releases and moves handed to the skin objects
// (the pressed one keeps them until the release), client-mode dragging of the form and
// the magnetic edges of the work area.
#include <cstdlib>

#include "skin/data/Sputils_System.h"
#include "skin/form/Formskinner.h"
#include "skin/form/Formskinner_TextObjects.h"

namespace {

TPoint CursorPos() {
  POINT p{};
  GetCursorPos(&p);
  return Point(p.x, p.y);
}

// One axis of the snap: `pos` sticks to `edge` (the edge's position for the form's
// near side) while it lies within `size` of it, until the cursor has travelled more than
// `size` from where it snapped.
void SnapAxis(int& pos, int edge, int size, bool isNear, bool& snapped, LONG& snapCursor, LONG cursor) {
  if (isNear && !snapped) {
    pos = edge;
    snapCursor = cursor;
  } else if (snapped) {
    pos = std::abs(cursor - snapCursor) > size ? static_cast<int>(cursor + edge - snapCursor) : edge;
  }
  snapped = isNear;
}

bool Within(int value, int edge, int size) { return edge - size < value && value < edge + size; }

}  // namespace

void TspFormSkinner::MouseMove(int x, int y) {
  if (!supportNCArea_ && Dragging) return;
  TspActiveSkinObject* target = CaptureObject != -1 ? Object(CaptureObject) : Object(ActiveObject);
  if (target != nullptr) target->MouseMove(x, y);
}

void TspFormSkinner::MouseDown(TMouseButton button, int x, int y) {
  if (!supportNCArea_) Dragging = false;
  TestActive(x, y, true);
  TspActiveSkinObject* active = Object(ActiveObject);
  if (active == nullptr) {
    if (!supportNCArea_ && button == mbLeft && WindowState != spwsMaximized && DraggAble) StartDragg(x, y);
    return;
  }
  const bool caption = dynamic_cast<TspSkinCaptionObject*>(active) != nullptr;
  if (supportNCArea_ && !caption) SetCapture(OwnerForm->Handle());
  CaptureObject = ActiveObject;
  active->MouseDown(x, y, button);
}

void TspFormSkinner::MouseUp(TMouseButton button, int x, int y) {
  if (!supportNCArea_) EndDragg();
  TspActiveSkinObject* captured = Object(CaptureObject);
  if (captured == nullptr) return;
  if (supportNCArea_ && dynamic_cast<TspSkinCaptionObject*>(captured) == nullptr) ReleaseCapture();
  CaptureObject = -1;
  captured->MouseUp(x, y, button);
}

void TspFormSkinner::MouseDBlClick() {
  if (TspActiveSkinObject* active = Object(ActiveObject)) active->DblClick();
}

void TspFormSkinner::StartDragg(int x, int y) {
  Dragging = true;
  POINT p{x, y};
  ClientToScreen(OwnerForm->Handle(), &p);
  DraggPoint = Point(p.x, p.y);
}

void TspFormSkinner::EndDragg() { Dragging = false; }

void TspFormSkinner::DragTo(const TPoint& cursor) {
  if (cursor.X == DraggPoint.X && cursor.Y == DraggPoint.Y) return;
  int left = OwnerForm->Left() + cursor.X - DraggPoint.X;
  int top = OwnerForm->Top() + cursor.Y - DraggPoint.Y;
  if (Magnetic) DoMagnetic(left, top, OwnerForm->Width(), OwnerForm->Height());
  OwnerForm->SetBounds(left, top, OwnerForm->Width(), OwnerForm->Height());
  DraggPoint = cursor;
}

bool TspFormSkinner::DoMagnetic(int& left, int& top, int width, int height) {
  const TRect wa = GetMonitorWorkArea(OwnerForm->Handle(), true);
  const int m = MagneticSize;
  const TPoint q = CursorPos();
  const bool nearLeft = Within(left, wa.Left, m);
  const bool nearTop = Within(top, wa.Top, m);
  SnapAxis(left, wa.Left, m, nearLeft, SnappedLeft, SnapCursorPos.X, q.X);
  SnapAxis(top, wa.Top, m, nearTop, SnappedTop, SnapCursorPos.Y, q.Y);
  const bool nearRight = Within(left + width, wa.Right, m);
  const bool nearBottom = Within(top + height, wa.Bottom, m);
  SnapAxis(left, wa.Right - width, m, nearRight, SnappedRight, SnapCursorPos.X, q.X);
  SnapAxis(top, wa.Bottom - height, m, nearBottom, SnappedBottom, SnapCursorPos.Y, q.Y);
  return nearBottom;
}

void TspFormSkinner::ClearSnaps() { SnappedLeft = SnappedTop = SnappedRight = SnappedBottom = false; }
