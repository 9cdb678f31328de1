#include "skin/controls/Skinctrls_ResizeButton.h"

#include "skin/data/Skindata_Buttons.h"
#include "skin/data/Skindata_SkinData.h"
#include "skin/data/Sputils_Compose.h"
#include "skin/data/Sputils_Glyphs.h"

namespace {

constexpr TColor kPressedFill = static_cast<TColor>(0xB59385);
constexpr TColor kHotFill = static_cast<TColor>(0xD2BDB6);

const TspDataSkinButtonControl* FindButtonLook(TspSkinData* skin, const char* lookName) {
  for (const char* name : {lookName, "resizebutton"}) {
    if (const TspDataSkinButtonControl* look = FindSkinButtonLook(skin, name)) return look;
  }
  return nullptr;
}

// The look's rectangle for a state, falling back to the plainer states when empty.
TRect StateRect(const TspDataSkinButtonControl& look, TspButtonState state) {
  if (state.Pressed && state.Hot && !look.DownSkinRect.IsEmpty()) return look.DownSkinRect;
  if (state.Hot && !look.ActiveSkinRect.IsEmpty()) return look.ActiveSkinRect;
  return look.SkinRect;
}

TColor StateColor(const TspDataSkinButtonControl& look, TspButtonState state) {
  if (state.Pressed && state.Hot) return look.DownFontColor;
  return state.Hot ? look.ActiveFontColor : look.FontColor;
}

}  // namespace

const TspDataSkinButtonControl* FindSkinButtonLook(TspSkinData* skin, const char* lookName) {
  if (skin == nullptr || skin->Empty) return nullptr;
  const int index = skin->GetControlIndex(lookName);
  if (index == -1) return nullptr;
  return dynamic_cast<const TspDataSkinButtonControl*>(skin->CtrlList[static_cast<size_t>(index)].get());
}

TBitmap* SkinPictureAt(const TspSkinData& skin, int index) {
  if (index < 0 || index >= static_cast<int>(skin.ActivePictures.size())) return nullptr;
  return skin.ActivePictures[static_cast<size_t>(index)].get();
}

void DrawDefaultButton(TCanvas* canvas, const TRect& rect, TspButtonState state, bool frameWhenNormal, int arrow) {
  const bool framed = state.Hot || frameWhenNormal;
  TRect fill = rect;
  if (framed) {
    canvas->Brush()->SetColor(state.Hot ? clNavy : clBtnShadow);
    canvas->FrameRect(rect);
    fill = Rect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1);
  }
  canvas->Brush()->SetColor(state.Hot ? (state.Pressed ? kPressedFill : kHotFill) : clBtnFace);
  canvas->FillRect(fill);
  if (arrow != kNoArrow) DrawArrowImage(canvas, rect, clBlack, arrow);
}

bool DrawSkinButton(TspSkinData* skin, const char* lookName, TCanvas* canvas, const TRect& rect,
                    TspButtonState state, int arrow) {
  const TspDataSkinButtonControl* look = FindButtonLook(skin, lookName);
  if (look == nullptr) return false;
  const int W = rect.Width(), H = rect.Height();
  if (W <= 0 || H <= 0) return true;
  TBitmap* picture = SkinPictureAt(*skin, look->PictureIndex);
  const int dw = W - look->SkinRect.Width(), dh = H - look->SkinRect.Height();
  const TRect& CR = look->ClientRect;
  TBitmap face;
  face.SetPixelFormat(pf24bit);
  face.SetSize(W, H);
  if (picture != nullptr) {
    CreateSkinImage(look->LeftTopPoint, look->RightTopPoint, look->LeftBottomPoint, look->RightBottomPoint, CR,
                    look->LeftTopPoint, Point(look->RightTopPoint.X + dw, look->RightTopPoint.Y),
                    Point(look->LeftBottomPoint.X, look->LeftBottomPoint.Y + dh),
                    Point(look->RightBottomPoint.X + dw, look->RightBottomPoint.Y + dh),
                    Rect(CR.Left, CR.Top, CR.Right + dw, CR.Bottom + dh), &face, picture, StateRect(*look, state), W, H,
                    true, look->LeftStretch, look->TopStretch, look->RightStretch, look->BottomStretch,
                    look->StretchEffect, look->StretchType);
  }
  if (arrow != kNoArrow) {
    TRect arrowRect = Rect(0, 0, W, H);
    if (state.Pressed && state.Hot) arrowRect = Rect(2, 2, W, H);
    DrawArrowImage(face.Canvas(), arrowRect, StateColor(*look, state), arrow);
  }
  canvas->Draw(rect.Left, rect.Top, &face);
  return true;
}
