#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "skin/data/Sputils.h"
#include "tests/skin/drawing/PlacePictures.h"

using placepic::At;
using placepic::PlaceColor;

namespace {

// A 30 x 24 look at (5, 3) of a 40 x 30 picture; corners and client relative to it.
struct TLook {
  TRect SR = Rect(5, 3, 35, 27);
  TPoint LT = Point(9, 7), RT = Point(21, 8), LB = Point(10, 17), RB = Point(20, 16);
  TRect CR = Rect(6, 5, 24, 19);
};

// The look's points and client rectangle for a target of W x H (fixed borders).
struct TTarget {
  int W, H;
  TPoint NLT, NRT, NLB, NRB;
  TRect NCR;
};

TTarget TargetFor(const TLook& k, int w, int h) {
  const int dw = w - k.SR.Width();
  const int dh = h - k.SR.Height();
  return {w,
          h,
          k.LT,
          Point(k.RT.X + dw, k.RT.Y),
          Point(k.LB.X, k.LB.Y + dh),
          Point(k.RB.X + dw, k.RB.Y + dh),
          Rect(k.CR.Left, k.CR.Top, k.CR.Right + dw, k.CR.Bottom + dh)};
}

struct TMode {
  const char* Name;
  bool ClientStretch;
  TspStretchType Type;
};
const TMode kModes[] = {{"tiled", false, spstFull},
                        {"full", true, spstFull},
                        {"horz", true, spstHorz},
                        {"vert", true, spstVert}};

class SkinCompose : public testing::Test {
 protected:
  void SetUp() override { placepic::Fill(picture_, 40, 30); }

  void Compose(const TTarget& t, bool edgesStretched, const TMode& mode, bool drawClient = true) {
    CreateSkinImage(look_.LT, look_.RT, look_.LB, look_.RB, look_.CR, t.NLT, t.NRT, t.NLB, t.NRB, t.NCR, &target_,
                    &picture_, look_.SR, t.W, t.H, drawClient, edgesStretched, edgesStretched, edgesStretched,
                    edgesStretched, mode.ClientStretch, mode.Type);
  }

  // Each target pixel's source when every piece is repeated from its own origin (the
  // pieces in drawing order: edges, corners, client); 0 where nothing is drawn.
  std::vector<std::vector<TColor>> Predict(const TTarget& t) {
    std::vector<std::vector<TColor>> expected(static_cast<size_t>(t.H), std::vector<TColor>(static_cast<size_t>(t.W), 0));
    const TLook& k = look_;
    const int sw = k.SR.Width(), sh = k.SR.Height();
    auto piece = [&](TRect src, TRect dst) {
      for (int y = std::max<int>(dst.Top, 0); y < std::min<int>(dst.Bottom, t.H); ++y) {
        for (int x = std::max<int>(dst.Left, 0); x < std::min<int>(dst.Right, t.W); ++x) {
          const int sx = src.Left + (x - dst.Left) % src.Width();
          const int sy = src.Top + (y - dst.Top) % src.Height();
          expected[static_cast<size_t>(y)][static_cast<size_t>(x)] = PlaceColor(sx + k.SR.Left, sy + k.SR.Top);
        }
      }
    };
    piece(Rect(k.LT.X, 0, k.RT.X, k.CR.Top), Rect(t.NLT.X, 0, t.NRT.X, t.NCR.Top));
    piece(Rect(k.LB.X, k.CR.Bottom, k.RB.X, sh), Rect(t.NLB.X, t.NCR.Bottom, t.NRB.X, t.H));
    piece(Rect(0, k.LT.Y, k.CR.Left, k.LB.Y), Rect(0, t.NLT.Y, t.NCR.Left, t.NLB.Y));
    piece(Rect(k.CR.Right, k.RT.Y, sw, k.RB.Y), Rect(t.NCR.Right, t.NRT.Y, t.W, t.NRB.Y));
    piece(Rect(0, 0, k.LT.X, k.CR.Top), Rect(0, 0, t.NLT.X, t.NCR.Top));
    piece(Rect(0, k.CR.Top, k.CR.Left, k.LT.Y), Rect(0, t.NCR.Top, t.NCR.Left, t.NLT.Y));
    piece(Rect(k.RT.X, 0, sw, k.CR.Top), Rect(t.NRT.X, 0, t.W, t.NCR.Top));
    piece(Rect(k.CR.Right, k.CR.Top, sw, k.RT.Y), Rect(t.NCR.Right, t.NCR.Top, t.W, t.NRT.Y));
    piece(Rect(0, k.LB.Y, k.CR.Left, sh), Rect(0, t.NLB.Y, t.NCR.Left, t.H));
    piece(Rect(k.CR.Left, k.CR.Bottom, k.LB.X, sh), Rect(t.NCR.Left, t.NCR.Bottom, t.NLB.X, t.H));
    piece(Rect(k.RB.X, k.CR.Bottom, sw, sh), Rect(t.NRB.X, t.NCR.Bottom, t.W, t.H));
    piece(Rect(k.CR.Right, k.RB.Y, sw, k.CR.Bottom), Rect(t.NCR.Right, t.NRB.Y, t.W, t.NCR.Bottom));
    piece(k.CR, t.NCR);
    return expected;
  }

