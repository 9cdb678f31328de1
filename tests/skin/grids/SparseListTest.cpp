#include <gtest/gtest.h>

#include <vector>

#include "classlib/formres/Filer.h"
#include "classlib/formres/FormError.h"
#include "classlib/formres/FormReader.h"
#include "skin/shell/Sparselists.h"

namespace {

void* P(intptr_t value) { return reinterpret_cast<void*>(value); }

// The stored items as (index, item) pairs in the order ForEachItem visits them.
std::vector<std::pair<int, void*>> Stored(const TSparseList& list) {
  std::vector<std::pair<int, void*>> items;
  list.ForEachItem([&](int index, void* item) {
    items.emplace_back(index, item);
    return 0;
  });
  return items;
}

TEST(SparseList, PutFarOutMakesOnlyTheSectionItNeedsAndNilShrinksTheCountBack) {
  TSparseList list(sqSmall);
  list.Put(1000, P(7));
  EXPECT_EQ(63, list.Array().DirectorySlots());
  EXPECT_EQ(1, list.Array().SectionCount());
  EXPECT_EQ(1001, list.Count());
  EXPECT_EQ(P(7), list.Get(1000));
  EXPECT_EQ(nullptr, list.Get(999));
  EXPECT_EQ(nullptr, list.Get(5000));  // beyond the directory: nothing, and nothing allocated
  EXPECT_EQ(63, list.Array().DirectorySlots());

  list.Put(1000, nullptr);
  EXPECT_EQ(0, list.Count());
  list.Put(3000, nullptr);  // nil where nothing is stored allocates nothing
  EXPECT_EQ(63, list.Array().DirectorySlots());
  EXPECT_EQ(1, list.Array().SectionCount());
}

TEST(SparseList, LargeSectionsHold256Slots) {
  TSparseList list(sqLarge);
  list.Put(255, P(1));
  list.Put(256, P(2));
  EXPECT_EQ(2, list.Array().DirectorySlots());
  EXPECT_EQ(2, list.Array().SectionCount());
  EXPECT_EQ((std::vector<std::pair<int, void*>>{{255, P(1)}, {256, P(2)}}), Stored(list));
}

TEST(SparseList, IndicesPastSixteenBitSectionNumbersAreStored) {
  TSparseList list(sqSmall);
  list.Put(2000000, P(9));
  list.Put(1048560, P(8));
  EXPECT_EQ(2000001, list.Count());
  EXPECT_EQ(P(9), list.Get(2000000));
  EXPECT_EQ(P(8), list.Get(1048560));
  EXPECT_EQ(nullptr, list.Get(1048560 + 16));
  EXPECT_EQ((std::vector<std::pair<int, void*>>{{1048560, P(8)}, {2000000, P(9)}}), Stored(list));
}

TEST(SparseList, InsertDeleteMoveAndExchangeShiftTheItems) {
  TSparseList list(sqSmall);
  list.Insert(5, P(1));
  EXPECT_EQ(6, list.Count());
  EXPECT_EQ((std::vector<std::pair<int, void*>>{{5, P(1)}}), Stored(list));

  list.Insert(0, P(2));  // the item at 5 moves up
  EXPECT_EQ(7, list.Count());
  EXPECT_EQ((std::vector<std::pair<int, void*>>{{0, P(2)}, {6, P(1)}}), Stored(list));

  list.Delete(7);  // outside 0..Count-1: nothing
  list.Delete(-1);
  EXPECT_EQ(7, list.Count());

  list.Delete(0);
  EXPECT_EQ(6, list.Count());
  EXPECT_EQ((std::vector<std::pair<int, void*>>{{5, P(1)}}), Stored(list));

  list.Put(1, P(3));
  list.Exchange(1, 5);
  EXPECT_EQ((std::vector<std::pair<int, void*>>{{1, P(1)}, {5, P(3)}}), Stored(list));
  list.Move(5, 0);
  EXPECT_EQ((std::vector<std::pair<int, void*>>{{0, P(3)}, {2, P(1)}}), Stored(list));
  list.Clear();
  EXPECT_EQ(0, list.Count());
  EXPECT_EQ(nullptr, list.Get(0));
}

TEST(SparseList, NegativeIndicesRaiseTheListErrorWithTheIndex) {
  TSparseList list(sqSmall);
  struct Case {
    const char* name;
    std::function<void()> call;
    const char* message;
  };
  const std::vector<Case> cases = {
      {"Get", [&] { list.Get(-1); }, "List index out of bounds (-1)"},
      {"Put", [&] { list.Put(-7, P(1)); }, "List index out of bounds (-7)"},
      {"Insert", [&] { list.Insert(-2, P(1)); }, "List index out of bounds (-2)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      c.call();
      ADD_FAILURE() << "no exception";
    } catch (const EListError& e) {
      EXPECT_EQ(AnsiString(c.message), e.Message());
    }
  }
  EXPECT_EQ(0, list.Count());
  EXPECT_EQ(0, list.Array().DirectorySlots());
}

TEST(SparsePointerArray, TheCacheFollowsWritesAndForEachStopsAtTheFirstAnswer) {
  TSparsePointerArray array(sqSmall);
  EXPECT_EQ(nullptr, array.ItemAt(40));  // cached as empty
  array.SetItemAt(40, P(4));
  EXPECT_EQ(P(4), array.ItemAt(40));
  array.SetItemAt(41, P(5));
  array.SetItemAt(90, P(6));
  EXPECT_EQ(90, array.HighBound());
  int visited = 0;
  EXPECT_EQ(41, array.ForEachItem([&](int index, void*) {
    ++visited;
    return index == 41 ? 41 : 0;
  }));
  EXPECT_EQ(2, visited);
  array.SetItemAt(90, nullptr);
  EXPECT_EQ(41, array.HighBound());
}

// A string list whose changes are counted.
class StringSparseList : public ::testing::Test {
 protected:
  void SetUp() override { list.OnListChange = TNotifyEvent(this, &StringSparseList::Changed); }
  void Changed(TObject*) { ++changes; }

