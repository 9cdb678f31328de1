#pragma once
// The skinned cell grid: fixed title rows and columns at the top and left, per-column
// widths and per-row heights, a current cell and a rectangular selection, painted from
// the skin's "grid" look or, without a usable look, from system colours. Descendants draw
// the cells' content (DrawCell).
#include <cstdint>

#include "classlib/graphics/Bitmap.h"
#include "classlib/runtime/Sets.h"
#include "classlib/windowing/Forms.h"
#include "skin/controls/Skinctrls_Bases.h"
#include "skin/controls/Skinctrls_ScrollBar.h"
#include "skin/data/Skindata_Views.h"
#include "skin/shell/Skingrids_Extents.h"
#include "skin/shell/Skingrids_Geometry.h"

class TValueReader;

enum TGridOption {
  goFixedVertLine,
  goFixedHorzLine,
  goVertLine,
  goHorzLine,
  goRangeSelect,
  goDrawFocusSelected,
  goRowSizing,
  goColSizing,
  goRowMoving,
  goColMoving,
  goEditing,
  goTabs,
  goRowSelect,
  goAlwaysShowEditor,
  goThumbTracking
};
using TGridOptions = TSet<TGridOption>;

enum TGridDrawStateFlag { gdSelected, gdFocused, gdFixed };
using TGridDrawState = TSet<TGridDrawStateFlag>;

enum TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };

// The look a grid found for its paint: the skin's entry ("grid" unless SkinDataName says
// otherwise, valid until the skin changes) with its pictures and cell parts.
struct TspGridLook {
  const TspDataSkinGridControl* Entry = nullptr;  // every value of the look, by its key
  TBitmap* Picture = nullptr;    // the picture the three cell parts point into
  TBitmap* BGPicture = nullptr;  // tiled behind the cells, or none
  TRect SelectCellRect;          // the focused-cell part when the skin gives none
  TRect FocusCellRect;           // the selected-cell part when the skin gives none
};

class TspSkinCustomGrid : public TspSkinControl {
  CLASSLIB_CLASS(TspSkinCustomGrid, TspSkinControl)
 public:
  explicit TspSkinCustomGrid(TComponent* owner);
  ~TspSkinCustomGrid() override;

  // ---- structure ----
  int ColCount() const { return colCount_; }
  // A value of 0 or less becomes 1; FixedCols drops below the new count.
  virtual void SetColCount(int value);
  int RowCount() const { return rowCount_; }
  virtual void SetRowCount(int value);
  int FixedCols() const { return fixedCols_; }
  void SetFixedCols(int value);
  int FixedRows() const { return fixedRows_; }
  void SetFixedRows(int value);
  int DefaultColWidth() const { return defaultColWidth_; }
  // Discards every single column width.
  void SetDefaultColWidth(int value);
  int DefaultRowHeight() const { return defaultRowHeight_; }
  void SetDefaultRowHeight(int value);
  int ColWidths(int index) const { return colWidths_.Value(index, defaultColWidth_); }
  void SetColWidths(int index, int value);
  int RowHeights(int index) const { return rowHeights_.Value(index, defaultRowHeight_); }
  void SetRowHeights(int index, int value);
  bool TabStops(int index) const { return tabStops_.Value(index, 1) != 0; }
  void SetTabStops(int index, bool value);
  // Whether single widths (heights, tab stops) are held, or every cell has the default.
  bool HasColWidths() const { return colWidths_.Exists(); }
  bool HasRowHeights() const { return rowHeights_.Exists(); }
  bool HasTabStops() const { return tabStops_.Exists(); }
  void MoveColumn(int fromIndex, int toIndex);
  void MoveRow(int fromIndex, int toIndex);
  // Moves the column to the end and drops the last column.
  virtual void DeleteColumn(int index);
  virtual void DeleteRow(int index);

