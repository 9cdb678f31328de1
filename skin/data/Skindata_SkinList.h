#pragma once
#include "classlib/runtime/Collections.h"
#include "classlib/runtime/Component.h"
#include "skin/data/Skindata_Stored.h"

// A list of compressed skins from which a skin data picks one by its index.

// One skin of a list: its own compressed store, streamed as "Skin" in the compressed
// file layout.
class TspSkinListItem : public TCollectionItem {
  CLASSLIB_CLASS(TspSkinListItem, TCollectionItem)
 public:
  // Named "spSkin" and the item's index.
  explicit TspSkinListItem(TCollection* collection);

  AnsiString GetDisplayName() const override { return Name; }
  void DefineProperties(TFiler* filer) override;
  TspCompressedStoredSkin* StoredSkin() { return &storedSkin_; }

  AnsiString Description;
  AnsiString FileName;
  AnsiString CompressedFileName;
  AnsiString Name;

 private:
  TspCompressedStoredSkin storedSkin_{nullptr};
};

class TspCompressedSkinList;

class TspSkinListItems : public TOwnedCollection {
  CLASSLIB_CLASS(TspSkinListItems, TOwnedCollection)
 public:
  explicit TspSkinListItems(TspCompressedSkinList* owner);

  TspSkinListItem* GetItem(int index) const;
};

class TspCompressedSkinList : public TComponent {
  CLASSLIB_CLASS(TspCompressedSkinList, TComponent)
 public:
  explicit TspCompressedSkinList(TComponent* owner);

  TspSkinListItems* Skins() { return &skins_; }
  // Takes over the given collection's items; a collection holding items cannot be
  // copied (the items have no copy operation).
  void SetSkins(TspSkinListItems* skins) { skins_.Assign(skins); }

 private:
  TspSkinListItems skins_;
};
