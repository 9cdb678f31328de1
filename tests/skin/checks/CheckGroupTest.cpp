// The radio and check groups: buttons made from Items and laid out in columns, the
// selection, the group's click, enabling and the buttons' font.
#include "CheckFixture.h"
#include "window_support.h"

using namespace skinchecks;
using skinbuttons::TCallCounter;

namespace {

template <class G>
class GroupTest : public CheckTest {
 protected:
  G* MakeGroup(std::initializer_list<const char*> items, int columns = 1) {
    auto* group = new G(form);
    group->SetParent(form);
    group->SetBounds(10, 10, 210, 130);
    group->SetCaption("Category");
    group->SetColumns(columns);
    for (const char* item : items) group->Items()->Add(item);
    group->OnClick = clicks.Event();
    return group;
  }
  // The client area the buttons share.
  TRect Area(G* group) {
    TRect area = Rect(0, 0, group->Width(), group->Height());
    TControlAccess::Adjust(group, area);
    return area;
  }

  TCallCounter clicks;

 private:
  struct TControlAccess : G {
    static void Adjust(G* group, TRect& rect) { (group->*(&TControlAccess::AdjustClientRect))(rect); }
  };
};

using RadioGroupTest = GroupTest<TspSkinRadioGroup>;
using CheckGroupTest = GroupTest<TspSkinCheckGroup>;

}  // namespace

TEST_F(RadioGroupTest, FiveItemsInTwoColumnsFillTheFirstColumnFirst) {
  TspSkinRadioGroup* group = MakeGroup({"MPEG-4", "AVI", "WMV", "MP3", "WAV"}, 2);
  ASSERT_EQ(5, group->ButtonCount());
  const TRect area = Area(group);
  ASSERT_GT(area.Top, 0);  // below the caption bar
  const int width = area.Width() / 2 - 2, height = area.Height() / 3;
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    TspSkinCheckRadioBox* button = group->Buttons(i);
    EXPECT_EQ(i / 3 * width + area.Left + 1, button->Left());
    EXPECT_EQ(i % 3 * height + area.Top, button->Top());
    EXPECT_EQ(width, button->Width());
    EXPECT_EQ(height, button->Height());
    EXPECT_TRUE(button->Visible());
    EXPECT_TRUE(button->Radio());
    EXPECT_TRUE(button->Flat());
    EXPECT_TRUE(button->TabStop());
    EXPECT_EQ(1, button->GroupIndex());
    EXPECT_EQ(i, button->ImageIndex());
    EXPECT_STREQ(group->Items()->Strings(i).c_str(), button->Caption().c_str());
  }
  // The size follows the group.
  group->SetWidth(310);
  EXPECT_EQ(Area(group).Width() / 2 - 2, group->Buttons(4)->Width());
}

TEST_F(RadioGroupTest, ColumnsStayBetweenOneAndSixteen) {
  TspSkinRadioGroup* group = MakeGroup({"a", "b"});
  for (const auto& [set, taken] : {std::pair{0, 1}, {-3, 1}, {20, 16}, {16, 16}, {2, 2}}) {
    group->SetColumns(set);
    EXPECT_EQ(taken, group->Columns()) << set;
  }
}

TEST_F(RadioGroupTest, SelectingReportsOnceAndMinusOneUnchecksSilently) {
  TspSkinRadioGroup* group = MakeGroup({"Video", "Audio", "Pictures"});
  group->SetItemIndex(1);
  EXPECT_TRUE(group->Buttons(1)->Checked());
  EXPECT_EQ(1, clicks.count);
  group->SetItemIndex(1);
  EXPECT_EQ(1, clicks.count);
  group->SetItemIndex(2);
  EXPECT_FALSE(group->Buttons(1)->Checked());
  EXPECT_TRUE(group->Buttons(2)->Checked());
  EXPECT_EQ(2, clicks.count);
  group->SetItemIndex(-1);
  EXPECT_EQ(-1, group->ItemIndex());
  EXPECT_FALSE(group->Buttons(2)->Checked());
  EXPECT_EQ(2, clicks.count);
  group->SetItemIndex(9);
  EXPECT_EQ(2, group->ItemIndex());
}

TEST_F(RadioGroupTest, RemovingLinesPullsTheSelectionToTheLastLine) {
  TspSkinRadioGroup* group = MakeGroup({"Video", "Audio", "Pictures", "Other"});
  group->SetItemIndex(3);
  const int reported = clicks.count;
  group->Items()->Delete(3);
  group->Items()->Delete(2);
  EXPECT_EQ(2, group->ButtonCount());
  EXPECT_EQ(1, group->ItemIndex());
  EXPECT_TRUE(group->Buttons(1)->Checked());
  EXPECT_EQ(reported, clicks.count);
  group->Items()->Clear();
  EXPECT_EQ(-1, group->ItemIndex());
  EXPECT_EQ(0, group->ButtonCount());
}

