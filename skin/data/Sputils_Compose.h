#pragma once
// Composition of a look's picture part at any size. A look is a rectangle SR of a skin
// picture SB; its corner points LT, RT, LB, RB and client rectangle CR (relative to SR's
// top-left) cut it into corners, edge middles and a client piece. The composers draw
// that part into a target bitmap B at a new size, given the corner points and client
// rectangle for the new size (NLT .. NCR, relative to B): corners are copied at their
// size, edge middles and the client piece are tiled from their origin or stretched.
// A piece of zero or negative span draws nothing; the other pieces are still drawn.
#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Types.h"
#include "skin/data/Sputils_Values.h"

// The nine-part face at W x H. Nothing is drawn (B is only sized) when RB.X = LT.X,
// RB.Y = LT.Y or SB is empty.
void CreateSkinImage(const TPoint& LT, const TPoint& RT, const TPoint& LB, const TPoint& RB, const TRect& CR,
                     const TPoint& NLT, const TPoint& NRT, const TPoint& NLB, const TPoint& NRB, const TRect& NCR,
                     TBitmap* B, TBitmap* SB, const TRect& SR, int W, int H, bool DrawClient, bool LeftStretch,
                     bool TopStretch, bool RightStretch, bool BottomStretch, bool ClientStretch,
                     TspStretchType StretchType);
// The same composition under the name some looks use.
void CreateSkinImageBS(const TPoint& LT, const TPoint& RT, const TPoint& LB, const TPoint& RB, const TRect& CR,
                       const TPoint& NLT, const TPoint& NRT, const TPoint& NLB, const TPoint& NRB, const TRect& NCR,
                       TBitmap* B, TBitmap* SB, const TRect& SR, int W, int H, bool DrawClient, bool LeftStretch,
                       bool TopStretch, bool RightStretch, bool BottomStretch, bool ClientStretch,
                       TspStretchType StretchType);
// Left-anchored: the right band is dropped; the top, bottom and client bands reach W.
void CreateSkinImage2(const TPoint& LT, const TPoint& RT, const TPoint& LB, const TPoint& RB, const TRect& CR,
                      const TPoint& NLT, const TPoint& NRT, const TPoint& NLB, const TPoint& NRB, const TRect& NCR,
                      TBitmap* B, TBitmap* SB, const TRect& SR, int W, int H, bool DrawClient, bool LeftStretch,
                      bool TopStretch, bool RightStretch, bool BottomStretch, bool ClientStretch,
                      TspStretchType StretchType);
// The part at B's current size with CR's margins fixed and everything between stretched.
void CreateStretchImage(TBitmap* B, TBitmap* SB, const TRect& SR, const TRect& CR, bool DrawClient);

// Three-part composers: two fixed ends (LO, RO columns or TO, BO rows) and a middle that
// is tiled or stretched. The horizontal ones keep SR's height, the vertical one its width.
void CreateHSkinImage(int LO, int RO, TBitmap* B, TBitmap* SB, const TRect& SR, int W, int H, bool Stretch);
// No right end: the middle reaches W.
void CreateHSkinImage2(int LO, int RO, TBitmap* B, TBitmap* SB, const TRect& SR, int W, int H, bool Stretch);
// No ends: the middle covers the whole width.
void CreateHSkinImage3(int LO, int RO, TBitmap* B, TBitmap* SB, const TRect& SR, int W, int H, bool Stretch);
void CreateVSkinImage(int TO, int BO, TBitmap* B, TBitmap* SB, const TRect& SR, int W, int H, bool Stretch);

// A client-only background: the client piece over NCR's size from B's origin (tiled),
// or stretched into NCR as StretchType says.
void CreateSkinBG(const TRect& CR, const TRect& NCR, TBitmap* B, TBitmap* SB, const TRect& SR, int W, int H,
                  bool Stretch, TspStretchType StretchType);

// The four border strips as bitmaps of their own. A strip whose conditions fail (no
// width, no height, no middle) is left untouched.
void CreateSkinBorderImages(const TPoint& LT, const TPoint& RT, const TPoint& LB, const TPoint& RB,
                            const TRect& CR, const TPoint& NLT, const TPoint& NRT, const TPoint& NLB,
                            const TPoint& NRB, const TRect& NCR, TBitmap* LeftImage, TBitmap* TopImage,
                            TBitmap* RightImage, TBitmap* BottomImage, TBitmap* SB, const TRect& SR, int W, int H,
                            bool LeftStretch, bool TopStretch, bool RightStretch, bool BottomStretch);

// Drawing primitives shared with the masks.
namespace skincompose {

enum class TAxis { Horizontal, Vertical };

// `source` of `from` into `dest` of `to` (stretched when the sizes differ); nothing when
// either rectangle is empty.
void CopyPiece(TCanvas* to, const TRect& dest, TCanvas* from, const TRect& source);
// Repeats `source` along `axis` over `dest` from dest's near edge, copy i at near + i x
// span, the last one shortened at its far end; the other axis of every copy is dest's
// band. A span of 0 or less, or a dest shorter than nothing, draws nothing.
void TilePiece(TCanvas* to, const TRect& dest, TCanvas* from, const TRect& source, TAxis axis);

// One strip along `axis` (a border of a face): `band` is the source strip in the picture
// (its cross extent taken whole); pieces give spans relative to the band's start and
// target spans in the strip bitmap, whose cross extent is `crossLength`.
struct TStripPiece {
  int SourceFrom = 0, SourceTo = 0, DestFrom = 0, DestTo = 0;
};
struct TStrip {
  TAxis Axis = TAxis::Horizontal;
  TRect Band;
  int CrossLength = 0;
  TStripPiece Middle, Head, Tail;
  bool Stretch = false;
};
// Sizes `target` to the strip (length x crossLength along the axis), draws the middle
// (tiled or stretched), then copies the head and tail pieces.
void DrawStrip(TBitmap* target, TBitmap* picture, const TStrip& strip, int length);

}  // namespace skincompose
