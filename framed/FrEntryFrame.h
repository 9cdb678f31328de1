#pragma once
// What the framed combo box, edit and memo share although they stand on three different
// class-library controls: the frame and colour properties, the colour that follows the
// control's state (disabled, focused, at rest), the hot state fed by focus and pointer,
// the link to a frame controller, Enter as Tab, and the frame settings of older
// resources. Each control owns one TFrEntryFrame and answers its IFrEntryHost.
#include <memory>

#include "classlib/formres/PropertyBinders.h"
#include "classlib/graphics/Canvas.h"
#include "classlib/windowing/WinControl.h"
#include "framed/FrCommon_FrameController.h"
#include "framed/FrCommon_Types.h"

// The control side of the shared frame.
class IFrEntryHost {
 public:
  virtual ~IFrEntryHost() = default;
  virtual TWinControl* EntryControl() = 0;
  // Whether the control holds the focus (the combo box's edit part counts).
  virtual bool EntryFocused() = 0;
  // Repaints the frame after a frame property changed.
  virtual void RepaintFrame() = 0;
  // FrameVisible changed: the control adjusts its own border.
  virtual void FrameVisibilityChanged(bool visible) = 0;
  // The hot state changed: the control repaints what shows it.
  virtual void RepaintHotState() = 0;
};

class TFrEntryFrame {
 public:
  explicit TFrEntryFrame(IFrEntryHost& host);
  // Leaves the frame controller.
  ~TFrEntryFrame();
  TFrEntryFrame(const TFrEntryFrame&) = delete;
  TFrEntryFrame& operator=(const TFrEntryFrame&) = delete;

  // The control's colour: shows it at once; unless the state colour is being applied it
  // becomes the rest colour and takes FocusColor along when that equalled the rest colour.
  void SetColor(TColor value);
  TColor RestColor() const { return restColor_; }
  TColor DisabledColor() const { return disabledColor_; }
  void SetDisabledColor(TColor value);
  TColor FocusColor() const { return focusColor_; }
  void SetFocusColor(TColor value);
  TColor FrameColor() const { return frameColor_; }
  void SetFrameColor(TColor value) { StoreFrameValue(frameColor_, value); }
  TColor FrameHotColor() const { return frameHotColor_; }
  void SetFrameHotColor(TColor value) { StoreFrameValue(frameHotColor_, value); }
  TFrameStyle FrameHotStyle() const { return frameHotStyle_; }
  void SetFrameHotStyle(TFrameStyle value) { StoreFrameValue(frameHotStyle_, value); }
  TFrameStyle FrameStyle() const { return frameStyle_; }
  void SetFrameStyle(TFrameStyle value) { StoreFrameValue(frameStyle_, value); }
  TSides FrameSides() const { return frameSides_; }
  void SetFrameSides(TSides value) { StoreFrameValue(frameSides_, value); }
  bool FrameHotTrack() const { return frameHotTrack_; }
  // Hot tracking makes the frame visible on all four sides.
  void SetFrameHotTrack(bool value);
  bool FrameVisible() const { return frameVisible_; }
  void SetFrameVisible(bool value);
  TFramingPreference FramingPreference() const { return framingPreference_; }
  void SetFramingPreference(TFramingPreference value);
  TFrFrameController* FrameController() const { return frameController_; }
  void SetFrameController(TFrFrameController* value);
  bool TabOnEnter() const { return tabOnEnter_; }
  void SetTabOnEnter(bool value) { tabOnEnter_ = value; }

  // Disabled, focused or rest colour by the control's state (not while it loads).
  void ApplyStateColor();
  // Stores the pointer's or the focus's hot flag, lets the control repaint, then applies
  // the state colour.
  void ChangeHotState(bool fromMouse, bool hot);
  bool Hot() const { return focusHot_ || mouseHot_; }
  bool MouseHot() const { return mouseHot_; }
  // The visual styles draw the border: no frame of the control's own.
  bool ThemedFraming() const;
  bool DrawsOwnFrame() const { return frameVisible_ && !ThemedFraming(); }
  // The style and colour the frame shows now (the hot pair while hot tracking and hot).
  TFrameStyle ShownStyle() const;
  TColor ShownColor() const;
  // The canvas the control paints its frame on.
  TControlCanvas* Canvas() const { return canvas_.get(); }
  // The frame over the control's rectangle on `canvas`, with or without the face rings
  // in Color that cover a standard border first.
  void PaintFrameOn(TCanvas* canvas, bool faceRings);
  // When the frame is drawn: over the whole window on its own context, the standard
  // border covered by face rings in Color, then the shown style on FrameSides.
  void PaintWindowFrame();
  // Repaints the window's non-client area.
  void RedrawWindowFrame();
  // Enter with TabOnEnter: the key is dropped and a Tab posted to the control's window.
  bool TakeEnterAsTab(char& key);
  // After loading: the state colour, then the control at rest.
  void Loaded();
  // A removed frame controller is forgotten.
  void Forget(TComponent* component);
  // "FrameFlat" and "FrameFocusStyle" of older resources.
  void DefineProperties(TFiler* filer);

