#pragma once
// The skinned up-down: a pair of arrow buttons that move an integer Position within
// Min..Max by Increment, with auto-repeat while a button is held. Looks "hupdown" and
// "vupdown"; the page control's tab scroller is one.
#include "skin/controls/Skinctrls_StepButtons.h"

enum TspUpDownOrientation { udHorizontal, udVertical };

// The six button pictures of an up-down look: up and down, each normal, hot and pressed.
struct TspUpDownLook {
  TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
  TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;
};

class TspSkinUpDown : public TspSkinStepControl {
  CLASSLIB_CLASS(TspSkinUpDown, TspSkinStepControl)
 public:
  explicit TspSkinUpDown(TComponent* owner);

  bool UseSkinSize() const { return useSkinSize_; }
  void SetUseSkinSize(bool value);
  TspUpDownOrientation Orientation() const { return orientation_; }
  void SetOrientation(TspUpDownOrientation value);
  int Increment() const { return increment_; }
  void SetIncrement(int value) { increment_ = value; }
  int Position() const { return position_; }
  // A value outside Min..Max is ignored; any other is taken and fires OnChange.
  void SetPosition(int value);
  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);

  void GetSkinData() override;
  void CalcSize(int& W, int& H) override;
  void SetControlRegion() override;
  void Dispatch(TMessage& message) override;

  TNotifyEvent OnChange;
  TNotifyEvent OnUpButtonClick;
  TNotifyEvent OnDownButtonClick;

 protected:
  void CreateControlDefaultImage(TBitmap* bitmap) override;
  void CreateControlSkinImage(TBitmap* bitmap) override;
  bool CanStep() const override { return increment_ != 0; }
  void Step(TspRepeatMode mode) override;
  void ButtonReleased(int index, bool over) override;
  void CalcRects();

 private:
  // The arrow a button shows for the orientation.
  int ArrowOf(int index) const;

  bool useSkinSize_ = true;
  TspUpDownOrientation orientation_ = udHorizontal;
  int increment_ = 1;
  int position_ = 0;
  int min_ = 0;
  int max_ = 100;
  TspUpDownLook look_;
};
