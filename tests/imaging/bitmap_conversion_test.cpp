#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "bitmap_fixtures.h"
#include "classlib/graphics/Graphics.h"
#include "classlib/runtime/Streams.h"
#include "metafile_support.h"
#include "test_support.h"

using namespace imaging;
using bitmaptest::Filled;
using bitmaptest::Index;
using bitmaptest::Indexed;
using bitmaptest::Pixels;
using bitmaptest::TEventLog;

namespace {

// The library's rectangle, not the class library's.
using imaging::TRect;

using Lines = std::vector<std::string>;

std::string AreaLine(int l, int t, int r, int b) {
  return "area " + std::to_string(l) + "," + std::to_string(t) + "," + std::to_string(r) + "," + std::to_string(b) +
         " rect";
}

// --- Canvas ---------------------------------------------------------------------------------

TEST(Bitmap32Canvas, GdiRectangleThroughTheCanvasReadsBackAsPixels) {
  TEventLog log;
  auto bitmap = Filled(10, 8, 0xFF000000);
  log.Watch(*bitmap);
  TCanvas* canvas = bitmap->GetCanvas();
  canvas->Brush()->SetColor(static_cast<TColor>(RGB(200, 100, 50)));
  canvas->FillRect(::TRect{2, 1, 6, 4});
  EXPECT_EQ(bitmap->GetPixel(2, 1) & 0x00FFFFFF, 0x00C86432u);  // red, green, blue only: GDI drops alpha
  EXPECT_EQ(bitmap->GetPixel(5, 3) & 0x00FFFFFF, 0x00C86432u);
  EXPECT_EQ(bitmap->GetPixel(6, 3), 0xFF000000u);
  EXPECT_EQ(log.lines, (Lines{AreaLine(0, 0, 10, 8), "change"}));
}

TEST(Bitmap32Canvas, ResizingFreesTheCanvas) {
  auto bitmap = Filled(4, 4, 0xFF000000);
  bitmap->GetCanvas();
  EXPECT_TRUE(bitmap->CanvasAllocated());
  bitmap->SetSize(6, 6);
  EXPECT_FALSE(bitmap->CanvasAllocated());
  TCanvas* canvas = bitmap->GetCanvas();
  EXPECT_EQ(canvas->Handle(), bitmap->Handle());
  canvas->Brush()->SetColor(clWhite);
  canvas->FillRect(::TRect{5, 5, 6, 6});
  EXPECT_EQ(bitmap->GetPixel(5, 5) & 0x00FFFFFF, 0x00FFFFFFu);
}

// --- Conversions ------------------------------------------------------------------------------

TEST(Bitmap32Conversion, TwentyFourBitBitmapGetsOpaqueAlphaAndItsTransparentColourClear) {
  ::TBitmap source;
  source.SetPixelFormat(pf24bit);
  source.SetSize(3, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) source.Canvas()->SetPixels(x, y, static_cast<TColor>(RGB(10 * x, 20 * y, 30)));
  source.Canvas()->SetPixels(1, 1, clRed);
  TBitmap32 bitmap;
  bitmap.Assign(&source);
  ASSERT_EQ(bitmap.Width(), 3);
  ASSERT_EQ(bitmap.Height(), 2);
  EXPECT_EQ(bitmap.GetPixel(2, 0), 0xFF14001Eu);
  EXPECT_EQ(bitmap.GetPixel(1, 1), 0xFFFF0000u);

  source.SetTransparentMode(tmFixed);
  source.SetTransparentColor(clRed);
  source.SetTransparent(true);
  bitmap.Assign(&source);
  EXPECT_EQ(bitmap.GetPixel(1, 1), 0x00FF0000u);
  EXPECT_EQ(bitmap.GetPixel(2, 0), 0xFF14001Eu);
}

// A 16 x 16 blue icon whose 2 x 2 corners are transparent by its mask.
HICON CornerlessIcon() {
  std::vector<uint32_t> colour(16 * 16, 0x000000FF);
  HBITMAP colourBitmap = CreateBitmap(16, 16, 1, 32, colour.data());
  uint8_t mask[16 * 2] = {};
  for (int y : {0, 1, 14, 15}) {
    mask[y * 2] = 0xC0;      // columns 0 and 1
    mask[y * 2 + 1] = 0x03;  // columns 14 and 15
  }
  HBITMAP maskBitmap = CreateBitmap(16, 16, 1, 1, mask);
  ICONINFO info{TRUE, 0, 0, maskBitmap, colourBitmap};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(colourBitmap);
  DeleteObject(maskBitmap);
  return icon;
}

TEST(Bitmap32Conversion, IconCornersBecomeTransparent) {
  TPicture picture;
  picture.Icon()->SetHandle(CornerlessIcon());
  TBitmap32 bitmap;
  bitmap.Assign(&picture);
  ASSERT_EQ(bitmap.Width(), 16);
  for (auto [x, y] : {std::pair{0, 0}, std::pair{15, 0}, std::pair{1, 15}, std::pair{15, 14}})
    EXPECT_EQ(bitmap.GetPixel(x, y) >> 24, 0u) << x << "," << y;
  EXPECT_EQ(bitmap.GetPixel(8, 8), 0xFF0000FFu);
  EXPECT_EQ(bitmap.GetPixel(2, 0), 0xFF0000FFu);
}

TEST(Bitmap32Conversion, MetafileBackgroundBecomesTransparent) {
  InitializeGraphics();
  TPicture picture;
  TMetafile metafile;
  metafile.SetHandle(testsupport::FilledMetafile(40, 30, RECT{10, 5, 30, 25}, RGB(0, 128, 0)));
  picture.SetGraphic(&metafile);
  TBitmap32 bitmap;
  bitmap.Assign(&picture);
  ASSERT_EQ(bitmap.Width(), 40);
  ASSERT_EQ(bitmap.Height(), 30);
  for (auto [x, y] : {std::pair{0, 0}, std::pair{39, 29}, std::pair{5, 15}, std::pair{20, 1}})
    EXPECT_EQ(bitmap.GetPixel(x, y) >> 24, 0u) << x << "," << y;
  EXPECT_EQ(bitmap.GetPixel(20, 15), 0xFF008000u);
  EXPECT_EQ(bitmap.GetPixel(12, 7), 0xFF008000u);
}

TEST(Bitmap32Conversion, IntoClassLibraryBitmapsAndPictures) {
  auto source = Indexed(4, 3);
  ::TBitmap bitmap;
  bitmap.SetPixelFormat(pf8bit);
  bitmap.Assign(source.get());
  EXPECT_EQ(bitmap.PixelFormat(), pf32bit);
  ASSERT_EQ(bitmap.Width(), 4);
  const auto* row = static_cast<const uint32_t*>(bitmap.ScanLine(2));
  EXPECT_EQ(row[3] & 0x00FFFFFF, Index(3, 2) & 0x00FFFFFF);
  TPicture picture;
  picture.Assign(source.get());
  ASSERT_NE(dynamic_cast<::TBitmap*>(picture.Graphic()), nullptr);
  EXPECT_EQ(picture.Width(), 4);
  TBitmap32 back;
  back.Assign(&picture);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(back.GetPixel(x, y) & 0x00FFFFFF, Index(x, y) & 0x00FFFFFF);
  EXPECT_THROW(back.Assign(back.Font()), EConvertError);
}

TEST(Bitmap32Conversion, AssignNotifiesOnceAtTheEnd) {
  TEventLog log;
  TBitmap32 target;
  log.Watch(target);
  auto source = Indexed(2, 2);
  target.Assign(source.get());
  EXPECT_EQ(log.lines, (Lines{"resize", AreaLine(0, 0, 2, 2), "change"}));
  EXPECT_TRUE(target.Equal(source.get()));
}

TEST(Bitmap32Conversion, StreamAndFileRoundTrips) {
  InitializeGraphics();
  auto source = Indexed(5, 3);
  TMemoryStream stream;
  source->SaveToStream(&stream);
  ASSERT_GT(stream.Size(), 54);
  EXPECT_EQ(static_cast<const char*>(stream.Memory())[0], 'B');
  stream.SetPosition(0);
  TBitmap32 loaded;
  loaded.LoadFromStream(&stream);
  EXPECT_EQ(Pixels(loaded), Pixels(*source));

  const std::string folder = testsupport::FreshTempFolder("bitmap32_files");
  const AnsiString name = AnsiString(folder.c_str()) + "\\frame.bmp";
  source->SaveToFile(name);
  TBitmap32 fromFile;
  fromFile.LoadFromFile(name);
  ASSERT_EQ(fromFile.Width(), 5);
  EXPECT_EQ(fromFile.GetPixel(4, 2) & 0x00FFFFFF, Index(4, 2) & 0x00FFFFFF);
  EXPECT_EQ(fromFile.GetPixel(4, 2) >> 24, 0xFFu);
}

TEST(Bitmap32Conversion, MissingResourcePassesTheErrorAndStillNotifies) {
  TEventLog log;
  TBitmap32 bitmap;
  log.Watch(bitmap);
  EXPECT_THROW(bitmap.LoadFromResourceName(GetModuleHandle(nullptr), "NOSUCHBITMAP"), EResNotFound);
  EXPECT_THROW(bitmap.LoadFromResourceID(GetModuleHandle(nullptr), 4711), EResNotFound);
  EXPECT_EQ(log.lines, (Lines{AreaLine(0, 0, 0, 0), "change", AreaLine(0, 0, 0, 0), "change"}));
}

TEST(Bitmap32Conversion, SizeFromPicturesAndMaps) {
  TBitmap32 bitmap;
  ::TBitmap picture;
  picture.SetSize(7, 5);
  bitmap.SetSizeFrom(&picture);
  EXPECT_EQ(bitmap.Width(), 7);
  EXPECT_EQ(bitmap.Height(), 5);
  auto map = Indexed(2, 3);
  bitmap.SetSizeFrom(map.get());
  EXPECT_EQ(bitmap.Width(), 2);
  bitmap.SetSizeFrom(nullptr);
  EXPECT_TRUE(bitmap.Empty());
  try {
    bitmap.SetSizeFrom(bitmap.Font());
    FAIL();
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "Can't set size from 'TFont'");
  }
}

