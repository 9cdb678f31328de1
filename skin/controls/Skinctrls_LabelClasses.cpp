#include "classlib/formres/ClassProperties.h"
#include "classlib/formres/PropertyBinders.h"
#include "skin/controls/Skinctrls_Bevel.h"
#include "skin/controls/Skinctrls_ButtonLabel.h"
#include "skin/controls/Skinctrls_Classes.h"
#include "skin/controls/Skinctrls_LinkLabel.h"
#include "skin/controls/Skinctrls_StatusBar.h"
#include "skin/controls/Skinctrls_StdLabel.h"
#include "skin/controls/Skinctrls_TextLabel.h"
#include "skin/data/Skindata_SkinData.h"

namespace {

const TIdentTable kEllipsTypes("TspEllipsType",
                               {{"spetNone", spetNone}, {"spetEndEllips", spetEndEllips},
                                {"spetPathEllips", spetPathEllips}});
const TIdentTable kEllipsTypes2("TspEllipsType2", {{"spetNoneEllips", spetNoneEllips}, {"spetEllips", spetEllips}});
const TIdentTable kBorderStyles("TspSkinBorderStyle",
                                {{"bvFrame", static_cast<int>(TspSkinBorderStyle::bvFrame)},
                                 {"bvRaised", static_cast<int>(TspSkinBorderStyle::bvRaised)},
                                 {"bvLowered", static_cast<int>(TspSkinBorderStyle::bvLowered)},
                                 {"bvNone", static_cast<int>(TspSkinBorderStyle::bvNone)}});
const TIdentTable kAlignments("TAlignment", {{"taLeftJustify", taLeftJustify},
                                             {"taRightJustify", taRightJustify},
                                             {"taCenter", taCenter}});
const TIdentTable kTextLayouts("TTextLayout", {{"tlTop", tlTop}, {"tlCenter", tlCenter}, {"tlBottom", tlBottom}});
const TIdentTable kButtonLayouts("TspButtonLayout", {{"blGlyphLeft", blGlyphLeft},
                                                     {"blGlyphRight", blGlyphRight},
                                                     {"blGlyphTop", blGlyphTop},
                                                     {"blGlyphBottom", blGlyphBottom}});

// The font and skin connection of the window-less labels (not skinned-control bases),
// then their own properties.
template <class C>
void RegisterLabelSkin(std::initializer_list<TPropertyInfo> more) {
  RegisterClassProperties(C::StaticClass(), {ObjectProperty<C>("DefaultFont", &C::DefaultFont),
                                             ReferenceProperty<C, TspSkinData>("SkinData", &C::SetSkinData),
                                             StringProperty<C>("SkinDataName", &C::SetSkinDataName, "stdlabel"),
                                             BoolProperty<C>("UseSkinFont", &C::SetUseSkinFont, true)});
  RegisterClassProperties(C::StaticClass(), more);
}

void RegisterStdLabel() {
  using C = TspSkinStdLabel;
  RegisterLabelSkin<C>({EnumProperty<C, TspEllipsType>("EllipsType", &C::SetEllipsType, kEllipsTypes, "spetNone"),
                        BoolProperty<C>("UseSkinColor", &C::SetUseSkinColor, true)});
}

void RegisterBevel() {
  using C = TspSkinBevel;
  RegisterClassProperties(C::StaticClass(), {ReferenceProperty<C, TspSkinData>("SkinData", &C::SetSkinData),
                                             StringProperty<C>("SkinDataName", &C::SetSkinDataName, "bevel"),
                                             BoolProperty<C>("DividerMode", &C::SetDividerMode, false)});
}

void RegisterLabel() {
  using C = TspSkinLabel;
  RegisterClassProperties(
      C::StaticClass(),
      {EnumProperty<C, TspEllipsType2>("EllipsType", &C::SetEllipsType, kEllipsTypes2, "spetNoneEllips"),
       BoolProperty<C>("UseSkinSize", &C::SetUseSkinSize, true),
       BoolProperty<C>("UseSkinFontColor", &C::SetUseSkinFontColor, true),
       EnumProperty<C, TspSkinBorderStyle>("BorderStyle", &C::SetBorderStyle, kBorderStyles, "bvFrame"),
       EnumProperty<C, TAlignment>("Alignment", &C::SetAlignment, kAlignments, "taLeftJustify"),
       BoolProperty<C>("AutoSize", &C::SetAutoSize, false)});
}

void RegisterPanels() {
  using C = TspSkinPanel;
  RegisterClassProperties(
      C::StaticClass(),
      {BoolProperty<C>("TransparentMode", &C::SetTransparentMode, false),
       ReferenceProperty<C, TCustomImageList>("CaptionImageList", &C::SetCaptionImageList),
       IntegerProperty<C>("CaptionImageIndex", &C::SetCaptionImageIndex),
       IntegerProperty<C>("RealHeight", &C::SetRealHeight),
       BoolProperty<C>("AutoEnabledControls", &C::SetAutoEnabledControls, true),
       BoolProperty<C>("CheckedMode", &C::SetCheckedMode, false),
       BoolProperty<C>("Checked", &C::SetChecked, false),
       ObjectProperty<C>("Glyph", &C::Glyph),
       IntegerProperty<C>("NumGlyphs", &C::SetNumGlyphs),
       IntegerProperty<C>("Spacing", &C::SetSpacing),
       EnumProperty<C, TAlignment>("DefaultAlignment", &C::SetDefaultAlignment, kAlignments, "taLeftJustify"),
       IntegerProperty<C>("DefaultCaptionHeight", &C::SetDefaultCaptionHeight),
       EnumProperty<C, TspSkinBorderStyle>("BorderStyle", &C::SetBorderStyle, kBorderStyles, "bvFrame"),
       BoolProperty<C>("CaptionMode", &C::SetCaptionMode, false),
       BoolProperty<C>("RollUpMode", &C::SetRollUpMode, false),
       BoolProperty<C>("RollUpState", &C::SetRollUpState, false),
       EventProperty<C>("OnChecked", &C::OnChecked),
       EventProperty<C>("OnChangeRollUpState", &C::OnChangeRollUpState)});
  RegisterClassProperties(TspSkinPaintPanel::StaticClass(),
                          {EventProperty<TspSkinPaintPanel>("OnPanelPaint", &TspSkinPaintPanel::OnPanelPaint)});
  RegisterClassProperties(TspSkinGroupBox::StaticClass(), {});
}

void RegisterStatusBar() {
  RegisterClassProperties(TspSkinStatusBar::StaticClass(),
                          {BoolProperty<TspSkinStatusBar>("SizeGrip", &TspSkinStatusBar::SetSizeGrip, false)});
  using C = TspSkinStatusPanel;
  RegisterClassProperties(C::StaticClass(), {ReferenceProperty<C, TCustomImageList>("ImageList", &C::SetImageList),
                                             IntegerProperty<C>("ImageIndex", &C::SetImageIndex, -1),
                                             ObjectProperty<C>("Glyph", &C::Glyph),
                                             IntegerProperty<C>("NumGlyphs", &C::SetNumGlyphs, 1)});
}

void RegisterTextLabel() {
  using C = TspSkinTextLabel;
  RegisterLabelSkin<C>({BoolProperty<C>("UseSkinColor", &C::SetUseSkinColor, true),
                        StringsProperty<C>("Lines", &C::Lines),
                        EnumProperty<C, TAlignment>("Alignment", &C::SetAlignment, kAlignments, "taLeftJustify"),
                        BoolProperty<C>("AutoSize", &C::SetAutoSize, true),
                        EnumProperty<C, TTextLayout>("Layout", &C::SetLayout, kTextLayouts, "tlTop"),
                        BoolProperty<C>("WordWrap", &C::SetWordWrap, false)});
}

void RegisterLinks() {
  using I = TspSkinLinkImage;
  RegisterClassProperties(I::StaticClass(), {StringProperty<I>("URL", &I::SetURL)});
  using L = TspSkinLinkLabel;
  RegisterLabelSkin<L>({BoolProperty<L>("UseUnderLine", &L::SetUseUnderLine, true),
                        ColorProperty<L>("DefaultActiveFontColor", &L::SetDefaultActiveFontColor, 0xFF0000),
                        StringProperty<L>("URL", &L::SetURL)});
}

void RegisterButtonLabel() {
  using C = TspSkinButtonLabel;
  RegisterLabelSkin<C>({ReferenceProperty<C, TCustomImageList>("ImageList", &C::SetImageList),
                        IntegerProperty<C>("ImageIndex", &C::SetImageIndex, -1),
                        BoolProperty<C>("WebStyle", &C::SetWebStyle, false),
                        ObjectProperty<C>("Glyph", &C::Glyph),
                        IntegerProperty<C>("NumGlyphs", &C::SetNumGlyphs, 1),
                        IntegerProperty<C>("Margin", &C::SetMargin, -1),
                        // Stored unless it is the value a new label holds, so any other reads back.
                        IntegerProperty<C>("Spacing", &C::SetSpacing, 1),
                        EnumProperty<C, TspButtonLayout>("Layout", &C::SetLayout, kButtonLayouts, "blGlyphLeft"),
                        ColorProperty<C>("DefaultActiveFontColor", &C::SetDefaultActiveFontColor, 0xFF0000)});
}

}  // namespace

void RegisterSkinLabels() {
  RegisterStdLabel();
  RegisterBevel();
  RegisterLabel();
  RegisterPanels();
  RegisterStatusBar();
  RegisterTextLabel();
  RegisterLinks();
  RegisterButtonLabel();
}
