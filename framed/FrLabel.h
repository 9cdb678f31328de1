#pragma once
// Framed labels: window-less text that is raised, recessed or shadowed, level at any angle
// or curved along an arc, blinking with every other label on one shared timer, coloured
// while the pointer is over it, inside framed borders; and the link label that opens its
// URL (or its caption) with the shell.
#include <cstdint>
#include <vector>

#include "classlib/stdctrls/Label.h"
#include "framed/FrCommon_Types.h"

class TTimer;

enum TRotation { roNone, roFlat, roCurve };
enum TCenterPoint {
  cpUpperLeft, cpUpperCenter, cpUpperRight, cpLeftCenter, cpCenter, cpRightCenter, cpLowerLeft, cpLowerCenter,
  cpLowerRight
};

// Asks a control whether it blinks (answer 1); then tells it the new state (wParam 1: the
// blink colour, 0: the normal colour).
constexpr UINT CM_BLINKQUERY = 46056;
constexpr UINT CM_BLINKSTATE = 46057;

// The screen cursor number of the link labels' hand.
constexpr TCursor crFrHandCursor = 26000;

// The one timer that all blinking controls share: each tick flips the state and tells
// every registered control that answers CM_BLINKQUERY. State 1 lasts IntervalOn, state 0
// IntervalOff (the timer takes a changed interval at its next tick).
class TFrBlinkingControlsList : public TObject {
  CLASSLIB_CLASS(TFrBlinkingControlsList, TObject)
 public:
  TFrBlinkingControlsList();
  ~TFrBlinkingControlsList() override;
  TFrBlinkingControlsList(const TFrBlinkingControlsList&) = delete;
  TFrBlinkingControlsList& operator=(const TFrBlinkingControlsList&) = delete;

  void AddBlinker(TControl* control);
  void RemoveBlinker(TControl* control);
  virtual int BlinkerCount() const { return static_cast<int>(controls_.size()); }

  uint8_t BlinkState() const { return blinkState_; }
  uint16_t IntervalOn() const { return intervalOn_; }
  void SetIntervalOn(uint16_t ms) { intervalOn_ = ms; }
  uint16_t IntervalOff() const { return intervalOff_; }
  void SetIntervalOff(uint16_t ms) { intervalOff_ = ms; }
  TTimer* Timer() const { return timer_; }

  // One tick of the timer (the timer calls it; tests may too).
  void BlinkTick(TObject* sender);

 private:
  uint8_t blinkState_ = 1;
  uint16_t intervalOn_ = 500;
  uint16_t intervalOff_ = 500;
  TTimer* timer_;
  std::vector<TControl*> controls_;
};

// The shared list: made by the first label, freed with the last (null while no label exists).
extern TFrBlinkingControlsList* BlinkingControls;
// Frees the shared list when no control is registered any more.
void ReleaseBlinkListWhenEmpty();

class TFrLabel : public TLabel {
  CLASSLIB_CLASS(TFrLabel, TLabel)
 public:
  explicit TFrLabel(TComponent* owner);
  ~TFrLabel() override;

  int Angle() const { return angle_; }
  virtual void SetAngle(int value);
  TRotation Rotation() const { return rotation_; }
  virtual void SetRotation(TRotation value);
  TCenterPoint CenterPoint() const { return centerPoint_; }
  virtual void SetCenterPoint(TCenterPoint value);
  bool Blinking() const { return blinking_; }
  virtual void SetBlinking(bool value);
  TColor BlinkColor() const { return blinkColor_; }
  virtual void SetBlinkColor(TColor value);
  // The shared list's intervals: the last label to set them decides for all.
  virtual uint16_t BlinkIntervalOff() const;
  virtual void SetBlinkIntervalOff(uint16_t value);
  virtual uint16_t BlinkIntervalOn() const;
  virtual void SetBlinkIntervalOn(uint16_t value);
  int BevelWidth() const { return bevelWidth_; }
  virtual void SetBevelWidth(int value);
  TColor BorderColor() const { return borderColor_; }
  virtual void SetBorderColor(TColor value);
  TFrameStyle BorderInner() const { return borderInner_; }
  virtual void SetBorderInner(TFrameStyle value);
  TFrameStyle BorderOuter() const { return borderOuter_; }
  virtual void SetBorderOuter(TFrameStyle value);
  TSides BorderSides() const { return borderSides_; }
  virtual void SetBorderSides(TSides value);
  TColor BorderHighlight() const { return borderHighlight_; }
  virtual void SetBorderHighlight(TColor value);
  TColor BorderShadow() const { return borderShadow_; }
  virtual void SetBorderShadow(TColor value);
  int BorderWidth() const { return borderWidth_; }
  virtual void SetBorderWidth(int value);
  TColor FlatColor() const { return flatColor_; }
  virtual void SetFlatColor(TColor value);
  TColor FlyByColor() const { return flyByColor_; }
  virtual void SetFlyByColor(TColor value);
  bool FlyByEnabled() const { return flyByEnabled_; }
  virtual void SetFlyByEnabled(bool value);
  bool LightTextStyle() const { return lightTextStyle_; }
  virtual void SetLightTextStyle(bool value);
  TTextStyle TextStyle() const { return textStyle_; }
  virtual void SetTextStyle(TTextStyle value);
  TColor HighlightColor() const { return highlightColor_; }
  virtual void SetHighlightColor(TColor value);
  TColor ShadowColor() const { return shadowColor_; }
  virtual void SetShadowColor(TColor value);
  int ShadowDepth() const { return shadowDepth_; }
  virtual void SetShadowDepth(int value);

