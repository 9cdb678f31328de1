#include "classlib/formres/ControlClasses.h"

#include "classlib/formres/ComControlClasses.h"
#include "classlib/formres/PropertyBinders.h"
#include "classlib/formres/StandardClasses.h"
#include "classlib/formres/StdControlClasses.h"
#include "classlib/windowing/Action.h"
#include "classlib/windowing/Button.h"
#include "classlib/windowing/CustomControl.h"
#include "classlib/windowing/Forms.h"
#include "classlib/windowing/GraphicControl.h"
#include "classlib/windowing/Menus.h"
#include "classlib/windowing/Timer.h"

namespace {

const TIdentTable kAligns("TAlign", {{"alNone", alNone}, {"alTop", alTop}, {"alBottom", alBottom},
                                     {"alLeft", alLeft}, {"alRight", alRight}, {"alClient", alClient}});
const TIdentTable kAnchors("TAnchorKind", {{"akLeft", akLeft}, {"akTop", akTop}, {"akRight", akRight},
                                           {"akBottom", akBottom}});
const TIdentTable kBorderStyles("TFormBorderStyle", {{"bsNone", bsNone}, {"bsSingle", bsSingle},
                                                     {"bsSizeable", bsSizeable}, {"bsDialog", bsDialog},
                                                     {"bsToolWindow", bsToolWindow}, {"bsSizeToolWin", bsSizeToolWin}});
const TIdentTable kBorderIcons("TBorderIcon", {{"biSystemMenu", biSystemMenu}, {"biMinimize", biMinimize},
                                               {"biMaximize", biMaximize}, {"biHelp", biHelp}});
const TIdentTable kPositions("TPosition", {{"poDesigned", poDesigned}, {"poDefault", poDefault},
                                           {"poScreenCenter", poScreenCenter}, {"poDesktopCenter", poDesktopCenter},
                                           {"poMainFormCenter", poMainFormCenter},
                                           {"poOwnerFormCenter", poOwnerFormCenter}});

void RegisterConstraints() {
  RegisterClassProperties(
      TSizeConstraints::StaticClass(),
      {IntegerProperty<TSizeConstraints>("MinWidth", [](TSizeConstraints* c, int v) { c->MinWidth = v; }, 0),
       IntegerProperty<TSizeConstraints>("MinHeight", [](TSizeConstraints* c, int v) { c->MinHeight = v; }, 0),
       IntegerProperty<TSizeConstraints>("MaxWidth", [](TSizeConstraints* c, int v) { c->MaxWidth = v; }, 0),
       IntegerProperty<TSizeConstraints>("MaxHeight", [](TSizeConstraints* c, int v) { c->MaxHeight = v; }, 0)});
}

void RegisterControl() {
  RegisterClassProperties(
      TControl::StaticClass(),
      {IntegerProperty<TControl>("Left", &TControl::SetLeft), IntegerProperty<TControl>("Top", &TControl::SetTop),
       IntegerProperty<TControl>("Width", &TControl::SetWidth),
       IntegerProperty<TControl>("Height", &TControl::SetHeight),
       EnumProperty<TControl, TAlign>("Align", &TControl::SetAlign, kAligns, "alNone"),
       SetProperty<TControl, TAnchorKind>("Anchors", &TControl::SetAnchors, kAnchors, "[akLeft, akTop]"),
       ObjectProperty<TControl>("Constraints", &TControl::Constraints),
       BoolProperty<TControl>("Visible", &TControl::SetVisible, true),
       BoolProperty<TControl>("Enabled", &TControl::SetEnabled, true),
       StringProperty<TControl>("Caption", &TControl::SetCaption),
       StringProperty<TControl>("Text", &TControl::SetText),
       ColorProperty<TControl>("Color", &TControl::SetColor, clWindow),
       BoolProperty<TControl>("ParentColor", &TControl::SetParentColor, false),
       ObjectProperty<TControl>("Font", &TControl::Font),
       BoolProperty<TControl>("ParentFont", &TControl::SetParentFont, true),
       IntegerProperty<TControl>("Cursor", &TControl::SetCursor, 0),
       StringProperty<TControl>("Hint", &TControl::SetHint),
       BoolProperty<TControl>("ShowHint", &TControl::SetShowHint, false),
       EventProperty<TControl>("OnClick", &TControl::OnClick),
       EventProperty<TControl>("OnDblClick", &TControl::OnDblClick),
       EventProperty<TControl>("OnResize", &TControl::OnResize),
       EventProperty<TControl>("OnMouseDown", &TControl::OnMouseDown),
       EventProperty<TControl>("OnMouseUp", &TControl::OnMouseUp),
       EventProperty<TControl>("OnMouseMove", &TControl::OnMouseMove),
       ReferenceProperty<TControl, TPopupMenu>("PopupMenu", &TControl::SetPopupMenu),
       ReferenceProperty<TControl, TBasicAction>("Action", &TControl::SetAction),
       EventProperty<TControl>("OnContextPopup", &TControl::OnContextPopup),
       EventProperty<TControl>("OnMouseWheel", &TControl::OnMouseWheel),
       EventProperty<TControl>("OnMouseWheelUp", &TControl::OnMouseWheelUp),
       EventProperty<TControl>("OnMouseWheelDown", &TControl::OnMouseWheelDown)});
  RegisterClassProperties(
      TWinControl::StaticClass(),
      {BoolProperty<TWinControl>("TabStop", &TWinControl::SetTabStop, false),
       IntegerProperty<TWinControl>("TabOrder", &TWinControl::SetTabOrder),
       IntegerProperty<TWinControl>("HelpContext", &TWinControl::SetHelpContext, 0),
       BoolProperty<TWinControl>("DoubleBuffered", &TWinControl::SetDoubleBuffered, false),
       EventProperty<TWinControl>("OnKeyDown", &TWinControl::OnKeyDown),
       EventProperty<TWinControl>("OnKeyUp", &TWinControl::OnKeyUp),
       EventProperty<TWinControl>("OnKeyPress", &TWinControl::OnKeyPress),
       EventProperty<TWinControl>("OnEnter", &TWinControl::OnEnter),
       EventProperty<TWinControl>("OnExit", &TWinControl::OnExit)});
  RegisterClassProperties(TCustomControl::StaticClass(), {});
  RegisterClassProperties(TGraphicControl::StaticClass(), {});
}

void RegisterForm() {
  RegisterClassProperties(
      TCustomForm::StaticClass(),
      {EnumProperty<TCustomForm, TFormBorderStyle>("BorderStyle", &TCustomForm::SetBorderStyle, kBorderStyles,
                                                   "bsSizeable"),
       SetProperty<TCustomForm, TBorderIcon>("BorderIcons", &TCustomForm::SetBorderIcons, kBorderIcons,
                                             "[biSystemMenu, biMinimize, biMaximize]"),
       EnumProperty<TCustomForm, TPosition>("Position", &TCustomForm::SetPosition, kPositions, "poDesigned"),
       BoolProperty<TCustomForm>("KeyPreview", &TCustomForm::SetKeyPreview, false),
       StringProperty<TCustomForm>("HelpFile", &TCustomForm::SetHelpFile),
       ColorProperty<TCustomForm>("Color", &TCustomForm::SetColor, clBtnFace),
       BoolProperty<TCustomForm>("Visible", &TCustomForm::SetVisible, false),
       ReferenceProperty<TCustomForm, TWinControl>("ActiveControl", &TCustomForm::SetActiveControl),
       IntegerProperty<TCustomForm>("ClientWidth", [](TCustomForm* f, int v) { f->SetClientSize(v, f->ClientHeight()); }),
       IntegerProperty<TCustomForm>("ClientHeight", [](TCustomForm* f, int v) { f->SetClientSize(f->ClientWidth(), v); }),
       EventProperty<TCustomForm>("OnCreate", &TCustomForm::OnCreate),
       EventProperty<TCustomForm>("OnDestroy", &TCustomForm::OnDestroy),
       EventProperty<TCustomForm>("OnShow", &TCustomForm::OnShow),
       EventProperty<TCustomForm>("OnHide", &TCustomForm::OnHide),
       EventProperty<TCustomForm>("OnPaint", &TCustomForm::OnPaint),
       EventProperty<TCustomForm>("OnActivate", &TCustomForm::OnActivate),
       EventProperty<TCustomForm>("OnDeactivate", &TCustomForm::OnDeactivate),
       EventProperty<TCustomForm>("OnClose", &TCustomForm::OnClose),
       EventProperty<TCustomForm>("OnCloseQuery", &TCustomForm::OnCloseQuery),
       EventProperty<TCustomForm>("OnShortCut", &TCustomForm::OnShortCut)});
  RegisterClassProperties(TForm::StaticClass(), {});
}

void RegisterStandardControls() {
  RegisterClassProperties(TButton::StaticClass(),
                          {BoolProperty<TButton>("TabStop", &TButton::SetTabStop, true),
                           ColorProperty<TButton>("Color", &TButton::SetColor, clBtnFace),
                           BoolProperty<TButton>("Default", &TButton::SetDefault, false),
                           BoolProperty<TButton>("Cancel", &TButton::SetCancel, false),
                           IntegerProperty<TButton>("ModalResult", &TButton::SetModalResult, mrNone)});
  RegisterClassProperties(TTimer::StaticClass(),
                          {BoolProperty<TTimer>("Enabled", &TTimer::SetEnabled, true),
                           IntegerProperty<TTimer>("Interval", [](TTimer* t, int v) {
                             if (v < 0) throw EFormValueError("Interval must not be negative");
                             t->SetInterval(static_cast<unsigned>(v));
                           }, 1000),
                           EventProperty<TTimer>("OnTimer", &TTimer::OnTimer)});
}

}  // namespace

const TIdentTable& AlignIdents() { return kAligns; }

const TIdentTable& AlignmentIdents() {
  static const TIdentTable table("TAlignment",
                                 {{"taLeftJustify", taLeftJustify}, {"taRightJustify", taRightJustify}, {"taCenter", taCenter}});
  return table;
}

const TIdentTable& ScrollBarKindIdents() {
  static const TIdentTable table("TScrollBarKind", {{"sbHorizontal", sbHorizontal}, {"sbVertical", sbVertical}});
  return table;
}

void InitializeControlClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  InitializeFormClasses();
  RegisterConstraints();
  RegisterControl();
  RegisterForm();
  RegisterStandardControls();
  RegisterStdControlClasses();
  RegisterComControlClasses();
}
