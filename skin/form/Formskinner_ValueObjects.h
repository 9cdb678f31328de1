#pragma once
// The skin objects that show a number: the track bar (a button sliding along a line of
// the form picture), the gauge (a bar filled from the active picture), and the two kinds
// drawn as one frame of a strip in the active picture: the frame gauge and the frame
// regulator (a knob turned or a slider moved by the pointer). The application sets and
// reads their values through the form component by IDName; the track bar and the
// regulator report the user's changes through it.
#include "skin/form/Formskinner_Objects.h"

class TspSkinTrackBarObject : public TspActiveSkinObject {
  CLASSLIB_CLASS(TspSkinTrackBarObject, TspActiveSkinObject)
 public:
  TspSkinTrackBarObject(TspFormSkinner* form, TspDataSkinObject* data);

  TPoint ButtonPos;      // centre of the button, object-local
  TPoint PrevButtonPos;
  int Value = 0;
  bool ButtonDragging = false;
  TPoint OldMousePoint;  // the last pointer position seen over the object, object-local
  int TrackKind = 0;     // 0 horizontal (left to right), 1 vertical (bottom to top)
  TRect ButtonRect;
  TRect ActiveButtonRect;
  TPoint BeginPoint;     // the MinValue end
  TPoint EndPoint;       // the MaxValue end
  int MinValue = 0;
  int MaxValue = 0;
  bool MouseDownChangeValue = false;
  bool ButtonTransparent = false;
  TColor ButtonTransparentColor = 0;

  TRect CalcButtonRect(const TPoint& p) const;
  int CalcValue() const;
  TPoint CalcButtonPos() const;
  // Clamps, moves the button, redraws and reports (nothing when the value is unchanged).
  void SetValue(int value);
  // Clamps, moves the button and reports without drawing (while a skin is applied).
  void SimplySetValue(int value);
  // The user's move: the button goes to P and the value follows.
  void SetButtonPos(const TPoint& p);

  void Draw(TCanvas* canvas, bool alone) override;
  void MouseDown(int x, int y, TMouseButton button) override;
  void MouseUp(int x, int y, TMouseButton button) override;
  void MouseMove(int x, int y) override;

 private:
  // A track of some length over a range of some width: the button can move.
  bool Movable() const { return BeginPoint != EndPoint && MinValue != MaxValue; }
  void StoreValue(int value);
  void DrawButton(TCanvas* canvas) const;
};

class TspSkinGaugeObject : public TspActiveSkinObject {
  CLASSLIB_CLASS(TspSkinGaugeObject, TspActiveSkinObject)
 public:
  TspSkinGaugeObject(TspFormSkinner* form, TspDataSkinObject* data);

  TPoint ProgressPos;  // the filled part's end, object-local
  TPoint PrevProgressPos;
  int Value = 0;
  int MinValue = 0;
  int MaxValue = 0;
  int Kind = 0;  // 0 horizontal (fills from the left), 1 vertical (fills from the bottom)

  TPoint CalcProgressPos() const;
  // Clamps and stores without drawing.
  void SimplySetValue(int value);
  // SimplySetValue, then redraws.
  void SetValue(int value);

  void Draw(TCanvas* canvas, bool alone) override;
  void MouseEnter() override;
  void MouseLeave() override;
};

// A value shown as frame Frame of a strip in the active picture, from the top-left of
// ActiveSkinRect, frames side by side (FramesPlacement 0) or one below the other (1).
class TspSkinFrameObject : public TspActiveSkinObject {
  CLASSLIB_CLASS(TspSkinFrameObject, TspActiveSkinObject)
 public:
  TspSkinFrameObject(TspFormSkinner* form, TspDataSkinObject* data);

  int Frame = 1;
  int FrameWidth = 0;
  int FrameHeight = 0;
  int CountFrames = 0;
  int FramesPlacement = 0;
  int Value = 0;
  int MinValue = 0;
  int MaxValue = 0;

  // The frame of Value, from 1; never beyond the strip.
  int CalcFrame() const;
  // Frame 1 with fewer than two frames, else the frame of Value.
  void Draw(TCanvas* canvas, bool alone) override;

 protected:
  bool InRange(int value) const { return value >= MinValue && value <= MaxValue; }

 private:
  // Takes range, frame count and placement from a look of that kind; false for others.
  template <class Look>
  bool ReadFrameLook(TspDataSkinObject* data);
};

// A frame strip showing a value; values outside MinValue..MaxValue are ignored.
class TspSkinFrameGaugeObject : public TspSkinFrameObject {
  CLASSLIB_CLASS(TspSkinFrameGaugeObject, TspSkinFrameObject)
 public:
  using TspSkinFrameObject::TspSkinFrameObject;

  void SetValue(int value);
  void SimplySetValue(int value);

  void MouseEnter() override;
  void MouseLeave() override;
};

// A knob (Kind 0) turned around its centre, or a slider dragged right (1) or up (2); each
// step of the pointer raises or lowers the value by one frame's share of the range.
class TspSkinFrameRegulatorObject : public TspSkinFrameObject {
  CLASSLIB_CLASS(TspSkinFrameRegulatorObject, TspSkinFrameObject)
 public:
  TspSkinFrameRegulatorObject(TspFormSkinner* form, TspDataSkinObject* data);

  int StepSize = 1;   // pixels or degrees per step
  int ValueStep = 1;  // value per step
  bool Tracking = false;
  int BasePos = 0;    // where the last step was taken
  int CurPos = 0;
  int WorkValue = 0;
  int LastPos = 0;    // the previous move's position
  int Kind = 0;       // 0 round, 1 horizontal, 2 vertical

  // The pointer's angle around the centre in whole degrees: 0 below, 90 left, 180 above,
  // 270 right. At the exact centre, where there is no angle, the last position.
  int GetRoundValue(int x, int y) const;
  void CalcValue();
  void CalcRoundValue();
  // Stores, redraws and reports a value within the range (other values are ignored).
  void SetValue(int value);
  // The same without drawing.
  void SimplySetValue(int value);

  void MouseDown(int x, int y, TMouseButton button) override;
  void MouseUp(int x, int y, TMouseButton button) override;
  void MouseMove(int x, int y) override;

 private:
  // The pointer's position along the regulator's kind of movement.
  int PositionOf(int x, int y) const;
  // One step of WorkValue up or down, clamped and set.
  void Step(bool increase);
};
