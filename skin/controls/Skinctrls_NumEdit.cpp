#include "skin/controls/Skinctrls_NumEdit.h"

#include "classlib/runtime/SystemActions.h"
#include "classlib/windowing/ControlMessages.h"
#include "skin/controls/Skinctrls_NumberText.h"

TspSkinNumEdit::TspSkinNumEdit(TComponent* owner) : TspCustomEdit(owner) {}

bool TspSkinNumEdit::IsValidChar(char c) const { return IsValidNumberChar(c, Text(), float_, editorEnabled_); }

void TspSkinNumEdit::KeyPress(char& key) {
  if (!IsValidChar(key)) {
    key = 0;
    SystemBeep(0);
    return;
  }
  TspCustomEdit::KeyPress(key);
}

void TspSkinNumEdit::KeyDown(WORD& key, TShiftState shift) {
  if (key == VK_UP || key == VK_DOWN) {
    if (key == VK_UP) OnUpClick(this);
    else OnDownClick(this);
    key = 0;
    return;
  }
  TspCustomEdit::KeyDown(key, shift);
}

void TspSkinNumEdit::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_MOUSEWHEEL:
      // Turned away from the user: down.
      if (static_cast<int>(static_cast<DWORD>(message.WParam)) > 0) OnDownClick(this);
      else OnUpClick(this);
      message.Result = 0;
      return;
    case CM_MOUSEENTER:
      TspCustomEdit::Dispatch(message);
      OnEditMouseEnter(this);
      return;
    case CM_MOUSELEAVE:
      TspCustomEdit::Dispatch(message);
      OnEditMouseLeave(this);
      return;
    default:
      TspCustomEdit::Dispatch(message);
  }
}
