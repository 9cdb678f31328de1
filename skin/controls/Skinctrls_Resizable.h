#pragma once
// The resizable nine-part look both base families share, written once over the skinned
// base it extends (TspSkinControl or TspGraphicSkinControl): the control's size follows
// the look, the face is composed at any size, and the built-in look has a default font and
// size. The windowed family adds the window's outline through the hooks.
#include "classlib/graphics/GraphicsObjects.h"
#include "classlib/runtime/Component.h"
#include "skin/controls/Skinctrls_Geometry.h"

template <class Base>
class TspSkinResizable : public Base, public TspSkinLookGeometry {
 public:
  explicit TspSkinResizable(TComponent* owner);
  ~TspSkinResizable() override;

  // The font of the built-in look (owned); a change calls DefaultFontChange and repaints
  // a control without a look.
  TFont* DefaultFont() const { return defaultFont_; }
  void SetDefaultFont(TFont* value) { defaultFont_->Assign(value); }
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

  void GetSkinData() override;
  // Finds the look again, fits the size to it (or applies the default size without one),
  // takes the skin's cursor and repaints.
  void ChangeSkinData() override;
  // Fits a new size to the look; on a tool bar that adjusts its controls, centres the
  // control vertically in the bar's client rectangle.
  void SetBounds(int left, int top, int width, int height) override;
  int GetResizeMode() const { return ComputeResizeMode(); }
  // A rectangle of the look's coordinates (a button area of the picture, say) at the
  // control's current size.
  void GetNewRect(const TRect& rect, TRect& newRect) const;

 protected:
  // Fills the client rectangle with the button-face colour.
  void CreateControlDefaultImage(TBitmap* bitmap) override;
  void CreateControlSkinImage(TBitmap* bitmap) override;
  // Draws `rect` (SR, or another state's rectangle of its size) of `picture` at the
  // control's size into `bitmap`.
  void CreateSkinControlImage(TBitmap* bitmap, TBitmap* picture, const TRect& rect);

  // Hooks of the windowed family. The look's geometry at the current size changed (the
  // window's outline follows it).
  virtual void LookGeometryChanged() {}
  // The background a stretched client gives the children changed.
  virtual void ClientBackgroundChanged() {}
  // The look's mask is read (a window can take its outline).
  virtual bool ReadsMask() const { return false; }
  // The nine-part face is composed off screen (not drawn straight onto the canvas).
  virtual bool ComposesNineParts() const { return true; }

 private:
  void DefaultFontChanged(TObject* sender);

  TFont* defaultFont_;
  bool useSkinFont_ = true;
  int defaultWidth_ = 0;
  int defaultHeight_ = 0;
};
