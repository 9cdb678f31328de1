#include <gtest/gtest.h>

#include <cstring>

#include "bitmap_fixtures.h"
#include "classlib/runtime/Streams.h"
#include "imaging/Bitmap32_Blend.h"
#include "imaging/Bitmap32_Resamplers.h"

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
constexpr TColor32 kBack = 0xFF000000;

// The source columns (relative to the index colours) along row 0 of a bitmap filled
// from an indexed source.
std::vector<int> Columns(const TBitmap32& bitmap) {
  std::vector<int> result;
  for (int x = 0; x < bitmap.Width(); ++x) result.push_back(static_cast<int>(bitmap.GetPixel(x, 0) & 0xFF));
  return result;
}

TEST(Bitmap32Transfer, DataRoundTripKeepsEveryByte) {
  // Declared first: the bitmap reports its resize to it when freed.
  TEventLog log;
  auto source = Indexed(2, 1);
  source->SetPixel(1, 0, 0x00ABCDEF);  // alpha 0 must survive
  TMemoryStream stream;
  source->WriteData(&stream);
  ASSERT_EQ(stream.Size(), 16);
  const auto* bytes = static_cast<const uint8_t*>(stream.Memory());
  const uint8_t header[8] = {2, 0, 0, 0, 1, 0, 0, 0};
  EXPECT_EQ(std::memcmp(bytes, header, 8), 0);
  EXPECT_EQ(std::memcmp(bytes + 8, source->Bits(), 8), 0);

  TBitmap32 copy;
  log.Watch(copy);
  stream.SetPosition(0);
  copy.ReadData(&stream);
  EXPECT_EQ(Pixels(copy), Pixels(*source));
  EXPECT_EQ(log.lines.back(), "change");
}

TEST(Bitmap32Transfer, DamagedDataIsRefusedBeforeAllocating) {
  TMemoryStream stream;
  const int32_t header[2] = {40000, 40000};
  stream.WriteBuffer(header, sizeof(header));
  stream.SetPosition(0);
  TBitmap32 bitmap;
  EXPECT_THROW(bitmap.ReadData(&stream), EReadError);
  EXPECT_TRUE(bitmap.Empty());
}

TEST(Bitmap32Transfer, RollAndRotations) {
  auto rolled = Indexed(3, 2);
  rolled->Roll(1, 0, true, kBack);
  EXPECT_EQ(Pixels(*rolled), (std::vector<TColor32>{kBack, Index(0, 0), Index(1, 0), kBack, Index(0, 1), Index(1, 1)}));

  auto rotated = Indexed(3, 2);
  rotated->Rotate90();
  ASSERT_EQ(rotated->Width(), 2);
  ASSERT_EQ(rotated->Height(), 3);
  EXPECT_EQ(rotated->GetPixel(1, 0), Index(0, 0));
  EXPECT_EQ(rotated->GetPixel(0, 2), Index(2, 1));

  auto self = Indexed(3, 2);
  self->Rotate90(self.get());
  EXPECT_EQ(Pixels(*self), Pixels(*rotated));

  auto source = Indexed(3, 2);
  TBitmap32 target;
  source->Rotate270(&target);
  EXPECT_EQ(target.GetPixel(0, 2), Index(0, 0));
  source->Rotate180(&target);
  EXPECT_EQ(target.GetPixel(2, 1), Index(0, 0));
  source->FlipHorz(&target);
  EXPECT_EQ(target.GetPixel(2, 0), Index(0, 0));
  source->FlipVert();
  EXPECT_EQ(source->GetPixel(1, 0), Index(1, 1));
}

TEST(Bitmap32Transfer, RollByAWholeWidthClears) {
  auto bitmap = Indexed(3, 2);
  bitmap->Roll(-3, 0, true, 0xFF112233);
  for (TColor32 pixel : Pixels(*bitmap)) EXPECT_EQ(pixel, 0xFF112233u);
}

