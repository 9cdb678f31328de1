// Canvas drawing checked pixel by pixel on 32-bit bitmaps (RGB only: GDI drops alpha).
#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <string>
#include <functional>
#include <thread>
#include <vector>

#include "classlib/graphics/Graphics.h"

namespace {

constexpr TColor kBack = 0x102030;

// The RGB value of one pixel, read straight from the bits.
TColor PixelAt(TBitmap& bitmap, int x, int y) {
  const auto* p = static_cast<const uint8_t*>(bitmap.ScanLine(y)) + x * 4;
  return RGB(p[2], p[1], p[0]);
}

void Fill(TBitmap& bitmap, TColor color) {
  bitmap.Canvas()->Brush()->SetColor(color);
  bitmap.Canvas()->FillRect(Rect(0, 0, bitmap.Width(), bitmap.Height()));
}

struct PixelCase {
  const char* name;
  std::function<void(TBitmap&)> draw;
  std::vector<std::array<int, 3>> expect;  // x, y, colour
};

class CanvasPixels : public testing::TestWithParam<PixelCase> {};

TEST_P(CanvasPixels, DrawsExactly) {
  TBitmap bitmap;
  bitmap.SetSize(20, 20);
  Fill(bitmap, kBack);
  GetParam().draw(bitmap);
  for (const auto& [x, y, color] : GetParam().expect) {
    EXPECT_EQ(PixelAt(bitmap, x, y), color) << GetParam().name << " at " << x << "," << y;
  }
}

const PixelCase kPixelCases[] = {
    {"fill",
     [](TBitmap& b) {
       b.Canvas()->Brush()->SetColor(clRed);
       b.Canvas()->FillRect(Rect(2, 2, 5, 5));
     },
     {{2, 2, clRed}, {4, 4, clRed}, {5, 5, kBack}, {1, 2, kBack}}},
    {"clear brush fills nothing",
     [](TBitmap& b) {
       b.Canvas()->Brush()->SetStyle(bsClear);
       b.Canvas()->FillRect(Rect(2, 2, 5, 5));
     },
     {{3, 3, kBack}}},
    {"frame",
     [](TBitmap& b) {
       b.Canvas()->Brush()->SetColor(clLime);
       b.Canvas()->FrameRect(Rect(2, 2, 8, 8));
     },
     {{2, 2, clLime}, {7, 7, clLime}, {2, 7, clLime}, {4, 4, kBack}, {8, 8, kBack}}},
    {"rectangle with pen and brush",
     [](TBitmap& b) {
       b.Canvas()->Pen()->SetColor(clBlue);
       b.Canvas()->Brush()->SetColor(clYellow);
       b.Canvas()->Rectangle(2, 2, 8, 8);
     },
     {{2, 2, clBlue}, {7, 5, clBlue}, {4, 4, clYellow}, {8, 8, kBack}}},
    {"line excludes its end",
     [](TBitmap& b) {
       b.Canvas()->Pen()->SetColor(clWhite);
       b.Canvas()->MoveTo(1, 10);
       b.Canvas()->LineTo(6, 10);
     },
     {{1, 10, clWhite}, {5, 10, clWhite}, {6, 10, kBack}}},
    {"xor pen twice restores",
     [](TBitmap& b) {
       b.Canvas()->Pen()->SetColor(clWhite);
       b.Canvas()->Pen()->SetMode(pmXor);
       for (int i = 0; i < 2; ++i) {
         b.Canvas()->MoveTo(0, 3);
         b.Canvas()->LineTo(10, 3);
       }
     },
     {{4, 3, kBack}}},
    {"not pen inverts",
     [](TBitmap& b) {
       b.Canvas()->Pen()->SetMode(pmNot);
       b.Canvas()->MoveTo(0, 3);
       b.Canvas()->LineTo(10, 3);
     },
     {{4, 3, 0xFFFFFF ^ kBack}}},
    {"polygon",
     [](TBitmap& b) {
       b.Canvas()->Pen()->SetColor(clRed);
       b.Canvas()->Brush()->SetColor(clBlue);
       std::array<TPoint, 4> square{Point(2, 2), Point(12, 2), Point(12, 12), Point(2, 12)};
       b.Canvas()->Polygon(square);
     },
     {{2, 2, clRed}, {7, 7, clBlue}, {14, 14, kBack}}},
    {"ellipse",
     [](TBitmap& b) {
       b.Canvas()->Pen()->SetColor(clRed);
       b.Canvas()->Brush()->SetColor(clAqua);
       b.Canvas()->Ellipse(0, 0, 20, 20);
     },
     {{10, 10, clAqua}, {0, 0, kBack}, {19, 19, kBack}, {10, 0, clRed}}},
    {"pixels",
     [](TBitmap& b) { b.Canvas()->SetPixels(3, 4, clFuchsia); },
     {{3, 4, clFuchsia}, {4, 4, kBack}}},
    {"focus rectangle twice restores",
     [](TBitmap& b) {
       b.Canvas()->DrawFocusRect(Rect(2, 2, 12, 12));
       b.Canvas()->DrawFocusRect(Rect(2, 2, 12, 12));
     },
     {{2, 2, kBack}, {3, 2, kBack}, {11, 11, kBack}, {2, 5, kBack}}},
};

INSTANTIATE_TEST_SUITE_P(Table, CanvasPixels, testing::ValuesIn(kPixelCases),
                         [](const testing::TestParamInfo<PixelCase>& info) {
                           std::string name;
                           for (const char* c = info.param.name; *c != '\0'; ++c) {
                             if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
                           }
                           return name;
                         });

TEST(Canvas, FocusRectangleOnceChangesPixels) {
  TBitmap bitmap;
  bitmap.SetSize(20, 20);
  Fill(bitmap, kBack);
  bitmap.Canvas()->DrawFocusRect(Rect(2, 2, 12, 12));
  int changed = 0;
  for (int x = 2; x < 12; ++x) changed += PixelAt(bitmap, x, 2) != kBack;
  EXPECT_GE(changed, 4);
}

TEST(Canvas, ClearBrushTextKeepsBackgroundOpaqueFillsIt) {
  for (bool clear : {true, false}) {
    TBitmap bitmap;
    bitmap.SetSize(60, 20);
    Fill(bitmap, kBack);
    TCanvas* canvas = bitmap.Canvas();
    canvas->Font()->SetColor(clWhite);
    canvas->Brush()->SetColor(clRed);
    if (clear) canvas->Brush()->SetStyle(bsClear);
    canvas->TextOut(0, 0, "Wide");
    int back = 0;
    int red = 0;
    int white = 0;
    SIZE extent = canvas->TextExtent("Wide");
    for (int y = 0; y < extent.cy; ++y) {
      for (int x = 0; x < extent.cx; ++x) {
        TColor c = PixelAt(bitmap, x, y);
        back += c == kBack;
        red += c == clRed;
        white += c == clWhite;
      }
    }
    EXPECT_GT(white, 0) << "clear=" << clear;
    if (clear) {
      EXPECT_EQ(red, 0);
      EXPECT_GT(back, 0);
    } else {
      EXPECT_EQ(back, 0);
      EXPECT_GT(red, 0);
    }
  }
}

TEST(Canvas, TextRectClipsToItsRectangle) {
  TBitmap bitmap;
  bitmap.SetSize(80, 30);
  Fill(bitmap, kBack);
  TCanvas* canvas = bitmap.Canvas();
  canvas->Font()->SetColor(clWhite);
  canvas->Font()->SetHeight(-20);
  canvas->Brush()->SetStyle(bsClear);
  canvas->TextRect(Rect(0, 0, 12, 30), 0, 0, "MMMMMM");
  int inside = 0;
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 80; ++x) {
      if (PixelAt(bitmap, x, y) == kBack) continue;
      EXPECT_LT(x, 12) << "text outside its rectangle at " << x << "," << y;
      ++inside;
    }
  }
  EXPECT_GT(inside, 0);
}

