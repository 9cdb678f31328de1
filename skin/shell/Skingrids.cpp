#include "skin/shell/Skingrids.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "classlib/formres/Filer.h"
#include "classlib/formres/FormError.h"
#include "classlib/windowing/ControlMessages.h"

namespace {

[[noreturn]] void InvalidOp(const char* message) { throw EInvalidGridOperation(message); }

}  // namespace

TspSkinCustomGrid::TspSkinCustomGrid(TComponent* owner) : TspSkinControl(owner) {
  SetControlStyle({csCaptureMouse, csOpaque, csDoubleClicks});
  SetColor(clWindow);
  SetParentColor(false);
  SetTabStop(true);
  SetBounds(Left(), Top(), colCount_ * defaultColWidth_, rowCount_ * defaultRowHeight_);
  Initialize();
  skinDataName_ = "grid";
}

TspSkinCustomGrid::~TspSkinCustomGrid() {
  SetHScrollBar(nullptr);
  SetVScrollBar(nullptr);
}

void TspSkinCustomGrid::CreateParams(TCreateParams& params) {
  TspSkinControl::CreateParams(params);
  params.Style |= WS_TABSTOP;
  params.Style &= ~static_cast<DWORD>(WS_HSCROLL | WS_VSCROLL | WS_BORDER);
  params.WindowClass.style = CS_DBLCLKS;
}

void TspSkinCustomGrid::Initialize() {
  topLeft_ = current_ = anchor_ = {fixedCols_, fixedRows_};
  if (options_.Contains(goRowSelect)) anchor_.X = colCount_ - 1;
}

// ---- counts ----

void TspSkinCustomGrid::SetColCount(int value) {
  if (value == colCount_) return;
  value = std::max(value, 1);
  if (fixedCols_ >= value) SetFixedCols(value - 1);
  ChangeSize(value, rowCount_);
  if (options_.Contains(goRowSelect)) {
    anchor_.X = colCount_ - 1;
    Invalidate();
  }
}

void TspSkinCustomGrid::SetRowCount(int value) {
  if (value == rowCount_) return;
  value = std::max(value, 1);
  if (fixedRows_ >= value) SetFixedRows(value - 1);
  ChangeSize(colCount_, value);
}

void TspSkinCustomGrid::ChangeSize(int newColCount, int newRowCount) {
  TGridDrawInfo oldInfo;
  if (HandleAllocated()) oldInfo = CalcDrawInfo();
  const int oldColCount = colCount_, oldRowCount = rowCount_;
  colCount_ = newColCount;
  rowCount_ = newRowCount;
  fixedCols_ = std::min(fixedCols_, std::max(newColCount - 1, 0));
  fixedRows_ = std::min(fixedRows_, std::max(newRowCount - 1, 0));
  try {
    UpdateExtents();
    ApplySize(oldColCount, oldRowCount, HandleAllocated() ? &oldInfo : nullptr);
  } catch (...) {
    const int failedColCount = colCount_, failedRowCount = rowCount_;
    colCount_ = oldColCount;
    rowCount_ = oldRowCount;
    UpdateExtents();
    ApplySize(failedColCount, failedRowCount, nullptr);
    InvalidateGrid();
    throw;
  }
}

// Every block that exists follows its axis's count; new cells take the defaults.
void TspSkinCustomGrid::UpdateExtents() {
  colWidths_.SetCount(colCount_, defaultColWidth_);
  tabStops_.SetCount(colCount_, 1);
  rowHeights_.SetCount(rowCount_, defaultRowHeight_);
}

