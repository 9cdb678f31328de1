#pragma once
#include "classlib/windowing/CustomControl.h"

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
// The border of a control that draws one: bsNone or bsSingle only.
using TBorderStyle = TFormBorderStyle;
// Which way a scroll bar lies.
enum TScrollBarKind { sbHorizontal, sbVertical };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum TPosition { poDesigned, poDefault, poScreenCenter, poDesktopCenter, poMainFormCenter, poOwnerFormCenter };
enum TCloseAction { caNone, caHide, caFree, caMinimize };

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = IDOK;
constexpr TModalResult mrCancel = IDCANCEL;
constexpr TModalResult mrAbort = IDABORT;
constexpr TModalResult mrRetry = IDRETRY;
constexpr TModalResult mrIgnore = IDIGNORE;
constexpr TModalResult mrYes = IDYES;
constexpr TModalResult mrNo = IDNO;

using TCloseEvent = TEvent<TObject*, TCloseAction&>;
using TCloseQueryEvent = TEvent<TObject*, bool&>;
using TShortCutEvent = TEvent<MSG&, bool&>;

// Picks the constructor that makes an empty form.
struct TCreateNew {};
inline constexpr TCreateNew CreateNew{};

// A form: a top-level window owned by the application window (or a child window when
// it has a Parent), shown with ShowWindow, modal with ShowModal.
//
// OnCreate runs after the most-derived constructor: Application->CreateForm and
// NewForm call AfterConstruction; a form made with plain `new` gets it when first shown.
// OnDestroy runs in BeforeDestruction: on Release, when the application frees its forms,
// and, failing those, in this class's destructor (after derived members are gone).
class TCustomForm : public TCustomControl {
  CLASSLIB_CLASS(TCustomForm, TCustomControl)
 public:
  explicit TCustomForm(TComponent* owner);
  TCustomForm(TComponent* owner, TCreateNew);
  ~TCustomForm() override;

  virtual void AfterConstruction();
  virtual void BeforeDestruction();

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style);
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(const TBorderIcons& icons);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position) { position_ = position; }
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool on) { keyPreview_ = on; }
  TRect ClientRect() const override;

  TWinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* control);

  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult result) { modalResult_ = result; }
  bool Modal() const { return modal_; }
  // Shows the form while the rest of the thread's windows are disabled and serves
  // messages until ModalResult is set (the close box sets mrCancel) and the form agrees
  // to close; answers ModalResult.
  virtual TModalResult ShowModal();
  void Show();
  void Close();
  virtual bool CloseQuery();
  // Whether the key message is a shortcut of this form: OnShortCut first, then the main
  // menus and the action lists that the form owns.
  virtual bool IsShortCut(MSG& message);
  // Brings the state of the actions of the form's action lists up to date (when idle).
  void UpdateActions();
  AnsiString HelpFile() const { return helpFile_; }
  void SetHelpFile(const AnsiString& value) { helpFile_ = value; }

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnPaint;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;
  TShortCutEvent OnShortCut;

  void Dispatch(TMessage& message) override;
  // A control of the form took the focus: every control of the form, at any depth, gets
  // CM_FOCUSCHANGED naming it (lParam); then the old one exits and the new one enters.
  void FocusChanged(TWinControl* control);
  // A control of the form is being freed.
  void ControlGone(TWinControl* control);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleState() override;
  void Paint() override { OnPaint(this); }
  virtual void DoClose(TCloseAction& action) { OnClose(this, action); }

 private:
  void ApplyPosition();
  void ShowForm(bool show);
  void CloseModal();
  void CMDialogKey(TMessage& message);
  void WMClose(TMessage& message);
  void WMActivate(TMessage& message);
  void FocusFirst();

  TFormBorderStyle borderStyle_ = bsSizeable;
  TBorderIcons borderIcons_{biSystemMenu, biMinimize, biMaximize};
  TPosition position_ = poDesigned;
  bool keyPreview_ = false;
  TWinControl* activeControl_ = nullptr;
  TModalResult modalResult_ = mrNone;
  bool modal_ = false;
  bool created_ = false;
  bool destroying_ = false;
  bool positioned_ = false;
  AnsiString helpFile_;
};

class TForm : public TCustomForm {
  CLASSLIB_CLASS(TForm, TCustomForm)
 public:
  using TCustomForm::TCustomForm;
};

// Makes a form and runs its OnCreate.
template <class F, class... Args>
F* NewForm(Args&&... args) {
  F* form = new F(std::forward<Args>(args)...);
  form->AfterConstruction();
  return form;
}
