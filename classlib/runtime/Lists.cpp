#include "classlib/runtime/Lists.h"

#include <algorithm>

#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/Format.h"

TList::~TList() { Clear(); }

void TList::Error(const char* message, int index) { throw EListError(Format(message, {index})); }

void TList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) Error("List index out of bounds (%d)", index);
}

void TList::SetCount(int count) {
  if (count < 0) Error("List count out of bounds (%d)", count);
  while (Count() > count) Delete(Count() - 1);
  items_.resize(static_cast<size_t>(count), nullptr);
}

void TList::SetCapacity(int capacity) {
  if (capacity < Count()) Error("List capacity out of bounds (%d)", capacity);
  items_.reserve(static_cast<size_t>(capacity));
}

void* TList::Items(int index) const {
  CheckIndex(index);
  return items_[static_cast<size_t>(index)];
}

void TList::SetItems(int index, void* item) {
  CheckIndex(index);
  void* old = items_[static_cast<size_t>(index)];
  if (old == item) return;
  items_[static_cast<size_t>(index)] = item;
  if (old != nullptr) Notify(old, lnDeleted);
  if (item != nullptr) Notify(item, lnAdded);
}

int TList::Add(void* item) {
  items_.push_back(item);
  if (item != nullptr) Notify(item, lnAdded);
  return Count() - 1;
}

void TList::Insert(int index, void* item) {
  if (index < 0 || index > Count()) Error("List index out of bounds (%d)", index);
  items_.insert(items_.begin() + index, item);
  if (item != nullptr) Notify(item, lnAdded);
}

void TList::Delete(int index) {
  CheckIndex(index);
  void* item = items_[static_cast<size_t>(index)];
  items_.erase(items_.begin() + index);
  if (item != nullptr) Notify(item, lnDeleted);
}

int TList::Remove(void* item) {
  const int index = IndexOf(item);
  if (index >= 0) Delete(index);
  return index;
}

void* TList::Extract(void* item) {
  const int index = IndexOf(item);
  if (index < 0) return nullptr;
  items_.erase(items_.begin() + index);
  Notify(item, lnExtracted);
  return item;
}

int TList::IndexOf(void* item) const {
  const auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TList::Exchange(int index1, int index2) {
  CheckIndex(index1);
  CheckIndex(index2);
  std::swap(items_[static_cast<size_t>(index1)], items_[static_cast<size_t>(index2)]);
}

void TList::Move(int currentIndex, int newIndex) {
  if (currentIndex == newIndex) return;
  CheckIndex(currentIndex);
  CheckIndex(newIndex);
  void* item = items_[static_cast<size_t>(currentIndex)];
  items_.erase(items_.begin() + currentIndex);
  items_.insert(items_.begin() + newIndex, item);
}

void TList::Pack() { std::erase(items_, nullptr); }

void TList::Clear() { SetCount(0); }

void TList::Sort(TListSortCompare compare) {
  std::stable_sort(items_.begin(), items_.end(), [compare](void* a, void* b) { return compare(a, b) < 0; });
}

void TList::Assign(const TList& source) {
  if (&source == this) return;
  Clear();
  for (void* item : source.items_) Add(item);
}
