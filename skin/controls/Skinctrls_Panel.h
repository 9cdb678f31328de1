#pragma once
// The skinned container: a face from a "panel" look (a one-pixel border without one), with
// an optional caption bar holding a check box, a glyph or image and a roll arrow, a full
// background picture and a transparent mode over the parent's picture. The paint panel
// lets its owner draw on the face; the group box is a panel with the caption bar on.
#include <memory>

#include "skin/controls/Skinctrls_Bases.h"
#include "skin/controls/Skinctrls_Label.h"
#include "skin/controls/Skinctrls_Rolling.h"

using TspSkinPanelNumGlyphs = int;  // 1..2
using TspPaintPanelEvent = TEvent<TCanvas* /*Cnvs*/, TRect /*R*/>;

class TspSkinPanel : public TspSkinCustomControl {
  CLASSLIB_CLASS(TspSkinPanel, TspSkinCustomControl)
 public:
  explicit TspSkinPanel(TComponent* owner);
  ~TspSkinPanel() override;

  bool TransparentMode() const { return transparentMode_; }
  void SetTransparentMode(bool value);
  TCustomImageList* CaptionImageList() const { return captionImageList_; }
  void SetCaptionImageList(TCustomImageList* value);
  int CaptionImageIndex() const { return captionImageIndex_; }
  void SetCaptionImageIndex(int value);
  int RealHeight() const { return realHeight_; }
  void SetRealHeight(int value) { realHeight_ = value; }
  bool AutoEnabledControls() const { return autoEnabledControls_; }
  void SetAutoEnabledControls(bool value) { autoEnabledControls_ = value; }
  bool CheckedMode() const { return checkedMode_; }
  void SetCheckedMode(bool value);
  bool Checked() const { return checked_; }
  void SetChecked(bool value) override;
  bool GetChecked() const override { return checked_; }
  TBitmap* Glyph() const { return glyph_.get(); }
  void SetGlyph(TBitmap* value);
  TspSkinPanelNumGlyphs NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(TspSkinPanelNumGlyphs value);
  int Spacing() const { return spacing_; }
  void SetSpacing(int value);
  TAlignment DefaultAlignment() const { return defaultAlignment_; }
  void SetDefaultAlignment(TAlignment value);
  int DefaultCaptionHeight() const { return defaultCaptionHeight_; }
  virtual void SetDefaultCaptionHeight(int value);
  TspSkinBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TspSkinBorderStyle value);
  bool CaptionMode() const { return captionMode_; }
  virtual void SetCaptionMode(bool value);
  bool RollUpMode() const { return rollUpMode_; }
  void SetRollUpMode(bool value);
  bool RollUpState() const { return rollUpState_; }
  void SetRollUpState(bool value);

  TNotifyEvent OnChecked;
  TNotifyEvent OnChangeRollUpState;

  // The area the children use: the whole control less borders, caption bar and grip.
  void GetSkinClientRect(TRect& rect);
  // The client area in transparent mode: below the caption's text height with a caption.
  void GetTranparentClientRect(TRect& rect);
  // Every child shown, then alignment on again; alignment off, then every child hidden.
  void ShowControls() { ShowChildControls(*this); }
  void HideControls() { HideChildControls(*this); }
  // The caption's part at the current size, where a click toggles.
  TRect SizedCaptionRect() const { return sizedCaptionRect_; }

  void SetBounds(int left, int top, int width, int height) override;
  void GetSkinData() override;
  void ChangeSkinData() override;
  void SetAlphaBlend(bool value) override;
  void SetAlphaBlendValue(BYTE value) override;
  void Dispatch(TMessage& message) override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  void AdjustClientRect(TRect& rect) override;
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
  void CreateControlDefaultImage(TBitmap* bitmap) override;
  void CreateControlSkinImage(TBitmap* bitmap) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  // Derived classes draw over the face in transparent mode.
  virtual void PaintTransparent(TCanvas* canvas) { (void)canvas; }

  bool HasBackgroundPicture() const { return lookIndex_ != -1 && bgPictureIndex_ != -1; }
  // The look with bvNone, nine parts and no caption shows only its client piece.
  bool ShowsClientPieceOnly() const;

 private:
  struct TCaptionLook;
  void DoRollUp(bool up);
  // The caption image, else the glyph; the width of text and glyph together.
  TspCaptionPicture CaptionPicture() const;
  int CaptionContentWidth(int textWidth) const;
  // The caption font: the look's (UseSkinFont) or DefaultFont, with the labels' charset.
  void ApplyCaptionFont(TFont* font);
  TColor TransparentFrameColor() const;
  void DrawCheckImage(TCanvas* canvas, int x, const TRect& within);
  void PaintTransparentFace();
  void PaintTransparentGroupFrame(TBitmap& face);
  void PaintClientPieceOnly(TCanvas* canvas);
  void PaintBackgroundPicture(TCanvas* canvas);
  void DrawDefaultCaption(TCanvas* canvas);
  void DrawSkinCaption(TCanvas* canvas);
  void DrawCaptionFrame(TCanvas* canvas, int& x, int textWidth);

  bool transparentMode_ = false;
  TCustomImageList* captionImageList_ = nullptr;
  int captionImageIndex_ = -1;
  int realHeight_ = -1;
  bool autoEnabledControls_ = true;
  bool checkedMode_ = false;
  bool checked_ = false;
  std::unique_ptr<TBitmap> glyph_;
  TspSkinPanelNumGlyphs numGlyphs_ = 1;
  int spacing_ = 2;
  TAlignment defaultAlignment_ = taLeftJustify;
  int defaultCaptionHeight_ = 22;
  TspSkinBorderStyle borderStyle_ = TspSkinBorderStyle::bvFrame;
  bool captionMode_ = false;
  bool rollUpMode_ = false;
  bool rollUpState_ = false;

  // Values of the panel look.
  TRect captionRect_;
  TAlignment lookAlignment_ = taLeftJustify;
  TspLookFont lookFont_;
  int bgPictureIndex_ = -1;
  TRect checkImageRect_, uncheckImageRect_, markFrameRect_, frameRect_, frameTextRect_;
  int frameLeftOffset_ = 0;
  int frameRightOffset_ = 0;

  TRect sizedCaptionRect_;
  // The constraints in force before rolling up; restored on unrolling.
  TspSavedConstraints savedConstraints_;
};

// A panel whose owner draws on the face through OnPanelPaint; always composed off screen.
class TspSkinPaintPanel : public TspSkinPanel {
  CLASSLIB_CLASS(TspSkinPaintPanel, TspSkinPanel)
 public:
  explicit TspSkinPaintPanel(TComponent* owner);

  TspPaintPanelEvent OnPanelPaint;

  void Dispatch(TMessage& message) override;

 protected:
  void CreateControlDefaultImage(TBitmap* bitmap) override;
  void CreateControlSkinImage(TBitmap* bitmap) override;
  void PaintTransparent(TCanvas* canvas) override;

 private:
  void PanelPaint(TCanvas* canvas);
};

// A panel with the caption bar on and the "groupbox" look.
class TspSkinGroupBox : public TspSkinPanel {
  CLASSLIB_CLASS(TspSkinGroupBox, TspSkinPanel)
 public:
  explicit TspSkinGroupBox(TComponent* owner);
};
