#include "framed/FrCommon_Types.h"

#include "classlib/graphics/Types.h"

const TIdentTable& FrameStyleIdents() {
  static const TIdentTable table("TFrameStyle",
                                 {{"fsNone", fsNone},
                                  {"fsFlat", fsFlat},
                                  {"fsGroove", fsGroove},
                                  {"fsBump", fsBump},
                                  {"fsLowered", fsLowered},
                                  {"fsButtonDown", fsButtonDown},
                                  {"fsRaised", fsRaised},
                                  {"fsButtonUp", fsButtonUp},
                                  {"fsStatus", fsStatus},
                                  {"fsPopup", fsPopup},
                                  {"fsFlatBold", fsFlatBold}});
  return table;
}

const TIdentTable& AlignmentVerticalIdents() {
  static const TIdentTable table("TAlignmentVertical", {{"avTop", avTop}, {"avCenter", avCenter}, {"avBottom", avBottom}});
  return table;
}

const TIdentTable& TextStyleIdents() {
  static const TIdentTable table("TTextStyle",
                                 {{"tsNormal", tsNormal}, {"tsRaised", tsRaised}, {"tsRecessed", tsRecessed}, {"tsShadow", tsShadow}});
  return table;
}

const TIdentTable& SideIdents() {
  static const TIdentTable table("TSide", {{"sdLeft", sdLeft}, {"sdTop", sdTop}, {"sdRight", sdRight}, {"sdBottom", sdBottom}});
  return table;
}

const TIdentTable& FramingPreferenceIdents() {
  static const TIdentTable table("TFramingPreference", {{"fpCustomFraming", fpCustomFraming}, {"fpXPThemes", fpXPThemes}});
  return table;
}

const TIdentTable& PathTypeIdents() {
  static const TIdentTable table("TFrPathType", {{"ptIniFile", ptIniFile}, {"ptRegistry", ptRegistry}});
  return table;
}

const TIdentTable& RegKeyIdents() {
  static const TIdentTable table("TFrRegKey", {{"hkeyClassesRoot", hkeyClassesRoot},
                                               {"hkeyCurrentUser", hkeyCurrentUser},
                                               {"hkeyLocalMachine", hkeyLocalMachine},
                                               {"hkeyUsers", hkeyUsers},
                                               {"hkeyPerformanceData", hkeyPerformanceData},
                                               {"hkeyCurrentConfig", hkeyCurrentConfig},
                                               {"hkeyDynData", hkeyDynData}});
  return table;
}

const TIdentTable& RegAccessIdents() {
  static const TIdentTable table("TFrRegAccessKey", {{"keyQueryValue", keyQueryValue},
                                                     {"keySetValue", keySetValue},
                                                     {"keyCreateSubKey", keyCreateSubKey},
                                                     {"keyEnumerateSubKeys", keyEnumerateSubKeys},
                                                     {"keyNotify", keyNotify},
                                                     {"keyCreateLink", keyCreateLink},
                                                     {"keyRead", keyRead},
                                                     {"keyWrite", keyWrite},
                                                     {"keyExecute", keyExecute},
                                                     {"keyAllAccess", keyAllAccess}});
  return table;
}

const TIdentTable& OrientationIdents() {
  static const TIdentTable table("TOrientation", {{"orHorizontal", orHorizontal}, {"orVertical", orVertical}});
  return table;
}

const TIdentTable& LeftRightIdents() {
  static const TIdentTable table("TLeftRight", {{"taLeftJustify", taLeftJustify}, {"taRightJustify", taRightJustify}});
  return table;
}

const TIdentTable& SplitterStyleIdents() {
  static const TIdentTable table("TSplitterStyle", {{"ssStandard", ssStandard}, {"ssGroove", ssGroove}, {"ssBump", ssBump}});
  return table;
}

const TIdentTable& HotTrackColorTypeIdents() {
  static const TIdentTable table("TFrHotTrackColorType", {{"htctComplement", htctComplement}, {"htctActual", htctActual}});
  return table;
}