TEST(Canvas, CopyRectAtDoubleSizeReplicatesPixels) {
  TBitmap source;
  source.SetSize(4, 4);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) source.Canvas()->SetPixels(x, y, RGB(x * 60, y * 60, 99));
  }
  TBitmap target;
  target.SetSize(8, 8);
  target.Canvas()->CopyRect(Rect(0, 0, 8, 8), source.Canvas(), Rect(0, 0, 4, 4));
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      EXPECT_EQ(PixelAt(target, x, y), RGB((x / 2) * 60, (y / 2) * 60, 99)) << x << "," << y;
    }
  }
}

TEST(Canvas, TransparentDrawLeavesKeyPixelsUntouched) {
  for (bool automatic : {true, false}) {
    TBitmap picture;
    picture.SetSize(6, 6);
    Fill(picture, clFuchsia);  // the lower-left pixel is the automatic key
    picture.Canvas()->SetPixels(2, 2, clBlue);
    picture.Canvas()->SetPixels(3, 3, clGreen);
    if (automatic) picture.SetTransparentMode(tmAuto);
    else picture.SetTransparentColor(clFuchsia);
    picture.SetTransparent(true);
    TBitmap target;
    target.SetSize(10, 10);
    Fill(target, kBack);
    target.Canvas()->Draw(2, 2, &picture);
    EXPECT_EQ(PixelAt(target, 4, 4), clBlue);
    EXPECT_EQ(PixelAt(target, 5, 5), clGreen);
    for (auto [x, y] : {std::pair{2, 2}, {7, 7}, {3, 6}, {0, 0}}) {
      EXPECT_EQ(PixelAt(target, x, y), kBack) << "auto=" << automatic << " at " << x << "," << y;
    }
  }
}

