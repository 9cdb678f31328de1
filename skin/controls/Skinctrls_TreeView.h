#pragma once
// The tree view whose font and background follow a "treeview" look and whose native
// scroll bars give way to attached skinned ones: it has no frame and no non-client area,
// mirrors its scroll state into the bars (shown only while there is something to
// scroll) and scrolls itself when a bar moves.
#include "classlib/comctrls/TreeView.h"
#include "skin/controls/Skinctrls_ViewLink.h"

class TspSkinCustomTreeView : public TCustomTreeView, public TspViewSkinLink {
  CLASSLIB_CLASS(TspSkinCustomTreeView, TCustomTreeView)
 public:
  explicit TspSkinCustomTreeView(TComponent* owner);
  ~TspSkinCustomTreeView() override;

  void SetSkinData(TspSkinData* value) override;
  // Finds the look again and applies it (nothing while the view is loading).
  void ChangeSkinData() override;
  void SetVScrollBar(TspSkinScrollBar* bar);
  void SetHScrollBar(TspSkinScrollBar* bar);
  void UpDateScrollBars() override;

  void WndProc(TMessage& message) override;
  void Loaded() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void Notification(TComponent* component, TOperation operation) override;
  void Change(TTreeNode* node) override;

 private:
  bool UpdateVerticalBar();
  bool UpdateHorizontalBar();
  void OnVScrollBarChange(TObject* sender);
  void OnHScrollBarChange(TObject* sender);
};

class TspSkinTreeView : public TspSkinCustomTreeView {
  CLASSLIB_CLASS(TspSkinTreeView, TspSkinCustomTreeView)
 public:
  using TspSkinCustomTreeView::TspSkinCustomTreeView;
};
