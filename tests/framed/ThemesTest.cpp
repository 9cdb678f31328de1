#include <gtest/gtest.h>

#include "classlib/comctrls/CoolBar.h"
#include "classlib/windowing/Application.h"
#include "framed/FrCommon.h"

namespace {

TEST(FramedThemeElements, StateNumbersMapOntoPartsAndStates) {
  struct Case {
    ThemedElementDetails (*map)(int);
    int n;
    ThemedElementDetails expected;
  };
  const Case cases[] = {
      {&TThemeServices::ButtonElement, 0, {teButton, 0, 1}},    // outside every range
      {&TThemeServices::ButtonElement, 2, {teButton, 1, 1}},    // push button, normal
      {&TThemeServices::ButtonElement, 6, {teButton, 1, 5}},    // push button, default
      {&TThemeServices::ButtonElement, 7, {teButton, 2, 1}},    // radio button, unchecked normal
      {&TThemeServices::ButtonElement, 14, {teButton, 2, 8}},   // radio button, checked disabled
      {&TThemeServices::ButtonElement, 16, {teButton, 3, 2}},   // check box, unchecked hot
      {&TThemeServices::ButtonElement, 26, {teButton, 3, 12}},  // check box, mixed disabled
      {&TThemeServices::ButtonElement, 28, {teButton, 4, 2}},   // group box, disabled
      {&TThemeServices::ButtonElement, 29, {teButton, 5, 1}},   // user button
      {&TThemeServices::ButtonElement, 30, {teButton, 0, 31}},
      {&TThemeServices::ComboBoxElement, 2, {teComboBox, 1, 1}},
      {&TThemeServices::ComboBoxElement, 5, {teComboBox, 1, 4}},
      {&TThemeServices::ComboBoxElement, 6, {teComboBox, 0, 7}},
      {&TThemeServices::ScrollBarElement, 17, {teScrollBar, 1, 16}},
      {&TThemeServices::ScrollBarElement, 22, {teScrollBar, 3, 1}},
      {&TThemeServices::ScrollBarElement, 41, {teScrollBar, 7, 4}},
      {&TThemeServices::ScrollBarElement, 46, {teScrollBar, 9, 1}},
      {&TThemeServices::ScrollBarElement, 51, {teScrollBar, 10, 2}},
      {&TThemeServices::ScrollBarElement, 1, {teScrollBar, 0, 2}},
      {&TThemeServices::SpinElement, 9, {teSpin, 2, 4}},  // down arrow, disabled
      {&TThemeServices::SpinElement, 10, {teSpin, 3, 1}},
      {&TThemeServices::SpinElement, 17, {teSpin, 4, 4}},
      {&TThemeServices::SpinElement, 18, {teSpin, 0, 19}},
  };
  for (const Case& c : cases) {
    const ThemedElementDetails d = c.map(c.n);
    EXPECT_EQ(c.expected.Element, d.Element) << c.n;
    EXPECT_EQ(c.expected.Part, d.Part) << c.n;
    EXPECT_EQ(c.expected.State, d.State) << c.n;
  }
}

// This program has no visual-styles manifest, as the converter ships.
TEST(FramedThemesOff, NoStylesAndNoHandles) {
  ASSERT_NE(nullptr, ThemeServices);
  EXPECT_LT(GetComCtlVersion(), 0x60000u);
  EXPECT_FALSE(ThemeServices->StylesActive());
  for (int e = 0; e < kThemedElementCount; ++e) {
    EXPECT_EQ(nullptr, ThemeServices->ThemeHandle(static_cast<TThemedElement>(e))) << e;
  }
}

TEST(FramedThemesOff, PaintingElementsDrawsNothing) {
  TBitmap bitmap;
  bitmap.SetSize(16, 16);
  ThemeServices->PaintElement(bitmap.Canvas()->Handle(), TThemeServices::ButtonElement(16), Rect(0, 0, 16, 16));
  ThemeServices->PaintElementText(bitmap.Canvas()->Handle(), TThemeServices::ButtonElement(2), L"Text",
                                  Rect(0, 0, 16, 16), 0, 0);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) ASSERT_EQ(clBlack, bitmap.Canvas()->Pixels(x, y));
  }
}

TEST(FramedThemesOff, ThemeChangesKeepStylesOffAndAreAnnounced) {
  struct Listener {
    int changes = 0;
    void Changed(TObject*) { ++changes; }
  } listener;
  ThemeServices->OnStylesChanged = TNotifyEvent(&listener, &Listener::Changed);
  SendMessageA(Application->Handle(), WM_THEMECHANGED, 0, 0);
  ThemeServices->OnStylesChanged = nullptr;
  EXPECT_EQ(1, listener.changes);
  EXPECT_FALSE(ThemeServices->StylesActive());
}

// The binding is counted: the framed library's own load is taken away for the test, so
// the counts below are the only ones.
class FramedStylesBinding : public ::testing::Test {
 protected:
  void SetUp() override {
    FinalizeFramed();
    InitializeStylesBinding();
  }
  void TearDown() override {
    FinalizeStylesBinding();
    InitializeFramed();
  }
};

TEST_F(FramedStylesBinding, TheLastUnloadClearsTheEntries) {
  EXPECT_EQ(nullptr, StylesEntries().OpenThemeData);
  ASSERT_TRUE(LoadStylesLibrary());
  ASSERT_TRUE(LoadStylesLibrary());
  UnloadStylesLibrary();
  const TStylesEntries& entries = StylesEntries();
  EXPECT_NE(nullptr, entries.OpenThemeData);
  EXPECT_NE(nullptr, entries.CloseThemeData);
  EXPECT_NE(nullptr, entries.DrawThemeBackground);
  EXPECT_NE(nullptr, entries.DrawThemeText);
  EXPECT_NE(nullptr, entries.IsThemeBackgroundPartiallyTransparent);
  EXPECT_NE(nullptr, entries.DrawThemeParentBackground);
  EXPECT_NE(nullptr, entries.IsThemeActive);
  EXPECT_NE(nullptr, entries.IsAppThemed);
  EXPECT_NE(nullptr, entries.GetThemeAppProperties);
  UnloadStylesLibrary();
  EXPECT_EQ(nullptr, StylesEntries().OpenThemeData);
  EXPECT_EQ(nullptr, StylesEntries().GetThemeAppProperties);
  EXPECT_FALSE(StylesLibraryUsable());
  // A release too many does not go below zero: the next load binds again.
  UnloadStylesLibrary();
  ASSERT_TRUE(LoadStylesLibrary());
  EXPECT_NE(nullptr, StylesEntries().OpenThemeData);
  UnloadStylesLibrary();
  EXPECT_EQ(nullptr, StylesEntries().OpenThemeData);
}

TEST_F(FramedStylesBinding, ShutDownReleasesEveryLoad) {
  ASSERT_TRUE(LoadStylesLibrary());
  ASSERT_TRUE(LoadStylesLibrary());
  FinalizeStylesBinding();
  EXPECT_EQ(nullptr, StylesEntries().OpenThemeData);
  EXPECT_FALSE(LoadStylesLibrary());  // no binding until the next start-up
  InitializeStylesBinding();
}

TEST_F(FramedStylesBinding, StylesObjectWithoutAWindowHooksNothing) {
  TThemeServices services(nullptr);
  EXPECT_TRUE(services.StylesAvailable());
  EXPECT_FALSE(services.StylesActive());
  EXPECT_NE(nullptr, StylesEntries().OpenThemeData);
}

}  // namespace
