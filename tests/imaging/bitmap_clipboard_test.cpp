// 32-bit bitmaps and PNG pictures through the system clipboard.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "bitmap_fixtures.h"
#include "classlib/graphics/Graphics.h"
#include "classlib/stdctrls/Clipboard.h"
#include "imaging/Pngimage.h"

using imaging::TBitmap32;
using imaging::TColor32;

namespace {

// Opaque pattern colour of pixel (x, y): every channel differs from its neighbours'.
TColor32 Pattern(int x, int y) { return 0xFF000000u | (x * 4u) << 16 | (y * 6u) << 8 | ((x + y) * 3u & 0xFF); }

// The CF_BITMAP on the clipboard as 32-bit top-down pixels, read by plain system calls.
std::vector<uint32_t> SystemClipboardPixels(int width, int height) {
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
  if (!OpenClipboard(nullptr)) {
    ADD_FAILURE() << "the clipboard was left open";
    return {};
  }
  auto* bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  HDC screen = GetDC(nullptr);
  const int rows = bitmap != nullptr ? GetDIBits(screen, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS) : 0;
  ReleaseDC(nullptr, screen);
  CloseClipboard();
  EXPECT_EQ(rows, height);
  return pixels;
}

class ClipboardBitmaps : public testing::Test {
 protected:
  void SetUp() override { InitializeGraphics(); }
};

TEST_F(ClipboardBitmaps, PatternReadBackBySystemCallsAndByAssign) {
  TBitmap32 source;
  source.SetSize(61, 37);
  for (int y = 0; y < 37; ++y)
    for (int x = 0; x < 61; ++x) source.SetPixel(x, y, Pattern(x, y) & (x == 3 ? 0x00FFFFFFu : 0xFFFFFFFFu));
  Clipboard()->Assign(&source);

  const std::vector<uint32_t> system = SystemClipboardPixels(61, 37);
  ASSERT_EQ(system.size(), 61u * 37u);
  for (int y = 0; y < 37; ++y)
    for (int x = 0; x < 61; ++x) ASSERT_EQ(system[y * 61 + x] & 0xFFFFFF, Pattern(x, y) & 0xFFFFFF) << x << "," << y;

  TBitmap32 copy;
  copy.Assign(Clipboard());
  ASSERT_EQ(copy.Width(), 61);
  ASSERT_EQ(copy.Height(), 37);
  for (int y = 0; y < 37; ++y)
    for (int x = 0; x < 61; ++x) ASSERT_EQ(copy.GetPixel(x, y), Pattern(x, y)) << x << "," << y;
}

TEST_F(ClipboardBitmaps, ClipboardWithoutPictureLeavesTheBitmapAndNotifies) {
  Clipboard()->SetAsText("no picture here");
  bitmaptest::TEventLog log;  // outlives the bitmap, which reports until it is freed
  auto bitmap = bitmaptest::Indexed(4, 3);
  log.Watch(*bitmap);
  EXPECT_THROW(bitmap->Assign(Clipboard()), EInvalidGraphic);
  EXPECT_EQ(bitmap->Width(), 4);
  EXPECT_EQ(bitmap->GetPixel(3, 2), bitmaptest::Index(3, 2));
  EXPECT_NE(std::find(log.lines.begin(), log.lines.end(), "change"), log.lines.end());
}

// A 9 x 7 RGBA picture: opaque pattern pixels except a fully transparent column 4.
std::unique_ptr<TPNGObject> AlphaPng() {
  auto png = std::make_unique<TPNGObject>(COLOR_RGBALPHA, 8, 9, 7);
  for (int y = 0; y < 7; ++y) {
    for (int x = 0; x < 9; ++x) {
      png->SetPixels(x, y, static_cast<TColor>(RGB(x * 25, y * 30, 90)));
      png->GetAlphaScanline(y)[x] = x == 4 ? 0 : 255;
    }
  }
  return png;
}

TEST_F(ClipboardBitmaps, PngGoesThroughABitmapAndLosesItsAlpha) {
  auto source = AlphaPng();
  Clipboard()->Assign(source.get());
  ASSERT_TRUE(OpenClipboard(nullptr));
  TPNGObject copy;
  try {
    copy.LoadFromClipboardFormat(CF_BITMAP, GetClipboardData(CF_BITMAP), nullptr);
  } catch (...) {
    CloseClipboard();
    throw;
  }
  CloseClipboard();
  ASSERT_EQ(copy.Width(), 9);
  ASSERT_EQ(copy.Height(), 7);
  EXPECT_EQ(copy.GetAlphaScanline(0), nullptr) << "no alpha plane after the bitmap";
  for (int y = 0; y < 7; ++y) {
    for (int x = 0; x < 9; ++x) {
      const TColor expected = x == 4 ? 0 : static_cast<TColor>(RGB(x * 25, y * 30, 90));
      EXPECT_EQ(copy.GetPixels(x, y), expected) << x << "," << y;
    }
  }
  TPNGObject empty;
  EXPECT_THROW(empty.LoadFromClipboardFormat(CF_TEXT, nullptr, nullptr), EInvalidGraphic);
  EXPECT_TRUE(empty.Empty());
}

}  // namespace
