// Painting a skinned form: the frame around the client area (non-client mode), the whole
// face (client mode), the client background, the logo and the form icon. Every frame
// paint is composed off screen and copied in a few blits, the client area clipped out.
#include <algorithm>
#include <memory>

#include "classlib/windowing/Application.h"
#include "skin/data/Skindata_Panels.h"
#include "skin/data/Speffbmp.h"
#include "skin/data/Sputils_Compose.h"
#include "skin/data/Sputils_Geometry.h"
#include "skin/form/Formskinner.h"
#include "skin/form/Formskinner_DC.h"

namespace {

void FillButtonFace(HDC dc, const TRect& r) {
  TDCCanvas canvas(dc);
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(r);
}

// The skin's active picture of `index`, or null for an index beyond the list.
TBitmap* ActivePicture(const TspSkinData& skin, int index) {
  if (index < 0 || index >= static_cast<int>(skin.ActivePictures.size())) return nullptr;
  return skin.ActivePictures[static_cast<size_t>(index)].get();
}

// The picture of the look named `name` when it is a panel look (the size grip's source).
TspDataSkinPanelControl* PanelLook(TspSkinData* skinData, const AnsiString& name) {
  if (name.IsEmpty()) return nullptr;
  const int index = skinData->GetControlIndex(name);
  if (index < 0) return nullptr;
  return dynamic_cast<TspDataSkinPanelControl*>(skinData->CtrlList[static_cast<size_t>(index)].get());
}

}  // namespace

void ApplyInactiveEffect(TspEffectBmp& bitmap, TspInActiveEffect effect) {
  switch (effect) {
    case ieBrightness: bitmap.ChangeBrightness(0.5); break;
    case ieDarkness: bitmap.ChangeDarkness(0.3); break;
    case ieGrayScale: bitmap.GrayScale(); break;
    case ieNoise: bitmap.AddMonoNoise(50); break;
    case ieSplitBlur: bitmap.SplitBlur(1); break;
    case ieInvert: bitmap.Invert(); break;
  }
}

void TspFormSkinner::PaintNCSkin(HDC dc, bool useDC) {
  if (!CanNCSupport()) return;
  if (NewFormWidth == 0) NewFormWidth = OwnerForm->Width();
  if (NewFormHeight == 0) NewFormHeight = OwnerForm->Height();
  if (NewFormWidth < GetMinWidth() || NewFormHeight < GetMinHeight()) return;
  CalcRects();
  CalcAllRealObjectRect();
  std::unique_ptr<TWindowDC> windowDC;
  if (!useDC) {
    windowDC = std::make_unique<TWindowDC>(OwnerForm->Handle());
    dc = windowDC->Handle();
  }
  const TspSkinData& s = *skinData_;
  const bool active = GetFormActive();
  TBitmap* source = !active && !s.InActivePicture->Empty() ? s.InActivePicture.get() : s.Picture.get();
  TBitmap top, left, right, bottom;
  CreateSkinBorderImages(s.LeftTopPoint, s.RightTopPoint, s.LeftBottomPoint, s.RightBottomPoint, s.ClientRect,
                         CurLTPoint, CurRTPoint, CurLBPoint, CurRBPoint, CurClRect, &left, &top, &right, &bottom, source,
                         Rect(0, 0, source->Width(), source->Height()), NewFormWidth, NewFormHeight, s.LeftStretch,
                         s.TopStretch, s.RightStretch, s.BottomStretch);
  DrawObjectsIntoBands(&top, &bottom);
  const int saved = SaveDC(dc);
  if (RectHeight(CurClRect) > 0) ExcludeClipRect(dc, CurClRect.Left, CurClRect.Top, CurClRect.Right, CurClRect.Bottom);
  const bool effect = !active && s.AutoRenderingInActiveImage;
  struct Placed {
    TBitmap* band;
    int x, y;
  };
  const Placed bands[] = {{&top, 0, 0},
                          {&left, 0, top.Height()},
                          {&right, NewFormWidth - right.Width(), top.Height()},
                          {&bottom, 0, NewFormHeight - bottom.Height()}};
  for (const Placed& p : bands) {
    if (p.band->Empty()) continue;
    if (effect) {
      DrawInactiveBand(dc, p.band, p.x, p.y);
    } else {
      BitBlt(dc, p.x, p.y, p.band->Width(), p.band->Height(), p.band->Canvas()->Handle(), 0, 0, SRCCOPY);
    }
  }
  RestoreDC(dc, saved);
}

