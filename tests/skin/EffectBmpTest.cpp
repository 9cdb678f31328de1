// The effect bitmap: layout, pixel access, drawing and the blends and transitions, each
// transition checked against a reference written here from its rule.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <random>

#include "classlib/graphics/Bitmap.h"
#include "classlib/runtime/Exceptions.h"
#include "skin/data/Speffbmp.h"
#include "tests/skin/EffectBmpFixtures.h"

using effecttest::FillRandom;
using effecttest::Pixels;
using effecttest::RoundEven;
using effecttest::TPixelGrid;

namespace {

using Transition = void (TspEffectBmp::*)(const TspEffectBmp*, double);

struct NamedTransition {
  const char* name;
  Transition apply;
};

const NamedTransition kTransitions[] = {
    {"Morph", &TspEffectBmp::Morph},
    {"MorphGrad", &TspEffectBmp::MorphGrad},
    {"MorphHGrad", &TspEffectBmp::MorphHGrad},
    {"MorphVGrad", &TspEffectBmp::MorphVGrad},
    {"MorphLeftGrad", &TspEffectBmp::MorphLeftGrad},
    {"MorphRightGrad", &TspEffectBmp::MorphRightGrad},
    {"MorphLeftSlide", &TspEffectBmp::MorphLeftSlide},
    {"MorphRightSlide", &TspEffectBmp::MorphRightSlide},
    {"MorphPush", &TspEffectBmp::MorphPush},
};

// One channel set to own x k + source x (1 - k).
uint8_t Weighted(uint8_t own, uint8_t source, double k) {
  return static_cast<uint8_t>(std::clamp(RoundEven(own * k + source * (1 - k)), 0.0, 255.0));
}

// (1 - kf) x own + kf x source, as a plain cross-fade computes it.
TPixelGrid::Pixel MorphedPixel(const TPixelGrid::Pixel& own, const TPixelGrid::Pixel& source, double kf) {
  TPixelGrid::Pixel p;
  for (int c = 0; c < 3; ++c) p[c] = static_cast<uint8_t>(std::clamp(RoundEven((1 - kf) * own[c] + kf * source[c]), 0.0, 255.0));
  return p;
}

TPixelGrid::Pixel WeightedPixel(const TPixelGrid::Pixel& own, const TPixelGrid::Pixel& source, double k) {
  return {Weighted(own[0], source[0], k), Weighted(own[1], source[1], k), Weighted(own[2], source[2], k)};
}

// The weight of the own picture at `distance` steps from where the source is pure:
// the steps are added one by one and the sum is held at 1.
double GradientWeight(int distance, double step) {
  double k = 0;
  for (int i = 0; i < distance; ++i) k = std::min(k + step, 1.0);
  return k;
}

double Limited(double kf) { return std::isnan(kf) ? 0 : std::clamp(kf, 0.0, 1.0); }

int Rounded(double value) { return static_cast<int>(RoundEven(value)); }

// The references: each returns the expected picture from own (o) and source (s).
TPixelGrid ReferenceMorph(const TPixelGrid& o, const TPixelGrid& s, double kf) {
  TPixelGrid r = o;
  for (int y = 0; y < o.h; ++y)
    for (int x = 0; x < o.w; ++x) r.at(x, y) = MorphedPixel(o.at(x, y), s.at(x, y), Limited(kf));
  return r;
}

TPixelGrid ReferenceHGrad(const TPixelGrid& o, const TPixelGrid& s, double kf) {
  const int a = Rounded(o.w * Limited(kf));
  const int b = (o.w - a) / 2;
  const double step = b == 0 ? 1 : 1.0 / b;
  const int left = std::max(o.w / 2 - a / 2, 0), right = std::min(o.w / 2 + a / 2, o.w - 1);
  TPixelGrid r = o;
  for (int y = 0; y < o.h; ++y) {
    for (int x = 0; x < o.w; ++x) {
      const int distance = x < left ? left - x : (x > right ? x - right : 0);
      r.at(x, y) = WeightedPixel(o.at(x, y), s.at(x, y), GradientWeight(distance, step));
    }
  }
  return r;
}

TPixelGrid ReferenceVGrad(const TPixelGrid& o, const TPixelGrid& s, double kf) {
  const int a = Rounded(o.h * Limited(kf));
  const int b = ((o.h - 1) - a) / 2;
  const double step = b == 0 ? 0 : 1.0 / b;
  const int top = std::max(o.h / 2 - a / 2, 0), bottom = std::min(o.h / 2 + a / 2, o.h - 1);
  TPixelGrid r = o;
  for (int y = 0; y < o.h; ++y) {
    const int distance = y < top ? top - y : (y > bottom ? y - bottom : 0);
    for (int x = 0; x < o.w; ++x) r.at(x, y) = WeightedPixel(o.at(x, y), s.at(x, y), GradientWeight(distance, step));
  }
  return r;
}

TPixelGrid ReferenceGrad(const TPixelGrid& o, const TPixelGrid& s, double kf) {
  return o.w < o.h ? ReferenceVGrad(o, s, kf) : ReferenceHGrad(o, s, kf);
}

int SlideColumns(int w, double kf, int low) { return std::min(std::max(Rounded(w * Limited(kf)), low), w - 1); }

TPixelGrid ReferenceLeftGrad(const TPixelGrid& o, const TPixelGrid& s, double kf) {
  const int n = SlideColumns(o.w, kf, 1);
  const double step = n == 0 ? 1 : 1.0 / n;
  TPixelGrid r = o;
  for (int y = 0; y < o.h; ++y)
    for (int x = 0; x <= n; ++x) r.at(x, y) = WeightedPixel(o.at(x, y), s.at(x, y), GradientWeight(x, step));
  return r;
}

TPixelGrid ReferenceRightGrad(const TPixelGrid& o, const TPixelGrid& s, double kf) {
  const int start = std::clamp(o.w - Rounded(o.w * Limited(kf)), 0, o.w - 1);
  const double step = 1.0 / (o.w - start);
  TPixelGrid r = o;
  for (int y = 0; y < o.h; ++y)
    for (int x = start; x < o.w; ++x)
      r.at(x, y) = WeightedPixel(o.at(x, y), s.at(x, y), GradientWeight(o.w - 1 - x, step));
  return r;
}

// Source's last n columns to the left edge.
TPixelGrid ReferenceLeftSlide(const TPixelGrid& o, const TPixelGrid& s, double kf) {
  const int n = SlideColumns(o.w, kf, 1);
  TPixelGrid r = o;
  for (int y = 0; y < o.h; ++y)
    for (int x = 0; x < n; ++x) r.at(x, y) = s.at(o.w - n + x, y);
  return r;
}

// Source's first n columns to the right edge.
TPixelGrid ReferenceRightSlide(const TPixelGrid& o, const TPixelGrid& s, double kf) {
  const int n = SlideColumns(o.w, kf, 1);
  TPixelGrid r = o;
  for (int y = 0; y < o.h; ++y)
    for (int x = 0; x < n; ++x) r.at(o.w - n + x, y) = s.at(x, y);
  return r;
}

// The old picture moved n + 1 columns right, Source's last n + 1 columns before it.
TPixelGrid ReferencePush(const TPixelGrid& o, const TPixelGrid& s, double kf) {
  const int n = SlideColumns(o.w, kf, 0);
  TPixelGrid r = o;
  for (int y = 0; y < o.h; ++y) {
    for (int x = 0; x < o.w; ++x) r.at(x, y) = x <= n ? s.at(o.w - 1 - n + x, y) : o.at(x - n - 1, y);
  }
  return r;
}

using Reference = TPixelGrid (*)(const TPixelGrid&, const TPixelGrid&, double);

TEST(EffectBmp, RowStrideIsThreeBytesPerPixelPaddedToFour) {
  const int expected[] = {4, 8, 12, 12, 16};
  for (int width = 1; width <= 5; ++width) {
    TspEffectBmp bmp(width, 2);
    EXPECT_EQ(bmp.RowStride(), expected[width - 1]) << "width " << width;
    EXPECT_EQ(bmp.GetLine(1) - bmp.GetLine(0), expected[width - 1]);
  }
}

TEST(EffectBmp, PixelValueReadsTheBytesBlueGreenRedAsLittleEndian) {
  TspEffectBmp bmp(3, 2);
  uint8_t* p = bmp.GetLine(1) + 3 * 2;
  p[0] = 1;
  p[1] = 2;
  p[2] = 3;
  EXPECT_EQ(bmp.GetPixel(2, 1), 3 * 65536 + 2 * 256 + 1);
  bmp.SetPixel(0, 0, 0x0A0B0C);
  EXPECT_EQ(bmp.GetLine(0)[0], 0x0C);
  EXPECT_EQ(bmp.GetLine(0)[1], 0x0B);
  EXPECT_EQ(bmp.GetLine(0)[2], 0x0A);
}

TEST(EffectBmp, ScanLinesCopyOneRowOut_AndIn) {
  TspEffectBmp bmp(3, 2);
  FillRandom(bmp, 5);
  std::vector<uint8_t> row(9);
  bmp.GetScanLine(1, row.data());
  EXPECT_EQ(Pixels(bmp).at(2, 1)[2], row[8]);
  TspEffectBmp other(3, 2);
  FillRandom(other, 6);
  other.SetLine(0, row.data());
  EXPECT_EQ(Pixels(other).at(1, 0), Pixels(bmp).at(1, 1));
}

TEST(EffectBmp, CopiesOfAHandleAndOfAnotherEffectBitmapHoldTheSamePixels) {
  TBitmap picture;
  picture.SetPixelFormat(pf24bit);
  picture.SetSize(5, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) picture.Canvas()->SetPixels(x, y, static_cast<TColor>(RGB(10 * x, 40 * y, 7 + x + y)));
  picture.FreeContext();
  TspEffectBmp fromHandle(picture.Handle());
  ASSERT_EQ(fromHandle.Width(), 5);
  ASSERT_EQ(fromHandle.Height(), 3);
  // Red 40, green 80, blue 10 at column 4, row 2.
  EXPECT_EQ(fromHandle.GetPixel(4, 2), 40 * 65536 + 80 * 256 + 13);
  TspEffectBmp copy(fromHandle);
  EXPECT_EQ(Pixels(copy), Pixels(fromHandle));
}

TEST(EffectBmp, AnEmptySizeMakesAnEmptyBitmapThatEveryOperationLeavesAlone) {
  TspEffectBmp empty(0, 4);
  EXPECT_TRUE(empty.Empty());
  TspEffectBmp other(0, 4);
  for (const auto& t : kTransitions) (empty.*t.apply)(&other, 0.5);
  empty.SplitBlur(1);
  empty.Draw(nullptr, 0, 0);
}

TEST(EffectBmp, ASizeBeyondTheSystemsLimitRaisesOutOfResources) {
  EXPECT_THROW(TspEffectBmp(1 << 30, 1), EOutOfResources);
  EXPECT_THROW(TspEffectBmp(100000, 100000), EOutOfResources);
}

TEST(EffectBmp, MorphLimitsKfAndRoundsHalvesToEven) {
  struct Case {
    double kf;
    bool becomesSource;
  };
  const Case cases[] = {{0, false}, {1, true}, {1.5, true}, {-1, false}, {std::numeric_limits<double>::quiet_NaN(), false}};
  TspEffectBmp source(4, 3);
  FillRandom(source, 1);
  for (const Case& c : cases) {
    TspEffectBmp own(4, 3);
    FillRandom(own, 2);
    const TPixelGrid before = Pixels(own);
    own.Morph(&source, c.kf);
    EXPECT_EQ(Pixels(own), c.becomesSource ? Pixels(source) : before) << "kf " << c.kf;
  }
  TspEffectBmp own(2, 1), other(2, 1);
  own.SetPixel(0, 0, 0x010101);
  other.SetPixel(0, 0, 0x020202);
  own.SetPixel(1, 0, 0x020202);
  other.SetPixel(1, 0, 0x030303);
  own.Morph(&other, 0.5);
  EXPECT_EQ(own.GetPixel(0, 0), 0x020202);  // 1.5 -> 2
  EXPECT_EQ(own.GetPixel(1, 0), 0x020202);  // 2.5 -> 2
}

TEST(EffectBmp, HorizontalGradientOpensABandOfSourceWithSoftEdges) {
  TspEffectBmp own(20, 2), source(20, 2);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 20; ++x) {
      own.SetPixel(x, y, 0);
      source.SetPixel(x, y, 0xFAFAFA);  // 250
    }
  }
  own.MorphHGrad(&source, 0.5);
  // Own weight k gives 250 x (1 - k).
  const int expected[20] = {0, 50, 100, 150, 200, 250, 250, 250, 250, 250, 250,
                            250, 250, 250, 250, 250, 200, 150, 100, 50};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 20; ++x) EXPECT_EQ(own.GetPixel(x, y) & 0xFF, expected[x]) << "column " << x;
}

