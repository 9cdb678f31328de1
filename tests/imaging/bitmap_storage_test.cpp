#include <gtest/gtest.h>

#include <thread>

#include "bitmap_fixtures.h"
#include "classlib/runtime/Exceptions.h"
#include "imaging/Bitmap32_Resamplers.h"

using namespace imaging;
using bitmaptest::TEventLog;

namespace {

// The library's rectangle, not the class library's.
using imaging::TRect;

using Lines = std::vector<std::string>;

TEST(Bitmap32Storage, NewBitmapIsEmptyWithDefaults) {
  TBitmap32 bitmap;
  EXPECT_TRUE(bitmap.Empty());
  EXPECT_EQ(bitmap.Bits(), nullptr);
  EXPECT_EQ(bitmap.Handle(), nullptr);
  EXPECT_EQ(bitmap.MasterAlpha(), 255u);
  EXPECT_EQ(bitmap.PenColor, 0xFFFFFFFFu);
  EXPECT_EQ(bitmap.CombineMode(), cmBlend);
  EXPECT_EQ(bitmap.DrawMode(), dmOpaque);
  EXPECT_EQ(bitmap.WrapMode(), wmClamp);
  EXPECT_EQ(bitmap.OuterColor, 0u);
  EXPECT_EQ(bitmap.ResamplerClassName(), "TNearestResampler");
}

TEST(Bitmap32Storage, RowsAreTopDownWithoutPadding) {
  TBitmap32 bitmap;
  ASSERT_TRUE(bitmap.SetSize(3, 2));
  ASSERT_NE(bitmap.Bits(), nullptr);
  EXPECT_EQ(reinterpret_cast<uint8_t*>(bitmap.GetScanLine(1)) - reinterpret_cast<uint8_t*>(bitmap.GetScanLine(0)), 12);
  EXPECT_EQ(bitmap.BitmapInfo().bmiHeader.biHeight, -2);
  DIBSECTION section{};
  ASSERT_NE(GetObject(bitmap.BitmapHandle(), sizeof(section), &section), 0);
  EXPECT_EQ(section.dsBm.bmBits, bitmap.Bits());
  EXPECT_EQ(section.dsBm.bmBitsPixel, 32);
  EXPECT_EQ(GetCurrentObject(bitmap.Handle(), OBJ_BITMAP), bitmap.BitmapHandle());
}

TEST(Bitmap32Storage, GdiDrawingOnTheContextReachesThePixels) {
  TBitmap32 bitmap;
  bitmap.SetSize(8, 4);
  bitmap.Clear(0xFF000000);
  HBRUSH brush = CreateSolidBrush(RGB(10, 20, 30));
  const RECT area{2, 1, 5, 3};
  ::FillRect(bitmap.Handle(), &area, brush);
  DeleteObject(brush);
  GdiFlush();
  EXPECT_EQ(bitmap.GetPixel(2, 1) & 0xFFFFFF, 0x0A141Eu);
  EXPECT_EQ(bitmap.GetPixel(4, 2) & 0xFFFFFF, 0x0A141Eu);
  EXPECT_EQ(bitmap.GetPixel(5, 2) & 0xFFFFFF, 0u);
}

TEST(Bitmap32Storage, SetWidthZeroNotifiesAreaChangeThenResizeInOrder) {
  // Declared first: the bitmap reports its resize to it when freed.
  TEventLog log;
  TBitmap32 bitmap;
  bitmap.SetSize(4, 4);
  log.Watch(bitmap);
  EXPECT_TRUE(bitmap.SetWidth(0));
  EXPECT_EQ(log.lines, (Lines{"area 0,0,0,4 rect", "change", "resize"}));
  EXPECT_TRUE(bitmap.Empty());
}

TEST(Bitmap32Storage, SameSizeAndNegativeSizes) {
  // Declared first: the bitmap reports its resize to it when freed.
  TEventLog log;
  TBitmap32 bitmap;
  bitmap.SetSize(4, 4);
  log.Watch(bitmap);
  EXPECT_FALSE(bitmap.SetSize(4, 4));
  EXPECT_TRUE(log.lines.empty());
  EXPECT_TRUE(bitmap.SetSize(-5, 10));
  EXPECT_EQ(bitmap.Width(), 0);
  EXPECT_EQ(bitmap.Height(), 10);
  EXPECT_TRUE(bitmap.Empty());
  EXPECT_EQ(bitmap.Bits(), nullptr);
}

TEST(Bitmap32Storage, UpdateHoldsBackNotificationsAndEndUpdateFiresNothing) {
  // Declared first: the bitmap reports its resize to it when freed.
  TEventLog log;
  TBitmap32 bitmap;
  bitmap.SetSize(4, 4);
  log.Watch(bitmap);
  bitmap.BeginUpdate();
  bitmap.FillRectS(0, 0, 2, 2, 0xFFFFFFFF);
  bitmap.Clear(0xFF00FF00);
  bitmap.EndUpdate();
  EXPECT_TRUE(log.lines.empty());
  EXPECT_EQ(bitmap.GetPixel(1, 1), 0xFF00FF00u);
  EXPECT_THROW(bitmap.EndUpdate(), EAssertionFailed);
  EXPECT_EQ(bitmap.UpdateCount(), 0);
}

TEST(Bitmap32Storage, MeasuringReportsWithoutDrawing) {
  // Declared first: the bitmap reports its resize to it when freed.
  TEventLog normal, measured;
  TBitmap32 bitmap;
  bitmap.SetSize(10, 10);
  bitmap.Clear(0xFF000000);
  normal.Watch(bitmap);
  bitmap.BeginUpdate();  // measuring reports whatever the update count
  bitmap.BeginMeasuring(measured.AreaEvent());
  bitmap.FillRectS(1, 2, 5, 6, 0xFFFFFFFF);
  bitmap.Clear(0xFFFFFFFF);
  bitmap.EndMeasuring();
  bitmap.EndUpdate();
  EXPECT_EQ(measured.lines, (Lines{"area 1,2,5,6 rect", "area 0,0,10,10 rect"}));
  EXPECT_TRUE(normal.lines.empty());
  for (TColor32 pixel : bitmaptest::Pixels(bitmap)) ASSERT_EQ(pixel, 0xFF000000u);
  bitmap.FillRectS(0, 0, 1, 1, 0xFFFFFFFF);
  EXPECT_EQ(normal.lines, (Lines{"area 0,0,1,1 rect", "change", "area 0,0,1,1 rect", "change"}));
}

TEST(Bitmap32Storage, ClipRectangleIsKeptInsideTheBounds) {
  TBitmap32 bitmap;
  bitmap.SetSize(10, 10);
  EXPECT_FALSE(bitmap.Clipping());
  bitmap.SetClipRect(TRect{-5, -5, 5, 5});
  EXPECT_EQ(bitmap.ClipRect(), (TRect{0, 0, 5, 5}));
  EXPECT_EQ(bitmap.FixedClipRect(), (TFixedRect{0, 0, 5 * 65536, 5 * 65536}));
  EXPECT_TRUE(bitmap.Clipping());
  bitmap.SetClipRect(TRect{20, 20, 30, 30});
  EXPECT_EQ(bitmap.ClipRect(), (TRect{0, 0, 0, 0}));
  bitmap.SetSize(3, 3);
  EXPECT_EQ(bitmap.ClipRect(), (TRect{0, 0, 3, 3}));
  EXPECT_FALSE(bitmap.Clipping());
}

TEST(Bitmap32Storage, FailedStorageLeavesAnEmptyBitmapWithAnEmptyClip) {
  // Declared first: the bitmap reports its resize to it when freed.
  TEventLog log;
  TBitmap32 bitmap;
  bitmap.SetSize(10, 10);
  int handleChanges = 0;
  struct Counter {
    int* count;
    void Changed(TObject*) { ++*count; }
  } counter{&handleChanges};
  bitmap.OnHandleChanged = TNotifyEvent(&counter, &Counter::Changed);
  log.Watch(bitmap);
  try {
    bitmap.SetSize(60000, 60000);
    FAIL() << "a 13 GB bitmap was made";
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "Can't allocate the DIB handle");
  }
  EXPECT_EQ(handleChanges, 1);
  EXPECT_TRUE(log.lines.empty());
  EXPECT_EQ(bitmap.Width(), 0);
  EXPECT_EQ(bitmap.Height(), 0);
  EXPECT_EQ(bitmap.ClipRect(), (TRect{0, 0, 0, 0}));
  bitmap.FillRectS(0, 0, 10, 10, 0xFFFFFFFF);  // must not touch the released memory
  bitmap.SetPixelS(0, 0, 0xFFFFFFFF);
  EXPECT_EQ(bitmap.GetPixelS(0, 0), bitmap.OuterColor);
}

