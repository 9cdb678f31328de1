#pragma once
// The framed spin buttons (two repeating control buttons, one above the other or side by
// side) and the framed spin edit: a framed edit for a number with the spin buttons in its
// right edge, a range, steps by buttons, keys and wheel, and a fixed number of decimals
// (FrSpnEdt_Edit.cpp).
#include "framed/FrButton.h"
#include "framed/FrEdit.h"

enum TSpinDirection { sdUpDown, sdLeftRight };
// Which button stepped: 0 up or right, 1 down or left.
enum TSpinButtonType { sbUpRight, sbDownLeft };
// (Sender, AllowChange)
using TSpinChangingEvent = TEvent<TObject*, bool&>;
using TSpinButtonEvent = TEvent<TObject*, TSpinButtonType>;

class TFrSpinButtons : public TWinControl {
  CLASSLIB_CLASS(TFrSpinButtons, TWinControl)
 public:
  explicit TFrSpinButtons(TComponent* owner);

  TFrControlButton* Button(TSpinButtonType which) const { return which == sbUpRight ? upRight_ : downLeft_; }
  TSpinDirection Direction() const { return direction_; }
  // Resets both glyphs to the direction's arrows.
  virtual void SetDirection(TSpinDirection value);
  TOrientation Orientation() const { return orientation_; }
  // Halves the width when becoming vertical, doubles it when becoming horizontal.
  virtual void SetOrientation(TOrientation value);
  bool Flat() const { return upRight_->Flat(); }
  virtual void SetFlat(bool value);
  void SetEnabled(bool value) override;
  // Also the buttons' colour.
  void SetColor(TColor value);
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* value);
  // A custom glyph (null: the direction's arrow again).
  virtual void SetGlyph(TSpinButtonType which, TBitmap* value);
  bool HasCustomGlyph(TSpinButtonType which) const { return custom_[which]; }
  virtual void SetNumGlyphs(TSpinButtonType which, int value) { Button(which)->SetNumGlyphs(value); }

  void SetBounds(int left, int top, int width, int height) override;
  void Dispatch(TMessage& message) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void Loaded() override;

  TNotifyEvent OnUpRightClick;
  TNotifyEvent OnDownLeftClick;

 protected:
  virtual TFrControlButton* CreateSpinButton();
  virtual void ButtonClick(TObject* sender);
  // Takes the focus for FocusControl (or the spin buttons) before a press; a press that
  // cannot take it is abandoned silently.
  virtual void ButtonMouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
  virtual void ArrangeButtons(int width, int height);
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void ShowArrow(TSpinButtonType which);

  TFrControlButton* upRight_;
  TFrControlButton* downLeft_;
  bool custom_[2] = {false, false};
  TSpinDirection direction_ = sdUpDown;
  TOrientation orientation_ = orVertical;
  TWinControl* focusControl_ = nullptr;
};

class TFrSpinEdit : public TFrCustomEdit {
  CLASSLIB_CLASS(TFrSpinEdit, TFrCustomEdit)
 public:
  explicit TFrSpinEdit(TComponent* owner);

  TFrSpinButtons* SpinButtons() const { return buttons_; }
  // The number in the text: an empty text is BlankValue with AllowBlank, else the text
  // becomes Min; a text that is no number reads as Min.
  virtual double Value();
  // Clamped (CheckValue) and written with Decimals digits.
  virtual void SetValue(double value);
  // Value rounded to the nearest integer (halves to even).
  int IntValue() { return static_cast<int>(Round(Value())); }
  void SetIntValue(int value) { SetValue(value); }
  double Min() const { return min_; }
  virtual void SetMin(double value);
  double Max() const { return max_; }
  virtual void SetMax(double value);
  bool CheckRange() const { return checkRange_; }
  virtual void SetCheckRange(bool value);
  double Increment() const { return increment_; }
  void SetIncrement(double value) { increment_ = value; }
  double PageSize() const { return pageSize_; }
  void SetPageSize(double value) { pageSize_ = value; }
  int Decimals() const { return decimals_; }
  virtual void SetDecimals(int value);
  bool IntegersOnly() const { return integersOnly_; }
  virtual void SetIntegersOnly(bool value);
  bool AllowKeyEdit() const { return allowKeyEdit_; }
  void SetAllowKeyEdit(bool value) { allowKeyEdit_ = value; }
  bool AllowBlank() const { return allowBlank_; }
  void SetAllowBlank(bool value) { allowBlank_ = value; }
  double BlankValue() const { return blankValue_; }
  void SetBlankValue(double value) { blankValue_ = value; }
  int ButtonWidth() const { return buttonWidth_; }
  virtual void SetButtonWidth(int value);
  // The flat buttons' colour while hot or focused (without visual styles).
  TColor FlatButtonColor() const { return flatButtonColor_; }
  void SetFlatButtonColor(TColor value) { flatButtonColor_ = value; }
  void SetFlatButtons(bool value) override;
  virtual void SetOrientation(TOrientation value);
  virtual void SetDirection(TSpinDirection value);
  // X within [Min, Max] unless Min equals Max without CheckRange (no range then).
  virtual double CheckValue(double value);

  TSpinChangingEvent OnChanging;
  TSpinButtonEvent OnButtonClick;

  void Dispatch(TMessage& message) override;
  void Loaded() override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyPress(char& key) override;

 protected:
  virtual void PlaceButtons();
  virtual void UpdateMargins();
  virtual bool IsValidChar(char key);
  virtual void UpClick(TObject*) { IncValue(increment_); }
  virtual void DownClick(TObject*) { DecValue(increment_); }
  virtual void IncValue(double amount) { Step(amount, sbUpRight); }
  virtual void DecValue(double amount) { Step(-amount, sbDownLeft); }
  TRect GetEditRect() override;
  void CreateParams(TCreateParams& params) override;
  void CreateHandleState() override;
  bool DoMouseWheel(TShiftState shift, int wheelDelta, const TPoint& mousePos) override;
  void DoEnter() override;
  void DoExit() override;
  void RepaintHotState() override;

 private:
  void Step(double amount, TSpinButtonType button);
  bool Loading() const { return ComponentState().Contains(csLoading); }
  void FlatButtonLook();

  TFrSpinButtons* buttons_;
  double min_ = 0;
  double max_ = 100;
  bool checkRange_ = false;
  double increment_ = 1;
  double pageSize_ = 10;
  int decimals_ = 0;
  bool integersOnly_ = true;
  bool allowKeyEdit_ = false;
  bool allowBlank_ = false;
  double blankValue_ = 0;
  // A value read from a form resource before its range: applied once loading ends.
  double loadedValue_ = 0;
  int buttonWidth_ = 17;
  TColor flatButtonColor_ = clBtnFace;
};

// Registers the spin buttons' and spin edits' properties for form resources.
void RegisterSpinEditClasses();
