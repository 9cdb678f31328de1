#pragma once
// What a skinned button needs of an images menu: the menu's images, its selected item's
// image and caption, and a hook the menu calls when its choice changed. The images menu
// implements it; the button keeps the menu as this interface and hears of its removal by
// the component's free notification.
#include "classlib/graphics/ImageList.h"
#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/Component.h"
#include "classlib/runtime/Events.h"

class IspSkinImagesMenu {
 public:
  // The component the menu is (for free notification).
  virtual TComponent* MenuComponent() = 0;
  // The images the items' image indexes refer to (or null).
  virtual TCustomImageList* Images() const = 0;
  // True when an item is selected; then its image index and caption.
  virtual bool SelectedItem(int& imageIndex, AnsiString& caption) const = 0;
  // The menu calls `hook` after a choice that changed its selected item.
  virtual void SetOnChanged(const TNotifyEvent& hook) = 0;

 protected:
  ~IspSkinImagesMenu() = default;
};
