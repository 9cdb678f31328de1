#include "media/colour/ColourConversionTable.h"

namespace mccolour {

ColourConversionHandle ColourConversionTable::Open(int width, int height) {
  if (width <= 0 || height <= 0) return 0;
  std::lock_guard<std::mutex> lock(mutex_);
  do {
    ++last_;
  } while (last_ == 0 || sizes_.count(last_) != 0);
  sizes_.emplace(last_, Size(width, height));
  return last_;
}

std::optional<ColourConversionTable::Size> ColourConversionTable::Find(
    ColourConversionHandle handle) const {
  std::lock_guard<std::mutex> lock(mutex_);
  const auto found = sizes_.find(handle);
  if (found == sizes_.end()) return std::nullopt;
  return found->second;
}

void ColourConversionTable::Close(ColourConversionHandle handle) {
  std::lock_guard<std::mutex> lock(mutex_);
  sizes_.erase(handle);
}

}  // namespace mccolour