// Objects above the client rectangle are drawn into the top band, the others into the
// bottom band (moved up by the client rectangle's bottom for it).
void TspFormSkinner::DrawObjectsIntoBands(TBitmap* top, TBitmap* bottom) {
  for (const auto& object : ObjectList) {
    if (!CanObjectTest(object->RollUp) || !object->Visible) continue;
    if (object->ObjectRect.Bottom <= CurClRect.Top) {
      object->Draw(top->Canvas(), false);
      continue;
    }
    const TRect placed = object->ObjectRect;
    object->ObjectRect = MovedRect(placed, 0, -CurClRect.Bottom);
    object->Draw(bottom->Canvas(), false);
    object->ObjectRect = placed;
  }
}

void TspFormSkinner::DrawInactiveBand(HDC dc, TBitmap* band, int x, int y) const {
  band->FreeContext();
  TspEffectBmp bitmap(band->Handle());
  ApplyInactiveEffect(bitmap, skinData_->InActiveEffect);
  bitmap.Draw(dc, x, y);
}

void TspFormSkinner::CreateRealBitMap(TBitmap* dest, TBitmap* source) {
  const TspSkinData& s = *skinData_;
  CreateSkinImage(s.LeftTopPoint, s.RightTopPoint, s.LeftBottomPoint, s.RightBottomPoint, s.ClientRect, CurLTPoint,
                  CurRTPoint, CurLBPoint, CurRBPoint, CurClRect, dest, source,
                  Rect(0, 0, source->Width(), source->Height()), NewFormWidth, NewFormHeight, true, s.LeftStretch,
                  s.TopStretch, s.RightStretch, s.BottomStretch, s.StretchEffect, s.StretchType);
}

