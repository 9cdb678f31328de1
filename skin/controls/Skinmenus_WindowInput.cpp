// The popup menu window following the pointer, scrolling and taking forwarded keys.
#include "classlib/windowing/Button.h"
#include "skin/controls/Skinmenus_Controller.h"
#include "skin/controls/Skinmenus_Item.h"
#include "skin/controls/Skinmenus_Window.h"

namespace {

bool Contains(const TRect& r, int x, int y) { return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom; }

}  // namespace

void TspSkinPopupWindow::TestMouse(TObject* sender) {
  (void)sender;
  if (closed_) return;
  POINT cursor;
  if (!GetCursorPos(&cursor)) return;
  const TPoint screen = Point(cursor.x, cursor.y);
  const TPoint client = ScreenToClient(screen);
  if (client.X != lastMousePoint_.X || client.Y != lastMousePoint_.Y) {
    if (InWindow(screen)) {
      TestActive(client.X, client.Y);
    } else if (scrollable_) {
      scrollDirection_ = 0;
      RedrawMarkers();
    }
  }
  lastMousePoint_ = client;
}

bool TspSkinPopupWindow::InWindow(const TPoint& screenPoint) {
  return WindowFromPoint(POINT{screenPoint.X, screenPoint.Y}) == Handle();
}

bool TspSkinPopupWindow::GetActive(int x, int y) const {
  for (int i = topIndex_; i < std::min(ItemCount(), topIndex_ + visibleCount_); ++i) {
    if (Items(i)->Visible && Contains(Items(i)->ItemRect, x, y)) return true;
  }
  return false;
}

void TspSkinPopupWindow::TestActive(int x, int y) {
  if (scrollable_) {
    const bool inUp = Contains(Rect(itemArea_.Left, itemArea_.Top, itemArea_.Right, itemArea_.Top + kMarkerHeight), x, y);
    const bool inDown =
        Contains(Rect(itemArea_.Left, itemArea_.Bottom - kMarkerHeight, itemArea_.Right, itemArea_.Bottom), x, y);
    if (inUp && scrollDirection_ == 0 && CanScroll(1)) {
      scrollDirection_ = 1;
      DrawUpMarker(Canvas());
      StartScroll();
    } else if (inDown && scrollDirection_ == 0 && CanScroll(2)) {
      scrollDirection_ = 2;
      DrawDownMarker(Canvas());
      StartScroll();
    } else if (scrollDirection_ != 0 && !inUp && !inDown) {
      StopScroll();
    }
  }
  if (items_.empty()) return;
  previousIndex_ = activeIndex_;
  for (int i = topIndex_; i < std::min(ItemCount(), topIndex_ + visibleCount_); ++i) {
    if (Contains(Items(i)->ItemRect, x, y)) {
      activeIndex_ = i;
      break;
    }
  }
  if (activeIndex_ >= ItemCount()) activeIndex_ = -1;
  if (activeIndex_ < 0) return;
  TspSkinMenuItem* active = Items(activeIndex_);
  if (activeIndex_ == previousIndex_) {
    if (!active->Waiting) return;
    active->Waiting = false;
    if (active->MenuItem()->Count() > 0) active->MouseEnter(false);
    return;
  }
  if (previousIndex_ >= 0 && Items(previousIndex_)->Selectable()) Items(previousIndex_)->MouseLeave();
  if (active->Selectable()) active->MouseEnter(false);
}

void TspSkinPopupWindow::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseUp(button, shift, x, y);
  if (closed_) return;
  TestActive(x, y);
  if (button != mbLeft || activeIndex_ < 0 || !GetActive(x, y)) return;
  TspSkinMenuItem* item = Items(activeIndex_);
  if (!item->IsSeparator()) item->MouseDown(x, y);
}

void TspSkinPopupWindow::TestMorph(TObject* sender) {
  (void)sender;
  bool changed = false;
  if (look_ != nullptr && !closed_) {
    for (const auto& item : items_) {
      if (item->EnableMorphing() && item->CanMorphing()) {
        item->DoMorphing();
        changed = true;
      } else if (item->EnableAnimation() && item->StepAnimation()) {
        changed = true;
      }
    }
  }
  if (!changed) effectTimer_->SetEnabled(false);
}

// ---- Scrolling ----

bool TspSkinPopupWindow::CanScroll(int direction) const {
  if (direction == 1) return topIndex_ > 0;
  if (direction == 2) return topIndex_ + visibleCount_ - 1 < ItemCount() - 1;
  return false;
}

void TspSkinPopupWindow::ScrollUp(bool wrap) {
  if (topIndex_ > 0) --topIndex_;
  else if (wrap) topIndex_ = GetEndStartVisibleIndex();
  else return;
  CalcItemRects();
  RepaintAll();
}

void TspSkinPopupWindow::ScrollDown(bool wrap) {
  if (CanScroll(2)) ++topIndex_;
  else if (wrap) topIndex_ = 0;
  else return;
  CalcItemRects();
  RepaintAll();
}

