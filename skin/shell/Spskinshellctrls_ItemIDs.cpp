#include "skin/shell/Spskinshellctrls_ItemIDs.h"

#include <cstring>

#include "skin/shell/Spskinshellctrls_ComRef.h"

namespace {

TspComRef<IMalloc> TaskAllocator() {
  TspComRef<IMalloc> allocator;
  SHGetMalloc(allocator.Put());
  return allocator;
}

USHORT IdSize(LPCITEMIDLIST id) { return id->mkid.cb; }

LPCITEMIDLIST Advance(LPCITEMIDLIST id) {
  return reinterpret_cast<LPCITEMIDLIST>(reinterpret_cast<const BYTE*>(id) + IdSize(id));
}

// The list's last id, or its terminator when it is empty.
LPCITEMIDLIST LastItemID(LPCITEMIDLIST list) {
  LPCITEMIDLIST last = list;
  for (LPCITEMIDLIST id = list; IdSize(id) != 0; id = Advance(id)) last = id;
  return last;
}

LPITEMIDLIST CopyBytes(LPCITEMIDLIST source, unsigned bytes) {
  LPITEMIDLIST copy = AllocItemIDList(bytes + sizeof(USHORT));
  if (copy != nullptr && bytes > 0) std::memcpy(copy, source, bytes);
  return copy;
}

}  // namespace

LPITEMIDLIST AllocItemIDList(unsigned size) {
  TspComRef<IMalloc> allocator = TaskAllocator();
  if (!allocator) return nullptr;
  void* block = allocator->Alloc(size);
  if (block != nullptr) std::memset(block, 0, size);
  return static_cast<LPITEMIDLIST>(block);
}

void FreeItemIDList(LPITEMIDLIST list) {
  if (list == nullptr) return;
  if (TspComRef<IMalloc> allocator = TaskAllocator()) allocator->Free(list);
}

LPITEMIDLIST NextItemID(LPCITEMIDLIST list) {
  if (list == nullptr) return nullptr;
  return const_cast<LPITEMIDLIST>(IdSize(list) == 0 ? list : Advance(list));
}

void StripLastItemID(LPITEMIDLIST list) {
  if (list == nullptr || IdSize(list) == 0) return;
  const_cast<LPITEMIDLIST>(LastItemID(list))->mkid.cb = 0;
}

int ItemIDCount(LPCITEMIDLIST list) {
  int count = 0;
  if (list == nullptr) return 0;
  for (LPCITEMIDLIST id = list; IdSize(id) != 0; id = Advance(id)) ++count;
  return count;
}

unsigned ItemIDListSize(LPCITEMIDLIST list) {
  if (list == nullptr) return 0;
  unsigned size = sizeof(USHORT);
  for (LPCITEMIDLIST id = list; IdSize(id) != 0; id = Advance(id)) size += IdSize(id);
  return size;
}

LPITEMIDLIST CopyItemIDList(LPCITEMIDLIST list) {
  if (list == nullptr) return nullptr;
  return CopyBytes(list, ItemIDListSize(list) - sizeof(USHORT));
}

LPITEMIDLIST ConcatItemIDLists(LPCITEMIDLIST a, LPCITEMIDLIST b) {
  const unsigned sizeA = a == nullptr ? 0 : ItemIDListSize(a) - sizeof(USHORT);
  const unsigned sizeB = b == nullptr ? 0 : ItemIDListSize(b) - sizeof(USHORT);
  LPITEMIDLIST list = AllocItemIDList(sizeA + sizeB + sizeof(USHORT));
  if (list == nullptr) return nullptr;
  if (sizeA > 0) std::memcpy(list, a, sizeA);
  if (sizeB > 0) std::memcpy(reinterpret_cast<BYTE*>(list) + sizeA, b, sizeB);
  return list;
}

LPITEMIDLIST LastItemIDCopy(LPCITEMIDLIST list) {
  if (list == nullptr) return nullptr;
  LPCITEMIDLIST last = LastItemID(list);
  return CopyBytes(last, IdSize(last));
}

TList* ItemIDPrefixList(LPCITEMIDLIST list) {
  auto* prefixes = new TList;
  if (list == nullptr) return prefixes;
  unsigned bytes = 0;
  for (LPCITEMIDLIST id = list; IdSize(id) != 0; id = Advance(id)) {
    prefixes->Add(CopyBytes(list, bytes));
    bytes += IdSize(id);
  }
  return prefixes;
}

void FreeItemIDPrefixList(TList* prefixes) {
  if (prefixes == nullptr) return;
  for (int i = 0; i < prefixes->Count(); ++i) FreeItemIDList(static_cast<LPITEMIDLIST>(prefixes->Items(i)));
  delete prefixes;
}
