#pragma once
// The window-less skinned-control bases: the same skin connection, look, off-screen face,
// blending and resizable nine-part geometry as the windowed bases, without a window,
// hence without region and without children.
#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/GraphicsObjects.h"
#include "classlib/windowing/GraphicControl.h"
#include "skin/controls/Skinctrls_Geometry.h"
#include "skin/controls/Skinctrls_Link.h"

class TspGraphicSkinControl : public TGraphicControl, public TspSkinLink {
  CLASSLIB_CLASS(TspGraphicSkinControl, TGraphicControl)
 public:
  explicit TspGraphicSkinControl(TComponent* owner);
  ~TspGraphicSkinControl() override;

  virtual void SetAlphaBlend(bool value);
  virtual void SetAlphaBlendValue(BYTE value);
  virtual void GetSkinData();
  void SetSkinData(TspSkinData* value) override;
  void ChangeSkinData() override;
  void BeforeChangeSkinData() override;

  // Stores the name only (no repaint): it takes effect at the next paint or re-skin.
  void SetSkinDataName(const AnsiString& value) { skinDataName_ = value; }
  void SetHintImageList(TCustomImageList* value);

  void Dispatch(TMessage& message) override;

 protected:
  void Paint() override;
  virtual void CreateControlDefaultImage(TBitmap* bitmap) { (void)bitmap; }
  virtual void CreateControlSkinImage(TBitmap* bitmap) { (void)bitmap; }
  void Notification(TComponent* component, TOperation operation) override;
};

class TspGraphicSkinCustomControl : public TspGraphicSkinControl, public TspSkinLookGeometry {
  CLASSLIB_CLASS(TspGraphicSkinCustomControl, TspGraphicSkinControl)
 public:
  explicit TspGraphicSkinCustomControl(TComponent* owner);
  ~TspGraphicSkinCustomControl() override;

  TFont* DefaultFont() const { return defaultFont_; }
  void SetDefaultFont(TFont* value);
  bool UseSkinFont() const { return useSkinFont_; }
  void SetUseSkinFont(bool value) { useSkinFont_ = value; }
  int DefaultWidth() const { return defaultWidth_; }
  void SetDefaultWidth(int value);
  int DefaultHeight() const { return defaultHeight_; }
  void SetDefaultHeight(int value);

  virtual void DefaultFontChange() {}
  virtual void CalcSize(int& W, int& H);

  void GetSkinData() override;
  void ChangeSkinData() override;
  void SetBounds(int left, int top, int width, int height) override;
  int GetResizeMode() const { return ComputeResizeMode(); }
  void GetNewRect(const TRect& rect, TRect& newRect) const;

 protected:
  void CreateControlDefaultImage(TBitmap* bitmap) override;
  void CreateControlSkinImage(TBitmap* bitmap) override;
  void CreateSkinControlImage(TBitmap* bitmap, TBitmap* picture, const TRect& rect);

 private:
  void DefaultFontChanged(TObject* sender);

  TFont* defaultFont_;
  bool useSkinFont_ = true;
  int defaultWidth_ = 0;
  int defaultHeight_ = 0;
};
