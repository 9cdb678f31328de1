#include "framed/FrCommon_FrameController.h"

#include <algorithm>

#include "classlib/formres/FormReader.h"
#include "classlib/formres/PropertyBinders.h"
#include "classlib/windowing/Control.h"

// ---- The storage holder ----

namespace {

template <class T>
void StoreChanged(T& field, const T& value, bool& refreshNeeded) {
  if (field == value) return;
  field = value;
  refreshNeeded = true;
}

}  // namespace

void TFrRegIniFile::SetPath(const AnsiString& path) { StoreChanged(path_, path, refreshNeeded_); }
void TFrRegIniFile::SetPathType(TFrPathType type) { StoreChanged(pathType_, type, refreshNeeded_); }
void TFrRegIniFile::SetRegKey(TFrRegKey key) { StoreChanged(regKey_, key, refreshNeeded_); }
void TFrRegIniFile::SetRegAccess(TFrRegAccess access) { StoreChanged(regAccess_, access, refreshNeeded_); }

// ---- Pushing settings by name ----

namespace {

TFormValue IdentValue(const char* ident) {
  TFormValue value;
  value.kind = TFormValueKind::Ident;
  value.text = ident;
  return value;
}

TFormValue BoolValue(bool flag) { return IdentValue(flag ? "True" : "False"); }

TFormValue ColorValue(TColor color) {
  TFormValue value;
  value.kind = TFormValueKind::Integer;
  value.integer = static_cast<uint32_t>(color);  // system colours as $800000xx
  return value;
}

TFormValue FrameStyleValue(TFrameStyle style) { return IdentValue(FrameStyleIdents().NameOf(style)); }

TFormValue SidesValue(TSides sides) {
  TFormValue value;
  value.kind = TFormValueKind::Set;
  for (TSide side : {sdLeft, sdTop, sdRight, sdBottom}) {
    if (sides.Contains(side)) value.identifiers.push_back(SideIdents().NameOf(side));
  }
  return value;
}

// The settings in the order a full push writes them.
constexpr TFrameSetting kFullPushOrder[] = {
    fcParentColor, fcColor,         fcDisabledColor, fcFocusColor,  fcFlatButtonColor, fcFlatButtons, fcFrameColor,
    fcFrameHotColor, fcFrameHotTrack, fcFrameHotStyle, fcFrameSides, fcFrameStyle,      fcFrameVisible,
    fcFramingPreference};

}  // namespace

// The attached controls stay on the free-notification list: the component's destruction
// tells them, so none keeps a pointer to the freed controller.
TFrFrameController::~TFrFrameController() {
  if (regIniFile_ != nullptr) RemoveFreeNotification(regIniFile_);
}

void TFrFrameController::PushSetting(TComponent* control, TFrameSetting which) {
  switch (which) {
    case fcAllSettings:
      for (TFrameSetting setting : kFullPushOrder) {
        if (setting != fcColor || !parentColor_) PushSetting(control, setting);
      }
      return;
    case fcColor: SetPropertyValue(control, "Color", ColorValue(color_)); return;
    case fcFocusColor: SetPropertyValue(control, "FocusColor", ColorValue(focusColor_)); return;
    case fcDisabledColor: SetPropertyValue(control, "DisabledColor", ColorValue(disabledColor_)); return;
    case fcParentColor: SetPropertyValue(control, "ParentColor", BoolValue(parentColor_)); return;
    case fcFlatButtonColor: SetPropertyValue(control, "FlatButtonColor", ColorValue(flatButtonColor_)); return;
    case fcFlatButtons: SetPropertyValue(control, "FlatButtons", BoolValue(flatButtons_)); return;
    case fcFrameColor: SetPropertyValue(control, "FrameColor", ColorValue(frameColor_)); return;
    case fcFrameHotColor: SetPropertyValue(control, "FrameHotColor", ColorValue(frameHotColor_)); return;
    case fcFrameHotTrack: SetPropertyValue(control, "FrameHotTrack", BoolValue(frameHotTrack_)); return;
    case fcFrameHotStyle: SetPropertyValue(control, "FrameHotStyle", FrameStyleValue(frameHotStyle_)); return;
    case fcFrameSides: SetPropertyValue(control, "FrameSides", SidesValue(frameSides_)); return;
    case fcFrameStyle: SetPropertyValue(control, "FrameStyle", FrameStyleValue(frameStyle_)); return;
    case fcFrameVisible: SetPropertyValue(control, "FrameVisible", BoolValue(frameVisible_)); return;
    case fcFramingPreference:
      SetPropertyValue(control, "FramingPreference",
                       IdentValue(FramingPreferenceIdents().NameOf(framingPreference_)));
      return;
  }
}

