#pragma once
// The window-less multi-line label: the lines of a string list in the font and colour of a
// "stdlabel" look, as the standard label draws them.
#include <memory>

#include "classlib/runtime/Strings.h"
#include "classlib/stdctrls/Label.h"
#include "classlib/windowing/GraphicControl.h"
#include "skin/controls/Skinctrls_LabelFont.h"
#include "skin/controls/Skinctrls_Reskin.h"

class TspSkinTextLabel : public TGraphicControl, public IspSkinControl {
  CLASSLIB_CLASS(TspSkinTextLabel, TGraphicControl)
 public:
  explicit TspSkinTextLabel(TComponent* owner);
  ~TspSkinTextLabel() override;

  bool UseSkinFont() const { return useSkinFont_; }
  void SetUseSkinFont(bool value) { useSkinFont_ = value; }
  bool UseSkinColor() const { return useSkinColor_; }
  void SetUseSkinColor(bool value) { useSkinColor_ = value; }
  TStrings* Lines() const { return lines_.get(); }
  void SetLines(TStrings* value);
  TFont* DefaultFont() const { return defaultFont_.get(); }
  void SetDefaultFont(TFont* value) { defaultFont_->Assign(value); }
  const AnsiString& SkinDataName() const { return skinDataName_; }
  void SetSkinDataName(const AnsiString& value) { skinDataName_ = value; }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  bool AutoSize() const { return autoSize_; }
  virtual void SetAutoSize(bool value);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  int LookIndex() const { return look_.Index(); }

  // Every line followed by a line break.
  virtual AnsiString GetLabelText() const { return lines_->Text(); }

  TspSkinData* SkinData() const override { return skinData_; }
  void SetSkinData(TspSkinData* value) override;
  void BeforeChangeSkinData() override {}
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

  bool useSkinFont_ = true;
  bool useSkinColor_ = true;
  std::unique_ptr<TStringList> lines_;
  std::unique_ptr<TFont> defaultFont_;
  TspSkinData* skinData_ = nullptr;
  AnsiString skinDataName_ = "stdlabel";
  TAlignment alignment_ = taLeftJustify;
  bool autoSize_ = true;
  TTextLayout layout_ = tlTop;
  bool wordWrap_ = false;
  TspStdLabelLook look_;
};