TEST(EffectBmp, LeftSlideReplacesAtLeastColumnZeroAndNeverTheLastColumn) {
  TspEffectBmp source(6, 1);
  FillRandom(source, 3);
  TspEffectBmp own(6, 1);
  FillRandom(own, 4);
  const TPixelGrid before = Pixels(own);
  own.MorphLeftSlide(&source, 0);
  TPixelGrid expected = before;
  expected.at(0, 0) = Pixels(source).at(5, 0);
  EXPECT_EQ(Pixels(own), expected);
  own.MorphLeftSlide(&source, 1);
  EXPECT_EQ(Pixels(own).at(5, 0), before.at(5, 0));
  for (int x = 0; x < 5; ++x) EXPECT_EQ(Pixels(own).at(x, 0), Pixels(source).at(x + 1, 0));
}

TEST(EffectBmp, PushAtOneLeavesExactlySource_AtZeroMovesTheOldPictureOneColumn) {
  TspEffectBmp source(7, 3), own(7, 3);
  FillRandom(source, 5);
  FillRandom(own, 6);
  TspEffectBmp pushed(own);
  pushed.MorphPush(&source, 1);
  EXPECT_EQ(Pixels(pushed), Pixels(source));
  const TPixelGrid before = Pixels(own);
  own.MorphPush(&source, 0);
  for (int y = 0; y < 3; ++y) {
    EXPECT_EQ(Pixels(own).at(0, y), Pixels(source).at(6, y));
    for (int x = 1; x < 7; ++x) EXPECT_EQ(Pixels(own).at(x, y), before.at(x - 1, y));
  }
}

