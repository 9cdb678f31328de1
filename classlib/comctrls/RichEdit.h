#pragma once
#include "classlib/stdctrls/Memo.h"

// A memo over the system rich edit (version 2). PlainText is kept as a flag: the text is
// always read and written plain. Change follows every change of the text and
// OnSelectionChange every move of the selection.
class TCustomRichEdit : public TCustomMemo {
  CLASSLIB_CLASS(TCustomRichEdit, TCustomMemo)
 public:
  explicit TCustomRichEdit(TComponent* owner);

  bool PlainText() const { return plainText_; }
  void SetPlainText(bool value) { plainText_ = value; }

  TNotifyEvent OnSelectionChange;
  void Dispatch(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleState() override;
  virtual void SelectionChange() { OnSelectionChange(this); }

 private:
  // The window's background and text colours: Color and Font's colour.
  void ApplyColors();
  bool plainText_ = false;
};

class TRichEdit : public TCustomRichEdit {
  CLASSLIB_CLASS(TRichEdit, TCustomRichEdit)
 public:
  using TCustomRichEdit::TCustomRichEdit;
};
