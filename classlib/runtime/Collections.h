#pragma once
#include <vector>

#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/Object.h"

class TCollection;

// One item of a TCollection; it joins the collection given at construction and leaves
// it when freed. Derived item classes take the collection in their constructor, so the
// collection can create them from its item class.
class TCollectionItem : public TPersistent {
  CLASSLIB_CLASS(TCollectionItem, TPersistent)
 public:
  using TCreateArgument = TCollection*;

  explicit TCollectionItem(TCollection* collection);
  ~TCollectionItem() override;

  TCollection* Collection() const { return collection_; }
  // Moves the item to another collection (or none).
  void SetCollection(TCollection* collection);
  int ID() const { return id_; }
  int Index() const;
  // Moves the item within its collection.
  void SetIndex(int index);
  virtual AnsiString GetDisplayName() const { return ClassName(); }
  TPersistent* GetOwner() const override;

 protected:
  // Tells the collection that this item (or, with `allItems`, every item) changed.
  void Changed(bool allItems);

 private:
  friend class TCollection;
  TCollection* collection_ = nullptr;
  int id_ = 0;
};

enum TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

// An owned, ordered list of items of one class.
class TCollection : public TPersistent {
  CLASSLIB_CLASS(TCollection, TPersistent)
 public:
  explicit TCollection(TClass itemClass);
  ~TCollection() override;

  TClass ItemClass() const { return itemClass_; }
  int Count() const { return static_cast<int>(items_.size()); }
  // The item at `index`; EListError "List index out of bounds (%d)" when there is none.
  TCollectionItem* Items(int index) const;
  // Assigns `value` to the item at `index`.
  void SetItems(int index, TCollectionItem* value);
  // Creates an item of the item class at the end (or at `index`).
  TCollectionItem* Add();
  TCollectionItem* Insert(int index);
  void Delete(int index);
  void Clear();
  TCollectionItem* FindItemID(int id) const;

  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return updateCount_; }

  // Makes this collection hold copies of `source`'s items (source a TCollection).
  void Assign(TPersistent* source) override;

 protected:
  // `item` changed, or all items when null; not called while updating.
  virtual void Update(TCollectionItem* item) { (void)item; }
  virtual void Notify(TCollectionItem* item, TCollectionNotification action) {
    (void)item;
    (void)action;
  }
  void Changed();

 private:
  friend class TCollectionItem;
  void InsertItem(TCollectionItem* item);
  void RemoveItem(TCollectionItem* item);
  void MoveItem(TCollectionItem* item, int index);

  TClass itemClass_;
  std::vector<TCollectionItem*> items_;
  int nextId_ = 0;
  int updateCount_ = 0;
};

// A collection that names its owner (for streaming and display).
class TOwnedCollection : public TCollection {
  CLASSLIB_CLASS(TOwnedCollection, TCollection)
 public:
  TOwnedCollection(TPersistent* owner, TClass itemClass) : TCollection(itemClass), owner_(owner) {}
  TPersistent* GetOwner() const override { return owner_; }

 private:
  TPersistent* owner_;
};
