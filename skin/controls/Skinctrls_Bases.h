#pragma once
// The windowed skinned-control bases. TspSkinControl finds its look in a skin data
// component, composes its face off screen (the skin look, or the built-in look when the
// skin has none), blends it over the parent when asked and re-skins on demand.
// TspSkinCustomControl adds the resizable nine-part look: the control's size follows
// the look, the face is composed at any size and the window takes the mask's outline.
#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/GraphicsObjects.h"
#include "classlib/windowing/CustomControl.h"
#include "skin/controls/Skinctrls_Geometry.h"
#include "skin/controls/Skinctrls_Link.h"

class TspSkinControl : public TCustomControl, public TspSkinLink {
  CLASSLIB_CLASS(TspSkinControl, TCustomControl)
 public:
  explicit TspSkinControl(TComponent* owner);
  ~TspSkinControl() override;

  virtual void SetAlphaBlend(bool value);
  virtual void SetAlphaBlendValue(BYTE value);
  // Finds the look: LookIndex is -1 without a loaded skin or when the skin lacks the name.
  virtual void GetSkinData();
  // Stores the skin data; a loaded one re-skins the control (not while designing).
  void SetSkinData(TspSkinData* value) override;
  // Stores the name only: it takes effect at the next paint or re-skin.
  virtual void SetSkinDataName(const AnsiString& value);
  // Finds the look again, takes the skin's cursor when UseSkinCursor, repaints.
  void ChangeSkinData() override;
  void BeforeChangeSkinData() override;
  // The parent's picture changed: a blended control repaints and tells its children.
  virtual void CheckParentBackground();

  void SetHintImageList(TCustomImageList* value);
  // Sends WM_CHECKPARENTBG to every child.
  void CheckControlsBackground();
  // The region last handed to the window (owned by the window), or null.
  HRGN WindowRegion() const { return region_; }
  // True only while the control handles WM_PAINT; an erase outside it paints the face.
  bool InPaint() const { return inPaint_; }

  void Dispatch(TMessage& message) override;

 protected:
  void Paint() override;
  // Draw the built-in and the skin look into the off-screen picture of the control's size.
  virtual void CreateControlDefaultImage(TBitmap* bitmap) { (void)bitmap; }
  virtual void CreateControlSkinImage(TBitmap* bitmap) { (void)bitmap; }
  void Notification(TComponent* component, TOperation operation) override;
  // Gives the window `region` (null: none) and remembers it; the window frees the region
  // it had and owns the new one.
  virtual void HandOverRegion(HRGN region);

  HRGN region_ = nullptr;
  bool inPaint_ = false;
};

class TspSkinCustomControl : public TspSkinControl, public TspSkinLookGeometry {
  CLASSLIB_CLASS(TspSkinCustomControl, TspSkinControl)
 public:
  explicit TspSkinCustomControl(TComponent* owner);
  ~TspSkinCustomControl() override;

  // The font of the built-in look (owned); a change calls DefaultFontChange and repaints
  // a control without a look.
  TFont* DefaultFont() const { return defaultFont_; }
  void SetDefaultFont(TFont* value);
  // Derived controls take the font from the look when on, from DefaultFont when off.
  bool UseSkinFont() const { return useSkinFont_; }
  void SetUseSkinFont(bool value) { useSkinFont_ = value; }
  // The size a control without a look takes (0: keep).
  int DefaultWidth() const { return defaultWidth_; }
  void SetDefaultWidth(int value);
  int DefaultHeight() const { return defaultHeight_; }
  void SetDefaultHeight(int value);

  virtual void DefaultFontChange() {}
  // Fits a requested size to the look (W, H in: requested, out: taken) and computes
  // NLT .. NCR for it.
  virtual void CalcSize(int& W, int& H);
  // Gives the window the mask's outline at the current size, or removes its region.
  virtual void SetControlRegion();

  void GetSkinData() override;
  void ChangeSkinData() override;
  void SetBounds(int left, int top, int width, int height) override;
  void CreateControlRegion();
  int GetResizeMode() const { return ComputeResizeMode(); }
  // A rectangle of the look's coordinates (a button area of the picture, say) at the
  // control's current size.
  void GetNewRect(const TRect& rect, TRect& newRect) const;

 protected:
  void Paint() override;
  // A new window takes the look's outline.
  void CreateWnd() override;
  void CreateControlDefaultImage(TBitmap* bitmap) override;
  void CreateControlSkinImage(TBitmap* bitmap) override;
  // Draws `rect` (SR, or another state's rectangle of its size) of `picture` at the
  // control's size into `bitmap`.
  void CreateSkinControlImage(TBitmap* bitmap, TBitmap* picture, const TRect& rect);

  // Large faces: paint the border strips and the client piece straight onto the canvas.
  bool directPaint_ = false;
  // The direct paint draws the client piece.
  bool drawClient_ = true;

 private:
  void DefaultFontChanged(TObject* sender);
  void PaintDirect();

  TFont* defaultFont_;
  bool useSkinFont_ = true;
  int defaultWidth_ = 0;
  int defaultHeight_ = 0;
};
