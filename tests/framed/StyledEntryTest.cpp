// With the visual styles in use, a framed entry control that prefers the styles' framing
// leaves its border to them; asked for its own framing it draws its frame again.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "framed/FrCmboBx.h"
#include "framed/FrEdit.h"
#include "framed/FrThemes.h"
#include "window_support.h"

namespace {

struct StyledKind {
  const char* className;
  std::function<TWinControl*(TWinControl*)> make;
  std::function<TFrEntryFrame&(TWinControl*)> frame;
};

template <class C>
StyledKind Kind(const char* className) {
  return {className,
          [](TWinControl* parent) -> TWinControl* {
            auto* control = new C(parent);
            control->SetParent(parent);
            control->SetBounds(10, 10, 120, 24);
            return control;
          },
          [](TWinControl* control) -> TFrEntryFrame& { return static_cast<C*>(control)->EntryFrame(); }};
}

// The left edge's middle pixel as the window shows it, frame included.
COLORREF LeftEdge(TWinControl* control) {
  control->Repaint();
  RedrawWindow(control->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  testsupport::ServeApplication(20);
  return testsupport::CaptureWindow(control->Handle())->Canvas()->Pixels(0, control->Height() / 2);
}

TEST(FramedStylesOn, StylesFramingLeavesTheEntryBorderToTheStyles) {
  ASSERT_TRUE(ThemeServices->StylesActive());
  std::unique_ptr<TForm> form(testsupport::ShowTestForm(200, 60));
  for (const StyledKind& kind : {Kind<TFrComboBox>("TFrComboBox"), Kind<TFrEdit>("TFrEdit"), Kind<TFrMemo>("TFrMemo")}) {
    SCOPED_TRACE(kind.className);
    std::unique_ptr<TWinControl> control(kind.make(form.get()));
    TFrEntryFrame& frame = kind.frame(control.get());
    frame.SetFrameColor(clRed);
    frame.SetFrameVisible(true);
    EXPECT_TRUE(frame.ThemedFraming());
    EXPECT_NE(static_cast<COLORREF>(clRed), LeftEdge(control.get()));
    frame.SetFramingPreference(fpCustomFraming);
    EXPECT_FALSE(frame.ThemedFraming());
    EXPECT_EQ(static_cast<COLORREF>(clRed), LeftEdge(control.get()));
  }
}

}  // namespace
