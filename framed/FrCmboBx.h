#pragma once
// The framed combo box: the class library's combo box with the shared entry frame and
// colours, a flat or hot drop-down button, a read-only mode, a drop-down width kept
// across a new window, wheel stepping, and the keyboard search: typed letters gather
// into a search text for 1.5 s in a drop-down list, and typing completes the text from
// the first matching item in the editable styles (FrCmboBx_Search.cpp).
#include "classlib/stdctrls/ComboBox.h"
#include "classlib/windowing/Timer.h"
#include "framed/FrEntryFrame.h"

// (Sender, Item): an item with data is being deleted.
using TFrDeleteComboItemEvent = TEvent<TObject*, void*>;

class TFrCustomComboBox : public TCustomComboBox, public IFrEntryHost {
  CLASSLIB_CLASS(TFrCustomComboBox, TCustomComboBox)
 public:
  explicit TFrCustomComboBox(TComponent* owner);
  ~TFrCustomComboBox() override;

  TFrEntryFrame& EntryFrame() { return frame_; }
  // The colour through the state rules of the entry frame.
  void SetColor(TColor value) { frame_.SetColor(value); }

  bool FlatButtons() const { return flatButtons_; }
  virtual void SetFlatButtons(bool value);
  TColor FlatButtonColor() const { return flatButtonColor_; }
  virtual void SetFlatButtonColor(TColor value);
  int DropDownWidth() const { return dropDownWidth_; }
  virtual void SetDropDownWidth(int value);
  bool ReadOnly() const { return readOnly_; }
  virtual void SetReadOnly(bool value);
  bool AllowEdit() const { return allowEdit_; }
  void SetAllowEdit(bool value) { allowEdit_ = value; }
  bool AutoComplete() const { return autoComplete_; }
  void SetAutoComplete(bool value) { autoComplete_ = value; }
  bool BeepOnInvalidKey() const { return beepOnInvalidKey_; }
  void SetBeepOnInvalidKey(bool value) { beepOnInvalidKey_ = value; }
  bool KeepSearchCase() const { return keepSearchCase_; }
  void SetKeepSearchCase(bool value) { keepSearchCase_ = value; }
  // The edit part's selection (CB_GETEDITSEL, CB_SETEDITSEL).
  int SelStart();
  int SelLength();
  void SetEditSel(int start, int length);
  // Taken only by the owner-drawn style; the others keep the system's height.
  void SetOwnerDrawItemHeight(int value);

  // The type-ahead text and the timer that ends it 1.5 s after the last letter.
  const AnsiString& SearchText() const { return searchText_; }
  TTimer* SearchTimer() const { return searchTimer_; }
  // The index of `text` in Items (whole text), or -1.
  virtual int IndexOfItem(const AnsiString& text) { return Items()->IndexOf(text); }
  // Sets the text without completing it.
  virtual void SetTextWithoutCompletion(const AnsiString& text);

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TNotifyEvent OnMatch;
  TNotifyEvent OnNotInList;
  TNotifyEvent OnSelEndOk;
  TNotifyEvent OnSelEndCancel;
  TFrDeleteComboItemEvent OnDeleteItem;

  void Dispatch(TMessage& message) override;
  void Loaded() override;
  void DefineProperties(TFiler* filer) override;

  // IFrEntryHost
  TWinControl* EntryControl() override { return this; }
  bool EntryFocused() override { return focused_; }
  void RepaintFrame() override { Invalidate(); }
  void FrameVisibilityChanged(bool visible) override;
  void RepaintHotState() override;

 protected:
  void CreateWnd() override;
  void DestroyWnd() override;
  void EditWndProc(TMessage& message) override;
  void KeyPress(char& key) override;
  void CloseUp() override;
  bool DoMouseWheel(TShiftState shift, int wheelDelta, const TPoint& mousePos) override;
  void Notification(TComponent* component, TOperation operation) override;
  void DoEnter() override;
  void DoExit() override;

  // ---- The keyboard search (FrCmboBx_Search.cpp) ----
  // MessageBeep(0) through the system actions, when BeepOnInvalidKey.
  virtual void InvalidKeyBeep();
  // The first item beginning with `text`, or -1.
  virtual int FindItemPrefix(const AnsiString& text);
  // Selects the first item beginning with `text` and makes it the search text; beeps
  // when there is none. `key` is the typed character handed to KeyPress afterwards.
  virtual void SelectBySearch(const AnsiString& text, char key);
  // Completes the text from the first item beginning with `text` and selects the
  // completed tail; false when no item begins with it.
  virtual bool CompleteFromSearch(const AnsiString& text, char key);
  virtual void DoMatch() { OnMatch(this); }
  virtual void DoDeleteItem(void* item) { OnDeleteItem(this, item); }

 private:
  // The drop-down list's own keys and characters; false: the class library handles it.
  bool ListStyleKey(TMessage& message);
  // The editable styles' completion for the edit part's messages; false: pass on.
  bool CompletionMessage(TMessage& message);
  bool CompletionKeyDown(TMessage& message);
  bool CompletionChar(TMessage& message);
  bool CompletionBackspace();
  bool CompletionLetter(TMessage& message);
  void AfterCompletionMessage(const TMessage& message);
  void ClipboardMessage(TMessage& message);
  void TextChanged();
  // Selects `index` and fires Click and Change.
  void SelectAndNotify(int index);
  void SearchTick(TObject* sender);
  void StepByWheel(bool down);

  void Paint();
  void PaintButton(TCanvas* canvas, const TRect& button);
  TRect ButtonRect() const;

  TFrEntryFrame frame_;
  TTimer* searchTimer_;
  AnsiString searchText_;
  bool flatButtons_ = false;
  TColor flatButtonColor_ = clBtnFace;
  int dropDownWidth_ = 0;
  bool readOnly_ = false;
  bool allowEdit_ = true;
  bool autoComplete_ = true;
  bool beepOnInvalidKey_ = true;
  bool keepSearchCase_ = false;
  bool focused_ = false;
  bool typing_ = false;
  bool escapeWhileDropped_ = false;
  bool enterPressed_ = false;
  bool systemKey_ = false;
  bool internalTextChange_ = false;
  bool shiftInsertPaste_ = false;
  bool clipboardChar_ = false;
  bool keyPressRan_ = false;
};

class TFrComboBox : public TFrCustomComboBox {
  CLASSLIB_CLASS(TFrComboBox, TFrCustomComboBox)
 public:
  using TFrCustomComboBox::TFrCustomComboBox;
};

// Registers the framed combo boxes' properties for form resources.
void RegisterComboBoxClasses();