TEST(Bitmap32Transfer, EqualCompares) {
  TBitmap32 empty1, empty2;
  EXPECT_TRUE(empty1.Equal(&empty2));
  EXPECT_FALSE(empty1.Equal(nullptr));
  auto a = Indexed(3, 2), b = Indexed(3, 2);
  EXPECT_TRUE(a->Equal(b.get()));
  b->SetPixel(2, 1, 0);
  EXPECT_FALSE(a->Equal(b.get()));
  EXPECT_FALSE(a->Equal(&empty1));
}

TEST(Bitmap32Transfer, EqualSizeStretchCopiesAndReportsTheTarget) {
  auto source = Indexed(3, 3);
  auto target = Filled(5, 5, kBack);
  TEventLog log;
  target->OnAreaChanged = log.AreaEvent();
  StretchTransfer(target.get(), TRect{1, 1, 4, 4}, target->BoundsRect(), source.get(), source->BoundsRect(),
                  nullptr /* not used for equal sizes */, dmOpaque);
  EXPECT_EQ(target->GetPixel(1, 1), Index(0, 0));
  EXPECT_EQ(target->GetPixel(3, 3), Index(2, 2));
  EXPECT_EQ(log.lines, (Lines{"area 1,1,4,4 rect"}));
}

TEST(Bitmap32Transfer, StretchChecksItsArguments) {
  auto source = Indexed(3, 3);
  auto target = Filled(5, 5, kBack);
  TEventLog log;
  target->OnAreaChanged = log.AreaEvent();
  try {
    StretchTransfer(target.get(), TRect{0, 0, 5, 5}, target->BoundsRect(), source.get(), TRect{1, 0, 4, 3},
                    source->Resampler(), dmOpaque);
    FAIL();
  } catch (const ESrcInvalidException& e) {
    EXPECT_STREQ(e.what(), "Source rectangle is invalid");
  }
  StretchTransfer(target.get(), TRect{0, 0, 5, 5}, target->BoundsRect(), source.get(), TRect{1, 1, 1, 3},
                  source->Resampler(), dmOpaque);  // empty source rectangle: quietly nothing
  StretchTransfer(target.get(), TRect{0, 0, 5, 5}, TRect{9, 9, 12, 12}, source.get(), source->BoundsRect(),
                  source->Resampler(), dmOpaque);  // clip misses the target
  EXPECT_TRUE(log.lines.empty());
  for (TColor32 pixel : Pixels(*target)) EXPECT_EQ(pixel, kBack);
  try {
    StretchTransfer(nullptr, TRect{}, TRect{}, source.get(), TRect{}, nullptr, dmOpaque);
    FAIL();
  } catch (const EBitmapException& e) {
    EXPECT_STREQ(e.what(), "Destination bitmap is nil");
  }
  EXPECT_THROW(BlockTransfer(target.get(), 0, 0, TRect{}, nullptr, TRect{}, dmOpaque), EBitmapException);
}

TEST(Bitmap32Transfer, NearestStretchColumnMaps) {
  auto source = Indexed(2, 1);
  struct Case {
    int width;
    std::vector<int> columns;
  };
  for (const Case& c : {Case{4, {0, 0, 1, 1}}, Case{1, {0}}, Case{3, {0, 0, 1}}}) {
    auto target = Filled(c.width, 1, kBack);
    target->Draw(target->BoundsRect(), source->BoundsRect(), source.get());
    EXPECT_EQ(Columns(*target), c.columns) << c.width;
  }
  auto wide = Indexed(5, 1);
  auto single = Filled(1, 1, kBack);
  single->Draw(single->BoundsRect(), TRect{1, 0, 5, 1}, wide.get());
  EXPECT_EQ(Columns(*single), (std::vector<int>{2}));  // the middle column (1 + 5 - 1) div 2
}

