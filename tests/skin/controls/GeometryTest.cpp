// Fitting sizes to a look and mapping look rectangles onto the control's size.
#include <gtest/gtest.h>

#include "SkinControlsFixtures.h"

using skinbases::TTestSkinControl;

namespace {

struct TLookPoints {
  TPoint LT, RT, LB, RB;
  TRect SR, CR;
};

void Give(TTestSkinControl& control, const TLookPoints& look, bool found = true) {
  control.LT = look.LT;
  control.RT = look.RT;
  control.LB = look.LB;
  control.RB = look.RB;
  control.SR = look.SR;
  control.CR = look.CR;
  control.ResizeMode = control.GetResizeMode();
  control.PretendLook(found ? 0 : -1);
}

// SR 100 x 30 with its corners at 10 and 90 across, 5 and 25 down.
constexpr TLookPoints kNineParts{{10, 5}, {90, 5}, {10, 25}, {90, 25}, {0, 0, 100, 30}, {10, 5, 90, 25}};
constexpr TLookPoints kHorizontal{{10, 0}, {90, 0}, {0, 0}, {0, 0}, {0, 0, 100, 30}, {10, 5, 90, 25}};
constexpr TLookPoints kVertical{{0, 5}, {0, 0}, {0, 25}, {0, 0}, {0, 0, 100, 30}, {10, 5, 90, 25}};
constexpr TLookPoints kFixed{{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0, 100, 30}, {10, 5, 90, 25}};
constexpr TLookPoints kNoSkinRect{{10, 5}, {90, 5}, {10, 25}, {90, 25}, {0, 0, 0, 30}, {10, 5, 90, 25}};

struct TCalcCase {
  const char* name;
  TLookPoints look;
  bool found;
  int mode;
  SIZE taken;  // from a request of 150 x 40
  TRect ncr;
};

}  // namespace

TEST(SkinBasesGeometry, CalcSizeFitsTheRequestToTheLook) {
  const TCalcCase cases[] = {
      {"nine parts", kNineParts, true, rmNineParts, {150, 40}, {10, 5, 140, 35}},
      {"horizontal", kHorizontal, true, rmHorizontal, {150, 30}, {10, 5, 140, 25}},
      {"vertical", kVertical, true, rmVertical, {100, 40}, {10, 5, 90, 35}},
      {"fixed", kFixed, true, rmFixed, {100, 30}, {10, 5, 90, 25}},
      {"empty skin rectangle", kNoSkinRect, true, rmNone, {150, 40}, {}},
      {"no look", kNineParts, false, rmNineParts, {150, 40}, {}},
  };
  for (const TCalcCase& c : cases) {
    SCOPED_TRACE(c.name);
    TTestSkinControl control(nullptr);
    Give(control, c.look, c.found);
    EXPECT_EQ(c.mode, control.GetResizeMode());
    int w = 150, h = 40;
    control.CalcSize(w, h);
    EXPECT_EQ(c.taken.cx, w);
    EXPECT_EQ(c.taken.cy, h);
    EXPECT_EQ(c.ncr, control.NCR);
  }
}

TEST(SkinBasesGeometry, CalcSizeMovesTheCornersOfANinePartLook) {
  // The skin rectangle 100 x 30 with RT (90, 0) and RB (90, 30) at 150 x 40.
  TTestSkinControl control(nullptr);
  Give(control, {{10, 0}, {90, 0}, {10, 30}, {90, 30}, {0, 0, 100, 30}, {10, 0, 90, 30}});
  int w = 150, h = 40;
  control.CalcSize(w, h);
  EXPECT_EQ(Point(10, 0), control.NLT);
  EXPECT_EQ(Point(140, 0), control.NRT);
  EXPECT_EQ(Point(10, 40), control.NLB);
  EXPECT_EQ(Point(140, 40), control.NRB);
  EXPECT_EQ(Rect(10, 0, 140, 40), control.NCR);
  EXPECT_EQ(130, control.GetRealClientWidth());
  EXPECT_EQ(40, control.GetRealClientHeight());
}

TEST(SkinBasesGeometry, CalcSizeLeavesSmallerSizesUnclamped) {
  TTestSkinControl control(nullptr);
  Give(control, kNineParts);
  int w = 12, h = 8;
  control.CalcSize(w, h);
  EXPECT_EQ(12, w);
  EXPECT_EQ(8, h);
  EXPECT_EQ(Point(2, 5), control.NRT);
  EXPECT_EQ(Rect(10, 5, 2, 3), control.NCR);
}

TEST(SkinBasesGeometry, GetNewRectMapsLookRectanglesOntoTheCurrentSize) {
  struct TCase {
    const char* name;
    TLookPoints look;
    TRect rect, mapped;
  };
  // The control is 150 x 40: dx 50, dy 10.
  const TCase cases[] = {
      {"inside the left-top corner", kNineParts, {1, 1, 5, 4}, {1, 1, 5, 4}},
      {"inside the right-top corner", kNineParts, {92, 1, 98, 4}, {142, 1, 148, 4}},
      {"inside the left-bottom corner", kNineParts, {1, 26, 5, 29}, {1, 36, 5, 39}},
      {"inside the right-bottom corner", kNineParts, {92, 26, 98, 29}, {142, 36, 148, 39}},
      {"left-top to right-bottom", kNineParts, {2, 2, 95, 28}, {2, 2, 145, 38}},
      {"left-top to right-top", kNineParts, {2, 1, 95, 4}, {2, 1, 145, 4}},
      {"left-bottom to right-bottom", kNineParts, {2, 26, 95, 29}, {2, 36, 145, 39}},
      {"left-top to left-bottom", kNineParts, {2, 2, 8, 28}, {2, 2, 8, 38}},
      {"right-top to right-bottom", kNineParts, {92, 2, 98, 28}, {142, 2, 148, 38}},
      {"the middle", kNineParts, {20, 10, 30, 20}, {20, 10, 30, 20}},
      {"horizontal: across both ends", kHorizontal, {5, 2, 95, 20}, {5, 2, 145, 20}},
      {"horizontal: the right end", kHorizontal, {92, 2, 98, 20}, {142, 2, 148, 20}},
      {"horizontal: the left end", kHorizontal, {2, 2, 8, 20}, {2, 2, 8, 20}},
      {"vertical: across both ends", kVertical, {2, 3, 20, 27}, {2, 3, 20, 37}},
      {"vertical: the bottom end", kVertical, {2, 26, 20, 29}, {2, 36, 20, 39}},
      {"vertical: the top end", kVertical, {2, 1, 20, 4}, {2, 1, 20, 4}},
      {"fixed", kFixed, {92, 26, 98, 29}, {92, 26, 98, 29}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    TTestSkinControl control(nullptr);
    control.SetBounds(0, 0, 150, 40);
    Give(control, c.look);
    TRect mapped;
    control.GetNewRect(c.rect, mapped);
    EXPECT_EQ(c.mapped, mapped);
  }
}
