#include "skin/controls/Skinctrls_MenuSpeedButton.h"

#include "skin/controls/Skinctrls_ButtonLook.h"
#include "skin/controls/Skinctrls_ResizeButton.h"
#include "skin/data/Skindata_SkinData.h"
#include "skin/data/Sputils_Glyphs.h"

namespace {

constexpr const char* kNewStyleLook = "resizetoolbutton";

}  // namespace

TspSkinMenuSpeedButton::TspSkinMenuSpeedButton(TComponent* owner) : TspSkinSpeedButton(owner) {
  SetSkinDataName("toolmenubutton");
}

void TspSkinMenuSpeedButton::SetNewStyle(bool value) {
  newStyle_ = value;
  if (value) SetSkinDataName(kNewStyleLook);
}

void TspSkinMenuSpeedButton::SetTrackPosition(TspTrackPosition value) {
  trackPosition_ = value;
  Repaint();
}

void TspSkinMenuSpeedButton::SetSkinPopupMenu(TspSkinPopupMenu* value) { ReplaceReference(*this, popupMenu_, value); }

void TspSkinMenuSpeedButton::SetTrackButtonMode(bool value) {
  trackMode_ = value;
  if (lookIndex_ == -1) Repaint();
}

void TspSkinMenuSpeedButton::SetArrowMode(bool on, int code) {
  arrowMode_ = on;
  arrowCode_ = code;
  Repaint();
}

void TspSkinMenuSpeedButton::Notification(TComponent* component, TOperation operation) {
  TspSkinSpeedButton::Notification(component, operation);
  if (operation == opRemove) MenuTrack::Forget(*this, component);
}

// The drop-down part

TRect TspSkinMenuSpeedButton::TrackStrip() const {
  if (BottomTrack()) return Rect(0, Height() - kTrackPartWidth, Width(), Height());
  return Rect(Width() - kTrackPartWidth, 0, Width(), Height());
}

TRect TspSkinMenuSpeedButton::ContentRect() const {
  if (BottomTrack()) return Rect(0, 0, Width(), Height() - kTrackPartWidth);
  return Rect(0, 0, Width() - kTrackPartWidth, Height());
}

bool TspSkinMenuSpeedButton::CanMenuTrack(int X, int Y) const {
  if (!MenuTrack::HasMenu(*this)) return false;
  if (!trackMode_) return true;
  if (lookIndex_ != -1 && TrackFaceWay(SkinDataName()) == TspTrackFaceWay::Other)
    return InsideInclusive(GetNewTrackButtonRect(), X, Y);
  return InsideInclusive(TrackStrip(), X, Y);
}

TRect TspSkinMenuSpeedButton::GetNewTrackButtonRect() const {
  return MovedTrackRect(trackRect_, ResizeMode, SR, Width(), Height());
}

void TspSkinMenuSpeedButton::TrackMenu() {
  MenuTrack::TrackMenu(*this, TNotifyEvent(this, &TspSkinMenuSpeedButton::ImagesMenuClosed));
}

void TspSkinMenuSpeedButton::ImagesMenuClosed(TObject* sender) {
  (void)sender;
  MenuTrack::Closed(*this);
}

void TspSkinMenuSpeedButton::GetSkinData() {
  TspSkinSpeedButton::GetSkinData();
  if (lookIndex_ == -1) return;
  if (auto* data = dynamic_cast<const TspDataSkinMenuButtonControl*>(skinData_->CtrlList[lookIndex_].get()))
    trackRect_ = data->TrackButtonRect;
}

// Mouse

void TspSkinMenuSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft && MenuTrack::Press(*this, CanMenuTrack(x, y))) return;
  TspSkinSpeedButton::MouseDown(button, shift, x, y);
}

void TspSkinMenuSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (!menuOpen_) TspSkinSpeedButton::MouseUp(button, shift, x, y);
}

void TspSkinMenuSpeedButton::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_CLOSESKINMENU:
      MenuTrack::Closed(*this);
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      if (menuOpen_ && !ComponentState().Contains(csDesigning)) {
        TspGraphicSkinCustomControl::Dispatch(message);
        mouseIn_ = message.Msg == CM_MOUSEENTER;
        return;
      }
      break;
    default:
      break;
  }
  TspSkinSpeedButton::Dispatch(message);
}

// Painting

void TspSkinMenuSpeedButton::Paint() {
  if (Width() < 1 || Height() < 1) return;
  GetSkinData();
  if (mouseIn_ || Down() || menuOpen_ || !Flat()) TspSkinSpeedButton::Paint();
  else PaintIdleFlat();
}

