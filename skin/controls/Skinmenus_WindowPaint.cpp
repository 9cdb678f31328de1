// Painting of the popup menu window: the window picture or default frame, the items,
// the scroll markers and the window region.
#include <algorithm>

#include "skin/controls/Skinmenus_Item.h"
#include "skin/controls/Skinmenus_Window.h"
#include "skin/data/Sputils_Compose.h"
#include "skin/data/Sputils_Glyphs.h"
#include "skin/data/Sputils_Regions.h"

void TspSkinPopupWindow::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_MOUSEACTIVATE:
      message.Result = MA_NOACTIVATE;
      return;
    case WM_ERASEBKGND:
      PaintMenu(reinterpret_cast<HDC>(message.WParam));
      message.Result = 1;
      return;
    case WM_PAINT:
      if (message.WParam != 0) PaintMenu(reinterpret_cast<HDC>(message.WParam));
      else TCustomControl::Dispatch(message);
      return;
    case WM_TIMER:
      TCustomControl::Dispatch(message);
      if (message.WParam == kScrollTimerId) WMTimer(message);
      return;
    default:
      TCustomControl::Dispatch(message);
  }
}

void TspSkinPopupWindow::PaintMenu(HDC dc) {
  TBitmap picture;
  CreateRealImage(&picture, scrollable_);
  if (look_ != nullptr && itemLook_->InActiveTransparent) {
    background_ = std::make_unique<TBitmap>();
    CreateRealImage(background_.get(), true);
  }
  TCanvas* canvas = picture.Canvas();
  for (int i = topIndex_; i < std::min(ItemCount(), topIndex_ + visibleCount_); ++i) Items(i)->Draw(canvas);
  if (scrollable_) {
    DrawUpMarker(canvas);
    DrawDownMarker(canvas);
    const int bottom = visibleCount_ > 0 ? Items(topIndex_ + visibleCount_ - 1)->ItemRect.Bottom
                                         : itemArea_.Top + kMarkerHeight;
    const int strip = itemArea_.Bottom - kMarkerHeight;
    if (bottom < strip) DrawScrollArea(canvas, Rect(itemArea_.Left, bottom, itemArea_.Right, strip));
  }
  BitBlt(dc, 0, 0, picture.Width(), picture.Height(), canvas->Handle(), 0, 0, SRCCOPY);
}

void TspSkinPopupWindow::CreateRealImage(TBitmap* bitmap, bool drawClient) {
  const int width = Width();
  const int height = Height();
  bitmap->SetPixelFormat(pf24bit);
  bitmap->SetSize(width, height);
  if (look_ != nullptr) {
    const TspDataSkinPopupWindow& l = *look_;
    CreateSkinImageBS(l.LeftTopPoint, l.RightTopPoint, l.LeftBottomPoint, l.RightBottomPoint, l.ItemsRect,
                      newLTPoint_, newRTPoint_, newLBPoint_, newRBPoint_, itemArea_, bitmap, windowPicture_,
                      Rect(0, 0, windowPicture_->Width(), windowPicture_->Height()), width, height, drawClient,
                      l.LeftStretch, l.TopStretch, l.RightStretch, l.BottomStretch, l.StretchEffect, l.StretchType);
  } else {
    TCanvas* canvas = bitmap->Canvas();
    const int strip = images_ != nullptr ? imageColumnWidth_ + 3 : 22;
    canvas->Brush()->SetColor(clBtnFace);
    canvas->FillRect(Rect(0, 0, strip, height));
    canvas->Brush()->SetColor(clWindow);
    canvas->FillRect(Rect(strip, 0, width, height));
    canvas->Brush()->SetColor(clBtnShadow);
    canvas->FrameRect(Rect(0, 0, width, height));
    canvas->Brush()->SetColor(clWindow);
    canvas->FrameRect(Rect(1, 1, width - 1, height - 1));
  }
  BlendWithCapture(bitmap);
}

