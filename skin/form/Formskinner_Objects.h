#pragma once
// The active skin objects of a skinned form: rectangles of the skin picture that react to
// the pointer. The form component owns them (ObjectList), paints them, hands them the
// pointer and runs their morph timer; each is addressed by IDName, the name of its skin
// entry. Formskinner_Objects.cpp holds the base, the user object and the switch,
// Formskinner_ButtonObjects.cpp the push button and the caption button; the value
// objects are in Formskinner_ValueObjects.h, the animation in Formskinner_AnimateObject.h.
#include "classlib/graphics/Bitmap.h"
#include "classlib/runtime/Object.h"
#include "classlib/windowing/Control.h"
#include "skin/data/Skindata_Objects.h"

class TspFormSkinner;
class TspSkinData;
class TMenuItem;

enum TSwitchState { swsOff, swsOn };

// The period of the form component's animation timer (ms): the caption's activation
// animation and the animation objects count their frame times in these ticks.
constexpr int kAnimateTick = 25;

// Window commands of caption buttons and button-style animations. A command is in
// restore mode while carrying it out would undo the present window state (maximised,
// minimised, rolled up); its restore faces show then. Close, maximise and minimise act
// here; the other commands are carried out by the objects themselves.
bool CommandInRestoreMode(const TspFormSkinner* form, TStdCommand command);
void CarryOutWindowCommand(TspFormSkinner* form, TStdCommand command);
// Drops `item`'s sub-menu beside `objectRect` (window coordinates of the form): a
// skinned popup menu opens itself, any other menu drops through the form's menu
// controller. Nothing without sub-items.
void DropObjectMenu(TspFormSkinner* form, const TRect& objectRect, TMenuItem* item, bool popupUp);

class TspActiveSkinObject : public TObject {
  CLASSLIB_CLASS(TspActiveSkinObject, TObject)
 public:
  // `data` may be null: then only the parent, skin data, Enabled, Visible and MorphKf are set.
  TspActiveSkinObject(TspFormSkinner* form, TspDataSkinObject* data);
  ~TspActiveSkinObject() override = default;

  // The eight operations every kind may change, in this order.
  virtual void Draw(TCanvas* canvas, bool alone);
  virtual void DblClick() {}
  virtual void MouseDown(int x, int y, TMouseButton button);
  virtual void MouseUp(int x, int y, TMouseButton button);
  virtual void MouseMove(int x, int y);
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual bool CanMorphing();

  // Morphing: a morphing object walks between its normal and active faces in steps of
  // 0.2 on the form component's morph timer (when the skin's effects are on).
  bool EnableMorphing() const;
  void Redraw();
  void DoMorphing();
  double MorphKf() const { return morphKf_; }
  void SetMorphKf(double value);

  TspFormSkinner* Parent;
  TspSkinData* SkinData;
  AnsiString IDName;
  AnsiString Hint;
  bool SkinRectInAPicture = false;
  TRect SkinRect, ActiveSkinRect, InActiveSkinRect;
  bool Morphing = false;
  TMorphKind MorphKind = mkDefault;
  int CursorIndex = -1;
  bool RollUp = false;
  TBitmap* ActivePicture = nullptr;  // the skin's extra picture of the faces, or null
  TBitmap* Picture = nullptr;        // the form picture (or the roll-up picture)
  TRect ObjectRect;
  bool Enabled = true;
  bool Visible = true;
  bool Active = false;
  bool MouseIn = false;

 protected:
  // Copies `face` of `picture` onto ObjectRect (stretched when the sizes differ).
  void CopyFace(TCanvas* canvas, TBitmap* picture, const TRect& face) const;
  // The even (or MorphKind's) blend of the two faces at MorphKf, drawn at ObjectRect.
  void DrawMorph(TCanvas* canvas, TBitmap* normalPicture, const TRect& normalFace, const TRect& activeFace) const;
  // Between the ends of its morph: Active and not yet 1, or not Active and not yet 0.
  bool BetweenMorphEnds() const;
  TBitmap* NormalFacePicture() const { return SkinRectInAPicture ? ActivePicture : Picture; }

 private:
  double morphKf_ = 0;
};

// An area the application paints: drawing fires the form component's OnPaintEvent.
class TspUserObject : public TspActiveSkinObject {
  CLASSLIB_CLASS(TspUserObject, TspActiveSkinObject)
 public:
  using TspActiveSkinObject::TspActiveSkinObject;
  void Draw(TCanvas* canvas, bool alone) override;
};

// A two-state switch: the active face is its "on" face; a left press toggles it.
class TspSkinSwitchObject : public TspActiveSkinObject {
  CLASSLIB_CLASS(TspSkinSwitchObject, TspActiveSkinObject)
 public:
  using TspActiveSkinObject::TspActiveSkinObject;

  TSwitchState State = swsOff;
  // Sets, redraws and reports the state.
  void SetState(TSwitchState value);
  // Sets the state without drawing or reporting it (while a skin is applied).
  void SimpleSetState(TSwitchState value);

  void MouseDown(int x, int y, TMouseButton button) override;
  void MouseEnter() override;
  void MouseLeave() override;
};

// A push button with a down and a disabled face; buttons of one GroupIndex (not -1) act
// as radio buttons. A button with a MenuItem drops that menu on its press.
class TspSkinButtonObject : public TspActiveSkinObject {
  CLASSLIB_CLASS(TspSkinButtonObject, TspActiveSkinObject)
 public:
  TspSkinButtonObject(TspFormSkinner* form, TspDataSkinObject* data);

  int GroupIndex = -1;
  TRect DownRect;
  TRect DisabledFaceRect;
  bool Down = false;
  TMenuItem* MenuItem = nullptr;
  bool PopupUp = false;

  void SetDown(bool value);
  // Drops MenuItem's sub-menu below the button (nothing without sub-items).
  void TrackMenu();

  void Draw(TCanvas* canvas, bool alone) override;
  void MouseDown(int x, int y, TMouseButton button) override;
  void MouseUp(int x, int y, TMouseButton button) override;
  void MouseEnter() override;
  void MouseLeave() override;
  bool CanMorphing() override;

 protected:
  // The first other Down button of the same group comes up.
  void ReleaseGroup();
};

// A caption button: a window command (close, maximise, minimise, ...) with restore faces
// shown while its command would undo the present state, and a built-in look without a
// skin picture.
class TspSkinStdButtonObject : public TspSkinButtonObject {
  CLASSLIB_CLASS(TspSkinStdButtonObject, TspSkinButtonObject)
 public:
  TspSkinStdButtonObject(TspFormSkinner* form, TspDataSkinObject* data);

  TStdCommand Command = cmDefault;
  TRect RestoreSkinRect, RestoreActiveSkinRect, RestoreDownSkinRect, RestoreInActiveSkinRect;
  bool SkinSupport = true;  // false: drawn by DefaultDraw

  void Draw(TCanvas* canvas, bool alone) override;
  void DblClick() override;
  void MouseDown(int x, int y, TMouseButton button) override;
  void MouseUp(int x, int y, TMouseButton button) override;
  bool CanMorphing() override;

  void DefaultDraw(TCanvas* canvas);
  void DoCommand();
  void DoMax();
  void DoMin();
  void DoClose();
  // The command would undo the present window state.
  bool InRestoreMode() const;

 private:
  // A system-menu button of a form with ShowIcon shows the form's icon.
  bool ShowsIcon() const;
  void DrawRestoreFaces(TCanvas* canvas);
  void DrawDefaultGlyph(TCanvas* canvas, int x, int y, TColor color) const;
};
