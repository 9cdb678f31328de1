#pragma once
// What the drop-down button tests share: the shared shown form of the button tests with
// a menu host playing the skinned form's part, a skinned popup menu of two items, an
// images menu of two pictures, a skin with a usable menu and the button looks a test
// asks for, and what a control shows on screen.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ButtonFixture.h"
#include "MenuFixture.h"
#include "skin/controls/Skinctrls.h"
#include "skin/controls/Skinimagesmenu.h"

namespace dropdown {

using skinbuttons::TLookKeys;

// A look added to (or changed in) the test skin: its type word and keys.
struct TLookSpec {
  std::string type;
  TLookKeys keys;
};
using TLooks = std::map<std::string, TLookSpec>;

// A button look on active picture 0 with faces side by side: normal (0,0,16,12), active
// (16,0,32,12), down (32,0,48,12); `changes` alter it.
TLookSpec ButtonLook(const std::string& type, const TLookKeys& changes = {});
// The same faces cut in nine parts (corners 3 pixels wide), as the resizable looks are.
TLookSpec NinePartLook(const std::string& type, const TLookKeys& changes = {});

// The test skin with a usable popup window and menu item and `looks` in it; loaded once
// per set of looks for the whole program.
TspSkinData* DropDownSkin(const TLooks& looks);

// Pixel (x, y) of the skin's active picture 0.
TColor PicturePixel(TspSkinData* skin, int x, int y);
// What `control` shows on its parent's window, row by row, after a repaint.
std::vector<TColor> Shown(TControl* control);
TColor ShownPixel(TControl* control, int x, int y);
// How many pixels of `rect` of the control show `colour`.
int CountShown(TControl* control, const TRect& rect, TColor colour);

class DropDownTest : public skinbuttons::ButtonTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The skinned menu is open (at least one popup window shows).
  bool PopupOpen() const;
  // Closes every open menu and serves the queue.
  void CloseMenus();
  // Serves the queue until `done` or about two seconds passed.
  bool ServeUntil(const std::function<bool()>& done);

  menutest::TTestMenuHost* host = nullptr;
  TspSkinPopupMenu* popup = nullptr;
  TspSkinImagesMenu* images = nullptr;
  TImageList* imageList = nullptr;
  skinbuttons::TCallCounter shows, hides, clicks, mouseDowns;
};

}  // namespace dropdown
