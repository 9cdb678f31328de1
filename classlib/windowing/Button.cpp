#include "classlib/windowing/Button.h"

bool IsAccel(char key, const AnsiString& caption) {
  const char* text = caption.c_str();
  for (int i = 0; text[i] != '\0'; ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] == '&') {
      ++i;
      continue;
    }
    return CharUpperA(reinterpret_cast<LPSTR>(static_cast<UINT_PTR>(static_cast<unsigned char>(text[i + 1])))) ==
           CharUpperA(reinterpret_cast<LPSTR>(static_cast<UINT_PTR>(static_cast<unsigned char>(key))));
  }
  return false;
}

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  SetControlStyle({csSetCaption, csDoubleClicks});
  SetBounds(Left(), Top(), 75, 25);
  SetTabStop(true);
  SetColor(clBtnFace);
}

void TButton::SetDefault(bool on) {
  default_ = on;
  RecreateWnd();
}

void TButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, "BUTTON");
  params.Style |= WS_TABSTOP | (default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
}

void TButton::Click() {
  if (TCustomForm* form = GetParentForm(this); form != nullptr && modalResult_ != mrNone)
    form->SetModalResult(modalResult_);
  TWinControl::Click();
}

void TButton::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      if (HIWORD(message.WParam) == BN_CLICKED) Click();
      return;
    case CM_DIALOGKEY:
      CMDialogKey(message);
      return;
    case CM_DIALOGCHAR:
      CMDialogChar(message);
      return;
    default:
      TWinControl::Dispatch(message);
  }
}

void TButton::CMDialogKey(TMessage& message) {
  const bool enter = message.WParam == VK_RETURN && default_;
  const bool escape = message.WParam == VK_ESCAPE && cancel_;
  if ((enter || escape) && CanFocus()) {
    Click();
    message.Result = 1;
  }
}

void TButton::CMDialogChar(TMessage& message) {
  if (IsAccel(static_cast<char>(message.WParam), Caption()) && CanFocus()) {
    Click();
    message.Result = 1;
  }
}