// --- Text -------------------------------------------------------------------------------------

TEST(Bitmap32Text, TextoutReportsItsMeasuredExtent) {
  TEventLog log;
  auto bitmap = Filled(60, 40, 0xFF000000);
  bitmap->OnAreaChanged = log.AreaEvent();
  bitmap->Font()->SetColor(clWhite);
  const SIZE extent = bitmap->TextExtent("ab");
  ASSERT_GT(extent.cx, 0);
  ASSERT_GT(extent.cy, 0);
  bitmap->Textout(5, 5, "ab");
  EXPECT_EQ(log.lines, (Lines{AreaLine(5, 5, 5 + extent.cx + 1, 5 + extent.cy + 1)}));
  int inked = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 60; ++x)
      if ((bitmap->GetPixel(x, y) & 0x00FFFFFF) != 0) {
        ++inked;
        EXPECT_TRUE(x >= 5 && x < 5 + extent.cx && y >= 5 && y < 5 + extent.cy) << x << "," << y;
      }
  EXPECT_GT(inked, 0);
}

TEST(Bitmap32Text, MeasuringTextoutDrawsNothingButReports) {
  TEventLog log;
  auto bitmap = Filled(60, 40, 0xFF000000);
  bitmap->Font()->SetColor(clWhite);
  const SIZE extent = bitmap->TextExtent("ab");
  bitmap->BeginMeasuring(log.AreaEvent());
  bitmap->Textout(5, 5, "ab");
  bitmap->Textout(bitmaptest::Filled(1, 1, 0)->BoundsRect(), DT_SINGLELINE, "ab");
  bitmap->EndMeasuring();
  EXPECT_EQ(log.lines, (Lines{AreaLine(5, 5, 5 + extent.cx + 1, 5 + extent.cy + 1), AreaLine(0, 0, 1, 1)}));
  for (TColor32 pixel : Pixels(*bitmap)) ASSERT_EQ(pixel, 0xFF000000u);
}

