#include <gtest/gtest.h>

#include <vector>

#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/Format.h"
#include "classlib/runtime/Lists.h"
#include "classlib/runtime/Streams.h"
#include "classlib/runtime/Strings.h"
#include "TestFolder.h"

namespace {

// A list that reports what it is told, as an owning list would free entries.
class TRecordingList : public TList {
 public:
  std::vector<std::pair<void*, TListNotification>> told;

 protected:
  void Notify(void* item, TListNotification action) override { told.emplace_back(item, action); }
};

// Lines kept outside the class, as a list-box control keeps them, through the hooks only.
class TBackedStrings : public TStrings {
 public:
  std::vector<AnsiString> lines;
  std::vector<bool> updateStates;

  void Insert(int index, const AnsiString& s) override { lines.insert(lines.begin() + index, s); }
  void Delete(int index) override { lines.erase(lines.begin() + index); }
  void Clear() override { lines.clear(); }

 protected:
  AnsiString Get(int index) const override { return lines.at(static_cast<size_t>(index)); }
  int GetCount() const override { return static_cast<int>(lines.size()); }
  void SetUpdateState(bool updating) override { updateStates.push_back(updating); }
};

class TChangeCounter : public TObject {
 public:
  void Changed(TObject*) { ++changes; }
  void Changing(TObject*) { ++changings; }
  int changes = 0;
  int changings = 0;
};

int CompareInts(void* a, void* b) { return static_cast<int>(reinterpret_cast<intptr_t>(a) - reinterpret_cast<intptr_t>(b)); }

void* P(intptr_t v) { return reinterpret_cast<void*>(v); }

}  // namespace

TEST(Lists, IndexErrorsNameTheIndex) {
  TList list;
  list.Add(P(1));
  for (int bad : {-1, 1, 5}) {
    try {
      list.Items(bad);
      FAIL() << bad;
    } catch (const EListError& e) {
      EXPECT_EQ(e.Message(), Format("List index out of bounds (%d)", {bad}));
    }
  }
  EXPECT_THROW(list.Delete(1), EListError);
  EXPECT_THROW(list.Insert(3, nullptr), EListError);
  EXPECT_NO_THROW(list.Insert(1, P(2)));  // at the end is allowed
}

TEST(Lists, EditingKeepsOrderAndTellsNotify) {
  TRecordingList list;
  for (intptr_t v : {30, 10, 20}) list.Add(P(v));
  list.Add(nullptr);
  list.Pack();
  EXPECT_EQ(list.Count(), 3);
  list.Sort(&CompareInts);
  EXPECT_EQ(list.First(), P(10));
  EXPECT_EQ(list.Last(), P(30));
  list.Move(0, 2);
  EXPECT_EQ(list.IndexOf(P(10)), 2);
  list.Exchange(0, 2);
  EXPECT_EQ(list[0], P(10));
  EXPECT_EQ(list.Extract(P(20)), P(20));
  EXPECT_EQ(list.Remove(P(99)), -1);
  list.told.clear();
  list.SetItems(0, P(11));
  list.Clear();
  const std::vector<std::pair<void*, TListNotification>> expected = {
      {P(10), lnDeleted}, {P(11), lnAdded}, {P(30), lnDeleted}, {P(11), lnDeleted}};
  EXPECT_EQ(list.told, expected);
}

TEST(StringLists, LineBreakTable) {
  struct Case {
    AnsiString text;
    std::vector<AnsiString> lines;
  };
  const Case cases[] = {
      {"a\r\nb", {"a", "b"}},
      {"a\r\nb\r\n", {"a", "b"}},  // no empty last line
      {"a\nb\n", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\n\nb", {"a", "", "b"}},
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"a\r\r\nb", {"a", "", "b"}},
      {"a\n\r", {"a", ""}},
      {"\r\n", {""}},
      {"", {}},
      {"one line", {"one line"}},
      {AnsiString("nul\0inside", 10), {AnsiString("nul\0inside", 10)}},
  };
  const AnsiString path = TestFolder() + "lines.txt";
  for (const Case& c : cases) {
    {
      TFileStream file(path, fmCreate);
      file.WriteBuffer(c.text.c_str(), c.text.Length());
    }
    TStringList list;
    list.LoadFromFile(path);
    std::vector<AnsiString> got;
    for (int i = 0; i < list.Count(); ++i) got.push_back(list[i]);
    EXPECT_EQ(got, c.lines) << c.text;
  }
  TStringList list;
  list.SetText("x\ny");
  EXPECT_EQ(list.Text(), "x\r\ny\r\n");
  list.SaveToFile(path);
  TStringList again;
  again.LoadFromFile(path);
  EXPECT_TRUE(again.Equals(&list));
  EXPECT_THROW(again.LoadFromFile(path + ".missing"), EFOpenError);
}

