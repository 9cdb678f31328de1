#pragma once
// The skinned splitters. TspSkinSplitter is the class library's window-less splitter with
// a face and a thickness from a splitter look; TspCustomSplitter is a windowed splitter
// that resizes its neighbour live while dragged, and TspSkinSplitterEx gives it the
// skinned face. An upright bar (aligned left or right) takes the "vsplitter" look, a lying
// one (top or bottom) "hsplitter".
#include <algorithm>

#include "classlib/stdctrls/Splitter.h"
#include "skin/controls/Skinctrls_Bases.h"
#include "skin/controls/Skinctrls_Link.h"

class TspDataSkinSplitterControl;

// What a splitter takes from its look, read again before every paint.
struct TspSplitterLook {
  int Index = -1;
  TRect SkinRect;
  TBitmap* Picture = nullptr;
  TPoint LeftTopPoint;
  TPoint RightTopPoint;
  TPoint LeftBottomPoint;
  bool StretchEffect = false;
  TRect GripperRect;
  bool GripperTransparent = false;
  TColor GripperTransparentColor = clFuchsia;

  // The look `name` of `skin`; none without a loaded skin, without the name, for a look
  // of another kind or one without a picture.
  void Read(TspSkinData* skin, const AnsiString& name);
  bool Found() const { return Index != -1; }
};

// True for the alignments of a lying bar.
inline bool LyingSplitter(TAlign align) { return align == alTop || align == alBottom; }

// Gives `splitter` its thickness across the bar: `defaultSize`, or with a look the skin
// rectangle's.
void SizeSplitter(TControl& splitter, const TspSplitterLook& look, bool useDefault, int defaultSize);

// The look name for the splitter's alignment.
inline const char* SplitterLookName(TAlign align) { return LyingSplitter(align) ? "hsplitter" : "vsplitter"; }

// Draws the look's three-part strip of the splitter's size with the gripper centred on it.
void PaintSplitterFace(TCanvas* canvas, const TspSplitterLook& look, TAlign align, int width, int height);

class TspSkinSplitter : public TSplitter, public TspSkinLink {
  CLASSLIB_CLASS(TspSkinSplitter, TSplitter)
 public:
  explicit TspSkinSplitter(TComponent* owner);

  // Nothing is drawn; the thickness is DefaultSize.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  // The thickness without a look, or when transparent.
  int DefaultSize() const { return defaultSize_; }
  void SetDefaultSize(int value) { defaultSize_ = value; }
  void SetSkinDataName(const AnsiString& value) { skinDataName_ = value; }

  // Stores the skin data and re-skins.
  void SetSkinData(TspSkinData* value) override;
  void BeforeChangeSkinData() override { look_.Index = -1; }
  // Reads the look, takes its thickness and repaints.
  void ChangeSkinData() override;

 protected:
  void Paint() override;
  void Notification(TComponent* component, TOperation operation) override;
  // On a design surface a new alignment brings the matching look name.
  void BoundsChanged() override;

 private:
  void ReadLook();

  bool transparent_ = false;
  int defaultSize_ = 10;
  TspSplitterLook look_;
};

// A windowed splitter dragging its neighbour's size live; it paints nothing itself.
class TspCustomSplitter : public TspSkinControl {
  CLASSLIB_CLASS(TspCustomSplitter, TspSkinControl)
 public:
  explicit TspCustomSplitter(TComponent* owner);
  ~TspCustomSplitter() override;

  bool AutoSnap() const { return autoSnap_; }
  void SetAutoSnap(bool value) { autoSnap_ = value; }
  int MinSize() const { return minSize_; }
  void SetMinSize(int value) { minSize_ = std::max(value, 1); }
  // The control being resized during a drag (null outside one).
  TControl* Neighbour() const { return neighbour_; }

  // May change the proposed size; a refusal keeps the neighbour's size for that move.
  TCanResizeEvent OnCanResize;
  // Fires after every size applied and when a drag stops.
  TNotifyEvent OnMoved;
  // Published for form resources; nothing fires it.
  TNotifyEvent OnPaint;

 protected:
  virtual bool CanResize(int& newSize);
  virtual bool DoCanResize(int& newSize) { return CanResize(newSize); }
  // Ends a drag keeping the size reached; OnMoved fires in any case.
  virtual void StopSizing();
  void Paint() override {}
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void Notification(TComponent* component, TOperation operation) override;
  // A new alignment brings the matching split cursor.
  void BoundsChanged() override;

 private:
  TControl* FindNeighbour() const;
  int MaxSize() const;
  // The size and split offset for the pointer at (x, y).
  void CalcSplitSize(int x, int y, int& newSize, int& split) const;
  void ApplySize(int size);
  // The split cursor that matches the alignment.
  void MatchCursor();
  // Borrowed OnKeyDown of the form's active control during a drag.
  void SplitterKeyDown(TObject* sender, WORD& key, TShiftState shift);
  void BorrowKeys();
  void ReturnKeys();

  bool autoSnap_ = true;
  int minSize_ = 30;
  TControl* neighbour_ = nullptr;
  TPoint down_{0, 0};
  int maxSize_ = 0;
  int newSize_ = 0;
  int split_ = 0;
  int oldSize_ = -1;
  TWinControl* keysOwner_ = nullptr;
  TKeyEvent oldKeyDown_;
};

class TspSkinSplitterEx : public TspCustomSplitter {
  CLASSLIB_CLASS(TspSkinSplitterEx, TspCustomSplitter)
 public:
  explicit TspSkinSplitterEx(TComponent* owner);

  int DefaultSize() const { return defaultSize_; }
  void SetDefaultSize(int value) { defaultSize_ = value; }

  void GetSkinData() override;
  void ChangeSkinData() override;

 protected:
  void Paint() override;

 private:
  int defaultSize_ = 10;
  TspSplitterLook look_;
};
