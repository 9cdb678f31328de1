#include "skin/controls/Skinctrls_UpDown.h"

#include "classlib/windowing/ControlMessages.h"
#include "skin/data/Skindata_Ranges.h"
#include "skin/data/Skindata_SkinData.h"

namespace {

constexpr int kArrowLeft = 1, kArrowRight = 2, kArrowUp = 3, kArrowDown = 4;

}  // namespace

TspSkinUpDown::TspSkinUpDown(TComponent* owner) : TspSkinStepControl(owner) {
  skinDataName_ = "hupdown";
  SetBounds(Left(), Top(), 25, 50);
}

void TspSkinUpDown::SetUseSkinSize(bool value) {
  useSkinSize_ = value;
  if (lookIndex_ != -1) ChangeSkinData();
  else CalcRects();
}

void TspSkinUpDown::SetOrientation(TspUpDownOrientation value) {
  orientation_ = value;
  if (ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading)) {
    skinDataName_ = value == udVertical ? "vupdown" : "hupdown";
  }
  CalcRects();
  Repaint();
}

void TspSkinUpDown::SetPosition(int value) {
  if (value > max_ || value < min_) return;
  position_ = value;
  if (!ComponentState().Contains(csDesigning)) OnChange(this);
}

void TspSkinUpDown::SetMin(int value) {
  min_ = value;
  if (position_ < value) position_ = value;
}

void TspSkinUpDown::SetMax(int value) {
  max_ = value;
  if (position_ > value) position_ = value;
}

void TspSkinUpDown::Step(TspRepeatMode mode) {
  SetPosition(mode == spRepeatIncrease ? position_ + increment_ : position_ - increment_);
}

void TspSkinUpDown::ButtonReleased(int index, bool) {
  if (increment_ != 0) Step(index == kUpButton ? spRepeatIncrease : spRepeatDecrease);
  if (index == kUpButton) OnUpButtonClick(this);
  else OnDownButtonClick(this);
}

void TspSkinUpDown::GetSkinData() {
  TspSkinStepControl::GetSkinData();
  if (lookIndex_ != -1) {
    if (const auto* data =
            dynamic_cast<const TspDataSkinUpDownControl*>(skinData_->CtrlList[static_cast<size_t>(lookIndex_)].get())) {
      look_.UpButtonRect = data->UpButtonRect;
      look_.ActiveUpButtonRect = data->ActiveUpButtonRect;
      look_.DownUpButtonRect = data->DownUpButtonRect.IsEmpty() ? data->ActiveUpButtonRect : data->DownUpButtonRect;
      look_.DownButtonRect = data->DownButtonRect;
      look_.ActiveDownButtonRect = data->ActiveDownButtonRect;
      look_.DownDownButtonRect =
          data->DownDownButtonRect.IsEmpty() ? data->ActiveDownButtonRect : data->DownDownButtonRect;
    }
  }
  CalcRects();
}

void TspSkinUpDown::CalcRects() {
  if (lookIndex_ != -1 && useSkinSize_) {
    buttonRects_[kUpButton] = look_.UpButtonRect;
    buttonRects_[kDownButton] = look_.DownButtonRect;
    return;
  }
  const int W = Width(), H = Height();
  if (orientation_ == udVertical) {
    buttonRects_[kUpButton] = Rect(0, 0, W, H / 2);
    buttonRects_[kDownButton] = Rect(0, H / 2, W, H);
  } else {
    buttonRects_[kDownButton] = Rect(0, 0, W / 2, H);
    buttonRects_[kUpButton] = Rect(W / 2, 0, W, H);
  }
}

void TspSkinUpDown::CalcSize(int& W, int& H) {
  if (useSkinSize_) TspSkinStepControl::CalcSize(W, H);
}

void TspSkinUpDown::SetControlRegion() {
  if (useSkinSize_) TspSkinStepControl::SetControlRegion();
}

int TspSkinUpDown::ArrowOf(int index) const {
  if (orientation_ == udVertical) return index == kUpButton ? kArrowUp : kArrowDown;
  return index == kUpButton ? kArrowRight : kArrowLeft;
}

void TspSkinUpDown::CreateControlDefaultImage(TBitmap* bitmap) {
  for (int i : {kUpButton, kDownButton}) {
    DrawDefaultButton(bitmap->Canvas(), buttonRects_[i], buttons_[i], true, ArrowOf(i));
  }
}

void TspSkinUpDown::CreateControlSkinImage(TBitmap* bitmap) {
  if (!useSkinSize_) {
    for (int i : {kUpButton, kDownButton}) {
      if (!DrawSkinButton(skinData_, "resizebutton", bitmap->Canvas(), buttonRects_[i], buttons_[i], ArrowOf(i))) {
        bitmap->Canvas()->Brush()->SetColor(clBlack);
        bitmap->Canvas()->FillRect(buttonRects_[i]);
      }
    }
    return;
  }
  TspSkinStepControl::CreateControlSkinImage(bitmap);
  DrawButtonPictures(bitmap, {look_.ActiveUpButtonRect, look_.ActiveDownButtonRect},
                     {look_.DownUpButtonRect, look_.DownDownButtonRect});
}

void TspSkinUpDown::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case WM_SIZE:
      TspSkinStepControl::Dispatch(message);
      CalcRects();
      return;
    case CM_MOUSEENTER:
      TspSkinStepControl::Dispatch(message);
      active_ = oldActive_ = kNoButton;
      return;
    default:
      TspSkinStepControl::Dispatch(message);
  }
}
