#pragma once
#include "classlib/runtime/Exceptions.h"
#include "classlib/stdctrls/Edit.h"
#include "classlib/stdctrls/EditMask.h"

CLASSLIB_EXCEPTION(EDBEditError, Exception)

// An edit whose text may follow an EditMask: typed, pasted and deleted characters go to
// the mask's places (others are refused with a beep), the literals stay, and ValidateEdit
// (run when the focus leaves) raises EDBEditError while a required place is blank. The
// base of every edit that derived controls wrap; EditCanModify decides whether keys may
// change the text.
class TCustomMaskEdit : public TCustomEdit {
  CLASSLIB_CLASS(TCustomMaskEdit, TCustomEdit)
 public:
  explicit TCustomMaskEdit(TComponent* owner);

  AnsiString EditMask() const { return editMask_; }
  void SetEditMask(const AnsiString& value);
  bool IsMasked() const { return mask_.Active(); }
  // The text as shown, literals and blanks included.
  AnsiString EditText() const;
  void SetEditText(const AnsiString& value);
  // Puts the caret on the first required place left blank and calls ValidateError.
  virtual void ValidateEdit();
  void DefaultHandler(TMessage& message) override;

 protected:
  virtual bool EditCanModify() { return !ReadOnly(); }
  // The text does not fit the mask: raises EDBEditError.
  virtual void ValidateError();
  AnsiString GetText() const override;
  void SetTextValue(const AnsiString& text) override;
  void DoExit() override;

 private:
  void TypeChar(char c);
  void Backspace();
  void DeleteSelection(bool forward);
  void PasteText(const AnsiString& text);
  // Replaces the characters [from, to) of the edit text, with undo.
  void ReplaceRange(int from, int to, const AnsiString& text);
  bool HandleMaskMessage(TMessage& message);

  AnsiString editMask_;
  TEditMask mask_;
};

class TMaskEdit : public TCustomMaskEdit {
  CLASSLIB_CLASS(TMaskEdit, TCustomMaskEdit)
 public:
  using TCustomMaskEdit::TCustomMaskEdit;
};
