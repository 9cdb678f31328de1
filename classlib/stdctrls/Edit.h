#pragma once
#include "classlib/windowing/Forms.h"
#include "classlib/windowing/WinControl.h"

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

// A one-line text box over the system EDIT class: selection, clipboard, undo, length
// limit, case, password character, read-only state and border. OnChange follows every
// change of the text (not while the control is being loaded).
class TCustomEdit : public TWinControl {
  CLASSLIB_CLASS(TCustomEdit, TWinControl)
 public:
  explicit TCustomEdit(TComponent* owner);

  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool value) { autoSelect_ = value; }
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle value);
  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool value);
  TEditCharCase CharCase() const { return charCase_; }
  void SetCharCase(TEditCharCase value);
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool value);
  int MaxLength() const { return maxLength_; }
  virtual void SetMaxLength(int value);
  char PasswordChar() const { return passwordChar_; }
  void SetPasswordChar(char value);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);
  bool Modified() const;
  void SetModified(bool value);

  int SelStart();
  void SetSelStart(int value);
  int SelLength();
  void SetSelLength(int value);
  AnsiString SelText();
  void SetSelText(const AnsiString& text);
  void SelectAll();
  void ClearSelection();
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  void Undo();
  bool CanUndo();
  void ClearUndo();

  TNotifyEvent OnChange;
  void Dispatch(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleState() override;
  virtual void Change();
  void DoEnter() override;

 private:
  bool autoSelect_ = true;
  TFormBorderStyle borderStyle_ = bsSingle;
  bool ctl3D_ = true;
  TEditCharCase charCase_ = ecNormal;
  bool hideSelection_ = true;
  int maxLength_ = 0;
  char passwordChar_ = 0;
  bool readOnly_ = false;
};

class TEdit : public TCustomEdit {
  CLASSLIB_CLASS(TEdit, TCustomEdit)
 public:
  using TCustomEdit::TCustomEdit;
};