TEST(EffectBmp, EveryTransitionFollowsItsRuleOverRandomPictures) {
  struct Checked {
    NamedTransition transition;
    Reference reference;
  };
  const Checked checked[] = {
      {kTransitions[0], &ReferenceMorph},     {kTransitions[1], &ReferenceGrad},
      {kTransitions[2], &ReferenceHGrad},     {kTransitions[3], &ReferenceVGrad},
      {kTransitions[4], &ReferenceLeftGrad},  {kTransitions[5], &ReferenceRightGrad},
      {kTransitions[6], &ReferenceLeftSlide}, {kTransitions[7], &ReferenceRightSlide},
      {kTransitions[8], &ReferencePush},
  };
  const std::pair<int, int> sizes[] = {{1, 1}, {2, 5}, {7, 4}, {9, 9}, {16, 3}, {5, 12}};
  const double kfs[] = {-0.2, 0, 0.1, 0.25, 1.0 / 3, 0.5, 0.7, 0.95, 1, 2};
  uint32_t seed = 100;
  for (const Checked& c : checked) {
    for (const auto& [w, h] : sizes) {
      for (double kf : kfs) {
        TspEffectBmp own(w, h), source(w, h);
        FillRandom(own, ++seed);
        FillRandom(source, ++seed);
        const TPixelGrid expected = c.reference(Pixels(own), Pixels(source), kf);
        (own.*c.transition.apply)(&source, kf);
        EXPECT_EQ(Pixels(own), expected) << c.transition.name << " " << w << "x" << h << " kf " << kf;
      }
    }
  }
}

