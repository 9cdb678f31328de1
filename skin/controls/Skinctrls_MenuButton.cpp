#include "skin/controls/Skinctrls_MenuButton.h"

#include "classlib/windowing/Button.h"
#include "skin/controls/Skinctrls_ButtonLook.h"
#include "skin/data/Skindata_SkinData.h"
#include "skin/data/Sputils_Glyphs.h"

TspSkinMenuButton::TspSkinMenuButton(TComponent* owner) : TspSkinButton(owner) {
  SetSkinDataName("toolmenubutton");
  // Space opens the menu instead of pressing the button.
  spaceDown_ = false;
}

void TspSkinMenuButton::SetSkinPopupMenu(TspSkinPopupMenu* value) { ReplaceReference(*this, popupMenu_, value); }

void TspSkinMenuButton::SetTrackButtonMode(bool value) {
  trackMode_ = value;
  if (lookIndex_ == -1) Repaint();
}

void TspSkinMenuButton::Notification(TComponent* component, TOperation operation) {
  TspSkinButton::Notification(component, operation);
  if (operation == opRemove) MenuTrack::Forget(*this, component);
}

// The drop-down part

bool TspSkinMenuButton::CanMenuTrack(int X, int Y) const {
  if (!MenuTrack::HasMenu(*this)) return false;
  if (!trackMode_) return true;
  if (lookIndex_ != -1 && TrackFaceWay(SkinDataName()) == TspTrackFaceWay::Other)
    return InsideInclusive(GetNewTrackButtonRect(), X, Y);
  return InsideInclusive(Rect(Width() - kTrackPartWidth, 0, Width(), Height()), X, Y);
}

TRect TspSkinMenuButton::GetNewTrackButtonRect() const {
  return MovedTrackRect(trackRect_, ResizeMode, SR, Width(), Height());
}

void TspSkinMenuButton::TrackMenu() {
  MenuTrack::TrackMenu(*this, TNotifyEvent(this, &TspSkinMenuButton::ImagesMenuClosed));
}

void TspSkinMenuButton::ImagesMenuClosed(TObject* sender) {
  (void)sender;
  menuOpen_ = false;
  SetDown(false);
  mouseIn_ = false;
  ReDrawControl();
  if (OnHideTrackMenu) OnHideTrackMenu(this);
}

void TspSkinMenuButton::GetSkinData() {
  TspSkinButton::GetSkinData();
  if (lookIndex_ == -1) return;
  if (auto* data = dynamic_cast<const TspDataSkinMenuButtonControl*>(skinData_->CtrlList[lookIndex_].get()))
    trackRect_ = data->TrackButtonRect;
}

// Mouse and keys

void TspSkinMenuButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft && MenuTrack::Press(*this, CanMenuTrack(x, y))) return;
  TspSkinButton::MouseDown(button, shift, x, y);
}

void TspSkinMenuButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (!menuOpen_) TspSkinButton::MouseUp(button, shift, x, y);
}

bool TspSkinMenuButton::MenuKey(const TMessage& message) {
  if (!CanFocused() || popupMenu_ == nullptr || message.WParam != VK_SPACE) return false;
  if (message.Msg == WM_KEYDOWN && !trackMode_ && CanMenuTrack(0, 0)) {
    menuOpen_ = true;
    SetDown(true);
    TrackMenu();
    return true;
  }
  if (message.Msg == WM_KEYUP && !menuOpen_) {
    SetDown(false);
    if (OnClick) OnClick(this);
    return true;
  }
  return false;
}

bool TspSkinMenuButton::AccelOpensMenu(TMessage& message) {
  if (trackMode_ || !CanMenuTrack(0, 0)) return false;
  if (!IsAccel(static_cast<char>(message.WParam), Caption()) || !CanFocus() || !CanFocused()) return false;
  SetFocus();
  menuOpen_ = true;
  SetDown(true);
  TrackMenu();
  message.Result = 1;
  return true;
}

void TspSkinMenuButton::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_CLOSESKINMENU:
      MenuTrack::Closed(*this);
      return;
    case WM_KEYDOWN:
    case WM_KEYUP:
      // Enter clicks once, through the push button's key down.
      if (MenuKey(message)) return;
      break;
    case CM_DIALOGCHAR:
      if (AccelOpensMenu(message)) return;
      break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      if (ComponentState().Contains(csDesigning)) {
        TspSkinCustomControl::Dispatch(message);
        return;
      }
      if (menuOpen_) {
        TspSkinCustomControl::Dispatch(message);
        mouseIn_ = message.Msg == CM_MOUSEENTER;
        return;
      }
      break;
    default:
      break;
  }
  TspSkinButton::Dispatch(message);
}

