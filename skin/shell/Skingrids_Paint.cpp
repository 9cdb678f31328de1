// The grid's look and painting: the skin's "grid" entry, or the plain system-colour look
// whenever there is no usable entry.
#include <vector>

#include "skin/data/Skindata_SkinData.h"
#include "skin/data/Skindata_Views.h"
#include "skin/data/Sputils_Compose.h"
#include "skin/data/Sputils_Geometry.h"
#include "skin/data/Sputils_ParentImage.h"
#include "skin/data/Sputils_Text.h"
#include "skin/shell/Skingrids.h"

namespace {

// A pen of the grid's lines selected into a device context for the lifetime of the
// object: wider than one pixel it is geometric with flat ends and mitre joins.
class TLinePen {
 public:
  TLinePen(HDC dc, int width, TColor color) : dc_(dc) {
    const COLORREF rgb = static_cast<COLORREF>(ColorToRGB(color));
    if (width > 1) {
      LOGBRUSH brush{BS_SOLID, rgb, 0};
      pen_ = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT | PS_JOIN_MITER, static_cast<DWORD>(width), &brush,
                          0, nullptr);
    } else {
      pen_ = CreatePen(PS_SOLID, width, rgb);
    }
    old_ = SelectObject(dc_, pen_);
  }
  ~TLinePen() {
    SelectObject(dc_, old_);
    DeleteObject(pen_);
  }
  TLinePen(const TLinePen&) = delete;
  TLinePen& operator=(const TLinePen&) = delete;

 private:
  HDC dc_;
  HPEN pen_;
  HGDIOBJ old_;
};

bool InGridRect(int col, int row, const TGridRect& rect) {
  return col >= rect.Left && col <= rect.Right && row >= rect.Top && row <= rect.Bottom;
}

}  // namespace

// ---- look ----

void TspSkinCustomGrid::GetSkinData() {
  look_ = TspGridLook();
  TspSkinControl::GetSkinData();
  if (lookIndex_ == -1) return;
  const auto* entry = dynamic_cast<const TspDataSkinGridControl*>(skinData_->CtrlList[lookIndex_].get());
  if (entry == nullptr || IsNullRect(entry->FixedCellRect)) {
    lookIndex_ = -1;
    return;
  }
  TakeLook(*entry);
}

void TspSkinCustomGrid::TakeLook(const TspDataSkinGridControl& entry) {
  const auto picture = [this](int index) -> TBitmap* {
    const auto& pictures = skinData_->ActivePictures;
    return index >= 0 && index < static_cast<int>(pictures.size()) ? pictures[index].get() : nullptr;
  };
  look_.Entry = &entry;
  look_.Picture = picture(entry.PictureIndex);
  look_.BGPicture = picture(entry.BGPictureIndex);
  look_.SelectCellRect = IsNullRect(entry.SelectCellRect) ? entry.FocusCellRect : entry.SelectCellRect;
  look_.FocusCellRect = IsNullRect(entry.FocusCellRect) ? look_.SelectCellRect : entry.FocusCellRect;
}

void TspSkinCustomGrid::ChangeSkinData() {
  GetSkinData();
  SetCursor(crDefault);
  // A look without cell parts gives no height: rows of 0 pixels would hide the whole grid.
  const int skinRowHeight = look_.SelectCellRect.Height();
  if (Look() != nullptr && useSkinCellHeight_ && skinRowHeight > 0 && defaultRowHeight_ != skinRowHeight) {
    SetDefaultRowHeight(skinRowHeight);
  } else {
    InvalidateGrid();
  }
}

TRect TspSkinCustomGrid::GetNewTextRect(const TRect& cellRect, TGridDrawState state) const {
  if (Look() == nullptr) return cellRect;
  const bool fixed = state.Contains(gdFixed);
  const TRect& skinRect = fixed ? look_.Entry->FixedCellRect : look_.SelectCellRect;
  const TRect& textRect = fixed ? look_.Entry->FixedCellTextRect : look_.Entry->CellTextRect;
  if (IsNullRect(textRect)) return cellRect;
  const int extraHeight = useSkinCellHeight_ ? 0 : cellRect.Height() - look_.Entry->FixedCellRect.Height();
  const int extraWidth = cellRect.Width() - skinRect.Width();
  return Bounds(cellRect.Left + textRect.Left, cellRect.Top + textRect.Top, textRect.Width() + extraWidth,
                textRect.Height() + extraHeight);
}

