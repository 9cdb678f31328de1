#pragma once
// Sparse storage for very large tables (the string grid's rows and cells): sections of
// pointers are allocated only where items exist, so millions of empty cells cost nothing.
// No skin or window code lives here.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/Strings.h"

class TValueReader;

CLASSLIB_EXCEPTION(EStringSparseListError, Exception)

// sqSmall: sections of 16 slots; sqLarge: sections of 256 slots.
enum TSectionQuantum { sqSmall, sqLarge };

// Visits one stored item (index, item); a non-zero answer stops the walk.
using TSparsePointerVisit = std::function<int(int index, void* item)>;

// A two-level array of untyped pointers it does not own: a directory of sections, each
// created (zeroed) when a slot in it is first written. Every non-negative index can be
// stored: the directory grows to whatever section an index needs. The last item read is
// cached.
class TSparsePointerArray {
 public:
  explicit TSparsePointerArray(TSectionQuantum quantum);
  TSparsePointerArray(const TSparsePointerArray&) = delete;
  TSparsePointerArray& operator=(const TSparsePointerArray&) = delete;

  // The item at `index`, or null when nothing is stored there (allocates nothing).
  void* ItemAt(int index);
  // The slot of `index`, its section created when absent; a negative index raises
  // EListError.
  void** SlotAt(int index);
  // Stores `item`; storing null where nothing is stored allocates nothing.
  void SetItemAt(int index, void* item);
  // Visits the stored items in ascending index order; the first non-zero answer, or 0.
  int ForEachItem(const TSparsePointerVisit& visit) const;
  void RecomputeHighBound();
  // The largest index written (lowered only when null is stored), -1 when empty.
  int HighBound() const { return highBound_; }
  // Sections in the directory (present or not) and sections allocated.
  int DirectorySlots() const { return static_cast<int>(directory_.size()); }
  int SectionCount() const;

 private:
  std::vector<std::unique_ptr<void*[]>> directory_;
  uint32_t indexMask_;
  uint32_t sectionShift_;
  int highBound_ = -1;
  uint32_t sectionSize_;
  int cachedIndex_ = -1;
  void* cachedItem_ = nullptr;
};

// A list over the sparse array: Count is one past the last position used; insert and
// delete move the items after the position.
class TSparseList {
 public:
  explicit TSparseList(TSectionQuantum quantum);
  virtual ~TSparseList() = default;

  // A negative index raises EListError "List index out of bounds (%d)".
  void* Get(int index);
  void Put(int index, void* item);
  void Insert(int index, void* item);
  // An index outside 0..Count-1 does nothing.
  void Delete(int index);
  void Exchange(int index1, int index2);
  void Move(int fromIndex, int toIndex);
  void Clear();
  int ForEachItem(const TSparsePointerVisit& visit) const { return list_->ForEachItem(visit); }
  int Count() const { return count_; }
  const TSparsePointerArray& Array() const { return *list_; }

 protected:
  virtual void IndexError(int index);

 private:
  std::unique_ptr<TSparsePointerArray> list_;
  int count_ = 0;
  TSectionQuantum quantum_;
};

// One cell of a string list: its object (not owned) and its text.
struct TStrItem {
  TObject* FObject = nullptr;
  AnsiString FString;
};

// A TStrings whose lines live in a sparse list: absent lines read as empty texts without
// objects, and a line is stored only while it has a text or an object. Its content is read
// from a form as "List": a list of the number of entries, then each entry's index and text.
class TStringSparseList : public TStrings {
  CLASSLIB_CLASS(TStringSparseList, TStrings)
 public:
  explicit TStringSparseList(TSectionQuantum quantum);
  ~TStringSparseList() override;

  void DefineProperties(TFiler* filer) override;
  void Clear() override;
  void Delete(int index) override;
  void Exchange(int index1, int index2) override;
  void Insert(int index, const AnsiString& s) override;
  const TSparseList& List() const { return list_; }

  TNotifyEvent OnListChange;

 protected:
  AnsiString Get(int index) const override;
  int GetCount() const override { return list_.Count(); }
  TObject* GetObjectAt(int index) const override;
  void Put(int index, const AnsiString& s) override;
  void PutObject(int index, TObject* object) override;
  virtual void NotifyChange();
  // Raises EStringSparseListError "PutObject to undefined item".
  [[noreturn]] virtual void ItemError();

 private:
  TStrItem* Item(int index) const { return static_cast<TStrItem*>(list_.Get(index)); }
  void ReadList(const TValueReader& value);
  void DisposeItems();

  mutable TSparseList list_;
};