TEST(EffectBmp, MorphKindsDispatchToTheirTransitions) {
  const std::pair<TMorphKind, Transition> kinds[] = {
      {mkDefault, &TspEffectBmp::Morph},           {mkGradient, &TspEffectBmp::MorphGrad},
      {mkLeftGradient, &TspEffectBmp::MorphLeftGrad}, {mkRightGradient, &TspEffectBmp::MorphRightGrad},
      {mkLeftSlide, &TspEffectBmp::MorphLeftSlide},   {mkRightSlide, &TspEffectBmp::MorphRightSlide},
      {mkPush, &TspEffectBmp::MorphPush},
  };
  TspEffectBmp source(11, 6);
  FillRandom(source, 7);
  for (const auto& [kind, transition] : kinds) {
    TspEffectBmp byKind(11, 6);
    FillRandom(byKind, 8);
    TspEffectBmp direct(byKind);
    byKind.MorphByKind(kind, &source, 0.4);
    (direct.*transition)(&source, 0.4);
    EXPECT_EQ(Pixels(byKind), Pixels(direct)) << "kind " << static_cast<int>(kind);
  }
}

TEST(EffectBmp, TransitionsBetweenDifferentSizesChangeNothing) {
  TspEffectBmp other(10, 11);
  FillRandom(other, 9);
  for (const auto& t : kTransitions) {
    TspEffectBmp own(10, 10);
    FillRandom(own, 10);
    const TPixelGrid before = Pixels(own);
    (own.*t.apply)(&other, 0.5);
    EXPECT_EQ(Pixels(own), before) << t.name;
  }
}