TEST(Bitmap32Storage, PropertySettersNotifyOnlyOnChange) {
  // Declared first: the bitmap reports its resize to it when freed.
  TEventLog log;
  TBitmap32 bitmap;
  bitmap.SetSize(2, 2);
  log.Watch(bitmap);
  bitmap.SetMasterAlpha(255);
  bitmap.SetDrawMode(dmOpaque);
  EXPECT_TRUE(log.lines.empty());
  bitmap.SetDrawMode(dmBlend);
  bitmap.SetWrapMode(wmMirror);
  EXPECT_EQ(log.lines, (Lines{"area 0,0,2,2 rect", "change", "area 0,0,2,2 rect", "change"}));
}

TEST(Bitmap32Storage, ResamplerClassNameResolvesRegisteredClassesOnly) {
  // Declared first: the bitmap reports its resize to it when freed.
  TEventLog log;
  TBitmap32 bitmap;
  bitmap.SetSize(2, 2);
  TCustomResampler* original = bitmap.Resampler();
  log.Watch(bitmap);
  for (const char* name : {"TNearestResampler", "TNoSuchResampler", "tnearestresampler", ""}) {
    bitmap.SetResamplerClassName(name);
    EXPECT_EQ(bitmap.Resampler(), original) << name;
  }
  EXPECT_TRUE(log.lines.empty());
  auto* replacement = new TNearestResampler(&bitmap);
  EXPECT_EQ(bitmap.Resampler(), replacement);
  EXPECT_EQ(log.lines, (Lines{"area 0,0,2,2 rect", "change"}));
}

