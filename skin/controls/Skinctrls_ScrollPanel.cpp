// TspSkinScrollPanel: properties, the scroll range, steps and the timer, the client face.
#include "skin/controls/Skinctrls_ScrollPanel.h"

#include <algorithm>
#include <optional>

#include "skin/controls/Skinctrls_PictureLook.h"
#include "skin/data/Skindata_Buttons.h"
#include "skin/data/Skindata_Panels.h"

namespace {

constexpr UINT_PTR kScrollTimer = 1;

}  // namespace

TspSkinScrollPanel::TspSkinScrollPanel(TComponent* owner) : TspSkinControl(owner) {
  TControlStyle style = ControlStyle();
  style.Include(csAcceptsControls);
  SetControlStyle(style);
  skinDataName_ = "panel";
  SetBounds(Left(), Top(), 150, 30);
}

TspSkinScrollPanel::~TspSkinScrollPanel() { StopTimer(); }

// Properties

void TspSkinScrollPanel::SetScrollType(TspScrollType value) {
  if (scrollType_ == value) return;
  // The children go back to where they stood unscrolled.
  if (position_ > 0) ScrollControls(-position_);
  scrollType_ = value;
  rangeEnd_ = position_ = lastPosition_ = page_ = 0;
  SetButtonsVisible(false);
  PlaceButtons();
}

void TspSkinScrollPanel::SetScrollOffset(int value) {
  if (value >= 0) scrollOffset_ = value;
}

void TspSkinScrollPanel::SetScrollTimerInterval(int value) {
  if (value > 0) scrollTimerInterval_ = value;
}

void TspSkinScrollPanel::SetPosition(int value) {
  if (value == position_) return;
  const int target = std::clamp(value, 0, std::max(0, LastPosition()));
  if (target != lastPosition_) ScrollControls(target - lastPosition_);
  position_ = lastPosition_ = target;
  GetScrollInfo();
}

void TspSkinScrollPanel::UpDateSize() { SetBounds(Left(), Top(), Width(), Height()); }

void TspSkinScrollPanel::Loaded() {
  TspSkinControl::Loaded();
  if (autoSize_) UpDateSize();
}

void TspSkinScrollPanel::SetBounds(int left, int top, int width, int height) {
  if (autoSize_) {
    const int cross = ContentExtent(!Vertical()).value_or(0);
    if (cross > 0) (Vertical() ? width : height) = cross;
  }
  const int oldWidth = Width();
  const int oldHeight = Height();
  TspSkinControl::SetBounds(left, top, width, height);
  widthGrowth_ = oldWidth > 0 && Width() > oldWidth ? Width() - oldWidth : 0;
  heightGrowth_ = oldHeight > 0 && Height() > oldHeight ? Height() - oldHeight : 0;
  // The window's own size change measured the range before the new client size was
  // known; measure again now that it is.
  if (Align() != alNone || HandleAllocated()) GetScrollInfo();
}

void TspSkinScrollPanel::AdjustClientRect(TRect& rect) {
  const TRect client = ClientRect();
  if (Vertical()) rect = Rect(0, -position_, client.Width(), -position_ + std::max(rangeEnd_, client.Height()));
  else rect = Rect(-position_, 0, -position_ + std::max(rangeEnd_, client.Width()), client.Height());
  TspSkinControl::AdjustClientRect(rect);
}

// The range

std::optional<int> TspSkinScrollPanel::ContentExtent(bool alongX) const {
  std::optional<int> extent;
  for (int i = 0; i < ControlCount(); ++i) {
    const TControl* child = Controls(i);
    if (!child->Visible()) continue;
    const int edge = alongX ? child->Left() + child->Width() : child->Top() + child->Height();
    extent = std::max(extent.value_or(edge), edge);
  }
  return extent;
}

void TspSkinScrollPanel::GetScrollInfo() {
  if (Vertical()) UpdateRange(ContentExtent(false), ClientHeight(), heightGrowth_);
  else UpdateRange(ContentExtent(true), ClientWidth(), widthGrowth_);
}

