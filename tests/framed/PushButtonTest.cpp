// The framed push button through real input: groups, the default look moving with the
// focus, Enter, Space, leaving before the release, the form's modal result.
#include <gtest/gtest.h>

#include "ButtonTestSupport.h"
#include "classlib/formres/FormResource.h"
#include "classlib/formres/PropertyBinders.h"
#include "classlib/stdctrls/Edit.h"
#include "classlib/windowing/Button.h"
#include "framed/FrButton.h"
#include "framed/FrCommon_Colors.h"

namespace {

using buttontests::Host;
using buttontests::OnForm;
using buttontests::TCounter;

class FramedPushButton : public OnForm {};

TEST_F(FramedPushButton, PressingTheSecondOfAGroupRaisesTheFirst) {
  Host host(form_);
  auto* first = host.Add<TFrButton>(10, 10, 75, 25, "First");
  auto* second = host.Add<TFrButton>(100, 10, 75, 25, "Second");
  first->SetGroupIndex(1);
  second->SetGroupIndex(1);
  testsupport::Click(first, 20, 10);
  EXPECT_TRUE(first->Down());
  testsupport::Click(second, 20, 10);
  EXPECT_TRUE(second->Down());
  EXPECT_FALSE(first->Down());
  // Without AllowAllUp the down button stays down when clicked again.
  testsupport::Click(second, 20, 10);
  EXPECT_TRUE(second->Down());
  second->SetAllowAllUp(true);
  EXPECT_TRUE(first->AllowAllUp());
  testsupport::Click(second, 20, 10);
  EXPECT_FALSE(second->Down());
}

TEST_F(FramedPushButton, DownOnAnUngroupedButtonDoesNothing) {
  Host host(form_);
  auto* button = host.Add<TFrButton>(10, 10, 75, 25, "Alone");
  button->SetDown(true);
  EXPECT_FALSE(button->Down());
}

// The classic look marks the default button with a window-frame edge.
bool ShowsDefault(TFrButton* button) {
  button->Repaint();
  return testsupport::ControlPixel(button, 0, 12) == static_cast<COLORREF>(ColorToRGB(clWindowFrame));
}

TEST_F(FramedPushButton, TheDefaultLookFollowsTheFocusedPushButton) {
  Host host(form_);
  auto* edit = new TEdit(host.Panel());
  edit->SetParent(host.Panel());
  edit->SetBounds(10, 100, 100, 21);
  auto* ok = host.Add<TFrButton>(10, 10, 75, 25, "OK");
  auto* other = host.Add<TFrButton>(100, 10, 75, 25, "Other");
  auto* plain = new TButton(host.Panel());
  plain->SetParent(host.Panel());
  plain->SetBounds(190, 10, 75, 25);
  TCounter okClicks, otherClicks;
  ok->OnClick = okClicks.Event();
  other->OnClick = otherClicks.Event();
  edit->SetFocus();
  ok->SetDefault(true);
  EXPECT_TRUE(ok->Active());
  EXPECT_TRUE(ShowsDefault(ok));
  EXPECT_FALSE(ShowsDefault(other));
  testsupport::PressKey(VK_RETURN);
  EXPECT_EQ(1, okClicks.count);

  other->SetFocus();
  testsupport::ServeApplication(30);
  EXPECT_FALSE(ok->Active());
  EXPECT_TRUE(other->Active());
  EXPECT_FALSE(ShowsDefault(ok));
  testsupport::PressKey(VK_RETURN);
  EXPECT_EQ(1, okClicks.count);
  EXPECT_EQ(1, otherClicks.count);

  plain->SetFocus();
  testsupport::ServeApplication(30);
  EXPECT_FALSE(ok->Active());
  EXPECT_FALSE(other->Active());

  edit->SetFocus();
  testsupport::ServeApplication(30);
  EXPECT_TRUE(ok->Active());
  EXPECT_FALSE(other->Active());
}

TEST_F(FramedPushButton, SpaceClicksOnce) {
  Host host(form_);
  auto* button = host.Add<TFrButton>(10, 10, 75, 25, "Space");
  TCounter clicks;
  button->OnClick = clicks.Event();
  button->SetFocus();
  testsupport::HoldKey(VK_SPACE);
  EXPECT_TRUE(button->ShowDownVersion());
  EXPECT_EQ(0, clicks.count);
  testsupport::ReleaseKey(VK_SPACE);
  EXPECT_FALSE(button->ShowDownVersion());
  EXPECT_EQ(1, clicks.count);
}

TEST_F(FramedPushButton, LeavingBeforeTheReleaseDoesNotClick) {
  Host host(form_);
  auto* button = host.Add<TFrButton>(10, 10, 75, 25, "Leave");
  TCounter clicks;
  button->OnClick = clicks.Event();
  testsupport::Drag(button, 20, 10, 20, 120);
  EXPECT_EQ(0, clicks.count);
  EXPECT_FALSE(button->ShowDownVersion());
  testsupport::Click(button, 20, 10);
  EXPECT_EQ(1, clicks.count);
}

TEST_F(FramedPushButton, AClickSetsTheFormsModalResult) {
  Host host(form_);
  auto* button = host.Add<TFrButton>(10, 10, 75, 25, "Yes");
  button->SetModalResult(mrYes);
  testsupport::Click(button, 20, 10);
  EXPECT_EQ(mrYes, form_->ModalResult());
  form_->SetModalResult(mrNone);
}

TEST_F(FramedPushButton, HotTrackShowsTheParentBehindTheRoundedCorners) {
  Host host(form_);
  auto* button = host.Add<TFrButton>(10, 10, 75, 25, "Round");
  button->SetHotTrack(true);
  EXPECT_TRUE(button->Transparent());
  host.Panel()->Repaint();
  button->Repaint();
  EXPECT_EQ(static_cast<COLORREF>(buttontests::kBack), testsupport::ControlPixel(button, 0, 0));
  EXPECT_EQ(static_cast<COLORREF>(buttontests::kBack), testsupport::ControlPixel(button, 74, 24));
  EXPECT_EQ(static_cast<COLORREF>(ColorToRGB(DarkenColor(clBtnFace, 20))), testsupport::ControlPixel(button, 1, 1));
  EXPECT_EQ(static_cast<COLORREF>(ColorToRGB(LightenColor(clBtnFace, 20))), testsupport::ControlPixel(button, 73, 23));
}

// A form class without a resource: the test hands it a text.
class TPushButtonForm : public TComponent {
  CLASSLIB_CLASS(TPushButtonForm, TComponent)
 public:
  explicit TPushButtonForm(TComponent* owner) : TComponent(owner) {}
};

TEST(FramedPushButtonResource, OlderFrameFlatSetsHotTrackAndTransparency) {
  RegisterFormClass(TPushButtonForm::StaticClass(), {}, {});
  TPushButtonForm form(nullptr);
  ReadFormText(&form, TPushButtonForm::StaticClass(),
               "object F: TPushButtonForm\n"
               "  object B: TFrButton\n    FrameFlat = True\n    ModalResult = 1\n    Cancel = True\n  end\n"
               "end\n",
               "Push.form");
  auto* button = static_cast<TFrButton*>(form.FindComponent("B"));
  ASSERT_NE(nullptr, button);
  EXPECT_TRUE(button->HotTrack());
  EXPECT_TRUE(button->Transparent());
  EXPECT_EQ(mrOk, button->ModalResult());
  EXPECT_TRUE(button->Cancel());
}

}  // namespace