void TFrFrameController::ApplyToControl(TComponent* control, TFrameSetting which) {
  if (dynamic_cast<TControl*>(control) == nullptr) return;
  if (auto* client = dynamic_cast<IFrameControllerClient*>(control)) {
    client->ApplyControllerFrame();
    return;
  }
  PushSetting(control, which);
}

void TFrFrameController::ApplyToAll(TFrameSetting which) {
  if (holdCount_ > 0) return;
  // A control may detach itself while it takes the settings.
  for (TComponent* control : std::vector<TComponent*>(controls_)) ApplyToControl(control, which);
}

void TFrFrameController::AttachControl(TComponent* control) {
  if (control == nullptr || std::find(controls_.begin(), controls_.end(), control) != controls_.end()) return;
  controls_.push_back(control);
  FreeNotification(control);
  ApplyToControl(control, fcAllSettings);
}

void TFrFrameController::DetachControl(TComponent* control) {
  auto found = std::find(controls_.begin(), controls_.end(), control);
  if (found == controls_.end()) return;
  controls_.erase(found);
  if (control != regIniFile_) RemoveFreeNotification(control);
}

void TFrFrameController::HoldApply() { ++holdCount_; }

void TFrFrameController::ResumeApply() {
  if (--holdCount_ > 0) return;
  holdCount_ = 0;
  ApplyAll();
}

// ---- Settings ----

template <class T>
void TFrFrameController::Store(T& field, const T& value, TFrameSetting which) {
  if (field == value) return;
  field = value;
  ApplyToAll(which);
}

// A focus colour equal to the colour follows it, on the controls too.
void TFrFrameController::SetColor(TColor color) {
  if (color_ == color) return;
  const bool focusFollows = focusColor_ == color_;
  if (focusFollows) focusColor_ = color;
  color_ = color;
  parentColor_ = false;
  ApplyToAll(fcColor);
  if (focusFollows) ApplyToAll(fcFocusColor);
}

void TFrFrameController::SetParentColor(bool parentColor) {
  if (parentColor_ == parentColor) return;
  parentColor_ = parentColor;
  ApplyToAll(fcParentColor);
  if (!parentColor_) ApplyToAll(fcColor);
}

void TFrFrameController::SetFlatButtonColor(TColor color) { Store(flatButtonColor_, color, fcFlatButtonColor); }
void TFrFrameController::SetFlatButtons(bool flat) { Store(flatButtons_, flat, fcFlatButtons); }
void TFrFrameController::SetDisabledColor(TColor color) { Store(disabledColor_, color, fcDisabledColor); }
void TFrFrameController::SetFocusColor(TColor color) { Store(focusColor_, color, fcFocusColor); }
void TFrFrameController::SetFrameColor(TColor color) { Store(frameColor_, color, fcFrameColor); }
void TFrFrameController::SetFrameHotColor(TColor color) { Store(frameHotColor_, color, fcFrameHotColor); }
void TFrFrameController::SetFrameHotStyle(TFrameStyle style) { Store(frameHotStyle_, style, fcFrameHotStyle); }
void TFrFrameController::SetFrameSides(TSides sides) { Store(frameSides_, sides, fcFrameSides); }
void TFrFrameController::SetFrameStyle(TFrameStyle style) { Store(frameStyle_, style, fcFrameStyle); }
void TFrFrameController::SetFrameVisible(bool visible) { Store(frameVisible_, visible, fcFrameVisible); }
void TFrFrameController::SetFramingPreference(TFramingPreference preference) {
  Store(framingPreference_, preference, fcFramingPreference);
}

// Hot tracking shows the frame, on every side unless the sides are being read with it;
// the controls get the sides as well.
void TFrFrameController::SetFrameHotTrack(bool hotTrack) {
  if (frameHotTrack_ == hotTrack) return;
  frameHotTrack_ = hotTrack;
  bool sidesChanged = false;
  if (hotTrack) {
    SetFrameVisible(true);
    sidesChanged = !ComponentState().Contains(csLoading) && frameSides_ != kAllSides;
    if (sidesChanged) frameSides_ = kAllSides;
  }
  ApplyToAll(fcFrameHotTrack);
  if (sidesChanged) ApplyToAll(fcFrameSides);
}

void TFrFrameController::SetRegIniFile(TFrRegIniFile* regIniFile) {
  if (regIniFile_ == regIniFile) return;
  if (regIniFile_ != nullptr) RemoveFreeNotification(regIniFile_);
  regIniFile_ = regIniFile;
  if (regIniFile_ != nullptr) FreeNotification(regIniFile_);
}

