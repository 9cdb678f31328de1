#include "skin/controls/Skinctrls_MenuTrack.h"

#include "skin/data/Sputils_Compose.h"

TspTrackFaceWay TrackFaceWay(const AnsiString& lookName) {
  if (lookName == "toolbutton" || lookName == "bigtoolbutton") return TspTrackFaceWay::Stretched;
  if (lookName == "resizebutton" || lookName == "resizetoolbutton") return TspTrackFaceWay::NineParts;
  return TspTrackFaceWay::Other;
}

bool InsideInclusive(const TRect& r, int x, int y) {
  return x >= r.Left && x <= r.Right && y >= r.Top && y <= r.Bottom;
}

TRect MovedTrackRect(const TRect& track, int resizeMode, const TRect& skinRect, int W, int H) {
  TRect r = track;
  if (resizeMode == rmHorizontal) {
    const int dx = W - skinRect.Width();
    r.Left += dx;
    r.Right += dx;
  } else if (resizeMode == rmVertical) {
    const int dy = H - skinRect.Height();
    r.Top += dy;
    r.Bottom += dy;
  }
  return r;
}

TspNinePartLook NinePartsOf(const TspSkinLookGeometry& g) {
  return {g.LT, g.RT, g.LB, g.RB, g.CR, g.SR, g.LeftStretch, g.TopStretch, g.RightStretch, g.BottomStretch,
          g.ClientStretch, g.StretchType};
}

TspNinePartLook NinePartsOf(const TspDataSkinCustomControl& look) {
  return {look.LeftTopPoint,  look.RightTopPoint, look.LeftBottomPoint, look.RightBottomPoint,
          look.ClientRect,    look.SkinRect,      look.LeftStretch,     look.TopStretch,
          look.RightStretch,  look.BottomStretch, look.StretchEffect,   look.StretchType};
}

void ComposeTrackPart(TBitmap& part, TspTrackFaceWay way, const TspNinePartLook& look, TBitmap* picture,
                      const TRect& source, int W, int H) {
  part.SetPixelFormat(pf24bit);
  part.SetSize(W, H);
  if (picture == nullptr || W <= 0 || H <= 0) return;
  if (way == TspTrackFaceWay::Stretched) {
    CreateStretchImage(&part, picture, source, look.CR, true);
    return;
  }
  const int dw = W - look.SR.Width();
  const int dh = H - look.SR.Height();
  const TPoint nrt = Point(look.RT.X + dw, look.RT.Y);
  const TPoint nlb = Point(look.LB.X, look.LB.Y + dh);
  const TPoint nrb = Point(look.RB.X + dw, look.RB.Y + dh);
  const TRect ncr = Rect(look.CR.Left, look.CR.Top, look.CR.Right + dw, look.CR.Bottom + dh);
  CreateSkinImage(look.LT, look.RT, look.LB, look.RB, look.CR, look.LT, nrt, nlb, nrb, ncr, &part, picture, source, W,
                  H, true, look.LeftStretch, look.TopStretch, look.RightStretch, look.BottomStretch, look.ClientStretch,
                  look.StretchType);
}

void DrawTrackPart(TCanvas* target, const TRect& dest, TspTrackFaceWay way, const TspNinePartLook& look,
                   TBitmap* picture, const TRect& source) {
  TBitmap part;
  ComposeTrackPart(part, way, look, picture, source, dest.Width(), dest.Height());
  target->Draw(dest.Left, dest.Top, &part);
}

void CopyTrackDownPart(TCanvas* face, TBitmap* picture, const TRect& track, const TRect& downRect, const TRect& dest) {
  if (picture == nullptr) return;
  const TRect source =
      Rect(track.Left + downRect.Left, track.Top + downRect.Top, track.Right + downRect.Left, track.Bottom + downRect.Top);
  face->CopyRect(dest, picture->Canvas(), source);
}
