#pragma once
#include <vector>

#include "classlib/runtime/Object.h"

enum TListNotification { lnAdded, lnExtracted, lnDeleted };

// An indexed list of untyped pointers. Indexes run from 0 to Count()-1; a bad index
// raises EListError "List index out of bounds (%d)".
class TList : public TObject {
  CLASSLIB_CLASS(TList, TObject)
 public:
  using TListSortCompare = int (*)(void* a, void* b);

  TList() = default;
  ~TList() override;

  int Count() const { return static_cast<int>(items_.size()); }
  // Setting a larger count appends null entries; a smaller one drops the last ones.
  void SetCount(int count);
  int Capacity() const { return static_cast<int>(items_.capacity()); }
  void SetCapacity(int capacity);

  void* Items(int index) const;
  void SetItems(int index, void* item);
  void* operator[](int index) const { return Items(index); }
  void* First() const { return Items(0); }
  void* Last() const { return Items(Count() - 1); }

  int Add(void* item);
  void Insert(int index, void* item);
  void Delete(int index);
  // Removes the first entry equal to `item`; answers its former index or -1.
  int Remove(void* item);
  // Removes `item` without deleting it (notification lnExtracted); answers it or null.
  void* Extract(void* item);
  int IndexOf(void* item) const;
  void Exchange(int index1, int index2);
  void Move(int currentIndex, int newIndex);
  // Drops the null entries.
  void Pack();
  virtual void Clear();
  // Stable sort by `compare` (negative, zero, positive like strcmp).
  void Sort(TListSortCompare compare);
  // Makes this list a copy of `source`.
  void Assign(const TList& source);
  void** List() { return items_.data(); }

 protected:
  // Told of each entry put into or taken out of the list.
  virtual void Notify(void* item, TListNotification action) {
    (void)item;
    (void)action;
  }
  [[noreturn]] static void Error(const char* message, int index);

 private:
  void CheckIndex(int index) const;
  std::vector<void*> items_;
};
