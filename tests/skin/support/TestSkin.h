#pragma once
#include <map>
#include <string>

#include "classlib/graphics/Colors.h"

// A complete skin folder for tests: every control look (named after its type word),
// every form object (named "obj" + its type word, the menu item "menuitem"), each with
// every key at a value of its own, areas, FORMINFO, POPUPWINDOW, HINTWINDOW, SKINCOLORS,
// a mask, two cursors (one broken) and pictures whose pixels tell picture and place.
namespace skintest {

// The pictures: form, inactive, roll-up and the active pictures 0 to 2 are colour coded;
// the two masks are black inside kMaskRect and white elsewhere.
constexpr int kFormWidth = 120;
constexpr int kFormHeight = 90;
constexpr int kActivePictures = 3;
constexpr int kStartCursorIndex = 5;

enum TPictureId { piForm, piInActive, piRollUp, piActive0, piActive1, piActive2 };

// The colour of pixel (x, y) of a colour-coded picture.
TColor PictureColour(TPictureId picture, int x, int y);

// Writes the skin into a fresh temporary folder `name`; answers the description's path.
// `overrides` replaces values: "section/key" -> value.
std::string WriteTestSkin(const std::string& name, const std::map<std::string, std::string>& overrides = {});

// The name the test skin gives a look of that type word.
std::string LookName(const std::string& word, bool object);

}  // namespace skintest