// The skin's font of fixed or other cells (or the grid's font) in `color`, in the charset
// of the skin's texts when it has a string table.
void TspSkinCustomGrid::SetCellFont(bool fixed, TColor color) {
  const TspDataSkinGridControl& entry = *look_.Entry;
  TFont* font = Canvas()->Font();
  if (useSkinFont_) {
    font->SetName(fixed ? entry.FixedFontName : entry.FontName);
    font->SetHeight(fixed ? entry.FixedFontHeight : entry.FontHeight);
    font->SetStyle(fixed ? entry.FixedFontStyle : entry.FontStyle);
  } else {
    font->Assign(Font());
  }
  font->SetColor(color);
  const TspResourceStrData* strings = skinData_ != nullptr ? skinData_->ResourceStrData() : nullptr;
  font->SetCharset(strings != nullptr ? strings->CharSet() : Font()->Charset());
}

// ---- painting ----

void TspSkinCustomGrid::Paint() {
  if (Width() < 1 || Height() < 1) return;
  GetSkinData();
  if (rightToLeft_) ChangeGridOrientation(true);
  PaintBackground();
  const TGridDrawInfo info = CalcDrawInfo();
  if (info.HorzAxis.LineWidth > 0 || info.VertAxis.LineWidth > 0) PaintLines(info);
  PaintCells(info);
  const bool designing = ComponentState().Contains(csDesigning);
  if (Look() == nullptr && !designing && options_.Contains(goRowSelect) && defaultDrawing_ && Focused()) {
    Canvas()->DrawFocusRect(GridRectToScreenRectOf(info, Selection(), false));
  }
  PaintFreeArea(info);
  if (rightToLeft_) ChangeGridOrientation(false);
}

void TspSkinCustomGrid::PaintBackground() {
  if (Look() != nullptr && look_.BGPicture != nullptr && !transparent_) {
    PaintWallPaper(Canvas());
  } else if (transparent_) {
    TBitmap parentImage;
    parentImage.SetSize(Width(), Height());
    SetParentImage(parentImage);
    Canvas()->Draw(0, 0, &parentImage);
  }
}

void TspSkinCustomGrid::PaintWallPaper(TCanvas* canvas) {
  TBitmap* picture = look_.BGPicture;
  if (picture == nullptr || picture->Width() <= 0 || picture->Height() <= 0) return;
  for (int y = 0; y < Height(); y += picture->Height()) {
    for (int x = 0; x < Width(); x += picture->Width()) canvas->Draw(x, y, picture);
  }
}

void TspSkinCustomGrid::SetParentImage(TBitmap& image) {
  if (transparent_) GetParentImage(this, image.Canvas());
}

// The lines of the fixed corner, the column titles, the row titles and the scrollable cells.
void TspSkinCustomGrid::PaintLines(const TGridDrawInfo& info) {
  TColor lineColor = Look() != nullptr ? look_.Entry->LinesColor : gridLineColor_;
  if (Color() == clSilver) lineColor = clGray;
  const int fixedRight = info.HorzAxis.FixedEnd, fixedBottom = info.VertAxis.FixedEnd;
  const int right = info.HorzAxis.CellsEnd, bottom = info.VertAxis.CellsEnd;
  const bool fixedVert = options_.Contains(goFixedVertLine), fixedHorz = options_.Contains(goFixedHorzLine);
  const TGridLineColors fixedColors{lineColor, fixedColor_};
  DrawAreaLines(info, {0, 0}, Rect(0, 0, fixedRight, fixedBottom), fixedVert, fixedHorz, fixedColors);
  DrawAreaLines(info, {topLeft_.X, 0}, Rect(fixedRight, 0, right, fixedBottom), fixedVert, fixedHorz, fixedColors);
  DrawAreaLines(info, {0, topLeft_.Y}, Rect(0, fixedBottom, fixedRight, bottom), fixedVert, fixedHorz, fixedColors);
  DrawAreaLines(info, topLeft_, Rect(fixedRight, fixedBottom, right, bottom), options_.Contains(goVertLine),
                options_.Contains(goHorzLine), {lineColor, Color()});
}

void TspSkinCustomGrid::DrawAreaLines(const TGridDrawInfo& info, TGridCoord first, const TRect& area, bool vertOn,
                                      bool horzOn, TGridLineColors colors) {
  if (area.Width() <= 0 || area.Height() <= 0) return;
  const TColor vertColor = vertOn ? colors.on : colors.off, horzColor = horzOn ? colors.on : colors.off;
  if (horzOn) DrawAxisLines(info.HorzAxis, first.X, area, true, vertColor);
  DrawAxisLines(info.VertAxis, first.Y, area, false, horzColor);
  if (!horzOn) DrawAxisLines(info.HorzAxis, first.X, area, true, vertColor);
}

