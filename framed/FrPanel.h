#pragma once
// Framed panels and group boxes: a panel with an outer border, a band of BorderWidth and
// an inner border, each of any TFrameStyle on chosen sides, a flat colour with a lightness
// adjustment, an optional design grid, transparency over its parent, a vertically aligned
// caption and a memory of its children's enabled states; and a group box with four
// looks, drawn by the visual styles while they are active.
#include "classlib/stdctrls/Panel.h"
#include "framed/FrCommon_FrameController.h"
#include "framed/FrCommon_Types.h"

enum TFrGridStyle { gsDots, gsDottedLines, gsSolidLines };
enum TFrGroupBoxStyle { gsStandard, gsCustom, gsTopLine, gsFlat };

class TStringList;

class TFrCustomPanel : public TCustomPanel, public IFrameControllerClient {
  CLASSLIB_CLASS(TFrCustomPanel, TCustomPanel)
 public:
  explicit TFrCustomPanel(TComponent* owner);
  ~TFrCustomPanel() override;

  TFrameStyle BorderOuter() const { return borderOuter_; }
  virtual void SetBorderOuter(TFrameStyle value);
  TFrameStyle BorderInner() const { return borderInner_; }
  virtual void SetBorderInner(TFrameStyle value);
  TSides BorderSides() const { return borderSides_; }
  virtual void SetBorderSides(TSides value);
  TColor BorderColor() const { return borderColor_; }
  virtual void SetBorderColor(TColor value);
  TColor BorderHighlight() const { return borderHighlight_; }
  virtual void SetBorderHighlight(TColor value);
  TColor BorderShadow() const { return borderShadow_; }
  virtual void SetBorderShadow(TColor value);
  TColor FlatColor() const { return flatColor_; }
  virtual void SetFlatColor(TColor value);
  int FlatColorAdjustment() const { return flatColorAdjustment_; }
  virtual void SetFlatColorAdjustment(int value);
  TAlignmentVertical AlignmentVertical() const { return alignmentVertical_; }
  virtual void SetAlignmentVertical(TAlignmentVertical value);
  bool ShowGrid() const { return showGrid_; }
  virtual void SetShowGrid(bool value);
  TColor GridColor() const { return gridColor_; }
  virtual void SetGridColor(TColor value);
  TFrGridStyle GridStyle() const { return gridStyle_; }
  virtual void SetGridStyle(TFrGridStyle value);
  int GridXSize() const { return gridXSize_; }
  virtual void SetGridXSize(int value);
  int GridYSize() const { return gridYSize_; }
  virtual void SetGridYSize(int value);
  bool Transparent() const { return transparent_; }
  virtual void SetTransparent(bool value);
  bool ThemeAware() const { return themeAware_; }
  virtual void SetThemeAware(bool value);
  bool FullRepaint() const { return fullRepaint_; }
  void SetFullRepaint(bool value) { fullRepaint_ = value; }
  bool Locked() const { return locked_; }
  void SetLocked(bool value) { locked_ = value; }
  TFrFrameController* FrameController() const { return frameController_; }
  virtual void SetFrameController(TFrFrameController* value);

  // Takes the frame controller's settings (when its frame is visible).
  void ApplyControllerFrame() override;
  // A bottom-aligned panel keeps its bottom edge and a right-aligned one its right edge
  // when its size changes.
  void SetBounds(int left, int top, int width, int height) override;
  void Dispatch(TMessage& message) override;
  void DefineProperties(TFiler* filer) override;

  TNotifyEvent OnPaint;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

 protected:
  // The pointer position in client coordinates.
  virtual void CursorClientPos(TPoint& point);
  // Moves `rect` in by the borders' room on their sides (and by BorderWidth when asked).
  virtual void ShrinkRectForBorders(TRect& rect, bool includeBorderWidth);
  virtual void PaintRect(TRect& rect);
  virtual void DrawPanelCaption(TRect rect);
  virtual void PaintGrid(TRect rect);
  virtual void MouseEntered() { OnMouseEnter(this); }
  virtual void MouseLeft() { OnMouseLeave(this); }

  void Paint() override;
  void AlignControls(TControl* control, TRect& rect) override;
  void Notification(TComponent* component, TOperation operation) override;
  // Lines in the flat colour shifted by FlatColorAdjustment.
  TColor AdjustedFlatColor() const;
  // One border of `style` on `sides` painted inside `rect` (which becomes its inside).
  void PaintBorder(TRect& rect, TFrameStyle style, TSides sides);
  // The caption drawn into `rect` with `flags`: in the font colour, or engraved when disabled.
  void DrawCaptionText(TRect rect, UINT flags);

 private:
  void BordersChanged();
  void EnabledChanged();
  void EraseBackground(TMessage& message);
  void WindowPosChanged(TMessage& message);
  void PaintGridLines(const TRect& rect, int nx, int ny, bool dotted);
  template <class T>
  void Store(T& field, const T& value);
  // Stores a value that moves the borders: realigns and repaints.
  template <class T>
  void StoreBorder(T& field, const T& value);

  TFrameStyle borderOuter_ = fsRaised;
  TFrameStyle borderInner_ = fsNone;
  TSides borderSides_ = kAllSides;
  TColor borderColor_ = clBtnFace;
  TColor borderHighlight_ = clBtnHighlight;
  TColor borderShadow_ = clBtnShadow;
  TColor flatColor_ = clBtnShadow;
  int flatColorAdjustment_ = 30;
  TAlignmentVertical alignmentVertical_ = avCenter;
  bool showGrid_ = false;
  TColor gridColor_ = clBtnShadow;
  TFrGridStyle gridStyle_ = gsDots;
  int gridXSize_ = 8;
  int gridYSize_ = 8;
  bool transparent_ = false;
  bool themeAware_ = true;
  bool fullRepaint_ = true;
  bool locked_ = false;
  TFrFrameController* frameController_ = nullptr;
  int paintedWidth_ = 0;  // the window's size at the last WM_WINDOWPOSCHANGED
  int paintedHeight_ = 0;
  // Objects: the children; strings: "1" (enabled) or "0" when the panel was disabled.
  TStringList* childEnabledStates_;
};

class TFrPanel : public TFrCustomPanel {
  CLASSLIB_CLASS(TFrPanel, TFrCustomPanel)
 public:
  using TFrCustomPanel::TFrCustomPanel;
};

class TFrCustomGroupBox : public TFrCustomPanel {
  CLASSLIB_CLASS(TFrCustomGroupBox, TFrCustomPanel)
 public:
  explicit TFrCustomGroupBox(TComponent* owner);

  TFrGroupBoxStyle GroupStyle() const { return groupStyle_; }
  virtual void SetGroupStyle(TFrGroupBoxStyle value);
  void Dispatch(TMessage& message) override;

 protected:
  void Paint() override;
  void AdjustClientRect(TRect& rect) override;

 private:
  TRect CaptionRect();
  void PaintStyled(const TRect& captionRect, int frameTop);
  void PaintOwnFrame(const TRect& frame);
  void PaintFlatFrame(const TRect& frame);
  void PaintGroupCaption(const TRect& captionRect);
  void DialogChar(TMessage& message);

  TFrGroupBoxStyle groupStyle_ = gsFlat;
};

class TFrGroupBox : public TFrCustomGroupBox {
  CLASSLIB_CLASS(TFrGroupBox, TFrCustomGroupBox)
 public:
  using TFrCustomGroupBox::TFrCustomGroupBox;
};

// Registers the panels' and group boxes' properties for form resources.
void RegisterPanelClasses();
