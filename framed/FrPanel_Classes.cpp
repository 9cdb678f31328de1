// The panels' and group boxes' properties for form resources.
#include "classlib/formres/PropertyBinders.h"
#include "framed/FrPanel.h"

namespace {

const TIdentTable& GridStyleIdents() {
  static const TIdentTable table("TFrGridStyle",
                                 {{"gsDots", gsDots}, {"gsDottedLines", gsDottedLines}, {"gsSolidLines", gsSolidLines}});
  return table;
}

const TIdentTable& GroupBoxStyleIdents() {
  static const TIdentTable table("TFrGroupBoxStyle", {{"gsStandard", gsStandard},
                                                      {"gsCustom", gsCustom},
                                                      {"gsTopLine", gsTopLine},
                                                      {"gsFlat", gsFlat}});
  return table;
}

}  // namespace

void RegisterPanelClasses() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  using P = TFrCustomPanel;
  RegisterClassProperties(
      P::StaticClass(),
      {EnumProperty<P, TFrameStyle>("BorderOuter", &P::SetBorderOuter, FrameStyleIdents(), "fsRaised"),
       EnumProperty<P, TFrameStyle>("BorderInner", &P::SetBorderInner, FrameStyleIdents(), "fsNone"),
       SetProperty<P, TSide>("BorderSides", &P::SetBorderSides, SideIdents(), "[sdLeft, sdTop, sdRight, sdBottom]"),
       ColorProperty<P>("BorderColor", &P::SetBorderColor, clBtnFace),
       ColorProperty<P>("BorderHighlight", &P::SetBorderHighlight, clBtnHighlight),
       ColorProperty<P>("BorderShadow", &P::SetBorderShadow, clBtnShadow),
       ColorProperty<P>("FlatColor", &P::SetFlatColor, clBtnShadow),
       IntegerProperty<P>("FlatColorAdjustment", &P::SetFlatColorAdjustment, 30),
       EnumProperty<P, TAlignmentVertical>("AlignmentVertical", &P::SetAlignmentVertical, AlignmentVerticalIdents(),
                                           "avCenter"),
       BoolProperty<P>("ShowGrid", &P::SetShowGrid, false),
       ColorProperty<P>("GridColor", &P::SetGridColor, clBtnShadow),
       EnumProperty<P, TFrGridStyle>("GridStyle", &P::SetGridStyle, GridStyleIdents(), "gsDots"),
       IntegerProperty<P>("GridXSize", &P::SetGridXSize, 8),
       IntegerProperty<P>("GridYSize", &P::SetGridYSize, 8),
       BoolProperty<P>("Transparent", &P::SetTransparent, false),
       BoolProperty<P>("ThemeAware", &P::SetThemeAware, true),
       BoolProperty<P>("FullRepaint", &P::SetFullRepaint, true),
       BoolProperty<P>("Locked", &P::SetLocked, false),
       ReferenceProperty<P, TFrFrameController>("FrameController", &P::SetFrameController),
       EventProperty<P>("OnPaint", &P::OnPaint),
       EventProperty<P>("OnMouseEnter", &P::OnMouseEnter),
       EventProperty<P>("OnMouseLeave", &P::OnMouseLeave),
       // The class library has no docking: a dock site's settings are read and dropped.
       ObsoleteProperty("DockSite", TFormValueKind::Ident),
       ObsoleteProperty("UseDockManager", TFormValueKind::Ident),
       ObsoleteProperty("ShowDockClientCaptions", TFormValueKind::Ident)});
  RegisterClassProperties(TFrPanel::StaticClass(), {});
  using G = TFrCustomGroupBox;
  RegisterClassProperties(
      G::StaticClass(),
      {EnumProperty<G, TFrGroupBoxStyle>("GroupStyle", &G::SetGroupStyle, GroupBoxStyleIdents(), "gsFlat")});
  RegisterClassProperties(TFrGroupBox::StaticClass(), {});
}
