#pragma once
// The skin objects that put text on a skinned form: the label (a skin font over a face),
// the picture-font label (characters cut from a grid of pictures) and the caption (the
// form's title over an activity-dependent face, with light, shadow, a frame behind the
// text and an activation animation; it also drags a borderless form).
#include <string>

#include "skin/form/Formskinner_Objects.h"

class TCustomForm;
class TspDataSkinLabel;
class TspDataSkinBitLabel;
class TspDataSkinCaption;

// The form's caption (or any text) as the wide string the text routines draw.
std::wstring CaptionWideText(const AnsiString& text);
// The DT_ flags of the form's right-to-left reading (and, with `alignment`, alignment).
UINT RightToLeftFlags(TCustomForm* form, bool alignment);

class TspSkinLabelObject : public TspActiveSkinObject {
  CLASSLIB_CLASS(TspSkinLabelObject, TspActiveSkinObject)
 public:
  TspSkinLabelObject(TspFormSkinner* form, TspDataSkinObject* data);

  AnsiString TextValue;
  AnsiString FontName = "Arial";
  TFontStyles FontStyle;
  int FontHeight = 14;
  TColor FontColor = 0;
  TColor ActiveFontColor = 0;
  TAlignment Alignment = taCenter;

  // Stores the text; draws the label at once when `drawNow`.
  void SetTextValue(const AnsiString& text, bool drawNow);

  void Draw(TCanvas* canvas, bool alone) override;
  void MouseEnter() override;
  void MouseLeave() override;

 private:
  // A face of ObjectRect's size cut from `face` of `picture` with the text over it.
  void MakeFace(TBitmap* bitmap, TBitmap* picture, const TRect& face, TColor color);
  bool HoverChangesLook() const;
};

class TspSkinBitLabelObject : public TspActiveSkinObject {
  CLASSLIB_CLASS(TspSkinBitLabelObject, TspActiveSkinObject)
 public:
  TspSkinBitLabelObject(TspFormSkinner* form, TspDataSkinObject* data);

  AnsiString TextValue;
  int SymbolWidth = 0;
  int SymbolHeight = 0;
  TStringList* Symbols = nullptr;  // the skin entry's rows of characters (not owned)
  bool Transparent = false;
  TColor TransparentColor = clFuchsia;

  void SetTextValue(const AnsiString& text, bool drawNow);
  void Draw(TCanvas* canvas, bool alone) override;

 private:
  // Row and column of `c` in Symbols; false when no row holds it.
  bool FindSymbol(char c, int& row, int& column) const;
};

class TspSkinCaptionObject : public TspActiveSkinObject {
  CLASSLIB_CLASS(TspSkinCaptionObject, TspActiveSkinObject)
 public:
  TspSkinCaptionObject(TspFormSkinner* form, TspDataSkinObject* data);

  AnsiString TextValue;
  AnsiString FontName = "Arial";
  TFontStyles FontStyle;
  int FontHeight = 14;
  TColor FontColor = 0, ActiveFontColor = 0;
  TColor ShadowColor = 0, ActiveShadowColor = 0;
  bool Shadow = false;
  TAlignment Alignment = taCenter;
  TRect TextRect;
  bool DefaultCaption = false;
  TRect FrameRect, ActiveFrameRect;
  int FrameLeftOffset = 0, FrameRightOffset = 0;
  TRect FrameTextRect;
  TColor LightColor = 0, ActiveLightColor = 0;
  bool Light = false;
  bool StretchEffect = false;
  int AnimateElapsed = 0;
  TRect AnimateSkinRect;
  int FrameCount = 0;
  int AnimateInterval = 25;
  int AnimateFrame = 0;
  bool InActiveAnimation = false;
  bool FullFrame = false;

  // Stores the text and redraws; SimpleSetTextValue only stores it.
  void SetTextValue(const AnsiString& text);
  void SimpleSetTextValue(const AnsiString& text);
  bool EnableAnimation() const;
  // One 25 ms tick of the activation animation; false when it has nothing left to do.
  bool StepAnimation();

  void Draw(TCanvas* canvas, bool alone) override;
  void MouseDown(int x, int y, TMouseButton button) override;
  void MouseUp(int x, int y, TMouseButton button) override;
  void MouseEnter() override;
  void MouseLeave() override;

 private:
  // The title's rectangle, object-local.
  TRect TitleRect() const;
  void MakeFace(TBitmap* face, TBitmap* picture, const TRect& source, bool horizontalOnly) const;
  // The title at (x0, y0) in `color`; `active` chooses the frame, light and shadow.
  void DrawTitle(TCanvas* canvas, int x0, int y0, bool active, TColor color);
  void DrawFrame(TCanvas* canvas, int x0, int textX, int textY, int textWidth, bool active);
  void DrawTextCopy(TCanvas* canvas, const std::wstring& text, int x, int y, TColor color);
  // A face with the title over it, drawn at ObjectRect (with the skin's inactive effect
  // for an inactive form when `effect`).
  void DrawFaced(TCanvas* canvas, TBitmap* picture, const TRect& source, bool active, TColor color, bool effect);
  void DrawAnimationFrame(TCanvas* canvas);
  void DrawMorphed(TCanvas* canvas);
};
