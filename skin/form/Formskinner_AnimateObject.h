#pragma once
// The animation object: a strip of frames side by side in the active picture, each of
// the size of SkinRect, played by the form component's 25-ms animation timer. In button
// style it plays forward while the pointer is on it and back when it leaves, and carries
// out a window command like a caption button (with restore faces), or drops a menu.
#include "skin/data/Sputils_Geometry.h"
#include "skin/form/Formskinner_Objects.h"

class TspSkinAnimateObject : public TspActiveSkinObject {
  CLASSLIB_CLASS(TspSkinAnimateObject, TspActiveSkinObject)
 public:
  TspSkinAnimateObject(TspFormSkinner* form, TspDataSkinObject* data);

  bool MenuTracking = false;  // its drop-down menu is open
  int Frame = 1;              // the frame shown, from 1
  int Elapsed = kAnimateTick; // ms counted toward the next frame
  int Interval = 50;          // ms per frame, at least one tick
  TMenuItem* MenuItem = nullptr;
  bool Down = false;
  bool PopupUp = false;
  int CountFrames = 1;
  bool Cycle = false;         // forward play wraps around instead of stopping
  bool ButtonStyle = false;
  bool Forward = true;
  TStdCommand Command = cmClose;
  TRect DownSkinRect;
  TRect RestoreSkinRect, RestoreActiveSkinRect, RestoreInActiveSkinRect, RestoreDownSkinRect;

  // Plays from frame 1 (once, or until Stop with Cycle).
  void Start();
  // Back to frame 1, at rest.
  void Stop();
  // One tick of the animation timer.
  void ChangeFrame();
  // Shows frame N; past either end it wraps in the direction of play.
  void SetFrame(int n);
  // The menu it dropped has closed: from the last frame it plays back to the first.
  void PlayBack();
  // Held down with a down face: the timer does not step it.
  bool HeldDown() const { return Down && !IsNullRect(DownSkinRect); }
  void DoCommand();
  void TrackMenu();

  void Draw(TCanvas* canvas, bool alone) override;
  void DblClick() override;
  void MouseDown(int x, int y, TMouseButton button) override;
  void MouseUp(int x, int y, TMouseButton button) override;
  void MouseEnter() override;
  void MouseLeave() override;

 private:
  // Plays in the direction given from the frame reached.
  void PlayOn(bool forward);
};

// The window command of a caption button or of an animation object; false for objects
// of other kinds.
bool ObjectCommand(const TspActiveSkinObject* object, TStdCommand& command);
