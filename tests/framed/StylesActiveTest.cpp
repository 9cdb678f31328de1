// This program carries the visual-styles manifest: the system's styles are in use.
#include <gtest/gtest.h>

#include "BitmapProbe.h"
#include "classlib/comctrls/CoolBar.h"
#include "classlib/windowing/Application.h"
#include "framed/FrCommon.h"

namespace {

TEST(FramedStylesOn, StylesAreActive) {
  ASSERT_NE(nullptr, ThemeServices);
  EXPECT_GE(GetComCtlVersion(), 0x60000u);
  EXPECT_TRUE(StylesLibraryUsable());
  EXPECT_TRUE(ThemeServices->StylesActive());
  EXPECT_NE(nullptr, ThemeServices->ThemeHandle(teButton));
}

TEST(FramedStylesOn, ThemedCheckBoxDiffersFromTheUnthemedOne) {
  constexpr TColor kBackground = 0xFF00FF;
  BitmapProbe themed(13, 13, kBackground), plain(13, 13, kBackground);
  ThemeServices->PaintElement(themed.DC(), TThemeServices::ButtonElement(16), Rect(0, 0, 13, 13));
  RECT box{0, 0, 13, 13};
  DrawFrameControl(plain.DC(), &box, DFC_BUTTON, DFCS_BUTTONCHECK);
  EXPECT_LT(themed.Count(kBackground), 169);  // the element painted
  int differing = 0;
  for (int y = 0; y < 13; ++y) {
    for (int x = 0; x < 13; ++x) differing += themed.At(x, y) != plain.At(x, y) ? 1 : 0;
  }
  EXPECT_GT(differing, 0);
}

TEST(FramedStylesOn, ClipRectangleLimitsTheElement) {
  constexpr TColor kBackground = 0xFF00FF;
  BitmapProbe probe(20, 20, kBackground);
  const TRect clip = Rect(0, 0, 10, 20);
  ThemeServices->PaintElement(probe.DC(), TThemeServices::ButtonElement(2), Rect(0, 0, 20, 20), &clip);
  for (int y = 0; y < 20; ++y) {
    for (int x = 10; x < 20; ++x) ASSERT_EQ(kBackground, probe.At(x, y)) << x << "," << y;
  }
  EXPECT_LT(probe.Count(kBackground), 400);
}

TEST(FramedStylesOn, ThemeChangeClosesHandlesThatReopenLazily) {
  ThemeServices->ThemeHandle(teButton);
  ThemeServices->ThemeHandle(teComboBox);
  ThemeServices->ThemeHandle(teSpin);
  ASSERT_TRUE(ThemeServices->ThemeHandleOpen(teComboBox));
  SendMessageA(Application->Handle(), WM_THEMECHANGED, 0, 0);
  for (int e = 0; e < kThemedElementCount; ++e) {
    EXPECT_FALSE(ThemeServices->ThemeHandleOpen(static_cast<TThemedElement>(e))) << e;
  }
  EXPECT_TRUE(ThemeServices->StylesActive());
  BitmapProbe probe(16, 16, clWhite);
  ThemeServices->PaintElement(probe.DC(), TThemeServices::SpinElement(2), Rect(0, 0, 16, 16));
  for (int e = 0; e < kThemedElementCount; ++e) {
    EXPECT_EQ(e == teSpin, ThemeServices->ThemeHandleOpen(static_cast<TThemedElement>(e))) << e;
  }
}

TEST(FramedStylesOn, StyledArrowsTakeTheStylesArrowColour) {
  constexpr TColor kBackground = 0xFF00FF;
  BitmapProbe probe(20, 20, kBackground);
  PaintDropArrow(probe.Canvas(), Rect(0, 0, 20, 20), true, false, true);
  const TColor arrow = probe.At(10, 12);
  EXPECT_NE(kBackground, arrow);
  EXPECT_FALSE(ColorsHardToTellApart(arrow, clWindow));
}

}  // namespace
