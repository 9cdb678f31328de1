#include <gtest/gtest.h>

#include <string>

#include "classlib/graphics/Bitmap.h"
#include "classlib/runtime/Exceptions.h"
#include "skin/data/Sputils.h"

namespace {

TspSystemEntries PosingAs(int major, int minor, bool nt = true) {
  TspSystemEntries entries = PlatformSystemEntries();
  entries.Version = static_cast<DWORD>(major | (minor << 8)) | (nt ? 0u : 0x80000000u);
  return entries;
}

TEST(SkinSystem, VersionTestsFollowThePosedVersion) {
  struct {
    int major, minor;
    bool vista, nine, xp, w2kxp;
  } cases[] = {
      {4, 10, false, true, false, false}, {5, 0, false, false, false, true}, {5, 1, false, false, true, true},
      {5, 2, false, false, false, true},  {6, 0, true, false, true, true},   {10, 0, true, false, true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.major) + "." + std::to_string(c.minor));
    TspSystemEntriesScope pose(PosingAs(c.major, c.minor));
    int major = 0;
    int minor = 0;
    GetWindowsVersion(major, minor);
    EXPECT_EQ(c.major, major);
    EXPECT_EQ(c.minor, minor);
    EXPECT_EQ(c.vista, IsVistaOs());
    EXPECT_EQ(c.nine, Is9XOS());
    EXPECT_EQ(c.xp, CheckWXP());
    EXPECT_EQ(c.w2kxp, CheckW2KWXP());
  }
}

TEST(SkinSystem, PoseEndsWithItsScopeAndSetsThePlatformFlag) {
  const TspSystemEntries real = PlatformSystemEntries();
  {
    TspSystemEntriesScope pose(PosingAs(4, 10, false));
    EXPECT_FALSE(SP_PlatformIsUnicode);
    TBitmap bitmap;
    bitmap.SetSize(100, 20);
    EXPECT_EQ(bitmap.Canvas()->TextWidth("Narrow"), CalcTextWidthW(bitmap.Canvas(), L"Narrow"));
  }
  EXPECT_TRUE(SP_PlatformIsUnicode);
  EXPECT_EQ(real.Version, SystemEntries().Version);
  EXPECT_EQ(real.GetScrollBarInfo, GetScrollBarInfoFunc);
}

class ScrolledWindow : public testing::Test {
 protected:
  void SetUp() override {
    window_ = CreateWindowExA(0, "EDIT", "", WS_OVERLAPPEDWINDOW | WS_VSCROLL | ES_MULTILINE, 0, 0, 200, 100,
                              nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, window_);
  }
  void TearDown() override { DestroyWindow(window_); }

  HWND window_ = nullptr;
};

TEST_F(ScrolledWindow, ScrollBarInfoWithoutTheEntryReportsTheBarInvisible) {
  TspSystemEntries without = PlatformSystemEntries();
  without.GetScrollBarInfo = nullptr;
  TspSystemEntriesScope pose(without);
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  EXPECT_FALSE(MyGetScrollBarInfo(window_, OBJID_VSCROLL, info));
  EXPECT_EQ(static_cast<DWORD>(STATE_SYSTEM_INVISIBLE), info.rgstate[0]);
}

TEST_F(ScrolledWindow, ScrollBarInfoWithTheEntryAsksTheSystem) {
  ASSERT_NE(nullptr, GetScrollBarInfoFunc);
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  EXPECT_TRUE(MyGetScrollBarInfo(window_, OBJID_VSCROLL, info));
}

TEST_F(ScrolledWindow, MonitorAreasAreThePrimaryMonitorsWithOrWithoutTheEntries) {
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  const TRect workArea{work.left, work.top, work.right, work.bottom};
  const TRect screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  EXPECT_EQ(workArea, GetPrimaryMonitorWorkArea(true));
  EXPECT_EQ(screen, GetPrimaryMonitorWorkArea(false));
  EXPECT_EQ(workArea, GetMonitorWorkArea(window_, true));
  EXPECT_EQ(screen, GetMonitorWorkArea(window_, false));
  TspSystemEntries without = PlatformSystemEntries();
  without.GetMonitorInfoA = nullptr;
  without.MonitorFromWindow = nullptr;
  TspSystemEntriesScope pose(without);
  EXPECT_EQ(workArea, GetMonitorWorkArea(window_, true));
}

TEST(SkinDates, DaysPerMonthAndDateParts) {
  const int common[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int month = 1; month <= 12; ++month) {
    SCOPED_TRACE(month);
    EXPECT_EQ(common[month - 1], DaysPerMonth(2023, month));
    EXPECT_EQ(month == 2 ? 29 : common[month - 1], DaysPerMonth(2024, month));
  }
  EXPECT_EQ(28, DaysPerMonth(1900, 2));
  EXPECT_EQ(29, DaysPerMonth(2000, 2));
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_FALSE(IsLeapYear(2100));
  TDateTime date = EncodeDate(2007, 11, 23);
  EXPECT_EQ(23, ExtractDay(date));
  EXPECT_EQ(11, ExtractMonth(date));
  EXPECT_EQ(2007, ExtractYear(date));
}

TEST(SkinStreams, StringsGoWithTheirLengthAndComeBack) {
  TMemoryStream stream;
  WriteStringToStream("skin", &stream);
  WriteStringToStream("", &stream);
  ASSERT_EQ(4 + 4 + 4, stream.Size());
  const auto* bytes = static_cast<const uint8_t*>(stream.Memory());
  EXPECT_EQ(4, bytes[0]);
  EXPECT_EQ(0, bytes[1] | bytes[2] | bytes[3]);
  EXPECT_EQ('s', bytes[4]);
  stream.SetPosition(0);
  AnsiString first = "old";
  AnsiString second = "old";
  ReadStringFromStream(first, &stream);
  ReadStringFromStream(second, &stream);
  EXPECT_EQ(AnsiString("skin"), first);
  EXPECT_EQ(AnsiString(), second);
}

TEST(SkinStreams, ALengthBeyondTheStreamOrNegativeRaisesTheReadError) {
  for (int32_t length : {-1, 5, 0x7FFFFFFF}) {
    SCOPED_TRACE(length);
    TMemoryStream stream;
    stream.WriteBuffer(&length, sizeof(length));
    stream.WriteBuffer("abcd", 4);
    stream.SetPosition(0);
    AnsiString s;
    EXPECT_THROW(ReadStringFromStream(s, &stream), EReadError);
  }
}

}  // namespace
