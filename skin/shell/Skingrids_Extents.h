#pragma once
// The per-cell values of one grid axis (column widths, tab stops, row heights): absent
// until a single value is set, then one value per cell.
#include <cstddef>
#include <vector>

class TGridExtents {
 public:
  bool Exists() const { return !values_.empty(); }
  int Count() const { return static_cast<int>(values_.size()); }
  // The value of `index`; `defaultValue` when there is no block or the index is outside it.
  int Value(int index, int defaultValue) const;
  // Makes the block (when absent) with `count` cells of `value`.
  void Ensure(int count, int value);
  void Set(int index, int value) { values_.at(static_cast<size_t>(index)) = value; }
  void Release() { values_.clear(); }
  // Inserts (amount > 0) cells of `defaultValue` at `index`, or removes (amount < 0) the
  // cells from `index` on, keeping every other value in place; a block left without cells
  // is released. Nothing happens to an absent block. Raises EInvalidGridOperation "Grid
  // index out of range" for an index outside 0..Count, "Too many rows or columns deleted"
  // for more cells than there are, "Grid too large for operation" from 134217726 cells on.
  void Resize(int index, int amount, int defaultValue);
  // Resizes an existing block to `count` cells at its end, new ones of `defaultValue`.
  void SetCount(int count, int defaultValue) {
    Resize(count < Count() ? count : Count(), count - Count(), defaultValue);
  }
  // Takes the value at `fromIndex` out and puts it at `toIndex`.
  void Move(int fromIndex, int toIndex);

 private:
  std::vector<int> values_;
};