 private:
  template <class T>
  void StoreFrameValue(T& field, const T& value) {
    if (field == value) return;
    field = value;
    host_.RepaintFrame();
  }
  bool Loading() { return host_.EntryControl()->ComponentState().Contains(csLoading); }

  IFrEntryHost& host_;
  std::unique_ptr<TControlCanvas> canvas_;
  TColor restColor_ = clWindow;
  TColor disabledColor_ = clBtnFace;
  TColor focusColor_ = clWindow;
  TColor frameColor_ = clBtnShadow;
  TColor frameHotColor_ = clBtnShadow;
  TFrameStyle frameHotStyle_ = fsFlatBold;
  TFrameStyle frameStyle_ = fsFlat;
  TSides frameSides_ = kAllSides;
  bool frameHotTrack_ = false;
  bool frameVisible_ = false;
  TFramingPreference framingPreference_ = fpXPThemes;
  TFrFrameController* frameController_ = nullptr;
  bool tabOnEnter_ = false;
  bool applyingColor_ = false;
  bool focusHot_ = false;
  bool mouseHot_ = false;
};

// A flat drop-down button while hot, without visual styles: a one-pixel bevel (raised,
// or sunken while `down`) for the button face colour, else a tinted border of
// `flatColor`; filled with `flatColor` and its arrow drawn.
void PaintHotFlatDropButton(TCanvas* canvas, const TRect& rect, TColor flatColor, bool down, bool enabled);

// The shared properties of a class C with an `EntryFrame()` for form resources; "Color"
// goes through the state rules, "FrameFlatStyle" of older resources is dropped.
template <class C>
void RegisterEntryFrameProperties() {
  auto frame = [](C* control) -> TFrEntryFrame& { return control->EntryFrame(); };
  RegisterClassProperties(
      C::StaticClass(),
      {ColorProperty<C>("Color", [frame](C* c, TColor v) { frame(c).SetColor(v); }, clWindow),
       ColorProperty<C>("DisabledColor", [frame](C* c, TColor v) { frame(c).SetDisabledColor(v); }, clBtnFace),
       ColorProperty<C>("FocusColor", [frame](C* c, TColor v) { frame(c).SetFocusColor(v); }, clWindow),
       ColorProperty<C>("FrameColor", [frame](C* c, TColor v) { frame(c).SetFrameColor(v); }, clBtnShadow),
       ColorProperty<C>("FrameHotColor", [frame](C* c, TColor v) { frame(c).SetFrameHotColor(v); }, clBtnShadow),
       BoolProperty<C>("FrameHotTrack", [frame](C* c, bool v) { frame(c).SetFrameHotTrack(v); }, false),
       EnumProperty<C, TFrameStyle>(
           "FrameHotStyle", [frame](C* c, TFrameStyle v) { frame(c).SetFrameHotStyle(v); }, FrameStyleIdents(),
           "fsFlatBold"),
       SetProperty<C, TSide>(
           "FrameSides", [frame](C* c, TSides v) { frame(c).SetFrameSides(v); }, SideIdents(),
           "[sdLeft, sdTop, sdRight, sdBottom]"),
       EnumProperty<C, TFrameStyle>(
           "FrameStyle", [frame](C* c, TFrameStyle v) { frame(c).SetFrameStyle(v); }, FrameStyleIdents(), "fsFlat"),
       BoolProperty<C>("FrameVisible", [frame](C* c, bool v) { frame(c).SetFrameVisible(v); }, false),
       EnumProperty<C, TFramingPreference>(
           "FramingPreference", [frame](C* c, TFramingPreference v) { frame(c).SetFramingPreference(v); },
           FramingPreferenceIdents(), "fpXPThemes"),
       ReferenceProperty<C, TFrFrameController>(
           "FrameController", [frame](C* c, TFrFrameController* v) { frame(c).SetFrameController(v); }),
       BoolProperty<C>("TabOnEnter", [frame](C* c, bool v) { frame(c).SetTabOnEnter(v); }, false),
       EventProperty<C>("OnMouseEnter", &C::OnMouseEnter),
       EventProperty<C>("OnMouseLeave", &C::OnMouseLeave),
       ObsoleteProperty("FrameFlatStyle", TFormValueKind::Ident)});
}
