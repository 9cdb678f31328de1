#pragma once
#include "classlib/windowing/GraphicControl.h"

enum TResizeStyle { rsNone, rsLine, rsUpdate, rsPattern };

using TCanResizeEvent = TEvent<TObject*, int&, bool&>;

// A window-less bar between an aligned control and the rest: dragging it resizes that
// neighbour (the control aligned the same way right before it). Live with rsUpdate, else
// at the release after an inverted line (rsLine, rsPattern) or nothing (rsNone). A size
// below MinSize snaps to 0 with AutoSnap, else stays MinSize; OnCanResize may change or
// refuse each size; OnMoved follows each drag.
class TSplitter : public TGraphicControl {
  CLASSLIB_CLASS(TSplitter, TGraphicControl)
 public:
  explicit TSplitter(TComponent* owner);

  TResizeStyle ResizeStyle() const { return resizeStyle_; }
  void SetResizeStyle(TResizeStyle value) { resizeStyle_ = value; }
  int MinSize() const { return minSize_; }
  void SetMinSize(int value) { minSize_ = value < 1 ? 1 : value; }
  bool AutoSnap() const { return autoSnap_; }
  void SetAutoSnap(bool value) { autoSnap_ = value; }
  bool Beveled() const { return beveled_; }
  void SetBeveled(bool value);

  TCanResizeEvent OnCanResize;
  TNotifyEvent OnMoved;

 protected:
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void Paint() override;
  virtual bool CanResize(int& newSize);

 private:
  bool Horizontal() const { return Align() == alLeft || Align() == alRight; }
  TControl* FindNeighbour() const;
  int NeighbourSize() const;
  int MaxSize() const;
  // The neighbour's size for the pointer at (x, y) of the splitter.
  int SizeAt(int x, int y) const;
  void ApplySize(int size);
  void ToggleLine();

  TResizeStyle resizeStyle_ = rsPattern;
  int minSize_ = 30;
  bool autoSnap_ = true;
  bool beveled_ = false;
  TControl* neighbour_ = nullptr;
  TPoint down_{0, 0};
  int startSize_ = 0;
  int newSize_ = 0;
  bool lineShown_ = false;
  int linePos_ = 0;
};
