#include "imaging/Bitmap32_Collections.h"

#include "classlib/formres/PropertyBinders.h"

namespace imaging {

TBitmap32Item::TBitmap32Item(TCollection* collection)
    : TCollectionItem(collection), bitmap_(std::make_unique<TBitmap32>()) {}

TBitmap32Item::~TBitmap32Item() = default;

void TBitmap32Item::AssignTo(TPersistent* dest) {
  if (auto* item = dynamic_cast<TBitmap32Item*>(dest)) item->bitmap_->Assign(bitmap_.get());
  else TCollectionItem::AssignTo(dest);
}

TBitmap32List::TBitmap32List(TComponent* owner)
    : TComponent(owner), bitmaps_(std::make_unique<TBitmap32Collection>(this, TBitmap32Item::StaticClass())) {}

TBitmap32List::~TBitmap32List() = default;

void RegisterBitmap32Collections() {
  RegisterClassProperties(TBitmap32Item::StaticClass(),
                          {ObjectProperty<TBitmap32Item>("Bitmap", [](TBitmap32Item* i) -> TPersistent* { return i->Bitmap(); })});
  RegisterClassProperties(TBitmap32List::StaticClass(),
                          {CollectionProperty<TBitmap32List>("Bitmaps", [](TBitmap32List* l) -> TCollection* { return l->Bitmaps(); })});
}

}  // namespace imaging