void TFrFrameController::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TFrFrameController*>(source);
  if (other == nullptr) {
    TComponent::Assign(source);
    return;
  }
  HoldApply();
  color_ = other->color_;
  disabledColor_ = other->disabledColor_;
  flatButtonColor_ = other->flatButtonColor_;
  flatButtons_ = other->flatButtons_;
  focusColor_ = other->focusColor_;
  frameColor_ = other->frameColor_;
  frameHotColor_ = other->frameHotColor_;
  frameHotStyle_ = other->frameHotStyle_;
  frameHotTrack_ = other->frameHotTrack_;
  frameSides_ = other->frameSides_;
  frameStyle_ = other->frameStyle_;
  frameVisible_ = other->frameVisible_;
  framingPreference_ = other->framingPreference_;
  parentColor_ = other->parentColor_;
  ResumeApply();
}

void TFrFrameController::Loaded() {
  TComponent::Loaded();
  ApplyAll();
}

void TFrFrameController::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == regIniFile_) regIniFile_ = nullptr;
  std::erase(controls_, component);
}

// ---- Settings of older resources ----

void TFrFrameController::DefineProperties(TFiler* filer) {
  TComponent::DefineProperties(filer);
  DefineOlderFrameProperties(filer, {[this](bool hotTrack) { SetFrameHotTrack(hotTrack); },
                                     [this] {
                                       frameStyle_ = fsStatus;
                                       frameHotStyle_ = fsLowered;
                                     },
                                     [this](TFrameStyle style) { SetFrameHotStyle(style); }});
}

void DefineOlderFrameProperties(TFiler* filer, const TOlderFrameSetters& setters) {
  filer->DefineProperty("FrameFlat", [setters](const TValueReader& value) {
    const bool flat = value.ReadBoolean();
    setters.HotTrack(flat);
    if (flat) setters.FlatLook();
  });
  filer->DefineProperty("FrameFocusStyle", [setters](const TValueReader& value) {
    setters.HotStyle(static_cast<TFrameStyle>(formres_detail::IdentValue(FrameStyleIdents(), value.ReadIdent())));
  });
}

// ---- Registration ----

void RegisterFrameControllerClasses() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  using C = TFrFrameController;
  RegisterClassProperties(
      C::StaticClass(),
      {ColorProperty<C>("Color", &C::SetColor, clWindow),
       BoolProperty<C>("ParentColor", &C::SetParentColor, false),
       ColorProperty<C>("FlatButtonColor", &C::SetFlatButtonColor, clBtnFace),
       BoolProperty<C>("FlatButtons", &C::SetFlatButtons, true),
       ColorProperty<C>("DisabledColor", &C::SetDisabledColor, clBtnFace),
       ColorProperty<C>("FocusColor", &C::SetFocusColor, clWindow),
       ColorProperty<C>("FrameColor", &C::SetFrameColor, clBtnShadow),
       ColorProperty<C>("FrameHotColor", &C::SetFrameHotColor, clBtnShadow),
       BoolProperty<C>("FrameHotTrack", &C::SetFrameHotTrack, false),
       EnumProperty<C, TFrameStyle>("FrameHotStyle", &C::SetFrameHotStyle, FrameStyleIdents(), "fsFlatBold"),
       SetProperty<C, TSide>("FrameSides", &C::SetFrameSides, SideIdents(), "[sdLeft, sdTop, sdRight, sdBottom]"),
       EnumProperty<C, TFrameStyle>("FrameStyle", &C::SetFrameStyle, FrameStyleIdents(), "fsFlat"),
       BoolProperty<C>("FrameVisible", &C::SetFrameVisible, false),
       EnumProperty<C, TFramingPreference>("FramingPreference", &C::SetFramingPreference, FramingPreferenceIdents(),
                                           "fpXPThemes"),
       ReferenceProperty<C, TFrRegIniFile>("RegIniFile", &C::SetRegIniFile),
       ObsoleteProperty("FrameFlatStyle", TFormValueKind::Ident)});
  using R = TFrRegIniFile;
  RegisterClassProperties(
      R::StaticClass(),
      {StringProperty<R>("Path", &R::SetPath),
       EnumProperty<R, TFrPathType>("PathType", &R::SetPathType, PathTypeIdents(), "ptIniFile"),
       EnumProperty<R, TFrRegKey>("RegKey", &R::SetRegKey, RegKeyIdents(), "hkeyCurrentUser"),
       SetProperty<R, TFrRegAccessKey>("RegAccess", &R::SetRegAccess, RegAccessIdents(), "[keyAllAccess]")});
}

void SwitchFrameController(TComponent* client, TFrFrameController*& field, TFrFrameController* value) {
  if (value == field) return;
  if (field != nullptr) {
    field->DetachControl(client);
    client->RemoveFreeNotification(field);
  }
  field = value;
  if (field == nullptr) return;
  client->FreeNotification(field);
  field->AttachControl(client);
}
