#pragma once
// The skinned track bar: one thumb sets Value in MinValue..MaxValue by dragging, by a
// click that puts the thumb's centre under the pointer (JumpWhenClick), by the arrow keys
// and the wheel. Horizontal bars run from the left (minimum) to the right, vertical ones
// from the bottom up. With a look the track up to the thumb shows the look's active face.
#include "skin/controls/Skinctrls_Bases.h"

class TspSkinTrackBar : public TspSkinCustomControl {
  CLASSLIB_CLASS(TspSkinTrackBar, TspSkinCustomControl)
 public:
  explicit TspSkinTrackBar(TComponent* owner);
  ~TspSkinTrackBar() override;

  int MinValue() const { return minValue_; }
  void SetMinValue(int value);
  int MaxValue() const { return maxValue_; }
  void SetMaxValue(int value);
  int Value() const { return value_; }
  // Clamped; a change repaints and fires OnChange.
  void SetValue(int value);
  bool Vertical() const { return vertical_; }
  void SetVertical(bool value);
  bool JumpWhenClick() const { return jumpWhenClick_; }
  void SetJumpWhenClick(bool value) { jumpWhenClick_ = value; }
  bool MouseSupport() const { return mouseSupport_; }
  void SetMouseSupport(bool value) { mouseSupport_ = value; }
  bool CanFocused() const { return canFocused_; }
  void SetCanFocused(bool value);
  // The bar has the focus and CanFocused is on.
  bool IsFocused();

  TNotifyEvent OnChange;
  TNotifyEvent OnLastChange;
  TNotifyEvent OnStartDragButton;

  // The thumb for the current value in `area`; sets the travel and the thumb offset.
  TRect CalcButtonRect(const TRect& area);
  // The value for a thumb `offset` pixels from the travel start.
  int CalcValue(int offset) const;
  // The thumb as last placed, and the track area at the current size.
  TRect ButtonRect() const { return buttonRect_; }
  TRect ActualTrackArea() const { return trackArea_; }
  // The look's face without the thumb at the control's size.
  void CreateImage(TBitmap* bitmap);

  void GetSkinData() override;
  void CalcSize(int& W, int& H) override;
  void WndProc(TMessage& message) override;
  void Dispatch(TMessage& message) override;

 protected:
  void CreateControlDefaultImage(TBitmap* bitmap) override;
  void CreateControlSkinImage(TBitmap* bitmap) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(WORD& key, TShiftState shift) override;

 private:
  struct TLook {
    TRect ActiveSkinRect, TrackArea, Button, ActiveButton;
    bool ButtonTransparent = false;
    TColor ButtonTransparentColor = clFuchsia;
  };

  // The area the thumb travels in: the look's track area, or the default one.
  TRect ThumbArea() const;
  void DrawActiveFace(TBitmap* face);
  void DrawSkinThumb(TBitmap* face);
  void JumpTo(int x, int y);
  void Step(int delta);

  int minValue_ = 0;
  int maxValue_ = 100;
  int value_ = 50;
  bool vertical_ = false;
  bool jumpWhenClick_ = false;
  bool mouseSupport_ = true;
  bool canFocused_ = false;

  TLook look_;
  TRect trackArea_;
  TRect buttonRect_;
  int travelStart_ = 0;
  int travelEnd_ = 0;
  int thumbOffset_ = 0;
  bool dragging_ = false;
  int dragOrigin_ = 0;
  int pressOffset_ = 0;
  bool focusing_ = false;
};
