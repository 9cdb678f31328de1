#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/Strings.h"
#include "imaging/Bitmap32_Containers.h"

using namespace imaging;

namespace {

void* Key(uintptr_t value) { return reinterpret_cast<void*>(value); }

TEST(PointerMap, KeysOfOneBucketAreAllFound) {
  TPointerMap map;
  // 0x10000 apart: same bucket (bits 8..15 equal).
  void* a = Key(0x00012300);
  void* b = Key(0x00022300);
  ASSERT_EQ(TPointerMap::BucketOf(a), TPointerMap::BucketOf(b));
  *map.Add(a) = Key(1);
  map.Add(b, Key(2));
  EXPECT_EQ(map.Count(), 2);
  EXPECT_EQ(map.GetData(a), Key(1));
  EXPECT_EQ(map.GetData(b), Key(2));
  int32_t bucket, item;
  ASSERT_TRUE(map.Exists(b, bucket, item));
  EXPECT_EQ(bucket, 0x23);
  EXPECT_EQ(item, 1);
}

TEST(PointerMap, AddKeepsExistingDataAndRemoveAnswersIt) {
  TPointerMap map;
  bool isNew = false;
  map.Add(Key(0x500), Key(7), isNew);
  EXPECT_TRUE(isNew);
  void** slot = map.Add(Key(0x500), Key(8), isNew);
  EXPECT_FALSE(isNew);
  EXPECT_EQ(*slot, Key(7));
  map.SetData(Key(0x500), Key(9));
  void** found = nullptr;
  ASSERT_TRUE(map.Find(Key(0x500), found));
  EXPECT_EQ(*found, Key(9));
  EXPECT_EQ(map.Remove(Key(0x500)), Key(9));
  EXPECT_EQ(map.Remove(Key(0x500)), nullptr);
  EXPECT_FALSE(map.Contains(Key(0x500)));
  EXPECT_EQ(map.Count(), 0);
}

TEST(PointerMap, AbsentKeysRaiseItemNotFound) {
  TPointerMap map;
  try {
    map.GetData(Key(0x1234));
    FAIL() << "no exception";
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message(), "Item not found ($01234)");
  }
  EXPECT_THROW(map.SetData(Key(0x1234), nullptr), EListError);
}

TEST(PointerMap, ManyEntriesSurviveGrowthAndRemovalInTheMiddle) {
  TPointerMap map;
  for (uintptr_t i = 1; i <= 300; ++i) map.Add(Key(i << 16 | 0x4200), Key(i));  // one bucket
  EXPECT_EQ(map.Count(), 300);
  EXPECT_EQ(map.Remove(Key(150 << 16 | 0x4200)), Key(150));
  for (uintptr_t i = 1; i <= 300; ++i)
    EXPECT_EQ(map.Contains(Key(i << 16 | 0x4200)), i != 150) << i;
  EXPECT_EQ(map.GetData(Key(300 << 16 | 0x4200)), Key(300));
  map.Clear();
  EXPECT_EQ(map.Count(), 0);
  EXPECT_FALSE(map.Contains(Key(1 << 16 | 0x4200)));
}

// A map that frees its data when cleared, through the virtual Delete.
class OwningMap : public TPointerMap {
 public:
  explicit OwningMap(std::vector<void*>& freed) : freed_(freed) {}
  ~OwningMap() override { Clear(); }

 protected:
  void* Delete(int32_t bucketIndex, int32_t itemIndex) override {
    void* data = TPointerMap::Delete(bucketIndex, itemIndex);
    if (Count() == 0) freed_.push_back(data);
    return data;
  }

 private:
  std::vector<void*>& freed_;
};

TEST(PointerMap, ClearHandsEveryEntryToDelete) {
  std::vector<void*> freed;
  {
    OwningMap map(freed);
    map.Add(Key(0x100), Key(1));
    map.Add(Key(0x10100), Key(2));
    map.Add(Key(0xFF00), Key(3));
  }
  EXPECT_EQ(freed, (std::vector<void*>{Key(2), Key(1), Key(3)}));
}

TEST(PointerMapIterator, VisitsBucketsInOrderAndEntriesFromLast) {
  TPointerMap map;
  map.Add(Key(0xFF00), Key(1));  // bucket 255, the only entry there
  map.Add(Key(0x0100), Key(2));
  map.Add(Key(0x10100), Key(3));
  map.Add(Key(0x0500), Key(4));
  TPointerMapIterator it(&map);
  std::vector<void*> keys;
  while (it.Next()) {
    keys.push_back(it.CurrentKey());
    EXPECT_EQ(map.GetData(it.CurrentKey()), it.CurrentData());
  }
  EXPECT_EQ(keys, (std::vector<void*>{Key(0x10100), Key(0x0100), Key(0x0500), Key(0xFF00)}));
  EXPECT_FALSE(it.Next());
  TPointerMap empty;
  TPointerMapIterator none(&empty);
  EXPECT_FALSE(none.Next());
}

TEST(RectList, GrowsInStepsAndClearsToCapacityTen) {
  TRectList list;
  std::vector<int32_t> capacities;
  for (int32_t i = 0; i < 1000; ++i) {
    EXPECT_EQ(list.Add(TRect{i, 0, i + 1, 1}), i);
    if (capacities.empty() || capacities.back() != list.Capacity()) capacities.push_back(list.Capacity());
  }
  EXPECT_EQ((std::vector<int32_t>(capacities.begin(), capacities.begin() + 6)),
            (std::vector<int32_t>{8, 16, 48, 80, 112, 144}));
  EXPECT_EQ(capacities[6], 144 + 36);
  EXPECT_EQ(list.Get(999)->Left, 999);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Capacity(), 10);
}

