#include "classlib/runtime/Collections.h"

#include <algorithm>

#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/Format.h"
#include "classlib/runtime/UpdateScope.h"

TCollectionItem::TCollectionItem(TCollection* collection) { SetCollection(collection); }

TCollectionItem::~TCollectionItem() { SetCollection(nullptr); }

void TCollectionItem::SetCollection(TCollection* collection) {
  if (collection_ == collection) return;
  if (collection_ != nullptr) collection_->RemoveItem(this);
  if (collection != nullptr) collection->InsertItem(this);
}

int TCollectionItem::Index() const {
  if (collection_ == nullptr) return -1;
  const auto& items = collection_->items_;
  return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int index) {
  if (collection_ != nullptr && index != Index()) collection_->MoveItem(this, index);
}

TPersistent* TCollectionItem::GetOwner() const { return collection_; }

void TCollectionItem::Changed(bool allItems) {
  if (collection_ != nullptr && collection_->updateCount_ == 0) collection_->Update(allItems ? nullptr : this);
}

TCollection::TCollection(TClass itemClass) : itemClass_(itemClass) {}

TCollection::~TCollection() {
  updateCount_ = 1;  // no change reports while going
  while (!items_.empty()) delete items_.back();
}

TCollectionItem* TCollection::Items(int index) const {
  if (index < 0 || index >= Count()) throw EListError(Format("List index out of bounds (%d)", {index}));
  return items_[static_cast<size_t>(index)];
}

void TCollection::SetItems(int index, TCollectionItem* value) { Items(index)->Assign(value); }

TCollectionItem* TCollection::Add() {
  // The item joins the collection in its base constructor: Update waits until the
  // derived constructors have run, so it never sees a half-built item.
  BeginUpdate();
  TCollectionItem* item = nullptr;
  try {
    item = static_cast<TCollectionItem*>(itemClass_->Create(this));
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
  return item;
}

TCollectionItem* TCollection::Insert(int index) {
  TCollectionItem* item = Add();
  item->SetIndex(index);
  return item;
}

void TCollection::Delete(int index) {
  TCollectionItem* item = Items(index);
  Notify(item, cnDeleting);
  delete item;
}

void TCollection::Clear() {
  if (items_.empty()) return;
  const TUpdateScope<TCollection> update(this);
  while (!items_.empty()) delete items_.back();
}

TCollectionItem* TCollection::FindItemID(int id) const {
  for (TCollectionItem* item : items_) {
    if (item->id_ == id) return item;
  }
  return nullptr;
}

void TCollection::BeginUpdate() { ++updateCount_; }

void TCollection::EndUpdate() {
  if (updateCount_ <= 0) return;
  if (--updateCount_ == 0) Changed();
}

void TCollection::Changed() {
  if (updateCount_ == 0) Update(nullptr);
}

void TCollection::InsertItem(TCollectionItem* item) {
  items_.push_back(item);
  item->collection_ = this;
  item->id_ = nextId_++;
  Notify(item, cnAdded);
  Changed();
}

void TCollection::RemoveItem(TCollectionItem* item) {
  Notify(item, cnExtracting);
  std::erase(items_, item);
  item->collection_ = nullptr;
  Changed();
}

void TCollection::MoveItem(TCollectionItem* item, int index) {
  index = std::clamp(index, 0, Count() - 1);
  std::erase(items_, item);
  items_.insert(items_.begin() + index, item);
  Changed();
}

void TCollection::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TCollection*>(source);
  if (other == nullptr) {
    TPersistent::Assign(source);
    return;
  }
  if (other == this) return;
  const TUpdateScope<TCollection> update(this);
  Clear();
  for (TCollectionItem* item : other->items_) Add()->Assign(item);
}
