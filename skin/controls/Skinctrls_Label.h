#pragma once
// The windowed framed label: a face from a "label" look (a 3D frame without one) and one
// line of text in it.
#include "skin/controls/Skinctrls_Bases.h"
#include "skin/controls/Skinctrls_LabelFont.h"

// The one-pixel border of the look-less faces of the label and panel families. Scoped:
// the class library's panel bevel uses some of the same names.
enum class TspSkinBorderStyle { bvFrame, bvRaised, bvLowered, bvNone };

enum TspEllipsType2 { spetNoneEllips, spetEllips };

// Draws the one-pixel frame of `style` around `rect`.
void DrawSkinBorder(TCanvas* canvas, const TRect& rect, TspSkinBorderStyle style);
// The width and height of `text` in `font` (no window needed).
SIZE MeasureText(TFont* font, const AnsiString& text);

class TspSkinLabel : public TspSkinCustomControl {
  CLASSLIB_CLASS(TspSkinLabel, TspSkinCustomControl)
 public:
  explicit TspSkinLabel(TComponent* owner);

  TspEllipsType2 EllipsType() const { return ellipsType_; }
  void SetEllipsType(TspEllipsType2 value);
  bool UseSkinSize() const { return useSkinSize_; }
  void SetUseSkinSize(bool value) { useSkinSize_ = value; }
  bool UseSkinFontColor() const { return useSkinFontColor_; }
  void SetUseSkinFontColor(bool value) { useSkinFontColor_ = value; }
  TspSkinBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TspSkinBorderStyle value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);

  void GetSkinData() override;
  // A fixed size, or the horizontal geometry only when the look's size is not used; an
  // auto-sized label then grows to its caption.
  void CalcSize(int& W, int& H) override;
  // How much wider the label must be for its caption (negative: narrower).
  virtual int CalcWidthOffset();
  // Fits the width to the caption, except when aligned to a whole side.
  void AdjustBounds();
  void SetControlRegion() override;
  // The look's picture part at the label's size, without text.
  void PaintLabel(TBitmap* bitmap) { CreateSkinControlImage(bitmap, Picture, SR); }
  // The caption, vertically centred in `rect` and clipped to it.
  void DrawLabelText(TCanvas* canvas, TRect rect);

  void Dispatch(TMessage& message) override;

 protected:
  void CreateControlDefaultImage(TBitmap* bitmap) override;
  void CreateControlSkinImage(TBitmap* bitmap) override;
  // The canvas font the text is measured and drawn in (colour aside).
  void ApplyTextFont(TFont* font);
  // The width offset for the caption with `prefix` pixels before it.
  int WidthOffset(int prefix);
  // The look's face without text; answers where the text goes.
  TRect ComposeSkinFace(TBitmap* bitmap);

  TspLookFont lookFont_;

 private:
  TspEllipsType2 ellipsType_ = spetNoneEllips;
  bool useSkinSize_ = true;
  bool useSkinFontColor_ = true;
  TspSkinBorderStyle borderStyle_ = TspSkinBorderStyle::bvFrame;
  TAlignment alignment_ = taLeftJustify;
  bool autoSize_ = false;
};