TEST(RectList, EditingOperationsKeepOrder) {
  TRectList list;
  for (int32_t i = 0; i < 5; ++i) list.Add(TRect{i, i, i, i});
  list.Insert(1, TRect{9, 9, 9, 9});  // 0 9 1 2 3 4
  list.Delete(3);                     // 0 9 1 3 4
  list.Exchange(0, 4);                // 4 9 1 3 0
  list.Move(1, 3);                    // 4 1 3 9 0
  std::vector<int32_t> lefts;
  for (int32_t i = 0; i < list.Count(); ++i) lefts.push_back(list.Get(i)->Left);
  EXPECT_EQ(lefts, (std::vector<int32_t>{4, 1, 3, 9, 0}));
  EXPECT_EQ(list.IndexOf(TRect{3, 3, 3, 3}), 2);
  EXPECT_EQ(list.IndexOf(TRect{3, 3, 3, 4}), -1);
  EXPECT_EQ(list.Remove(TRect{9, 9, 9, 9}), 3);
  EXPECT_EQ(list.Remove(TRect{9, 9, 9, 9}), -1);
  EXPECT_EQ(list.Get(-1), nullptr);
  EXPECT_EQ(list.Get(list.Count()), nullptr);
  list.Pack();
  EXPECT_EQ(list.Count(), 4);
}

TEST(RectList, SetCountAndCapacity) {
  TRectList list;
  list.Add(TRect{1, 2, 3, 4});
  list.SetCount(20);
  EXPECT_EQ(list.Count(), 20);
  EXPECT_GE(list.Capacity(), 20);
  EXPECT_EQ(*list.Get(19), (TRect{}));
  EXPECT_EQ(*list.Get(0), (TRect{1, 2, 3, 4}));
  list.SetCount(1);
  EXPECT_EQ(list.Count(), 1);
  list.SetCapacity(1);
  EXPECT_EQ(list.Capacity(), 1);
  EXPECT_THROW(list.SetCapacity(0), EAssertionFailed);
}

class TSampleA : public TPersistent {
  CLASSLIB_CLASS(TSampleA, TPersistent)
};
class TSampleB : public TSampleA {
  CLASSLIB_CLASS(TSampleB, TSampleA)
};
class Tsamplea : public TPersistent {
  CLASSLIB_CLASS(Tsamplea, TPersistent)
};

TEST(ClassList, FindIsCaseSensitiveAndNamesKeepOrder) {
  TClassList list;
  list.Add(TSampleA::StaticClass());
  list.Add(Tsamplea::StaticClass());
  list.Insert(0, TSampleB::StaticClass());
  EXPECT_EQ(list.Find("TSampleA"), TSampleA::StaticClass());
  EXPECT_EQ(list.Find("Tsamplea"), Tsamplea::StaticClass());
  EXPECT_EQ(list.Find("TSAMPLEA"), nullptr);
  EXPECT_EQ(list.First(), TSampleB::StaticClass());
  EXPECT_EQ(list.Last(), Tsamplea::StaticClass());
  EXPECT_EQ(list.IndexOf(TSampleA::StaticClass()), 1);
  TStringList names;
  list.GetClassNames(&names);
  ASSERT_EQ(names.Count(), 3);
  EXPECT_EQ(names[0], "TSampleB");
  EXPECT_EQ(names[2], "Tsamplea");
  EXPECT_EQ(list.Extract(TSampleA::StaticClass()), TSampleA::StaticClass());
  EXPECT_EQ(list.Remove(TSampleB::StaticClass()), 0);
  list.SetItems(0, TSampleA::StaticClass());
  EXPECT_EQ(list.GetItems(0), TSampleA::StaticClass());
}

// A persistent object with a few published properties of different kinds.
class TPen : public TPersistent {
  CLASSLIB_CLASS(TPen, TPersistent)
 public:
  int Width = 1;
  void Assign(TPersistent* source) override {
    if (auto* pen = dynamic_cast<TPen*>(source)) Width = pen->Width;
    else TPersistent::Assign(source);
  }
};

class TShape : public TPersistent, public IPublishedProperties {
  CLASSLIB_CLASS(TShape, TPersistent)
 public:
  int Size = 0;
  float Scale = 1.0f;
  void (*OnChange)() = nullptr;
  TPen* Pen = nullptr;

  void CopyPublishedProperties(TPersistent* dest, const TPublishedCopy& copy) const override {
    auto* target = dynamic_cast<TShape*>(dest);
    if (target == nullptr) return;
    copy.Value(tkInteger, [&] { target->Size = Size; });
    copy.Value(tkFloat, [&] { target->Scale = Scale; });
    copy.Value(tkMethod, [&] { target->OnChange = OnChange; });
    copy.Object(Pen, target->Pen);
  }
};

void Changed() {}

TEST(SmartAssign, CopiesThePublishedPropertiesOfTheKindsGiven) {
  TPen sourcePen, targetPen;
  sourcePen.Width = 5;
  TShape source, target;
  source.Size = 3;
  source.Scale = 2.5f;
  source.OnChange = Changed;
  source.Pen = &sourcePen;
  target.Pen = &targetPen;
  SmartAssign(&source, &target, tkAny - TTypeKinds{tkMethod});
  EXPECT_EQ(target.Size, 3);
  EXPECT_EQ(target.Scale, 2.5f);
  EXPECT_EQ(target.OnChange, nullptr);
  EXPECT_EQ(targetPen.Width, 5);
  SmartAssign(&source, &target);
  EXPECT_EQ(target.OnChange, Changed);
  // Object properties are copied only when both objects exist.
  TShape bare;
  SmartAssign(&source, &bare);
  EXPECT_EQ(bare.Pen, nullptr);
  EXPECT_EQ(bare.Size, 3);
}

}  // namespace
