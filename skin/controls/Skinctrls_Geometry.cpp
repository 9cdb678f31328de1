#include "skin/controls/Skinctrls_Geometry.h"

#include "skin/data/Skindata_SkinData.h"
#include "skin/data/Sputils_Compose.h"
#include "skin/data/Sputils_Geometry.h"
#include "skin/data/Sputils_Regions.h"

namespace {

// The skin's active picture of `index`, or null for -1 and indexes beyond the list.
TBitmap* ActivePicture(const TspSkinData& skin, int index) {
  if (index < 0 || index >= static_cast<int>(skin.ActivePictures.size())) return nullptr;
  return skin.ActivePictures[static_cast<size_t>(index)].get();
}

TRect Moved(TRect r, int dx, int dy) {
  r.Left += dx;
  r.Right += dx;
  r.Top += dy;
  r.Bottom += dy;
  return r;
}

TRect Grown(TRect r, int dx, int dy) {
  r.Right += dx;
  r.Bottom += dy;
  return r;
}

}  // namespace

void TspSkinLookGeometry::ReadLook(const TspSkinData& skin, int lookIndex, int& cursorIndex, bool withMask) {
  if (lookIndex < 0 || lookIndex >= static_cast<int>(skin.CtrlList.size())) return;
  const auto* look =
      dynamic_cast<const TspDataSkinCustomControl*>(skin.CtrlList[static_cast<size_t>(lookIndex)].get());
  if (look == nullptr) {
    ForgetLook();
    return;
  }
  ReadLook(*look, skin, withMask);
  cursorIndex = look->CursorIndex;
}

void TspSkinLookGeometry::ReadLook(const TspDataSkinCustomControl& look, const TspSkinData& skin, bool withMask) {
  LT = look.LeftTopPoint;
  RT = look.RightTopPoint;
  LB = look.LeftBottomPoint;
  RB = look.RightBottomPoint;
  SR = look.SkinRect;
  CR = look.ClientRect;
  ClientStretch = look.StretchEffect;
  LeftStretch = look.LeftStretch;
  TopStretch = look.TopStretch;
  RightStretch = look.RightStretch;
  BottomStretch = look.BottomStretch;
  StretchType = look.StretchType;
  Picture = ActivePicture(skin, look.PictureIndex);
  Mask = withMask ? ActivePicture(skin, look.MaskPictureIndex) : nullptr;
  ResizeMode = ComputeResizeMode();
}

void TspSkinLookGeometry::ForgetLook() {
  SR = TRect{};
  CR = TRect{};
  ResizeMode = rmFixed;
  Picture = nullptr;
  Mask = nullptr;
}

int TspSkinLookGeometry::ComputeResizeMode() const {
  if (SR.Width() <= 0 || SR.Height() <= 0) return rmNone;
  if (RB.X != 0 && RB.Y != 0) return rmNineParts;
  if (RT.X != 0 || RT.Y != 0) return rmHorizontal;
  if (LB.X != 0 || LB.Y != 0) return rmVertical;
  return rmFixed;
}

void TspSkinLookGeometry::FitSize(int& W, int& H, bool hasLook) {
  if (ResizeMode == rmNone || !hasLook) return;
  if (ResizeMode == rmFixed) {
    // A look without a skin rectangle (one of another descriptor class) keeps the size.
    if (SR.IsEmpty()) return;
    W = SR.Width();
    H = SR.Height();
    NCR = CR;
    return;
  }
  const int dx = W - SR.Width();
  const int dy = H - SR.Height();
  NLT = LT;
  switch (ResizeMode) {
    case rmNineParts:
      NRT = Point(RT.X + dx, RT.Y);
      NLB = Point(LB.X, LB.Y + dy);
      NRB = Point(RB.X + dx, RB.Y + dy);
      NCR = Grown(CR, dx, dy);
      break;
    case rmHorizontal:
      H = SR.Height();
      NRT = Point(RT.X + dx, RT.Y);
      NCR = Grown(CR, dx, 0);
      break;
    case rmVertical:
      W = SR.Width();
      NLB = Point(LB.X, LB.Y + dy);
      NCR = Grown(CR, 0, dy);
      break;
    default:
      break;
  }
}