  // The colour the text is drawn in now (the font colour, or the blink colour).
  TColor CurrentColor() const { return currentColor_; }

  void Dispatch(TMessage& message) override;

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

 protected:
  virtual void BlinkStateChanged(bool on);
  // Adds the borders' room (and the rotated text's) to a measured text rectangle.
  virtual void GrowRectForBorders(TRect& rect);
  virtual void ShrinkRectForBorders(TRect& rect, bool includeBorderWidth);
  virtual void MouseEntered() { OnMouseEnter(this); }
  virtual void MouseLeft() { OnMouseLeave(this); }

  void Loaded() override;
  void Paint() override;
  void AdjustBounds() override;

 private:
  // One drawing of the caption: its offset from the text's place and its colour.
  struct TTextPass {
    int dx;
    int dy;
    TColor color;
  };
  // The 3D copies (or the shadow at `shadowOffset`) and then the text at `textOffset`;
  // disabled, an engraved pair instead (after the style's copies with `stylesWhenDisabled`).
  std::vector<TTextPass> TextPasses(int shadowOffset, int textOffset, bool stylesWhenDisabled) const;
  UINT TextFlags() const;
  void ApplyLayoutOffset(TRect& rect, UINT flags);
  void PaintLabelText();
  void PaintAngledText(const TRect& rect, UINT flags);
  void PaintCurvedText();
  TPoint CurvePivot() const;
  TPoint CurveRadii() const;

  template <class T>
  void Store(T& field, const T& value);
  // Stores a value that changes the room around the text: fits the bounds and repaints.
  template <class T>
  void StoreBorder(T& field, const T& value);
  void BordersChanged();
  void UseVerdanaWithoutTrueType();
  void FontChanged(TMessage& message);
  void MouseEnter(TMessage& message);
  void MouseLeave(TMessage& message);
  void PaintBorder(TRect& rect, TFrameStyle style);

  int angle_ = 0;
  TRotation rotation_ = roNone;
  TCenterPoint centerPoint_ = cpCenter;
  bool blinking_ = false;
  TColor blinkColor_ = clHighlight;
  int bevelWidth_ = 1;
  TColor borderColor_ = clBtnFace;
  TFrameStyle borderInner_ = fsNone;
  TFrameStyle borderOuter_ = fsNone;
  TSides borderSides_ = kAllSides;
  TColor borderHighlight_ = clBtnHighlight;
  TColor borderShadow_ = clBtnShadow;
  int borderWidth_ = 0;
  TColor flatColor_ = clBtnShadow;
  TColor flyByColor_ = clHighlight;
  bool flyByEnabled_ = false;
  bool lightTextStyle_ = false;
  TTextStyle textStyle_ = tsNormal;
  TColor highlightColor_ = clBtnHighlight;
  TColor shadowColor_ = clBtnShadow;
  int shadowDepth_ = 2;
  TColor normalColor_;
  TColor currentColor_;
  TColor savedFlyByColor_ = clNone;  // the font colour while the pointer is over the label
};

// A label that opens its URL, or its caption when URL is blank, with the shell when clicked.
class TFrURLLabel : public TFrLabel {
  CLASSLIB_CLASS(TFrURLLabel, TFrLabel)
 public:
  explicit TFrURLLabel(TComponent* owner);

  const AnsiString& URL() const { return url_; }
  void SetURL(const AnsiString& url) { url_ = url; }
  bool Visited() const { return visited_; }
  virtual void SetVisited(bool value);
  TColor VisitedColor() const { return visitedColor_; }
  virtual void SetVisitedColor(TColor value);
  TColor UnvisitedColor() const { return unvisitedColor_; }
  virtual void SetUnvisitedColor(TColor value);

  // OnClick, then the shell opens the target; a failed ".htm" target offers open-with.
  void Click() override;

 protected:
  virtual void UpdateLinkColor();

 private:
  template <class T>
  void StoreLink(T& field, const T& value);

  AnsiString url_;
  bool visited_ = false;
  TColor visitedColor_ = clPurple;
  TColor unvisitedColor_ = clHighlight;
};

// Registers the labels' properties for form resources.
void RegisterLabelClasses();
