#include <gtest/gtest.h>

#include <algorithm>

#include "bitmap_fixtures.h"
#include "imaging/Bitmap32_OrdinalMaps.h"

using namespace imaging;
using namespace bitmaptest;

namespace {

TEST(BooleanMap, BitsArePackedLowestFirst) {
  TBooleanMap map;
  map.SetSize(10, 1);
  ASSERT_EQ(map.ByteCount(), 2);
  map.Clear(0);
  map.SetValue(9, 0, true);
  EXPECT_EQ(map.GetBits()[0], 0);
  EXPECT_EQ(map.GetBits()[1], 0x02);
  EXPECT_TRUE(map.GetValue(9, 0));
  map.ToggleBit(9, 0);
  map.ToggleBit(0, 0);
  EXPECT_FALSE(map.GetValue(9, 0));
  EXPECT_EQ(map.GetBits()[0], 0x01);
}

TEST(BooleanMap, ClearWritesEveryByte) {
  TBooleanMap map;
  map.SetSize(4, 4);
  map.Clear(1);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(map.GetValue(x, y), x + 4 * y == 0 || x + 4 * y == 8) << x << "," << y;
}

TEST(OrdinalMaps, EmptySizeLeavesNoStorage) {
  TBooleanMap bits;
  TByteMap bytes;
  TIntegerMap integers;
  for (TCustomMap* map : std::initializer_list<TCustomMap*>{&bits, &bytes, &integers}) {
    map->SetSize(5, 3);
    EXPECT_FALSE(map->Empty());
    map->SetSize(0, 0);
    EXPECT_TRUE(map->Empty());
  }
  EXPECT_EQ(bits.ByteCount(), 0);
}

TEST(OrdinalMaps, ResizingKeepsIndexPositionsAndZeroesNewElements) {
  TWordMap map;
  map.SetSize(3, 2);
  for (int i = 0; i < 6; ++i) map.GetBits()[i] = static_cast<uint16_t>(1000 + i);
  map.SetSize(2, 2);
  EXPECT_EQ(map.GetValue(0, 1), 1002);  // index 2, formerly (2, 0)
  map.SetSize(3, 3);
  EXPECT_EQ(map.GetValue(0, 1), 1003);
  EXPECT_EQ(map.GetValue(2, 2), 0);
}

TEST(OrdinalMaps, ClearOfValueMapsNotifies) {
  TIntegerMap map;
  map.SetSize(2, 2);
  TEventLog log;
  map.OnChange = TNotifyEvent(&log, &TEventLog::Change);
  map.Clear(-7);
  EXPECT_EQ(log.lines, std::vector<std::string>{"change"});
  EXPECT_EQ(*map.GetValPtr(1, 1), -7);
}

TEST(ByteMap, ReadFromTakesTheChosenByte) {
  const auto bitmap = Filled(2, 1, 0x80402010);
  const struct {
    TConversionType conversion;
    int expected;
  } cases[] = {{ctRed, 0x40},
               {ctGreen, 0x20},
               {ctBlue, 0x10},
               {ctAlpha, 0x80},
               {ctUniformRGB, (0x40 + 0x20 + 0x10) / 3},
               {ctWeightedRGB, (61 * 0x40 + 174 * 0x20 + 21 * 0x10) >> 8}};
  for (const auto& c : cases) {
    TByteMap map;
    map.ReadFrom(bitmap.get(), c.conversion);
    ASSERT_EQ(map.Width(), 2);
    EXPECT_EQ(map.GetValue(1, 0), c.expected) << int(c.conversion);
  }
}

TEST(ByteMap, AlphaWrittenBackChangesOnlyAlpha) {
  const auto source = Indexed(5, 3);
  for (int x = 0; x < 5; ++x) source->SetPixel(x, 1, (source->GetPixel(x, 1) & 0x00FFFFFF) | TColor32(x * 40) << 24);
  TByteMap map;
  map.ReadFrom(source.get(), ctAlpha);
  const auto dest = Filled(5, 3, 0x11223344);
  map.WriteTo(dest.get(), ctAlpha);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) {
      EXPECT_EQ(dest->GetPixel(x, y) & 0x00FFFFFF, 0x223344u);
      EXPECT_EQ(dest->GetPixel(x, y) >> 24, source->GetPixel(x, y) >> 24);
    }
}

TEST(ByteMap, WriteToSizesTheBitmapAndReportsOnce) {
  TByteMap map;
  map.SetSize(3, 2);
  map.Clear(9);
  TBitmap32 bitmap;
  TEventLog log;
  log.Watch(bitmap);
  map.WriteTo(&bitmap, ctRed);
  EXPECT_EQ(bitmap.Width(), 3);
  EXPECT_EQ(bitmap.GetPixel(2, 1), 0x00090000u);
  EXPECT_EQ(std::count(log.lines.begin(), log.lines.end(), "change"), 1);
}

TEST(ByteMap, AssignToABitmapGivesOpaqueGrey) {
  TByteMap map;
  map.SetSize(2, 2);
  for (int i = 0; i < 4; ++i) map.GetBits()[i] = static_cast<uint8_t>(i * 60);
  TBitmap32 bitmap;
  bitmap.Assign(&map);
  ASSERT_EQ(bitmap.Width(), 2);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(bitmap.GetPixel(i % 2, i / 2), Gray32(static_cast<uint8_t>(i * 60)));
}

TEST(ByteMap, AssignCopiesMapsAndReadsBitmaps) {
  TByteMap source;
  source.SetSize(3, 1);
  source.Clear(5);
  TByteMap copy;
  copy.Assign(&source);
  ASSERT_EQ(copy.Width(), 3);
  EXPECT_EQ(copy.GetValue(2, 0), 5);
  const auto bitmap = Filled(1, 1, 0xFF808080);
  copy.Assign(bitmap.get());
  EXPECT_EQ(copy.Width(), 1);
  EXPECT_EQ(copy.GetValue(0, 0), Intensity(0xFF808080));
  TWordMap other;
  EXPECT_THROW(copy.Assign(&other), EConvertError);
}

TEST(ByteMap, PaletteWriteMapsEveryValue) {
  TByteMap map;
  map.SetSize(2, 1);
  map.SetValue(0, 0, 1);
  map.SetValue(1, 0, 255);
  TPalette32 palette{};
  for (int i = 0; i < 256; ++i) palette[i] = 0xFF000000u | static_cast<TColor32>(i * 3);
  TBitmap32 bitmap;
  map.WriteTo(&bitmap, palette);
  EXPECT_EQ(bitmap.GetPixel(0, 0), palette[1]);
  EXPECT_EQ(bitmap.GetPixel(1, 0), palette[255]);
}

}  // namespace