TEST(Bitmap32Transfer, NearestStretchRowsAndClip) {
  auto source = Indexed(2, 2);
  auto target = Filled(4, 4, kBack);
  target->SetClipRect(TRect{1, 1, 4, 3});
  target->Draw(target->BoundsRect(), source->BoundsRect(), source.get());
  const std::vector<TColor32> expected{kBack, kBack,       kBack,       kBack,       kBack, Index(0, 0), Index(1, 0),
                                       Index(1, 0), kBack, Index(0, 1), Index(1, 1), Index(1, 1), kBack, kBack,
                                       kBack,       kBack};
  EXPECT_EQ(Pixels(*target), expected);
  EXPECT_THROW(NearestStretch(target.get(), target->BoundsRect(), target->BoundsRect(), source.get(),
                              TRect{0, 0, 3, 2}, dmOpaque, {}),
               Exception);
}

TEST(Bitmap32Transfer, OversizedBlockTransferReportsTheUnclippedTarget) {
  auto source = Indexed(2, 2);
  auto target = Filled(4, 4, kBack);
  TEventLog log;
  target->OnAreaChanged = log.AreaEvent();
  BlockTransfer(target.get(), 2, 2, target->ClipRect(), source.get(), TRect{-1, -1, 5, 5}, dmOpaque);
  EXPECT_EQ(log.lines, (Lines{"area 2,2,8,8 rect"}));
  // (-1, -1) is placed at (2, 2), so source pixel (0, 0) lands at (3, 3).
  EXPECT_EQ(target->GetPixel(3, 3), Index(0, 0));
  int written = 0;
  for (TColor32 pixel : Pixels(*target)) written += pixel != kBack;
  EXPECT_EQ(written, 1);
}

TEST(Bitmap32Transfer, DrawModesOfPlacedTransfers) {
  struct Case {
    const char* name;
    TDrawMode mode;
    bool withCallback;
    std::vector<TColor32> expected;
  };
  const TColor32 outer = 0x80102030;
  const std::vector<TColor32> sourcePixels{outer, 0x81102030, 0xFF00FF00};
  struct Inverter {
    void Combine(TColor32 f, TColor32& b, TColor32 m) { b = (~f & 0x00FFFFFF) | (m << 24); }
  } inverter;
  const Case cases[] = {
      {"transparent skips the outer colour only", dmTransparent, false, {kBack, 0x81102030, 0xFF00FF00}},
      {"custom without callback copies", dmCustom, false, sourcePixels},
      {"custom with callback", dmCustom, true, {0x80EFDFCF, 0x80EFDFCF, 0x80FF00FF}},
  };
  for (const Case& c : cases) {
    TBitmap32 source;
    source.SetSize(3, 1);
    for (int x = 0; x < 3; ++x) source.SetPixel(x, 0, sourcePixels[x]);
    source.OuterColor = outer;
    source.SetDrawMode(c.mode);
    source.SetMasterAlpha(0x80);
    if (c.withCallback) source.OnPixelCombine = TPixelCombineEvent(&inverter, &Inverter::Combine);
    auto target = Filled(3, 1, kBack);
    target->Draw(0, 0, &source);
    EXPECT_EQ(Pixels(*target), c.expected) << c.name;
  }
}

TEST(Bitmap32Transfer, BlendedDrawUsesMasterAlphaAndNullSourceIsIgnored) {
  auto source = Filled(1, 1, 0xFFFFFFFF);
  source->SetDrawMode(dmBlend);
  source->SetMasterAlpha(0x40);
  auto target = Filled(1, 1, kBack);
  TEventLog log;
  target->OnAreaChanged = log.AreaEvent();
  target->Draw(0, 0, source.get());
  EXPECT_EQ(target->GetPixel(0, 0), BlendRegEx(0xFFFFFFFF, kBack, 0x40));
  target->Draw(0, 0, nullptr);
  target->Draw(TRect{0, 0, 1, 1}, TRect{0, 0, 1, 1}, static_cast<TBitmap32*>(nullptr));
  EXPECT_EQ(log.lines.size(), 1u);
  source->SetMasterAlpha(0);
  target->Draw(0, 0, source.get());  // nothing to blend: no report
  EXPECT_EQ(log.lines.size(), 1u);
}

