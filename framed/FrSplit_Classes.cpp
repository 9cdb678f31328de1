// The splitter's and the size panel's properties for form resources.
#include "classlib/formres/PropertyBinders.h"
#include "framed/FrSplit.h"

namespace {

const TIdentTable& FixedPaneIdents() {
  static const TIdentTable table("TFixedPane", {{"fpUpperLeft", fpUpperLeft}, {"fpLowerRight", fpLowerRight}});
  return table;
}

const TIdentTable& HotSpotDirectionIdents() {
  static const TIdentTable table("THotSpotDirection", {{"hsdMin", hsdMin}, {"hsdMax", hsdMax}, {"hsdBoth", hsdBoth}});
  return table;
}

}  // namespace

void RegisterSplitterClasses() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  RegisterClassProperties(TFrSplitterPane::StaticClass(), {});
  using D = TFrPaneData;
  RegisterClassProperties(
      D::StaticClass(),
      {ColorProperty<D>("BorderColor", &D::SetBorderColor, clBtnFace),
       EnumProperty<D, TFrameStyle>("BorderInner", &D::SetBorderInner, FrameStyleIdents(), "fsNone"),
       EnumProperty<D, TFrameStyle>("BorderOuter", &D::SetBorderOuter, FrameStyleIdents(), "fsNone"),
       IntegerProperty<D>("BorderWidth", &D::SetBorderWidth, 0),
       ColorProperty<D>("Color", &D::SetColor, clBtnFace),
       ColorProperty<D>("FlatColor", &D::SetFlatColor, clBtnShadow),
       BoolProperty<D>("DockSite", &D::SetDockSite, false),
       BoolProperty<D>("ShowDockClientCaptions", &D::SetShowDockClientCaptions, true),
       BoolProperty<D>("Visible", &D::SetVisible, true)});
  using S = TFrSplitter;
  RegisterClassProperties(
      S::StaticClass(),
      {EnumProperty<S, TOrientation>("Orientation", &S::SetOrientation, OrientationIdents(), "orHorizontal"),
       EnumProperty<S, TFixedPane>("FixedPane", &S::SetFixedPane, FixedPaneIdents(), "fpUpperLeft"),
       IntegerProperty<S>("Position", &S::SetPosition, 100),
       IntegerProperty<S>("Percent", &S::SetPercent, 50),
       BoolProperty<S>("UsePercent", &S::SetUsePercent, false),
       IntegerProperty<S>("PercentMin", &S::SetPercentMin, 0),
       IntegerProperty<S>("PercentMax", &S::SetPercentMax, 100),
       IntegerProperty<S>("MarginMin", &S::SetMarginMin, 0),
       IntegerProperty<S>("MarginMax", &S::SetMarginMax, 0),
       EnumProperty<S, TSplitterStyle>("SplitterStyle", &S::SetSplitterStyle, SplitterStyleIdents(), "ssStandard"),
       IntegerProperty<S>("SplitterWidth", &S::SetSplitterWidth, 4),
       BoolProperty<S>("RealTimeDrag", &S::SetRealTimeDrag, false),
       BoolProperty<S>("LockBar", &S::SetLockBar, false),
       BoolProperty<S>("HotSpotVisible", &S::SetHotSpotVisible, false),
       ColorProperty<S>("HotSpotHighlight", &S::SetHotSpotHighlight, clWindow),
       BoolProperty<S>("HotSpotIgnoreMargins", &S::SetHotSpotIgnoreMargins, true),
       IntegerProperty<S>("HotSpotSizePercent", &S::SetHotSpotSizePercent, 40),
       EnumProperty<S, THotSpotDirection>("HotSpotDirection", &S::SetHotSpotDirection, HotSpotDirectionIdents(),
                                          "hsdMin"),
       EventProperty<S>("OnChange", &S::OnChange),
       EventProperty<S>("OnChanging", &S::OnChanging),
       EventProperty<S>("OnHotSpotClick", &S::OnHotSpotClick),
       ObjectProperty<S>("UpperLeft", &S::UpperLeft),
       ObjectProperty<S>("LowerRight", &S::LowerRight)});
  using P = TFrCustomSizePanel;
  RegisterClassProperties(
      P::StaticClass(),
      {IntegerProperty<P>("SizeBarWidth", &P::SetSizeBarWidth, 4),
       EnumProperty<P, TSplitterStyle>("SizeBarStyle", &P::SetSizeBarStyle, SplitterStyleIdents(), "ssStandard"),
       IntegerProperty<P>("MarginMin", &P::SetMarginMin, 0),
       IntegerProperty<P>("MarginMax", &P::SetMarginMax, 0),
       BoolProperty<P>("RealTimeDrag", &P::SetRealTimeDrag, false),
       BoolProperty<P>("LockBar", &P::SetLockBar, false),
       BoolProperty<P>("HotSpotVisible", &P::SetHotSpotVisible, false),
       ColorProperty<P>("HotSpotHighlight", &P::SetHotSpotHighlight, clWindow),
       BoolProperty<P>("HotSpotIgnoreMargins", &P::SetHotSpotIgnoreMargins, false),
       IntegerProperty<P>("HotSpotSizePercent", &P::SetHotSpotSizePercent, 40),
       EventProperty<P>("OnHotSpotClick", &P::OnHotSpotClick)});
  RegisterClassProperties(TFrSizePanel::StaticClass(), {});
}
