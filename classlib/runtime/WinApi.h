#pragma once
// The Windows API as every unit of the class library sees it: without the min/max
// macros, so the standard algorithms keep their names.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
