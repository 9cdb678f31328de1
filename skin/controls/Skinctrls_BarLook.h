#pragma once
// What the skinned control bar and cool bar share about their "controlbar" look: finding
// it, the border it gives in the non-client area, and the background, stretched or tiled.
#include <functional>

#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Canvas.h"
#include "classlib/runtime/WinApi.h"

class TspSkinData;
class TspDataSkinControlBar;

// The control-bar look of that name in a loaded skin, or null.
const TspDataSkinControlBar* FindControlBarLook(TspSkinData* skin, const AnsiString& name);
// The look's picture, or null.
TBitmap* ControlBarPicture(TspSkinData* skin, const TspDataSkinControlBar& look);

// Shrinks a proposed client rectangle by the look's margins (the client rectangle's
// distance from the skin rectangle's edges), keeping it at least empty.
void ShrinkByBarMargins(RECT& rect, const TspDataSkinControlBar& look);
// Paints the look's four border strips for a W x H window into `dc`, the client part
// left out.
void PaintBarBorder(HDC dc, TspSkinData* skin, const TspDataSkinControlBar& look, int W, int H);

// Paints the background of a W x H client area: the background picture or the client
// part of the skin rectangle, stretched by the stretch type when the look stretches, else
// tiled from the top-left. `overlay` draws on the same surface before it is shown (the
// band frames); the stretched background is drawn clipped to the client area unless
// `clipStretched` is off.
void PaintBarBackground(TCanvas* canvas, TspSkinData* skin, const TspDataSkinControlBar& look, int W, int H,
                        const std::function<void(TCanvas*)>& overlay, bool clipStretched = true);
