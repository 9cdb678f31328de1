#pragma once
// The framed edit and memo: the class library's masked edit and memo with the shared
// entry frame and colours painted in the non-client area over the standard border. The
// edit adds a text alignment, a validation hook and, for descendants, a drop-down button
// in its non-client area (FrEdit_DropButton.cpp); the memo adds the caret's line and
// column and notices of them and of the clipboard (FrEdit_Memo.cpp).
#include "classlib/stdctrls/MaskEdit.h"
#include "classlib/stdctrls/Memo.h"
#include "framed/FrEntryFrame.h"

// (Sender, Message): an empty message lets the masked edit report its own error.
using TFrValidateErrorEvent = TEvent<TObject*, AnsiString&>;
// (Sender, Line, Column), both counted from 1.
using TLineColChangeEvent = TEvent<TObject*, int, int>;
// (Sender, HasSelection, HasText)
using TClipboardChangeEvent = TEvent<TObject*, bool, bool>;

// Whether the system is Windows 4.0 (major 4, minor 0): the edit's focus and Enter rules
// of that version. `OverrideWindowsVersion` makes the answer fixed (major 0: the
// system's own again).
bool IsWindows40();
void OverrideWindowsVersion(int major, int minor);

class TFrCustomEdit : public TCustomMaskEdit, public IFrEntryHost {
  CLASSLIB_CLASS(TFrCustomEdit, TCustomMaskEdit)
 public:
  explicit TFrCustomEdit(TComponent* owner);
  ~TFrCustomEdit() override;

  TFrEntryFrame& EntryFrame() { return frame_; }
  void SetColor(TColor value) { frame_.SetColor(value); }
  TAlignment Alignment() const { return alignment_; }
  virtual void SetAlignment(TAlignment value);
  bool FlatButtons() const { return flatButtons_; }
  virtual void SetFlatButtons(bool value);
  // The masked edit's text.
  virtual AnsiString ReadText() { return Text(); }

  bool DropButtonVisible() const { return dropButtonVisible_; }
  bool DropButtonDown() const { return dropButtonDown_; }

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;
  TFrValidateErrorEvent OnValidateError;

  void Dispatch(TMessage& message) override;
  void Loaded() override;
  void DefineProperties(TFiler* filer) override;
  void KeyPress(char& key) override;
  void KeyDown(WORD& key, TShiftState shift) override;

  // IFrEntryHost
  TWinControl* EntryControl() override { return this; }
  bool EntryFocused() override { return Focused(); }
  void RepaintFrame() override { RedrawFrame(); }
  void FrameVisibilityChanged(bool visible) override;
  void RepaintHotState() override;

 protected:
  virtual void RedrawFrame() { frame_.RedrawWindowFrame(); }
  // The text area: the client rectangle (the spin edit leaves out its buttons).
  virtual TRect GetEditRect() { return ClientRect(); }
  virtual void PaintDropButton(const TRect& rect);
  virtual void SetDropButtonState(bool down);
  virtual void SetDropButtonVisible(bool visible);
  void CreateParams(TCreateParams& params) override;
  void ValidateError() override;
  void Notification(TComponent* component, TOperation operation) override;
  void DoEnter() override;
  void DoExit() override;

 private:
  // The drop button's strip of the window, in window coordinates.
  TRect DropButtonRect() const;
  void OpenDropButton();
  bool DropButtonMessage(TMessage& message);

  TFrEntryFrame frame_;
  TAlignment alignment_ = taLeftJustify;
  bool flatButtons_ = false;
  TColor flatButtonColor_ = clBtnFace;
  bool dropButtonVisible_ = false;
  bool dropButtonDown_ = false;
  bool droppedDown_ = false;
  bool mouseOverButton_ = false;
};

class TFrEdit : public TFrCustomEdit {
  CLASSLIB_CLASS(TFrEdit, TFrCustomEdit)
 public:
  using TFrCustomEdit::TFrCustomEdit;
};

class TFrMemo : public TMemo, public IFrEntryHost {
  CLASSLIB_CLASS(TFrMemo, TMemo)
 public:
  explicit TFrMemo(TComponent* owner);
  ~TFrMemo() override;

  TFrEntryFrame& EntryFrame() { return frame_; }
  void SetColor(TColor value) { frame_.SetColor(value); }
  // The caret's line and column, counted from 1.
  virtual int GetLine();
  // The caret to the start of line `value`, which scrolls to the top; a missing line
  // scrolls nothing and notifies nothing.
  virtual void SetLine(int value);
  virtual int GetColumn();
  // The caret to column `value` of its line; beyond the line's end plus one nothing.
  virtual void SetColumn(int value);

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TLineColChangeEvent OnLineColChange;
  TClipboardChangeEvent OnClipboardChange;

  void Dispatch(TMessage& message) override;
  void Loaded() override;
  void DefineProperties(TFiler* filer) override;
  void KeyPress(char& key) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyUp(WORD& key, TShiftState shift) override;
  void Click() override;

  // IFrEntryHost
  TWinControl* EntryControl() override { return this; }
  bool EntryFocused() override { return Focused(); }
  void RepaintFrame() override { frame_.RedrawWindowFrame(); }
  void FrameVisibilityChanged(bool visible) override;
  void RepaintHotState() override;

 protected:
  virtual void LineColChanged();
  virtual void ClipboardChanged();
  void CreateHandleState() override;
  void Change() override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  bool DoMouseWheel(TShiftState shift, int wheelDelta, const TPoint& mousePos) override;
  void Notification(TComponent* component, TOperation operation) override;
  void DoEnter() override;
  void DoExit() override;

 private:
  int LineStart(int line);

  TFrEntryFrame frame_;
};

// Registers the framed edits' and memos' properties for form resources.
void RegisterEditClasses();