void TspSkinPopupWindow::StartScroll() {
  controller_->CloseMenu(controller_->GetPWIndex(this) + 1);
  delayTimer_->SetEnabled(false);
  SetTimer(Handle(), kScrollTimerId, kScrollInterval, nullptr);
}

void TspSkinPopupWindow::StopScroll() {
  scrollDirection_ = 0;
  RedrawMarkers();
  if (HandleAllocated()) KillTimer(Handle(), kScrollTimerId);
}

void TspSkinPopupWindow::WMTimer(TMessage& message) {
  (void)message;
  if (scrollDirection_ == 1 && CanScroll(1)) ScrollUp(false);
  else if (scrollDirection_ == 2 && CanScroll(2)) ScrollDown(false);
  else StopScroll();
}

// ---- Keys ----

void TspSkinPopupWindow::PopupKeyDown(int key) {
  if (!shown_ || closed_) return;
  if (AccelKey(key)) return;
  switch (key) {
    case VK_RETURN:
      if (activeIndex_ >= 0 && !Items(activeIndex_)->IsSeparator()) Items(activeIndex_)->MouseDown(0, 0);
      break;
    case VK_ESCAPE:
      controller_->CloseMenu(controller_->WindowCount() - 1);
      ReleaseActiveOfLast();
      break;
    case VK_LEFT:
      if (controller_->WindowCount() < 2) break;
      controller_->CloseMenu(controller_->WindowCount() - 1);
      ReleaseActiveOfLast();
      break;
    case VK_RIGHT:
      if (activeIndex_ >= 0 && Items(activeIndex_)->MenuItem()->Count() > 0) Items(activeIndex_)->MouseDown(0, 0);
      break;
    case VK_DOWN:
      NextItem();
      break;
    case VK_UP:
      PriorItem();
      break;
    default:
      break;
  }
}

bool TspSkinPopupWindow::AccelKey(int key) {
  for (int i = 0; i < ItemCount(); ++i) {
    TspSkinMenuItem* item = Items(i);
    if (!IsAccel(static_cast<char>(key), item->MenuItem()->Caption())) continue;
    const int previous = activeIndex_;
    item->MouseEnter(false);
    activeIndex_ = i;
    if (previous >= 0 && previous != i) Items(previous)->MouseLeave();
    item->MouseDown(0, 0);
    return true;
  }
  return false;
}

void TspSkinPopupWindow::ReleaseActiveOfLast() {
  TspSkinPopupWindow* last = controller_->LastWindow();
  if (last == nullptr || last->activeIndex_ < 0) return;
  TspSkinMenuItem* item = last->Items(last->activeIndex_);
  item->Down = false;
  item->Redraw();
}

void TspSkinPopupWindow::ActivateByKey(int index) {
  while (index >= topIndex_ + visibleCount_ && CanScroll(2)) ScrollDown(false);
  while (index < topIndex_ && CanScroll(1)) ScrollUp(false);
  const int previous = activeIndex_;
  activeIndex_ = index;
  if (previous >= 0 && previous != index && Items(previous)->Selectable()) Items(previous)->MouseLeave();
  Items(index)->MouseEnter(true);
}

void TspSkinPopupWindow::NextItem() {
  const int count = ItemCount();
  if (count == 0) return;
  const auto lastVisible = [this] { return topIndex_ + visibleCount_ - 1; };
  if (scrollable_ && scrollDirection_ == 0 && activeIndex_ >= 0 && activeIndex_ == lastVisible()) ScrollDown(true);
  const int start = activeIndex_ < 0 || activeIndex_ == count - 1 ? 0 : activeIndex_ + 1;
  for (int i = start; i < count; ++i) {
    if (Items(i)->Selectable()) {
      if (i != activeIndex_) ActivateByKey(i);
      return;
    }
    if (scrollable_ && i == lastVisible()) ScrollDown(true);
  }
}

void TspSkinPopupWindow::PriorItem() {
  const int count = ItemCount();
  if (count == 0) return;
  if (scrollable_ && scrollDirection_ == 0 && activeIndex_ >= 0 && activeIndex_ == topIndex_) ScrollUp(true);
  const int start = activeIndex_ <= 0 ? count - 1 : activeIndex_ - 1;
  for (int i = start; i >= 0; --i) {
    if (Items(i)->Selectable()) {
      if (i != activeIndex_) ActivateByKey(i);
      return;
    }
    if (scrollable_ && i == topIndex_) ScrollUp(true);
  }
}

void TspSkinPopupWindow::UpDatePW() {
  controller_->CloseMenu(controller_->GetPWIndex(this) + 1);
  for (const auto& item : items_) {
    if (!item->Down) continue;
    item->Down = false;
    if (item->EnableAnimation() && !itemLook_->InActiveAnimation) {
      item->CurrentFrame = 0;
      item->Draw(Canvas());
    } else {
      item->Redraw();
    }
  }
}
