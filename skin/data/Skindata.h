#pragma once
// Skin descriptions: the skin data component, the look descriptors of every control and
// form object, the type words that make them, and the string table of the library's own
// texts.
#include "skin/data/Skindata_Bases.h"
#include "skin/data/Skindata_Buttons.h"
#include "skin/data/Skindata_Enums.h"
#include "skin/data/Skindata_Kinds.h"
#include "skin/data/Skindata_Labels.h"
#include "skin/data/Skindata_Lists.h"
#include "skin/data/Skindata_Menus.h"
#include "skin/data/Skindata_Objects.h"
#include "skin/data/Skindata_Panels.h"
#include "skin/data/Skindata_Ranges.h"
#include "skin/data/Skindata_SkinData.h"
#include "skin/data/Skindata_Strings.h"
#include "skin/data/Skindata_Views.h"

// Registers the skin data classes for form resources; call once at start-up, after
// InitializeControlClasses.
void InitializeSkinData();
