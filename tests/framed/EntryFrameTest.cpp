// What the framed combo box, edit, memo and spin edit share, run for each of them: the
// colour that follows the state, older resources' "FrameFlat", Enter as Tab, the frame
// controller's link.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "ButtonTestSupport.h"
#include "classlib/formres/FormResource.h"
#include "classlib/stdctrls/Edit.h"
#include "framed/FrCmboBx.h"
#include "framed/FrEdit.h"
#include "framed/FrSpnEdt.h"

namespace {

using buttontests::Host;
using buttontests::OnForm;

struct EntryKind {
  const char* className;
  std::function<TWinControl*(Host&)> make;
  std::function<TFrEntryFrame&(TWinControl*)> frame;
};

template <class C>
EntryKind Kind(const char* className) {
  return {className, [](Host& host) -> TWinControl* { return host.Add<C>(10, 10, 120, 40); },
          [](TWinControl* control) -> TFrEntryFrame& { return static_cast<C*>(control)->EntryFrame(); }};
}

const EntryKind kKinds[] = {Kind<TFrComboBox>("TFrComboBox"), Kind<TFrEdit>("TFrEdit"), Kind<TFrMemo>("TFrMemo"),
                            Kind<TFrSpinEdit>("TFrSpinEdit")};

class FramedEntryFrame : public OnForm {
 protected:
  static TEdit* AddOther(Host& host) {
    auto* other = new TEdit(host.Panel());
    other->SetParent(host.Panel());
    other->SetBounds(10, 120, 100, 21);
    return other;
  }
};

TEST_F(FramedEntryFrame, TheColourFollowsDisabledFocusedAndRestStates) {
  for (const EntryKind& kind : kKinds) {
    SCOPED_TRACE(kind.className);
    Host host(form_);
    TWinControl* control = kind.make(host);
    TEdit* other = AddOther(host);
    TFrEntryFrame& frame = kind.frame(control);
    frame.SetDisabledColor(clGray);
    frame.SetFocusColor(clAqua);

    control->SetEnabled(false);
    EXPECT_EQ(clGray, control->Color());
    control->SetEnabled(true);
    EXPECT_EQ(clWindow, control->Color());
    EXPECT_EQ(clWindow, frame.RestColor());

    control->SetFocus();
    testsupport::ServeApplication(20);
    EXPECT_EQ(clAqua, control->Color());
    // A colour set while focused shows at once and becomes the rest colour; the focus
    // colour differed from the old rest colour, so it stays.
    frame.SetColor(clYellow);
    EXPECT_EQ(clYellow, control->Color());
    EXPECT_EQ(clYellow, frame.RestColor());
    EXPECT_EQ(clAqua, frame.FocusColor());
    other->SetFocus();
    testsupport::ServeApplication(20);
    EXPECT_EQ(clYellow, control->Color());

    // A focus colour equal to the rest colour moves with it.
    frame.SetFocusColor(clYellow);
    control->SetFocus();
    testsupport::ServeApplication(20);
    frame.SetColor(clLime);
    EXPECT_EQ(clLime, frame.FocusColor());
    EXPECT_EQ(clLime, control->Color());
  }
}

TEST_F(FramedEntryFrame, EnterWithTabOnEnterMovesTheFocusAndTypesNothing) {
  for (const EntryKind& kind : kKinds) {
    SCOPED_TRACE(kind.className);
    Host host(form_);
    TWinControl* control = kind.make(host);
    TEdit* other = AddOther(host);
    kind.frame(control).SetTabOnEnter(true);
    control->SetText("7");
    control->SetFocus();
    testsupport::ServeApplication(20);
    testsupport::PressKey(VK_RETURN);
    testsupport::ServeUntil([other] { return other->Focused(); }, 1000);
    EXPECT_TRUE(other->Focused());
    EXPECT_EQ("7", control->Text().str());
  }
}

TEST_F(FramedEntryFrame, AFreedFrameControllerIsForgotten) {
  for (const EntryKind& kind : kKinds) {
    SCOPED_TRACE(kind.className);
    Host host(form_);
    TWinControl* control = kind.make(host);
    auto* controller = new TFrFrameController(nullptr);
    controller->SetFrameColor(clRed);
    controller->SetFrameVisible(true);
    kind.frame(control).SetFrameController(controller);
    EXPECT_EQ(clRed, kind.frame(control).FrameColor());
    EXPECT_TRUE(kind.frame(control).FrameVisible());
    delete controller;
    EXPECT_EQ(nullptr, kind.frame(control).FrameController());
  }
}

// A form class without a resource: the test hands it a text.
class TEntryForm : public TComponent {
  CLASSLIB_CLASS(TEntryForm, TComponent)
 public:
  explicit TEntryForm(TComponent* owner) : TComponent(owner) {}
};

TEST(FramedEntryFrameResource, OlderFrameFlatMeansAHotTrackingStatusFrameThatLowers) {
  RegisterFormClass(TEntryForm::StaticClass(), {}, {});
  for (const EntryKind& kind : kKinds) {
    SCOPED_TRACE(kind.className);
    TEntryForm form(nullptr);
    ReadFormText(&form, TEntryForm::StaticClass(),
                 AnsiString("object F: TEntryForm\n  object E: ") + kind.className +
                     "\n    FrameFlat = True\n    FrameFlatStyle = fsBump\n"
                     "  end\nend\n",
                 "Entry.form");
    auto* control = static_cast<TWinControl*>(form.FindComponent("E"));
    ASSERT_NE(nullptr, control);
    TFrEntryFrame& frame = kind.frame(control);
    EXPECT_TRUE(frame.FrameHotTrack());
    EXPECT_TRUE(frame.FrameVisible());
    EXPECT_EQ(fsStatus, frame.FrameStyle());
    EXPECT_EQ(fsLowered, frame.FrameHotStyle());
  }
}

}  // namespace
