#include "skin/data/Skindata_Bases.h"

#include <array>
#include <utility>

using namespace skinkeys;

void TspDataSkinControl::LoadFromFile(TCustomIniFile* ini) { ReadLookKeys(*this, ini, IDName, ReadKeys()); }

void TspDataSkinControl::SaveToFile(TCustomIniFile* ini) {
  ini->EraseSection(IDName);
  WriteLookKeys(*this, ini, IDName, ReadKeys());
}

const TspLookKeys<TspDataSkinControl>& TspDataSkinControl::ReadKeys() {
  using C = TspDataSkinControl;
  static const TspLookKeys<C> keys{Integer("pictureindex", &C::PictureIndex, -1),
                                   Integer("maskpictureindex", &C::MaskPictureIndex, -1),
                                   Integer("cursorindex", &C::CursorIndex, -1), Rect("skinrect", &C::SkinRect)};
  return keys;
}

const TspLookKeys<TspDataSkinCustomControl>& TspDataSkinCustomControl::ReadKeys() {
  using C = TspDataSkinCustomControl;
  static const TspLookKeys<C> keys{
      Point("lefttoppoint", &C::LeftTopPoint),       Point("righttoppoint", &C::RightTopPoint),
      Point("leftbottompoint", &C::LeftBottomPoint), Point("rightbottompoint", &C::RightBottomPoint),
      Rect("clientrect", &C::ClientRect),            Boolean("leftstretch", &C::LeftStretch),
      Boolean("topstretch", &C::TopStretch),         Boolean("rightstretch", &C::RightStretch),
      Boolean("bottomstretch", &C::BottomStretch),   Boolean("stretcheffect", &C::StretchEffect),
      Word("stretchtype", &C::StretchType, StretchTypeWords(), spstFull)};
  return keys;
}

const TspLookKeys<TspDataSkinCustomControl>& TspDataSkinCustomControl::WriteKeys() {
  static const TspLookKeys<TspDataSkinCustomControl> keys =
      Reordered(ReadKeys(), {"lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint", "clientrect",
                             "stretcheffect", "leftstretch", "topstretch", "rightstretch", "bottomstretch",
                             "stretchtype"});
  return keys;
}

void TspDataSkinObject::LoadFromFile(TCustomIniFile* ini) { ReadLookKeys(*this, ini, IDName, ReadKeys()); }

void TspDataSkinObject::SaveToFile(TCustomIniFile* ini) {
  ini->EraseSection(IDName);
  WriteLookKeys(*this, ini, IDName, ReadKeys());
}

const TspLookKeys<TspDataSkinObject>& TspDataSkinObject::ReadKeys() {
  using C = TspDataSkinObject;
  static const TspLookKeys<C> keys{Text("hint", &C::Hint),
                                   Boolean("rollup", &C::RollUp),
                                   Integer("activepictureindex", &C::ActivePictureIndex, -1),
                                   Boolean("skinrectinapicture", &C::SkinRectInAPicture),
                                   Integer("cursorindex", &C::CursorIndex, -1),
                                   Rect("skinrect", &C::SkinRect),
                                   Rect("activeskinrect", &C::ActiveSkinRect),
                                   Rect("inactiveskinrect", &C::InActiveSkinRect),
                                   Boolean("morphing", &C::Morphing),
                                   Word("morphkind", &C::MorphKind, MorphKindWords(), mkDefault)};
  return keys;
}

namespace {

// Each colour's key and the system colour it takes by default, in reading order.
const std::array<std::pair<const char*, std::pair<TColor TspSkinColors::*, int>>, 10>& ColorKeys() {
  using C = TspSkinColors;
  static const std::array<std::pair<const char*, std::pair<TColor C::*, int>>, 10> keys{{
      {"cbtnface", {&C::BtnFace, COLOR_BTNFACE}},
      {"cbtntext", {&C::BtnText, COLOR_BTNTEXT}},
      {"cwindow", {&C::Window, COLOR_WINDOW}},
      {"cwindowtext", {&C::WindowText, COLOR_WINDOWTEXT}},
      {"chighlight", {&C::Highlight, COLOR_HIGHLIGHT}},
      {"chighlighttext", {&C::HighlightText, COLOR_HIGHLIGHTTEXT}},
      {"cbtnhighlight", {&C::BtnHighlight, COLOR_BTNHIGHLIGHT}},
      {"cbtnshadow", {&C::BtnShadow, COLOR_BTNSHADOW}},
      {"c3dlight", {&C::Light3D, COLOR_3DLIGHT}},
      {"c3ddkshadow", {&C::DkShadow3D, COLOR_3DDKSHADOW}},
  }};
  return keys;
}

}  // namespace

void TspSkinColors::SetColorsToDefault() {
  for (const auto& [key, colour] : ColorKeys()) this->*colour.first = SystemColor(colour.second);
}

void TspSkinColors::LoadFromFile(TCustomIniFile* ini) {
  for (const auto& [key, colour] : ColorKeys()) {
    this->*colour.first = ReadInteger(ini, kSection, key, this->*colour.first);
  }
}

void TspSkinColors::SaveToFile(TCustomIniFile* ini) {
  for (const auto& [key, colour] : ColorKeys()) WriteInteger(ini, kSection, key, this->*colour.first);
}
