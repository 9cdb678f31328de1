#pragma once
#include "classlib/windowing/GraphicControl.h"

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle { bsLowered, bsRaised };

// A window-less sunken or raised box, frame or line.
class TBevel : public TGraphicControl {
  CLASSLIB_CLASS(TBevel, TGraphicControl)
 public:
  explicit TBevel(TComponent* owner);

  TBevelShape Shape() const { return shape_; }
  void SetShape(TBevelShape value);
  TBevelStyle Style() const { return style_; }
  void SetStyle(TBevelStyle value);

 protected:
  void Paint() override;

 private:
  void Line(TColor color, int x1, int y1, int x2, int y2);

  TBevelShape shape_ = bsBox;
  TBevelStyle style_ = bsLowered;
};