  // Hands `value` (form text) to the list's "List" definition.
  void ReadListValue(const char* value) {
    TFormObject text = ParseFormText(AnsiString("object X: TX\n  List = ") + value + "\nend\n", "list.form");
    TComponent root(nullptr);
    TFormReader reader(&root, nullptr, "list.form");
    TFiler filer(reader);
    list.DefineProperties(&filer);
    ASSERT_TRUE(filer.ReadDefined("List", text.properties.at(0).value));
  }

  TStringSparseList list{sqSmall};
  int changes = 0;
};

TEST_F(StringSparseList, LinesKeepTextAndObjectAndAreStoredOnlyWhileTheyHoldOne) {
  TObject object;
  list.SetStrings(3, "three");
  EXPECT_EQ(4, list.Count());
  EXPECT_EQ(AnsiString(""), list[1]);
  EXPECT_EQ(nullptr, list.Objects(1));
  list.SetObjects(3, &object);
  list.SetStrings(3, "new");  // the object stays with the new text
  EXPECT_EQ(AnsiString("new"), list[3]);
  EXPECT_EQ(&object, list.Objects(3));

  list.SetObjects(6, &object);  // no line there yet: one with an empty text
  EXPECT_EQ(7, list.Count());
  EXPECT_EQ(AnsiString(""), list[6]);
  EXPECT_EQ(&object, list.Objects(6));

  list.SetObjects(6, nullptr);
  list.SetStrings(6, "");
  EXPECT_EQ(4, list.Count());  // an empty line without object is released
  list.SetObjects(3, nullptr);
  list.SetStrings(3, "");
  EXPECT_EQ(0, list.Count());
  EXPECT_EQ(8, changes);
}

TEST_F(StringSparseList, InsertDeleteAndClearNotifyButExchangeDoesNot) {
  list.Insert(2, "b");
  list.Insert(0, "a");
  EXPECT_EQ(4, list.Count());
  EXPECT_EQ(AnsiString("a"), list[0]);
  EXPECT_EQ(AnsiString("b"), list[3]);
  list.Exchange(0, 3);
  EXPECT_EQ(AnsiString("b"), list[0]);
  EXPECT_EQ(2, changes);
  list.Delete(0);
  EXPECT_EQ(AnsiString("a"), list[2]);
  EXPECT_EQ(3, changes);
  list.Clear();
  EXPECT_EQ(0, list.Count());
  EXPECT_EQ(4, changes);
}

TEST_F(StringSparseList, ReadsTheListValueIntoItsIndicesWithoutObjects) {
  list.SetStrings(0, "first");
  ReadListValue("(2 4 'four' 1 'one')");
  EXPECT_EQ(6, list.Count());
  EXPECT_EQ(AnsiString("first"), list[0]);
  EXPECT_EQ(AnsiString("one"), list[1]);
  EXPECT_EQ(AnsiString("four"), list[5]);  // inserted at 4, then moved up by the line at 1
  EXPECT_EQ(nullptr, list.Objects(1));
}

TEST_F(StringSparseList, ADamagedListValueRaisesAndChangesNothing) {
  for (const char* value : {"(3 0 'a')", "(1 0 'a' 2 'b')", "(1 -4 'a')", "(1 'a' 0)", "()"}) {
    SCOPED_TRACE(value);
    EXPECT_THROW(ReadListValue(value), EFormValueError);
    EXPECT_EQ(0, list.Count());
  }
  EXPECT_EQ(0, changes);
}

}  // namespace
