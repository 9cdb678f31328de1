#pragma once
#include "classlib/runtime/Strings.h"
#include "classlib/stdctrls/Edit.h"

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// A text box of several lines (the system EDIT class with ES_MULTILINE). Lines reads and
// writes the text as lines split at CR LF; Enter and Tab are the memo's own with
// WantReturns and WantTabs.
class TCustomMemo : public TCustomEdit {
  CLASSLIB_CLASS(TCustomMemo, TCustomEdit)
 public:
  explicit TCustomMemo(TComponent* owner);
  ~TCustomMemo() override;

  TStrings* Lines() const { return lines_; }
  void SetLines(TStrings* lines) { lines_->Assign(lines); }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  bool WantReturns() const { return wantReturns_; }
  void SetWantReturns(bool value) { wantReturns_ = value; }
  bool WantTabs() const { return wantTabs_; }
  void SetWantTabs(bool value) { wantTabs_ = value; }
  void Dispatch(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  TStrings* lines_;
  TAlignment alignment_ = taLeftJustify;
  TScrollStyle scrollBars_ = ssNone;
  bool wordWrap_ = true;
  bool wantReturns_ = true;
  bool wantTabs_ = false;
};

class TMemo : public TCustomMemo {
  CLASSLIB_CLASS(TMemo, TCustomMemo)
 public:
  using TCustomMemo::TCustomMemo;
};