TEST(Bitmap32Text, MeasuringWithoutStorage) {
  TBitmap32 empty;
  const SIZE none = empty.TextExtent("");
  EXPECT_EQ(none.cx, 0);
  EXPECT_EQ(none.cy, 0);
  auto sized = Filled(10, 10, 0);
  EXPECT_EQ(empty.TextExtent("Preview").cx, sized->TextExtent("Preview").cx);
  EXPECT_EQ(empty.TextHeight("Preview"), sized->TextHeight("Preview"));
  EXPECT_EQ(empty.TextExtentW(L"Preview").cx, sized->TextWidth("Preview"));
  TEventLog log;
  empty.OnAreaChanged = log.AreaEvent();
  empty.Textout(1, 2, "x");
  EXPECT_EQ(log.lines.size(), 1u);  // nothing drawn, but the area is still reported
}

TEST(Bitmap32Text, ClippedAndFormattedText) {
  auto bitmap = Filled(60, 30, 0xFF000000);
  bitmap->Font()->SetColor(clWhite);
  bitmap->Textout(0, 0, TRect{0, 0, 3, 30}, "WWW");
  for (int y = 0; y < 30; ++y)
    for (int x = 3; x < 60; ++x) ASSERT_EQ(bitmap->GetPixel(x, y), 0xFF000000u) << x << "," << y;
  TEventLog log;
  bitmap->OnAreaChanged = log.AreaEvent();
  bitmap->Textout(TRect{10, 5, 10, 5}, DT_CALCRECT | DT_SINGLELINE, "WWW");
  const SIZE extent = bitmap->TextExtent("WWW");
  EXPECT_EQ(log.lines, (Lines{AreaLine(10, 5, 10 + extent.cx, 5 + extent.cy)}));
  bitmap->TextoutW(20, 5, L"\u00e9W");
  EXPECT_NE(Pixels(*bitmap), Pixels(*Filled(60, 30, 0xFF000000)));
}

