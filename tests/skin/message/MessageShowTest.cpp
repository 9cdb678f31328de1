// Boxes shown modally: answered with real keys and clicks, the Help button, the
// show-again check box read back, the eight operations, and the shipped dialog skin.
#include <string>
#include <vector>

#include "MessageFixture.h"
#include "classlib/stdctrls/Image.h"
#include "classlib/windowing/Application.h"
#include "skin/data/Sputils_System.h"
#include "window_support.h"

using namespace skinmessage;
using testsupport::Click;
using testsupport::PressKey;

namespace {

const TMsgDlgButtons kOkCancel{mbOK, mbCancel};

int ShowOverwrite(TspSkinMessage& message, const TMsgDlgButtons& buttons) {
  return message.MessageDlg("Do you want to overwrite old file?", mtWarning, buttons, 0);
}

// Clicks the middle of a button of the box.
void ClickButton(TCustomForm* form, const char* name) {
  auto* button = dynamic_cast<TControl*>(form->FindComponent(name));
  ASSERT_NE(nullptr, button) << name;
  Click(button, button->Width() / 2, button->Height() / 2);
}

struct KeyCase {
  TMsgDlgButtons buttons;
  WORD key;
  int answer;
};

class MessageKeyTest : public MessageTest, public ::testing::WithParamInterface<KeyCase> {};

}  // namespace

TEST_P(MessageKeyTest, AKeyAnswersWithItsButton) {
  const int answer =
      Answer([&] { return ShowOverwrite(message, GetParam().buttons); }, [&](TspMessageForm*) { PressKey(GetParam().key); });
  EXPECT_EQ(GetParam().answer, answer);
}

INSTANTIATE_TEST_SUITE_P(Keys, MessageKeyTest,
                         ::testing::Values(KeyCase{kOkCancel, VK_RETURN, 1}, KeyCase{kOkCancel, VK_ESCAPE, 2},
                                           KeyCase{{mbYes, mbNo}, VK_RETURN, 6}, KeyCase{{mbYes, mbNo}, VK_ESCAPE, 7},
                                           KeyCase{{mbAbort, mbRetry, mbIgnore}, VK_RETURN, 4}));

TEST_F(MessageTest, EscapeWithoutACancelButtonLeavesTheBoxOpen) {
  bool openAfterEscape = false;
  const int answer = Answer([&] { return ShowOverwrite(message, {mbAbort, mbRetry, mbIgnore}); },
                            [&](TspMessageForm* form) {
                              PressKey(VK_ESCAPE);
                              openAfterEscape = form->ModalResult() == mrNone && form->Visible();
                              ClickButton(form, "Ignore");
                            });
  EXPECT_TRUE(openAfterEscape);
  EXPECT_EQ(mrIgnore, answer);
}

TEST_F(MessageTest, ClickingAButtonAnswersItsResult) {
  const int answer =
      Answer([&] { return ShowOverwrite(message, kOkCancel); }, [&](TspMessageForm* form) { ClickButton(form, "Cancel"); });
  EXPECT_EQ(mrCancel, answer);
}

namespace {

struct HelpCase {
  const char* name;
  const char* boxFile;  // null: MessageDlg, without a help file of its own
  const char* applicationFile;
  std::vector<std::vector<std::string>> requests;
};

class MessageHelpTest : public MessageTest, public ::testing::WithParamInterface<HelpCase> {};

}  // namespace

TEST_P(MessageHelpTest, HelpAsksForTheTopicOnceAndLeavesTheBoxOpen) {
  testsupport::TRecordedActions actions;
  Application->SetHelpFile(GetParam().applicationFile);
  bool open = false;
  const int answer = Answer(
      [&] {
        const TMsgDlgButtons buttons{mbOK, mbHelp};
        return GetParam().boxFile != nullptr
                   ? message.MessageDlgHelp("Convert?", mtConfirmation, buttons, 42, GetParam().boxFile)
                   : message.MessageDlg("Convert?", mtConfirmation, buttons, 42);
      },
      [&](TspMessageForm* form) {
        ClickButton(form, "Help");
        testsupport::ServeApplication(50);
        open = form->ModalResult() == mrNone && form->Visible();
        ClickButton(form, "OK");
      });
  Application->SetHelpFile("");
  EXPECT_TRUE(open);
  EXPECT_EQ(mrOk, answer);
  EXPECT_EQ(GetParam().requests, actions.Lines());
}

