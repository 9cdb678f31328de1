#pragma once
// The skinned edit: the system EDIT window keeps its client area, and the skin's frame
// (with an optional push button) is drawn in the non-client area around it. The client
// area's background comes from the skin's client part and the system draws the text
// over it without background. Without a skin the edit shows a built-in two-pixel ring.
// The numeric, link, track, time, date, file and folder edits derive from it.
#include <memory>

#include "classlib/graphics/GraphicsObjects.h"
#include "skin/controls/Skinctrls_Edit.h"
#include "skin/controls/Skinctrls_Link.h"
#include "skin/controls/Skinctrls_ResizeButton.h"

// Hit codes of the edit's frame: the button, and the inert rest of the frame.
constexpr LRESULT kEditButtonHit = HTHSCROLL;
constexpr LRESULT kEditFrameHit = HTVSCROLL;

// What the edit copies from an "edit" look (TspDataSkinEditControl).
struct TspEditLook {
  int LOffset = 0;  // the fixed left part: X of "lefttoppoint"
  int ROffset = 0;  // the fixed right part: width of "skinrect" - X of "righttoppoint"
  TRect ClRect, SkinRect, ActiveSkinRect;
  AnsiString FontName;
  TFontStyles FontStyle;
  int FontHeight = 0;
  TColor FontColor = clBlack, DisabledFontColor = clBlack, ActiveFontColor = clBlack;
  TRect ButtonRect, ActiveButtonRect, DownButtonRect, UnEnabledButtonRect;
  bool StretchEffect = false;
  TBitmap* Picture = nullptr;  // owned by the skin
};

class TspSkinCustomEdit : public TspCustomEdit, public TspSkinLink {
  CLASSLIB_CLASS(TspSkinCustomEdit, TspCustomEdit)
 public:
  explicit TspSkinCustomEdit(TComponent* owner);
  ~TspSkinCustomEdit() override;

  void SetSkinData(TspSkinData* value) override;
  void BeforeChangeSkinData() override {}
  // Finds the look again, takes its font and height, recreates the window.
  void ChangeSkinData() override;
  void SetSkinDataName(const AnsiString& value) { skinDataName_ = value; }
  // Reads the look (LookIndex -1 without one); copies its values when it is an edit look.
  void GetSkinData();
  // ButtonRect and EditRect for the current size and look.
  void CalcRects();
  void InvalidateNC();
  // The height the font needs with the look's (or the built-in) frame.
  int CalcEditHeight();
  void AdjustEditHeight() { SetHeight(CalcEditHeight()); }

  TColor DefaultColor() const { return defaultColor_; }
  void SetDefaultColor(TColor value);
  TFont* DefaultFont() const { return defaultFont_.get(); }
  void SetDefaultFont(TFont* value) { defaultFont_->Assign(value); }
  bool UseSkinFont() const { return useSkinFont_; }
  void SetUseSkinFont(bool value) { useSkinFont_ = value; }
  int DefaultWidth() const { return defaultWidth_; }
  void SetDefaultWidth(int value);
  int DefaultHeight() const { return defaultHeight_; }
  void SetDefaultHeight(int value);
  bool ButtonMode() const { return buttonMode_; }
  void SetButtonMode(bool value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  void SetAlphaBlend(bool value);
  void SetAlphaBlendValue(BYTE value);
  // Window coordinates of the button and of the system edit's client area.
  const TRect& ButtonRect() const { return buttonRect_; }
  const TRect& EditRect() const { return editRect_; }
  const TspEditLook& Look() const { return look_; }

  void SetBounds(int left, int top, int width, int height) override;
  void Invalidate() override;
  void Loaded() override;
  void Dispatch(TMessage& message) override;

  // The button was released over itself.
  TNotifyEvent OnButtonClick;

 protected:
  void CreateParams(TCreateParams& params) override;
  void Notification(TComponent* component, TOperation operation) override;

  // The frame at the control's size: the look's horizontal composition (DrawSkinEdit)
  // or, when the font is not the skin's, its stretch to any height (DrawSkinEdit2).
  void DrawSkinEdit(TCanvas* canvas);
  void DrawSkinEdit2(TCanvas* canvas);
  void DrawResizeButton(TCanvas* canvas, const TRect& rect);
  // The client area's background.
  void DrawEditBackGround(TCanvas* canvas);
  // The colour the text takes for the enabled state, focus and hover.
  TColor TextColor(bool withFocus) const;
  bool Active() const { return mouseIn_ || Focused(); }

  TspEditLook look_;
  bool mouseIn_ = false;

 private:
  bool HandleFrameMessage(TMessage& message);
  bool HandleButtonMessage(TMessage& message);
  void NCCalcSize(TMessage& message);
  LRESULT HitTest(const TMessage& message);
  void PaintFrame(HDC dc, bool excludeEdit);
  // Composes the frame (the one of DrawSkinEdit or DrawSkinEdit2) into `face`.
  void ComposeFrame(TBitmap& face);
  void EraseBackground(TMessage& message);
  void PaintDisabledText(TMessage& message);
  void FocusColour(bool focused);
  void HoverColour(bool inside);
  void SetButtonHot(bool hot);
  void ApplyFont();
  void DefaultFontChanged(TObject* sender);
  TFontCharset Charset() const;
  bool Skinned() const { return lookIndex_ != -1; }
  TRect ActiveOrSkinRect() const;
  TspButtonState ButtonState() const { return {buttonHot_, buttonPressed_}; }

  TColor defaultColor_ = clWindow;
  std::unique_ptr<TFont> defaultFont_;
  bool useSkinFont_ = true;
  int defaultWidth_ = 0;
  int defaultHeight_ = 0;
  bool buttonMode_ = false;
  bool buttonPressed_ = false;
  bool buttonHot_ = false;
  TAlignment alignment_ = taLeftJustify;
  TRect buttonRect_;
  TRect editRect_;
};

class TspSkinEdit : public TspSkinCustomEdit {
  CLASSLIB_CLASS(TspSkinEdit, TspSkinCustomEdit)
 public:
  using TspSkinCustomEdit::TspSkinCustomEdit;
};

class TspSkinMaskEdit : public TspSkinEdit {
  CLASSLIB_CLASS(TspSkinMaskEdit, TspSkinEdit)
 public:
  using TspSkinEdit::TspSkinEdit;
};
