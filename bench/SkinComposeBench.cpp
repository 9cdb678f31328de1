// Times the skin drawing toolbox against the system calls it is built on: composing a
// nine-part face (edges tiled, then edges stretched) against one StretchBlt of the same
// size, and the skin region of a masked frame against ExtCreateRegion alone from the same
// run data. Prints each ratio (toolbox time / plain call time; the best of several runs).
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "classlib/graphics/Bitmap.h"
#include "skin/data/Sputils.h"

namespace {

constexpr int kWidth = 892;
constexpr int kHeight = 573;

// The best time in microseconds of `runs` runs of `work`.
double Best(int runs, const std::function<void()>& work) {
  double best = 1e300;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
    best = std::min(best, spent.count());
  }
  return best;
}

// A 120 x 90 look with 20-pixel borders and a patterned face.
void MakeLook(TBitmap& picture) {
  picture.SetSize(120, 90);
  for (int y = 0; y < 90; ++y) {
    auto* row = static_cast<uint8_t*>(picture.ScanLine(y));
    for (int x = 0; x < 120; ++x) {
      row[4 * x] = static_cast<uint8_t>(x * 2);
      row[4 * x + 1] = static_cast<uint8_t>(y * 2);
      row[4 * x + 2] = static_cast<uint8_t>(x ^ y);
    }
  }
}

// The same look as a mask: black inside, the outer three pixels of each corner white.
void MakeMask(TBitmap& mask) {
  mask.SetSize(120, 90);
  mask.Canvas()->Brush()->SetColor(clBlack);
  mask.Canvas()->FillRect(Rect(0, 0, 120, 90));
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3 - i; ++j) {
      for (TPoint p : {Point(i, j), Point(119 - i, j), Point(i, 89 - j), Point(119 - i, 89 - j)}) {
        mask.Canvas()->SetPixels(p.X, p.Y, clWhite);
      }
    }
  }
}

struct TGeometry {
  TPoint LT = Point(30, 25), RT = Point(90, 25), LB = Point(30, 65), RB = Point(90, 65);
  TRect CR = Rect(20, 20, 100, 70);
  TPoint NLT = Point(30, 25), NRT = Point(kWidth - 30, 25), NLB = Point(30, kHeight - 25),
         NRB = Point(kWidth - 30, kHeight - 25);
  TRect NCR = Rect(20, 20, kWidth - 20, kHeight - 20);
};

}  // namespace

int main() {
  TBitmap picture, target, plain;
  MakeLook(picture);
  plain.SetSize(kWidth, kHeight);
  const TGeometry g;
  const int runs = 20;
  for (bool stretched : {false, true}) {
    const double composed = Best(runs, [&] {
      CreateSkinImage(g.LT, g.RT, g.LB, g.RB, g.CR, g.NLT, g.NRT, g.NLB, g.NRB, g.NCR, &target, &picture,
                      Rect(0, 0, 120, 90), kWidth, kHeight, true, stretched, stretched, stretched, stretched, true,
                      spstFull);
      GdiFlush();
    });
    const double stretchBlt = Best(runs, [&] {
      plain.Canvas()->CopyRect(Rect(0, 0, kWidth, kHeight), picture.Canvas(), Rect(0, 0, 120, 90));
      GdiFlush();
    });
    std::printf("nine-part face %dx%d, edges %s: %.0f us, one StretchBlt %.0f us, ratio %.2f\n", kWidth, kHeight,
                stretched ? "stretched" : "tiled", composed, stretchBlt, composed / stretchBlt);
  }

  TBitmap mask;
  MakeMask(mask);
  const double region = Best(runs, [&] {
    HRGN rgn = nullptr;
    CreateSkinRegion(rgn, g.LT, g.RT, g.LB, g.RB, g.CR, g.NLT, g.NRT, g.NLB, g.NRB, g.NCR, &mask, kWidth, kHeight);
    DeleteObject(rgn);
  });
  // The same frame as one full-size mask, turned into run data once.
  TBitmap full;
  full.SetSize(kWidth, kHeight);
  HRGN frame = nullptr;
  CreateSkinRegion(frame, g.LT, g.RT, g.LB, g.RB, g.CR, g.NLT, g.NRT, g.NLB, g.NRB, g.NCR, &mask, kWidth, kHeight);
  full.Canvas()->Brush()->SetColor(clWhite);
  full.Canvas()->FillRect(Rect(0, 0, kWidth, kHeight));
  HBRUSH black = CreateSolidBrush(RGB(0, 0, 0));
  FillRgn(full.Canvas()->Handle(), frame, black);
  DeleteObject(black);
  DeleteObject(frame);
  std::vector<uint8_t> data;
  const int size = CreateRgnFromBmp(&full, 0, 0, data);
  const double extCreate = Best(runs, [&] {
    HRGN rgn = ExtCreateRegion(nullptr, static_cast<DWORD>(size), reinterpret_cast<const RGNDATA*>(data.data()));
    DeleteObject(rgn);
  });
  std::printf("skin region %dx%d: %.0f us, ExtCreateRegion of the same runs %.0f us, ratio %.2f\n", kWidth, kHeight,
              region, extCreate, region / extCreate);
  return 0;
}
