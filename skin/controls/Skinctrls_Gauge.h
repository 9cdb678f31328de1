#pragma once
// The skinned progress gauge: fills the part of its progress area that Value has come
// from MinValue to MaxValue, from the left or from the bottom, with the look's progress
// picture (tiled or stretched between fixed end caps, optionally animated by a strip of
// frames that plays in cycles with a pause between them), and prints a progress text and
// a percentage. Without a look it draws a plain framed bar.
#include <memory>

#include "classlib/windowing/Timer.h"
#include "skin/controls/Skinctrls_Bases.h"

class TspSkinGauge : public TspSkinCustomControl {
  CLASSLIB_CLASS(TspSkinGauge, TspSkinCustomControl)
 public:
  explicit TspSkinGauge(TComponent* owner);
  ~TspSkinGauge() override;

  int MinValue() const { return minValue_; }
  void SetMinValue(int value);
  int MaxValue() const { return maxValue_; }
  void SetMaxValue(int value);
  int Value() const { return value_; }
  // Clamped to MinValue..MaxValue; a change invalidates (no event).
  void SetValue(int value);
  bool Vertical() const { return vertical_; }
  void SetVertical(bool value);
  bool UseSkinSize() const { return useSkinSize_; }
  void SetUseSkinSize(bool value);
  bool ShowProgressText() const { return showProgressText_; }
  void SetShowProgressText(bool value);
  AnsiString ProgressText() const { return progressText_; }
  void SetProgressText(const AnsiString& value);
  bool ShowPercent() const { return showPercent_; }
  void SetShowPercent(bool value);
  bool TextAlphaBlend() const { return textAlphaBlend_; }
  void SetTextAlphaBlend(bool value);
  BYTE TextAlphaBlendValue() const { return textAlphaBlendValue_; }
  void SetTextAlphaBlendValue(BYTE value);
  int ProgressAnimationPause() const { return progressAnimationPause_; }
  // Negative pauses are refused; a running animation keeps its pause until restarted.
  void SetProgressAnimationPause(int value);

  // Runs the look's frame strip in cycles: frames 1..N one per frame interval, then the
  // plain picture for the pause. Nothing without a look or strip.
  void StartProgressAnimation();
  // Stops the animation and frees its timers (no repaint).
  void StopProgressAnimation();
  // The timers of a running animation (null when none) and the frame shown (0: none).
  TTimer* PauseTimer() const { return pauseTimer_.get(); }
  TTimer* FrameTimer() const { return frameTimer_.get(); }
  int AnimationFrame() const { return frame_; }

  // The filled part of `area` for the current value (truncated toward zero).
  TRect CalcProgressRect(const TRect& area) const;
  // The progress text and percentage as printed (empty: nothing printed).
  AnsiString ProgressCaption() const;
  // Prints ProgressCaption centred on `canvas` (the control's size).
  void DrawProgressText(TCanvas* canvas);
  // The strip rectangle of the current animation frame.
  TRect GetAnimationFrameRect() const;
  // The look's face without progress at the control's size.
  void CreateImage(TBitmap* bitmap);
  // The look's progress area at the current size.
  TRect ActualProgressArea() const { return progressArea_; }

  void GetSkinData() override;
  void ChangeSkinData() override;
  void CalcSize(int& W, int& H) override;
  void Dispatch(TMessage& message) override;

 protected:
  void Paint() override;
  void CreateControlDefaultImage(TBitmap* bitmap) override;
  void CreateControlSkinImage(TBitmap* bitmap) override;

 private:
  // What the gauge takes from a gauge look.
  struct TLook {
    TRect ProgressRect, ProgressArea, AnimationRect;
    int BeginOffset = 0, EndOffset = 0, CountFrames = 0, TimerInterval = 0;
    bool Transparent = false, Stretch = false;
    TColor TransparentColor = clFuchsia;
    AnsiString FontName;
    int FontHeight = 0;
    TFontStyles FontStyle;
    TColor FontColor = clBlack;
  };

  // The base's sizing by the look and the progress area at the size it gives.
  void FitToLook(int& W, int& H);
  int Percent() const;
  bool ShowsText() const { return showProgressText_ || showPercent_; }
  bool ShowsFrame() const;
  void DrawProgress(TBitmap* face, const TRect& filled);
  void DrawProgressMiddle(TBitmap* progress, const TRect& source, bool stretch);
  void DrawProgressCaps(TBitmap* progress);
  void DrawTextOnFace(TBitmap* face);
  void PaintStretched();
  void StartRun();
  void FrameTick(TObject* sender);
  void PauseTick(TObject* sender);

  int minValue_ = 0;
  int maxValue_ = 100;
  int value_ = 50;
  bool vertical_ = false;
  bool useSkinSize_ = true;
  bool showProgressText_ = false;
  AnsiString progressText_;
  bool showPercent_ = false;
  bool textAlphaBlend_ = false;
  BYTE textAlphaBlendValue_ = 200;
  int progressAnimationPause_ = 1000;

  TLook look_;
  TRect progressArea_;
  std::unique_ptr<TTimer> pauseTimer_;
  std::unique_ptr<TTimer> frameTimer_;
  int frame_ = 0;
};
