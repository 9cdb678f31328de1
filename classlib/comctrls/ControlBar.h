#pragma once
#include <vector>

#include "classlib/graphics/Graphic.h"
#include "classlib/windowing/CustomControl.h"

// A container whose children sit on bands laid out in rows. Each band is its child's
// bounds grown by a grab area of GrabWidth pixels on the left and BandMargin pixels on the
// other sides; the bands of a row keep their order from left to right and never overlap.
// With AutoDrag a band is dragged by its grab area: along its row, into another row, or
// below the last row, which makes a new one. With RowSnap every row is RowSize high and
// children are made to fit it; otherwise a row is as high as its highest band.
class TCustomControlBar : public TCustomControl {
  CLASSLIB_CLASS(TCustomControlBar, TCustomControl)
 public:
  static constexpr int GrabWidth = 11;
  static constexpr int BandMargin = 2;

  explicit TCustomControlBar(TComponent* owner);
  ~TCustomControlBar() override;

  bool AutoDrag() const { return autoDrag_; }
  void SetAutoDrag(bool value) { autoDrag_ = value; }
  // With AutoSize the bar's height follows its rows.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  int RowSize() const { return rowSize_; }
  void SetRowSize(int value);
  bool RowSnap() const { return rowSnap_; }
  void SetRowSnap(bool value);
  // A background tiled behind the bands (the bar's colour when empty).
  TPicture* Picture() const { return picture_; }
  // The number of rows that hold a visible child.
  int RowCount() const { return static_cast<int>(rows_.size()); }
  // The row that holds `control`, or -1.
  int RowOf(const TControl* control) const;
  // The band of a child: its bounds grown by the grab area and the margins.
  static TRect BandRect(const TControl* control);
  // Lays the bands out again (after children were moved by code).
  void AdjustBands() { Realign(); }

 protected:
  void AlignControls(TControl* control, TRect& rect) override;
  void Paint() override;
  // Draws the frame and grab area of the band `rect` of `control`: an etched frame with
  // two grab lines. Descendants draw their own.
  virtual void PaintControlFrame(TCanvas* canvas, TControl* control, TRect& rect);
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void WndProc(TMessage& message) override;

 private:
  // The visible children grouped into rows by their tops, each row ordered by lefts.
  std::vector<std::vector<TControl*>> GroupRows() const;
  void PlaceRows(std::vector<std::vector<TControl*>> rows);
  int RowTop(int row) const;
  int RowAt(int y) const;
  TControl* GrabbedAt(int x, int y) const;
  void PictureChanged(TObject* sender);

  bool autoDrag_ = true;
  bool autoSize_ = false;
  int rowSize_ = 26;
  bool rowSnap_ = true;
  TPicture* picture_;
  std::vector<std::vector<TControl*>> rows_;
  std::vector<int> rowHeights_;
  TControl* dragged_ = nullptr;
  TPoint dragOffset_{};
};

class TControlBar : public TCustomControlBar {
  CLASSLIB_CLASS(TControlBar, TCustomControlBar)
 public:
  using TCustomControlBar::TCustomControlBar;
};
