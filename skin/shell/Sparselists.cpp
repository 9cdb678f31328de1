#include "skin/shell/Sparselists.h"

#include "classlib/formres/Filer.h"
#include "classlib/formres/FormError.h"
#include "classlib/runtime/Format.h"

namespace {

[[noreturn]] void RaiseIndexError(int index) { throw EListError(Format("List index out of bounds (%d)", {index})); }

}  // namespace

// ---- TSparsePointerArray ----

TSparsePointerArray::TSparsePointerArray(TSectionQuantum quantum)
    : indexMask_(quantum == sqSmall ? 15 : 255),
      sectionShift_(quantum == sqSmall ? 4 : 8),
      sectionSize_(indexMask_ + 1) {}

void* TSparsePointerArray::ItemAt(int index) {
  if (index == cachedIndex_) return cachedItem_;
  const uint32_t section = static_cast<uint32_t>(index) >> sectionShift_;
  void* item = nullptr;
  if (section < directory_.size() && directory_[section] != nullptr) {
    item = directory_[section][static_cast<uint32_t>(index) & indexMask_];
  }
  cachedIndex_ = index;
  cachedItem_ = item;
  return item;
}

void** TSparsePointerArray::SlotAt(int index) {
  if (index < 0) RaiseIndexError(index);
  const uint32_t section = static_cast<uint32_t>(index) >> sectionShift_;
  if (section >= directory_.size()) directory_.resize(section + 1);
  if (directory_[section] == nullptr) directory_[section] = std::make_unique<void*[]>(sectionSize_);
  if (index > highBound_) highBound_ = index;
  cachedIndex_ = -1;
  cachedItem_ = nullptr;
  return &directory_[section][static_cast<uint32_t>(index) & indexMask_];
}

void TSparsePointerArray::SetItemAt(int index, void* item) {
  if (item == nullptr && ItemAt(index) == nullptr) return;
  *SlotAt(index) = item;
  if (item == nullptr) RecomputeHighBound();
}

int TSparsePointerArray::ForEachItem(const TSparsePointerVisit& visit) const {
  for (size_t section = 0; section < directory_.size(); ++section) {
    if (directory_[section] == nullptr) continue;
    for (uint32_t slot = 0; slot < sectionSize_; ++slot) {
      void* item = directory_[section][slot];
      if (item == nullptr) continue;
      if (int answer = visit(static_cast<int>(section * sectionSize_ + slot), item); answer != 0) return answer;
    }
  }
  return 0;
}

void TSparsePointerArray::RecomputeHighBound() {
  int bound = -1;
  ForEachItem([&](int index, void*) {
    if (index > highBound_) return 1;
    bound = index;
    return 0;
  });
  highBound_ = bound;
}

int TSparsePointerArray::SectionCount() const {
  int count = 0;
  for (const auto& section : directory_) count += section != nullptr ? 1 : 0;
  return count;
}

// ---- TSparseList ----

TSparseList::TSparseList(TSectionQuantum quantum)
    : list_(std::make_unique<TSparsePointerArray>(quantum)), quantum_(quantum) {}

void* TSparseList::Get(int index) {
  if (index < 0) IndexError(index);
  return list_->ItemAt(index);
}

void TSparseList::Put(int index, void* item) {
  if (index < 0) IndexError(index);
  list_->SetItemAt(index, item);
  count_ = list_->HighBound() + 1;
}

void TSparseList::Insert(int index, void* item) {
  if (index < 0) IndexError(index);
  for (int i = count_ - 1; i >= index; --i) list_->SetItemAt(i + 1, list_->ItemAt(i));
  list_->SetItemAt(index, item);
  if (index > count_) count_ = index;
  ++count_;
}

void TSparseList::Delete(int index) {
  if (index < 0 || index >= count_) return;
  for (int i = index; i < count_ - 1; ++i) list_->SetItemAt(i, list_->ItemAt(i + 1));
  list_->SetItemAt(count_ - 1, nullptr);
  --count_;
}

