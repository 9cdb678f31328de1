#pragma once
// The windowed skinned-control bases. TspSkinControl finds its look in a skin data
// component, composes its face off screen (the skin look, or the built-in look when the
// skin has none), blends it over the parent when asked and re-skins on demand; a change
// of its background reaches its children. TspSkinCustomControl adds the resizable
// nine-part look: the control's size follows the look, the face is composed at any size,
// the window takes the mask's outline, and large faces can be painted directly.
#include "skin/controls/Skinctrls_Linked.h"
#include "skin/controls/Skinctrls_Resizable.h"

class TspSkinControl : public TspSkinLinked<TCustomControl> {
  CLASSLIB_CLASS(TspSkinControl, TCustomControl)
 public:
  explicit TspSkinControl(TComponent* owner);
  ~TspSkinControl() override;

  // Stores the name only: it takes effect at the next paint or re-skin.
  virtual void SetSkinDataName(const AnsiString& value);
  // A blended control repaints and tells its children.
  void CheckParentBackground() override;
  // Sends WM_CHECKPARENTBG to every child.
  void CheckControlsBackground();
  // The region last handed to the window (owned by the window), or null.
  HRGN WindowRegion() const { return region_; }
  // True only while the control handles WM_PAINT; an erase outside it paints the face.
  bool InPaint() const { return inPaint_; }

  void Dispatch(TMessage& message) override;

 protected:
  // Gives the window `region` (null: none) and remembers it; the window frees the region
  // it had and owns the new one.
  virtual void HandOverRegion(HRGN region);

  HRGN region_ = nullptr;
  bool inPaint_ = false;
};

extern template class TspSkinResizable<TspSkinControl>;

// Draws the client piece `piece` of `picture` over `area` of `canvas`: tiled from the
// area's top-left, or stretched as `stretchType` says (spstHorz: to the area's height and
// repeated across; spstVert: to its width and repeated downwards). A piece without area
// draws nothing.
void DrawClientPiece(TCanvas* canvas, const TRect& area, TBitmap* picture, const TRect& piece, bool stretch,
                     TspStretchType stretchType);

class TspSkinCustomControl : public TspSkinResizable<TspSkinControl> {
  CLASSLIB_CLASS(TspSkinCustomControl, TspSkinControl)
 public:
  explicit TspSkinCustomControl(TComponent* owner);
  ~TspSkinCustomControl() override;

  // Gives the window the mask's outline at the current size, or removes its region.
  virtual void SetControlRegion();
  void CreateControlRegion();

 protected:
  void Paint() override;
  // A new window takes the look's outline.
  void CreateWnd() override;
  void LookGeometryChanged() override { SetControlRegion(); }
  void ClientBackgroundChanged() override { CheckControlsBackground(); }
  bool ReadsMask() const override { return true; }
  bool ComposesNineParts() const override { return !directPaint_; }

  // Large faces: paint the border strips and the client piece straight onto the canvas.
  bool directPaint_ = false;
  // The direct paint draws the client piece.
  bool drawClient_ = true;

 private:
  void PaintDirect();
};
