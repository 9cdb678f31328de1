// Fonts, pens and brushes: defaults, handles kept until a change, one OnChange per
// change, and fonts made, used and freed on several threads at once.
#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

#include "classlib/graphics/Graphics.h"
#include "test_support.h"

namespace {

struct ChangeCounter : TObject {
  int count = 0;
  int heightSeen = 0;
  TFont* font = nullptr;
  void Changed(TObject*) {
    ++count;
    if (font != nullptr) heightSeen = font->Height();
  }
};

TEST(Font, DefaultFontIsFixed) {
  TFont font;
  EXPECT_EQ(font.Name(), "MS Sans Serif");
  EXPECT_EQ(font.Height(), -11);
  EXPECT_EQ(font.Color(), clWindowText);
  EXPECT_TRUE(font.Style().Empty());
  EXPECT_EQ(font.Charset(), DEFAULT_CHARSET);
  EXPECT_EQ(font.Pitch(), fpDefault);
}

TEST(Font, HandleIsKeptBetweenReadsAndRemadeAfterAChange) {
  TFont font;
  EXPECT_FALSE(font.HandleAllocated());
  HFONT first = font.Handle();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(font.Handle(), first);
  LOGFONTA description{};
  font.SetHeight(-20);
  EXPECT_FALSE(font.HandleAllocated());
  HFONT second = font.Handle();
  ASSERT_EQ(GetObjectA(second, sizeof(description), &description), static_cast<int>(sizeof(description)));
  EXPECT_EQ(description.lfHeight, -20);
  EXPECT_EQ(std::string(description.lfFaceName), "MS Sans Serif");
}

TEST(Font, ChangeFiresOnChangeOnceWithTheNewValue) {
  TFont font;
  ChangeCounter counter;
  counter.font = &font;
  font.OnChange = TNotifyEvent(&counter, &ChangeCounter::Changed);
  font.SetHeight(-15);
  EXPECT_EQ(counter.count, 1);
  EXPECT_EQ(counter.heightSeen, -15);
  font.SetHeight(-15);  // unchanged: no event
  EXPECT_EQ(counter.count, 1);
  font.SetStyle({fsBold, fsItalic});
  EXPECT_EQ(counter.count, 2);
  TFont other;
  other.SetName("Arial");
  font.Assign(&other);  // everything at once: one event
  EXPECT_EQ(counter.count, 3);
  EXPECT_EQ(font.Name(), "Arial");
  EXPECT_TRUE(font.Style().Empty());
}

TEST(Font, SizeFollowsHeightAtScreenResolution) {
  TFont font;
  font.SetSize(12);
  EXPECT_EQ(font.Height(), -MulDiv(12, font.PixelsPerInch(), 72));
  EXPECT_EQ(font.Size(), 12);
}

TEST(Font, AdoptedHandleGivesItsProperties) {
  LOGFONTA description{};
  description.lfHeight = -17;
  description.lfWeight = FW_BOLD;
  description.lfUnderline = TRUE;
  strcpy(description.lfFaceName, "Courier New");
  TFont font;
  font.SetHandle(CreateFontIndirectA(&description));
  EXPECT_EQ(font.Height(), -17);
  EXPECT_EQ(font.Name(), "Courier New");
  EXPECT_TRUE(font.Style().Contains(fsBold));
  EXPECT_TRUE(font.Style().Contains(fsUnderline));
  EXPECT_FALSE(font.Style().Contains(fsItalic));
}

TEST(PenAndBrush, ChangesFireOnceAndRemakeTheHandle) {
  TPen pen;
  ChangeCounter counter;
  pen.OnChange = TNotifyEvent(&counter, &ChangeCounter::Changed);
  HPEN first = pen.Handle();
  EXPECT_EQ(pen.Handle(), first);
  pen.SetColor(clRed);
  pen.SetWidth(3);
  pen.SetMode(pmXor);
  EXPECT_EQ(counter.count, 3);
  LOGPEN description{};
  GetObjectA(pen.Handle(), sizeof(description), &description);
  EXPECT_EQ(description.lopnColor, static_cast<COLORREF>(clRed));
  EXPECT_EQ(description.lopnWidth.x, 3);
  EXPECT_EQ(pen.Rop2(), R2_XORPEN);

  TBrush brush;
  brush.OnChange = TNotifyEvent(&counter, &ChangeCounter::Changed);
  brush.SetStyle(bsClear);
  EXPECT_EQ(counter.count, 4);
  LOGBRUSH brushInfo{};
  GetObjectA(brush.Handle(), sizeof(brushInfo), &brushInfo);
  EXPECT_EQ(brushInfo.lbStyle, static_cast<UINT>(BS_HOLLOW));
  brush.SetColor(clBlue);  // a colour makes a clear brush solid again
  EXPECT_EQ(brush.Style(), bsSolid);
  EXPECT_EQ(counter.count, 5);
}

TEST(PenAndBrush, PatternBitmapBrushPaintsThePattern) {
  TBitmap pattern;
  pattern.SetSize(8, 8);
  pattern.Canvas()->Brush()->SetColor(clRed);
  pattern.Canvas()->FillRect(Rect(0, 0, 8, 8));
  pattern.Canvas()->SetPixels(0, 0, clBlue);
  TBitmap target;
  target.SetSize(16, 16);
  target.Canvas()->Brush()->SetBitmap(&pattern);
  target.Canvas()->FillRect(Rect(0, 0, 16, 16));
  EXPECT_EQ(target.Canvas()->Pixels(0, 0), clBlue);
  EXPECT_EQ(target.Canvas()->Pixels(8, 8), clBlue);
  EXPECT_EQ(target.Canvas()->Pixels(3, 5), clRed);
  target.Canvas()->Brush()->SetBitmap(nullptr);
}

// ---- fonts on several threads while the window thread paints ----

std::mutex handlesLock;
std::vector<HGDIOBJ> handlesSeen;

void Remember(HGDIOBJ handle) {
  std::lock_guard guard(handlesLock);
  handlesSeen.push_back(handle);
}

LRESULT CALLBACK PaintingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
  static int round = 0;
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  {
    TCanvas canvas;
    canvas.SetHandle(dc);
    canvas.Font()->SetHeight(-(8 + round++ % 20));
    Remember(canvas.Font()->Handle());
    canvas.TextOut(0, 0, "window thread");
    canvas.SetHandle(nullptr);
  }
  EndPaint(window, &paint);
  return 0;
}

