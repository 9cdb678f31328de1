#pragma once
// The picture slider: a ruler image, a thumb image with one or two states and optional
// tick marks, with built-in pictures ("SP_HTB", "SP_HRL", "SP_VTB", "SP_VRL") or the
// skin's when a slider look exists. Value moves in steps of Increment unless soSmooth is
// set; the thumb is dragged, stepped by held presses on the ruler and by the keyboard.
// OnChange reports every value change, OnChanged the end of each user action.
#include <bitset>
#include <memory>
#include <vector>

#include "skin/controls/Skinctrls_Bases.h"

enum TspSliderOrientation { soHorizontal, soVertical };
enum TspSliderOption { soShowFocus, soShowPoints, soSmooth, soRulerOpaque, soThumbOpaque };
using TspSliderOptions = TSet<TspSliderOption>;

class TspSkinCustomSlider : public TspSkinControl {
  CLASSLIB_CLASS(TspSkinCustomSlider, TspSkinControl)
 public:
  // The images: horizontal thumb, horizontal ruler, vertical thumb, vertical ruler.
  enum TImage { imHThumb, imHRuler, imVThumb, imVRuler, kImageCount };
  // The margin between the slider rectangle and its ruler and thumb.
  static constexpr int kMargin = 6;
  static constexpr UINT_PTR kJumpTimer = 1;
  static constexpr int kJumpInterval = 400;

  explicit TspSkinCustomSlider(TComponent* owner);
  ~TspSkinCustomSlider() override;

  int MinValue() const { return minValue_; }
  void SetMinValue(int value) { SetRange(value, maxValue_); }
  int MaxValue() const { return maxValue_; }
  void SetMaxValue(int value) { SetRange(minValue_, value); }
  // Refused when min >= max (outside form reading); lowers Increment to the range.
  void SetRange(int min, int max);
  int Value() const { return value_; }
  void SetValue(int value);
  int Increment() const { return increment_; }
  void SetIncrement(int value);
  TspSliderOrientation Orientation() const { return orientation_; }
  // Swaps width and height (not while loading).
  void SetOrientation(TspSliderOrientation value);
  TspSliderOptions Options() const { return options_; }
  void SetOptions(const TspSliderOptions& value);
  int NumThumbStates() const { return numThumbStates_; }
  void SetNumThumbStates(int value);
  int EdgeSize() const { return edgeSize_; }
  // Taken only when it leaves a middle in the ruler image.
  void SetEdgeSize(int value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  bool UseSkinThumb() const { return useSkinThumb_; }
  void SetUseSkinThumb(bool value);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);

  // Image `index`; SetImage copies `bitmap`, or restores the built-in picture for null.
  TBitmap* GetImage(int index) const { return images_[index].get(); }
  void SetImage(int index, TBitmap* bitmap);
  bool IsUserImage(int index) const { return userImages_[static_cast<size_t>(index)]; }
  TBitmap* ImageHThumb() const { return GetImage(imHThumb); }
  TBitmap* ImageHRuler() const { return GetImage(imHRuler); }
  TBitmap* ImageVThumb() const { return GetImage(imVThumb); }
  TBitmap* ImageVRuler() const { return GetImage(imVRuler); }

  TNotifyEvent OnChange;
  TNotifyEvent OnChanged;
  TNotifyEvent OnDrawPoints;

