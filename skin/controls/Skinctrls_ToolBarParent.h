#pragma once
// A parent that lines up the skinned controls placed on it in a row (the skinned tool
// bar): while AdjustControls is on, the resizable skinned bases centre themselves
// vertically in its skin client rectangle whenever their bounds are set; skinned speed
// buttons take their images from it.
#include "classlib/graphics/ImageList.h"
#include "classlib/graphics/Types.h"

class IspSkinToolBarParent {
 public:
  virtual bool AdjustControls() const = 0;
  // The client rectangle of the bar's look at its current size, in its client coordinates.
  virtual TRect SkinClientRect() = 0;
  virtual TCustomImageList* Images() const = 0;
  virtual TCustomImageList* HotImages() const = 0;
  virtual TCustomImageList* DisabledImages() const = 0;

 protected:
  ~IspSkinToolBarParent() = default;
};

// The vertical position that centres a child of `height` in the bar's client rectangle.
inline int CenteredTopInToolBar(IspSkinToolBarParent* bar, int height) {
  const TRect client = bar->SkinClientRect();
  return client.Top + client.Height() / 2 - height / 2;
}