void TspSkinMenuSpeedButton::PaintIdleFlat() {
  TCanvas* canvas = Canvas();
  canvas->Brush()->SetStyle(bsClear);
  TFont* font = canvas->Font();
  const bool otherLook = lookIndex_ != -1 && TrackFaceWay(SkinDataName()) == TspTrackFaceWay::Other;
  TRect content = ContentRect();
  if (otherLook) {
    int w = Width(), h = Height();
    CalcSize(w, h);
    content = NCR;
  }
  if (lookIndex_ != -1 && UseSkinFont()) {
    font->SetName(look_->FontName);
    font->SetHeight(look_->FontHeight);
    font->SetStyle(look_->FontStyle);
  } else {
    font->Assign(DefaultFont());
  }
  if (lookIndex_ != -1) {
    if (!Enabled()) font->SetColor(skinData_->SkinColors->BtnShadow);
    else if (UseSkinFontColor()) font->SetColor(skinData_->SkinColors->BtnText);
    else font->SetColor(DefaultFont()->Color());
  }
  SetCaptionCharset(canvas, skinData_, DefaultFont());
  if (!Enabled()) font->SetColor(clBtnShadow);
  DrawContent(canvas, content, false, false, false, GetGlyphNum(false, false));
  const TRect drop = otherLook ? Rect(content.Right, content.Top, Width(), content.Bottom) : TrackStrip();
  if (lookIndex_ == -1) DrawTrackArrowImage(canvas, drop, clBtnText);
  else if (!look_->MenuMarkerFlatRect.IsEmpty()) DrawMenuMarker(canvas, drop, false, false, true);
  else DrawTrackArrowImage(canvas, drop, skinData_->SkinColors->BtnText);
}

void TspSkinMenuSpeedButton::SelectFaceFont(TCanvas* canvas, bool down, bool mouseIn) {
  SelectButtonFont(canvas, *look_, skinData_, DefaultFont(), {UseSkinFont(), UseSkinFontColor(), Enabled(), down, mouseIn});
  canvas->Brush()->SetStyle(bsClear);
}

void TspSkinMenuSpeedButton::CreateButtonImage(TBitmap* B, const TRect& R, bool ADown, bool AMouseIn) {
  const TspTrackFaceWay way = TrackFaceWay(SkinDataName());
  if (newStyle_ && SkinDataName() == kNewStyleLook) {
    CreateNewStyleImage(B, ADown, AMouseIn);
  } else if (way != TspTrackFaceWay::Other) {
    CreateOldStyleImage(B, way, ADown, AMouseIn);
  } else if (menuOpen_ && trackMode_ && !trackRect_.IsEmpty() && !look_->DownSkinRect.IsEmpty()) {
    TspSkinSpeedButton::CreateButtonImage(B, look_->ActiveSkinRect, false, true);
    CopyTrackDownPart(B->Canvas(), Picture, trackRect_, look_->DownSkinRect, GetNewTrackButtonRect());
  } else {
    TspSkinSpeedButton::CreateButtonImage(B, R, ADown, AMouseIn);
  }
}

void TspSkinMenuSpeedButton::CreateOldStyleImage(TBitmap* B, TspTrackFaceWay way, bool ADown, bool AMouseIn) {
  const int W = Width(), H = Height();
  const bool D = ADown && AMouseIn && !(trackMode_ && menuOpen_);
  TRect main = SR, drop = SR;
  bool drawn = true;
  if (trackMode_ && menuOpen_) main = look_->ActiveSkinRect, drop = look_->DownSkinRect;
  else if (ADown && AMouseIn) main = drop = look_->DownSkinRect;
  else if (AMouseIn) main = drop = look_->ActiveSkinRect;
  else drawn = !Flat();
  TCanvas* canvas = B->Canvas();
  if (drawn) {
    const TspNinePartLook parts = NinePartsOf(*this);
    if (trackMode_) {
      DrawTrackPart(canvas, Rect(0, 0, W - kTrackPartWidth, H), way, parts, Picture, main);
      DrawTrackPart(canvas, Rect(W - kTrackPartWidth, 0, W, H), way, parts, Picture, drop);
    } else {
      DrawTrackPart(canvas, Rect(0, 0, W, H), way, parts, Picture, main);
    }
  }
  SelectFaceFont(canvas, D, AMouseIn);
  DrawContent(canvas, Rect(0, 0, W - kTrackPartWidth, H), D, ADown || AMouseIn, D, GetGlyphNum(ADown, AMouseIn));
  const bool shifted = D || menuOpen_;
  const TRect arrow = shifted ? Rect(W - 13, 2, W, H) : Rect(W - kTrackPartWidth, 0, W, H);
  if (arrowMode_) DrawArrowImage(canvas, arrow, canvas->Font()->Color(), arrowCode_);
  else if (look_->MenuMarkerRect.IsEmpty())
    DrawTrackArrowImage(canvas, arrow, menuOpen_ ? look_->DownFontColor : canvas->Font()->Color());
  else DrawMenuMarker(canvas, arrow, AMouseIn, shifted, false);
}

