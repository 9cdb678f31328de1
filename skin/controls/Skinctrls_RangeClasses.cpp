#include "classlib/formres/ClassProperties.h"
#include "classlib/formres/ControlClasses.h"
#include "classlib/formres/PropertyBinders.h"
#include "skin/controls/Skinctrls_Classes.h"
#include "skin/controls/Skinctrls_Gauge.h"
#include "skin/controls/Skinctrls_ScrollBar.h"
#include "skin/controls/Skinctrls_Slider.h"
#include "skin/controls/Skinctrls_TrackBar.h"

namespace {

const TIdentTable kSliderOrientations("TspSliderOrientation",
                                      {{"soHorizontal", soHorizontal}, {"soVertical", soVertical}});
const TIdentTable kSliderOptions("TspSliderOption", {{"soShowFocus", soShowFocus},
                                                     {"soShowPoints", soShowPoints},
                                                     {"soSmooth", soSmooth},
                                                     {"soRulerOpaque", soRulerOpaque},
                                                     {"soThumbOpaque", soThumbOpaque}});

// A byte property (0..255); other numbers are refused.
template <class C, class Setter>
TPropertyInfo ByteProperty(const char* name, Setter setter) {
  TPropertyInfo info = IntegerProperty<C>(name, [name, setter](C* control, int value) {
    if (value < 0 || value > 255) throw EFormValueError(AnsiString(name) + " must lie between 0 and 255");
    std::invoke(setter, control, static_cast<BYTE>(value));
  });
  return info;
}

void RegisterGauge() {
  using C = TspSkinGauge;
  RegisterClassProperties(
      C::StaticClass(),
      {IntegerProperty<C>("MinValue", &C::SetMinValue), IntegerProperty<C>("MaxValue", &C::SetMaxValue),
       IntegerProperty<C>("Value", &C::SetValue), BoolProperty<C>("Vertical", &C::SetVertical, false),
       BoolProperty<C>("UseSkinSize", &C::SetUseSkinSize, true),
       BoolProperty<C>("ShowProgressText", &C::SetShowProgressText, false),
       StringProperty<C>("ProgressText", &C::SetProgressText),
       BoolProperty<C>("ShowPercent", &C::SetShowPercent, false),
       BoolProperty<C>("TextAlphaBlend", &C::SetTextAlphaBlend, false),
       ByteProperty<C>("TextAlphaBlendValue", &C::SetTextAlphaBlendValue),
       IntegerProperty<C>("ProgressAnimationPause", &C::SetProgressAnimationPause)});
}

void RegisterScrollBar() {
  using C = TspSkinScrollBar;
  RegisterClassProperties(
      C::StaticClass(),
      {EnumProperty<C, TScrollBarKind>("Kind", &C::SetKind, ScrollBarKindIdents(), "sbHorizontal"),
       IntegerProperty<C>("Min", &C::SetMin), IntegerProperty<C>("Max", &C::SetMax),
       IntegerProperty<C>("PageSize", &C::SetPageSize), IntegerProperty<C>("Position", &C::SetPosition),
       IntegerProperty<C>("SmallChange", &C::SetSmallChange), IntegerProperty<C>("LargeChange", &C::SetLargeChange),
       BoolProperty<C>("Both", &C::SetBoth, false), IntegerProperty<C>("BothMarkerWidth", &C::SetBothMarkerWidth),
       StringProperty<C>("BothSkinDataName", &C::SetBothSkinDataName, "bothhscrollbar"),
       BoolProperty<C>("CanFocused", &C::SetCanFocused, false),
       EventProperty<C>("OnChange", &C::OnChange), EventProperty<C>("OnLastChange", &C::OnLastChange),
       EventProperty<C>("OnUpButtonClick", &C::OnUpButtonClick),
       EventProperty<C>("OnDownButtonClick", &C::OnDownButtonClick), EventProperty<C>("OnPageUp", &C::OnPageUp),
       EventProperty<C>("OnPageDown", &C::OnPageDown)});
}

void RegisterTrackBar() {
  using C = TspSkinTrackBar;
  RegisterClassProperties(
      C::StaticClass(),
      {IntegerProperty<C>("MinValue", &C::SetMinValue), IntegerProperty<C>("MaxValue", &C::SetMaxValue),
       IntegerProperty<C>("Value", &C::SetValue), BoolProperty<C>("Vertical", &C::SetVertical, false),
       BoolProperty<C>("JumpWhenClick", &C::SetJumpWhenClick, false),
       BoolProperty<C>("MouseSupport", &C::SetMouseSupport, true),
       BoolProperty<C>("CanFocused", &C::SetCanFocused, false), EventProperty<C>("OnChange", &C::OnChange),
       EventProperty<C>("OnLastChange", &C::OnLastChange),
       EventProperty<C>("OnStartDragButton", &C::OnStartDragButton)});
}

// The range first: a form gives MinValue and MaxValue one after the other.
void RegisterSlider() {
  using C = TspSkinCustomSlider;
  RegisterClassProperties(
      C::StaticClass(),
      {IntegerProperty<C>("MinValue", &C::SetMinValue, 0), IntegerProperty<C>("MaxValue", &C::SetMaxValue, 100),
       IntegerProperty<C>("Value", &C::SetValue, 0), IntegerProperty<C>("Increment", &C::SetIncrement, 10),
       EnumProperty<C, TspSliderOrientation>("Orientation", &C::SetOrientation, kSliderOrientations, "soHorizontal"),
       SetProperty<C, TspSliderOption>("Options", &C::SetOptions, kSliderOptions,
                                       "[soShowFocus, soShowPoints, soSmooth]"),
       IntegerProperty<C>("NumThumbStates", &C::SetNumThumbStates, 2),
       IntegerProperty<C>("EdgeSize", &C::SetEdgeSize, 2), ObjectProperty<C>("ImageHThumb", &C::ImageHThumb),
       ObjectProperty<C>("ImageHRuler", &C::ImageHRuler), ObjectProperty<C>("ImageVThumb", &C::ImageVThumb),
       ObjectProperty<C>("ImageVRuler", &C::ImageVRuler), BoolProperty<C>("Transparent", &C::SetTransparent, false),
       BoolProperty<C>("UseSkinThumb", &C::SetUseSkinThumb, true), EventProperty<C>("OnChange", &C::OnChange),
       EventProperty<C>("OnChanged", &C::OnChanged), EventProperty<C>("OnDrawPoints", &C::OnDrawPoints)});
  RegisterClassProperties(TspSkinSlider::StaticClass(), {});
}

}  // namespace

void RegisterSkinRanges() {
  RegisterGauge();
  RegisterScrollBar();
  RegisterTrackBar();
  RegisterSlider();
}
