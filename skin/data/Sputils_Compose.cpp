#include "skin/data/Sputils_Compose.h"

#include <algorithm>
#include <array>

using skincompose::CopyPiece;
using skincompose::TAxis;
using skincompose::TilePiece;

namespace skincompose {

void CopyPiece(TCanvas* to, const TRect& dest, TCanvas* from, const TRect& source) {
  if (dest.IsEmpty() || source.IsEmpty()) return;
  to->CopyRect(dest, from, source);
}

void TilePiece(TCanvas* to, const TRect& dest, TCanvas* from, const TRect& source, TAxis axis) {
  const bool horizontal = axis == TAxis::Horizontal;
  const int span = horizontal ? source.Width() : source.Height();
  const int a = horizontal ? dest.Left : dest.Top;
  const int b = horizontal ? dest.Right : dest.Bottom;
  if (span <= 0 || b < a) return;
  const int copies = (b - a) / span;
  for (int i = 0; i <= copies; ++i) {
    const int start = a + i * span;
    const int trim = std::max(0, a + (i + 1) * span - b);
    TRect piece = source;
    TRect target = dest;
    if (horizontal) {
      piece.Right -= trim;
      target.Left = start;
      target.Right = start + span - trim;
    } else {
      piece.Bottom -= trim;
      target.Top = start;
      target.Bottom = start + span - trim;
    }
    CopyPiece(to, target, from, piece);
  }
}

namespace {

// A rectangle spanning from..to along `axis` and crossFrom..crossTo across it.
TRect Along(TAxis axis, int from, int to, int crossFrom, int crossTo) {
  return axis == TAxis::Horizontal ? Rect(from, crossFrom, to, crossTo) : Rect(crossFrom, from, crossTo, to);
}

}  // namespace

void StretchPiece(TCanvas* to, const TRect& dest, TCanvas* from, const TRect& source);

void DrawStrip(TBitmap* target, TBitmap* picture, const TStrip& strip, int length) {
  const bool horizontal = strip.Axis == TAxis::Horizontal;
  target->SetSize(horizontal ? length : strip.CrossLength, horizontal ? strip.CrossLength : length);
  const int start = horizontal ? strip.Band.Left : strip.Band.Top;
  const int crossFrom = horizontal ? strip.Band.Top : strip.Band.Left;
  const int crossTo = horizontal ? strip.Band.Bottom : strip.Band.Right;
  auto source = [&](const TStripPiece& p) {
    return Along(strip.Axis, start + p.SourceFrom, start + p.SourceTo, crossFrom, crossTo);
  };
  auto dest = [&](const TStripPiece& p) { return Along(strip.Axis, p.DestFrom, p.DestTo, 0, strip.CrossLength); };
  TCanvas* to = target->Canvas();
  TCanvas* from = picture->Canvas();
  if (strip.Stretch) StretchPiece(to, dest(strip.Middle), from, source(strip.Middle));
  else TilePiece(to, dest(strip.Middle), from, source(strip.Middle), strip.Axis);
  CopyPiece(to, dest(strip.Head), from, source(strip.Head));
  CopyPiece(to, dest(strip.Tail), from, source(strip.Tail));
}

// The piece copied at its own size into a bitmap of its own, drawn stretched into dest.
void StretchPiece(TCanvas* to, const TRect& dest, TCanvas* from, const TRect& source) {
  if (dest.IsEmpty() || source.IsEmpty()) return;
  TBitmap piece;
  piece.SetSize(source.Width(), source.Height());
  piece.Canvas()->CopyRect(Rect(0, 0, source.Width(), source.Height()), from, source);
  to->StretchDraw(dest, &piece);
}

}  // namespace skincompose

using skincompose::StretchPiece;