// The current cell and anchor are clipped into the new counts, what changed on screen is
// invalidated, and SizeChanged told the old counts.
void TspSkinCustomGrid::ApplySize(int oldColCount, int oldRowCount, const TGridDrawInfo* oldInfo) {
  const TGridCoord clipped{std::min(current_.X, colCount_ - 1), std::min(current_.Y, rowCount_ - 1)};
  if (!(clipped == current_)) MoveCurrent(clipped.X, clipped.Y, true, true);
  if (!(anchor_ == clipped)) MoveAnchor(clipped);
  topLeft_.X = std::min(topLeft_.X, colCount_ - 1);
  topLeft_.Y = std::min(topLeft_.Y, rowCount_ - 1);
  if (oldInfo == nullptr || topLeft_.X != oldInfo->HorzAxis.FirstCell || topLeft_.Y != oldInfo->VertAxis.FirstCell) {
    InvalidateGrid();
  } else {
    InvalidateFrom(*oldInfo);
  }
  SizeChanged(oldColCount, oldRowCount);
}

// From the first cell that may have changed on each axis to the control's far edges.
void TspSkinCustomGrid::InvalidateFrom(const TGridDrawInfo& oldInfo) {
  const TGridDrawInfo newInfo = CalcDrawInfo();
  const int lastCol = std::min(oldInfo.HorzAxis.LastFullCell, newInfo.HorzAxis.LastFullCell);
  const int lastRow = std::min(oldInfo.VertAxis.LastFullCell, newInfo.VertAxis.LastFullCell);
  const TRect colRect = CellRect(lastCol, 0), rowRect = CellRect(0, lastRow);
  const RECT cols{colRect.Left, colRect.Top, Width(), Height()}, rows{rowRect.Left, rowRect.Top, Width(), Height()};
  ::InvalidateRect(Handle(), &cols, FALSE);
  ::InvalidateRect(Handle(), &rows, FALSE);
}

void TspSkinCustomGrid::SetFixedCols(int value) {
  SetFixedCount(fixedCols_, value, colCount_, "Fixed column count must be less than column count");
}

void TspSkinCustomGrid::SetFixedRows(int value) {
  SetFixedCount(fixedRows_, value, rowCount_, "Fixed row count must be less than row count");
}

void TspSkinCustomGrid::SetFixedCount(int& fixedCount, int value, int count, const char* tooMany) {
  if (value == fixedCount) return;
  if (value < 0) InvalidOp("Grid index out of range");
  if (value >= count) InvalidOp(tooMany);
  fixedCount = value;
  Initialize();
  InvalidateGrid();
}

// ---- extents ----

void TspSkinCustomGrid::SetDefaultColWidth(int value) {
  colWidths_.Release();
  defaultColWidth_ = value;
  ColWidthsChanged();
  InvalidateGrid();
}

void TspSkinCustomGrid::SetDefaultRowHeight(int value) {
  rowHeights_.Release();
  defaultRowHeight_ = value;
  RowHeightsChanged();
  InvalidateGrid();
}

// The value of cell `index` in a block made (every cell `defaultValue`) when absent;
// "Grid index out of range" for a cell the axis does not have.
int TspSkinCustomGrid::PrepareExtent(TGridExtents& extents, int count, int defaultValue, int index) {
  extents.Ensure(count, defaultValue);
  if (index < 0 || index >= count) InvalidOp("Grid index out of range");
  return extents.Value(index, defaultValue);
}

void TspSkinCustomGrid::SetColWidths(int index, int value) {
  const int old = PrepareExtent(colWidths_, colCount_, defaultColWidth_, index);
  if (value == old) return;
  ResizeCol(index, old, value);
  colWidths_.Set(index, value);
  ColWidthsChanged();
}

void TspSkinCustomGrid::SetRowHeights(int index, int value) {
  const int old = PrepareExtent(rowHeights_, rowCount_, defaultRowHeight_, index);
  if (value == old) return;
  ResizeRow(index, old, value);
  rowHeights_.Set(index, value);
  RowHeightsChanged();
}

void TspSkinCustomGrid::SetTabStops(int index, bool value) {
  PrepareExtent(tabStops_, colCount_, 1, index);
  tabStops_.Set(index, value ? 1 : 0);
}