TEST(Bitmap32Storage, BitmapMadeAndFilledOnAnotherThread) {
  std::unique_ptr<TBitmap32> made;
  std::thread worker([&made] {
    made = std::make_unique<TBitmap32>();
    made->SetSize(16, 9);
    made->Clear(0xFF123456);
    made->FillRectS(2, 2, 4, 4, 0xFF00FF00);
    made->Font()->SetColor(clWhite);
    made->Textout(8, 0, "x");  // the font is made and selected on this thread
  });
  worker.join();
  ASSERT_FALSE(made->Empty());
  EXPECT_EQ(made->GetPixel(0, 0), 0xFF123456u);
  EXPECT_EQ(made->GetPixel(3, 3), 0xFF00FF00u);
  made.reset();  // freed on another thread than the one that made it
}

TEST(Bitmap32Storage, LockIsCountedAndExcludesOtherThreads) {
  TBitmap32 bitmap;
  bitmap.Lock();
  bitmap.Lock();
  EXPECT_EQ(bitmap.LockCount(), 2);
  bool entered = true;
  std::thread other([&] { entered = bitmap.LockObject().TryEnter(); });
  other.join();
  EXPECT_FALSE(entered);
  bitmap.Unlock();
  bitmap.Unlock();
  EXPECT_EQ(bitmap.LockCount(), 0);
}

TEST(Bitmap32Storage, DestructionFiresOnlyResize) {
  TEventLog log;
  {
    TBitmap32 bitmap;
    bitmap.SetSize(3, 3);
    log.Watch(bitmap);
  }
  EXPECT_EQ(log.lines, (Lines{"resize"}));
}

}  // namespace