TEST(Canvas, OpaqueDrawCopiesEveryPixel) {
  TBitmap picture;
  picture.SetSize(3, 3);
  Fill(picture, clFuchsia);
  TBitmap target;
  target.SetSize(5, 5);
  Fill(target, kBack);
  target.Canvas()->Draw(1, 1, &picture);
  EXPECT_EQ(PixelAt(target, 1, 1), clFuchsia);
  EXPECT_EQ(PixelAt(target, 3, 3), clFuchsia);
  EXPECT_EQ(PixelAt(target, 4, 4), kBack);
}

TEST(Canvas, AttachesToForeignContextAndRestoresItsObjects) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP surface = CreateCompatibleBitmap(screen, 10, 10);
  ReleaseDC(nullptr, screen);
  HGDIOBJ oldBitmap = SelectObject(dc, surface);
  HGDIOBJ originalFont = GetCurrentObject(dc, OBJ_FONT);
  HGDIOBJ originalPen = GetCurrentObject(dc, OBJ_PEN);
  {
    TCanvas canvas;
    canvas.SetHandle(dc);
    canvas.Pen()->SetColor(clRed);
    canvas.MoveTo(0, 0);
    canvas.LineTo(5, 0);
    canvas.TextExtent("x");
    EXPECT_NE(GetCurrentObject(dc, OBJ_FONT), originalFont);
    EXPECT_EQ(canvas.Pixels(2, 0), clRed);
    canvas.SetHandle(nullptr);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), originalFont);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), originalPen);
  }
  // The context is still the caller's and still works.
  EXPECT_NE(GetObjectType(dc), 0u);
  SelectObject(dc, oldBitmap);
  DeleteObject(surface);
  DeleteDC(dc);
}

TEST(Canvas, ChangingTheSelectedFontPutsTheNewOneIn) {
  TBitmap bitmap;
  bitmap.SetSize(10, 10);
  TCanvas* canvas = bitmap.Canvas();
  canvas->Font()->SetHeight(-10);
  int small = canvas->TextHeight("Xg");
  canvas->Font()->SetHeight(-30);
  int large = canvas->TextHeight("Xg");
  EXPECT_GT(large, small + 10);
  EXPECT_EQ(GetCurrentObject(canvas->Handle(), OBJ_FONT), canvas->Font()->Handle());
}

TEST(Canvas, WithoutContextRaises) {
  TCanvas canvas;
  EXPECT_THROW(canvas.FillRect(Rect(0, 0, 1, 1)), EInvalidOperation);
}

TEST(Canvas, DrawingFiresChangingThenChange) {
  struct Recorder : TObject {
    std::vector<char> calls;
    void Changing(TObject*) { calls.push_back('<'); }
    void Change(TObject*) { calls.push_back('>'); }
  } recorder;
  TBitmap bitmap;
  bitmap.SetSize(4, 4);
  TCanvas* canvas = bitmap.Canvas();
  canvas->OnChanging = TNotifyEvent(&recorder, &Recorder::Changing);
  canvas->OnChange = TNotifyEvent(&recorder, &Recorder::Change);
  canvas->FillRect(Rect(0, 0, 2, 2));
  EXPECT_EQ(recorder.calls, (std::vector<char>{'<', '>'}));
}

TEST(Canvas, LockIsPerCanvasAndCounts) {
  TCanvas first;
  TCanvas second;
  first.Lock();
  EXPECT_EQ(first.LockCount(), 1);
  bool otherFree = false;
  bool firstFree = true;
  std::thread([&] {
    otherFree = second.TryLock();
    if (otherFree) second.Unlock();
    firstFree = first.TryLock();
    if (firstFree) first.Unlock();
  }).join();
  EXPECT_FALSE(firstFree);
  EXPECT_TRUE(otherFree);
  first.Unlock();
  EXPECT_EQ(first.LockCount(), 0);
}

TEST(ControlCanvas, DrawsOnAWindowAndReleasesItsContext) {
  HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  {
    TControlCanvas canvas;
    canvas.SetWindow(window);
    EXPECT_FALSE(canvas.HandleAllocated());
    canvas.FillRect(Rect(0, 0, 10, 10));  // takes the context on first use
    EXPECT_TRUE(canvas.HandleAllocated());
    HDC dc = canvas.Handle();
    EXPECT_EQ(WindowFromDC(dc), window);
    canvas.FreeHandle();
    EXPECT_FALSE(canvas.HandleAllocated());
    canvas.SetWindow(window, true);  // the whole window, frame included
    canvas.FillRect(Rect(0, 0, 10, 10));
    EXPECT_EQ(WindowFromDC(canvas.Handle()), window);
    canvas.SetWindow(nullptr);
    EXPECT_FALSE(canvas.HandleAllocated());
    EXPECT_THROW(canvas.FillRect(Rect(0, 0, 1, 1)), EInvalidOperation);
  }
  DestroyWindow(window);
}

}  // namespace