TRect TspSkinLookGeometry::MapRect(const TRect& rect, int W, int H) const {
  const int dx = W - SR.Width();
  const int dy = H - SR.Height();
  switch (ResizeMode) {
    case rmNineParts: {
      const TRect ltz = Rect(0, 0, LT.X, LT.Y);
      const TRect rtz = Rect(RT.X, 0, SR.Width(), RT.Y);
      const TRect lbz = Rect(0, LB.Y, LB.X, SR.Height());
      const TRect rbz = Rect(RB.X, RB.Y, SR.Width(), SR.Height());
      if (RectInRect(rect, ltz)) return rect;
      if (RectInRect(rect, rtz)) return Moved(rect, dx, 0);
      if (RectInRect(rect, lbz)) return Moved(rect, 0, dy);
      if (RectInRect(rect, rbz)) return Moved(rect, dx, dy);
      const TPoint tl = Point(rect.Left, rect.Top);
      const TPoint br = Point(rect.Right, rect.Bottom);
      if (PointInRect(ltz, tl) && PointInRect(rbz, br)) return Grown(rect, dx, dy);
      if (PointInRect(ltz, tl) && PointInRect(rtz, br)) return Grown(rect, dx, 0);
      if (PointInRect(lbz, tl) && PointInRect(rbz, br)) return Moved(Grown(rect, dx, 0), 0, dy);
      if (PointInRect(ltz, tl) && PointInRect(lbz, br)) return Grown(rect, 0, dy);
      if (PointInRect(rtz, tl) && PointInRect(rbz, br)) return Grown(Moved(rect, dx, 0), 0, dy);
      return rect;
    }
    case rmHorizontal:
      if (rect.Left <= LT.X && rect.Right >= RT.X) return Grown(rect, dx, 0);
      if (rect.Left >= RT.X && rect.Right > RT.X) return Moved(rect, dx, 0);
      return rect;
    case rmVertical:
      if (rect.Top <= LT.Y && rect.Bottom >= LB.Y) return Grown(rect, 0, dy);
      if (rect.Top >= LB.Y && rect.Bottom > LB.Y) return Moved(rect, 0, dy);
      return rect;
    default:
      return rect;
  }
}

void TspSkinLookGeometry::ComposeFace(TBitmap* bitmap, TBitmap* picture, const TRect& rect, int W, int H,
                                      bool nineParts) const {
  if (picture == nullptr) return;
  switch (ResizeMode) {
    case rmFixed:
      bitmap->SetSize(rect.Width(), rect.Height());
      bitmap->Canvas()->CopyRect(Rect(0, 0, rect.Width(), rect.Height()), picture->Canvas(), rect);
      break;
    case rmNineParts:
      if (nineParts)
        CreateSkinImage(LT, RT, LB, RB, CR, NLT, NRT, NLB, NRB, NCR, bitmap, picture, rect, W, H, true, LeftStretch,
                        TopStretch, RightStretch, BottomStretch, ClientStretch, StretchType);
      break;
    case rmHorizontal:
      CreateHSkinImage(LT.X, SR.Width() - RT.X, bitmap, picture, rect, W, H, ClientStretch);
      break;
    case rmVertical:
      CreateVSkinImage(LT.Y, SR.Height() - LB.Y, bitmap, picture, rect, W, H, ClientStretch);
      break;
    default:
      break;
  }
}

HRGN TspSkinLookGeometry::CreateLookRegion(int W, int H) const {
  HRGN region = nullptr;
  switch (ResizeMode) {
    case rmNineParts:
      CreateSkinRegion(region, LT, RT, LB, RB, CR, NLT, NRT, NLB, NRB, NCR, Mask, W, H);
      break;
    case rmHorizontal: {
      const TPoint right = Point(W + RT.X - SR.Width(), RT.Y);
      CreateSkinRegion(region, LT, RT, LT, RT, CR, LT, right, LT, right, NCR, Mask, W, H);
      break;
    }
    case rmVertical: {
      const TPoint bottom = Point(LB.X, H + LB.Y - SR.Height());
      CreateSkinRegion(region, LT, LT, LB, LB, CR, LT, LT, bottom, bottom, NCR, Mask, W, H);
      break;
    }
    case rmFixed:
      CreateSkinSimplyRegion(region, Mask);
      break;
    default:
      break;
  }
  return region;
}
