// The framed combo box through real keys, clicks and wheel turns: type-ahead in a
// drop-down list on a held search clock, completion in an editable combo box with its
// restrictions, the read-only mode, the frame and the flat button on screen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ButtonTestSupport.h"
#include "classlib/stdctrls/Clipboard.h"
#include "framed/FrCmboBx.h"
#include "framed/FrCommon_Colors.h"

namespace {

using buttontests::Host;
using buttontests::OnForm;
using buttontests::TCounter;

class FramedComboBox : public OnForm {
 protected:
  TFrComboBox* AddCombo(Host& host, TComboBoxStyle style) {
    auto* combo = host.Add<TFrComboBox>(10, 10, 150, 21);
    combo->SetStyle(style);
    for (const char* item : {"Alpha", "Beta", "Bravo", "Charlie"}) combo->Items()->Add(item);
    combo->OnChange = changes_.Event();
    return combo;
  }
  static int Beeps(const testsupport::TRecordedActions& actions) {
    int count = 0;
    for (const auto& line : actions.Lines()) count += line.at(0) == "beep" ? 1 : 0;
    return count;
  }
  // One turn of the wheel over the control (negative: towards the user).
  static void Wheel(TControl* control, int turns) {
    testsupport::MoveMouse(control, 20, 10);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_WHEEL;
    input.mi.mouseData = static_cast<DWORD>(turns * WHEEL_DELTA);
    SendInput(1, &input, sizeof input);
    testsupport::ServeApplication(30);
  }
  static void FireSearchTick(TFrComboBox* combo) { combo->SearchTimer()->OnTimer(combo->SearchTimer()); }

