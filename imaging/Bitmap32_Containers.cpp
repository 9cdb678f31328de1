#include "imaging/Bitmap32_Containers.h"

#include <algorithm>

#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/Format.h"

namespace imaging {

// --- TPointerMap ---------------------------------------------------------------------

namespace {

// Bucket storage grows in steps: a quarter beyond 64 entries, 16 beyond 8, else 4.
int32_t BucketGrowth(int32_t capacity) {
  if (capacity > 64) return capacity / 4;
  return capacity > 8 ? 16 : 4;
}

}  // namespace

TPointerMap::~TPointerMap() { Clear(); }

void** TPointerMap::Add(void* key) { return Add(key, nullptr); }

void** TPointerMap::Add(void* key, void* data) {
  bool isNew;
  return Add(key, data, isNew);
}

void** TPointerMap::Add(void* key, bool& isNew) { return Add(key, nullptr, isNew); }

void** TPointerMap::Add(void* key, void* data, bool& isNew) {
  int32_t bucketIndex, itemIndex;
  if (Exists(key, bucketIndex, itemIndex)) {
    isNew = false;
    return &buckets_[bucketIndex].Items[itemIndex].Data;
  }
  TPointerBucket& bucket = buckets_[bucketIndex];
  const auto capacity = static_cast<int32_t>(bucket.Items.size());
  if (bucket.Count == capacity) bucket.Items.resize(capacity + BucketGrowth(capacity));
  TPointerBucketItem& item = bucket.Items[bucket.Count++];
  item = TPointerBucketItem{key, data};
  ++count_;
  isNew = true;
  return &item.Data;
}

void* TPointerMap::Remove(void* key) {
  int32_t bucketIndex, itemIndex;
  return Exists(key, bucketIndex, itemIndex) ? Delete(bucketIndex, itemIndex) : nullptr;
}

bool TPointerMap::Contains(void* key) const {
  int32_t bucketIndex, itemIndex;
  return Exists(key, bucketIndex, itemIndex);
}

bool TPointerMap::Exists(void* key, int32_t& bucketIndex, int32_t& itemIndex) const {
  bucketIndex = BucketOf(key);
  const TPointerBucket& bucket = buckets_[bucketIndex];
  for (itemIndex = 0; itemIndex < bucket.Count; ++itemIndex)
    if (bucket.Items[itemIndex].Key == key) return true;
  return false;
}

bool TPointerMap::Find(void* key, void**& data) {
  int32_t bucketIndex, itemIndex;
  if (!Exists(key, bucketIndex, itemIndex)) return false;
  data = &buckets_[bucketIndex].Items[itemIndex].Data;
  return true;
}

void TPointerMap::NotFound(void* key) {
  throw EListError(Format("Item not found ($0%x)", static_cast<uint32_t>(reinterpret_cast<uintptr_t>(key))));
}

void* TPointerMap::GetData(void* key) const {
  int32_t bucketIndex, itemIndex;
  if (!Exists(key, bucketIndex, itemIndex)) NotFound(key);
  return buckets_[bucketIndex].Items[itemIndex].Data;
}

void TPointerMap::SetData(void* key, void* data) {
  void** slot;
  if (!Find(key, slot)) NotFound(key);
  *slot = data;
}

void* TPointerMap::Delete(int32_t bucketIndex, int32_t itemIndex) {
  TPointerBucket& bucket = buckets_[bucketIndex];
  void* data = bucket.Items[itemIndex].Data;
  if (count_ == 0) return data;
  if (bucket.Count == 1) {
    TPointerBucketItemArray().swap(bucket.Items);
  } else {
    std::copy(bucket.Items.begin() + itemIndex + 1, bucket.Items.begin() + bucket.Count,
              bucket.Items.begin() + itemIndex);
  }
  --bucket.Count;
  --count_;
  return data;
}

void TPointerMap::Clear() {
  count_ = 0;
  for (int32_t b = 0; b < BucketCount; ++b) {
    for (int32_t i = buckets_[b].Count - 1; i >= 0; --i) Delete(b, i);
    buckets_[b].Count = 0;
    TPointerBucketItemArray().swap(buckets_[b].Items);
  }
}

// --- TPointerMapIterator -----------------------------------------------------------------

bool TPointerMapIterator::Next() {
  if (itemIndex_ > 0) {
    --itemIndex_;
  } else {
    int32_t next = bucketIndex_ + 1;
    while (next < TPointerMap::BucketCount && map_->buckets_[next].Count == 0) ++next;
    if (next >= TPointerMap::BucketCount) return false;
    bucketIndex_ = next;
    itemIndex_ = map_->buckets_[next].Count - 1;
  }
  const TPointerBucketItem& item = map_->buckets_[bucketIndex_].Items[itemIndex_];
  currentKey_ = item.Key;
  currentData_ = item.Data;
  return true;
}

// --- TRectList -----------------------------------------------------------------------

TRectList::~TRectList() {
  count_ = 0;
  SetCapacity(0);
}

void TRectList::Grow() {
  const int32_t capacity = Capacity();
  int32_t delta = 8;
  if (capacity > 128)
    delta = capacity / 4;
  else if (capacity > 8)
    delta = 32;
  SetCapacity(capacity + delta);
}

int32_t TRectList::Add(const TRect& rect) {
  Insert(count_, rect);
  return count_ - 1;
}

void TRectList::Insert(int32_t index, const TRect& rect) {
  if (count_ == Capacity()) Grow();
  std::copy_backward(block_.begin() + index, block_.begin() + count_, block_.begin() + count_ + 1);
  block_[index] = rect;
  ++count_;
}

void TRectList::Delete(int32_t index) {
  std::copy(block_.begin() + index + 1, block_.begin() + count_, block_.begin() + index);
  --count_;
}

int32_t TRectList::Remove(const TRect& rect) {
  const int32_t index = IndexOf(rect);
  if (index >= 0) Delete(index);
  return index;
}

int32_t TRectList::IndexOf(const TRect& rect) const {
  for (int32_t i = 0; i < count_; ++i)
    if (block_[i] == rect) return i;
  return -1;
}

void TRectList::Exchange(int32_t index1, int32_t index2) { std::swap(block_[index1], block_[index2]); }

void TRectList::Move(int32_t curIndex, int32_t newIndex) {
  if (curIndex == newIndex) return;
  const TRect moved = block_[curIndex];
  Delete(curIndex);
  Insert(newIndex, moved);
}

TRect* TRectList::Get(int32_t index) { return index >= 0 && index < count_ ? &block_[index] : nullptr; }

void TRectList::SetCount(int32_t value) {
  if (value > Capacity()) SetCapacity(value);
  while (count_ < value) block_[count_++] = TRect{};
  while (count_ > value) Delete(count_ - 1);
}

void TRectList::SetCapacity(int32_t value) {
  Assert(value >= count_, "Capacity below the count of rectangles");
  block_.resize(value);
  block_.shrink_to_fit();
}

void TRectList::Clear() {
  count_ = 0;
  SetCapacity(10);
}

// --- TClassList ----------------------------------------------------------------------

namespace {

void* AsPointer(TClass aClass) { return const_cast<TMetaClass*>(aClass); }
TClass AsClass(void* item) { return static_cast<TClass>(item); }

}  // namespace

int TClassList::Add(TClass aClass) { return TList::Add(AsPointer(aClass)); }
void TClassList::Insert(int index, TClass aClass) { TList::Insert(index, AsPointer(aClass)); }
int TClassList::Remove(TClass aClass) { return TList::Remove(AsPointer(aClass)); }
TClass TClassList::Extract(TClass aClass) { return AsClass(TList::Extract(AsPointer(aClass))); }
int TClassList::IndexOf(TClass aClass) const { return TList::IndexOf(AsPointer(aClass)); }
TClass TClassList::First() const { return AsClass(TList::First()); }
TClass TClassList::Last() const { return AsClass(TList::Last()); }
TClass TClassList::GetItems(int index) const { return AsClass(TList::Items(index)); }
void TClassList::SetItems(int index, TClass aClass) { TList::SetItems(index, AsPointer(aClass)); }

TClass TClassList::Find(const AnsiString& className) const {
  for (int i = 0; i < Count(); ++i)
    if (GetItems(i)->ClassName() == className) return GetItems(i);
  return nullptr;
}

void TClassList::GetClassNames(TStrings* strings) const {
  for (int i = 0; i < Count(); ++i) strings->Add(GetItems(i)->ClassName());
}

// --- SmartAssign ---------------------------------------------------------------------

void TPublishedCopy::Object(TPersistent* source, TPersistent* dest) const {
  if (kinds_.Contains(tkClass) && source != nullptr && dest != nullptr) dest->Assign(source);
}

void SmartAssign(TPersistent* source, TPersistent* dest, TTypeKinds kinds) {
  if (const auto* published = dynamic_cast<const IPublishedProperties*>(source))
    published->CopyPublishedProperties(dest, TPublishedCopy(kinds));
}

}  // namespace imaging