// One poly-polyline for all lines of the axis in the area, each across the whole area.
// The buffers hold as many lines as the area needs; a run of cells narrower than their
// line (negative extents) ends after the last cell shown.
void TspSkinCustomGrid::DrawAxisLines(const TGridAxisDrawInfo& axis, int cell, const TRect& area, bool columns,
                                      TColor color) {
  if (axis.LineWidth == 0) return;
  const int start = columns ? area.Left : area.Top, stop = (columns ? area.Right : area.Bottom) + axis.LineWidth;
  int line = start + axis.LineWidth / 2 + axis.ExtentOf(cell) + (columns && rightToLeft_ ? 1 : 0);
  std::vector<POINT> points;
  do {
    points.push_back(columns ? POINT{line, area.Top} : POINT{area.Left, line});
    points.push_back(columns ? POINT{line, area.Bottom} : POINT{area.Right, line});
    ++cell;
    line += axis.ExtentOf(cell) + axis.LineWidth;
  } while (line <= stop && cell <= axis.LastFullCell + 1);
  const std::vector<DWORD> strokes(points.size() / 2, 2);
  HDC dc = Canvas()->Handle();
  TLinePen pen(dc, gridLineWidth_, color);
  PolyPolyline(dc, points.data(), strokes.data(), static_cast<DWORD>(strokes.size()));
}

// The cells of the four areas, each from its first cell to its axis's end.
void TspSkinCustomGrid::PaintCells(const TGridDrawInfo& info) {
  const TGridRect selection = Selection();
  const int fixedRight = info.HorzAxis.FixedEnd, fixedBottom = info.VertAxis.FixedEnd;
  const int left = fixedRight - colOffset_, right = info.HorzAxis.CellsEnd, bottom = info.VertAxis.CellsEnd;
  const TGridCellArea areas[] = {
      {{0, 0}, Rect(0, 0, fixedRight, fixedBottom), fixedColor_, {gdFixed}},
      {{topLeft_.X, 0}, Rect(left, 0, right, fixedBottom), fixedColor_, {gdFixed}},
      {{0, topLeft_.Y}, Rect(0, fixedBottom, fixedRight, bottom), fixedColor_, {gdFixed}},
      {topLeft_, Rect(left, fixedBottom, right, bottom), Color(), {}},
  };
  for (const TGridCellArea& area : areas) DrawAreaCells(info, area, selection);
}

void TspSkinCustomGrid::DrawAreaCells(const TGridDrawInfo& info, const TGridCellArea& area,
                                      const TGridRect& selection) {
  TRect where;
  where.Top = area.bounds.Top;
  for (int row = area.first.Y; where.Top < area.bounds.Bottom && row < rowCount_; ++row) {
    where.Bottom = where.Top + RowHeights(row);
    where.Left = area.bounds.Left;
    for (int col = area.first.X; where.Left < area.bounds.Right && col < colCount_; ++col) {
      where.Right = where.Left + ColWidths(col);
      if (where.Right > where.Left && RectVisible(Canvas()->Handle(), where.AsRECT())) {
        TGridDrawState state = area.state;
        if (col == current_.X && row == current_.Y && IsActiveControl()) state.Include(gdFocused);
        if (InGridRect(col, row, selection)) state.Include(gdSelected);
        DrawOneCell(col, row, where, state, area.color);
      }
      where.Left = where.Right + info.HorzAxis.LineWidth;
    }
    where.Top = where.Bottom + info.VertAxis.LineWidth;
  }
}

void TspSkinCustomGrid::DrawOneCell(int col, int row, const TRect& where, TGridDrawState state, TColor color) {
  const bool designing = ComponentState().Contains(csDesigning);
  const bool focused = state.Contains(gdFocused);
  if (focused && options_.Contains(goEditing) && editorMode_ && !designing) return;
  if (defaultDrawing_ || designing) {
    if (Look() == nullptr) {
      DrawPlainCell(where, state, color);
    } else if (state.Contains(gdSelected) || focused || state.Contains(gdFixed)) {
      DrawSkinCell(where, state);
    } else {
      SetCellFont(false, look_.Entry->FontColor);
      if (look_.BGPicture == nullptr && !transparent_) FillCell(where, look_.Entry->BGColor);
    }
  }
  DrawCell(col, row, where, state);
  if (Look() == nullptr && defaultDrawing_ && !designing && focused &&
      !(options_.Contains(goEditing) && options_.Contains(goAlwaysShowEditor)) && !options_.Contains(goRowSelect)) {
    Canvas()->Brush()->SetColor(clBtnHighlight);
    Canvas()->DrawFocusRect(where);
  }
}