TEST(Bitmap32Transfer, BlendTransferCombinesTwoSources) {
  auto front = Filled(2, 2, 0x80FFFFFF);
  auto back = Indexed(3, 3);
  auto target = Filled(4, 4, kBack);
  TEventLog log;
  target->OnAreaChanged = log.AreaEvent();
  BlendTransfer(target.get(), 3, 3, target->BoundsRect(), front.get(), front->BoundsRect(), back.get(),
                TRect{1, 1, 3, 3}, BlendReg);
  EXPECT_EQ(target->GetPixel(3, 3), BlendReg(0x80FFFFFF, Index(1, 1)));
  EXPECT_EQ(target->GetPixel(2, 2), kBack);
  EXPECT_EQ(log.lines, (Lines{"area 3,3,4,4 rect"}));
  BlendTransfer(target.get(), 0, 0, target->BoundsRect(), front.get(), front->BoundsRect(), back.get(),
                back->BoundsRect(), BlendRegEx, 0);
  EXPECT_EQ(target->GetPixel(0, 0), Index(0, 0));
}

TEST(Bitmap32Transfer, SubPixelPlacementBlendsByCoverage) {
  auto source = Filled(2, 3, 0xFFFFFFFF);
  auto target = Filled(5, 6, kBack);
  TEventLog log;
  target->OnAreaChanged = log.AreaEvent();
  // Whole-pixel position: inner pixels are copied, the extra column and row get weight 0;
  // the outer rows and columns are weighed 255 / 256 per edge.
  BlockTransferX(target.get(), 1 << 16, 1 << 16, source.get(), source->BoundsRect(), dmBlend);
  EXPECT_EQ(log.lines, (Lines{"area 1,1,4,5 rect"}));
  const TColor32 full = BlendRegEx(0xFFFFFFFF, kBack, 255);
  EXPECT_EQ(target->GetPixel(2, 2), full);
  EXPECT_EQ(target->GetPixel(1, 1), BlendRegEx(0xFFFFFFFF, kBack, (255 * 255 * 255) >> 16));
  EXPECT_EQ(target->GetPixel(1, 2), BlendRegEx(0xFFFFFFFF, kBack, (255 * 255) >> 8));
  EXPECT_EQ(target->GetPixel(3, 2), kBack);
  EXPECT_EQ(target->GetPixel(2, 4), kBack);
  // Half a pixel to the right: the edge columns are about half covered, the middle one
  // fully, the column beyond not at all.
  auto shifted = Filled(5, 6, kBack);
  BlockTransferX(shifted.get(), 0x8000, 1 << 16, source.get(), source->BoundsRect(), dmBlend);
  EXPECT_EQ(shifted->GetPixel(1, 2), full);
  for (int x : {0, 2}) {
    EXPECT_GT(shifted->GetPixel(x, 2) & 0xFF, 0x70u) << x;
    EXPECT_LT(shifted->GetPixel(x, 2) & 0xFF, 0x90u) << x;
  }
  EXPECT_EQ(shifted->GetPixel(3, 2), kBack);
}

TEST(Bitmap32Transfer, SubPixelPlacementMixesNeighbours) {
  // A black pixel beside a white one, shifted by a quarter pixel: the output pixel over
  // the seam takes a quarter of the black one.
  TBitmap32 source;
  source.SetSize(2, 3);
  source.Clear(0xFFFFFFFF);
  for (int y = 0; y < 3; ++y) source.SetPixel(0, y, kBack);
  auto target = Filled(4, 5, 0xFF808080);
  BlockTransferX(target.get(), 0x4000, 1 << 16, &source, source.BoundsRect(), dmBlend);
  EXPECT_EQ(target->GetPixel(1, 2), CombineReg(kBack, 0xFFFFFFFF, 64));
}