void TspSkinCustomGrid::ResizeCol(int, int, int) { InvalidateGrid(); }
void TspSkinCustomGrid::ResizeRow(int, int, int) { InvalidateGrid(); }

// ---- moving and deleting ----

void TspSkinCustomGrid::MoveAdjust(int& position, int fromIndex, int toIndex) {
  if (position == fromIndex) {
    position = toIndex;
  } else if (position >= std::min(fromIndex, toIndex) && position <= std::max(fromIndex, toIndex)) {
    position += fromIndex < toIndex ? -1 : 1;
  }
}

void TspSkinCustomGrid::MoveColumn(int fromIndex, int toIndex) {
  if (fromIndex == toIndex) return;
  colWidths_.Move(fromIndex, toIndex);
  tabStops_.Move(fromIndex, toIndex);
  MoveAdjust(current_.X, fromIndex, toIndex);
  MoveAdjust(anchor_.X, fromIndex, toIndex);
  MoveAdjust(inplaceCol_, fromIndex, toIndex);
  InvalidateRect({std::min(fromIndex, toIndex), 0, std::max(fromIndex, toIndex), VisibleRowCount()});
  ColumnMoved(fromIndex, toIndex);
  if (colWidths_.Exists()) ColWidthsChanged();
}

void TspSkinCustomGrid::MoveRow(int fromIndex, int toIndex) {
  if (fromIndex == toIndex) return;
  rowHeights_.Move(fromIndex, toIndex);
  MoveAdjust(current_.Y, fromIndex, toIndex);
  MoveAdjust(anchor_.Y, fromIndex, toIndex);
  MoveAdjust(inplaceRow_, fromIndex, toIndex);
  RowMoved(fromIndex, toIndex);
  if (rowHeights_.Exists()) RowHeightsChanged();
}

void TspSkinCustomGrid::DeleteColumn(int index) {
  MoveColumn(index, colCount_ - 1);
  SetColCount(colCount_ - 1);
}

void TspSkinCustomGrid::DeleteRow(int index) {
  MoveRow(index, rowCount_ - 1);
  SetRowCount(rowCount_ - 1);
}

// ---- inserting and removing ----

void TspSkinCustomGrid::AdjustSize(int index, int amount, bool rows) {
  if (amount == 0) return;
  const int count = rows ? rowCount_ : colCount_;
  if (index < 0 || index > count) InvalidOp("Grid index out of range");
  const int64_t newCount = int64_t{count} + amount;
  if (newCount < std::max(index, 1)) InvalidOp("Too many rows or columns deleted");
  if (newCount > std::numeric_limits<int>::max()) InvalidOp("Grid too large for operation");
  // The cells that move: every one behind `index`, the fixed titles of the other axis too.
  TGridRect moveRect{rows ? 0 : fixedCols_, rows ? fixedRows_ : 0, colCount_ - 1, rowCount_ - 1};
  int& moveStart = rows ? moveRect.Top : moveRect.Left;
  int& moveEnd = rows ? moveRect.Bottom : moveRect.Right;
  const int firstShown = rows ? topLeft_.Y : topLeft_.X;
  moveStart = index;
  if (int64_t{index} + std::abs(int64_t{amount}) <= firstShown) moveEnd = firstShown - 1;
  const int64_t movement = InsertMovement(index, amount, rows);

  TGridExtents& extents = rows ? rowHeights_ : colWidths_;
  const TGridExtents oldExtents = extents, oldTabStops = tabStops_;
  extents.Resize(index, amount, rows ? defaultRowHeight_ : defaultColWidth_);
  if (!rows) tabStops_.Resize(index, amount, 1);
  TGridCoord newCurrent = current_;
  InsertAdjust(rows ? newCurrent.Y : newCurrent.X, index, amount, static_cast<int>(newCount));
  // The anchor moves with its cell as well, so that the selection the cells carried along
  // is the one repainted when the selection collapses on the current cell.
  InsertAdjust(rows ? anchor_.Y : anchor_.X, index, amount, static_cast<int>(newCount));
  try {
    ChangeSize(rows ? colCount_ : static_cast<int>(newCount), rows ? static_cast<int>(newCount) : rowCount_);
  } catch (...) {
    extents = oldExtents;  // ChangeSize put the counts back; the sizes go back to their cells
    tabStops_ = oldTabStops;
    throw;
  }
  ScrollMovedCells(moveRect, movement, rows);
  if (!(newCurrent == current_)) MoveCurrent(newCurrent.X, newCurrent.Y, true, true);
}