void TspSkinCustomGrid::FillCell(const TRect& where, TColor color) {
  Canvas()->Brush()->SetStyle(bsSolid);
  Canvas()->Brush()->SetColor(color);
  Canvas()->FillRect(where);
}

void TspSkinCustomGrid::DrawPlainCell(const TRect& where, TGridDrawState state, TColor color) {
  Canvas()->Font()->Assign(Font());
  const bool focused = state.Contains(gdFocused);
  if (state.Contains(gdSelected) &&
      (!focused || options_.Contains(goDrawFocusSelected) || options_.Contains(goRowSelect))) {
    FillCell(where, clHighlight);
    Canvas()->Font()->SetColor(clHighlightText);
  } else if (!transparent_ || state.Contains(gdFixed)) {
    FillCell(where, color);
    if (state.Contains(gdFixed)) Frm3D(Canvas(), where, clBtnHighlight, clBtnShadow);
  }
}

// A selected, focused or fixed cell: its part of the skin picture composed at the cell's
// width (and at the part's own height with UseSkinCellHeight, else stretched to the cell).
void TspSkinCustomGrid::DrawSkinCell(const TRect& where, TGridDrawState state) {
  const int width = where.Width(), height = where.Height();
  const bool focused = state.Contains(gdFocused), rowSelect = options_.Contains(goRowSelect);
  const TspDataSkinGridControl& entry = *look_.Entry;
  const TRect* part = &look_.SelectCellRect;
  int leftOffset = entry.CellLeftOffset, rightOffset = entry.CellRightOffset;
  bool stretch = entry.CellStretchEffect;
  if (state.Contains(gdFixed)) {
    part = &entry.FixedCellRect;
    leftOffset = entry.FixedCellLeftOffset;
    rightOffset = entry.FixedCellRightOffset;
    stretch = entry.FixedCellStretchEffect;
    SetCellFont(true, entry.FixedFontColor);
  } else if (focused || rowSelect) {
    part = &look_.FocusCellRect;
    SetCellFont(false, entry.FocusFontColor);
  } else {
    SetCellFont(false, entry.SelectFontColor);
  }
  TBitmap cell;
  if (useSkinCellHeight_) {
    CreateHSkinImage(leftOffset, rightOffset, &cell, look_.Picture, *part, width, height, stretch);
  } else {
    TBitmap composed;
    CreateHSkinImage(leftOffset, rightOffset, &composed, look_.Picture, *part, width, height, stretch);
    cell.SetSize(width, height);
    cell.Canvas()->StretchDraw(Rect(0, 0, width, height), &composed);
  }
  if (entry.ShowFocus && focused && !rowSelect) {
    cell.Canvas()->Brush()->SetStyle(bsSolid);
    cell.Canvas()->Brush()->SetColor(skinData_->SkinColors->BtnFace);
    cell.Canvas()->DrawFocusRect(Rect(0, 0, cell.Width(), cell.Height()));
    cell.Canvas()->Brush()->SetStyle(bsClear);
  }
  Canvas()->Draw(where.Left, where.Top, &cell);
}

// What the cells leave free right of and below them, unless a picture or the parent shows.
void TspSkinCustomGrid::PaintFreeArea(const TGridDrawInfo& info) {
  if ((Look() != nullptr && look_.BGPicture != nullptr) || transparent_) return;
  const TColor color = Look() != nullptr ? look_.Entry->BGColor : Color();
  const TGridAxisDrawInfo &horz = info.HorzAxis, &vert = info.VertAxis;
  if (horz.CellsEnd < horz.ClientExtent) FillCell(Rect(horz.CellsEnd, 0, horz.ClientExtent + 1, vert.CellsEnd), color);
  if (vert.CellsEnd < vert.ClientExtent) FillCell(Rect(0, vert.CellsEnd, horz.ClientExtent, vert.ClientExtent), color);
}

// Maps the canvas so that x runs from the right edge (right to left) or back.
void TspSkinCustomGrid::ChangeGridOrientation(bool rightToLeft) {
  HDC dc = Canvas()->Handle();
  const int width = ClientWidth(), height = ClientHeight();
  SetMapMode(dc, MM_ANISOTROPIC);
  SetWindowOrgEx(dc, rightToLeft ? width : 0, 0, nullptr);
  SetViewportExtEx(dc, width, height, nullptr);
  SetWindowExtEx(dc, rightToLeft ? -width : width, height, nullptr);
}
