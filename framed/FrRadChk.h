#pragma once
// The framed check box and radio button: a 13 x 13 state glyph beside the caption, from
// the visual styles while they are active, from a recoloured template with HotTrack, from
// the system's frame-control drawing otherwise, or from a strip of the user's images. The
// whole control is composed off screen and copied in one piece.
#include <vector>

#include "classlib/windowing/ControlActionLink.h"
#include "framed/FrButton.h"
#include "framed/FrCommon_FrameController.h"

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TFrCustomGlyphButton : public TFrCustomButton, public IFrameControllerClient {
  CLASSLIB_CLASS(TFrCustomGlyphButton, TFrCustomButton)
 public:
  explicit TFrCustomGlyphButton(TComponent* owner);
  ~TFrCustomGlyphButton() override;

  TAlignment Alignment() const { return alignment_; }
  virtual void SetAlignment(TAlignment value);
  TBitmap* CustomGlyphs() const { return customGlyphs_; }
  virtual void SetCustomGlyphs(TBitmap* value) { customGlyphs_->Assign(value); }
  bool UseCustomGlyphs() const { return useCustomGlyphs_; }
  virtual void SetUseCustomGlyphs(bool value);
  TColor FrameColor() const { return frameColor_; }
  virtual void SetFrameColor(TColor value);
  TColor DisabledColor() const { return disabledColor_; }
  virtual void SetDisabledColor(TColor value);
  TColor TransparentColor() const { return transparentColor_; }
  virtual void SetTransparentColor(TColor value);
  TColor WinMaskColor() const { return winMaskColor_; }
  virtual void SetWinMaskColor(TColor value);
  bool TabOnEnter() const { return tabOnEnter_; }
  void SetTabOnEnter(bool value) { tabOnEnter_ = value; }
  TFrFrameController* FrameController() const { return frameController_; }
  virtual void SetFrameController(TFrFrameController* value);
  void SetTransparent(bool value) override;

  int GlyphWidth() const { return glyphWidth_; }
  int GlyphHeight() const { return glyphHeight_; }
  // Images per custom strip.
  int NumStates() const { return numStates_; }

  // The checked state the converter's windows read; false here.
  bool GetChecked() const override { return false; }
  void SetChecked(bool value) override { (void)value; }

  void ApplyControllerFrame() override;
  void Dispatch(TMessage& message) override;
  void DefineProperties(TFiler* filer) override;

 protected:
  // A colour that equals one of the key colours moved one RGB step up.
  virtual TColor AvoidMaskColor(TColor color) const;
  // Fills `bitmap` (the glyph's size) with the glyph of the current state.
  virtual void MakeGlyphBitmap(TBitmap* bitmap) = 0;
  virtual void PaintStateGlyph(TCanvas* canvas);
  // Copies image `index` of `strip` into `dest`.
  virtual void ExtractGlyphImage(int index, TBitmap* dest, TBitmap* strip, int width, int height);
  // The number of the state's image in a custom strip.
  virtual int CustomGlyphIndex() const = 0;
  // The template of the state and its key colours' replacements.
  void LoadTemplateGlyph(TBitmap* bitmap, const char* name, const std::vector<TColorMap>& map);
  // The state's glyph from the visual styles: element `n` over the glyph's parent background.
  void PaintStyledGlyph(TBitmap* bitmap, int n, bool fillFirst);
  // The colours the templates are drawn with: full-colour track shades, or the window colour.
  struct THotColors {
    TColor Light, Dark, Pressed;
  };
  THotColors HotColors() const;

  void RepaintDisplay() override { Repaint(); }
  void RepaintFocus() override { Repaint(); }
  void GetDisplayRect(TRect& rect) override;
  void Paint() override;
  void KeyPress(char& key) override;
  TClass GetActionLinkClass() const override;
  void Notification(TComponent* component, TOperation operation) override;
  void SetNumStates(int value) { numStates_ = value; }

 private:
  void CustomGlyphsChanged(TObject* sender);
  void RefreshBackground();
  void ReadFlat(const TValueReader& value);
  template <class T>
  void StoreGlyphColor(T& field, const T& value);

  TAlignment alignment_ = taRightJustify;
  TBitmap* customGlyphs_;
  bool useCustomGlyphs_ = false;
  TColor frameColor_ = clBtnShadow;
  TColor disabledColor_ = clBtnFace;
  TColor transparentColor_ = clOlive;
  TColor winMaskColor_ = clLime;
  bool tabOnEnter_ = false;
  TFrFrameController* frameController_ = nullptr;
  int numStates_ = 2;
  int glyphWidth_ = 13;
  int glyphHeight_ = 13;
  TBitmap* background_;
  bool updateBackground_ = true;
};

// Links a glyph button's checked state to its action's.
class TFrCheckedActionLink : public TWinControlActionLink {
  CLASSLIB_CLASS(TFrCheckedActionLink, TWinControlActionLink)
 public:
  explicit TFrCheckedActionLink(TObject* client);
  bool IsCheckedLinked() const override;
  void SetChecked(bool value) override;

 private:
  TFrCustomGlyphButton* button_;
};

class TFrRadioButton : public TFrCustomGlyphButton {
  CLASSLIB_CLASS(TFrRadioButton, TFrCustomGlyphButton)
 public:
  explicit TFrRadioButton(TComponent* owner);

  bool Checked() const { return checked_; }
  bool GetChecked() const override { return checked_; }
  // Checking unchecks the other radio buttons of the parent and clicks.
  void SetChecked(bool value) override;
  void Dispatch(TMessage& message) override;

 protected:
  void ChangeState() override;
  void MakeGlyphBitmap(TBitmap* bitmap) override;
  int CustomGlyphIndex() const override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  void UncheckSiblingRadios();
  std::vector<TColorMap> TemplateColors() const;

  bool checked_ = false;
  bool usingMouse_ = false;
};

class TFrCustomCheckBox : public TFrCustomGlyphButton {
  CLASSLIB_CLASS(TFrCustomCheckBox, TFrCustomGlyphButton)
 public:
  explicit TFrCustomCheckBox(TComponent* owner);

  TCheckBoxState State() const { return state_; }
  // A changed state repaints and clicks.
  virtual void SetState(TCheckBoxState value);
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool value) { allowGrayed_ = value; }
  bool GetChecked() const override { return state_ == cbChecked; }
  void SetChecked(bool value) override { SetState(value ? cbChecked : cbUnchecked); }
  void Dispatch(TMessage& message) override;

 protected:
  void ChangeState() override;
  void MakeGlyphBitmap(TBitmap* bitmap) override;
  int CustomGlyphIndex() const override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyUp(WORD& key, TShiftState shift) override;
  void DoExit() override;

 private:
  std::vector<TColorMap> TemplateColors() const;
  void DialogChar(TMessage& message);

  TCheckBoxState state_ = cbUnchecked;
  bool allowGrayed_ = false;
  bool keyToggle_ = false;
};

class TFrCheckBox : public TFrCustomCheckBox {
  CLASSLIB_CLASS(TFrCheckBox, TFrCustomCheckBox)
 public:
  using TFrCustomCheckBox::TFrCustomCheckBox;
};

// Registers the check boxes' and radio buttons' properties for form resources.
void RegisterRadioCheckClasses();