// How far the cells behind `index` move, in pixels with their lines: back by the removed
// cells' sizes, on by default-sized new ones.
int64_t TspSkinCustomGrid::InsertMovement(int index, int amount, bool rows) const {
  const int lineWidth = AxisInfo(!rows).LineWidth;
  if (amount > 0) return int64_t{amount} * ((rows ? defaultRowHeight_ : defaultColWidth_) + lineWidth);
  int64_t removed = 0;
  for (int cell = index; cell < index - amount; ++cell) removed += (rows ? RowHeights(cell) : ColWidths(cell)) + lineWidth;
  return -removed;
}

// A position inside the removed cells lands on `index` (the last cell when none is left
// behind them); one behind them moves with them.
void TspSkinCustomGrid::InsertAdjust(int& position, int index, int amount, int newCount) {
  if (position < index) return;
  position = amount < 0 && position < index - amount ? index : position + amount;
  position = std::min(position, newCount - 1);
}

void TspSkinCustomGrid::ScrollMovedCells(const TGridRect& moveRect, int64_t movement, bool rows) {
  if (!HandleAllocated()) return;
  const TRect area = GridRectToScreenRect(moveRect, true);
  if (area.IsEmpty()) return;
  const int limit = rows ? ClientHeight() : ClientWidth();
  const int pixels = static_cast<int>(std::clamp<int64_t>(movement, -limit, limit));
  const int dx = rows ? 0 : (rightToLeft_ ? -pixels : pixels);
  ::ScrollWindow(Handle(), dx, rows ? pixels : 0, area.AsRECT(), area.AsRECT());
  ::UpdateWindow(Handle());
}

void TspSkinCustomGrid::ColumnMoved(int, int) {}
void TspSkinCustomGrid::RowMoved(int, int) {}
void TspSkinCustomGrid::SizeChanged(int, int) {}
bool TspSkinCustomGrid::SelectCell(int, int) { return true; }

// ---- options and colours ----

template <class T>
void TspSkinCustomGrid::StoreAndInvalidate(T& field, T value) {
  if (value == field) return;
  field = value;
  InvalidateGrid();
}

void TspSkinCustomGrid::SetOptions(TGridOptions value) {
  if (value == options_) return;
  if (value.Contains(goRowSelect)) value.Exclude(goAlwaysShowEditor);
  options_ = value;
  if (options_.Contains(goRowSelect)) MoveCurrent(current_.X, current_.Y, true, false);
  InvalidateGrid();
}

void TspSkinCustomGrid::SetGridLineWidth(int value) { StoreAndInvalidate(gridLineWidth_, value); }

void TspSkinCustomGrid::SetFixedColor(TColor value) { StoreAndInvalidate(fixedColor_, value); }

void TspSkinCustomGrid::SetGridLineColor(TColor value) {
  if (value == gridLineColor_) return;
  gridLineColor_ = value;
  if (LookIndex() == -1) InvalidateGrid();
}

