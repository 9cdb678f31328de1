#pragma once
#include "classlib/windowing/GraphicControl.h"

enum TTextLayout { tlTop, tlCenter, tlBottom };

// A window-less text. DoDrawText both paints and (with DT_CALCRECT) measures the text,
// so a class that draws differently measures alike; AutoSize fits the bounds to it,
// also while the label has no parent.
class TCustomLabel : public TGraphicControl {
  CLASSLIB_CLASS(TCustomLabel, TGraphicControl)
 public:
  explicit TCustomLabel(TComponent* owner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  bool AutoSize() const { return autoSize_; }
  virtual void SetAutoSize(bool value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool value);
  void Dispatch(TMessage& message) override;

 protected:
  // The text shown (the caption).
  virtual AnsiString GetLabelText() const { return Caption(); }
  // Draws the label text into `rect` on Canvas with DrawText flags; with DT_CALCRECT
  // it only measures, widening or narrowing `rect` to the text.
  virtual void DoDrawText(TRect& rect, UINT flags);
  // Fits the bounds to the text while AutoSize (keeping the edge that Alignment holds).
  virtual void AdjustBounds();
  void Paint() override;
  void Loaded() override;

 private:
  UINT AlignmentFlags() const;

  TAlignment alignment_ = taLeftJustify;
  bool autoSize_ = true;
  bool wordWrap_ = false;
  TTextLayout layout_ = tlTop;
  bool transparent_ = false;
  bool showAccelChar_ = true;
};

class TLabel : public TCustomLabel {
  CLASSLIB_CLASS(TLabel, TCustomLabel)
 public:
  using TCustomLabel::TCustomLabel;
};
