// This program carries the visual-styles manifest: a hot-tracking check box takes its
// glyph from the styles, not from its template.
#include <gtest/gtest.h>

#include <memory>

#include "BitmapProbe.h"
#include "classlib/windowing/Forms.h"
#include "framed/FrCommon.h"
#include "framed/FrRadChk.h"

namespace {

constexpr TColor kFormColor = 0x30A0F0;

TEST(FramedStylesOn, AHotTrackingCheckBoxShowsTheStylesGlyph) {
  ASSERT_TRUE(ThemeServices->StylesActive());
  std::unique_ptr<TForm> form(new TForm(nullptr, CreateNew));
  form->SetColor(kFormColor);
  form->SetClientSize(200, 120);
  auto* box = new TFrCheckBox(form.get());
  box->SetParent(form.get());
  box->SetBounds(10, 10, 120, 20);
  box->SetHotTrack(true);
  BitmapProbe shown(120, 20, clBlack);
  SendMessageA(box->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(shown.DC()), 0);

  BitmapProbe element(13, 13, clBlack);
  ThemeServices->PaintElement(element.DC(), TThemeServices::ButtonElement(15), Rect(0, 0, 13, 13));
  TBitmap unchecked;
  unchecked.LoadFromResourceName(GetModuleHandleA(nullptr), "FRCOMMON_CHECKBOX_UNCHECKED");
  int fromTemplate = 0;
  for (int y = 0; y < 13; ++y) {
    for (int x = 0; x < 13; ++x) {
      EXPECT_EQ(element.At(x, y), shown.At(x, 2 + y)) << x << "," << y;
      fromTemplate += shown.At(x, 2 + y) == unchecked.Canvas()->Pixels(x, y) ? 1 : 0;
    }
  }
  EXPECT_LT(fromTemplate, 13 * 13 / 2);
}

}  // namespace
