#pragma once
#include "classlib/windowing/Forms.h"
#include "classlib/windowing/WinControl.h"

// True when `key` is the accelerator of `caption` (the letter after a single "&",
// case ignored).
bool IsAccel(char key, const AnsiString& caption);

// A push button over the system BUTTON class. Click comes from the button's own
// notification (CN_COMMAND); Default answers Enter and Cancel answers Escape anywhere in
// its form; a ModalResult ends a modal form.
class TButton : public TWinControl {
  CLASSLIB_CLASS(TButton, TWinControl)
 public:
  explicit TButton(TComponent* owner);
  bool Default() const { return default_; }
  void SetDefault(bool on);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool on) { cancel_ = on; }
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult result) { modalResult_ = result; }
  // A state an action shares with the button (a push button does not show it).
  bool Checked() const { return checked_; }
  void SetChecked(bool value) override { checked_ = value; }
  void Click() override;
  void Dispatch(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  bool GetChecked() const override { return checked_; }

 private:
  void CMDialogKey(TMessage& message);
  void CMDialogChar(TMessage& message);

  bool default_ = false;
  bool cancel_ = false;
  TModalResult modalResult_ = mrNone;
  bool checked_ = false;
};
