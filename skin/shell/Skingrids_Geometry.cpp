#include "skin/shell/Skingrids_Geometry.h"

#include <algorithm>

TGridAxisDrawInfo CalcAxisFixedInfo(int lineWidth, int fixedCount, int firstCell, int cellCount,
                                    TGetExtentsFunc extentOf) {
  TGridAxisDrawInfo axis;
  axis.LineWidth = lineWidth;
  axis.FixedCount = fixedCount;
  axis.FirstCell = firstCell;
  axis.CellCount = cellCount;
  axis.ExtentOf = std::move(extentOf);
  for (int i = 0; i < fixedCount; ++i) axis.FixedEnd += axis.ExtentOf(i) + lineWidth;
  return axis;
}

void CalcAxisDrawInfo(TGridAxisDrawInfo& axis, int clientExtent) {
  axis.ClientExtent = clientExtent;
  axis.CellsEnd = axis.FullCellsEnd = axis.FixedEnd;
  axis.LastFullCell = axis.FirstCell;
  for (int i = axis.FirstCell; i < axis.CellCount; ++i) {
    axis.CellsEnd += axis.ExtentOf(i) + axis.LineWidth;
    if (axis.CellsEnd > clientExtent + axis.LineWidth) {
      axis.CellsEnd = clientExtent;
      break;
    }
    axis.LastFullCell = i;
    axis.FullCellsEnd = axis.CellsEnd;
  }
}

int CalcAxisMaxFirst(const TGridAxisDrawInfo& axis, int lastCell) {
  int result = lastCell;
  int line = axis.ClientExtent + axis.LineWidth;
  for (int i = lastCell; i >= axis.FixedCount; --i) {
    const int extent = axis.ExtentOf(i);
    line -= extent + axis.LineWidth;
    if (line < axis.FixedEnd) break;
    if (extent > 0) result = i;
  }
  return result;
}

int CalcAxisCoord(const TGridAxisDrawInfo& axis, int position) {
  const bool fixed = position < axis.FixedEnd;
  const int last = fixed ? axis.FixedCount - 1 : axis.CellCount - 1;
  int edge = fixed ? 0 : axis.FixedEnd;
  for (int i = fixed ? 0 : axis.FirstCell; i <= last; ++i) {
    edge += axis.ExtentOf(i) + axis.LineWidth;
    if (position < edge) return i;
  }
  return -1;
}

int CalcAxisCellStart(const TGridAxisDrawInfo& axis, int cell) {
  int start = 0, from = 0;
  if (cell >= axis.FixedCount) {
    if (cell >= axis.FirstCell) start = axis.FixedEnd;
    from = axis.FirstCell;
  }
  for (int i = from; i < cell; ++i) {
    start += axis.ExtentOf(i) + axis.LineWidth;
    if (start > axis.ClientExtent) return 0;
  }
  return start;
}

TGridCoord CalcMaxTopLeftOf(const TGridCoord& coord, const TGridDrawInfo& info) {
  return {CalcAxisMaxFirst(info.HorzAxis, coord.X), CalcAxisMaxFirst(info.VertAxis, coord.Y)};
}

TGridCoord CalcCoordFromPointOf(int x, int y, const TGridDrawInfo& info) {
  return {CalcAxisCoord(info.HorzAxis, x), CalcAxisCoord(info.VertAxis, y)};
}

namespace {

// One axis of a range on screen; false when the range lies wholly among the scrollable
// cells scrolled out before FirstCell.
bool CalcScreenAxis(const TGridAxisDrawInfo& axis, int first, int last, bool includeLine, LONG& nearEdge,
                    LONG& farEdge) {
  if (first >= axis.FixedCount && first < axis.FirstCell) {
    if (last < axis.FirstCell) return false;
    first = axis.FirstCell;
  }
  if (last > axis.LastFullCell) {
    last = axis.LastFullCell;
    if (last < axis.CellCount - 1) ++last;
    if (CalcAxisCellStart(axis, last) == 0) --last;
  }
  nearEdge = CalcAxisCellStart(axis, first);
  const int lastStart = CalcAxisCellStart(axis, last);
  farEdge = lastStart == 0 ? nearEdge + axis.ExtentOf(first) : lastStart + axis.ExtentOf(last);
  farEdge = std::min<LONG>(farEdge, axis.ClientExtent);
  if (includeLine) farEdge += axis.LineWidth;
  return true;
}

}  // namespace

TRect GridRectToScreenRectOf(const TGridDrawInfo& info, TGridRect gridRect, bool includeLine) {
  TRect screen;
  if (gridRect.Right < gridRect.Left || gridRect.Bottom < gridRect.Top) return screen;
  if (gridRect.Left > info.HorzAxis.LastFullCell + 1 || gridRect.Top > info.VertAxis.LastFullCell + 1) return screen;
  if (!CalcScreenAxis(info.HorzAxis, gridRect.Left, gridRect.Right, includeLine, screen.Left, screen.Right)) {
    return TRect();
  }
  if (!CalcScreenAxis(info.VertAxis, gridRect.Top, gridRect.Bottom, includeLine, screen.Top, screen.Bottom)) {
    return TRect();
  }
  return screen;
}