  TCounter changes_;
};

// Each step: the keys typed (or a tick of the search clock), then the selection and the
// search text expected, and whether the step beeps.
struct SearchStep {
  const char* keys;  // "<tick>", "<back>", "<esc>" or letters
  int index;
  const char* searchText;
  bool beeps;
};

TEST_F(FramedComboBox, TypeAheadInADropDownListFollowsTheHeldSearchClock) {
  Host host(form_);
  TFrComboBox* combo = AddCombo(host, csDropDownList);
  combo->SetItemIndex(0);
  combo->SetFocus();
  testsupport::TRecordedActions actions;
  const SearchStep steps[] = {
      {"b", 1, "b", false},       {"r", 2, "br", false},  // two letters in time: "Bravo"
      {"z", 2, "br", true},                               // nothing matches: beep, all kept
      {"<tick>", 2, "", false},   {"c", 3, "c", false},   // after the pause "c" searches alone
      {"<tick>", 3, "", false},   {"br", 2, "br", false},
      {"<back>", 1, "b", false},                          // one letter less: "Beta"
      {"<back>", 0, "", false},                           // empty: item 0
      {"c", 3, "c", false},       {"<esc>", 0, "", false},   // Escape, list closed: item 0
  };
  for (const SearchStep& step : steps) {
    SCOPED_TRACE(step.keys);
    const int beepsBefore = Beeps(actions);
    const std::string keys = step.keys;
    if (keys == "<tick>") FireSearchTick(combo);
    else if (keys == "<back>") testsupport::PressKey(VK_BACK);
    else if (keys == "<esc>") testsupport::PressKey(VK_ESCAPE);
    else testsupport::TypeText(keys);
    EXPECT_EQ(step.index, combo->ItemIndex());
    EXPECT_EQ(std::string(step.searchText), combo->SearchText().str());
    EXPECT_EQ(step.beeps, Beeps(actions) > beepsBefore);
  }
  EXPECT_FALSE(combo->DroppedDown());
}

TEST_F(FramedComboBox, TypingAPrefixCompletesTheTextAndSelectsTheTail) {
  Host host(form_);
  TFrComboBox* combo = AddCombo(host, csDropDown);
  TCounter matches;
  combo->OnMatch = matches.Event();
  combo->SetFocus();
  testsupport::TypeText("br");
  EXPECT_EQ("Bravo", combo->Text().str());
  EXPECT_EQ(2, combo->SelStart());
  EXPECT_EQ(3, combo->SelLength());
  EXPECT_EQ(2, matches.count);
  // With the letters' case kept, the typed part stays as typed.
  combo->SetText("");
  combo->SetKeepSearchCase(true);
  testsupport::TypeText("bR");
  EXPECT_EQ("bRavo", combo->Text().str());
}

TEST_F(FramedComboBox, WithoutAllowEditOnlyItemPrefixesMayBeTyped) {
  Host host(form_);
  TFrComboBox* combo = AddCombo(host, csDropDown);
  combo->SetAllowEdit(false);
  combo->SetFocus();
  testsupport::TRecordedActions actions;
  testsupport::TypeText("ch");
  ASSERT_EQ("Charlie", combo->Text().str());
  testsupport::TypeText("x");
  EXPECT_EQ(1, Beeps(actions));
  EXPECT_EQ("Charlie", combo->Text().str());
  EXPECT_EQ("ch", combo->SearchText().str());
  Clipboard()->SetAsText("Zulu");
  combo->SetEditSel(0, combo->Text().Length());
  testsupport::PressKey('V', {ssCtrl});
  EXPECT_EQ("Charlie", combo->Text().str());
}

TEST_F(FramedComboBox, WithAllowEditAnUnknownLetterIsInsertedQuietly) {
  Host host(form_);
  TFrComboBox* combo = AddCombo(host, csDropDown);
  combo->SetFocus();
  testsupport::TRecordedActions actions;
  testsupport::TypeText("bx");
  EXPECT_EQ("bx", combo->Text().str());
  EXPECT_EQ(0, Beeps(actions));
}

TEST_F(FramedComboBox, LeavingWithATextThatIsNoItemFiresNotInList) {
  Host host(form_);
  TFrComboBox* combo = AddCombo(host, csDropDown);
  auto* other = host.Add<TFrComboBox>(10, 60, 150, 21);
  TCounter notInList;
  combo->OnNotInList = notInList.Event();
  struct LeaveCase {
    const char* text;
    int fires;
  };
  for (const LeaveCase& leave : {LeaveCase{"Zulu", 1}, LeaveCase{"", 0}, LeaveCase{"Beta", 0}}) {
    SCOPED_TRACE(leave.text);
    notInList.count = 0;
    combo->SetFocus();
    combo->SetTextWithoutCompletion(leave.text);
    other->SetFocus();
    testsupport::ServeApplication(20);
    EXPECT_EQ(leave.fires, notInList.count);
  }
}

TEST_F(FramedComboBox, ReadOnlyListOpensNotByClickButTheWheelStillSteps) {
  Host host(form_);
  TFrComboBox* combo = AddCombo(host, csDropDownList);
  combo->SetReadOnly(true);
  combo->SetItemIndex(2);
  testsupport::Click(combo, 140, 10);
  EXPECT_FALSE(combo->DroppedDown());
  changes_.count = 0;
  Wheel(combo, -1);
  EXPECT_EQ(3, combo->ItemIndex());
  EXPECT_EQ(1, changes_.count);
  Wheel(combo, -1);  // the last item stays, quietly
  EXPECT_EQ(3, combo->ItemIndex());
  EXPECT_EQ(1, changes_.count);
  combo->SetItemIndex(0);
  Wheel(combo, 1);  // item 0 stays, quietly
  EXPECT_EQ(0, combo->ItemIndex());
  EXPECT_EQ(1, changes_.count);
  Wheel(combo, -1);
  EXPECT_EQ(1, combo->ItemIndex());
}

TEST_F(FramedComboBox, DropDownWidthOutlivesANewWindow) {
  Host host(form_);
  TFrComboBox* combo = AddCombo(host, csDropDownList);
  combo->SetDropDownWidth(260);
  combo->SetSorted(true);  // makes the window again
  EXPECT_EQ(260, SendMessageA(combo->Handle(), CB_GETDROPPEDWIDTH, 0, 0));
}

// ---- On screen ----

TEST_F(FramedComboBox, AVisibleFrameShowsItsColourOnItsSidesOverTheColourRings) {
  Host host(form_);
  TFrComboBox* combo = AddCombo(host, csDropDownList);
  TFrEntryFrame& frame = combo->EntryFrame();
  frame.SetColor(clYellow);
  frame.SetFrameColor(clRed);
  frame.SetFrameSides(TSides{sdLeft, sdTop});
  frame.SetFrameVisible(true);
  combo->Repaint();
  const int right = combo->Width() - 1;
  EXPECT_EQ(ColorToRGB(clRed), testsupport::ControlPixel(combo, 0, 10));
  EXPECT_EQ(ColorToRGB(clRed), testsupport::ControlPixel(combo, 40, 0));
  EXPECT_EQ(ColorToRGB(clYellow), testsupport::ControlPixel(combo, 1, 10));  // second ring
  EXPECT_EQ(ColorToRGB(clYellow), testsupport::ControlPixel(combo, right, 10));
  EXPECT_EQ(ColorToRGB(clYellow), testsupport::ControlPixel(combo, 40, combo->Height() - 1));
}

TEST_F(FramedComboBox, HotTrackingShowsTheHotStyleInTheHotColourUnderThePointer) {
  Host host(form_);
  TFrComboBox* combo = AddCombo(host, csDropDownList);
  TFrEntryFrame& frame = combo->EntryFrame();
  frame.SetFrameColor(clRed);
  frame.SetFrameHotColor(clBlue);
  frame.SetFrameHotTrack(true);  // frame visible, hot style fsFlatBold
  EXPECT_TRUE(frame.FrameVisible());
  testsupport::MoveMouse(host.Panel(), 300, 200);
  combo->Repaint();
  EXPECT_EQ(ColorToRGB(clRed), testsupport::ControlPixel(combo, 0, 10));
  EXPECT_NE(ColorToRGB(clRed), testsupport::ControlPixel(combo, 1, 10));
  testsupport::MoveMouse(combo, 40, 10);
  testsupport::ServeApplication(20);
  EXPECT_EQ(ColorToRGB(clBlue), testsupport::ControlPixel(combo, 0, 10));
  EXPECT_EQ(ColorToRGB(clBlue), testsupport::ControlPixel(combo, 1, 10));
}

TEST_F(FramedComboBox, FlatButtonsShowAFlatArrowUntilHot) {
  Host host(form_);
  TFrComboBox* combo = AddCombo(host, csDropDownList);
  combo->EntryFrame().SetColor(clYellow);
  combo->SetFlatButtons(true);
  testsupport::MoveMouse(host.Panel(), 300, 200);
  combo->Repaint();
  const int buttonLeft = combo->Width() - GetSystemMetrics(SM_CXVSCROLL) - 2;
  EXPECT_EQ(ColorToRGB(clYellow), testsupport::ControlPixel(combo, buttonLeft, 3));
  testsupport::MoveMouse(combo, 40, 10);
  testsupport::ServeApplication(20);
  EXPECT_EQ(ColorToRGB(clBtnHighlight), testsupport::ControlPixel(combo, buttonLeft, 3));
}

}  // namespace
