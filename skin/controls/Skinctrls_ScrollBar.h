#pragma once
// The skinned scroll bar: keeps Position within Min..Max (less a page) with a thumb that
// is proportional when PageSize is set, two arrow buttons with auto-repeat, paging on the
// track until the thumb reaches the pointer, dragging, arrow keys and the wheel. Skinned
// containers create and drive it instead of the system's scroll bars through the silent
// operations (SetRange, SimplySetPosition, SetSmallChange, SetLargeChange).
//
// Parts: 0 the thumb, 1 the up button (raises Position: right or bottom), 2 the down
// button (lowers it: left or top).
#include "classlib/windowing/Forms.h"
#include "skin/controls/Skinctrls_Bases.h"

class TspSkinScrollBar : public TspSkinCustomControl {
  CLASSLIB_CLASS(TspSkinScrollBar, TspSkinCustomControl)
 public:
  // Timer 1 of the bar's window: the repeat of a held button or of paging.
  static constexpr UINT_PTR kRepeatTimer = 1;
  static constexpr int kFirstRepeatDelay = 500;
  static constexpr int kRepeatInterval = 50;

  explicit TspSkinScrollBar(TComponent* owner);
  ~TspSkinScrollBar() override;

  TScrollBarKind Kind() const { return kind_; }
  void SetKind(TScrollBarKind value);
  int Min() const { return min_; }
  // Moves Position up to the new minimum silently.
  void SetMin(int value);
  int Max() const { return max_; }
  // Moves Position into the new range silently.
  void SetMax(int value);
  int Position() const { return position_; }
  // Clamps; a change repaints and fires OnChange.
  void SetPosition(int value);
  // As SetPosition without OnChange.
  void SimplySetPosition(int value);
  // All four at once (the page unchecked); no event.
  void SetRange(int min, int max, int position, int pageSize);
  int PageSize() const { return pageSize_; }
  // Refused (the old page stays) when Position + value would pass the range.
  void SetPageSize(int value);
  int SmallChange() const { return smallChange_; }
  void SetSmallChange(int value);
  int LargeChange() const { return largeChange_; }
  void SetLargeChange(int value);
  bool Both() const { return both_; }
  // Corner mode: the look named BothSkinDataName, or BothMarkerWidth left free.
  void SetBoth(bool value);
  int BothMarkerWidth() const { return bothMarkerWidth_; }
  void SetBothMarkerWidth(int value);
  AnsiString BothSkinDataName() const { return bothSkinDataName_; }
  void SetBothSkinDataName(const AnsiString& value) { bothSkinDataName_ = value; }
  bool CanFocused() const { return canFocused_; }
  void SetCanFocused(bool value);
  // The bar has the focus and CanFocused is on.
  bool IsFocused();

  TNotifyEvent OnChange;
  TNotifyEvent OnLastChange;
  TNotifyEvent OnUpButtonClick;
  TNotifyEvent OnDownButtonClick;
  TNotifyEvent OnPageUp;
  TNotifyEvent OnPageDown;

  // A part's place (control coordinates) and state.
  struct TPart {
    TRect R;
    bool Hot = false;
    bool Down = false;
  };
  const TPart& Part(int index) const { return parts_[index]; }
  TRect TrackRect() const { return track_; }
  int RepeatMode() const { return repeatMode_; }

  // Geometry for the current size, values and look.
  void CalcRects();
  // The position for a thumb moved `offset` pixels along the bar.
  int CalcValue(int offset);
  void TestActive(int X, int Y);
  void ButtonDown(int part, int X, int Y);
  void ButtonUp(int part);
  void ButtonEnter(int part);
  void ButtonLeave(int part);
  // Timer 1 again at the repeat interval.
  void StartScroll();
  // Timer 1 off, no repeat.
  void StopTimer();
  void DrawButton(TCanvas* canvas, int part);

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
  // Timer 1 of the window (a seam for tests, which record the intervals).
  virtual void SetRepeatTimer(int interval);
  virtual void KillRepeatTimer();

 private:
  // What the bar takes from a scroll-bar look, state fallbacks applied.
  struct TLook {
    TRect TrackArea, UpButton, ActiveUpButton, DownUpButton, DownButton, ActiveDownButton, DownDownButton;
    TRect Thumb, ActiveThumb, DownThumb, Glyph, ActiveGlyph, DownGlyph;
    int ThumbOffset1 = 0, ThumbOffset2 = 0, ThumbMinSize = 0, ThumbMinPageSize = 0;
    bool ThumbTransparent = false, ThumbStretch = false, GlyphTransparent = false;
    TColor ThumbTransparentColor = clFuchsia, GlyphTransparentColor = clFuchsia;
  };

  bool Horizontal() const { return kind_ == sbHorizontal; }
  int Clamp(int value) const;
  double RelativePosition() const;
  int ThumbLength(int trackLength, int minimum) const;
  void PlaceThumb(int length, int crossStart, int crossSize);
  void CalcDefaultRects();
  void CalcSkinRects();
  TRect MovedButton(const TRect& rect) const;
  void DrawDefaultButton(TCanvas* canvas, int part);
  void DrawSkinButton(TCanvas* canvas, int part);
  void DrawSkinThumb(TCanvas* canvas);
  bool Before(int X, int Y) const;
  bool After(int X, int Y) const;
  void RepeatStep();
  void StepDown();
  void StepUp();
  void Leave();

  TScrollBarKind kind_ = sbHorizontal;
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int pageSize_ = 0;
  int smallChange_ = 1;
  int largeChange_ = 1;
  bool both_ = false;
  int bothMarkerWidth_ = 0;
  AnsiString bothSkinDataName_ = "bothhscrollbar";
  AnsiString savedSkinDataName_;
  bool canFocused_ = false;

  TLook look_;
  TPart parts_[3];
  TRect track_;
  int travelStart_ = 0;
  int travelEnd_ = 0;
  int thumbOffset_ = 0;
  int hovered_ = -1;
  int previousHovered_ = -1;
  int pressed_ = -1;
  bool dragging_ = false;
  int dragOrigin_ = 0;
  int pressOffset_ = 0;
  int repeatMode_ = 0;
  bool firstTick_ = false;
  bool leftHeld_ = false;
  TPoint lastPointer_;
  bool focusing_ = false;
};
