// TspSkinToolBar: its settings handed to the children, the scroll range and the steps.
// The scroll buttons in the non-client area are in Skinctrls_ToolBarScroll.cpp.
#include "skin/controls/Skinctrls_ToolBar.h"

#include <algorithm>

#include "skin/controls/Skinctrls_Bevel.h"
#include "skin/controls/Skinctrls_GraphicBases.h"
#include "skin/controls/Skinctrls_MenuSpeedButton.h"
#include "skin/data/Sputils_Compose.h"

namespace {

// The look name a speed button takes on a bar of look `bar`.
AnsiString ButtonLookFor(const AnsiString& bar, const TspSkinSpeedButton* button) {
  const auto* menu = dynamic_cast<const TspSkinMenuSpeedButton*>(button);
  const bool track = menu != nullptr && menu->TrackButtonMode();
  if (bar == "resizetoolpanel") return "resizetoolbutton";
  if (bar == "panel") return "resizebutton";
  if (bar == "bigtoolpanel") return menu == nullptr ? "bigtoolbutton" : track ? "bigtoolmenutrackbutton" : "bigtoolmenubutton";
  return menu == nullptr ? "toolbutton" : track ? "toolmenutrackbutton" : "toolmenubutton";
}

}  // namespace

TspSkinToolBar::TspSkinToolBar(TComponent* owner) : TspSkinPanel(owner) {
  SetSkinDataName("toolpanel");
  SetBorderStyle(TspSkinBorderStyle::bvNone);
  SetBounds(Left(), Top(), Width(), 25);
}

TspSkinToolBar::~TspSkinToolBar() { StopScrolling(); }

template <class F>
void TspSkinToolBar::ForEachSpeedButton(F action) {
  for (int i = 0; i < ControlCount(); ++i) {
    if (auto* button = dynamic_cast<TspSkinSpeedButton*>(Controls(i))) action(button);
  }
}

// Settings

void TspSkinToolBar::SetCanScroll(bool value) {
  if (canScroll_ == value) return;
  canScroll_ = value;
  if (value) GetHRange();
  else {
    MoveChildren(position_);
    position_ = rangeEnd_ = page_ = growth_ = lastPosition_ = 0;
    SetButtonsVisible(false);
  }
}

void TspSkinToolBar::SetScrollOffset(int value) {
  if (value >= 0) scrollOffset_ = value;
}

void TspSkinToolBar::SetScrollTimerInterval(int value) {
  if (value > 0) scrollTimerInterval_ = value;
}

void TspSkinToolBar::SetShowCaptions(bool value) {
  if (showCaptions_ == value) return;
  showCaptions_ = value;
  if (autoShowHideCaptions_) ForEachSpeedButton([value](TspSkinSpeedButton* b) { b->SetShowCaption(value); });
  if (widthWithCaptions_ != 0 && widthWithoutCaptions_ != 0) SetWidth(value ? widthWithCaptions_ : widthWithoutCaptions_);
}

void TspSkinToolBar::SetFlat(bool value) {
  flat_ = value;
  ForEachSpeedButton([value](TspSkinSpeedButton* b) { b->SetFlat(value); });
}

void TspSkinToolBar::SetImages(TCustomImageList* value) {
  ReplaceReference(*this, images_, value);
  ForEachSpeedButton([](TspSkinSpeedButton* b) { b->Repaint(); });
}

void TspSkinToolBar::SetHotImages(TCustomImageList* value) { ReplaceReference(*this, hotImages_, value); }

void TspSkinToolBar::SetDisabledImages(TCustomImageList* value) { ReplaceReference(*this, disabledImages_, value); }

void TspSkinToolBar::Notification(TComponent* component, TOperation operation) {
  TspSkinPanel::Notification(component, operation);
  if (operation != opRemove || component == nullptr) return;
  for (TCustomImageList** list : {&images_, &hotImages_, &disabledImages_}) {
    if (component == *list) *list = nullptr;
  }
}

TRect TspSkinToolBar::SkinClientRect() {
  TRect r;
  GetSkinClientRect(r);
  return r;
}

void TspSkinToolBar::SetSkinData(TspSkinData* value) {
  TspSkinPanel::SetSkinData(value);
  for (int i = 0; i < ControlCount(); ++i) {
    if (auto* button = dynamic_cast<TspSkinSpeedButton*>(Controls(i))) button->SetSkinData(value);
    else if (auto* bevel = dynamic_cast<TspSkinBevel*>(Controls(i))) bevel->SetSkinData(value);
  }
}

void TspSkinToolBar::SetSkinDataName(const AnsiString& value) {
  TspSkinPanel::SetSkinDataName(value);
  const auto state = ComponentState();
  if (!state.Contains(csDesigning) || state.Contains(csLoading)) return;
  ForEachSpeedButton([&value](TspSkinSpeedButton* b) { b->SetSkinDataName(ButtonLookFor(value, b)); });
}

// Layout and the scroll range

