#include "skin/shell/Skingrids_Extents.h"

#include <algorithm>
#include <cstdint>

#include "classlib/runtime/Exceptions.h"

namespace {

constexpr int64_t kMaxExtents = 134217726;

}  // namespace

int TGridExtents::Value(int index, int defaultValue) const {
  return index >= 0 && index < Count() ? values_[static_cast<size_t>(index)] : defaultValue;
}

void TGridExtents::Ensure(int count, int value) {
  if (!Exists()) values_.assign(static_cast<size_t>(count), value);
}

void TGridExtents::Resize(int index, int amount, int defaultValue) {
  if (amount == 0 || !Exists()) return;
  if (index < 0 || index > Count()) throw EInvalidGridOperation("Grid index out of range");
  const int64_t newCount = static_cast<int64_t>(Count()) + amount;
  if (newCount < 0 || (amount < 0 && index - static_cast<int64_t>(amount) > Count())) {
    throw EInvalidGridOperation("Too many rows or columns deleted");
  }
  if (newCount >= kMaxExtents) throw EInvalidGridOperation("Grid too large for operation");
  const auto at = values_.begin() + index;
  if (amount > 0) {
    values_.insert(at, static_cast<size_t>(amount), defaultValue);
  } else {
    values_.erase(at, at - amount);
  }
  if (values_.empty()) values_.shrink_to_fit();
}

void TGridExtents::Move(int fromIndex, int toIndex) {
  if (!Exists() || fromIndex == toIndex) return;
  const auto from = values_.begin() + fromIndex, to = values_.begin() + toIndex;
  if (fromIndex < toIndex) {
    std::rotate(from, from + 1, to + 1);
  } else {
    std::rotate(to, from, from + 1);
  }
}