TEST(Bitmap32Text, RenderTextTintsOnlyCoveredPixels) {
  const TColor32 back = 0xFF0000FF;
  auto bitmap = Filled(60, 30, back);
  bitmap->Font()->SetHeight(-16);
  bitmap->RenderText(2, 2, "Hi", 0, 0x80FF0000);
  int tinted = 0;
  for (TColor32 pixel : Pixels(*bitmap)) {
    if (pixel == back) continue;
    ++tinted;
    EXPECT_GT(pixel & 0x00FF0000, 0x00700000u) << std::hex << pixel;  // about half red
    EXPECT_LT(pixel & 0x000000FF, 0x90u) << std::hex << pixel;        // about half the blue left
  }
  EXPECT_GT(tinted, 10);
}

TEST(Bitmap32Text, SupersampledTextHasIntermediateCoverage) {
  auto levels = [](int level) {
    auto bitmap = Filled(80, 40, 0xFF000000);
    bitmap->Font()->SetHeight(-16);
    bitmap->RenderText(1, 1, "Wo", level, 0xFFFFFFFF);
    return Pixels(*bitmap);
  };
  const auto four = levels(2);
  std::set<TColor32> greys;
  for (TColor32 pixel : four)
    if (pixel != 0xFF000000 && (pixel & 0xFF) < 0xF0) greys.insert(pixel);
  EXPECT_GT(greys.size(), 2u);
  EXPECT_EQ(levels(7), levels(4));
  EXPECT_EQ(levels(-5), levels(-1));
}

TEST(Bitmap32Text, RenderTextOnAnEmptyBitmapDoesNothing) {
  TBitmap32 empty;
  TEventLog log;
  empty.OnAreaChanged = log.AreaEvent();
  empty.RenderText(0, 0, "x", 2, 0xFFFFFFFF);
  empty.RenderTextW(0, 0, L"x", 0, 0xFFFFFFFF);
  EXPECT_TRUE(log.lines.empty());
}

TEST(Bitmap32Text, FontIsCopiedWithTheProperties) {
  TBitmap32 source, copy;
  source.Font()->SetName("Arial");
  source.Font()->SetHeight(-20);
  source.CopyPropertiesTo(&copy);
  EXPECT_EQ(copy.Font()->Name(), "Arial");
  EXPECT_EQ(copy.Font()->Height(), -20);
}

}  // namespace