void TspFormSkinner::Paint(HDC dc) {
  if (NewFormWidth == 0) NewFormWidth = OwnerForm->Width();
  if (NewFormHeight == 0) NewFormHeight = OwnerForm->Height();
  if (!SkinDataUsable()) {
    TDCCanvas canvas(dc);
    canvas->Brush()->SetColor(clBtnFace);
    canvas->Pen()->SetColor(clBlack);
    const TRect client = OwnerForm->ClientRect();
    canvas->Rectangle(client.Left, client.Top, client.Right, client.Bottom);
    return;
  }
  TspSkinData& s = *skinData_;
  CalcRects();
  TBitmap face;
  const TPoint lt = s.LeftTopPoint;
  const TPoint rb = s.RightBottomPoint;
  if (lt.X != 0 || lt.Y != 0 || rb.X != 0 || rb.Y != 0) {
    CreateRealBitMap(&face, s.Picture.get());
  } else {
    face.Assign(s.Picture.get());
  }
  for (const auto& object : ObjectList) {
    if (object->RollUp == RollUpState && object->Visible) object->Draw(face.Canvas(), false);
  }
  if (WindowState == spwsNormal) DrawSizeGrip(&face);
  BitBlt(dc, 0, 0, face.Width(), face.Height(), face.Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TspFormSkinner::DrawSizeGrip(TBitmap* face) {
  TspDataSkinPanelControl* panel = PanelLook(skinData_, skinData_->StatusBarName);
  if (panel == nullptr || IsNullRect(panel->GripperRect) || IsNullRect(NewSizeGripRect)) return;
  TBitmap* picture = ActivePicture(*skinData_, panel->PictureIndex);
  if (picture == nullptr) return;
  TBitmap grip;
  grip.SetSize(RectWidth(panel->GripperRect), RectHeight(panel->GripperRect));
  grip.Canvas()->CopyRect(Rect(0, 0, grip.Width(), grip.Height()),
                          picture->Canvas(), panel->GripperRect);
  if (panel->GripperTransparent) {
    grip.SetTransparent(true);
    grip.SetTransparentColor(panel->GripperTransparentColor);
  }
  face->Canvas()->Draw(NewSizeGripRect.Left, NewSizeGripRect.Top, &grip);
}

// The client area on WM_ERASEBKGND: the whole face in client mode, else the skin's
// client background, or the button face without a usable skin.
void TspFormSkinner::PaintBackground(HDC dc) {
  if (!supportNCArea_) {
    Paint(dc);
  } else if (!SkinUsable) {
    PaintBGDefault(dc);
  } else if (skinData_->BGPictureIndex == -1) {
    PaintBG(dc);
  } else {
    PaintBG2(dc);
  }
}

void TspFormSkinner::PaintClientTile(HDC dc, TBitmap* tile) {
  const TRect client = OwnerForm->ClientRect();
  const int cw = client.Width();
  const int ch = client.Height();
  const int w = tile->Width();
  const int h = tile->Height();
  if (cw <= 0 || ch <= 0) return;
  TDCCanvas canvas(dc);
  const TspSkinData& s = *skinData_;
  if (s.StretchEffect && s.StretchType == spstFull) {
    canvas->StretchDraw(Rect(0, 0, cw, ch), tile);
  } else if (s.StretchEffect && s.StretchType == spstHorz) {
    for (int i = 0; i <= cw / w; ++i) canvas->StretchDraw(Rect(i * w, 0, i * w + w, ch), tile);
  } else if (s.StretchEffect) {
    for (int j = 0; j <= ch / h; ++j) canvas->StretchDraw(Rect(0, j * h, cw, j * h + h), tile);
  } else {
    for (int i = 0; i <= cw / w; ++i) {
      for (int j = 0; j <= ch / h; ++j) canvas->Draw(i * w, j * h, tile);
    }
  }
  if (!logoBitMap_->Empty()) DrawLogoBitMap(canvas.Get());
}

void TspFormSkinner::PaintBG(HDC dc) {
  if (!SkinDataUsable()) return;
  const TRect& clientRect = skinData_->ClientRect;
  if (IsNullRect(clientRect)) {
    FillButtonFace(dc, OwnerForm->ClientRect());
    return;
  }
  TBitmap tile;
  tile.SetSize(RectWidth(clientRect), RectHeight(clientRect));
  tile.Canvas()->CopyRect(Rect(0, 0, tile.Width(), tile.Height()), skinData_->Picture->Canvas(), clientRect);
  PaintClientTile(dc, &tile);
}

void TspFormSkinner::PaintBG2(HDC dc) {
  if (!SkinDataUsable()) return;
  TBitmap* tile = ActivePicture(*skinData_, skinData_->BGPictureIndex);
  if (tile == nullptr || tile->Empty()) {
    FillButtonFace(dc, OwnerForm->ClientRect());
    return;
  }
  PaintClientTile(dc, tile);
}

void TspFormSkinner::DrawLogoBitMap(TCanvas* canvas) {
  const TRect client = OwnerForm->ClientRect();
  const int x = std::max(0, client.Width() / 2 - logoBitMap_->Width() / 2);
  const int y = std::max(0, client.Height() / 2 - logoBitMap_->Height() / 2);
  if (logoBitMap_->Transparent() != LogoBitMapTransparent) logoBitMap_->SetTransparent(LogoBitMapTransparent);
  canvas->Draw(x, y, logoBitMap_.get());
}

void TspFormSkinner::GetIconSize(int& w, int& h) const {
  w = GetSystemMetrics(SM_CXSMICON);
  h = GetSystemMetrics(SM_CYSMICON);
  if (w == 0) w = GetSystemMetrics(SM_CXSIZE);
  if (h == 0) h = GetSystemMetrics(SM_CYSIZE);
}

HICON TspFormSkinner::GetIcon() {
  if (formIcon_ != nullptr) return formIcon_->Handle();
  int w = 0;
  int h = 0;
  GetIconSize(w, h);
  // The application's icon (forms have none of their own), else the system's; both
  // belong to others: only the copy is ours.
  HICON source = Application->Icon()->Handle();
  if (source == nullptr) source = LoadIcon(nullptr, IDI_APPLICATION);
  formIcon_ = std::make_unique<TIcon>();
  formIcon_->SetHandle(static_cast<HICON>(CopyImage(source, IMAGE_ICON, w, h, LR_COPYFROMRESOURCE)));
  return formIcon_->Handle();
}

void TspFormSkinner::DrawFormIcon(TCanvas* canvas, int x, int y) {
  HICON icon = GetIcon();
  if (icon != nullptr) DrawIconEx(canvas->Handle(), x, y, icon, 0, 0, 0, nullptr, DI_NORMAL);
}

bool TspFormSkinner::GetAutoRenderingInActiveImage() const {
  return SkinDataUsable() && skinData_->AutoRenderingInActiveImage;
}
