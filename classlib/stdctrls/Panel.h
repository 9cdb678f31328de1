#pragma once
#include "classlib/windowing/CustomControl.h"
#include "classlib/windowing/Forms.h"

enum TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };

// A windowed container with an outer and an inner bevel around a border of its colour and
// a centred caption; aligned children share the area inside bevels and border.
class TCustomPanel : public TCustomControl {
  CLASSLIB_CLASS(TCustomPanel, TCustomControl)
 public:
  explicit TCustomPanel(TComponent* owner);

  TPanelBevel BevelInner() const { return bevelInner_; }
  void SetBevelInner(TPanelBevel value);
  TPanelBevel BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TPanelBevel value);
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int value);
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int value);
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  void Dispatch(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void AdjustClientRect(TRect& rect) override;
  void Paint() override;

 private:
  void BordersChanged();

  TPanelBevel bevelInner_ = bvNone;
  TPanelBevel bevelOuter_ = bvRaised;
  int bevelWidth_ = 1;
  int borderWidth_ = 0;
  TFormBorderStyle borderStyle_ = bsNone;
  TAlignment alignment_ = taCenter;
};

class TPanel : public TCustomPanel {
  CLASSLIB_CLASS(TPanel, TCustomPanel)
 public:
  using TCustomPanel::TCustomPanel;
};
