#pragma once
// The enumerations and sets that every framed control shares, with the name tables by
// which form resources write them.
#include "classlib/formres/ClassProperties.h"
#include "classlib/runtime/Events.h"
#include "classlib/runtime/Sets.h"

enum TAlignmentVertical { avTop, avCenter, avBottom };
enum TTextStyle { tsNormal, tsRaised, tsRecessed, tsShadow };
enum TOrientation { orHorizontal, orVertical };
enum TFrameStyle {
  fsNone, fsFlat, fsGroove, fsBump, fsLowered, fsButtonDown, fsRaised, fsButtonUp, fsStatus, fsPopup, fsFlatBold
};
enum TSplitterStyle { ssStandard, ssGroove, ssBump };
enum TFramingPreference { fpCustomFraming, fpXPThemes };
enum TSide { sdLeft, sdTop, sdRight, sdBottom };
using TSides = TSet<TSide>;  // bits 1, 2, 4, 8
enum TFrHotTrackColorType { htctComplement, htctActual };
enum TFrPathType { ptIniFile, ptRegistry };
enum TFrRegKey {
  hkeyClassesRoot, hkeyCurrentUser, hkeyLocalMachine, hkeyUsers, hkeyPerformanceData, hkeyCurrentConfig, hkeyDynData
};
enum TFrRegAccessKey {
  keyQueryValue, keySetValue, keyCreateSubKey, keyEnumerateSubKeys, keyNotify, keyCreateLink,
  keyRead, keyWrite, keyExecute, keyAllAccess
};
using TFrRegAccess = TSet<TFrRegAccessKey>;

// (Sender, NewPos, AllowChange)
using TPositionChangingEvent = TEvent<TObject*, int, bool&>;

inline constexpr TSides kAllSides{sdLeft, sdTop, sdRight, sdBottom};

// The names of the values as form resources write them.
const TIdentTable& FrameStyleIdents();
const TIdentTable& AlignmentVerticalIdents();
const TIdentTable& TextStyleIdents();
const TIdentTable& SideIdents();
const TIdentTable& FramingPreferenceIdents();
const TIdentTable& OrientationIdents();
// `TLeftRight`: taLeftJustify and taRightJustify of the class library's TAlignment.
const TIdentTable& LeftRightIdents();
const TIdentTable& SplitterStyleIdents();
const TIdentTable& PathTypeIdents();
const TIdentTable& RegKeyIdents();
const TIdentTable& RegAccessIdents();
const TIdentTable& HotTrackColorTypeIdents();