TEST(Bitmap32Transfer, SubPixelPlacementMeasuresInDestinationPixels) {
  auto source = Filled(2, 2, 0xFFFFFFFF);
  auto target = Filled(8, 8, kBack);
  TEventLog log;
  target->BeginMeasuring(log.AreaEvent());
  BlockTransferX(target.get(), (2 << 16) + 0x4000, 3 << 16, source.get(), source->BoundsRect(), dmBlend);
  target->EndMeasuring();
  EXPECT_EQ(log.lines, (Lines{"area 2,3,5,6 rect"}));
  for (TColor32 pixel : Pixels(*target)) ASSERT_EQ(pixel, kBack);
}

TEST(Bitmap32Transfer, MeasuredTransfersReportWithoutDrawing) {
  auto source = Indexed(3, 3);
  auto target = Filled(4, 4, kBack);
  TEventLog log;
  target->BeginMeasuring(log.AreaEvent());
  target->Draw(2, 2, source.get());
  target->Draw(TRect{0, 0, 4, 4}, source->BoundsRect(), source.get());
  target->Draw(TRect{1, 1, 2, 2}, TRect{0, 0, 1, 1}, target->Handle());
  target->EndMeasuring();
  EXPECT_EQ(log.lines, (Lines{"area 2,2,5,5 rect", "area 0,0,4,4 rect", "area 1,1,2,2 rect"}));
  for (TColor32 pixel : Pixels(*target)) ASSERT_EQ(pixel, kBack);
}

TEST(Bitmap32Transfer, TileToDrawsTilesOfAtMost1024) {
  auto source = Filled(2, 2, 0xFF336699);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP surface = CreateCompatibleBitmap(screen, 1500, 100);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, surface);
  TEventLog log;
  source->OnAreaChanged = log.AreaEvent();
  source->TileTo(dc, TRect{0, 0, 1500, 100}, source->BoundsRect());
  EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0x33, 0x66, 0x99));
  EXPECT_EQ(GetPixel(dc, 1023, 99), RGB(0x33, 0x66, 0x99));
  EXPECT_EQ(GetPixel(dc, 1499, 50), RGB(0x33, 0x66, 0x99));
  EXPECT_TRUE(log.lines.empty());
  SelectObject(dc, old);
  DeleteObject(surface);
  DeleteDC(dc);
}

TEST(Bitmap32Transfer, TileToCutsTheTargetIn1024And476) {
  // The tiles are stretched transfers into a temporary bitmap: measure their targets by
  // drawing an indexed source whose columns tell where each tile began.
  auto source = Indexed(150, 1);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP surface = CreateCompatibleBitmap(screen, 1500, 1);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, surface);
  source->TileTo(dc, TRect{0, 0, 1500, 1}, source->BoundsRect());
  // Column 1024 starts the second tile; it must continue the scale, not restart it.
  EXPECT_EQ(GetPixel(dc, 1024, 0) & 0xFF0000, static_cast<COLORREF>(102) << 16);
  EXPECT_EQ(GetPixel(dc, 1499, 0) & 0xFF0000, static_cast<COLORREF>(149) << 16);
  SelectObject(dc, old);
  DeleteObject(surface);
  DeleteDC(dc);
}

TEST(Bitmap32Transfer, CopyPropertiesAndMap) {
  auto source = Indexed(2, 2);
  source->SetDrawMode(dmBlend);
  source->SetCombineMode(cmMerge);
  source->SetWrapMode(wmMirror);
  source->SetMasterAlpha(77);
  source->OuterColor = 0x01020304;
  static_cast<TBitmap32Resampler*>(source->Resampler())->SetPixelAccessMode(pamWrap);
  TBitmap32 copy;
  source->CopyMapTo(&copy);
  source->CopyPropertiesTo(&copy);
  EXPECT_EQ(Pixels(copy), Pixels(*source));
  EXPECT_EQ(copy.DrawMode(), dmBlend);
  EXPECT_EQ(copy.CombineMode(), cmMerge);
  EXPECT_EQ(copy.WrapMode(), wmMirror);
  EXPECT_EQ(copy.MasterAlpha(), 77u);
  EXPECT_EQ(copy.OuterColor, 0x01020304u);
  EXPECT_EQ(static_cast<TBitmap32Resampler*>(copy.Resampler())->PixelAccessMode(), pamWrap);
}