TEST(StringLists, LookupsIgnoreCaseAndCarryObjects) {
  TStringList list;
  TObject one, two;
  list.AddObject("Alpha", &one);
  list.Add("beta");
  list.InsertObject(1, "Name=Value", &two);
  EXPECT_EQ(list.IndexOf("ALPHA"), 0);
  EXPECT_EQ(list.IndexOf("gamma"), -1);
  EXPECT_EQ(list.Objects(1), &two);
  EXPECT_EQ(list.IndexOfObject(&one), 0);
  EXPECT_EQ(list.Names(1), "Name");
  EXPECT_EQ(list.Values("NAME"), "Value");
  list.SetValues("name", "Other");
  EXPECT_EQ(list[1], "name=Other");
  list.SetValues("new", "1");
  EXPECT_EQ(list[3], "new=1");
  list.SetValues("new", "");
  EXPECT_EQ(list.IndexOfName("new"), -1);
  list.Move(0, 2);
  EXPECT_EQ(list[2], "Alpha");
  EXPECT_EQ(list.Objects(2), &one);
  EXPECT_THROW(list.Strings(3), EStringListError);
}

TEST(StringLists, SortedListsAndDuplicates) {
  TStringList list;
  list.SetSorted(true);
  for (const char* s : {"pear", "Apple", "fig", "apple"}) list.Add(s);
  EXPECT_EQ(list.CommaText(), "Apple,fig,pear");  // dupIgnore: "apple" equals "Apple"
  int index = -1;
  EXPECT_TRUE(list.Find("FIG", index));
  EXPECT_EQ(index, 1);
  EXPECT_FALSE(list.Find("grape", index));
  EXPECT_EQ(index, 2);
  EXPECT_THROW(list.Insert(0, "x"), EStringListError);
  list.SetDuplicates(dupError);
  EXPECT_THROW(list.Add("PEAR"), EStringListError);
  list.SetDuplicates(dupAccept);
  list.Add("Fig");
  EXPECT_EQ(list.Count(), 4);
}

TEST(StringLists, UpdatesAreCountedAndChangesReported) {
  TStringList list;
  TChangeCounter counter;
  list.OnChange = TNotifyEvent(&counter, &TChangeCounter::Changed);
  list.OnChanging = TNotifyEvent(&counter, &TChangeCounter::Changing);
  list.Add("a");
  EXPECT_EQ(counter.changes, 1);
  list.BeginUpdate();
  list.BeginUpdate();
  list.Add("b");
  list.SetText("c\r\nd");
  list.EndUpdate();
  EXPECT_EQ(counter.changes, 1);
  list.EndUpdate();
  EXPECT_EQ(counter.changes, 2);  // one report for the whole block
  EXPECT_EQ(counter.changings, 2);
  list.EndUpdate();               // unpaired: ignored
  EXPECT_EQ(list.UpdateCount(), 0);
}

TEST(StringLists, BaseOperationsWorkThroughTheStorageHooks) {
  TBackedStrings backed;
  backed.SetText("one\ntwo\nthree");
  EXPECT_EQ(backed.lines, (std::vector<AnsiString>{"one", "two", "three"}));
  EXPECT_EQ(backed.updateStates, (std::vector<bool>{true, false}));
  EXPECT_EQ(backed.IndexOf("TWO"), 1);
  backed.SetStrings(0, "uno");
  backed.Exchange(0, 2);
  EXPECT_EQ(backed.Text(), "three\r\ntwo\r\nuno\r\n");
  TStringList copy;
  copy.Assign(&backed);
  EXPECT_EQ(copy.CommaText(), "three,two,uno");
  backed.Assign(&copy);
  EXPECT_EQ(backed.Count(), 3);
  backed.SetCommaText("a, \"b c\",\"d\"\"e\",");
  EXPECT_EQ(backed.lines, (std::vector<AnsiString>{"a", "b c", "d\"e", ""}));
  EXPECT_EQ(backed.CommaText(), "a,\"b c\",\"d\"\"e\",\"\"");
}