void TspSkinCustomGrid::SetBorderStyle(TBorderStyle value) {
  if (value == borderStyle_) return;
  borderStyle_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void TspSkinCustomGrid::SetTransparent(bool value) { StoreAndInvalidate(transparent_, value); }

void TspSkinCustomGrid::SetRightToLeft(bool value) { StoreAndInvalidate(rightToLeft_, value); }

// ---- current cell and selection ----

TGridRect TspSkinCustomGrid::Selection() const {
  return {std::min(anchor_.X, current_.X), std::min(anchor_.Y, current_.Y), std::max(anchor_.X, current_.X),
          std::max(anchor_.Y, current_.Y)};
}

// `show` (scroll the cell into view) takes effect once the grid scrolls; the old and the
// new selection are repainted whole.
void TspSkinCustomGrid::MoveCurrent(int col, int row, bool moveAnchor, bool show) {
  (void)show;
  if (col < 0 || row < 0 || col >= colCount_ || row >= rowCount_) InvalidOp("Grid index out of range");
  if (!SelectCell(col, row)) return;
  const TGridRect oldSelection = Selection();
  const TGridCoord oldCurrent = current_;
  current_ = {col, row};
  if (moveAnchor || !options_.Contains(goRangeSelect)) {
    anchor_ = current_;
    if (options_.Contains(goRowSelect)) anchor_.X = colCount_ - 1;
  }
  if (options_.Contains(goRowSelect)) current_.X = fixedCols_;
  InvalidateRect(oldSelection);
  InvalidateRect(Selection());
  InvalidateCell(oldCurrent.X, oldCurrent.Y);
  InvalidateCell(current_.X, current_.Y);
}

void TspSkinCustomGrid::MoveAnchor(const TGridCoord& cell) {
  if (!options_.Contains(goRangeSelect) || options_.Contains(goEditing)) {
    MoveCurrent(cell.X, cell.Y, true, true);
    return;
  }
  const TGridRect oldSelection = Selection();
  anchor_ = cell;
  if (options_.Contains(goRowSelect)) anchor_.X = colCount_ - 1;
  InvalidateRect(oldSelection);
  InvalidateRect(Selection());
}

bool TspSkinCustomGrid::IsActiveControl() const {
  const TCustomForm* form = GetParentForm(this);
  return form != nullptr && form->ActiveControl() == this && Focused();
}

// ---- geometry ----

TGridAxisDrawInfo TspSkinCustomGrid::AxisInfo(bool columns) const {
  const bool lines = columns ? options_.Contains(goFixedVertLine) || options_.Contains(goVertLine)
                             : options_.Contains(goFixedHorzLine) || options_.Contains(goHorzLine);
  const int lineWidth = lines ? gridLineWidth_ : 0;
  if (columns) {
    return CalcAxisFixedInfo(lineWidth, fixedCols_, topLeft_.X, colCount_, [this](int i) { return ColWidths(i); });
  }
  return CalcAxisFixedInfo(lineWidth, fixedRows_, topLeft_.Y, rowCount_, [this](int i) { return RowHeights(i); });
}

TGridDrawInfo TspSkinCustomGrid::CalcDrawInfoXY(int width, int height) const {
  TGridDrawInfo info{AxisInfo(true), AxisInfo(false)};
  CalcAxisDrawInfo(info.HorzAxis, width);
  CalcAxisDrawInfo(info.VertAxis, height);
  return info;
}

TGridDrawInfo TspSkinCustomGrid::CalcDrawInfo() const { return CalcDrawInfoXY(ClientWidth(), ClientHeight()); }

TGridCoord TspSkinCustomGrid::CalcMaxTopLeft(const TGridCoord& coord, const TGridDrawInfo& info) const {
  return CalcMaxTopLeftOf(coord, info);
}

TGridCoord TspSkinCustomGrid::CalcCoordFromPoint(int x, int y, const TGridDrawInfo& info) const {
  return CalcCoordFromPointOf(rightToLeft_ ? ClientWidth() - x : x, y, info);
}

TGridCoord TspSkinCustomGrid::MouseCoord(int x, int y) const {
  TGridCoord coord = CalcCoordFromPoint(x, y, CalcDrawInfo());
  if (coord.X < 0 || coord.Y < 0) coord = {-1, -1};
  return coord;
}

TRect TspSkinCustomGrid::GridRectToScreenRect(const TGridRect& gridRect, bool includeLine) const {
  TRect screen = GridRectToScreenRectOf(CalcDrawInfo(), gridRect, includeLine);
  if (rightToLeft_ && !screen.IsEmpty()) {
    const LONG left = ClientWidth() - screen.Right, right = ClientWidth() - screen.Left;
    screen.Left = left;
    screen.Right = right;
  }
  return screen;
}

TRect TspSkinCustomGrid::BoxRect(int left, int top, int right, int bottom) const {
  return GridRectToScreenRect({left, top, right, bottom}, false);
}

TRect TspSkinCustomGrid::CellRect(int col, int row) const { return BoxRect(col, row, col, row); }

int TspSkinCustomGrid::VisibleColCount() const { return CalcDrawInfo().HorzAxis.LastFullCell - topLeft_.X + 1; }

int TspSkinCustomGrid::VisibleRowCount() const { return CalcDrawInfo().VertAxis.LastFullCell - topLeft_.Y + 1; }

// ---- invalidation ----

void TspSkinCustomGrid::InvalidateCell(int col, int row) { InvalidateRect({col, row, col, row}); }

void TspSkinCustomGrid::InvalidateCol(int col) { InvalidateRect({col, 0, col, VisibleRowCount() + 1}); }

void TspSkinCustomGrid::InvalidateRow(int row) { InvalidateRect({0, row, VisibleColCount() + 1, row}); }

void TspSkinCustomGrid::InvalidateRect(const TGridRect& rect) {
  if (!HandleAllocated()) return;
  const TRect screen = GridRectToScreenRect(rect, true);
  ::InvalidateRect(Handle(), screen.AsRECT(), FALSE);
}

// ---- scroll bars ----

void TspSkinCustomGrid::AttachScrollBar(TspSkinScrollBar*& bar, TspSkinScrollBar* value) {
  if (bar == value) return;
  if (bar != nullptr) bar->RemoveFreeNotification(this);
  bar = value;
  if (bar == nullptr) return;
  bar->FreeNotification(this);
  bar->SetEnabled(true);
  bar->SetVisible(false);
}

void TspSkinCustomGrid::SetHScrollBar(TspSkinScrollBar* value) { AttachScrollBar(hScrollBar_, value); }

void TspSkinCustomGrid::SetVScrollBar(TspSkinScrollBar* value) { AttachScrollBar(vScrollBar_, value); }

void TspSkinCustomGrid::Notification(TComponent* component, TOperation operation) {
  TspSkinControl::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == hScrollBar_) hScrollBar_ = nullptr;
  if (component == vScrollBar_) vScrollBar_ = nullptr;
}