// Faces

void TspSkinMenuButton::CreateButtonImage(TBitmap* B, const TRect& R, bool ADown, bool AMouseIn) {
  const TspTrackFaceWay way = TrackFaceWay(SkinDataName());
  if (way != TspTrackFaceWay::Other) {
    CreateToolButtonImage(B, way);
    return;
  }
  if (menuOpen_ && trackMode_ && !trackRect_.IsEmpty() && !look_->DownSkinRect.IsEmpty()) {
    TspSkinButton::CreateButtonImage(B, look_->ActiveSkinRect, false, true);
    CopyTrackDownPart(B->Canvas(), Picture, trackRect_, look_->DownSkinRect, GetNewTrackButtonRect());
    return;
  }
  TspSkinButton::CreateButtonImage(B, R, ADown, AMouseIn);
}

void TspSkinMenuButton::CreateToolButtonImage(TBitmap* B, TspTrackFaceWay way) {
  const int W = Width(), H = Height();
  const bool hot = mouseIn_;
  const bool pressedHot = down_ && hot;
  TRect main = SR, drop = SR;
  if (trackMode_ && menuOpen_) main = look_->ActiveSkinRect, drop = look_->DownSkinRect;
  else if (pressedHot) main = drop = look_->DownSkinRect;
  else if (hot) main = drop = look_->ActiveSkinRect;
  TCanvas* canvas = B->Canvas();
  const TspNinePartLook parts = NinePartsOf(*this);
  if (trackMode_) {
    DrawTrackPart(canvas, Rect(0, 0, W - kTrackPartWidth, H), way, parts, Picture, main);
    DrawTrackPart(canvas, Rect(W - kTrackPartWidth, 0, W, H), way, parts, Picture, drop);
  } else {
    DrawTrackPart(canvas, Rect(0, 0, W, H), way, parts, Picture, main);
  }
  SelectSkinFont(canvas, pressedHot, hot);
  DrawFocusFrame(canvas, NCR);
  canvas->Brush()->SetStyle(bsClear);
  DrawContent(canvas, Rect(0, 0, W - kTrackPartWidth, H), pressedHot, pressedHot, GetGlyphNum(down_, hot));
  const bool shifted = pressedHot || menuOpen_;
  const TRect arrow = shifted ? Rect(W - 13, 2, W, H) : Rect(W - kTrackPartWidth, 0, W, H);
  if (look_->MenuMarkerRect.IsEmpty())
    DrawTrackArrowImage(canvas, arrow, menuOpen_ ? look_->DownFontColor : canvas->Font()->Color());
  else
    DrawMenuMarker(canvas, arrow, hot, shifted);
}

void TspSkinMenuButton::CreateControlDefaultImage(TBitmap* bitmap) {
  TspSkinCustomControl::CreateControlDefaultImage(bitmap);
  TCanvas* canvas = bitmap->Canvas();
  const int W = Width(), H = Height();
  const bool hot = mouseIn_;
  const bool pressedHot = down_ && hot;
  if (trackMode_) {
    TColor frame = kDefaultHotFrame, mainFill = clBtnFace, dropFill = clBtnFace;
    if (menuOpen_) mainFill = kDefaultHotFill, dropFill = kDefaultDownFill;
    else if (pressedHot) mainFill = dropFill = kDefaultDownFill;
    else if (hot || IsFocused()) mainFill = dropFill = kDefaultHotFill;
    else frame = clBtnShadow;
    DrawFramedPart(canvas, Rect(0, 0, W - kTrackPartWidth, H), frame, mainFill);
    DrawFramedPart(canvas, Rect(W - kTrackPartWidth, 0, W, H), frame, dropFill);
  } else {
    DrawDefaultButtonFrame(canvas, ClientRect(), pressedHot, hot || IsFocused());
  }
  canvas->Font()->Assign(DefaultFont());
  SetContentCharset(canvas);
  if (!Enabled()) canvas->Font()->SetColor(clBtnShadow);
  const bool contentDown = trackMode_ && pressedHot;
  DrawContent(canvas, Rect(0, 0, W - kTrackPartWidth, H), contentDown, contentDown, GetGlyphNum(down_, hot));
  const bool shifted = pressedHot || menuOpen_;
  DrawTrackArrowImage(canvas, shifted ? Rect(W - 13, 2, W, H) : Rect(W - kTrackPartWidth, 0, W, H), clBtnText);
}