TEST(EffectBmp, MorphRectBlendsOnlyTheRectangleFromTheSourceOffset) {
  TspEffectBmp own(6, 5), source(9, 9);
  FillRandom(own, 11);
  FillRandom(source, 12);
  const TPixelGrid o = Pixels(own), s = Pixels(source);
  own.MorphRect(&source, 0.3, TRect{1, 2, 4, 4}, 5, 6);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 6; ++x) {
      const bool inside = x >= 1 && x < 4 && y >= 2 && y < 4;
      const auto expected = inside ? MorphedPixel(o.at(x, y), s.at(5 + x - 1, 6 + y - 2), 0.3) : o.at(x, y);
      EXPECT_EQ(Pixels(own).at(x, y), expected) << x << "," << y;
    }
  }
}

TEST(EffectBmp, CopyRectCountsRightAndBottomInclusiveAndLimitsThemToTheBitmap) {
  TspEffectBmp own(5, 4), source(8, 8);
  FillRandom(own, 13);
  FillRandom(source, 14);
  const TPixelGrid o = Pixels(own), s = Pixels(source);
  own.CopyRect(&source, TRect{2, 1, 9, 2}, 3, 4);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 5; ++x) {
      const bool inside = x >= 2 && y >= 1 && y <= 2;
      EXPECT_EQ(Pixels(own).at(x, y), inside ? s.at(3 + x - 2, 4 + y - 1) : o.at(x, y)) << x << "," << y;
    }
  }
}

TEST(EffectBmp, ResizeWritesEachPixelAsABlockOfTheRoundedScale) {
  TspEffectBmp small(2, 2), large(4, 4);
  FillRandom(small, 15);
  FillRandom(large, 16);
  small.Resize(&large);
  // Scale 3 / 2 = 1.5: blocks of 3 at columns 0 and 2; the second covers the first's end.
  const TPixelGrid s = Pixels(small);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(Pixels(large).at(x, y), s.at(x / 2, y / 2)) << x << "," << y;
}

TEST(EffectBmp, DrawingReachesTheTargetUnscaledStretchedAndInPart) {
  TspEffectBmp bmp(4, 3);
  FillRandom(bmp, 17);
  TBitmap target;
  target.SetPixelFormat(pf24bit);
  target.SetSize(12, 9);
  HDC dc = target.Canvas()->Handle();
  bmp.Draw(dc, 1, 2);
  bmp.Stretch(dc, 0, 5, 8, 3);  // two columns per pixel
  bmp.DrawRect(dc, 9, 0, 2, 1, 2, 2);
  auto expectAt = [&](int tx, int ty, int x, int y) {
    const COLORREF c = ::GetPixel(dc, tx, ty);
    const int value = GetRValue(c) * 65536 + GetGValue(c) * 256 + GetBValue(c);
    EXPECT_EQ(value, bmp.GetPixel(x, y)) << "target " << tx << "," << ty;
  };
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) {
      expectAt(1 + x, 2 + y, x, y);
      expectAt(2 * x, 5 + y, x, y);
    }
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) expectAt(9 + x, y, 2 + x, 1 + y);
}

// The window's own device context reads back what was drawn on it.
TEST(EffectBmp, DrawOntoAWindowReadsBackThePixels) {
  HWND window = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 40, 30, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  UpdateWindow(window);
  TspEffectBmp bmp(6, 5);
  FillRandom(bmp, 18);
  HDC dc = GetDC(window);
  bmp.Draw(dc, 3, 4);
  GdiFlush();
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 6; ++x) {
      const COLORREF c = ::GetPixel(dc, 3 + x, 4 + y);
      EXPECT_EQ(GetRValue(c) * 65536 + GetGValue(c) * 256 + GetBValue(c), bmp.GetPixel(x, y)) << x << "," << y;
    }
  }
  ReleaseDC(window, dc);
  DestroyWindow(window);
}

}  // namespace