TEST(FontThreads, WorkersMakeDrawAndFreeFontsWhileTheWindowPaints) {
  handlesSeen.clear();
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = PaintingWindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "GraphicsFontThreadsWindow";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(0, windowClass.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 40, nullptr,
                                nullptr, windowClass.hInstance, nullptr);
  ASSERT_NE(window, nullptr);

  constexpr int kWorkers = 4;
  constexpr int kRounds = 1000;
  std::atomic<int> finished{0};
  std::atomic<int> failures{0};
  std::vector<std::thread> workers;
  for (int w = 0; w < kWorkers; ++w) {
    workers.emplace_back([&, w] {
      try {
        TBitmap bitmap;
        bitmap.SetSize(64, 20);
        for (int i = 0; i < kRounds; ++i) {
          auto* font = new TFont;
          font->SetHeight(-(6 + (i + w) % 30));
          if (i % 2 == 0) font->SetStyle({fsBold});
          Remember(font->Handle());
          bitmap.Canvas()->Lock();
          bitmap.Canvas()->Font()->Assign(font);
          Remember(bitmap.Canvas()->Font()->Handle());
          bitmap.Canvas()->TextOut(0, 0, "worker");
          if (bitmap.Canvas()->TextHeight("Xg") <= 0) ++failures;
          bitmap.Canvas()->Unlock();
          delete font;
        }
      } catch (...) {
        ++failures;
      }
      ++finished;
    });
  }
  while (finished.load() < kWorkers) {
    InvalidateRect(window, nullptr, FALSE);
    testsupport::PumpMessages(5);
  }
  for (std::thread& worker : workers) worker.join();
  DestroyWindow(window);
  UnregisterClassA(windowClass.lpszClassName, windowClass.hInstance);

  EXPECT_EQ(failures.load(), 0);
  EXPECT_GE(handlesSeen.size(), static_cast<size_t>(kWorkers * kRounds * 2));
  int alive = 0;
  for (HGDIOBJ handle : handlesSeen) alive += GetObjectType(handle) != 0;
  EXPECT_EQ(alive, 0) << "font handles left over";
}

}  // namespace
