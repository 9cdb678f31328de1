#pragma once
// The text look the window-less labels share: the font values of a "stdlabel" look, the
// choice between that look, DefaultFont and Font, the character set of the skin's strings
// and the embossed text of a disabled label.
#include "classlib/graphics/GraphicsObjects.h"
#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/WinApi.h"

#include <memory>

#include "classlib/runtime/Component.h"
#include "skin/controls/Skinctrls_Reskin.h"

class TspSkinData;

// Points `slot` at `value` (not owned), moving `self`'s free notification from the component
// held before to it, so `self` hears when it is freed.
template <class T>
void StoreReference(TComponent& self, T*& slot, T* value) {
  if (slot != nullptr && slot != value) self.RemoveFreeNotification(slot);
  slot = value;
  if (value != nullptr) self.FreeNotification(value);
}


// The font values a look gives its text (copied from the look's descriptor).
struct TspLookFont {
  AnsiString Name;
  TFontStyles Style;
  int Height = 0;
  TColor Color = 0;

  template <class Look>
  void CopyFrom(const Look& look) {
    Name = look.FontName;
    Style = look.FontStyle;
    Height = look.FontHeight;
    Color = look.FontColor;
  }
  // Gives `font` the name, style and height.
  void ApplyTo(TFont* font) const;
  // The look's name, style and height when `useLook`, else `defaultFont` whole.
  void ApplyOrDefault(TFont* font, bool useLook, TFont* defaultFont) const;
};

class TspStdLabelLook {
 public:
  // Finds the look named `name`: -1 without skin data, with an empty skin or without the
  // name. A "stdlabel" look's font values are copied; a look of another kind keeps the
  // values copied before.
  void Find(TspSkinData* skin, const AnsiString& name);
  int Index() const { return index_; }
  bool Found() const { return index_ != -1; }
  TColor FontColor() const { return font_.Color; }
  TColor ActiveFontColor() const { return activeFontColor_; }

  // Gives `canvasFont` the look's name, style and height.
  void ApplyLookFont(TFont* canvasFont) const { font_.ApplyTo(canvasFont); }
  // The font of the label family: without a look DefaultFont (UseSkinFont) or Font whole,
  // with their colour; with a look its name, style and height (UseSkinFont) or Font whole,
  // and the look's colour (UseSkinColor) or Font's. Answers the text colour.
  TColor ChooseFont(TFont* canvasFont, TFont* defaultFont, TFont* font, bool useSkinFont, bool useSkinColor) const;
  // The character set of the skin's string table, else DefaultFont's.
  static void ApplyCharset(TFont* canvasFont, TspSkinData* skin, TFont* defaultFont);
  // The colours of the embossed disabled text: the skin's "cbtnhighlight" and
  // "cbtnshadow" with a look, else the system's.
  TColor HighlightColor(TspSkinData* skin) const;
  TColor ShadowColor(TspSkinData* skin) const;

 private:
  int index_ = -1;
  TspLookFont font_;
  TColor activeFontColor_ = 0;
};

// The skin connection of the window-less labels: the skin data (dropped when it is freed),
// the look's name and font values, DefaultFont and UseSkinFont. The labels keep copies of
// the look's values, never the look, so there is nothing to drop before a skin change.
class TspLabelSkinLink : public IspSkinControl {
 public:
  TFont* DefaultFont() const { return defaultFont_.get(); }
  void SetDefaultFont(TFont* value) { defaultFont_->Assign(value); }
  bool UseSkinFont() const { return useSkinFont_; }
  void SetUseSkinFont(bool value) { useSkinFont_ = value; }
  const AnsiString& SkinDataName() const { return skinDataName_; }
  void SetSkinDataName(const AnsiString& value) { skinDataName_ = value; }
  int LookIndex() const { return look_.Index(); }

  TspSkinData* SkinData() const override { return skinData_; }
  void BeforeChangeSkinData() override {}

 protected:
  TspLabelSkinLink();
  ~TspLabelSkinLink();

  // Stores `value` and moves `self`'s free notification from the skin data held before to
  // it; true when `self` has skin data now (the label then re-skins).
  bool StoreSkinData(TComponent& self, TspSkinData* value);
  // Forgets the skin data when it is the component being freed.
  void ForgetSkinData(TComponent* removed);
  void FindLook() { look_.Find(skinData_, skinDataName_); }

  std::unique_ptr<TFont> defaultFont_;
  bool useSkinFont_ = true;
  TspSkinData* skinData_ = nullptr;
  AnsiString skinDataName_ = "stdlabel";
  TspStdLabelLook look_;
};

// The text a label measures or draws: with DT_CALCRECT an empty text, or "&" alone while
// accelerators show, measures one blank; without accelerators `flags` get DT_NOPREFIX.
AnsiString PrepareLabelText(AnsiString text, UINT& flags, bool showAccelChar);
// Draws `text` into `rect` with DrawTextA, or DrawTextExA when `extended` (the ellipsis
// kinds), in `colour` on a transparent background with the font selected in `dc`.
void DrawLabelTextIn(HDC dc, const AnsiString& text, RECT& rect, UINT flags, TColor colour, bool extended);
// An enabled label draws once in `colour`; a disabled one in `highlight` one pixel down
// and right, then in `shadow` at `rect`.
void DrawStateLabelText(HDC dc, const AnsiString& text, RECT& rect, UINT flags, bool enabled, TColor colour,
                        TColor highlight, TColor shadow, bool extended);