INSTANTIATE_TEST_SUITE_P(
    Files, MessageHelpTest,
    ::testing::Values(HelpCase{"BoxFile", "C:\\box.hlp", "", {{"help", "C:\\box.hlp", "1", "42"}}},
                      HelpCase{"BoxFileFirst", "C:\\box.hlp", "C:\\app.hlp", {{"help", "C:\\box.hlp", "1", "42"}}},
                      HelpCase{"ApplicationFile", nullptr, "C:\\app.hlp", {{"help", "C:\\app.hlp", "1", "42"}}},
                      HelpCase{"NoFileAsksNothing", nullptr, "", {}}),
    [](const ::testing::TestParamInfo<HelpCase>& info) { return std::string(info.param.name); });

struct ShowAgainCase {
  bool valueIn;
  bool clickBox;
  bool valueOut;
};

class MessageShowAgainTest : public MessageTest, public ::testing::WithParamInterface<ShowAgainCase> {};

TEST_P(MessageShowAgainTest, TheFlagValueIsTheBoxUnticked) {
  message.ShowAgainFlag = true;
  message.ShowAgainFlagValue = GetParam().valueIn;
  const int answer = Answer([&] { return ShowOverwrite(message, kOkCancel); }, [&](TspMessageForm* form) {
    if (GetParam().clickBox) Click(form->CheckBox, 8, form->CheckBox->Height() / 2);
    PressKey(VK_RETURN);
  });
  EXPECT_EQ(mrOk, answer);
  EXPECT_EQ(GetParam().valueOut, message.ShowAgainFlagValue);
}

// Coming in false the box starts ticked; unticking it gives true.
INSTANTIATE_TEST_SUITE_P(Flags, MessageShowAgainTest,
                         ::testing::Values(ShowAgainCase{false, true, true}, ShowAgainCase{false, false, false},
                                           ShowAgainCase{true, false, true}, ShowAgainCase{true, true, false}));

TEST_F(MessageTest, TheFlagValueIsReadBackWhenTheBoxIsClosed) {
  message.ShowAgainFlag = true;
  message.ShowAgainFlagValue = false;
  const int answer = Answer([&] { return ShowOverwrite(message, kOkCancel); }, [&](TspMessageForm* form) {
    Click(form->CheckBox, 8, form->CheckBox->Height() / 2);
    PostMessageA(form->Handle(), WM_CLOSE, 0, 0);
    testsupport::ServeApplication(30);
  });
  EXPECT_EQ(mrCancel, answer);
  EXPECT_TRUE(message.ShowAgainFlagValue);
}

namespace {

// What an operation gave its box, seen while it showed.
struct Seen {
  std::string caption;
  bool icon = false;
  std::string helpFile;
  int helpContext = 0;
  TPoint topLeft;
  bool centred = false;
};

struct OperationCase {
  const char* name;
  std::function<int(TspSkinMessage&, TCustomImageList*)> call;
  const char* caption;
  bool icon;
  const char* helpFile;
  bool centred;  // else at (30, 40)
};

class MessageOperationTest : public MessageTest, public ::testing::WithParamInterface<OperationCase> {};

}  // namespace