void TSparseList::Exchange(int index1, int index2) {
  void* first = Get(index1);
  Put(index1, Get(index2));
  Put(index2, first);
}

void TSparseList::Move(int fromIndex, int toIndex) {
  if (fromIndex == toIndex) return;
  void* item = Get(fromIndex);
  Delete(fromIndex);
  Insert(toIndex, item);
}

void TSparseList::Clear() {
  list_ = std::make_unique<TSparsePointerArray>(quantum_);
  count_ = 0;
}

void TSparseList::IndexError(int index) { RaiseIndexError(index); }

// ---- TStringSparseList ----

TStringSparseList::TStringSparseList(TSectionQuantum quantum) : list_(quantum) {}

// Frees the items without telling OnListChange: its receiver may be going away as well.
TStringSparseList::~TStringSparseList() { DisposeItems(); }

void TStringSparseList::DefineProperties(TFiler* filer) {
  TStrings::DefineProperties(filer);
  filer->DefineProperty("List", [this](const TValueReader& value) { ReadList(value); });
}

// The entries are checked whole before any is inserted: a damaged value changes nothing.
void TStringSparseList::ReadList(const TValueReader& value) {
  std::vector<std::pair<int, AnsiString>> entries;
  int count = -1, position = 0, index = 0;
  value.ReadList([&](const TValueReader& element) {
    if (position == 0) {
      count = element.ReadInteger();
    } else if (position % 2 == 1) {
      index = element.ReadInteger();
      if (index < 0) throw EFormValueError(Format("List index out of bounds (%d)", {index}));
    } else {
      entries.emplace_back(index, element.ReadString());
    }
    ++position;
  });
  if (position == 0 || position % 2 == 0 || static_cast<int>(entries.size()) != count) {
    throw EFormValueError("List: the number of entries differs from its count");
  }
  for (const auto& [at, text] : entries) InsertObject(at, text, nullptr);
}

AnsiString TStringSparseList::Get(int index) const {
  const TStrItem* item = Item(index);
  return item != nullptr ? item->FString : AnsiString();
}

TObject* TStringSparseList::GetObjectAt(int index) const {
  const TStrItem* item = Item(index);
  return item != nullptr ? item->FObject : nullptr;
}

void TStringSparseList::Put(int index, const AnsiString& s) {
  TStrItem* old = Item(index);
  TObject* object = old != nullptr ? old->FObject : nullptr;
  std::unique_ptr<TStrItem> item;
  if (!s.IsEmpty() || object != nullptr) item = std::make_unique<TStrItem>(TStrItem{object, s});
  list_.Put(index, item.get());
  item.release();
  delete old;
  NotifyChange();
}

void TStringSparseList::PutObject(int index, TObject* object) {
  if (TStrItem* item = Item(index)) {
    item->FObject = object;
  } else if (object != nullptr) {
    auto fresh = std::make_unique<TStrItem>(TStrItem{object, AnsiString()});
    list_.Put(index, fresh.get());
    fresh.release();
  }
  NotifyChange();
}

void TStringSparseList::Insert(int index, const AnsiString& s) {
  auto item = std::make_unique<TStrItem>(TStrItem{nullptr, s});
  list_.Insert(index, item.get());
  item.release();
  NotifyChange();
}

void TStringSparseList::Delete(int index) {
  if (index >= 0 && index < list_.Count()) delete Item(index);
  list_.Delete(index);
  NotifyChange();
}

void TStringSparseList::Exchange(int index1, int index2) { list_.Exchange(index1, index2); }

void TStringSparseList::DisposeItems() {
  list_.ForEachItem([](int, void* item) {
    delete static_cast<TStrItem*>(item);
    return 0;
  });
  list_.Clear();
}

void TStringSparseList::Clear() {
  DisposeItems();
  NotifyChange();
}

void TStringSparseList::NotifyChange() { OnListChange(this); }

void TStringSparseList::ItemError() { throw EStringSparseListError("PutObject to undefined item"); }
