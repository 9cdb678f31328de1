#pragma once
// The open conversions of mccolour.dll: a frame size per handle, reachable from any thread.
#include <map>
#include <mutex>
#include <optional>
#include <utility>

#include "media/contracts/ColourConversionLibrary.h"

namespace mccolour {

class ColourConversionTable {
 public:
  using Size = std::pair<int, int>;  // width, height

  // A new handle (never 0) for frames of width x height; 0 for a size that is not positive.
  ColourConversionHandle Open(int width, int height);
  std::optional<Size> Find(ColourConversionHandle handle) const;
  void Close(ColourConversionHandle handle);

 private:
  mutable std::mutex mutex_;
  std::map<ColourConversionHandle, Size> sizes_;
  ColourConversionHandle last_ = 0;
};

}  // namespace mccolour