void TspSkinMenuSpeedButton::CreateNewStyleImage(TBitmap* B, bool ADown, bool AMouseIn) {
  if (FindSkinButtonLook(skinData_, kNewStyleLook) == nullptr && FindSkinButtonLook(skinData_, "resizebutton") == nullptr)
    return;
  const int W = Width(), H = Height();
  TCanvas* canvas = B->Canvas();
  const bool split = trackMode_ && AMouseIn;
  const TRect strip = TrackStrip();
  const char* dropLook = BottomTrack() ? "htracktoolbutton" : "vtracktoolbutton";
  TRect main = Rect(0, 0, W, H);
  if (split && FindSkinButtonLook(skinData_, dropLook) == nullptr) {
    dropLook = kNewStyleLook;
    main = ContentRect();
  }
  const bool D = ADown && AMouseIn && !(trackMode_ && menuOpen_);
  DrawSkinButton(skinData_, kNewStyleLook, canvas, main, {AMouseIn, D}, kNoArrow);
  if (split) DrawSkinButton(skinData_, dropLook, canvas, strip, {AMouseIn, menuOpen_}, kNoArrow);
  SelectFaceFont(canvas, D, AMouseIn);
  DrawContent(canvas, ContentRect(), D, ADown || AMouseIn, D, GetGlyphNum(ADown, AMouseIn));
  TRect marker = strip;
  if (ADown && AMouseIn && (!trackMode_ || menuOpen_)) marker = Rect(strip.Left + 1, strip.Top + 1, strip.Right + 1, strip.Bottom + 1);
  if (!look_->MenuMarkerRect.IsEmpty())
    DrawMenuMarker(canvas, marker, AMouseIn, (ADown && AMouseIn) || menuOpen_, false);
  else
    DrawTrackArrowImage(canvas, marker, menuOpen_ ? look_->DownFontColor : canvas->Font()->Color());
}

// The look-less faces

void TspSkinMenuSpeedButton::CreateControlDefaultImage(TBitmap* bitmap) {
  TspGraphicSkinCustomControl::CreateControlDefaultImage(bitmap);
  TCanvas* canvas = bitmap->Canvas();
  if (newStyle_) DrawDefaultNewStyle(canvas);
  else DrawDefaultOldStyle(canvas);
}

void TspSkinMenuSpeedButton::DrawDefaultOldStyle(TCanvas* canvas) {
  const int W = Width(), H = Height();
  const bool hot = ShownHot();
  const bool pressedHot = Down() && hot;
  if (trackMode_) {
    TColor frame = kDefaultHotFrame, mainFill = clBtnFace, dropFill = clBtnFace;
    if (menuOpen_) mainFill = kDefaultHotFill, dropFill = kDefaultDownFill;
    else if (pressedHot) mainFill = dropFill = kDefaultDownFill;
    else if (hot) mainFill = dropFill = kDefaultHotFill;
    else frame = clBtnShadow;
    DrawFramedPart(canvas, Rect(0, 0, W - kTrackPartWidth, H), frame, mainFill);
    DrawFramedPart(canvas, Rect(W - kTrackPartWidth, 0, W, H), frame, dropFill);
  } else {
    DrawDefaultButtonFrame(canvas, ClientRect(), pressedHot, hot);
  }
  canvas->Font()->Assign(DefaultFont());
  SetCaptionCharset(canvas, skinData_, DefaultFont());
  if (!Enabled()) canvas->Font()->SetColor(clBtnShadow);
  DrawContent(canvas, Rect(0, 0, W - kTrackPartWidth, H), pressedHot, hot || Down(), pressedHot,
              GetGlyphNum(Down(), hot));
  const bool shifted = pressedHot || menuOpen_;
  DrawTrackArrowImage(canvas, shifted ? Rect(W - 13, 2, W, H) : Rect(W - kTrackPartWidth, 0, W, H), clBtnText);
}

void TspSkinMenuSpeedButton::DrawDefaultNewStyle(TCanvas* canvas) {
  const bool hot = ShownHot();
  const bool split = trackMode_ && hot;
  bool contentDown = false;
  if (split) {
    TColor mainFill = kDefaultHotFill, dropFill = kDefaultHotFill;
    if (menuOpen_) dropFill = kDefaultDownFill;
    else if (Down()) mainFill = kDefaultDownFill, contentDown = true;
    DrawFramedPart(canvas, ContentRect(), kDefaultHotFrame, mainFill);
    DrawFramedPart(canvas, TrackStrip(), kDefaultHotFrame, dropFill);
  } else if (hot) {
    contentDown = Down();
    DrawFramedPart(canvas, ClientRect(), kDefaultHotFrame, contentDown ? kDefaultDownFill : kDefaultHotFill);
  } else if (!Flat()) {
    DrawFramedPart(canvas, ClientRect(), clBtnShadow, clBtnFace);
  }
  canvas->Font()->Assign(DefaultFont());
  SetCaptionCharset(canvas, skinData_, DefaultFont());
  if (!Enabled()) canvas->Font()->SetColor(clBtnShadow);
  DrawContent(canvas, ContentRect(), contentDown, hot || Down(), contentDown, GetGlyphNum(Down(), hot));
  const TRect strip = TrackStrip();
  const bool shifted = hot && Down() && (!trackMode_ || menuOpen_);
  DrawTrackArrowImage(canvas, shifted ? Rect(strip.Left + 2, strip.Top + 2, strip.Right, strip.Bottom) : strip,
                      clBtnText);
}