  // The number of pixels of the target that differ from `expected`; the first is named.
  int Mismatches(const std::vector<std::vector<TColor>>& expected, std::string& first) {
    int count = 0;
    for (int y = 0; y < target_.Height(); ++y) {
      for (int x = 0; x < target_.Width(); ++x) {
        const TColor want = expected[static_cast<size_t>(y)][static_cast<size_t>(x)];
        const TColor got = At(target_, x, y);
        if (got == want) continue;
        if (count++ == 0) {
          first = "(" + std::to_string(x) + ", " + std::to_string(y) + "): got source (" +
                  std::to_string(placepic::PlaceX(got)) + ", " + std::to_string(placepic::PlaceY(got)) +
                  "), want (" + std::to_string(placepic::PlaceX(want)) + ", " +
                  std::to_string(placepic::PlaceY(want)) + ")";
        }
      }
    }
    return count;
  }

  TLook look_;
  TBitmap picture_;
  TBitmap target_;
};

TEST_F(SkinCompose, AtTheLooksOwnSizeEveryModeReproducesThePicturePart) {
  const TTarget same = TargetFor(look_, look_.SR.Width(), look_.SR.Height());
  for (bool stretched : {false, true}) {
    for (const TMode& mode : kModes) {
      Compose(same, stretched, mode);
      std::string first;
      EXPECT_EQ(0, Mismatches(Predict(same), first))
          << mode.Name << (stretched ? " with stretched edges, first at " : " with tiled edges, first at ") << first;
    }
  }
}

TEST_F(SkinCompose, TiledEdgesAndClientPutEveryPixelWhereItsSourcePredicts) {
  // Stretching the client to its own height (horz) or width (vert) is a plain copy, so
  // those modes repeat the piece exactly as tiling does, cut by the client rectangle.
  struct Case {
    int W, H;
    TMode Mode;
  } cases[] = {{75, 61, kModes[0]}, {31, 25, kModes[0]}, {70, 24, kModes[2]}, {30, 65, kModes[3]}};
  for (const Case& c : cases) {
    const TTarget t = TargetFor(look_, c.W, c.H);
    Compose(t, false, c.Mode);
    ASSERT_EQ(c.W, target_.Width());
    ASSERT_EQ(c.H, target_.Height());
    std::string first;
    EXPECT_EQ(0, Mismatches(Predict(t), first)) << c.Mode.Name << " at " << c.W << " x " << c.H << ": " << first;
  }
}

TEST_F(SkinCompose, StretchedClientFillsTheWholeClientRectangle) {
  const TTarget t = TargetFor(look_, 64, 50);
  Compose(t, true, kModes[1]);
  for (int y = t.NCR.Top; y < t.NCR.Bottom; ++y) {
    for (int x = t.NCR.Left; x < t.NCR.Right; ++x) {
      const TColor c = At(target_, x, y);
      const int sx = placepic::PlaceX(c) - look_.SR.Left;
      const int sy = placepic::PlaceY(c) - look_.SR.Top;
      ASSERT_TRUE(sx >= look_.CR.Left && sx < look_.CR.Right && sy >= look_.CR.Top && sy < look_.CR.Bottom)
          << "(" << x << ", " << y << ") shows source (" << sx << ", " << sy << ")";
    }
  }
  EXPECT_EQ(PlaceColor(look_.SR.Left + look_.CR.Left, look_.SR.Top + look_.CR.Top), At(target_, t.NCR.Left, t.NCR.Top));
  EXPECT_EQ(PlaceColor(look_.SR.Left + look_.CR.Right - 1, look_.SR.Top + look_.CR.Bottom - 1),
            At(target_, t.NCR.Right - 1, t.NCR.Bottom - 1));
}

TEST_F(SkinCompose, WithoutClientOrWithoutCornersTheClientStaysEmpty) {
  const TTarget t = TargetFor(look_, 50, 40);
  Compose(t, false, kModes[0], false);
  EXPECT_EQ(0, At(target_, t.NCR.Left + 3, t.NCR.Top + 3));
  EXPECT_NE(0, At(target_, 0, 0));
  look_.RB = look_.LT;  // a part without corner points: only sized
  target_.SetSize(0, 0);
  Compose(t, false, kModes[0]);
  EXPECT_EQ(50, target_.Width());
  EXPECT_EQ(0, At(target_, 0, 0));
}

TEST_F(SkinCompose, ATargetSmallerThanItsCornersIsDrawnWithoutFailing) {
  const TTarget t = TargetFor(look_, 8, 6);  // corners overlap; middles have negative spans
  Compose(t, false, kModes[0]);
  EXPECT_EQ(8, target_.Width());
  EXPECT_EQ(6, target_.Height());
  EXPECT_NE(0, At(target_, 0, 0));
  Compose(t, true, kModes[2]);
  EXPECT_NE(0, At(target_, 0, 0));
}

// The source column (relative to `from`) of each target column on row `y`.
std::vector<int> SourceColumns(TBitmap& target, int y, int from) {
  std::vector<int> columns;
  for (int x = 0; x < target.Width(); ++x) columns.push_back(placepic::PlaceX(At(target, x, y)) - from);
  return columns;
}

TEST(SkinComposeThreePart, MiddlesAreTiledFromTheirOriginAndCutAtTheEnd) {
  TBitmap picture;
  placepic::Fill(picture, 60, 12);
  struct Case {
    const char* name;
    std::function<void(TBitmap*)> compose;
    int width;
    std::function<int(int)> sourceOf;  // target column to picture column
  } cases[] = {
      {"10 px over 25", [&](TBitmap* b) { CreateHSkinImage3(0, 0, b, &picture, Rect(2, 1, 12, 9), 25, 0, false); },
       25, [](int x) { return 2 + x % 10; }},
      {"30 px middle over 100, ends ignored",
       [&](TBitmap* b) { CreateHSkinImage3(5, 5, b, &picture, Rect(0, 0, 40, 8), 100, 0, false); }, 100,
       [](int x) { return 5 + x % 30; }},
      {"both ends kept", [&](TBitmap* b) { CreateHSkinImage(4, 6, b, &picture, Rect(10, 2, 30, 10), 47, 0, false); },
       47, [](int x) { return x < 4 ? 10 + x : x >= 41 ? 24 + (x - 41) : 14 + (x - 4) % 10; }},
      {"no right end", [&](TBitmap* b) { CreateHSkinImage2(4, 6, b, &picture, Rect(10, 2, 30, 10), 33, 0, false); },
       33, [](int x) { return x < 4 ? 10 + x : 14 + (x - 4) % 10; }},
  };
  for (const Case& c : cases) {
    TBitmap b;
    c.compose(&b);
    ASSERT_EQ(c.width, b.Width()) << c.name;
    std::vector<int> expected;
    for (int x = 0; x < c.width; ++x) expected.push_back(c.sourceOf(x));
    EXPECT_EQ(expected, SourceColumns(b, 0, 0)) << c.name;
  }
}

TEST(SkinComposeThreePart, HorizontalKeepsTheLooksHeightAndVerticalItsWidth) {
  TBitmap picture;
  placepic::Fill(picture, 40, 40);
  TBitmap b;
  CreateHSkinImage(3, 3, &b, &picture, Rect(0, 5, 20, 17), 50, 99, true);
  EXPECT_EQ(50, b.Width());
  EXPECT_EQ(12, b.Height());
  EXPECT_EQ(PlaceColor(19, 5), At(b, 49, 0));
  CreateVSkinImage(2, 4, &b, &picture, Rect(7, 0, 16, 10), 99, 27, false);
  EXPECT_EQ(9, b.Width());
  EXPECT_EQ(27, b.Height());
  std::vector<int> rows, expected;
  for (int y = 0; y < 27; ++y) {
    rows.push_back(placepic::PlaceY(At(b, 0, y)));
    expected.push_back(y < 2 ? y : y >= 23 ? 6 + (y - 23) : 2 + (y - 2) % 4);
  }
  EXPECT_EQ(expected, rows);
}

TEST_F(SkinCompose, HorzCopiesOfAnEightPixelClientRepeatAtEightAndAreCutByTheClient) {
  look_.CR = Rect(6, 5, 14, 19);  // 8 px wide client
  look_.RT = Point(16, 8);
  look_.RB = Point(18, 16);
  const TTarget t = TargetFor(look_, 42, 24);  // a 20 px client: copies at 0, 8 and 16
  ASSERT_EQ(20, t.NCR.Width());
  Compose(t, false, kModes[2]);
  std::vector<int> columns, expected;
  for (int x = t.NCR.Left; x < t.NCR.Right; ++x) {
    columns.push_back(placepic::PlaceX(At(target_, x, t.NCR.Top)) - look_.SR.Left);
    expected.push_back(look_.CR.Left + (x - t.NCR.Left) % 8);
  }
  EXPECT_EQ(expected, columns);
  // The column after the client keeps the right border.
  EXPECT_EQ(PlaceColor(look_.SR.Left + look_.CR.Right, look_.SR.Top + look_.CR.Top),
            At(target_, t.NCR.Right, t.NCR.Top));
}

TEST_F(SkinCompose, LeftAnchoredClientBandReachesTheRightEdgeInEveryMode) {
  const TTarget t = TargetFor(look_, 70, 40);
  for (const TMode& mode : kModes) {
    CreateSkinImage2(look_.LT, look_.RT, look_.LB, look_.RB, look_.CR, t.NLT, t.NRT, t.NLB, t.NRB, t.NCR, &target_,
                     &picture_, look_.SR, t.W, t.H, true, false, false, false, false, mode.ClientStretch, mode.Type);
    for (int y = t.NCR.Top; y < t.NCR.Bottom; ++y) {
      const TColor c = At(target_, t.W - 1, y);
      const int sx = placepic::PlaceX(c) - look_.SR.Left;
      EXPECT_TRUE(c != 0 && sx >= look_.CR.Left && sx < look_.CR.Right) << mode.Name << " row " << y;
    }
    // The top band is tiled from NLT.X to W; there is no right corner.
    EXPECT_EQ(PlaceColor(look_.SR.Left + look_.LT.X + (t.W - 1 - t.NLT.X) % (look_.RT.X - look_.LT.X), look_.SR.Top),
              At(target_, t.W - 1, 0))
        << mode.Name;
  }
}

TEST_F(SkinCompose, StretchImageKeepsTheClientMarginsAtTheirSize) {
  target_.SetSize(60, 44);
  CreateStretchImage(&target_, &picture_, look_.SR, look_.CR, true);
  const int right = look_.SR.Width() - look_.CR.Right;  // 6
  const int bottom = look_.SR.Height() - look_.CR.Bottom;  // 5
  EXPECT_EQ(PlaceColor(look_.SR.Left, look_.SR.Top), At(target_, 0, 0));
  EXPECT_EQ(PlaceColor(look_.SR.Left + look_.CR.Left - 1, look_.SR.Top + look_.CR.Top - 1),
            At(target_, look_.CR.Left - 1, look_.CR.Top - 1));
  EXPECT_EQ(PlaceColor(look_.SR.Right - right, look_.SR.Bottom - bottom), At(target_, 60 - right, 44 - bottom));
  EXPECT_EQ(PlaceColor(look_.SR.Right - 1, look_.SR.Bottom - 1), At(target_, 59, 43));
}

TEST_F(SkinCompose, BackgroundTilesFromTheOriginOrStretchesIntoTheClient) {
  TBitmap b;
  const TRect client = Rect(4, 4, 10, 9);  // 6 x 5
  CreateSkinBG(client, Rect(0, 0, 20, 12), &b, &picture_, look_.SR, 20, 12, false, spstFull);
  EXPECT_EQ(PlaceColor(look_.SR.Left + 4 + 19 % 6, look_.SR.Top + 4 + 11 % 5), At(b, 19, 11));
  CreateSkinBG(client, Rect(0, 0, 20, 5), &b, &picture_, look_.SR, 20, 5, true, spstHorz);
  EXPECT_EQ(PlaceColor(look_.SR.Left + 4 + 19 % 6, look_.SR.Top + 4 + 2), At(b, 19, 2));
  CreateSkinBG(client, Rect(0, 0, 12, 8), &b, &picture_, look_.SR, 12, 8, true, spstFull);
  EXPECT_EQ(PlaceColor(look_.SR.Left + 9, look_.SR.Top + 8), At(b, 11, 7));
}

TEST_F(SkinCompose, BorderStripsHaveTheirSizesAndPieces) {
  const TTarget t = TargetFor(look_, 70, 50);
  TBitmap left, top, right, bottom;
  CreateSkinBorderImages(look_.LT, look_.RT, look_.LB, look_.RB, look_.CR, t.NLT, t.NRT, t.NLB, t.NRB, t.NCR, &left,
                         &top, &right, &bottom, &picture_, look_.SR, t.W, t.H, false, false, false, false);
  const int E = t.H - t.NCR.Top - (t.H - t.NCR.Bottom);
  EXPECT_EQ(t.W, top.Width());
  EXPECT_EQ(t.NCR.Top, top.Height());
  EXPECT_EQ(t.W, bottom.Width());
  EXPECT_EQ(t.H - t.NCR.Bottom, bottom.Height());
  EXPECT_EQ(t.NCR.Left, left.Width());
  EXPECT_EQ(E, left.Height());
  EXPECT_EQ(t.W - t.NCR.Right, right.Width());
  EXPECT_EQ(E, right.Height());
  const int sx = look_.SR.Left, sy = look_.SR.Top;
  EXPECT_EQ(PlaceColor(sx, sy), At(top, 0, 0));
  EXPECT_EQ(PlaceColor(sx + look_.LT.X + 20 % 12, sy), At(top, 20, 0));  // middle tiled from 0
  EXPECT_EQ(PlaceColor(sx + 29, sy), At(top, t.W - 1, 0));
  EXPECT_EQ(PlaceColor(sx, sy + 23), At(bottom, 0, bottom.Height() - 1));
  EXPECT_EQ(PlaceColor(sx, sy + look_.CR.Top), At(left, 0, 0));
  EXPECT_EQ(PlaceColor(sx, sy + look_.CR.Bottom - 1), At(left, 0, E - 1));
  EXPECT_EQ(PlaceColor(sx + 29, sy + look_.CR.Top), At(right, right.Width() - 1, 0));
  // A strip whose conditions fail is left as it was.
  TBitmap untouchedTop;
  untouchedTop.SetSize(3, 3);
  TTarget flat = t;
  flat.NCR.Top = 0;
  CreateSkinBorderImages(look_.LT, look_.RT, look_.LB, look_.RB, look_.CR, flat.NLT, flat.NRT, flat.NLB, flat.NRB,
                         flat.NCR, &left, &untouchedTop, &right, &bottom, &picture_, look_.SR, t.W, t.H, false, false,
                         false, false);
  EXPECT_EQ(3, untouchedTop.Width());
}

}  // namespace
