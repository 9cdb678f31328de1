#pragma once
// Containers of the bitmap library: a hash map from pointers to pointers with its
// iterator, a growable list of rectangles, a list of classes, and SmartAssign, the
// copier of published properties.
#include <cstdint>
#include <vector>

#include "classlib/runtime/Lists.h"
#include "classlib/runtime/Object.h"
#include "classlib/runtime/Sets.h"
#include "classlib/runtime/Strings.h"
#include "imaging/Bitmap32_Geometry.h"

namespace imaging {

struct TPointerBucketItem {
  void* Key = nullptr;
  void* Data = nullptr;
};
// Its length is the bucket's capacity.
using TPointerBucketItemArray = std::vector<TPointerBucketItem>;

struct TPointerBucket {
  int32_t Count = 0;
  TPointerBucketItemArray Items;
};

// Pointer keys (compared by identity, each stored once) to pointer data, in 256
// buckets chosen by bits 8..15 of the key. The map owns neither keys nor data.
class TPointerMap : public TObject {
  CLASSLIB_CLASS(TPointerMap, TObject)
 public:
  static constexpr int BucketCount = 256;

  TPointerMap() = default;
  // Clears the map. A descendant that frees data in Delete clears in its own destructor.
  ~TPointerMap() override;

  // Each Add answers the address of the entry's data slot; an existing key keeps its
  // data. The address is valid until the next Add or removal.
  void** Add(void* key);
  void** Add(void* key, void* data);
  void** Add(void* key, bool& isNew);
  void** Add(void* key, void* data, bool& isNew);
  // Deletes the key's entry and answers its data; nil when the key is absent.
  void* Remove(void* key);
  bool Contains(void* key) const;
  bool Exists(void* key, int32_t& bucketIndex, int32_t& itemIndex) const;
  bool Find(void* key, void**& data);
  // Raise EListError "Item not found ($0%x)" for an absent key.
  void* GetData(void* key) const;
  void SetData(void* key, void* data);
  void Clear();
  int32_t Count() const { return count_; }

  static int32_t BucketOf(void* key) { return static_cast<int32_t>((reinterpret_cast<uintptr_t>(key) >> 8) & 0xFF); }

 protected:
  // Removes one entry and answers its data; while clearing (count 0) it only answers
  // the data, so a descendant can free it.
  virtual void* Delete(int32_t bucketIndex, int32_t itemIndex);

 private:
  [[noreturn]] static void NotFound(void* key);
  TPointerBucket buckets_[BucketCount];
  int32_t count_ = 0;
  friend class TPointerMapIterator;
};

// Visits every entry once: buckets in ascending order, entries of a bucket from the
// last to the first.
class TPointerMapIterator : public TObject {
  CLASSLIB_CLASS(TPointerMapIterator, TObject)
 public:
  using TCreateArgument = TPointerMap*;
  explicit TPointerMapIterator(TPointerMap* map) : map_(map) {}
  bool Next();
  void* CurrentKey() const { return currentKey_; }
  void* CurrentData() const { return currentData_; }

 private:
  TPointerMap* map_;
  int32_t bucketIndex_ = -1;
  int32_t itemIndex_ = -1;
  void* currentKey_ = nullptr;
  void* currentData_ = nullptr;
};

// A growable list of rectangles. Only Get checks indices; the other operations expect
// valid ones.
class TRectList : public TObject {
  CLASSLIB_CLASS(TRectList, TObject)
 public:
  TRectList() = default;
  ~TRectList() override;

  int32_t Add(const TRect& rect);
  void Insert(int32_t index, const TRect& rect);
  void Delete(int32_t index);
  // Answers the former index, or -1.
  int32_t Remove(const TRect& rect);
  // The first index of an equal rectangle, or -1.
  int32_t IndexOf(const TRect& rect) const;
  void Exchange(int32_t index1, int32_t index2);
  void Move(int32_t curIndex, int32_t newIndex);
  // The rectangle's address; nil outside 0..Count()-1.
  TRect* Get(int32_t index);
  int32_t Count() const { return count_; }
  void SetCount(int32_t value);
  int32_t Capacity() const { return static_cast<int32_t>(block_.size()); }
  // Raises EAssertionFailed below the count.
  void SetCapacity(int32_t value);
  // Empties the list and keeps room for 10 rectangles.
  virtual void Clear();
  // Drops nil entries: every index inside the list holds a rectangle, so none.
  void Pack() {}

 protected:
  virtual void Grow();

 private:
  std::vector<TRect> block_;  // its size is the capacity
  int32_t count_ = 0;
};

// A list of class references.
class TClassList : public TList {
  CLASSLIB_CLASS(TClassList, TList)
 public:
  int Add(TClass aClass);
  void Insert(int index, TClass aClass);
  int Remove(TClass aClass);
  TClass Extract(TClass aClass);
  int IndexOf(TClass aClass) const;
  TClass First() const;
  TClass Last() const;
  TClass GetItems(int index) const;
  void SetItems(int index, TClass aClass);
  // The first class whose name equals `className` exactly (case matters), or nil.
  TClass Find(const AnsiString& className) const;
  // Appends each class's name in list order.
  void GetClassNames(TStrings* strings) const;
};

// The kinds of published properties.
enum TTypeKind : uint8_t {
  tkUnknown, tkInteger, tkChar, tkEnumeration, tkFloat, tkString, tkSet, tkClass, tkMethod,
  tkWChar, tkLString, tkWString, tkVariant, tkArray, tkRecord, tkInterface, tkInt64, tkDynArray
};
using TTypeKinds = TSet<TTypeKind>;
inline constexpr TTypeKinds tkAny = TTypeKinds::FromBits((uint64_t{1} << (tkDynArray + 1)) - 1);

// One copy of published properties, restricted to some kinds.
class TPublishedCopy {
 public:
  explicit TPublishedCopy(TTypeKinds kinds) : kinds_(kinds) {}
  // A value property of that kind: `copy` writes the source's value to the destination.
  template <class Copy>
  void Value(TTypeKind kind, Copy&& copy) const {
    if (kinds_.Contains(kind)) copy();
  }
  // An object property: the destination's object takes the source's by Assign when
  // both exist.
  void Object(TPersistent* source, TPersistent* dest) const;

 private:
  TTypeKinds kinds_;
};

// Implemented by classes whose published properties SmartAssign copies: each property
// in declaration order, through `copy`. A destination of another class is left alone.
class IPublishedProperties {
 public:
  virtual void CopyPublishedProperties(TPersistent* dest, const TPublishedCopy& copy) const = 0;

 protected:
  ~IPublishedProperties() = default;
};

// Copies the published properties of the kinds given from source to dest.
void SmartAssign(TPersistent* source, TPersistent* dest, TTypeKinds kinds = tkAny);

}  // namespace imaging
