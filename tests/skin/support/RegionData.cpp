#include "RegionData.h"

namespace skintest {

std::vector<uint8_t> RegionData(HRGN region) {
  if (region == nullptr) return {};
  std::vector<uint8_t> data(GetRegionData(region, 0, nullptr));
  GetRegionData(region, static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA*>(data.data()));
  return data;
}

std::vector<uint8_t> WindowRegionData(HWND window) {
  HRGN copy = CreateRectRgn(0, 0, 0, 0);
  std::vector<uint8_t> data;
  if (GetWindowRgn(window, copy) != ERROR) data = RegionData(copy);
  DeleteObject(copy);
  return data;
}

}  // namespace skintest
