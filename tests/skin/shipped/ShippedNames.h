#pragma once
#include <functional>
#include <string>
#include <vector>

#include "classlib/graphics/Types.h"
#include "classlib/runtime/Object.h"

// What the program's windows look up in the two shipped skins: every control look,
// form object and area by name, with the descriptor class the control or form needs.
namespace shippedskin {

constexpr const char* kFolder = "Skin\\Quorin\\";
constexpr const char* kMainSkin = "MainSkin.ini";
constexpr const char* kFormSkin = "Skin.ini";

enum class TList { Control, Object };

struct TName {
  const char* Skin;  // kMainSkin or kFormSkin
  TList List;
  const char* Name;
  const char* ClassName;
  std::function<bool(const TObject*)> IsRequiredClass;
  bool CommandButton = false;  // a main-window button object: four faces and a hint
};

struct TArea {
  const char* Name;
  TRect Bounds;
};

const std::vector<TName>& Names();
// The main window's areas, at the bounds its controls are designed with.
const std::vector<TArea>& MainAreas();

}  // namespace shippedskin
