#pragma once
// Clipping of line segments.
#include <cstdint>

namespace imaging {

// Clips the segment (x1, y1)-(x2, y2) against the rectangle minX..maxX x minY..maxY
// (bounds included) in one pass: vertical edges first, then horizontal ones, with
// MulDiv's rounding. False when the segment misses the rectangle; the points may then
// hold the changes made before that was found (none for a segment wholly outside one
// side).
bool ClipLine(int32_t& x1, int32_t& y1, int32_t& x2, int32_t& y2, int32_t minX, int32_t minY, int32_t maxX,
              int32_t maxY);

}  // namespace imaging
