#include "classlib/formres/ComControlClasses.h"

#include "classlib/comctrls/RichEdit.h"
#include "classlib/comctrls/TabControl.h"
#include "classlib/comctrls/TrackBar.h"
#include "classlib/formres/PropertyBinders.h"
#include "classlib/graphics/ImageList.h"

namespace {
const TIdentTable kTabPositions("TTabPosition", {{"tpTop", tpTop}, {"tpBottom", tpBottom}, {"tpLeft", tpLeft},
                                                 {"tpRight", tpRight}});
const TIdentTable kOrientations("TTrackBarOrientation", {{"trHorizontal", trHorizontal}, {"trVertical", trVertical}});

void RegisterTabs() {
  RegisterClassProperties(
      TCustomTabControl::StaticClass(),
      {StringsProperty<TCustomTabControl>("Tabs", &TCustomTabControl::Tabs),
       IntegerProperty<TCustomTabControl>("TabIndex", &TCustomTabControl::SetTabIndex, -1),
       EnumProperty<TCustomTabControl, TTabPosition>("TabPosition", &TCustomTabControl::SetTabPosition, kTabPositions,
                                                     "tpTop"),
       BoolProperty<TCustomTabControl>("MultiLine", &TCustomTabControl::SetMultiLine, false),
       IntegerProperty<TCustomTabControl>("TabHeight", &TCustomTabControl::SetTabHeight, 0),
       IntegerProperty<TCustomTabControl>("TabWidth", &TCustomTabControl::SetTabWidth, 0),
       BoolProperty<TCustomTabControl>("OwnerDraw", &TCustomTabControl::SetOwnerDraw, false),
       ReferenceProperty<TCustomTabControl, TCustomImageList>("Images", &TCustomTabControl::SetImages),
       BoolProperty<TCustomTabControl>("TabStop", &TCustomTabControl::SetTabStop, true),
       ColorProperty<TCustomTabControl>("Color", &TCustomTabControl::SetColor, clBtnFace),
       EventProperty<TCustomTabControl>("OnChange", &TCustomTabControl::OnChange),
       EventProperty<TCustomTabControl>("OnChanging", &TCustomTabControl::OnChanging),
       EventProperty<TCustomTabControl>("OnDrawTab", &TCustomTabControl::OnDrawTab)});
  RegisterClassProperties(TTabControl::StaticClass(), {});
  RegisterClassProperties(TPageControl::StaticClass(),
                          {ReferenceProperty<TPageControl, TTabSheet>("ActivePage", &TPageControl::SetActivePage)});
  RegisterClassProperties(TTabSheet::StaticClass(),
                          {BoolProperty<TTabSheet>("TabVisible", &TTabSheet::SetTabVisible, true),
                           IntegerProperty<TTabSheet>("PageIndex", &TTabSheet::SetPageIndex),
                           IntegerProperty<TTabSheet>("ImageIndex", &TTabSheet::SetImageIndex, -1),
                           BoolProperty<TTabSheet>("Visible", &TTabSheet::SetVisible, false),
                           ColorProperty<TTabSheet>("Color", &TTabSheet::SetColor, clBtnFace)});
}
}  // namespace

void RegisterComControlClasses() {
  RegisterTabs();
  RegisterClassProperties(TCustomRichEdit::StaticClass(),
                          {BoolProperty<TCustomRichEdit>("PlainText", &TCustomRichEdit::SetPlainText, false),
                           EventProperty<TCustomRichEdit>("OnSelectionChange", &TCustomRichEdit::OnSelectionChange)});
  RegisterClassProperties(TRichEdit::StaticClass(), {});
  RegisterClassProperties(
      TTrackBar::StaticClass(),
      {IntegerProperty<TTrackBar>("Min", &TTrackBar::SetMin, 0), IntegerProperty<TTrackBar>("Max", &TTrackBar::SetMax, 10),
       IntegerProperty<TTrackBar>("Position", &TTrackBar::SetPosition, 0),
       IntegerProperty<TTrackBar>("Frequency", &TTrackBar::SetFrequency, 1),
       EnumProperty<TTrackBar, TTrackBarOrientation>("Orientation", &TTrackBar::SetOrientation, kOrientations,
                                                     "trHorizontal"),
       BoolProperty<TTrackBar>("TabStop", &TTrackBar::SetTabStop, true),
       ColorProperty<TTrackBar>("Color", &TTrackBar::SetColor, clBtnFace),
       EventProperty<TTrackBar>("OnChange", &TTrackBar::OnChange)});
}