TEST_P(MessageOperationTest, TheOperationShapesItsBox) {
  std::unique_ptr<TCustomImageList> images = OneIconList(32, IDI_HAND);
  Seen seen;
  const int answer = Answer([&] { return GetParam().call(message, images.get()); }, [&](TspMessageForm* form) {
    seen.caption = form->Caption().c_str();
    auto* image = dynamic_cast<TImage*>(form->FindComponent("Image"));
    seen.icon = image != nullptr && !image->Picture()->Icon()->Empty();
    seen.helpFile = form->HelpFile().c_str();
    seen.helpContext = form->HelpContext();
    seen.topLeft = Point(form->Left(), form->Top());
    const TRect area = GetMonitorWorkArea(form->Handle(), true);
    seen.centred = form->Left() == area.Left + area.Width() / 2 - form->Width() / 2 &&
                   form->Top() == area.Top + area.Height() / 2 - form->Height() / 2;
    PressKey(VK_RETURN);
  });
  EXPECT_EQ(mrOk, answer);
  EXPECT_EQ(GetParam().caption, seen.caption);
  EXPECT_EQ(GetParam().icon, seen.icon);
  EXPECT_EQ(GetParam().helpFile, seen.helpFile);
  EXPECT_EQ(7, seen.helpContext);
  if (GetParam().centred) {
    EXPECT_TRUE(seen.centred);
  } else {
    EXPECT_EQ(Point(30, 40), seen.topLeft);
  }
}

const TMsgDlgButtons kOk{mbOK};

INSTANTIATE_TEST_SUITE_P(
    Operations, MessageOperationTest,
    ::testing::Values(
        OperationCase{"MessageDlg", [](TspSkinMessage& m, TCustomImageList*) { return m.MessageDlg("t", mtError, kOk, 7); },
                      "Error", true, "", true},
        OperationCase{"MessageDlgPos",
                      [](TspSkinMessage& m, TCustomImageList*) { return m.MessageDlgPos("t", mtError, kOk, 7, 30, 40); },
                      "Error", true, "", false},
        OperationCase{"MessageDlgHelp",
                      [](TspSkinMessage& m, TCustomImageList*) { return m.MessageDlgHelp("t", mtError, kOk, 7, "a.hlp"); },
                      "Error", true, "a.hlp", true},
        OperationCase{"MessageDlg2",
                      [](TspSkinMessage& m, TCustomImageList*) { return m.MessageDlg2("t", "Own", mtError, kOk, 7); },
                      "Own", true, "", true},
        OperationCase{"MessageDlgHelp2",
                      [](TspSkinMessage& m, TCustomImageList*) {
                        return m.MessageDlgHelp2("t", "Own", mtError, kOk, 7, "b.hlp");
                      },
                      "Own", true, "b.hlp", true},
        OperationCase{"CustomMessageDlg",
                      [](TspSkinMessage& m, TCustomImageList* i) { return m.CustomMessageDlg("t", "Own", i, 0, kOk, 7); },
                      "Own", true, "", true},
        OperationCase{"CustomMessageDlgPos",
                      [](TspSkinMessage& m, TCustomImageList* i) {
                        return m.CustomMessageDlgPos("t", "Own", i, 0, kOk, 7, 30, 40);
                      },
                      "Own", true, "", false},
        OperationCase{"CustomMessageDlgHelp",
                      [](TspSkinMessage& m, TCustomImageList* i) {
                        return m.CustomMessageDlgHelp("t", "Own", i, 5, kOk, 7, "c.hlp");
                      },
                      "Own", false, "c.hlp", true}),
    [](const ::testing::TestParamInfo<OperationCase>& info) { return std::string(info.param.name); });

TEST_F(MessageTest, TheShippedSkinDrawsTheBox) {
  std::unique_ptr<TspSkinData> skin = LoadShippedSkin();
  message.SetSkinData(skin.get());
  message.SetCtrlSkinData(skin.get());
  bool skinned = false;
  bool looksFound = false;
  int buttonHeight = 0;
  const int answer = Answer([&] { return ShowOverwrite(message, kOkCancel); }, [&](TspMessageForm* form) {
    skinned = form->FormSkinner()->SkinUsable;
    TspSkinButton* ok = ButtonOf(form, "OK");
    looksFound = ok->LookIndex() >= 0 && form->MessageLabel->LookIndex() >= 0;
    buttonHeight = ok->Height();
    testsupport::SaveScreenshot(form->Handle(), "message-box-skinned");
    PressKey(VK_ESCAPE);
  });
  EXPECT_EQ(mrCancel, answer);
  EXPECT_TRUE(skinned);
  EXPECT_TRUE(looksFound);
  EXPECT_EQ(25, buttonHeight);
}
