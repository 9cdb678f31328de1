#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <type_traits>
#include <vector>

#include "skin/data/Sputils.h"
#include "tests/skin/drawing/PlacePictures.h"

namespace {

struct TRegionDeleter {
  void operator()(HRGN region) const { DeleteObject(region); }
};
using TRegion = std::unique_ptr<std::remove_pointer_t<HRGN>, TRegionDeleter>;

// A white mask with the given pixels black.
void Mask(TBitmap& mask, int width, int height, const std::vector<TPoint>& black) {
  placepic::Plain(mask, width, height, clWhite);
  for (const TPoint& p : black) mask.Canvas()->SetPixels(p.X, p.Y, clBlack);
}

RGNDATAHEADER HeaderOf(const std::vector<uint8_t>& data) {
  RGNDATAHEADER header;
  std::memcpy(&header, data.data(), sizeof header);
  return header;
}

std::vector<TRect> RectsOf(const std::vector<uint8_t>& data) {
  const RGNDATAHEADER header = HeaderOf(data);
  std::vector<TRect> rects(header.nCount);
  std::memcpy(rects.data(), data.data() + header.dwSize, header.nCount * sizeof(RECT));
  return rects;
}

TEST(SkinRegions, RunsOfBlackPixelsBecomeOneRowRectanglesMovedByTheOffset) {
  TBitmap mask;
  Mask(mask, 8, 3, {Point(0, 0), Point(1, 0), Point(4, 0)});
  std::vector<uint8_t> data;
  const int size = CreateRgnFromBmp(&mask, 10, 20, data);
  ASSERT_EQ(32 + 2 * 16, size);
  ASSERT_EQ(static_cast<size_t>(size), data.size());
  const RGNDATAHEADER header = HeaderOf(data);
  EXPECT_EQ(32u, header.dwSize);
  EXPECT_EQ(static_cast<DWORD>(RDH_RECTANGLES), header.iType);
  EXPECT_EQ(0u, header.nRgnSize);
  EXPECT_EQ(Rect(10, 20, 18, 23), *reinterpret_cast<const TRect*>(&header.rcBound));
  EXPECT_EQ((std::vector<TRect>{Rect(10, 20, 12, 21), Rect(14, 20, 15, 21)}), RectsOf(data));
}

TEST(SkinRegions, ARunReachingTheRowsEndAndAnAllBlackMask) {
  TBitmap mask;
  Mask(mask, 7, 2, {Point(3, 1), Point(4, 1), Point(5, 1), Point(6, 1)});
  std::vector<uint8_t> data;
  CreateRgnFromBmp(&mask, 0, 0, data);
  EXPECT_EQ((std::vector<TRect>{Rect(3, 1, 7, 2)}), RectsOf(data));
  placepic::Plain(mask, 5, 4, clBlack);
  CreateRgnFromBmp(&mask, 1, 1, data);
  EXPECT_EQ((std::vector<TRect>{Rect(1, 1, 6, 2), Rect(1, 2, 6, 3), Rect(1, 3, 6, 4), Rect(1, 4, 6, 5)}),
            RectsOf(data));
}

TEST(SkinRegions, AnEmptyMaskGivesNoDataAndNoRegion) {
  TBitmap empty;
  std::vector<uint8_t> data{1, 2, 3};
  EXPECT_EQ(0, CreateRgnFromBmp(&empty, 0, 0, data));
  EXPECT_EQ(3u, data.size());
  HRGN region = reinterpret_cast<HRGN>(1);
  CreateSkinSimplyRegion(region, &empty);
  EXPECT_EQ(nullptr, region);
}

TEST(SkinRegions, ACheckerboardOfTwentyThousandRunsKeepsEveryBlackPixel) {
  TBitmap mask;
  placepic::Plain(mask, 200, 200, clWhite);
  for (int y = 0; y < 200; ++y) {
    auto* row = static_cast<uint8_t*>(mask.ScanLine(y));
    for (int x = (y % 2); x < 200; x += 2) std::memset(row + 4 * x, 0, 3);
  }
  std::vector<uint8_t> data;
  CreateRgnFromBmp(&mask, 0, 0, data);
  EXPECT_EQ(20000u, HeaderOf(data).nCount);
  HRGN handle = nullptr;
  CreateSkinSimplyRegion(handle, &mask);
  const TRegion region(handle);
  ASSERT_NE(nullptr, region);
  int wrong = 0;
  for (int y = 0; y < 200; ++y) {
    for (int x = 0; x < 200; ++x) wrong += (PtInRegion(region.get(), x, y) != 0) != ((x + y) % 2 == 0);
  }
  EXPECT_EQ(0, wrong);
}

// A 30 x 24 mask black everywhere except its four outer corner pixels.
class SkinRegion : public testing::Test {
 protected:
  void SetUp() override {
    placepic::Plain(mask_, 30, 24, clBlack);
    for (TPoint p : {Point(0, 0), Point(29, 0), Point(0, 23), Point(29, 23)}) mask_.Canvas()->SetPixels(p.X, p.Y, clWhite);
  }
  TRegion Region(int w, int h) {
    const int dw = w - 30, dh = h - 24;
    HRGN handle = reinterpret_cast<HRGN>(1);
    CreateSkinRegion(handle, LT_, RT_, LB_, RB_, CR_, LT_, Point(RT_.X + dw, RT_.Y), Point(LB_.X, LB_.Y + dh),
                     Point(RB_.X + dw, RB_.Y + dh), Rect(CR_.Left, CR_.Top, CR_.Right + dw, CR_.Bottom + dh), &mask_,
                     w, h);
    return TRegion(handle);
  }

