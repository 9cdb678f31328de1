#pragma once
// Where the cells of a grid lie: pure calculation on the grid's numbers (counts, first
// cells, extents, line width, client size), callable without a window.
#include <functional>

#include "classlib/graphics/Types.h"

// A cell: X the column, Y the row.
struct TGridCoord {
  int X = 0;
  int Y = 0;
  bool operator==(const TGridCoord&) const = default;
};

// A range of cells, bounds included.
struct TGridRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  bool operator==(const TGridRect&) const = default;
};

// The width of a column or the height of a row.
using TGetExtentsFunc = std::function<int(int index)>;

// One axis of the grid on screen (columns: widths and vertical lines; rows: heights and
// horizontal lines), in pixels from the client's near edge.
struct TGridAxisDrawInfo {
  int LineWidth = 0;     // the grid line width when the axis draws lines, else 0
  int FixedEnd = 0;      // where the fixed cells and their lines end
  int CellsEnd = 0;      // where the drawn cells end (at most ClientExtent)
  int ClientExtent = 0;  // the pixels available
  int LastFullCell = 0;  // the last cell shown whole
  int FullCellsEnd = 0;  // where LastFullCell and its line end
  int FixedCount = 0;
  int FirstCell = 0;  // the first scrollable cell shown
  int CellCount = 0;
  TGetExtentsFunc ExtentOf;
};

struct TGridDrawInfo {
  TGridAxisDrawInfo HorzAxis;
  TGridAxisDrawInfo VertAxis;
};

// The axis's fixed part: everything but ClientExtent, CellsEnd, LastFullCell and FullCellsEnd.
TGridAxisDrawInfo CalcAxisFixedInfo(int lineWidth, int fixedCount, int firstCell, int cellCount,
                                    TGetExtentsFunc extentOf);
// Lays the scrollable cells out from FirstCell over `clientExtent` pixels.
void CalcAxisDrawInfo(TGridAxisDrawInfo& axis, int clientExtent);
// The largest first cell that still shows `lastCell` whole; cells of extent 0 take their
// line but never become the first cell.
int CalcAxisMaxFirst(const TGridAxisDrawInfo& axis, int lastCell);
// The cell under pixel `position` (a cell's line belongs to it), -1 when none.
int CalcAxisCoord(const TGridAxisDrawInfo& axis, int position);
// The near edge of `cell`: 0 for a scrollable cell before FirstCell and whenever the
// running sum passes ClientExtent.
int CalcAxisCellStart(const TGridAxisDrawInfo& axis, int cell);

TGridCoord CalcMaxTopLeftOf(const TGridCoord& coord, const TGridDrawInfo& info);
TGridCoord CalcCoordFromPointOf(int x, int y, const TGridDrawInfo& info);
// The client rectangle of a range of cells (left to right reading), with the line after
// it when `includeLine`; empty when no part of the range is shown.
TRect GridRectToScreenRectOf(const TGridDrawInfo& info, TGridRect gridRect, bool includeLine);
