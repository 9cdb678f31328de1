#pragma once
// The skin library's utilities: value encodings of skin descriptions, geometry, text,
// system questions, the 24-bit pixel copy, picture composition, masks and regions,
// parent pictures and glyphs.
#include "skin/data/Sputils_Compose.h"
#include "skin/data/Sputils_FBitmap.h"
#include "skin/data/Sputils_Glyphs.h"
#include "skin/data/Sputils_Geometry.h"
#include "skin/data/Sputils_ParentImage.h"
#include "skin/data/Sputils_Regions.h"
#include "skin/data/Sputils_System.h"
#include "skin/data/Sputils_Text.h"
#include "skin/data/Sputils_Values.h"
