// The cursor table: built-in numbers, program cursors, removal and unknown numbers.
#include <gtest/gtest.h>

#include "classlib/graphics/Graphics.h"

namespace {

HCURSOR SystemCursor(const char* id) { return LoadCursorA(nullptr, id); }

TEST(Cursors, BuiltInNumbersGiveSystemCursors) {
  TCursorTable table;
  EXPECT_EQ(table.Get(crHourGlass), SystemCursor(IDC_WAIT));
  EXPECT_EQ(table.Get(crHandPoint), SystemCursor(IDC_HAND));
  EXPECT_EQ(table.Get(crIBeam), SystemCursor(IDC_IBEAM));
  EXPECT_EQ(table.Get(crHSplit), SystemCursor(IDC_SIZEWE));
  EXPECT_EQ(table.Get(crDefault), SystemCursor(IDC_ARROW));
  EXPECT_EQ(table.Get(crNone), nullptr);
  EXPECT_EQ(table.Get(-99), SystemCursor(IDC_ARROW));
}

TEST(Cursors, ProgramCursorIsSetReadAndRemoved) {
  TCursorTable table;
  const BYTE andMask[128] = {};
  const BYTE xorMask[128] = {};
  HCURSOR own = CreateCursor(GetModuleHandleA(nullptr), 0, 0, 32, 32, andMask, xorMask);
  ASSERT_NE(own, nullptr);
  EXPECT_EQ(table.Get(26000), SystemCursor(IDC_ARROW));
  table.Set(26000, own);
  EXPECT_EQ(table.Get(26000), own);
  table.Set(26000, nullptr);
  EXPECT_EQ(table.Get(26000), SystemCursor(IDC_ARROW));
  ICONINFO info{};
  EXPECT_FALSE(GetIconInfo(own, &info));  // the table destroyed the cursor it owned
}

TEST(Cursors, ProgramCursorCanReplaceABuiltInOne) {
  TCursorTable table;
  HCURSOR copy = CopyCursor(SystemCursor(IDC_CROSS));
  table.Set(crHourGlass, copy);
  EXPECT_EQ(table.Get(crHourGlass), copy);
  table.Set(crHourGlass, nullptr);
  EXPECT_EQ(table.Get(crHourGlass), SystemCursor(IDC_WAIT));
}

}  // namespace
