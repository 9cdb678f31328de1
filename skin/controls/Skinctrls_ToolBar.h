#pragma once
// The skinned tool bar: a panel ("toolpanel", 25 high, no border) carrying a row of tool
// buttons. It keeps its speed buttons' captions, flatness, looks and image lists in step
// with its own settings and centres its children vertically. With CanScroll a row wider
// than the bar scrolls sideways with two 12-pixel buttons in the bar's non-client area.
#include "skin/controls/Skinctrls_NCScrollButtons.h"
#include "skin/controls/Skinctrls_Panel.h"
#include "skin/controls/Skinctrls_ToolBarParent.h"

class TspSkinToolBar : public TspSkinPanel, public IspSkinToolBarParent {
  CLASSLIB_CLASS(TspSkinToolBar, TspSkinPanel)
 public:
  static constexpr int kScrollButtonWidth = 12;

  explicit TspSkinToolBar(TComponent* owner);
  ~TspSkinToolBar() override;

  bool AdjustControls() const override { return adjustControls_; }
  void SetAdjustControls(bool value) { adjustControls_ = value; }
  bool CanScroll() const { return canScroll_; }
  void SetCanScroll(bool value);
  // Scrolling starts when the pointer merely rests on a scroll button.
  bool HotScroll() const { return hotScroll_; }
  void SetHotScroll(bool value) { hotScroll_ = value; }
  // Pixels per step (0: one client width); negative values are refused.
  int ScrollOffset() const { return scrollOffset_; }
  void SetScrollOffset(int value);
  // Milliseconds between repeated steps; 0 or less is refused.
  int ScrollTimerInterval() const { return scrollTimerInterval_; }
  void SetScrollTimerInterval(int value);
  bool ShowCaptions() const { return showCaptions_; }
  void SetShowCaptions(bool value);
  // Passes ShowCaptions on to every child speed button.
  bool AutoShowHideCaptions() const { return autoShowHideCaptions_; }
  void SetAutoShowHideCaptions(bool value) { autoShowHideCaptions_ = value; }
  // The bar's widths ShowCaptions switches between (both must be set).
  int WidthWithCaptions() const { return widthWithCaptions_; }
  void SetWidthWithCaptions(int value) { widthWithCaptions_ = value; }
  int WidthWithoutCaptions() const { return widthWithoutCaptions_; }
  void SetWidthWithoutCaptions(int value) { widthWithoutCaptions_ = value; }
  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  TCustomImageList* Images() const override { return images_; }
  void SetImages(TCustomImageList* value);
  TCustomImageList* HotImages() const override { return hotImages_; }
  void SetHotImages(TCustomImageList* value);
  TCustomImageList* DisabledImages() const override { return disabledImages_; }
  void SetDisabledImages(TCustomImageList* value);
  TRect SkinClientRect() override;

  // The scroll state: the buttons show, the pixels scrolled, the last content pixel.
  bool ScrollButtonsVisible() const { return buttonsVisible_; }
  int ScrollPosition() const { return position_; }
  int RangeEnd() const { return rangeEnd_; }
  // Computes the range from the visible children and shows or hides the scroll buttons.
  void GetHRange();
  // One step toward the left (`right` false) or the right end.
  void ScrollStep(bool right);

  void SetSkinData(TspSkinData* value) override;
  void SetSkinDataName(const AnsiString& value) override;
  void SetBounds(int left, int top, int width, int height) override;
  void Dispatch(TMessage& message) override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  void WndProc(TMessage& message) override;
  void AdjustClientRect(TRect& rect) override;
  void CreateControlSkinImage(TBitmap* bitmap) override;

 private:
  enum class TScrollDirection { None, Left, Right };
  struct TScrollButton {
    TRect rect;
    bool hot = false;
    bool down = false;
  };

  template <class F>
  void ForEachSpeedButton(F action);
  void SetButtonsVisible(bool value);
  // Moves every child right by `dx` (left when negative).
  void MoveChildren(int dx);
  void CentrePlainChildren();
  // Mouse on the scroll buttons; answers true when the message was handled.
  bool ScrollButtonMessage(TMessage& message);
  void NCMouseMove(int index);
  void StartScrolling(TScrollDirection direction);
  void StopScrolling();
  void LeaveScrollButtons();
  void WMNCCalcSize(TMessage& message);
  void PaintScrollButtons();
  void DrawScrollButton(HDC dc, const TScrollButton& button, int arrow);

  bool adjustControls_ = true;
  bool canScroll_ = false;
  bool hotScroll_ = false;
  int scrollOffset_ = 0;
  int scrollTimerInterval_ = 50;
  bool showCaptions_ = false;
  bool autoShowHideCaptions_ = false;
  int widthWithCaptions_ = 0;
  int widthWithoutCaptions_ = 0;
  bool flat_ = false;
  TCustomImageList* images_ = nullptr;
  TCustomImageList* hotImages_ = nullptr;
  TCustomImageList* disabledImages_ = nullptr;

  int rangeEnd_ = 0;
  int position_ = 0;
  int page_ = 0;
  int lastPosition_ = 0;
  int growth_ = 0;
  TScrollDirection direction_ = TScrollDirection::None;
  bool timerRunning_ = false;
  bool buttonsVisible_ = false;
  // Back (left) and forward (right).
  TScrollButton buttons_[2];
};