  const TGridOptions& Options() const { return options_; }
  void SetOptions(TGridOptions value);
  int GridLineWidth() const { return gridLineWidth_; }
  void SetGridLineWidth(int value);
  TColor FixedColor() const { return fixedColor_; }
  void SetFixedColor(TColor value);
  TColor GridLineColor() const { return gridLineColor_; }
  void SetGridLineColor(TColor value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  bool DefaultDrawing() const { return defaultDrawing_; }
  void SetDefaultDrawing(bool value) { defaultDrawing_ = value; }
  bool UseSkinFont() const { return useSkinFont_; }
  void SetUseSkinFont(bool value) { useSkinFont_ = value; }
  bool UseSkinCellHeight() const { return useSkinCellHeight_; }
  void SetUseSkinCellHeight(bool value) { useSkinCellHeight_ = value; }
  // Draw right to left: columns run from the right edge.
  bool RightToLeft() const { return rightToLeft_; }
  void SetRightToLeft(bool value);

  // ---- current cell and selection ----
  int Col() const { return current_.X; }
  int Row() const { return current_.Y; }
  int LeftCol() const { return topLeft_.X; }
  int TopRow() const { return topLeft_.Y; }
  // The rectangle spanned by the anchor and the current cell.
  TGridRect Selection() const;
  TGridState GridState() const { return gridState_; }
  bool EditorMode() const { return editorMode_; }

  // ---- geometry ----
  TGridDrawInfo CalcDrawInfo() const;
  TGridDrawInfo CalcDrawInfoXY(int width, int height) const;
  TGridCoord CalcMaxTopLeft(const TGridCoord& coord, const TGridDrawInfo& info) const;
  // The cell under a client point; -1 on an axis without a cell (mirrored when reading
  // right to left).
  TGridCoord CalcCoordFromPoint(int x, int y, const TGridDrawInfo& info) const;
  // As CalcCoordFromPoint on fresh geometry; both -1 when either is.
  TGridCoord MouseCoord(int x, int y) const;
  TRect GridRectToScreenRect(const TGridRect& gridRect, bool includeLine) const;
  TRect BoxRect(int left, int top, int right, int bottom) const;
  // The cell's client rectangle without its lines; empty when the cell is not shown.
  TRect CellRect(int col, int row) const;
  int GridWidth() const { return CalcDrawInfo().HorzAxis.CellsEnd; }
  int GridHeight() const { return CalcDrawInfo().VertAxis.CellsEnd; }
  int VisibleColCount() const;
  int VisibleRowCount() const;

  // ---- invalidation ----
  void InvalidateCell(int col, int row);
  void InvalidateCol(int col);
  void InvalidateRow(int row);
  void InvalidateRect(const TGridRect& rect);
  void InvalidateGrid() { Invalidate(); }

  // ---- scroll bars ----
  TspSkinScrollBar* HScrollBar() const { return hScrollBar_; }
  // Attaches an external skinned bar: enabled and hidden until the grid has something to
  // scroll; forgotten when it is freed.
  void SetHScrollBar(TspSkinScrollBar* value);
  TspSkinScrollBar* VScrollBar() const { return vScrollBar_; }
  void SetVScrollBar(TspSkinScrollBar* value);

  // ---- look ----
  void GetSkinData() override;
  void ChangeSkinData() override;
  // The look in use, or null when the grid draws its plain look (also once its skin data
  // is gone, before the next paint reads the look again).
  const TspGridLook* Look() const { return LookIndex() != -1 && SkinData() != nullptr ? &look_ : nullptr; }
  // The text area of a cell with the look's text rectangles.
  TRect GetNewTextRect(const TRect& cellRect, TGridDrawState state) const;

  void DefineProperties(TFiler* filer) override;
  void Dispatch(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void Notification(TComponent* component, TOperation operation) override;
  void Paint() override;

  // Moves the current cell (and the anchor with `moveAnchor` or without goRangeSelect);
  // "Grid index out of range" outside the grid.
  virtual void MoveCurrent(int col, int row, bool moveAnchor, bool show);
  void MoveAnchor(const TGridCoord& cell);
  // Counts changed to new values (FixedCols/FixedRows follow); when any step raises, the
  // old counts come back and the exception goes on.
  void ChangeSize(int newColCount, int newRowCount);
  // Inserts (amount > 0) or removes (amount < 0) rows or columns at `index`: the single
  // sizes and the current cell move with the cells behind them, and the shown cells are
  // scrolled along. "Grid index out of range" for an index outside 0..count, "Too many rows
  // or columns deleted" when fewer than the cells before `index` (or none) would be left.
  virtual void AdjustSize(int index, int amount, bool rows);
  void Initialize();
  virtual void DrawCell(int col, int row, const TRect& rect, TGridDrawState state) = 0;
  virtual bool SelectCell(int col, int row);
  virtual void SizeChanged(int oldColCount, int oldRowCount);
  virtual void ColumnMoved(int fromIndex, int toIndex);
  virtual void RowMoved(int fromIndex, int toIndex);
  virtual void ColWidthsChanged() {}
  virtual void RowHeightsChanged() {}
  virtual void ResizeCol(int index, int oldSize, int newSize);
  virtual void ResizeRow(int index, int oldSize, int newSize);
  bool CanEditModify() const { return canEditModify_; }
  bool IsActiveControl() const;

 private:
  struct TGridLineColors {
    TColor on;   // lines whose option is on
    TColor off;  // lines whose option is off: drawn in the area's colour, invisible
  };
  struct TGridCellArea {
    TGridCoord first;  // the area's first cell
    TRect bounds;      // where it starts and ends on screen
    TColor color;
    TGridDrawState state;
  };

  TGridAxisDrawInfo AxisInfo(bool columns) const;
  void UpdateExtents();
  template <class T>
  void StoreAndInvalidate(T& field, T value);
  void SetFixedCount(int& fixedCount, int value, int count, const char* tooMany);
  static int PrepareExtent(TGridExtents& extents, int count, int defaultValue, int index);
  void ApplySize(int colCount, int rowCount, const TGridDrawInfo* oldInfo);
  void InvalidateFrom(const TGridDrawInfo& oldInfo);
  static void MoveAdjust(int& position, int fromIndex, int toIndex);
  int64_t InsertMovement(int index, int amount, bool rows) const;
  static void InsertAdjust(int& position, int index, int amount, int newCount);
  void ScrollMovedCells(const TGridRect& moveRect, int64_t movement, bool rows);
  void AttachScrollBar(TspSkinScrollBar*& bar, TspSkinScrollBar* value);
  void ReadExtents(const TValueReader& value, bool columns);
  void ChangeGridOrientation(bool rightToLeft);
  void TakeLook(const TspDataSkinGridControl& entry);
  void SetCellFont(bool fixed, TColor color);
  void PaintBackground();
  void PaintWallPaper(TCanvas* canvas);
  // Fills `image` (the control's size) with what lies under the grid, when Transparent.
  void SetParentImage(TBitmap& image);
  void PaintLines(const TGridDrawInfo& info);
  void DrawAreaLines(const TGridDrawInfo& info, TGridCoord first, const TRect& area, bool vertOn, bool horzOn,
                     TGridLineColors colors);
  void DrawAxisLines(const TGridAxisDrawInfo& axis, int cell, const TRect& area, bool columns, TColor color);
  void PaintCells(const TGridDrawInfo& info);
  void DrawAreaCells(const TGridDrawInfo& info, const TGridCellArea& area, const TGridRect& selection);
  void DrawOneCell(int col, int row, const TRect& where, TGridDrawState state, TColor color);
  void FillCell(const TRect& where, TColor color);
  void DrawPlainCell(const TRect& where, TGridDrawState state, TColor color);
  void DrawSkinCell(const TRect& where, TGridDrawState state);
  void PaintFreeArea(const TGridDrawInfo& info);

  bool useSkinFont_ = true;
  bool useSkinCellHeight_ = true;
  bool transparent_ = false;
  TColor gridLineColor_ = clWindowText;
  TspSkinScrollBar* hScrollBar_ = nullptr;
  TspSkinScrollBar* vScrollBar_ = nullptr;
  TGridCoord anchor_;
  TBorderStyle borderStyle_ = bsSingle;
  bool canEditModify_ = true;
  int colCount_ = 5;
  TGridExtents colWidths_;
  TGridExtents tabStops_;
  TGridCoord current_;
  int defaultColWidth_ = 64;
  int defaultRowHeight_ = 24;
  int fixedCols_ = 1;
  int fixedRows_ = 1;
  TColor fixedColor_ = clBtnFace;
  int gridLineWidth_ = 1;
  TGridOptions options_{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
  int rowCount_ = 5;
  TGridExtents rowHeights_;
  TGridCoord topLeft_;
  int inplaceCol_ = -1;
  int inplaceRow_ = -1;
  int colOffset_ = 0;
  bool defaultDrawing_ = true;
  bool editorMode_ = false;
  TGridState gridState_ = gsNormal;
  bool saveCellExtents_ = true;
  bool rightToLeft_ = false;
  TspGridLook look_;
};
