#pragma once
// The window-less button label: a glyph or image and a caption laid out as a tool button's,
// with hot, pressed and disabled states, optionally looking like a web link.
#include <memory>

#include "classlib/graphics/ImageList.h"
#include "classlib/windowing/GraphicControl.h"
#include "skin/controls/Skinctrls_LabelFont.h"
#include "skin/data/Skinctrls_Layout.h"

class TspSkinButtonLabel : public TGraphicControl, public TspLabelSkinLink {
  CLASSLIB_CLASS(TspSkinButtonLabel, TGraphicControl)
 public:
  explicit TspSkinButtonLabel(TComponent* owner);
  ~TspSkinButtonLabel() override;

  TCustomImageList* ImageList() const { return imageList_; }
  void SetImageList(TCustomImageList* value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  bool WebStyle() const { return webStyle_; }
  void SetWebStyle(bool value);
  TBitmap* Glyph() const { return glyph_.get(); }
  void SetGlyph(TBitmap* value);
  TspNumGlyphs NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(TspNumGlyphs value);
  int Margin() const { return margin_; }
  // Values below -1 are ignored.
  void SetMargin(int value);
  int Spacing() const { return spacing_; }
  void SetSpacing(int value);
  TspButtonLayout Layout() const { return layout_; }
  void SetLayout(TspButtonLayout value);
  TColor DefaultActiveFontColor() const { return defaultActiveFontColor_; }
  void SetDefaultActiveFontColor(TColor value) { defaultActiveFontColor_ = value; }
  void SetDefaultFont(TFont* value);
  bool MouseIn() const { return mouseIn_; }
  bool Pressed() const { return pressed_; }
  // The cell of the glyph strip the state shows (1 normal, 2 disabled, 3 pressed, 4 hot).
  int GlyphCell() const;

  void SetSkinData(TspSkinData* value) override;
  void ChangeSkinData() override;

  void Dispatch(TMessage& message) override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  void ApplyFont(TFont* font) const;

  TCustomImageList* imageList_ = nullptr;
  int imageIndex_ = -1;
  bool webStyle_ = false;
  std::unique_ptr<TBitmap> glyph_;
  TspNumGlyphs numGlyphs_ = 1;
  int margin_ = -1;
  int spacing_ = 1;
  TspButtonLayout layout_ = blGlyphLeft;
  TColor defaultActiveFontColor_ = static_cast<TColor>(0xFF0000);
  bool mouseIn_ = false;
  bool pressed_ = false;
};
