#pragma once
// The window-less skinned-control bases: the same skin connection, look, off-screen face,
// blending and resizable nine-part geometry as the windowed bases, without a window,
// hence without region and without children.
#include "skin/controls/Skinctrls_Linked.h"
#include "skin/controls/Skinctrls_Resizable.h"

class TspGraphicSkinControl : public TspSkinLinked<TGraphicControl> {
  CLASSLIB_CLASS(TspGraphicSkinControl, TGraphicControl)
 public:
  explicit TspGraphicSkinControl(TComponent* owner) : TspSkinLinked(owner) {}

  // Stores the name only (no repaint): it takes effect at the next paint or re-skin.
  void SetSkinDataName(const AnsiString& value) { skinDataName_ = value; }
};

extern template class TspSkinResizable<TspGraphicSkinControl>;

class TspGraphicSkinCustomControl : public TspSkinResizable<TspGraphicSkinControl> {
  CLASSLIB_CLASS(TspGraphicSkinCustomControl, TspGraphicSkinControl)
 public:
  explicit TspGraphicSkinCustomControl(TComponent* owner) : TspSkinResizable(owner) {}
};