void TspSkinCustomGrid::Dispatch(TMessage& message) {
  TspSkinControl::Dispatch(message);
  if (message.Msg != CM_VISIBLECHANGED) return;
  for (TspSkinScrollBar* bar : {hScrollBar_, vScrollBar_}) {
    if (bar != nullptr) bar->SetVisible(Visible());
  }
}

// ---- reading from a form ----

void TspSkinCustomGrid::DefineProperties(TFiler* filer) {
  TspSkinControl::DefineProperties(filer);
  if (!saveCellExtents_) return;
  filer->DefineProperty("ColWidths", [this](const TValueReader& value) { ReadExtents(value, true); });
  filer->DefineProperty("RowHeights", [this](const TValueReader& value) { ReadExtents(value, false); });
}

// A list of one integer per column (row), set in turn; the cells beyond the list keep
// theirs, and more values than cells are an error.
void TspSkinCustomGrid::ReadExtents(const TValueReader& value, bool columns) {
  int index = 0;
  value.ReadList([&](const TValueReader& element) {
    const int extent = element.ReadInteger();
    if (index >= (columns ? colCount_ : rowCount_)) {
      throw EFormValueError(columns ? "more widths than columns" : "more heights than rows");
    }
    if (columns) {
      SetColWidths(index++, extent);
    } else {
      SetRowHeights(index++, extent);
    }
  });
}