namespace {

TRect Offset(const TRect& r, const TRect& origin) {
  return Rect(r.Left + origin.Left, r.Top + origin.Top, r.Right + origin.Left, r.Bottom + origin.Top);
}

// Saves the device context's state and restores it when the scope ends, also when
// drawing in between fails.
class TDCStateScope {
 public:
  explicit TDCStateScope(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~TDCStateScope() { RestoreDC(dc_, saved_); }
  TDCStateScope(const TDCStateScope&) = delete;
  TDCStateScope& operator=(const TDCStateScope&) = delete;

 private:
  HDC dc_;
  int saved_;
};

void TileBothWays(TCanvas* to, const TRect& dest, TCanvas* from, const TRect& source) {
  const int span = source.Height();
  if (span <= 0 || source.Width() <= 0 || dest.Width() < 0 || dest.Height() < 0) return;
  const int rows = dest.Height() / span;
  for (int j = 0; j <= rows; ++j) {
    const int top = dest.Top + j * span;
    const int trim = std::max(0, static_cast<int>(dest.Top + (j + 1) * span - dest.Bottom));
    TRect piece = source;
    piece.Bottom -= trim;
    TilePiece(to, Rect(dest.Left, top, dest.Right, top + span - trim), from, piece, TAxis::Horizontal);
  }
}

// The piece stretched across one axis of `band` at its own size along the other, and
// that strip repeated from the band's near edge; `clip` keeps the copies inside the band.
void RepeatStretched(TCanvas* to, const TRect& band, const TBitmap& piece, TAxis axis, bool clip) {
  const bool horizontal = axis == TAxis::Horizontal;
  TBitmap strip;
  strip.SetSize(horizontal ? piece.Width() : band.Width(), horizontal ? band.Height() : piece.Height());
  strip.Canvas()->StretchDraw(Rect(0, 0, strip.Width(), strip.Height()), const_cast<TBitmap*>(&piece));
  const int span = horizontal ? strip.Width() : strip.Height();
  const int copies = (horizontal ? band.Width() : band.Height()) / span;
  HDC dc = to->Handle();
  TDCStateScope state(dc);
  if (clip) IntersectClipRect(dc, band.Left, band.Top, band.Right, band.Bottom);
  for (int i = 0; i <= copies; ++i) {
    to->Draw(horizontal ? band.Left + i * span : band.Left, horizontal ? band.Top : band.Top + i * span, &strip);
  }
}

// The client piece `source` of SB drawn into `band` of B by one of the four client modes.
// `tileFrom` is where tiling covers (the band itself, or the band's size at the origin).
void DrawClientPiece(TBitmap* B, TBitmap* SB, const TRect& source, const TRect& band, const TRect& tileFrom,
                     bool stretch, TspStretchType type, bool clip) {
  if (!stretch) {
    TileBothWays(B->Canvas(), tileFrom, SB->Canvas(), source);
    return;
  }
  if (source.IsEmpty() || band.IsEmpty()) return;
  TBitmap piece;
  piece.SetSize(source.Width(), source.Height());
  piece.Canvas()->CopyRect(Rect(0, 0, source.Width(), source.Height()), SB->Canvas(), source);
  switch (type) {
    case spstFull:
      B->Canvas()->StretchDraw(band, &piece);
      break;
    case spstHorz:
      RepeatStretched(B->Canvas(), band, piece, TAxis::Horizontal, clip);
      break;
    case spstVert:
      RepeatStretched(B->Canvas(), band, piece, TAxis::Vertical, clip);
      break;
  }
}

struct TEdge {
  TRect Source;
  TRect Dest;
  bool Stretch;
  TAxis Axis;
};

void DrawEdge(TBitmap* B, TBitmap* SB, const TEdge& edge) {
  if (edge.Stretch) StretchPiece(B->Canvas(), edge.Dest, SB->Canvas(), edge.Source);
  else TilePiece(B->Canvas(), edge.Dest, SB->Canvas(), edge.Source, edge.Axis);
}

struct TCorner {
  TRect Source;
  TRect Dest;
};

// Sizes B and answers whether there is anything to compose.
bool PrepareTarget(TBitmap* B, TBitmap* SB, const TPoint& LT, const TPoint& RB, int W, int H) {
  B->SetSize(std::max(W, 0), std::max(H, 0));
  return RB.X != LT.X && RB.Y != LT.Y && SB != nullptr && !SB->Empty() && !B->Empty();
}

}  // namespace

void CreateSkinImage(const TPoint& LT, const TPoint& RT, const TPoint& LB, const TPoint& RB, const TRect& CR,
                     const TPoint& NLT, const TPoint& NRT, const TPoint& NLB, const TPoint& NRB, const TRect& NCR,
                     TBitmap* B, TBitmap* SB, const TRect& SR, int W, int H, bool DrawClient, bool LeftStretch,
                     bool TopStretch, bool RightStretch, bool BottomStretch, bool ClientStretch,
                     TspStretchType StretchType) {
  if (!PrepareTarget(B, SB, LT, RB, W, H)) return;
  const int sw = SR.Width();
  const int sh = SR.Height();
  const std::array<TEdge, 4> edges{{
      {Rect(LT.X, 0, RT.X, CR.Top), Rect(NLT.X, 0, NRT.X, NCR.Top), TopStretch, TAxis::Horizontal},
      {Rect(LB.X, CR.Bottom, RB.X, sh), Rect(NLB.X, NCR.Bottom, NRB.X, H), BottomStretch, TAxis::Horizontal},
      {Rect(0, LT.Y, CR.Left, LB.Y), Rect(0, NLT.Y, NCR.Left, NLB.Y), LeftStretch, TAxis::Vertical},
      {Rect(CR.Right, RT.Y, sw, RB.Y), Rect(NCR.Right, NRT.Y, W, NRB.Y), RightStretch, TAxis::Vertical},
  }};
  for (const TEdge& edge : edges) DrawEdge(B, SB, {Offset(edge.Source, SR), edge.Dest, edge.Stretch, edge.Axis});
  const std::array<TCorner, 8> corners{{
      {Rect(0, 0, LT.X, CR.Top), Rect(0, 0, NLT.X, NCR.Top)},
      {Rect(0, CR.Top, CR.Left, LT.Y), Rect(0, NCR.Top, NCR.Left, NLT.Y)},
      {Rect(RT.X, 0, sw, CR.Top), Rect(NRT.X, 0, W, NCR.Top)},
      {Rect(CR.Right, CR.Top, sw, RT.Y), Rect(NCR.Right, NCR.Top, W, NRT.Y)},
      {Rect(0, LB.Y, CR.Left, sh), Rect(0, NLB.Y, NCR.Left, H)},
      {Rect(CR.Left, CR.Bottom, LB.X, sh), Rect(NCR.Left, NCR.Bottom, NLB.X, H)},
      {Rect(RB.X, CR.Bottom, sw, sh), Rect(NRB.X, NCR.Bottom, W, H)},
      {Rect(CR.Right, RB.Y, sw, CR.Bottom), Rect(NCR.Right, NRB.Y, W, NCR.Bottom)},
  }};
  for (const TCorner& corner : corners) CopyPiece(B->Canvas(), corner.Dest, SB->Canvas(), Offset(corner.Source, SR));
  if (DrawClient) DrawClientPiece(B, SB, Offset(CR, SR), NCR, NCR, ClientStretch, StretchType, true);
}

void CreateSkinImageBS(const TPoint& LT, const TPoint& RT, const TPoint& LB, const TPoint& RB, const TRect& CR,
                       const TPoint& NLT, const TPoint& NRT, const TPoint& NLB, const TPoint& NRB, const TRect& NCR,
                       TBitmap* B, TBitmap* SB, const TRect& SR, int W, int H, bool DrawClient, bool LeftStretch,
                       bool TopStretch, bool RightStretch, bool BottomStretch, bool ClientStretch,
                       TspStretchType StretchType) {
  CreateSkinImage(LT, RT, LB, RB, CR, NLT, NRT, NLB, NRB, NCR, B, SB, SR, W, H, DrawClient, LeftStretch, TopStretch,
                  RightStretch, BottomStretch, ClientStretch, StretchType);
}

void CreateSkinImage2(const TPoint& LT, const TPoint& RT, const TPoint& LB, const TPoint& RB, const TRect& CR,
                      const TPoint& NLT, const TPoint& /*NRT*/, const TPoint& NLB, const TPoint& /*NRB*/,
                      const TRect& NCR,
                      TBitmap* B, TBitmap* SB, const TRect& SR, int W, int H, bool DrawClient, bool LeftStretch,
                      bool TopStretch, bool /*RightStretch*/, bool BottomStretch, bool ClientStretch,
                      TspStretchType StretchType) {
  if (!PrepareTarget(B, SB, LT, RB, W, H)) return;
  const int sh = SR.Height();
  const std::array<TEdge, 3> edges{{
      {Rect(LT.X, 0, RT.X, CR.Top), Rect(NLT.X, 0, W, NCR.Top), TopStretch, TAxis::Horizontal},
      {Rect(LB.X, CR.Bottom, RB.X, sh), Rect(NLB.X, NCR.Bottom, W, H), BottomStretch, TAxis::Horizontal},
      {Rect(0, LT.Y, CR.Left, LB.Y), Rect(0, NLT.Y, NCR.Left, NLB.Y), LeftStretch, TAxis::Vertical},
  }};
  for (const TEdge& edge : edges) DrawEdge(B, SB, {Offset(edge.Source, SR), edge.Dest, edge.Stretch, edge.Axis});
  const std::array<TCorner, 4> corners{{
      {Rect(0, 0, LT.X, CR.Top), Rect(0, 0, NLT.X, NCR.Top)},
      {Rect(0, CR.Top, CR.Left, LT.Y), Rect(0, NCR.Top, NCR.Left, NLT.Y)},
      {Rect(0, LB.Y, CR.Left, sh), Rect(0, NLB.Y, NCR.Left, H)},
      {Rect(CR.Left, CR.Bottom, LB.X, sh), Rect(NCR.Left, NCR.Bottom, NLB.X, H)},
  }};
  for (const TCorner& corner : corners) CopyPiece(B->Canvas(), corner.Dest, SB->Canvas(), Offset(corner.Source, SR));
  if (!DrawClient) return;
  const TRect band = Rect(NCR.Left, NCR.Top, W, NCR.Bottom);
  DrawClientPiece(B, SB, Offset(CR, SR), band, band, ClientStretch, StretchType, true);
}

void CreateStretchImage(TBitmap* B, TBitmap* SB, const TRect& SR, const TRect& CR, bool DrawClient) {
  const TRect NCR = Rect(CR.Left, CR.Top, B->Width() - (SR.Width() - CR.Right), B->Height() - (SR.Height() - CR.Bottom));
  auto corners = [](const TRect& r) {
    return std::array<TPoint, 4>{Point(r.Left, r.Top), Point(r.Right, r.Top), Point(r.Left, r.Bottom),
                                 Point(r.Right, r.Bottom)};
  };
  const auto p = corners(CR);
  const auto n = corners(NCR);
  CreateSkinImage(p[0], p[1], p[2], p[3], CR, n[0], n[1], n[2], n[3], NCR, B, SB, SR, B->Width(), B->Height(),
                  DrawClient, true, true, true, true, true, spstFull);
}

namespace {

// A three-part picture along `axis`: ends of `head` and `tail` pixels of SR copied to
// the target's ends when wanted, the middle between them tiled or stretched over
// from..to of the target.
struct TThreePart {
  TAxis Axis;
  int Head, Tail;
  bool DrawHead, DrawTail;
  int From, To;
};

void DrawThreePart(TBitmap* B, TBitmap* SB, const TRect& SR, int length, bool stretch, const TThreePart& part) {
  const bool horizontal = part.Axis == TAxis::Horizontal;
  const int sourceLength = horizontal ? SR.Width() : SR.Height();
  skincompose::TStrip strip;
  strip.Axis = part.Axis;
  strip.Band = SR;
  strip.CrossLength = horizontal ? SR.Height() : SR.Width();
  strip.Stretch = stretch;
  strip.Middle = {part.Head, sourceLength - part.Tail, part.From, part.To};
  if (part.DrawHead) strip.Head = {0, part.Head, 0, part.Head};
  if (part.DrawTail) strip.Tail = {sourceLength - part.Tail, sourceLength, length - part.Tail, length};
  if (SB == nullptr || SB->Empty()) {
    B->SetSize(horizontal ? length : strip.CrossLength, horizontal ? strip.CrossLength : length);
    return;
  }
  skincompose::DrawStrip(B, SB, strip, length);
}

}  // namespace

void CreateHSkinImage(int LO, int RO, TBitmap* B, TBitmap* SB, const TRect& SR, int W, int /*H*/, bool Stretch) {
  DrawThreePart(B, SB, SR, W, Stretch, {TAxis::Horizontal, LO, RO, LO != 0, RO != 0, LO, W - RO});
}

void CreateHSkinImage2(int LO, int RO, TBitmap* B, TBitmap* SB, const TRect& SR, int W, int /*H*/, bool Stretch) {
  DrawThreePart(B, SB, SR, W, Stretch, {TAxis::Horizontal, LO, RO, LO != 0, false, LO, W});
}

void CreateHSkinImage3(int LO, int RO, TBitmap* B, TBitmap* SB, const TRect& SR, int W, int /*H*/, bool Stretch) {
  DrawThreePart(B, SB, SR, W, Stretch, {TAxis::Horizontal, LO, RO, false, false, 0, W});
}

void CreateVSkinImage(int TO, int BO, TBitmap* B, TBitmap* SB, const TRect& SR, int /*W*/, int H, bool Stretch) {
  DrawThreePart(B, SB, SR, H, Stretch, {TAxis::Vertical, TO, BO, TO != 0, BO != 0, TO, H - BO});
}

void CreateSkinBG(const TRect& CR, const TRect& NCR, TBitmap* B, TBitmap* SB, const TRect& SR, int W, int H,
                  bool Stretch, TspStretchType StretchType) {
  B->SetSize(std::max(W, 0), std::max(H, 0));
  if (NCR.Width() == 0 || NCR.Height() == 0 || B->Empty() || SB == nullptr || SB->Empty()) return;
  DrawClientPiece(B, SB, Offset(CR, SR), NCR, Rect(0, 0, NCR.Width(), NCR.Height()), Stretch, StretchType, false);
}

void CreateSkinBorderImages(const TPoint& LT, const TPoint& RT, const TPoint& LB, const TPoint& RB,
                            const TRect& CR, const TPoint& NLT, const TPoint& NRT, const TPoint& NLB,
                            const TPoint& NRB, const TRect& NCR, TBitmap* LeftImage, TBitmap* TopImage,
                            TBitmap* RightImage, TBitmap* BottomImage, TBitmap* SB, const TRect& SR, int W, int H,
                            bool LeftStretch, bool TopStretch, bool RightStretch, bool BottomStretch) {
  using skincompose::TStrip;
  const int sw = SR.Width();
  if (W > 0 && NCR.Top > 0 && RT.X - LT.X > 0) {
    TStrip top{TAxis::Horizontal, Rect(SR.Left, SR.Top, SR.Right, SR.Top + NCR.Top), NCR.Top};
    top.Stretch = TopStretch;
    top.Middle = {LT.X, RT.X, TopStretch ? NLT.X : 0, TopStretch ? NRT.X : W};
    top.Head = {0, LT.X, 0, NLT.X};
    top.Tail = {RT.X, sw, NRT.X, W};
    skincompose::DrawStrip(TopImage, SB, top, W);
  }
  const int D = H - NCR.Bottom;
  if (W > 0 && D > 0 && RB.X - LB.X > 0) {
    TStrip bottom{TAxis::Horizontal, Rect(SR.Left, SR.Bottom - D, SR.Right, SR.Bottom), D};
    bottom.Stretch = BottomStretch;
    bottom.Middle = {LB.X, RB.X, BottomStretch ? NLB.X : 0, BottomStretch ? NRB.X : W};
    bottom.Head = {0, LB.X, 0, NLB.X};
    bottom.Tail = {RB.X, sw, NRB.X, W};
    skincompose::DrawStrip(BottomImage, SB, bottom, W);
  }
  const int E = H - BottomImage->Height() - TopImage->Height();
  // A side strip: the rows between the top corner point and the bottom one tiled or
  // stretched, the rows above and below them kept at the strip's ends.
  auto side = [&](TBitmap* image, int sourceLeft, int sourceRight, int width, int topY, int bottomY, bool stretch) {
    TStrip strip{TAxis::Vertical, Rect(SR.Left + sourceLeft, SR.Top, SR.Left + sourceRight, SR.Bottom), width};
    strip.Stretch = stretch;
    const int head = topY - CR.Top;
    const int tail = CR.Bottom - bottomY;
    strip.Middle = {topY, bottomY, stretch ? head : 0, stretch ? E - tail : E};
    strip.Head = {CR.Top, topY, 0, head};
    strip.Tail = {bottomY, CR.Bottom, E - tail, E};
    skincompose::DrawStrip(image, SB, strip, E);
  };
  if (NCR.Left > 0 && E > 0 && LB.Y - LT.Y > 0) side(LeftImage, 0, NCR.Left, NCR.Left, LT.Y, LB.Y, LeftStretch);
  const int R = W - NCR.Right;
  if (R >= 1 && E >= 1 && RB.Y - RT.Y >= 1) side(RightImage, CR.Right, sw, R, RT.Y, RB.Y, RightStretch);
}
