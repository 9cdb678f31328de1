#pragma once
// An indexed list of bitmaps as a non-visual component: a collection of items that each
// own one TBitmap32, streamed from form resources ("Bitmaps" with each item's
// "Bitmap.Data").
#include <memory>

#include "classlib/runtime/Collections.h"
#include "classlib/runtime/Component.h"
#include "imaging/Bitmap32.h"

namespace imaging {

class TBitmap32Item : public TCollectionItem {
  CLASSLIB_CLASS(TBitmap32Item, TCollectionItem)
 public:
  using TCreateArgument = TCollection*;
  explicit TBitmap32Item(TCollection* collection);
  ~TBitmap32Item() override;

  TBitmap32* Bitmap() const { return bitmap_.get(); }
  // Copies `value` (pixels and properties) into the item's own bitmap.
  void SetBitmap(TBitmap32* value) { bitmap_->Assign(value); }

 protected:
  // Into another item: its bitmap copies this one's.
  void AssignTo(TPersistent* dest) override;

 private:
  std::unique_ptr<TBitmap32> bitmap_;
};

class TBitmap32Collection : public TOwnedCollection {
  CLASSLIB_CLASS(TBitmap32Collection, TOwnedCollection)
 public:
  TBitmap32Collection(TPersistent* owner, TClass itemClass) : TOwnedCollection(owner, itemClass) {}
  TBitmap32Item* Add() { return static_cast<TBitmap32Item*>(TCollection::Add()); }
  // EListError for an index outside the collection.
  TBitmap32Item* Items(int index) const { return static_cast<TBitmap32Item*>(TCollection::Items(index)); }
};

class TBitmap32List : public TComponent {
  CLASSLIB_CLASS(TBitmap32List, TComponent)
 public:
  using TCreateArgument = TComponent*;
  explicit TBitmap32List(TComponent* owner);
  ~TBitmap32List() override;

  TBitmap32Collection* Bitmaps() const { return bitmaps_.get(); }
  // Copies the items of `value` into the list's own collection.
  void SetBitmaps(TBitmap32Collection* value) { bitmaps_->Assign(value); }
  // The bitmap of item `index`; writing copies `value` into it (resizing it).
  TBitmap32* Bitmap(int index) const { return bitmaps_->Items(index)->Bitmap(); }
  void SetBitmap(int index, TBitmap32* value) { bitmaps_->Items(index)->SetBitmap(value); }

 private:
  std::unique_ptr<TBitmap32Collection> bitmaps_;
};

// Start-up: the published properties of the list and its items for form resources.
void RegisterBitmap32Collections();

}  // namespace imaging
