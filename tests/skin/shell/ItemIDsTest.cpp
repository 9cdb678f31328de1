// Item id lists: prefixes, sizes, concatenation, last-id copies and the text of shell
// string answers.
#include <cstring>
#include <string>
#include <vector>

#include "ShellFixture.h"
#include "classlib/runtime/FileUtils.h"

using namespace shelltest;

namespace {

std::string PathOf(LPCITEMIDLIST list) {
  char path[MAX_PATH] = {};
  return SHGetPathFromIDListA(list, path) ? path : "";
}

std::vector<BYTE> Bytes(LPCITEMIDLIST list) {
  const auto* start = reinterpret_cast<const BYTE*>(list);
  return std::vector<BYTE>(start, start + ItemIDListSize(list));
}

}  // namespace

TEST(ItemIDs, PrefixListsNameEveryAncestorFromTheDesktopDown) {
  const std::string base = CaseFolder();
  MakeFolder(base + "\\a");
  MakeFolder(base + "\\a\\b");
  MakeFolder(base + "\\a\\b\\c");
  auto item = OpenFolder(base + "\\a\\b\\c");
  const int count = ItemIDCount(item->AbsoluteID());
  ASSERT_GE(count, 4);

  TList* prefixes = ItemIDPrefixList(item->AbsoluteID());
  ASSERT_EQ(count, prefixes->Count());
  for (int i = 0; i < count; ++i) {
    auto* prefix = static_cast<LPITEMIDLIST>(prefixes->Items(i));
    EXPECT_EQ(i, ItemIDCount(prefix)) << i;
    EXPECT_EQ(0, std::memcmp(prefix, item->AbsoluteID(), ItemIDListSize(prefix) - 2)) << i;
  }
  EXPECT_EQ(base + "\\a\\b", PathOf(static_cast<LPITEMIDLIST>(prefixes->Items(count - 1))));
  EXPECT_EQ(base + "\\a", PathOf(static_cast<LPITEMIDLIST>(prefixes->Items(count - 2))));
  EXPECT_EQ(base, PathOf(static_cast<LPITEMIDLIST>(prefixes->Items(count - 3))));
  EXPECT_TRUE(SameItemIDs(static_cast<LPITEMIDLIST>(prefixes->Items(0)), DesktopFolder->AbsoluteID()));
  FreeItemIDPrefixList(prefixes);

  TList* none = ItemIDPrefixList(DesktopFolder->AbsoluteID());
  EXPECT_EQ(0, none->Count());
  FreeItemIDPrefixList(none);
}

TEST(ItemIDs, SizeConcatenationAndLastIdAgree) {
  const std::string base = CaseFolder();
  MakeFile(base + "\\one.txt");
  MakeFile(base + "\\two.txt");
  auto folder = OpenFolder(base);
  auto one = ChildItem(folder.get(), "one.txt");
  auto two = ChildItem(folder.get(), "two.txt");
  ASSERT_TRUE(one && two);

  LPCITEMIDLIST absolute = one->AbsoluteID();
  EXPECT_EQ(ItemIDListSize(folder->AbsoluteID()) + ItemIDListSize(one->RelativeID()) - 2, ItemIDListSize(absolute));
  EXPECT_EQ(ItemIDCount(folder->AbsoluteID()) + 1, ItemIDCount(absolute));
  EXPECT_EQ(0u, ItemIDListSize(nullptr));
  EXPECT_EQ(2u, ItemIDListSize(DesktopFolder->AbsoluteID()));

  TspItemIDList last(LastItemIDCopy(absolute));
  EXPECT_EQ(Bytes(one->RelativeID()), Bytes(last.Get()));
  TspItemIDList joined(ConcatItemIDLists(folder->AbsoluteID(), last.Get()));
  EXPECT_EQ(Bytes(absolute), Bytes(joined.Get()));
  EXPECT_TRUE(SameItemIDs(joined.Get(), absolute));
  EXPECT_FALSE(SameItemIDs(absolute, two->AbsoluteID()));
  TspItemIDList alone(ConcatItemIDLists(nullptr, last.Get()));
  EXPECT_EQ(Bytes(last.Get()), Bytes(alone.Get()));

  TspItemIDList stripped(CopyItemIDList(absolute));
  StripLastItemID(stripped.Get());
  EXPECT_EQ(Bytes(folder->AbsoluteID()), Bytes(stripped.Get()));
  EXPECT_EQ(PathOf(absolute), base + "\\one.txt");

  LPITEMIDLIST second = NextItemID(absolute);
  EXPECT_EQ(ItemIDCount(absolute) - 1, ItemIDCount(second));
  EXPECT_EQ(nullptr, NextItemID(nullptr));
}

namespace {

// A one-id list whose bytes after the count hold `payload` (not necessarily ended).
std::vector<BYTE> FakeItem(const std::string& payload) {
  std::vector<BYTE> bytes(2 + payload.size() + 2, 0);
  const auto size = static_cast<USHORT>(2 + payload.size());
  std::memcpy(bytes.data(), &size, 2);
  std::memcpy(bytes.data() + 2, payload.data(), payload.size());
  return bytes;
}

}  // namespace

TEST(ItemIDs, StringAnswersBecomeTextAndDigitMarksAreDropped) {
  struct Case {
    UINT type;
    std::string text;
    std::string expected;
  } cases[] = {
      {STRRET_WSTR, "wide name", "wide name"}, {STRRET_CSTR, "plain name", "plain name"},
      {STRRET_OFFSET, "offset name", "offset name"}, {STRRET_WSTR, "?1?2x", "12x"},
      {STRRET_CSTR, "?1?2x", "12x"}, {STRRET_OFFSET, "?9a?", "9a"},
      {STRRET_CSTR, "?a?1", "?a?1"}, {STRRET_CSTR, "?", "?"},
      {STRRET_WSTR, "", ""}, {STRRET_CSTR, "x?1", "x?1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.type) + " " + c.text);
    std::vector<BYTE> item = FakeItem("\x01\x02" + c.text);
    STRRET answer{};
    answer.uType = c.type;
    if (c.type == STRRET_WSTR) {
      const int length = MultiByteToWideChar(CP_ACP, 0, c.text.c_str(), -1, nullptr, 0);
      answer.pOleStr = static_cast<LPWSTR>(CoTaskMemAlloc(static_cast<size_t>(length) * sizeof(wchar_t)));
      MultiByteToWideChar(CP_ACP, 0, c.text.c_str(), -1, answer.pOleStr, length);
    } else if (c.type == STRRET_CSTR) {
      std::strcpy(answer.cStr, c.text.c_str());
    } else {
      answer.uOffset = 4;
    }
    EXPECT_EQ(c.expected, StrRetToText(reinterpret_cast<LPCITEMIDLIST>(item.data()), answer).c_str());
  }
}

TEST(ItemIDs, AnOffsetAnswerStopsAtTheEndOfItsItem) {
  std::vector<BYTE> item = FakeItem("..name");
  item[item.size() - 2] = 'Z';  // bytes past the item's count are never part of the text
  item[item.size() - 1] = 'Z';
  STRRET answer{};
  answer.uType = STRRET_OFFSET;
  answer.uOffset = 4;
  EXPECT_STREQ("name", StrRetToText(reinterpret_cast<LPCITEMIDLIST>(item.data()), answer).c_str());
}