  TBitmap mask_;
  TPoint LT_ = Point(9, 7), RT_ = Point(21, 8), LB_ = Point(10, 17), RB_ = Point(20, 16);
  TRect CR_ = Rect(6, 5, 24, 19);
};

TEST_F(SkinRegion, TheBordersFollowTheMaskAtTheTargetSize) {
  const TRegion region = Region(70, 50);
  ASSERT_NE(nullptr, region);
  int wrong = 0;
  for (int y = -1; y <= 50; ++y) {
    for (int x = -1; x <= 70; ++x) {
      const bool inside = x >= 0 && y >= 0 && x < 70 && y < 50;
      const bool corner = (x == 0 || x == 69) && (y == 0 || y == 49);
      wrong += (PtInRegion(region.get(), x, y) != 0) != (inside && !corner);
    }
  }
  EXPECT_EQ(0, wrong);
}

TEST_F(SkinRegion, TheClientIsAlwaysSolidAndAnInvertedTargetHasNoRegion) {
  placepic::Plain(mask_, 30, 24, clWhite);
  const TRegion region = Region(50, 40);
  ASSERT_NE(nullptr, region);
  RECT box;
  EXPECT_EQ(SIMPLEREGION, GetRgnBox(region.get(), &box));
  EXPECT_EQ(Rect(6, 5, 44, 35), *reinterpret_cast<TRect*>(&box));
  EXPECT_EQ(nullptr, Region(5, 40));  // NRT.X left of NLT.X
}

TEST_F(SkinRegion, WithoutATopBandTheOtherBordersStillCount) {
  CR_.Top = 0;
  LT_.Y = 2;
  RT_.Y = 2;
  const TRegion region = Region(60, 40);
  ASSERT_NE(nullptr, region);
  EXPECT_TRUE(PtInRegion(region.get(), 0, 20));   // left strip
  EXPECT_TRUE(PtInRegion(region.get(), 59, 20));  // right strip
  EXPECT_TRUE(PtInRegion(region.get(), 30, 39));  // bottom strip
  EXPECT_FALSE(PtInRegion(region.get(), 0, 39));  // the mask's white corner
}

TEST(SkinLayered, OpacityIsSetOnALayeredWindow) {
  HWND window = CreateWindowExA(WS_EX_LAYERED, "STATIC", "", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(nullptr, window);
  for (int opacity : {128, 255, 0}) {
    SetAlphaBlendTransparent(window, opacity);
    BYTE alpha = 7;
    DWORD flags = 0;
    COLORREF key = 1;
    ASSERT_TRUE(GetLayeredWindowAttributes(window, &key, &alpha, &flags));
    EXPECT_EQ(opacity, alpha);
    EXPECT_EQ(static_cast<DWORD>(LWA_ALPHA), flags);
  }
  DestroyWindow(window);
}

}  // namespace