// `content`: the children's far edge in client coordinates; scrolled children may end at
// or before 0, which still counts as content to scroll back to.
void TspSkinScrollPanel::UpdateRange(std::optional<int> content, int clientExtent, int& growth) {
  if (!content) {
    SetButtonsVisible(false);
    return;
  }
  const int extent = *content;
  if (extent + position_ <= clientExtent) {
    if (position_ > 0) ScrollControls(-position_);
    growth = rangeEnd_ = position_ = page_ = lastPosition_ = 0;
    SetButtonsVisible(false);
    return;
  }
  if (!ButtonsVisible()) {
    SetButtonsVisible(true);
    clientExtent = Vertical() ? ClientHeight() : ClientWidth();
  }
  if (position_ > 0 && extent < clientExtent && growth > 0) {
    // The panel grew while scrolled and the children end inside it.
    const int back = std::min(growth, position_);
    rangeEnd_ = position_ + extent - 1;
    position_ -= back;
    ScrollControls(-back);
  } else if (growth == 0 && position_ + extent - 1 < rangeEnd_ && position_ > 0 && extent < clientExtent) {
    // The content became shorter: its end meets the far edge again.
    const int back = std::min(clientExtent - extent, position_);
    rangeEnd_ = position_ + extent - 1;
    position_ -= back;
    ScrollControls(-back);
  } else {
    rangeEnd_ = position_ + extent - 1;
  }
  page_ = clientExtent;
  growth = 0;
  lastPosition_ = position_;
}

void TspSkinScrollPanel::ScrollControls(int delta) {
  if (Vertical()) ScrollBy(0, -delta);
  else ScrollBy(-delta, 0);
  GetSkinData();
  // A stretched background does not move with the children.
  if (panelLook_ != nullptr && panelLook_->StretchEffect) Repaint();
}

// Steps and the timer

void TspSkinScrollPanel::ButtonClick(int index) {
  const int step = scrollOffset_ != 0 ? scrollOffset_ : ClientWidth();
  if (index == 0) position_ = std::max(0, position_ - step);
  else position_ = std::min(position_ + step, LastPosition());
  if (position_ == lastPosition_) {
    StopTimer();
    return;
  }
  ScrollControls(position_ - lastPosition_);
  lastPosition_ = position_;
}

void TspSkinScrollPanel::ButtonDown(int index) {
  timerMode_ = index + 1;
  StartTimer();
}

void TspSkinScrollPanel::ButtonUp(int index) {
  StopTimer();
  ButtonClick(index);
}

void TspSkinScrollPanel::StartTimer() {
  KillTimer(Handle(), kScrollTimer);
  SetTimer(Handle(), kScrollTimer, static_cast<UINT>(scrollTimerInterval_), nullptr);
}

void TspSkinScrollPanel::StopTimer() {
  if (HandleAllocated()) KillTimer(Handle(), kScrollTimer);
  timerMode_ = 0;
}

void TspSkinScrollPanel::WMTimer(TMessage& message) {
  TspSkinControl::Dispatch(message);
  if (timerMode_ == 1) ButtonClick(0);
  else if (timerMode_ == 2) ButtonClick(1);
}

void TspSkinScrollPanel::KeyDown(WORD& key, TShiftState shift) {
  TspSkinControl::KeyDown(key, shift);
  if (!canFocused_) return;
  if (key == VK_LEFT || key == VK_UP) ButtonClick(0);
  else if (key == VK_RIGHT || key == VK_DOWN) ButtonClick(1);
}

void TspSkinScrollPanel::WMMouseWheel(TMessage& message) {
  if (!canFocused_ || !Focused()) {
    TspSkinControl::Dispatch(message);
    return;
  }
  ButtonClick(GET_WHEEL_DELTA_WPARAM(message.WParam) <= 0 ? 1 : 0);
}

// The looks and the client face

void TspSkinScrollPanel::GetSkinData() {
  lookIndex_ = -1;
  panelLook_ = FindPictureLook<TspDataSkinPanelControl>(skinData_, skinDataName_, panelPicture_);
  buttonLook_ = FindPictureLook<TspDataSkinButtonControl>(skinData_, "resizebutton", buttonPicture_);
}

void TspSkinScrollPanel::CreateControlDefaultImage(TBitmap* bitmap) {
  bitmap->Canvas()->Brush()->SetColor(clBtnFace);
  bitmap->Canvas()->FillRect(ClientRect());
}

void TspSkinScrollPanel::Paint() {
  GetSkinData();
  if (panelLook_ == nullptr) {
    TspSkinControl::Paint();
    return;
  }
  if (ClientWidth() < 1 || ClientHeight() < 1) return;
  const TRect& sr = panelLook_->SkinRect;
  const TRect& cr = panelLook_->ClientRect;
  const TRect piece = Rect(sr.Left + cr.Left, sr.Top + cr.Top, sr.Left + cr.Right, sr.Top + cr.Bottom);
  DrawClientPiece(Canvas(), ClientRect(), panelPicture_, piece, panelLook_->StretchEffect, panelLook_->StretchType);
}
