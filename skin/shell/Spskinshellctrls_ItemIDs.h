#pragma once
#include <shlobj.h>

#include "classlib/runtime/Lists.h"

// Item id lists: item ids one after another, each starting with its 16-bit byte count
// (the count included), ended by a 16-bit zero. A relative list names an item inside its
// parent folder, an absolute one names it from the desktop (whose own list is empty).
// Every list made here comes from the shell's task allocator and goes back to it with
// FreeItemIDList; "none" is a null list.

// A zero-filled block of `size` bytes; none when the allocator fails.
LPITEMIDLIST AllocItemIDList(unsigned size);
void FreeItemIDList(LPITEMIDLIST list);
// The id after the first one (the terminator stays where it is); none for none.
LPITEMIDLIST NextItemID(LPCITEMIDLIST list);
// Drops the last id in place; nothing for none or an empty list.
void StripLastItemID(LPITEMIDLIST list);
int ItemIDCount(LPCITEMIDLIST list);
// Bytes including the 2-byte terminator; 0 for none.
unsigned ItemIDListSize(LPCITEMIDLIST list);
LPITEMIDLIST CopyItemIDList(LPCITEMIDLIST list);
// `a` followed by `b`; `a` may be none (a copy of `b`).
LPITEMIDLIST ConcatItemIDLists(LPCITEMIDLIST a, LPCITEMIDLIST b);
// A one-id list of the last id (an empty list for an empty one); none for none.
LPITEMIDLIST LastItemIDCopy(LPCITEMIDLIST list);
// Copies of every proper prefix of `list`, from the empty list up to the list without
// its last id; freed with FreeItemIDPrefixList.
TList* ItemIDPrefixList(LPCITEMIDLIST list);
void FreeItemIDPrefixList(TList* prefixes);

// An item id list owned for a scope.
class TspItemIDList {
 public:
  TspItemIDList() = default;
  explicit TspItemIDList(LPITEMIDLIST taken) noexcept : list_(taken) {}
  TspItemIDList(const TspItemIDList&) = delete;
  TspItemIDList& operator=(const TspItemIDList&) = delete;
  ~TspItemIDList() { FreeItemIDList(list_); }

  LPITEMIDLIST Get() const noexcept { return list_; }
  LPITEMIDLIST* Put() noexcept {
    FreeItemIDList(list_);
    list_ = nullptr;
    return &list_;
  }
  LPITEMIDLIST Detach() noexcept {
    LPITEMIDLIST list = list_;
    list_ = nullptr;
    return list;
  }

 private:
  LPITEMIDLIST list_ = nullptr;
};
