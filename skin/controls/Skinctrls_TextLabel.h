#pragma once
// The window-less multi-line label: the lines of a string list in the font and colour of a
// "stdlabel" look, as the standard label draws them.
#include <memory>

#include "classlib/runtime/Strings.h"
#include "classlib/stdctrls/Label.h"
#include "classlib/windowing/GraphicControl.h"
#include "skin/controls/Skinctrls_LabelFont.h"

class TspSkinTextLabel : public TGraphicControl, public TspLabelSkinLink {
  CLASSLIB_CLASS(TspSkinTextLabel, TGraphicControl)
 public:
  explicit TspSkinTextLabel(TComponent* owner);
  ~TspSkinTextLabel() override;

  bool UseSkinColor() const { return useSkinColor_; }
  void SetUseSkinColor(bool value) { useSkinColor_ = value; }
  TStrings* Lines() const { return lines_.get(); }
  void SetLines(TStrings* value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  bool AutoSize() const { return autoSize_; }
  virtual void SetAutoSize(bool value);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);

  // Every line followed by a line break.
  virtual AnsiString GetLabelText() const { return lines_->Text(); }

  void SetSkinData(TspSkinData* value) override;
  void ChangeSkinData() override;

  void Dispatch(TMessage& message) override;

 protected:
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  void Paint() override;
  // Draws (or with DT_CALCRECT measures) the text into `rect`.
  void DoDrawText(TRect& rect, UINT flags);
  // Fits the bounds to the text while AutoSize; a right-aligned label keeps its right edge.
  void AdjustBounds();

 private:
  void LinesChanged(TObject* sender);
  // The height of the empty line the line break after the last line adds.
  int TrailingLineHeight();

  bool useSkinColor_ = true;
  std::unique_ptr<TStringList> lines_;
  TAlignment alignment_ = taLeftJustify;
  bool autoSize_ = true;
  TTextLayout layout_ = tlTop;
  bool wordWrap_ = false;
};
