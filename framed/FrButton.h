#pragma once
// The framed buttons: the windowed base of push buttons, check boxes and radio buttons
// (press and hot tracking, a caption with a 3D text style, transparency over the
// parent), the window-less arrow or glyph button with auto-repeat that spin buttons are
// made of, and the framed push button with default, cancel and group roles.
#include "classlib/graphics/Bitmap.h"
#include "classlib/windowing/CustomControl.h"
#include "classlib/windowing/Forms.h"
#include "classlib/windowing/GraphicControl.h"
#include "framed/FrCommon_Types.h"

class TTimer;

// Sent to the siblings of a grouped push button that went down: wParam the group index,
// lParam the button.
constexpr UINT CM_GROUPBUTTONDOWN = 9249;

class TFrCustomButton : public TCustomControl {
  CLASSLIB_CLASS(TFrCustomButton, TCustomControl)
 public:
  explicit TFrCustomButton(TComponent* owner);

  TAlignmentVertical AlignmentVertical() const { return alignmentVertical_; }
  virtual void SetAlignmentVertical(TAlignmentVertical value);
  bool HotTrack() const { return hotTrack_; }
  virtual void SetHotTrack(bool value);
  TColor HighlightColor() const { return highlightColor_; }
  virtual void SetHighlightColor(TColor value);
  TColor HotTrackColor() const { return hotTrackColor_; }
  void SetHotTrackColor(TColor value) { hotTrackColor_ = value; }
  TFrHotTrackColorType HotTrackColorType() const { return hotTrackColorType_; }
  void SetHotTrackColorType(TFrHotTrackColorType value) { hotTrackColorType_ = value; }
  bool LightTextStyle() const { return lightTextStyle_; }
  virtual void SetLightTextStyle(bool value);
  TTextStyle TextStyle() const { return textStyle_; }
  virtual void SetTextStyle(TTextStyle value);
  TColor TextHighlightColor() const { return textHighlightColor_; }
  virtual void SetTextHighlightColor(TColor value);
  TColor TextShadowColor() const { return textShadowColor_; }
  virtual void SetTextShadowColor(TColor value);
  int TextShadowDepth() const { return textShadowDepth_; }
  virtual void SetTextShadowDepth(int value);
  bool Transparent() const { return transparent_; }
  virtual void SetTransparent(bool value);

  // The pressed look is shown (a press held inside, or a key held down).
  bool ShowDownVersion() const { return showDownVersion_; }
  bool MouseOverButton() const { return mouseOverButton_; }

  void Dispatch(TMessage& message) override;

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

 protected:
  // Repaints what shows the pressed state; nothing here.
  virtual void RepaintDisplay() {}
  virtual void RepaintFocus() { Repaint(); }
  // The part that shows the hover state.
  virtual void GetDisplayRect(TRect& rect) { rect = ClientRect(); }
  // The caption with AlignmentVertical and the 3D text style, in `rect`, with DrawText `flags`.
  virtual void PaintCaption(TCanvas* canvas, const TRect& rect, UINT flags);
  // A click completed on the control (released inside, or a key).
  virtual void ChangeState() = 0;
  virtual void MouseEntered();
  virtual void MouseLeft();

  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void SetShowDownVersion(bool value) { showDownVersion_ = value; }
  void SetMouseOverButton(bool value) { mouseOverButton_ = value; }
  bool Dragging() const { return dragging_; }
  bool InsideClient(int x, int y) const { return x >= 0 && x < ClientWidth() && y >= 0 && y < ClientHeight(); }
  // Stores a changed value and repaints.
  template <class T>
  void StoreAndRepaint(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Invalidate();
  }

 private:
  void HoverChanged(bool entered);
  void EraseBackground(TMessage& message);
  void DrawCaptionPass(TCanvas* canvas, const AnsiString& text, TRect rect, int dx, int dy, UINT flags, TColor color);

  TAlignmentVertical alignmentVertical_ = avCenter;
  bool hotTrack_ = false;
  TColor highlightColor_ = clHighlight;
  TColor hotTrackColor_ = clHighlight;
  TFrHotTrackColorType hotTrackColorType_ = htctComplement;
  bool lightTextStyle_ = false;
  TTextStyle textStyle_ = tsNormal;
  TColor textHighlightColor_ = clBtnHighlight;
  TColor textShadowColor_ = clBtnShadow;
  int textShadowDepth_ = 2;
  bool transparent_ = false;
  bool dragging_ = false;
  bool showDownVersion_ = false;
  bool mouseOverButton_ = false;
};

enum TFrControlButtonStyle { cbsNone, cbsLeft, cbsUp, cbsRight, cbsDown, cbsDropDown };

// A window-less arrow, drop-down or glyph button; with RepeatClicks, holding it clicks
// after InitialDelay and then every Delay milliseconds.
class TFrControlButton : public TGraphicControl {
  CLASSLIB_CLASS(TFrControlButton, TGraphicControl)
 public:
  explicit TFrControlButton(TComponent* owner);
  ~TFrControlButton() override;

  bool Flat() const { return flat_; }
  virtual void SetFlat(bool value);
  TBitmap* Glyph() const { return glyph_; }
  virtual void SetGlyph(TBitmap* value) { glyph_->Assign(value); }
  int NumGlyphs() const { return numGlyphs_; }
  virtual void SetNumGlyphs(int value);
  unsigned Delay() const { return delay_; }
  void SetDelay(unsigned value) { delay_ = value; }
  unsigned InitialDelay() const { return initialDelay_; }
  void SetInitialDelay(unsigned value) { initialDelay_ = value; }
  bool RepeatClicks() const { return repeatClicks_; }
  void SetRepeatClicks(bool value) { repeatClicks_ = value; }
  TFrControlButtonStyle Style() const { return style_; }
  virtual void SetStyle(TFrControlButtonStyle value);