void TspSkinToolBar::SetBounds(int left, int top, int width, int height) {
  const int oldWidth = Width();
  growth_ = oldWidth != 0 && width > oldWidth ? width - oldWidth : 0;
  TspSkinPanel::SetBounds(left, top, width, height);
  if (adjustControls_) {
    for (int i = 0; i < ControlCount(); ++i) {
      TControl* child = Controls(i);
      child->SetBounds(child->Left(), child->Top(), child->Width(), child->Height());
    }
  }
  if (canScroll_) GetHRange();
}

void TspSkinToolBar::CentrePlainChildren() {
  const TRect client = SkinClientRect();
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* child = Controls(i);
    const bool skinned = dynamic_cast<TspSkinControl*>(child) != nullptr ||
                         dynamic_cast<TspGraphicSkinControl*>(child) != nullptr;
    if (skinned || child->Align() != alNone) continue;
    child->SetTop(client.Top + client.Height() / 2 - child->Height() / 2);
  }
}

void TspSkinToolBar::MoveChildren(int dx) {
  if (dx != 0) ScrollBy(dx, 0);
}

void TspSkinToolBar::GetHRange() {
  int extent = 0;
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* child = Controls(i);
    if (child->Visible()) extent = std::max(extent, child->Left() + child->Width());
  }
  if (extent == 0) {
    SetButtonsVisible(false);
    return;
  }
  const int clientWidth = ClientWidth();
  if (clientWidth < position_ + extent) {
    SetButtonsVisible(true);
    const int width = ClientWidth();
    if (position_ > 0 && width > extent && growth_ > 0) {
      // The bar grew while scrolled: the row follows the growth back.
      growth_ = std::min(growth_, position_);
      rangeEnd_ = position_ + extent - 1;
      position_ -= growth_;
      page_ = width;
      MoveChildren(growth_);
    } else if (growth_ == 0 && position_ + extent - 1 < rangeEnd_ && position_ > 0 && width > extent) {
      // The row shrank while scrolled: its end goes back to the right edge.
      rangeEnd_ = position_ + extent - 1;
      position_ -= width - extent;
      page_ = width;
      MoveChildren(width - extent);
    } else {
      rangeEnd_ = position_ + extent - 1;
      page_ = width;
    }
    growth_ = 0;
    lastPosition_ = position_;
    return;
  }
  MoveChildren(position_);
  rangeEnd_ = position_ = page_ = growth_ = lastPosition_ = 0;
  SetButtonsVisible(false);
}

void TspSkinToolBar::ScrollStep(bool right) {
  const int amount = scrollOffset_ != 0 ? scrollOffset_ : ClientWidth();
  if (right) position_ = std::max(0, std::min(position_ + amount, rangeEnd_ - page_ + 1));
  else position_ = std::max(position_ - amount, 0);
  if (position_ == lastPosition_) {
    StopScrolling();
    return;
  }
  MoveChildren(lastPosition_ - position_);
  Repaint();
  GetHRange();
}

void TspSkinToolBar::AdjustClientRect(TRect& rect) {
  TspSkinPanel::AdjustClientRect(rect);
  if (!buttonsVisible_) return;
  const int width = std::max(rangeEnd_, ClientWidth());
  int top = 1, bottom = ClientHeight() - 1;
  if (lookIndex_ != -1 && !ComponentState().Contains(csDesigning)) {
    const bool wholeClient = BorderStyle() == TspSkinBorderStyle::bvNone && ResizeMode == rmNineParts;
    top = wholeClient ? 0 : rect.Top;
    bottom = wholeClient ? ClientHeight() : rect.Bottom;
  }
  rect = Rect(-position_, top, -position_ + width, bottom);
}

void TspSkinToolBar::CreateControlSkinImage(TBitmap* bitmap) {
  if (!buttonsVisible_ || ResizeMode != rmHorizontal || Picture == nullptr) {
    TspSkinPanel::CreateControlSkinImage(bitmap);
    return;
  }
  // Scrolled, the bar shows only its middle so that no end piece is cut.
  CreateHSkinImage3(LT.X, SR.Width() - RT.X, bitmap, Picture, SR, Width(), Height(), ClientStretch);
}

void TspSkinToolBar::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_WINDOWPOSCHANGING:
      TspSkinPanel::Dispatch(message);
      if (HandleAllocated() && adjustControls_) CentrePlainChildren();
      return;
    case WM_NCCALCSIZE:
      WMNCCalcSize(message);
      return;
    case WM_NCPAINT:
      TspSkinPanel::Dispatch(message);
      if (canScroll_) PaintScrollButtons();
      return;
    case WM_SIZE:
      TspSkinPanel::Dispatch(message);
      buttons_[0].rect = Rect(0, 0, kScrollButtonWidth, Height());
      buttons_[1].rect = Rect(Width() - kScrollButtonWidth, 0, Width(), Height());
      if (canScroll_) PaintScrollButtons();
      return;
    case WM_TIMER:
      if (message.WParam == 1) {
        if (direction_ != TScrollDirection::None) ScrollStep(direction_ == TScrollDirection::Right);
        return;
      }
      break;
    default:
      break;
  }
  TspSkinPanel::Dispatch(message);
}
