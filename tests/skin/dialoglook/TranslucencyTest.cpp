// Translucent forms, read from the window's extended style, its layered attributes and
// its class style (the display shows no alpha without a compositor): alpha blending, the
// fade-in and its end states, hiding during a fade, the drop shadow.
#include "DialogLookFixtures.h"

using namespace dialoglook;

namespace {

bool Layered(TCustomForm* form) { return (GetWindowLongPtrA(form->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED) != 0; }

// The opacity of a layered window, or -1 when it has none.
int Opacity(TCustomForm* form) {
  BYTE alpha = 0;
  DWORD flags = 0;
  if (!GetLayeredWindowAttributes(form->Handle(), nullptr, &alpha, &flags) || (flags & LWA_ALPHA) == 0) return -1;
  return alpha;
}

class Translucency : public DialogLookTest {
 protected:
  // A dialog in the default look with the translucency set before it is shown.
  TspFormSkinner* MakeDialog(bool animation, bool blend, BYTE value = 200) {
    forms_.push_back(formskin::MakeForm(200, 150, 300, 200));
    auto* skinner = new TspFormSkinner(forms_.back().get());
    skinner->AlphaBlendAnimation = animation;
    skinner->SetAlphaBlendValue(value);
    skinner->SetAlphaBlend(blend);
    return skinner;
  }
};

TEST_F(Translucency, AFadeInEndsOpaqueAloneOrAtTheBlendValueWithAlphaBlending) {
  struct Case {
    bool animation, blend;
    bool layered;
    int opacity;
  };
  const Case cases[] = {{true, false, false, -1}, {true, true, true, 200}, {false, true, true, 200}};
  for (const Case& c : cases) {
    TspFormSkinner* skinner = MakeDialog(c.animation, c.blend);
    TCustomForm* form = skinner->OwnerForm;
    form->Show();
    EXPECT_TRUE(Layered(form)) << c.animation << c.blend << ": shown transparent";
    EXPECT_EQ(Opacity(form), 0) << c.animation << c.blend;
    testsupport::ServeUntil([&] { return Layered(form) == c.layered && (!c.layered || Opacity(form) == c.opacity); },
                            3000);
    testsupport::ServeApplication(100);  // nothing changes after the end
    EXPECT_EQ(Layered(form), c.layered) << c.animation << c.blend;
    if (c.layered) EXPECT_EQ(Opacity(form), c.opacity) << c.animation << c.blend;
    forms_.clear();
  }
}

TEST_F(Translucency, TheFadeClimbsInStepsOfTen) {
  TspFormSkinner* skinner = MakeDialog(true, true, 250);
  TCustomForm* form = skinner->OwnerForm;
  form->Show();
  std::vector<int> seen;
  testsupport::ServeUntil(
      [&] {
        const int opacity = Opacity(form);
        if (seen.empty() || seen.back() != opacity) seen.push_back(opacity);
        return opacity == 250;
      },
      5000);
  ASSERT_GE(seen.size(), 2u);
  EXPECT_EQ(seen.back(), 250);
  for (int opacity : seen) EXPECT_EQ(opacity % 10, 0) << opacity;
}

TEST_F(Translucency, HidingDuringTheFadeStopsIt) {
  TspFormSkinner* skinner = MakeDialog(true, false);
  TCustomForm* form = skinner->OwnerForm;
  std::vector<std::string> log;
  testsupport::TMessageSpy spy(form, "form", {WM_TIMER}, &log);
  form->Show();
  testsupport::ServeUntil([&] { return Opacity(form) > 0; }, 2000);
  ASSERT_GT(Opacity(form), 0);
  ASSERT_LT(Opacity(form), 255);
  form->Hide();
  EXPECT_FALSE(Layered(form));
  log.clear();
  testsupport::ServeApplication(150);
  EXPECT_TRUE(log.empty()) << "the fade's timer still ticks";
}

TEST_F(Translucency, AlphaBlendingSetOnAShownFormAppliesAtOnce) {
  TspFormSkinner* skinner = ShowSkinned(300, 200, nullptr);
  TCustomForm* form = skinner->OwnerForm;
  EXPECT_FALSE(Layered(form));
  skinner->SetAlphaBlend(true);
  EXPECT_TRUE(Layered(form));
  EXPECT_EQ(Opacity(form), 200);
  skinner->SetAlphaBlendValue(120);
  EXPECT_EQ(Opacity(form), 120);
  skinner->SetAlphaBlend(false);
  EXPECT_FALSE(Layered(form));
  skinner->SetAlphaBlendValue(90);  // stored for later, not applied
  EXPECT_FALSE(Layered(form));
  EXPECT_EQ(skinner->AlphaBlendValue(), 90);
}

TEST_F(Translucency, TheShadowIsTheWindowClassDropShadowStyle) {
  TspFormSkinner* skinner = ShowSkinned(300, 200, nullptr);
  HWND window = skinner->OwnerForm->Handle();
  auto shadow = [window] { return (GetClassLongPtrA(window, GCL_STYLE) & CS_DROPSHADOW) != 0; };
  ASSERT_FALSE(shadow());
  skinner->EnableShadow(true, true);
  EXPECT_TRUE(skinner->ShadowEnabled);
  EXPECT_TRUE(shadow());
  EXPECT_TRUE(IsWindowVisible(window)) << "shown again after the change";
  skinner->EnableShadow(false, false);
  EXPECT_FALSE(shadow());
  EXPECT_FALSE(skinner->ShadowEnabled);
}

}  // namespace
