#pragma once
// The skin library's utilities: value encodings of skin descriptions, geometry, text,
// system questions and the 24-bit pixel copy.
#include "skin/data/Sputils_FBitmap.h"
#include "skin/data/Sputils_Geometry.h"
#include "skin/data/Sputils_System.h"
#include "skin/data/Sputils_Text.h"
#include "skin/data/Sputils_Values.h"