TEST_F(RadioGroupTest, ClickingAButtonSelectsItAndClickingTheSelectedOneFiresNothing) {
  TspSkinRadioGroup* group = MakeGroup({"Video", "Audio", "Pictures"});
  testsupport::ServeApplication(30);
  testsupport::Click(group->Buttons(2), 20, 8);
  EXPECT_EQ(2, group->ItemIndex());
  EXPECT_EQ(1, clicks.count);
  testsupport::Click(group->Buttons(2), 20, 8);
  EXPECT_EQ(1, clicks.count);
  testsupport::Click(group->Buttons(0), 20, 8);
  EXPECT_EQ(0, group->ItemIndex());
  EXPECT_FALSE(group->Buttons(2)->Checked());
  EXPECT_EQ(2, clicks.count);
}

TEST_F(RadioGroupTest, DisablingTheGroupDisablesEveryButton) {
  TspSkinRadioGroup* group = MakeGroup({"Video", "Audio"});
  group->SetEnabled(false);
  for (int i = 0; i < 2; ++i) EXPECT_FALSE(group->Buttons(i)->Enabled());
  group->Items()->Add("Pictures");
  EXPECT_FALSE(group->Buttons(2)->Enabled());
  group->SetEnabled(true);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(group->Buttons(i)->Enabled());
}

TEST_F(RadioGroupTest, TheButtonsTakeButtonDefaultFontNotTheGroupsFont) {
  TspSkinRadioGroup* group = MakeGroup({"Video"});
  EXPECT_STREQ("Arial", group->Buttons(0)->DefaultFont()->Name().c_str());
  EXPECT_EQ(14, group->Buttons(0)->DefaultFont()->Height());
  TFont bold;
  bold.SetName("Courier New");
  bold.SetHeight(20);
  group->SetButtonDefaultFont(&bold);
  group->Font()->SetName("Times New Roman");
  group->Items()->Add("Audio");
  for (int i = 0; i < 2; ++i) {
    EXPECT_STREQ("Courier New", group->Buttons(i)->DefaultFont()->Name().c_str());
    EXPECT_EQ(20, group->Buttons(i)->DefaultFont()->Height());
  }
}

TEST_F(CheckGroupTest, ToggleSetsItemIndexAndFiresTheGroupsClick) {
  TspSkinCheckGroup* group = MakeGroup({"Subtitles", "Chapters", "Cover"}, 3);
  EXPECT_EQ(0, group->Buttons(1)->GroupIndex());
  EXPECT_FALSE(group->Buttons(1)->Radio());
  testsupport::ServeApplication(30);
  testsupport::Click(group->Buttons(1), 10, 8);
  EXPECT_TRUE(group->GetCheckedStatus(1));
  EXPECT_EQ(1, group->ItemIndex());
  EXPECT_EQ(1, clicks.count);
  group->SetCheckedStatus(2, true);
  EXPECT_EQ(2, group->ItemIndex());
  EXPECT_EQ(2, clicks.count);
  // Check boxes of the group never exclude each other; unchecking reports too.
  EXPECT_TRUE(group->GetCheckedStatus(1));
  testsupport::Click(group->Buttons(1), 10, 8);
  EXPECT_FALSE(group->GetCheckedStatus(1));
  EXPECT_EQ(3, clicks.count);
}

TEST_F(CheckGroupTest, StatusOutsideTheButtonsIsFalseAndSetsNothing) {
  TspSkinCheckGroup* group = MakeGroup({"Subtitles"});
  group->SetCheckedStatus(0, true);
  for (int index : {-1, 1, 5}) {
    EXPECT_FALSE(group->GetCheckedStatus(index)) << index;
    group->SetCheckedStatus(index, true);
  }
  EXPECT_EQ(1, clicks.count);
  EXPECT_EQ(0, group->ItemIndex());
}

namespace {

struct TKeyLog {
  std::vector<WORD> keys;
  void KeyDown(TObject* sender, WORD& key, TShiftState shift) {
    (void)sender;
    (void)shift;
    keys.push_back(key);
  }
};

}  // namespace

TEST_F(CheckGroupTest, KeysOnAButtonReachTheGroupAndSpaceTogglesIt) {
  TspSkinCheckGroup* group = MakeGroup({"Subtitles", "Chapters"});
  TKeyLog log;
  group->OnKeyDown = TKeyEvent(&log, &TKeyLog::KeyDown);
  testsupport::ServeApplication(30);
  group->Buttons(1)->SetFocus();
  testsupport::PressKey(VK_SPACE);
  EXPECT_EQ(std::vector<WORD>{VK_SPACE}, log.keys);
  EXPECT_TRUE(group->GetCheckedStatus(1));
  EXPECT_EQ(1, group->ItemIndex());
  EXPECT_EQ(1, clicks.count);
}
