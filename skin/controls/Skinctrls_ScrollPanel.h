#pragma once
// The skinned scroll panel: a row (or column) of children longer than the panel scrolls
// by two 12-pixel buttons in the window's non-client area at the ends of the axis. The
// buttons step while pressed or, with HotScroll, while the pointer rests on them; with
// CanFocused the arrow keys and the wheel step too. The background comes from a panel
// look, the buttons from the "resizebutton" look; without them both use system colours.
#include "classlib/runtime/WinApi.h"

#include <optional>

#include "skin/controls/Skinctrls_Bases.h"
#include "skin/controls/Skinctrls_NCScrollButtons.h"

class TspDataSkinButtonControl;
class TspDataSkinPanelControl;

enum TspScrollType { stHorizontal, stVertical };


class TspSkinScrollPanel : public TspSkinControl {
  CLASSLIB_CLASS(TspSkinScrollPanel, TspSkinControl)
 public:
  static constexpr int kButtonSize = 12;

  explicit TspSkinScrollPanel(TComponent* owner);
  ~TspSkinScrollPanel() override;

  // Takes the focus on a click; the arrow keys and the wheel scroll.
  bool CanFocused() const { return canFocused_; }
  void SetCanFocused(bool value) { canFocused_ = value; }
  // Scrolls while the pointer rests on a button.
  bool HotScroll() const { return hotScroll_; }
  void SetHotScroll(bool value) { hotScroll_ = value; }
  // The cross dimension follows the children.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value) { autoSize_ = value; }
  TspScrollType ScrollType() const { return scrollType_; }
  void SetScrollType(TspScrollType value);
  // Pixels per step; 0: the client width. Negative values are ignored.
  int ScrollOffset() const { return scrollOffset_; }
  void SetScrollOffset(int value);
  // Milliseconds between repeated steps; values below 1 are ignored.
  int ScrollTimerInterval() const { return scrollTimerInterval_; }
  void SetScrollTimerInterval(int value);

  // How far the children are scrolled; setting it updates the range.
  int Position() const { return position_; }
  void SetPosition(int value);
  // The last position a step can reach: range end - page + 1.
  int LastPosition() const { return rangeEnd_ - page_ + 1; }
  bool ButtonsVisible() const { return buttons_[0].visible; }
  // The scroll button's rectangle (0: back, 1: forward) in window coordinates.
  TRect ButtonRect(int index) const { return buttons_[index].rect; }
  // Measures the children again: shows or hides the buttons and scrolls back what fits.
  void GetScrollInfo();
  // SetBounds with the current bounds.
  void UpDateSize();

  void SetBounds(int left, int top, int width, int height) override;
  void Loaded() override;
  void GetSkinData() override;
  void WndProc(TMessage& message) override;
  void Dispatch(TMessage& message) override;

 protected:
  void AdjustClientRect(TRect& rect) override;
  void Paint() override;
  void CreateControlDefaultImage(TBitmap* bitmap) override;
  void CreateControlSkinImage(TBitmap* bitmap) override { CreateControlDefaultImage(bitmap); }
  void KeyDown(WORD& key, TShiftState shift) override;
  // One step back (0) or forward (1); a step that does not move stops the timer.
  void ButtonClick(int index);
  void ButtonDown(int index);
  void ButtonUp(int index);

 private:
  struct TScrollButton {
    TRect rect;
    bool hot = false;
    bool pressed = false;
    bool visible = false;
  };

  bool Vertical() const { return scrollType_ == stVertical; }
  // The largest right (or bottom) edge of the visible children; none without any.
  std::optional<int> ContentExtent(bool alongX) const;
  void UpdateRange(std::optional<int> content, int clientExtent, int& growth);
  void ScrollControls(int delta);
  void SetButtonsVisible(bool value);
  void PlaceButtons();
  void StartTimer();
  void StopTimer();
  void DrawButtons(HDC dc);
  void DrawButton(TCanvas* canvas, int index);
  void RepaintNonClient();
  bool NonClientMessage(TMessage& message);
  // A press takes the focus with CanFocused; true when it did not come (the press is dropped).
  bool TakeFocusOnPress();
  // A hot button loses its hot state and stops a running timer.
  void LeaveButtons();
  void WMNCCalcSize(TMessage& message);
  void WMNCHitTest(TMessage& message);
  void WMTimer(TMessage& message);
  void WMMouseWheel(TMessage& message);
  void PaintClientPiece();

  bool canFocused_ = false;
  bool hotScroll_ = false;
  bool autoSize_ = false;
  TspScrollType scrollType_ = stHorizontal;
  int scrollOffset_ = 0;
  int scrollTimerInterval_ = 50;

  int position_ = 0;
  int rangeEnd_ = 0;
  int page_ = 0;
  int lastPosition_ = 0;
  int widthGrowth_ = 0;
  int heightGrowth_ = 0;
  int timerMode_ = 0;
  TScrollButton buttons_[2];
  const TspDataSkinPanelControl* panelLook_ = nullptr;
  const TspDataSkinButtonControl* buttonLook_ = nullptr;
  TBitmap* panelPicture_ = nullptr;
  TBitmap* buttonPicture_ = nullptr;
};
