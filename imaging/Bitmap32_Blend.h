#pragma once
// Per-pixel arithmetic of the bitmap library: blending by the foreground's alpha,
// combining by a weight, merging (compositing with a correct alpha) and a small colour
// algebra. Every routine is a variable bound at start-up to a plain form or to a form
// reproducing the processor's multimedia instructions; callers go through the
// variables or the tables indexed by TCombineMode and call EMMS when done.
#include <cstdint>

#include "imaging/Bitmap32_Colors.h"

namespace imaging {

enum TCombineMode : uint8_t { cmBlend = 0, cmMerge = 1 };

// X, Y, F (foreground) and B (background) colours; W a weight and M a master alpha,
// both 0..255; N a pixel count (N <= 0 processes nothing).
using TCombineReg = TColor32 (*)(TColor32 x, TColor32 y, int32_t w);
using TCombineMem = void (*)(TColor32 f, TColor32& b, int32_t w);
using TCombineLine = void (*)(const TColor32* src, TColor32* dst, int32_t n, int32_t w);
using TBlendReg = TColor32 (*)(TColor32 f, TColor32 b);
using TBlendMem = void (*)(TColor32 f, TColor32& b);
using TBlendRegEx = TColor32 (*)(TColor32 f, TColor32 b, int32_t m);
using TBlendMemEx = void (*)(TColor32 f, TColor32& b, int32_t m);
using TBlendLine = void (*)(const TColor32* src, TColor32* dst, int32_t n);
using TBlendLineEx = void (*)(const TColor32* src, TColor32* dst, int32_t n, int32_t m);
using TColorOp = TColor32 (*)(TColor32 c1, TColor32 c2);
using TColorScale = TColor32 (*)(TColor32 color, int32_t w);

// True when the multimedia forms are bound (the processor has MMX).
extern bool MMX_ACTIVE;

extern TCombineReg CombineReg;
extern TCombineMem CombineMem;
extern TCombineLine CombineLine;
extern TBlendReg BlendReg;
extern TBlendMem BlendMem;
extern TBlendRegEx BlendRegEx;
extern TBlendMemEx BlendMemEx;
extern TBlendLine BlendLine;
extern TBlendLineEx BlendLineEx;
extern TBlendReg MergeReg;
extern TBlendMem MergeMem;
extern TBlendRegEx MergeRegEx;
extern TBlendMemEx MergeMemEx;
extern TBlendLine MergeLine;
extern TBlendLineEx MergeLineEx;

extern TColorOp ColorAdd;
extern TColorOp ColorSub;
extern TColorOp ColorDiv;
extern TColorOp ColorModulate;
extern TColorOp ColorMax;
extern TColorOp ColorMin;
extern TColorOp ColorDifference;
extern TColorOp ColorAverage;
extern TColorOp ColorExclusion;
extern TColorScale ColorScale;

// Indexed by TCombineMode: the blend and the merge form.
extern TBlendReg BLEND_REG[2];
extern TBlendMem BLEND_MEM[2];
extern TBlendRegEx BLEND_REG_EX[2];
extern TBlendMemEx BLEND_MEM_EX[2];
extern TBlendLine BLEND_LINE[2];
extern TBlendLineEx BLEND_LINE_EX[2];

// Weight table of the multimedia forms (only while MMX_ACTIVE): entry i, four 16-bit
// words of i, at alpha_ptr + 4 * i; bias_ptr is entry 128.
extern const uint16_t* alpha_ptr;
extern const uint16_t* bias_ptr;

// ProductTable[i][j] = round(i * j / 255); QuotientTable[i][j] = round(j * 255 / i)
// as a byte (0 for i = 0).
extern uint8_t ProductTable[256][256];
extern uint8_t QuotientTable[256][256];

// Ends a run of blending; a call point that keeps the floating-point unit usable.
void EMMS();

// Red, green and blue raised by n and clamped to 0..255; alpha unchanged.
TColor32 Lighten(TColor32 color, int32_t n);

// Start-up: fills the merge tables and binds the variables. Shut-down frees the
// weight table and leaves the plain forms bound.
void InitializeBlend();
void FinalizeBlend();
// Binds the variables and tables again by the processor tests.
void BindBlendRoutines();

}  // namespace imaging