TEST(Bitmap32Resamplers, RegistryAndSampling) {
  ASSERT_NE(ResamplerList, nullptr);
  EXPECT_EQ(ResamplerList->Find("TNearestResampler"), TNearestResampler::StaticClass());
  auto bitmap = Indexed(3, 3);
  auto* resampler = static_cast<TNearestResampler*>(bitmap->Resampler());
  EXPECT_EQ(resampler->Bitmap(), bitmap.get());
  EXPECT_FLOAT_EQ(resampler->GetWidth(), 1.0f);
  EXPECT_TRUE(resampler->HasBounds());
  EXPECT_EQ(resampler->GetSampleBounds(), (TRect{0, 0, 3, 3}));
  bitmap->OuterColor = 0x0BADBEEF;
  struct Case {
    TPixelAccessMode mode;
    int x, y;
    TColor32 expected;
  };
  for (const Case& c : {Case{pamSafe, 5, 0, 0x0BADBEEF}, Case{pamWrap, 4, 0, Index(2, 0)},
                        Case{pamTransparentEdge, 4, 1, Index(2, 1) & 0x00FFFFFF},
                        Case{pamTransparentEdge, 1, 1, Index(1, 1)}, Case{pamUnsafe, 2, 2, Index(2, 2)}}) {
    resampler->SetPixelAccessMode(c.mode);
    resampler->PrepareSampling();
    EXPECT_EQ(resampler->GetSampleInt(c.x, c.y), c.expected) << int(c.mode);
    resampler->FinalizeSampling();
  }
  resampler->SetPixelAccessMode(pamTransparentEdge);
  EXPECT_EQ(resampler->GetSampleBounds(), (TRect{-1, -1, 4, 4}));
  resampler->PrepareSampling();
  EXPECT_EQ(resampler->GetSampleFixed(0x17FFF, 0x8000), Index(1, 0));  // (0x17FFF + 0x7FFF) shr 16 = 1
  EXPECT_EQ(resampler->GetSampleFixed(0x18001, 0x8001), Index(2, 1));
}

TEST(Bitmap32Resamplers, PixelAccessModeNotifiesTheBitmap) {
  // Declared first: the bitmap reports its resize to it when freed.
  TEventLog log;
  auto bitmap = Indexed(2, 2);
  log.Watch(*bitmap);
  auto* resampler = static_cast<TBitmap32Resampler*>(bitmap->Resampler());
  resampler->SetPixelAccessMode(pamSafe);
  EXPECT_TRUE(log.lines.empty());
  resampler->SetPixelAccessMode(pamWrap);
  EXPECT_EQ(log.lines, (Lines{"area 0,0,2,2 rect", "change"}));
}

TEST(Bitmap32Resamplers, AccumulatorBuffer) {
  TBufferEntry entry = EMPTY_ENTRY;
  IncBuffer(entry, 0x04030201);
  IncBuffer(entry, 0x04030201);
  EXPECT_EQ(entry, (TBufferEntry{2, 4, 6, 8}));
  MultiplyBuffer(entry, 64);
  EXPECT_EQ(BufferToColor32(entry, 6), 0x08060402u);
  entry.A = -256;
  ShrBuffer(entry, 4);
  EXPECT_EQ(entry.A, static_cast<int32_t>(0xFFFFFF00u >> 4));
  EXPECT_EQ(BufferToColor32(TBufferEntry{0x1FF, 0, 0, 0}, 0), 0xFFu);
}

}  // namespace
