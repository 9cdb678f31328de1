#pragma once
#include "classlib/windowing/WinControl.h"

enum TTrackBarOrientation { trHorizontal, trVertical };

// A slider over the system track bar. Position stays within Min..Max; OnChange follows
// every change of the position, by the user or by code (not while the control is loaded,
// nor when a value is set again).
class TTrackBar : public TWinControl {
  CLASSLIB_CLASS(TTrackBar, TWinControl)
 public:
  explicit TTrackBar(TComponent* owner);

  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  int Position() const { return position_; }
  void SetPosition(int value);
  // The distance between tick marks.
  int Frequency() const { return frequency_; }
  void SetFrequency(int value);
  TTrackBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TTrackBarOrientation value);

  TNotifyEvent OnChange;
  void Dispatch(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleState() override;
  virtual void Changed();

 private:
  void SetRange(int min, int max);
  void ScrollNotified();

  int min_ = 0;
  int max_ = 10;
  int position_ = 0;
  int frequency_ = 1;
  TTrackBarOrientation orientation_ = trHorizontal;
};
