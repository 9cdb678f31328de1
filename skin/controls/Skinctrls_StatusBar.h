#pragma once
// The skinned status bar, docked at the bottom with an optional size grip, and the status
// panel: a framed label with a glyph or image before its text.
#include <memory>

#include "skin/controls/Skinctrls_Label.h"
#include "skin/controls/Skinctrls_Panel.h"

class TspSkinStatusBar : public TspSkinPanel {
  CLASSLIB_CLASS(TspSkinStatusBar, TspSkinPanel)
 public:
  explicit TspSkinStatusBar(TComponent* owner);

  bool SizeGrip() const { return sizeGrip_; }
  void SetSizeGrip(bool value);
  bool ShowGrip() const { return showGrip_; }
  void SetShowGrip(bool value);
  // The grip is shown only when both switches are on.
  bool HasGrip() const { return sizeGrip_ && showGrip_; }
  // The grip's square, right of the narrowed client area.
  void GetGripRect(TRect& rect);

  void GetSkinData() override;
  // Also hands the skin data to every skinned windowed child.
  void SetSkinData(TspSkinData* value) override;
  void Dispatch(TMessage& message) override;

 protected:
  void AdjustClientRect(TRect& rect) override;
  void CreateControlDefaultImage(TBitmap* bitmap) override;
  void CreateControlSkinImage(TBitmap* bitmap) override;

 private:
  bool HasGripperPicture() const { return lookIndex_ != -1 && !gripperRect_.IsEmpty(); }

  bool sizeGrip_ = false;
  bool showGrip_ = true;
  TRect gripperRect_;
  bool gripperTransparent_ = false;
  TColor gripperTransparentColor_ = clFuchsia;
};

// Diagonal line pairs from R's bottom edge to its right edge: shadow, then light.
void DrawDefaultGripper(const TRect& R, TCanvas* C, TColor ShadowColor, TColor LightColor);

using TspStatusPanelNumGlyphs = int;  // 1..2

class TspSkinStatusPanel : public TspSkinLabel {
  CLASSLIB_CLASS(TspSkinStatusPanel, TspSkinLabel)
 public:
  explicit TspSkinStatusPanel(TComponent* owner);
  ~TspSkinStatusPanel() override;

  TCustomImageList* ImageList() const { return imageList_; }
  void SetImageList(TCustomImageList* value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  TBitmap* Glyph() const { return glyph_.get(); }
  void SetGlyph(TBitmap* value);
  TspStatusPanelNumGlyphs NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(TspStatusPanelNumGlyphs value);

  int CalcWidthOffset() override;
  void Dispatch(TMessage& message) override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  void CreateControlDefaultImage(TBitmap* bitmap) override;
  void CreateControlSkinImage(TBitmap* bitmap) override;

 private:
  bool UsesImage() const;
  // The width of the image or glyph shown, 0 for none.
  int PictureWidth() const;
  // Draws the image or glyph at `x`, vertically centred in `within`.
  void DrawPicture(TCanvas* canvas, int x, const TRect& within);
  void PictureChanged();

  TCustomImageList* imageList_ = nullptr;
  int imageIndex_ = -1;
  std::unique_ptr<TBitmap> glyph_;
  TspStatusPanelNumGlyphs numGlyphs_ = 1;
};
