#pragma once
// The skinned spin edit (look "spinedit"): a numeric inner editor and two arrow buttons
// that keep an integer or float Value within MinValue..MaxValue (both 0: no bounds). What
// is typed is read as soon as it is a number; the text is corrected when the editor
// loses the focus. The buttons, Up and Down keys and the wheel step by Increment.
#include "skin/controls/Skinctrls_NumEdit.h"
#include "skin/controls/Skinctrls_StepButtons.h"

enum TspValueType { vtInteger, vtFloat };

// What the spin edit copies from a "spinedit" look (TspDataSkinSpinEditControl).
struct TspSpinEditLook {
  TRect ActiveSkinRect;
  AnsiString FontName;
  TFontStyles FontStyle;
  int FontHeight = 0;
  TColor FontColor = clBlack, DisabledFontColor = clBlack, ActiveFontColor = clBlack;
  TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
  TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;
  int LOffset = 0, ROffset = 0;
};

class TspSkinSpinEdit : public TspSkinStepControl {
  CLASSLIB_CLASS(TspSkinSpinEdit, TspSkinStepControl)
 public:
  explicit TspSkinSpinEdit(TComponent* owner);
  ~TspSkinSpinEdit() override;

  TspSkinNumEdit* Editor() const { return editor_; }
  TColor DefaultColor() const { return defaultColor_; }
  void SetDefaultColor(TColor value);
  bool UseSkinSize() const { return useSkinSize_; }
  void SetUseSkinSize(bool value);
  TspValueType ValueType() const { return valueType_; }
  void SetValueType(TspValueType value);
  BYTE Decimal() const { return decimal_; }
  void SetDecimal(BYTE value) { decimal_ = value; }
  double MinValue() const { return minValue_; }
  void SetMinValue(double value);
  double MaxValue() const { return maxValue_; }
  void SetMaxValue(double value);
  double Increment() const { return increment_; }
  void SetIncrement(double value) { increment_ = value; }
  double Value() const { return value_; }
  // Takes the value (bounded) and shows it; OnChange follows, also for the same value,
  // unless the call comes from within a change.
  void SetValue(double value);
  // As SetValue, without OnChange.
  void SimpleSetValue(double value);
  double CheckValue(double value) const;
  bool IsNumText(const AnsiString& text) const;
  bool EditorEnabled() const { return editor_->EditorEnabled(); }
  void SetEditorEnabled(bool value) { editor_->SetEditorEnabled(value); }
  int MaxLength() const { return editor_->MaxLength(); }
  void SetMaxLength(int value) { editor_->SetMaxLength(value); }
  void UpClick(TObject* sender);
  void DownClick(TObject* sender);

  virtual void EditKeyDown(TObject* sender, WORD& key, TShiftState shift);
  virtual void EditKeyUp(TObject* sender, WORD& key, TShiftState shift);
  virtual void EditKeyPress(TObject* sender, char& key);
  virtual void EditEnter(TObject* sender);
  virtual void EditExit(TObject* sender);
  virtual void Change();

  void GetSkinData() override;
  void ChangeSkinData() override;
  void DefaultFontChange() override;
  void CalcSize(int& W, int& H) override;
  void SetControlRegion() override;
  void Invalidate() override;
  void Dispatch(TMessage& message) override;

  TNotifyEvent OnChange;
  TKeyEvent OnEditKeyDown;
  TKeyEvent OnEditKeyUp;
  TKeyPressEvent OnEditKeyPress;
  TNotifyEvent OnEditEnter;
  TNotifyEvent OnEditExit;

 protected:
  AnsiString GetText() const override;
  void CreateControlDefaultImage(TBitmap* bitmap) override;
  void CreateControlSkinImage(TBitmap* bitmap) override;
  void Step(TspRepeatMode mode) override;
  void ButtonReleased(int index, bool over) override;
  void CalcRects();

 private:
  AnsiString FormattedValue() const;
  // Shows a text in the editor without reading it back.
  void ShowText(const AnsiString& text);
  void EditChange(TObject* sender);
  // Reads what was typed: a number takes effect at once (bounded), and one beyond the
  // range on the side away from zero is shown bounded.
  void ReadTypedText();
  void EditMouseEnter(TObject* sender);
  void EditMouseLeave(TObject* sender);
  void MouseEntered(bool fromEditor);
  void MouseLeft(bool fromEditor);
  bool Skinned() const { return lookIndex_ != -1; }
  bool ShowsActive() const { return Skinned() && !look_.ActiveSkinRect.IsEmpty(); }
  bool HoverColours() const { return Skinned() && look_.ActiveFontColor != look_.FontColor; }
  void ApplyEditorFont();
  void ApplyEditorColour();
  void PaintEditorInto(HDC dc);

  TspSkinNumEdit* editor_;
  TColor defaultColor_ = clWindow;
  bool useSkinSize_ = true;
  bool mouseIn_ = false;
  bool editorFocused_ = false;
  bool textGuard_ = false;
  BYTE decimal_ = 2;
  double minValue_ = 0;
  double maxValue_ = 0;
  double increment_ = 1;
  TspValueType valueType_ = vtInteger;
  double value_ = 0;
  TspSpinEditLook look_;
};
