#include "skin/data/Skindata_SkinList.h"

#include "classlib/formres/Filer.h"
#include "classlib/runtime/Format.h"

TspSkinListItem::TspSkinListItem(TCollection* collection) : TCollectionItem(collection) {
  Name = Format("spSkin%d", {Index()});
}

void TspSkinListItem::DefineProperties(TFiler* filer) {
  TCollectionItem::DefineProperties(filer);
  filer->DefineBinaryProperty("Skin", [this](TStream* stream) { storedSkin_.LoadFromCompressStream(stream); });
}

TspSkinListItems::TspSkinListItems(TspCompressedSkinList* owner)
    : TOwnedCollection(owner, TspSkinListItem::StaticClass()) {}

TspSkinListItem* TspSkinListItems::GetItem(int index) const { return static_cast<TspSkinListItem*>(Items(index)); }

TspCompressedSkinList::TspCompressedSkinList(TComponent* owner) : TComponent(owner), skins_(this) {}
