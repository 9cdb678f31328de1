#pragma once
// The numeric inner editor of spin edits and numeric combo boxes: takes only the
// characters of a number (others are refused with a beep) and turns the Up and Down keys
// and the mouse wheel into step requests for its owner.
#include "skin/controls/Skinctrls_Edit.h"

class TspSkinNumEdit : public TspCustomEdit {
  CLASSLIB_CLASS(TspSkinNumEdit, TspCustomEdit)
 public:
  explicit TspSkinNumEdit(TComponent* owner);

  // Off: the text cannot be typed into (the steps still change it).
  bool EditorEnabled() const { return editorEnabled_; }
  void SetEditorEnabled(bool value) { editorEnabled_ = value; }
  // The decimal separator is accepted.
  bool Float() const { return float_; }
  void SetFloat(bool value) { float_ = value; }
  bool IsValidChar(char c) const;

  void Dispatch(TMessage& message) override;

  // Step requests: Up key and wheel towards the user (up), Down key and wheel away (down).
  TNotifyEvent OnUpClick;
  TNotifyEvent OnDownClick;
  TNotifyEvent OnEditMouseEnter;
  TNotifyEvent OnEditMouseLeave;

 protected:
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyPress(char& key) override;

 private:
  bool editorEnabled_ = true;
  bool float_ = false;
};
