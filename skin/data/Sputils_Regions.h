#pragma once
// Masks and window regions. A mask is a picture of a look's size whose black pixels
// (blue, green and red all 0) are inside the window; the routines turn it into a window
// region at the window's current size. Region handles handed out belong to the caller.
#include <cstdint>
#include <functional>
#include <vector>

#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Types.h"

// Region data (the system's RGNDATA: a 32-byte header, then one 16-byte rectangle per
// horizontal run of black pixels, row by row, left to right) of `mask` moved by X, Y.
// Answers the block's size in bytes; an empty mask answers 0 and leaves `data` as it was.
int CreateRgnFromBmp(TBitmap* Mask, int X, int Y, std::vector<uint8_t>& Data);

// The four border strips of a mask at the target size, always tiled. A strip whose
// condition fails (no width or height) is left untouched.
void CreateSkinMask(const TPoint& LT, const TPoint& RT, const TPoint& LB, const TPoint& RB, const TRect& CR,
                    const TPoint& NLT, const TPoint& NRT, const TPoint& NLB, const TPoint& NRB, const TRect& NCR,
                    TBitmap* Mask, TBitmap* TopMask, TBitmap* LeftMask, TBitmap* RightMask, TBitmap* BottomMask,
                    int W, int H);

// The region of a nine-part look at the target size: the client rectangle solid, the
// borders as the mask says. 0 when NRT is left of NLT, NLB above NLT or NCR is empty.
void CreateSkinRegion(HRGN& Rgn, const TPoint& LT, const TPoint& RT, const TPoint& LB, const TPoint& RB,
                      const TRect& CR, const TPoint& NLT, const TPoint& NRT, const TPoint& NLB, const TPoint& NRB,
                      const TRect& NCR, TBitmap* Mask, int W, int H);

// The region of the whole mask at its own size, or 0 for an empty mask.
void CreateSkinSimplyRegion(HRGN& Rgn, TBitmap* Mask);

// Sets a layered window's constant opacity (0..255); the window-library entry is looked
// up at each call and nothing happens without it.
void SetAlphaBlendTransparent(HWND Handle, int Value);
// Fades a layered window in from 0 to Value: the opacity grows by Step (never beyond
// Value) each time more than TickMs have passed; OnStep runs after each step.
void FadeInAlphaBlend(HWND Handle, int Value, int Step, DWORD TickMs, const std::function<void()>& OnStep = {});