  bool Down() const { return down_; }
  bool MouseOverButton() const { return mouseOverButton_; }
  // The repeat timer, made by the first press with RepeatClicks (null before).
  TTimer* RepeatTimer() const { return repeatTimer_; }

  void Dispatch(TMessage& message) override;

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

 protected:
  void Paint() override;
  virtual void PaintButtonFace(TRect& rect);
  virtual void PaintArrowButton(TRect& rect);
  virtual void PaintDropDownButton(TRect& rect);
  virtual void PaintGlyph(const TRect& rect);
  virtual TPoint GetGlyphSize() const;
  virtual void MouseEntered();
  virtual void MouseLeft();

  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  void GlyphChanged(TObject* sender);
  void RepeatTick(TObject* sender);
  void RefreshHoverAfterRelease();
  bool Hot() const { return mouseOverButton_ && Enabled(); }
  // The face without styles: border and fill; `rect` becomes the filled inside.
  void PaintPlainFace(TRect& rect);
  // The styled arrow or drop-down element `base` + 0 normal, 1 hot, 2 pressed, 3 disabled
  // over `rect`; answers false for a flat button at rest (filled with Color instead).
  bool PaintStyledState(const TRect& rect, int base);

  bool flat_ = false;
  TBitmap* glyph_;
  int numGlyphs_ = 1;
  unsigned delay_ = 100;
  unsigned initialDelay_ = 400;
  bool repeatClicks_ = false;
  TFrControlButtonStyle style_ = cbsNone;
  bool down_ = false;
  bool dragging_ = false;
  bool mouseOverButton_ = false;
  TTimer* repeatTimer_ = nullptr;
};

// The framed push button: Default (Enter, and the default look while no other push button
// has the focus) and Cancel (Escape) roles, a ModalResult for its form, and grouping into
// mutually exclusive down buttons. Drawn by the visual styles, with graded hot-track edges
// (HotTrack, which also makes it transparent) or in classic 3D.
class TFrButton : public TFrCustomButton {
  CLASSLIB_CLASS(TFrButton, TFrCustomButton)
 public:
  explicit TFrButton(TComponent* owner);

  TAlignment Alignment() const { return alignment_; }
  virtual void SetAlignment(TAlignment value) { StoreAndRepaint(alignment_, value); }
  bool Default() const { return default_; }
  virtual void SetDefault(bool value);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  bool AllowAllUp() const { return allowAllUp_; }
  virtual void SetAllowAllUp(bool value);
  int GroupIndex() const { return groupIndex_; }
  virtual void SetGroupIndex(int value);
  // Only a grouped button goes down; a down one rises only with AllowAllUp.
  bool Down() const { return down_; }
  virtual void SetDown(bool value);
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult value) { modalResult_ = value; }
  bool ShowDownPattern() const { return showDownPattern_; }
  virtual void SetShowDownPattern(bool value) { StoreAndRepaint(showDownPattern_, value); }
  bool ShowFocusRect() const { return showFocusRect_; }
  virtual void SetShowFocusRect(bool value) { StoreAndRepaint(showFocusRect_, value); }
  void SetHotTrack(bool value) override;

  // The button shows itself as the form's default one.
  bool Active() const { return active_; }

  void Click() override;
  void Dispatch(TMessage& message) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyUp(WORD& key, TShiftState shift) override;
  void DefineProperties(TFiler* filer) override;

 protected:
  virtual void GetCaptionRect(TRect& rect);
  virtual void DrawButtonCaption();
  // An 8 x 8 dither of Color and silver (gray on a silver button).
  virtual void MakeDownPattern(TBitmap* bitmap);
  void CreateWnd() override;
  void Paint() override;
  void RepaintDisplay() override { Invalidate(); }
  void ChangeState() override;

 private:
  bool Grouped() const { return groupIndex_ != 0; }
  bool Pressed() const { return state_ >= 2 || ShowDownVersion(); }
  // The plain look: neither pressed, hovered nor the default one.
  bool ShowsPlain() const { return Grouped() || (!active_ && !Focused()) || ShowDownVersion(); }
  void NotifyGroup();
  void FocusChanged(TMessage& message);
  void DialogKey(TMessage& message);
  void GroupButtonDown(TMessage& message);
  // The face painters answer the rectangle inside the edges they drew.
  TRect PaintStyledFace(const TRect& rect);
  TRect PaintHotTrackFace(TRect rect);
  TRect PaintDisabledHotTrackFace(TRect rect);
  TRect PaintClassicFace(TRect rect);
  void HotTrackRings(TRect& rect, TColor light, TColor dark);
  void PaintDownPattern(const TRect& rect);

  TAlignment alignment_ = taCenter;
  bool allowAllUp_ = false;
  bool cancel_ = false;
  bool default_ = false;
  int groupIndex_ = 0;
  bool down_ = false;
  TModalResult modalResult_ = mrNone;
  bool showDownPattern_ = true;
  bool showFocusRect_ = true;
  int state_ = 0;  // 0 up, 3 down in a group
  bool active_ = false;
  bool clicking_ = false;
  bool spacePressed_ = false;
};

// Registers the buttons' properties for form resources.
void RegisterButtonClasses();
