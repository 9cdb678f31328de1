#pragma once
#include "classlib/windowing/GraphicControl.h"

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

// A window-less figure drawn with its Pen and filled with its Brush; the square and
// circle kinds take the shorter side, centred.
class TShape : public TGraphicControl {
  CLASSLIB_CLASS(TShape, TGraphicControl)
 public:
  explicit TShape(TComponent* owner);
  ~TShape() override;

  TShapeType Shape() const { return shape_; }
  void SetShape(TShapeType value);
  TPen* Pen() const { return pen_; }
  void SetPen(TPen* pen) { pen_->Assign(pen); }
  TBrush* Brush() const { return brush_; }
  void SetBrush(TBrush* brush) { brush_->Assign(brush); }

 protected:
  void Paint() override;

 private:
  void StyleChanged(TObject*) { Invalidate(); }

  TShapeType shape_ = stRectangle;
  TPen* pen_;
  TBrush* brush_;
};