  // Geometry, in control coordinates.
  TRect ThumbRect() const { return thumbRect_; }
  TPoint RulerOrigin() const { return rulerOrigin_; }
  TBitmap* Ruler() const { return ruler_.get(); }
  TRect PointsRect() const { return pointsRect_; }
  int GetRulerLength() const;
  int GetOffsetByValue(int value) const;
  int GetValueByOffset(int offset) const;
  // Snaps a thumb offset to the place of its value; the thumb's top-left for it.
  TPoint GetThumbPosition(int& offset) const;
  int GetThumbOffset() const;
  void SetThumbOffset(int offset);
  // 1 MinValue, 2 MaxValue, 3 the next Increment step, 4 the prior one.
  void ThumbJump(int mode);
  // The jump a press at (x, y) asks for: 3 or 4 beside the thumb, else 0.
  int JumpTo(int x, int y) const;
  // The values the tick marks stand at for `step` (the step grows until they are at
  // least 4 pixels apart).
  std::vector<int> PointValues(int step) const;
  // The built-in tick marks on the slider's canvas, for OnDrawPoints.
  void DefaultDrawPoints(int step, int tickLength, int endTickLength);
  void InvalidateThumb();
  void AdjustElements();

  void GetSkinData() override;
  void ChangeSkinData() override { AdjustElements(); }
  void Dispatch(TMessage& message) override;

 protected:
  virtual bool CanModify() { return true; }
  virtual TRect GetSliderRect() const { return Rect(0, 0, Width(), Height()); }
  virtual int GetSliderValue() const { return value_; }
  virtual void Sized() { AdjustElements(); }
  virtual void RangeChanged() {}
  virtual void ThumbMouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void ThumbMouseMove(TShiftState shift, int x, int y);
  virtual void ThumbMouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void Change() { OnChange(this); }
  virtual void Changed() { OnChanged(this); }
  // Timer 1 of the window (a seam for tests).
  virtual void SetJumpTimer(int interval);
  virtual void KillJumpTimer();

  void Loaded() override;
  void Paint() override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  struct TLook {
    TRect HRuler, HThumb, VRuler, VThumb;
    int EdgeSize = 0;
    TColor BGColor = clWindow, PointsColor = clWindowText;
  };

  struct TExtent {
    int W = 0, H = 0;
  };

  bool Vertical() const { return orientation_ == soVertical; }
  bool SkinThumb() const { return lookIndex_ != -1 && useSkinThumb_; }
  TExtent ThumbSize() const;
  int Start() const;
  bool Modifiable() { return CanModify() && !readOnly_; }
  void BuildRuler();
  void BuildSkinRuler();
  void PlaceElements(const TExtent& ruler, const TExtent& thumb);
  void ImageChanged(TObject* sender);
  void LoadDefaultImage(int index);
  void InternalDrawPoints(TCanvas* canvas, int step, int tickLength, int endTickLength);
  void DrawBackground(TCanvas* canvas);
  void DrawThumb(TCanvas* canvas, const TPoint& at);
  void JumpStep();
  void StopTracking();
  void FocusChanged(TMessage& message);

  int minValue_ = 0;
  int maxValue_ = 100;
  int value_ = 0;
  int increment_ = 10;
  TspSliderOrientation orientation_ = soHorizontal;
  TspSliderOptions options_{soShowFocus, soShowPoints, soSmooth};
  int numThumbStates_ = 2;
  int edgeSize_ = 2;
  bool transparent_ = false;
  bool useSkinThumb_ = true;
  bool readOnly_ = false;

  std::unique_ptr<TBitmap> images_[kImageCount];
  std::bitset<kImageCount> userImages_;
  bool creating_ = true;
  bool loadingImage_ = false;
  TLook look_;
  TBitmap* lookPicture_ = nullptr;
  std::unique_ptr<TBitmap> ruler_;
  TPoint rulerOrigin_;
  TRect thumbRect_;
  TRect pointsRect_;
  bool focused_ = false;
  bool thumbDown_ = false;
  bool sliding_ = false;
  bool tracking_ = false;
  bool timerActive_ = false;
  TPoint lastPointer_;
  int jumpDirection_ = 0;
  int hitOffset_ = 0;
};

// The slider as placed on forms.
class TspSkinSlider : public TspSkinCustomSlider {
  CLASSLIB_CLASS(TspSkinSlider, TspSkinCustomSlider)
 public:
  explicit TspSkinSlider(TComponent* owner) : TspSkinCustomSlider(owner) {}
};
