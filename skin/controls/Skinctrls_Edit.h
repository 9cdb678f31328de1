#pragma once
// The base of every skinned single-line edit: a system EDIT window (always multi-line, so
// it sees Enter and Escape) with its own read-only mode that filters the input messages,
// Enter and Escape handed to the form's default and cancel buttons, a transparent mode
// (text without background over what the parent paints) and a skinned context menu
// built anew each time it opens. Derived editors (the skinned edit, the numeric inner
// editor of spin edits and combo boxes) reuse the filtering and the menu unchanged.
#include <memory>

#include "classlib/stdctrls/MaskEdit.h"
#include "skin/controls/Skinmenus_Popup.h"

using TControlEvent = TEvent<TControl*>;

class TspCustomEdit : public TCustomMaskEdit {
  CLASSLIB_CLASS(TspCustomEdit, TCustomMaskEdit)
 public:
  explicit TspCustomEdit(TComponent* owner);
  ~TspCustomEdit() override;

  // The edit's own read-only mode: characters (but Enter and Escape), the Delete key,
  // cut, paste, clear and undo are dropped; the system window stays writable.
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value) { readOnly_ = value; }
  // Text drawn without background; the window is recreated.
  bool EditTransparent() const { return editTransparent_; }
  void SetEditTransparent(bool value);

  // The context menu last built (owned), or null once a command ran.
  TspSkinPopupMenu* SysPopupMenu() const { return sysPopupMenu_.get(); }
  // Builds the context menu for the edit's current state.
  void CreateSysPopupMenu();
  void DoUndo() { Undo(); }
  void DoCut() { CutToClipboard(); }
  void DoCopy() { CopyToClipboard(); }
  void DoPaste() { PasteFromClipboard(); }
  void DoDelete() { ClearSelection(); }
  void DoSelectAll() { SelectAll(); }

  // A transparent edit invalidates the parent's area under it and redraws itself.
  void Invalidate() override;
  void Dispatch(TMessage& message) override;

  // After a cancel-mode notification, with the control that cancels the mode.
  TControlEvent OnEditCancelMode;

 protected:
  void CreateParams(TCreateParams& params) override;
  void Change() override;
  bool EditCanModify() override { return !readOnly_ && TCustomMaskEdit::EditCanModify(); }
  // The input messages: true when `message` was one of them and is answered.
  bool HandleInput(TMessage& message);
  // A transparent edit redraws after `message` changed what it shows.
  void RedrawWhenTransparent();

 private:
  void ForwardDialogKey(TMessage& message);
  void Paste(TMessage& message);
  bool AnswerColor(TMessage& message);
  void ShowContextMenu(TMessage& message);
  // The context menu's point for the message's screen position: the control's centre
  // when it was opened by the keyboard.
  TPoint MenuPoint(const TMessage& message);
  void AddMenuItem(const AnsiString& caption, bool enabled, void (TspCustomEdit::*action)(TObject*));
  void UndoClick(TObject*) { DoUndo(); }
  void CutClick(TObject*) { DoCut(); }
  void CopyClick(TObject*) { DoCopy(); }
  void PasteClick(TObject*) { DoPaste(); }
  void DeleteClick(TObject*) { DoDelete(); }
  void SelectAllClick(TObject*) { DoSelectAll(); }

  bool leftButtonDown_ = false;
  bool readOnly_ = false;
  bool editTransparent_ = false;
  std::unique_ptr<TspSkinPopupMenu> sysPopupMenu_;
};

// The height of a line of `font`'s text (its text metrics on the screen).
int TextHeightOf(TFont* font);

// The text before the first line break (all of it without one).
AnsiString FirstLineOf(const AnsiString& text);