void TspSkinPopupWindow::BlendWithCapture(TBitmap* bitmap) {
  if (!ImitatesTranslucency() || screenCaptureEffect_ == nullptr) return;
  bitmap->FreeContext();
  TspEffectBmp blended(bitmap->Handle());
  blended.MorphRect(screenCaptureEffect_.get(), 1 - alphaBlendValue_ / 255.0,
                    Rect(0, 0, blended.Width(), blended.Height()), 0, 0);
  blended.Draw(bitmap->Canvas()->Handle(), 0, 0);
}

void TspSkinPopupWindow::DrawMarker(TCanvas* canvas, const TRect& strip, int code, int direction) {
  const bool scrolling = scrollDirection_ == direction;
  if (look_ != nullptr) {
    DrawScrollArea(canvas, strip);
    DrawArrowImage(canvas, strip, scrolling ? look_->ScrollMarkerActiveColor : look_->ScrollMarkerColor, code);
    return;
  }
  const int width = Width();
  const int height = Height();
  const TRect r = direction == 1 ? Rect(3, 3, width - 3, 13) : Rect(3, height - 10, width - 3, height - 3);
  DrawArrowImage(canvas, r, scrolling ? clBtnText : clBtnShadow, code);
}

void TspSkinPopupWindow::DrawUpMarker(TCanvas* canvas) {
  DrawMarker(canvas, Rect(itemArea_.Left, itemArea_.Top, itemArea_.Right, itemArea_.Top + kMarkerHeight), 3, 1);
}

void TspSkinPopupWindow::DrawDownMarker(TCanvas* canvas) {
  DrawMarker(canvas, Rect(itemArea_.Left, itemArea_.Bottom - kMarkerHeight, itemArea_.Right, itemArea_.Bottom), 4,
             2);
}

void TspSkinPopupWindow::RedrawMarkers() {
  if (!HandleAllocated() || closed_) return;
  DrawUpMarker(Canvas());
  DrawDownMarker(Canvas());
}

void TspSkinPopupWindow::DrawScrollArea(TCanvas* canvas, const TRect& rect) {
  if (look_ == nullptr || rect.Width() <= 0 || rect.Height() <= 0) return;
  TBitmap strip;
  strip.SetPixelFormat(pf24bit);
  if (itemLook_->InActiveTransparent && background_ != nullptr) {
    strip.SetSize(rect.Width(), rect.Height());
    strip.Canvas()->CopyRect(Rect(0, 0, rect.Width(), rect.Height()), background_->Canvas(), rect);
  } else {
    TBitmap* picture = skinData_->ActivePictures[static_cast<size_t>(itemLook_->ActivePictureIndex)].get();
    CreateHSkinImage(itemLook_->ItemLeftOffset, itemLook_->ItemRightOffset, &strip, picture, itemLook_->SkinRect,
                     rect.Width(), itemLook_->SkinRect.Height(), itemLook_->InActiveStretchEffect);
  }
  const int height = std::min(rect.Height(), strip.Height());
  canvas->CopyRect(Rect(rect.Left, rect.Top, rect.Right, rect.Top + height), strip.Canvas(),
                   Rect(0, 0, rect.Width(), height));
}

void TspSkinPopupWindow::SetMenuWindowRegion() {
  const TspDataSkinPopupWindow& l = *look_;
  HRGN region = nullptr;
  CreateSkinRegion(region, l.LeftTopPoint, l.RightTopPoint, l.LeftBottomPoint, l.RightBottomPoint, l.ItemsRect,
                   newLTPoint_, newRTPoint_, newLBPoint_, newRBPoint_, itemArea_, maskPicture_, Width(), Height());
  // The window owns the region from here on and deletes it (and any it replaces).
  SetWindowRgn(Handle(), region, TRUE);
  region_ = region;
}

void TspSkinPopupWindow::RepaintAll() {
  if (!HandleAllocated() || closed_) return;
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}
