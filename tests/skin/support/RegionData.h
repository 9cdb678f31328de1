#pragma once
// Region contents for comparing window regions in tests.
#include <cstdint>
#include <vector>

#include "classlib/runtime/WinApi.h"

namespace skintest {

// The region data of a region handle (empty for none).
std::vector<uint8_t> RegionData(HRGN region);
// The data of the window's region (empty when it has none).
std::vector<uint8_t> WindowRegionData(HWND window);

}  // namespace skintest
