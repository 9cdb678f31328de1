// The labels' properties for form resources. Layout, Alignment and the other label
// properties are the class library's.
#include "classlib/formres/PropertyBinders.h"
#include "framed/FrCommon_Properties.h"
#include "framed/FrLabel.h"

namespace {

const TIdentTable& RotationIdents() {
  static const TIdentTable table("TRotation", {{"roNone", roNone}, {"roFlat", roFlat}, {"roCurve", roCurve}});
  return table;
}

const TIdentTable& CenterPointIdents() {
  static const TIdentTable table("TCenterPoint", {{"cpUpperLeft", cpUpperLeft},
                                                  {"cpUpperCenter", cpUpperCenter},
                                                  {"cpUpperRight", cpUpperRight},
                                                  {"cpLeftCenter", cpLeftCenter},
                                                  {"cpCenter", cpCenter},
                                                  {"cpRightCenter", cpRightCenter},
                                                  {"cpLowerLeft", cpLowerLeft},
                                                  {"cpLowerCenter", cpLowerCenter},
                                                  {"cpLowerRight", cpLowerRight}});
  return table;
}

}  // namespace

void RegisterLabelClasses() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  using L = TFrLabel;
  RegisterClassProperties(
      L::StaticClass(),
      {IntegerProperty<L>("Angle", &L::SetAngle, 0),
       EnumProperty<L, TRotation>("Rotation", &L::SetRotation, RotationIdents(), "roNone"),
       EnumProperty<L, TCenterPoint>("CenterPoint", &L::SetCenterPoint, CenterPointIdents(), "cpCenter"),
       BoolProperty<L>("Blinking", &L::SetBlinking, false),
       ColorProperty<L>("BlinkColor", &L::SetBlinkColor, clHighlight),
       WordProperty<L>("BlinkIntervalOff", &L::SetBlinkIntervalOff, 500),
       WordProperty<L>("BlinkIntervalOn", &L::SetBlinkIntervalOn, 500),
       IntegerProperty<L>("BevelWidth", &L::SetBevelWidth, 1),
       EnumProperty<L, TFrameStyle>("BorderOuter", &L::SetBorderOuter, FrameStyleIdents(), "fsNone"),
       EnumProperty<L, TFrameStyle>("BorderInner", &L::SetBorderInner, FrameStyleIdents(), "fsNone"),
       SetProperty<L, TSide>("BorderSides", &L::SetBorderSides, SideIdents(), "[sdLeft, sdTop, sdRight, sdBottom]"),
       ColorProperty<L>("BorderColor", &L::SetBorderColor, clBtnFace),
       ColorProperty<L>("BorderHighlight", &L::SetBorderHighlight, clBtnHighlight),
       ColorProperty<L>("BorderShadow", &L::SetBorderShadow, clBtnShadow),
       IntegerProperty<L>("BorderWidth", &L::SetBorderWidth, 0),
       ColorProperty<L>("FlatColor", &L::SetFlatColor, clBtnShadow),
       BoolProperty<L>("FlyByEnabled", &L::SetFlyByEnabled, false),
       ColorProperty<L>("FlyByColor", &L::SetFlyByColor, clHighlight),
       BoolProperty<L>("LightTextStyle", &L::SetLightTextStyle, false),
       EnumProperty<L, TTextStyle>("TextStyle", &L::SetTextStyle, TextStyleIdents(), "tsNormal"),
       ColorProperty<L>("HighlightColor", &L::SetHighlightColor, clBtnHighlight),
       ColorProperty<L>("ShadowColor", &L::SetShadowColor, clBtnShadow),
       IntegerProperty<L>("ShadowDepth", &L::SetShadowDepth, 2),
       EventProperty<L>("OnMouseEnter", &L::OnMouseEnter),
       EventProperty<L>("OnMouseLeave", &L::OnMouseLeave)});
  using U = TFrURLLabel;
  RegisterClassProperties(
      U::StaticClass(),
      {StringProperty<U>("URL", &U::SetURL),
       BoolProperty<U>("Visited", &U::SetVisited, false),
       ColorProperty<U>("VisitedColor", &U::SetVisitedColor, clPurple),
       ColorProperty<U>("UnvisitedColor", &U::SetUnvisitedColor, clHighlight)});
}
