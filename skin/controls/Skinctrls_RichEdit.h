#pragma once
// The rich edit without a frame whose native scroll bars give way to attached skinned
// ones, which it never hides: a bar with nothing to scroll is disabled. With SkinSupport
// its font and background follow a "richedit" look (DefaultFont and DefaultColor without
// one); it takes a new skin only when SkinData is assigned or it is loaded.
#include "classlib/comctrls/RichEdit.h"
#include "skin/controls/Skinctrls_ViewLink.h"

class TspSkinRichEdit : public TCustomRichEdit, public TspViewSkinLink {
  CLASSLIB_CLASS(TspSkinRichEdit, TCustomRichEdit)
 public:
  explicit TspSkinRichEdit(TComponent* owner);
  ~TspSkinRichEdit() override;

  // Stores the skin data and, when it holds a skin, re-skins.
  void SetSkinData(TspSkinData* value) override;
  // A skin change announced to the form leaves the rich edit as it is: it takes a new
  // skin only when SkinData is assigned again or when it is loaded.
  void ChangeSkinData() override {}
  bool SkinSupport() const { return skinSupport_; }
  void SetSkinSupport(bool value) { skinSupport_ = value; }
  void SetVScrollBar(TspSkinScrollBar* bar);
  void SetHScrollBar(TspSkinScrollBar* bar);
  // The native bar has nothing to scroll: the system reports it unavailable or hidden
  // (also when it cannot report it at all).
  bool VScrollDisabled();
  bool HScrollDisabled();
  void UpDateScrollBars() override;

  void WndProc(TMessage& message) override;
  void Loaded() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void Notification(TComponent* component, TOperation operation) override;
  void Change() override;
  bool ShowsDefaults() const override { return lookIndex_ == -1 && skinSupport_; }

 private:
  // Finds the look and applies it (with SkinSupport), then refreshes the bars.
  void ApplySkin();
  void UpdateBar(TspSkinScrollBar* bar, int direction, bool disabled);
  void OnVScrollBarChange(TObject* sender);
  void OnHScrollBarChange(TObject* sender);
  void OnVScrollBarUpClick(TObject* sender);
  void OnVScrollBarDownClick(TObject* sender);

  bool skinSupport_ = false;
};
