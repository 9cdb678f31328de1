// This program carries the visual-styles manifest: a group box is drawn by the styles.
#include <gtest/gtest.h>

#include <memory>

#include "BitmapProbe.h"
#include "classlib/windowing/Forms.h"
#include "framed/FrCommon.h"
#include "framed/FrPanel.h"

namespace {

constexpr TColor kFormColor = 0x30A0F0;

// The group box painted into a probe through WM_PAINT (its window is never shown).
void PaintInto(TFrGroupBox* box, BitmapProbe& probe) {
  SendMessageA(box->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(probe.DC()), 0);
}

TEST(FramedStylesOn, AGroupBoxIsTheStylesGroupBoxBelowHalfTheTextHeight) {
  ASSERT_TRUE(ThemeServices->StylesActive());
  std::unique_ptr<TForm> form(new TForm(nullptr, CreateNew));
  form->SetColor(kFormColor);
  form->SetClientSize(200, 120);
  auto* box = new TFrGroupBox(form.get());
  box->SetParent(form.get());
  box->SetBounds(10, 10, 120, 80);
  box->SetGroupStyle(gsStandard);
  const int k = ScreenTextExtent(box->Font(), "Pp").cy / 2 - 1;

  BitmapProbe styled(120, 80, clBlack);
  PaintInto(box, styled);
  BitmapProbe expected(120, 80, kFormColor);
  ThemeServices->PaintElement(expected.DC(), TThemeServices::ButtonElement(27), Rect(0, k, 120, 80));
  ASSERT_LT(expected.Count(kFormColor), 120 * 80) << "the styles draw a group box";
  int differing = 0;
  for (int y = 0; y < 80; ++y) {
    for (int x = 0; x < 120; ++x) differing += styled.At(x, y) != expected.At(x, y) ? 1 : 0;
  }
  EXPECT_EQ(0, differing);

  box->SetThemeAware(false);
  BitmapProbe own(120, 80, clBlack);
  PaintInto(box, own);
  EXPECT_EQ(ColorToRGB(clBtnShadow), own.At(60, k)) << "the own etched frame";
  EXPECT_NE(styled.At(60, k), own.At(60, k)) << "the styles' frame differs from the own one";
}

}  // namespace
