#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classlib/runtime/Collections.h"
#include "classlib/runtime/Exceptions.h"

namespace {

class TPictureItem : public TCollectionItem {
  CLASSLIB_CLASS(TPictureItem, TCollectionItem)
 public:
  explicit TPictureItem(TCollection* collection) : TCollectionItem(collection) {}
  ~TPictureItem() override { ++freed; }
  void Assign(TPersistent* source) override {
    if (auto* other = dynamic_cast<TPictureItem*>(source)) {
      width = other->width;
      return;
    }
    TCollectionItem::Assign(source);
  }
  void Touch() { Changed(false); }
  int width = 0;
  static inline int freed = 0;
};

class TWatchedCollection : public TCollection {
 public:
  TWatchedCollection() : TCollection(TPictureItem::StaticClass()) {}
  std::vector<TCollectionItem*> updates;

 protected:
  void Update(TCollectionItem* item) override { updates.push_back(item); }
};

}  // namespace

TEST(Collections, ItemsAreMadeByTheItemClassAndFreedWithTheCollection) {
  TPictureItem::freed = 0;
  {
    TWatchedCollection pictures;
    auto* first = static_cast<TPictureItem*>(pictures.Add());
    auto* second = static_cast<TPictureItem*>(pictures.Add());
    EXPECT_EQ(first->ClassName(), "TPictureItem");
    EXPECT_EQ(first->Collection(), &pictures);
    EXPECT_EQ(first->GetOwner(), &pictures);
    EXPECT_EQ(second->Index(), 1);
    EXPECT_NE(first->ID(), second->ID());
    EXPECT_EQ(pictures.FindItemID(second->ID()), second);
    auto* inserted = pictures.Insert(0);
    EXPECT_EQ(inserted->Index(), 0);
    EXPECT_EQ(pictures.Items(1), first);
    second->SetIndex(0);
    EXPECT_EQ(pictures.Items(0), second);
    pictures.Delete(2);
    EXPECT_EQ(pictures.Count(), 2);
    EXPECT_EQ(TPictureItem::freed, 1);
    delete pictures.Items(0);  // an item freed alone leaves its collection
    EXPECT_EQ(pictures.Count(), 1);
    EXPECT_THROW(pictures.Items(1), EListError);
  }
  EXPECT_EQ(TPictureItem::freed, 3);
}

TEST(Collections, UpdatesAreReportedOutsideUpdateBlocks) {
  TWatchedCollection pictures;
  auto* item = static_cast<TPictureItem*>(pictures.Add());
  pictures.updates.clear();
  item->Touch();
  ASSERT_EQ(pictures.updates.size(), 1u);
  EXPECT_EQ(pictures.updates[0], item);
  pictures.BeginUpdate();
  item->Touch();
  pictures.Add();
  pictures.EndUpdate();
  ASSERT_EQ(pictures.updates.size(), 2u);  // one report for the whole block
  EXPECT_EQ(pictures.updates[1], nullptr);
}

TEST(Collections, AssignCopiesItems) {
  TWatchedCollection a, b;
  static_cast<TPictureItem*>(a.Add())->width = 5;
  static_cast<TPictureItem*>(a.Add())->width = 9;
  b.Add();
  b.Assign(&a);
  ASSERT_EQ(b.Count(), 2);
  EXPECT_EQ(static_cast<TPictureItem*>(b.Items(1))->width, 9);
  EXPECT_NE(b.Items(0), a.Items(0));
}

TEST(Collections, OwnedCollectionNamesItsOwner) {
  TPersistent owner;
  TOwnedCollection items(&owner, TPictureItem::StaticClass());
  EXPECT_EQ(items.GetOwner(), &owner);
}

namespace {
// An item whose own constructor sets its state, and a collection that reads every
// item's state in Update.
class TNamedItem : public TCollectionItem {
  CLASSLIB_CLASS(TNamedItem, TCollectionItem)
 public:
  explicit TNamedItem(TCollection* collection) : TCollectionItem(collection), name("made") {}
  AnsiString name;
};

class TReadingCollection : public TCollection {
 public:
  TReadingCollection() : TCollection(TNamedItem::StaticClass()) {}
  std::vector<std::string> seen;

 protected:
  void Update(TCollectionItem*) override {
    seen.clear();
    for (int i = 0; i < Count(); ++i) seen.push_back(static_cast<TNamedItem*>(Items(i))->name.c_str());
  }
};
}  // namespace

TEST(Collections, UpdateAfterAddSeesTheWholeNewItem) {
  TReadingCollection collection;
  collection.Add();
  collection.Add();
  EXPECT_EQ(std::vector<std::string>({"made", "made"}), collection.seen);
}
