#pragma once
// One set of frame settings shared by many framed controls: the frame controller pushes
// each setting into the attached controls' published property of the same name (a
// control without that property is skipped), or lets a control that implements
// IFrameControllerClient take the settings itself.
#include <functional>
#include <vector>

#include "classlib/formres/Filer.h"
#include "classlib/graphics/Colors.h"
#include "classlib/runtime/Component.h"
#include "framed/FrCommon_Types.h"

// Implemented by controls that take a frame controller's settings themselves.
class IFrameControllerClient {
 public:
  virtual ~IFrameControllerClient() = default;
  virtual void ApplyControllerFrame() = 0;
};

// Where a storage path would point (an INI file or a registry key): a configuration
// holder that a frame controller may reference. Nothing reads or writes through it.
class TFrRegIniFile : public TComponent {
  CLASSLIB_CLASS(TFrRegIniFile, TComponent)
 public:
  explicit TFrRegIniFile(TComponent* owner) : TComponent(owner) {}

  const AnsiString& Path() const { return path_; }
  void SetPath(const AnsiString& path);
  TFrPathType PathType() const { return pathType_; }
  void SetPathType(TFrPathType type);
  TFrRegKey RegKey() const { return regKey_; }
  void SetRegKey(TFrRegKey key);
  TFrRegAccess RegAccess() const { return regAccess_; }
  void SetRegAccess(TFrRegAccess access);
  // A setting changed since the storage was last opened.
  bool RefreshNeeded() const { return refreshNeeded_; }

 private:
  AnsiString path_;
  TFrPathType pathType_ = ptIniFile;
  TFrRegKey regKey_ = hkeyCurrentUser;
  TFrRegAccess regAccess_{keyAllAccess};
  bool refreshNeeded_ = false;
};

// The settings by number: what ApplyToControl and ApplyToAll push (fcAllSettings: all).
enum TFrameSetting {
  fcAllSettings, fcColor, fcFocusColor, fcDisabledColor, fcParentColor, fcFlatButtonColor, fcFlatButtons,
  fcFrameColor, fcFrameHotColor, fcFrameHotTrack, fcFrameHotStyle, fcFrameSides, fcFrameStyle, fcFrameVisible,
  fcFramingPreference
};

class TFrFrameController : public TComponent {
  CLASSLIB_CLASS(TFrFrameController, TComponent)
 public:
  explicit TFrFrameController(TComponent* owner) : TComponent(owner) {}
  ~TFrFrameController() override;

  // Appends a control not yet attached and pushes every setting to it.
  void AttachControl(TComponent* control);
  void DetachControl(TComponent* control);
  // Counted: while held, nothing is pushed; the last ResumeApply pushes everything.
  void HoldApply();
  void ResumeApply();
  void ApplyAll() { ApplyToAll(fcAllSettings); }
  virtual void ApplyToControl(TComponent* control, TFrameSetting which);
  virtual void ApplyToAll(TFrameSetting which);

  TColor Color() const { return color_; }
  virtual void SetColor(TColor color);
  bool ParentColor() const { return parentColor_; }
  virtual void SetParentColor(bool parentColor);
  TColor FlatButtonColor() const { return flatButtonColor_; }
  virtual void SetFlatButtonColor(TColor color);
  bool FlatButtons() const { return flatButtons_; }
  virtual void SetFlatButtons(bool flat);
  TColor DisabledColor() const { return disabledColor_; }
  virtual void SetDisabledColor(TColor color);
  TColor FocusColor() const { return focusColor_; }
  virtual void SetFocusColor(TColor color);
  TColor FrameColor() const { return frameColor_; }
  virtual void SetFrameColor(TColor color);
  TColor FrameHotColor() const { return frameHotColor_; }
  virtual void SetFrameHotColor(TColor color);
  bool FrameHotTrack() const { return frameHotTrack_; }
  virtual void SetFrameHotTrack(bool hotTrack);
  TFrameStyle FrameHotStyle() const { return frameHotStyle_; }
  virtual void SetFrameHotStyle(TFrameStyle style);
  TSides FrameSides() const { return frameSides_; }
  virtual void SetFrameSides(TSides sides);
  TFrameStyle FrameStyle() const { return frameStyle_; }
  virtual void SetFrameStyle(TFrameStyle style);
  bool FrameVisible() const { return frameVisible_; }
  virtual void SetFrameVisible(bool visible);
  TFramingPreference FramingPreference() const { return framingPreference_; }
  virtual void SetFramingPreference(TFramingPreference preference);
  TFrRegIniFile* RegIniFile() const { return regIniFile_; }
  virtual void SetRegIniFile(TFrRegIniFile* regIniFile);

  // From another controller: every setting, pushed once.
  void Assign(TPersistent* source) override;
  void Loaded() override;
  // Reads the settings of older resources ("FrameFlat", "FrameFocusStyle").
  void DefineProperties(TFiler* filer) override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  template <class T>
  void Store(T& field, const T& value, TFrameSetting which);
  void PushSetting(TComponent* control, TFrameSetting which);

  TColor color_ = clWindow;
  bool parentColor_ = false;
  TColor flatButtonColor_ = clBtnFace;
  bool flatButtons_ = true;
  TColor disabledColor_ = clBtnFace;
  TColor focusColor_ = clWindow;
  TColor frameColor_ = clBtnShadow;
  TColor frameHotColor_ = clBtnShadow;
  bool frameHotTrack_ = false;
  TFrameStyle frameHotStyle_ = fsFlatBold;
  TSides frameSides_ = kAllSides;
  TFrameStyle frameStyle_ = fsFlat;
  bool frameVisible_ = false;
  TFramingPreference framingPreference_ = fpXPThemes;
  TFrRegIniFile* regIniFile_ = nullptr;
  std::vector<TComponent*> controls_;  // attach order
  int holdCount_ = 0;
};

// Moves `client` from the controller held in `field` to `value`: the old one forgets it,
// the new one attaches it (pushing its settings) and tells it when it is freed.
void SwitchFrameController(TComponent* client, TFrFrameController*& field, TFrFrameController* value);

// What older resources set through "FrameFlat" (a hot-tracking status frame that lowers
// when hot) and "FrameFocusStyle" (the hot style): the controller and the framed entry
// controls read both the same way.
struct TOlderFrameSetters {
  std::function<void(bool)> HotTrack;
  // "FrameFlat" True: fsStatus at rest and fsLowered while hot.
  std::function<void()> FlatLook;
  std::function<void(TFrameStyle)> HotStyle;
};
void DefineOlderFrameProperties(TFiler* filer, const TOlderFrameSetters& setters);

// Registers the frame controller's and the storage holder's properties for form resources.
void RegisterFrameControllerClasses();
