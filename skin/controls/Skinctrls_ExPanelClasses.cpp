#include "classlib/formres/ClassProperties.h"
#include "classlib/formres/PropertyBinders.h"
#include "skin/controls/Skinctrls_Classes.h"
#include "skin/controls/Skinctrls_ExPanel.h"

namespace {

// A property the panel always stores: it has no default value.
TPropertyInfo Stored(TPropertyInfo info) {
  info.defaultValue = AnsiString();
  return info;
}

}  // namespace

void RegisterSkinExPanels() {
  static const TIdentTable rollKinds("TspExPanelRollKind",
                                     {{"rkRollHorizontal", rkRollHorizontal}, {"rkRollVertical", rkRollVertical}});
  using C = TspSkinExPanel;
  RegisterClassProperties(
      C::StaticClass(),
      {ReferenceProperty<C, TCustomImageList>("CaptionImageList", &C::SetCaptionImageList),
       IntegerProperty<C>("CaptionImageIndex", &C::SetCaptionImageIndex),
       ObjectProperty<C>("Glyph", &C::Glyph),
       IntegerProperty<C>("NumGlyphs", &C::SetNumGlyphs),
       IntegerProperty<C>("Spacing", &C::SetSpacing),
       IntegerProperty<C>("RealWidth", &C::SetRealWidth),
       IntegerProperty<C>("RealHeight", &C::SetRealHeight),
       Stored(BoolProperty<C>("ShowRollButton", &C::SetShowRollButton, true)),
       Stored(BoolProperty<C>("ShowCloseButton", &C::SetShowCloseButton, true)),
       IntegerProperty<C>("DefaultCaptionHeight", &C::SetDefaultCaptionHeight),
       Stored(EnumProperty<C, TspExPanelRollKind>("RollKind", &C::SetRollKind, rollKinds, "rkRollVertical")),
       Stored(BoolProperty<C>("RollState", &C::SetRollState, false)),
       EventProperty<C>("OnChangeRollState", &C::OnChangeRollState),
       EventProperty<C>("OnClose", &C::OnClose)});
}
