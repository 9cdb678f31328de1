#include "skin/controls/Skinctrls_BarLook.h"

#include <algorithm>

#include "skin/data/Skindata_SkinData.h"
#include "skin/data/Skindata_Views.h"
#include "skin/data/Sputils_Compose.h"

namespace {

TPoint Moved(TPoint p, int dx, int dy) { return TPoint{p.X + dx, p.Y + dy}; }

TBitmap* PictureAt(TspSkinData* skin, int index) {
  if (index < 0 || index >= static_cast<int>(skin->ActivePictures.size())) return nullptr;
  return skin->ActivePictures[static_cast<size_t>(index)].get();
}

// The background source: the background picture, else the client part of the skin
// rectangle (copied into `part`).
TBitmap* BackgroundSource(TspSkinData* skin, const TspDataSkinControlBar& look, TBitmap& part) {
  if (look.BGPictureIndex != -1) return PictureAt(skin, look.BGPictureIndex);
  TBitmap* picture = ControlBarPicture(skin, look);
  if (picture == nullptr) return nullptr;
  const TRect& sr = look.SkinRect;
  const TRect& cr = look.ClientRect;
  const TRect source = Rect(sr.Left + cr.Left, sr.Top + cr.Top, sr.Left + cr.Right, sr.Top + cr.Bottom);
  if (source.Width() <= 0 || source.Height() <= 0) return nullptr;
  part.SetPixelFormat(pf24bit);
  part.SetSize(source.Width(), source.Height());
  part.Canvas()->CopyRect(Rect(0, 0, source.Width(), source.Height()), picture->Canvas(), source);
  return &part;
}

void DrawStretched(TCanvas* canvas, TBitmap* source, TspStretchType type, int W, int H) {
  const int sw = source->Width(), sh = source->Height();
  if (type == spstFull) {
    canvas->StretchDraw(Rect(0, 0, W, H), source);
    return;
  }
  TBitmap strip;
  strip.SetPixelFormat(pf24bit);
  if (type == spstHorz) {
    strip.SetSize(sw, H);
    strip.Canvas()->StretchDraw(Rect(0, 0, sw, H), source);
    for (int i = 0; i <= W / sw; ++i) canvas->Draw(i * sw, 0, &strip);
  } else {
    strip.SetSize(W, sh);
    strip.Canvas()->StretchDraw(Rect(0, 0, W, sh), source);
    for (int i = 0; i <= H / sh; ++i) canvas->Draw(0, i * sh, &strip);
  }
}

void DrawTiled(TCanvas* canvas, TBitmap* source, int W, int H) {
  const int sw = source->Width(), sh = source->Height();
  for (int row = 0; row <= H / sh; ++row)
    for (int col = 0; col <= W / sw; ++col) canvas->Draw(col * sw, row * sh, source);
}

}  // namespace

const TspDataSkinControlBar* FindControlBarLook(TspSkinData* skin, const AnsiString& name) {
  if (skin == nullptr || skin->Empty) return nullptr;
  const int index = skin->GetControlIndex(name);
  if (index == -1) return nullptr;
  return dynamic_cast<const TspDataSkinControlBar*>(skin->CtrlList[static_cast<size_t>(index)].get());
}

TBitmap* ControlBarPicture(TspSkinData* skin, const TspDataSkinControlBar& look) {
  return PictureAt(skin, look.PictureIndex);
}

void ShrinkByBarMargins(RECT& rect, const TspDataSkinControlBar& look) {
  const TRect& sr = look.SkinRect;
  const TRect& cr = look.ClientRect;
  rect.left += cr.Left;
  rect.top += cr.Top;
  rect.right -= sr.Width() - cr.Right;
  rect.bottom -= sr.Height() - cr.Bottom;
  rect.right = std::max(rect.right, rect.left);
  rect.bottom = std::max(rect.bottom, rect.top);
}

void PaintBarBorder(HDC dc, TspSkinData* skin, const TspDataSkinControlBar& look, int W, int H) {
  TBitmap* picture = ControlBarPicture(skin, look);
  if (picture == nullptr || W <= 0 || H <= 0) return;
  const int dw = W - look.SkinRect.Width(), dh = H - look.SkinRect.Height();
  const TRect& cr = look.ClientRect;
  const TRect ncr = Rect(cr.Left, cr.Top, cr.Right + dw, cr.Bottom + dh);
  TBitmap left, top, right, bottom;
  CreateSkinBorderImages(look.LeftTopPoint, look.RightTopPoint, look.LeftBottomPoint, look.RightBottomPoint, cr,
                         look.LeftTopPoint, Moved(look.RightTopPoint, dw, 0), Moved(look.LeftBottomPoint, 0, dh),
                         Moved(look.RightBottomPoint, dw, dh), ncr, &left, &top, &right, &bottom, picture,
                         look.SkinRect, W, H, look.LeftStretch, look.TopStretch, look.RightStretch,
                         look.BottomStretch);
  const int saved = SaveDC(dc);
  if (!ncr.IsEmpty()) ExcludeClipRect(dc, ncr.Left, ncr.Top, ncr.Right, ncr.Bottom);
  auto blit = [dc](TBitmap& strip, int x, int y) {
    if (strip.Width() > 0 && strip.Height() > 0)
      BitBlt(dc, x, y, strip.Width(), strip.Height(), strip.Canvas()->Handle(), 0, 0, SRCCOPY);
  };
  blit(top, 0, 0);
  blit(left, 0, top.Height());
  blit(right, W - right.Width(), top.Height());
  blit(bottom, 0, H - bottom.Height());
  RestoreDC(dc, saved);
}

void PaintBarBackground(TCanvas* canvas, TspSkinData* skin, const TspDataSkinControlBar& look, int W, int H,
                        const std::function<void(TCanvas*)>& overlay, bool clipStretched) {
  if (W < 1 || H < 1) return;
  TBitmap part;
  TBitmap* source = BackgroundSource(skin, look, part);
  if (look.StretchEffect) {
    HDC dc = canvas->Handle();
    const int saved = SaveDC(dc);
    if (clipStretched) IntersectClipRect(dc, 0, 0, W, H);
    if (source != nullptr) DrawStretched(canvas, source, look.StretchType, W, H);
    overlay(canvas);
    RestoreDC(dc, saved);
    return;
  }
  TBitmap buffer;
  buffer.SetPixelFormat(pf24bit);
  buffer.SetSize(W, H);
  if (source != nullptr) DrawTiled(buffer.Canvas(), source, W, H);
  overlay(buffer.Canvas());
  canvas->Draw(0, 0, &buffer);
}
