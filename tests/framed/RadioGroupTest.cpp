// The framed radio group: the choice kept in range, loading from a form resource, refused
// changes, columns and the item font.
#include <gtest/gtest.h>

#include "ButtonTestSupport.h"
#include "classlib/formres/FormResource.h"
#include "classlib/formres/PropertyBinders.h"
#include "framed/FrRadGrp.h"

namespace {

using buttontests::OnForm;
using buttontests::TCounter;

class FramedRadioGroup : public OnForm {
 protected:
  // A group of `count` items on the suite's form, freed by the test.
  static std::unique_ptr<TFrRadioGroup> MakeGroup(int count) {
    auto group = std::make_unique<TFrRadioGroup>(nullptr);
    group->SetParent(form_);
    group->SetBounds(10, 10, 280, 200);
    for (int i = 0; i < count; ++i) group->Items()->Add(AnsiString("Item ") + IntToStr(i));
    return group;
  }
  static int CheckedButton(TFrRadioGroup* group) {
    int checked = -1;
    for (int i = 0; i < group->ButtonCount(); ++i) {
      if (group->GetButton(i)->Checked()) {
        EXPECT_EQ(-1, checked) << "one button checked";
        checked = i;
      }
    }
    return checked;
  }
};

TEST_F(FramedRadioGroup, ItemIndexIsKeptInRange) {
  struct Case {
    int value;
    int expected;
  };
  for (Case c : {Case{5, 2}, Case{-7, -1}, Case{1, 1}}) {
    auto group = MakeGroup(3);
    group->SetItemIndex(c.value);
    EXPECT_EQ(c.expected, group->ItemIndex()) << c.value;
    EXPECT_EQ(c.expected, CheckedButton(group.get())) << c.value;
  }
}

TEST_F(FramedRadioGroup, RemovingItemsPastTheIndexMovesItToTheLast) {
  auto group = MakeGroup(5);
  group->SetItemIndex(4);
  group->Items()->Delete(4);
  group->Items()->Delete(3);
  EXPECT_EQ(2, group->ItemIndex());
  EXPECT_EQ(3, group->ButtonCount());
  EXPECT_EQ(2, CheckedButton(group.get()));
}

TEST_F(FramedRadioGroup, ClickingAnItemChecksItAndClicksTheGroupOnce) {
  auto group = MakeGroup(3);
  group->SetItemIndex(0);
  TCounter clicks;
  group->OnClick = clicks.Event();
  testsupport::Click(group->GetButton(2), 5, 8);
  EXPECT_EQ(2, group->ItemIndex());
  EXPECT_EQ(2, CheckedButton(group.get()));
  EXPECT_EQ(1, clicks.count);
}

// Refuses every change.
struct TRefuser {
  int asked = -1;
  void Changing(TObject*, int newIndex, bool& allow) {
    asked = newIndex;
    allow = false;
  }
};

TEST_F(FramedRadioGroup, RefusedChangeKeepsTheOldItemCheckedAndFocused) {
  auto group = MakeGroup(3);
  group->SetItemIndex(0);
  TRefuser refuser;
  group->OnChanging = TFrIndexChangingEvent(&refuser, &TRefuser::Changing);
  TCounter clicks;
  group->OnClick = clicks.Event();
  testsupport::Click(group->GetButton(1), 5, 8);
  EXPECT_EQ(1, refuser.asked);
  EXPECT_EQ(0, group->ItemIndex());
  EXPECT_EQ(0, CheckedButton(group.get()));
  EXPECT_TRUE(group->GetButton(0)->Focused());
  EXPECT_EQ(0, clicks.count);
}

TEST_F(FramedRadioGroup, ColumnsAreKeptWithinOneToSixteen) {
  struct Case {
    int value;
    int expected;
  };
  for (Case c : {Case{0, 1}, Case{20, 16}, Case{3, 3}}) {
    auto group = MakeGroup(2);
    group->SetColumns(c.value);
    EXPECT_EQ(c.expected, group->Columns()) << c.value;
  }
}

TEST_F(FramedRadioGroup, FiveItemsInTwoColumnsGiveThreeRowsAndTwo) {
  for (bool evenly : {false, true}) {
    auto group = MakeGroup(5);
    group->SetSpaceEvenly(evenly);
    group->SetColumns(2);
    const int left0 = group->GetButton(0)->Left(), left1 = group->GetButton(3)->Left();
    EXPECT_LT(left0, left1) << "evenly " << evenly;
    for (int i : {1, 2}) EXPECT_EQ(left0, group->GetButton(i)->Left()) << i << " evenly " << evenly;
    EXPECT_EQ(left1, group->GetButton(4)->Left()) << "evenly " << evenly;
    EXPECT_EQ(group->GetButton(0)->Top(), group->GetButton(3)->Top());
    EXPECT_EQ(group->GetButton(1)->Top(), group->GetButton(4)->Top());
    EXPECT_EQ(group->ItemHeight() + group->VerticalSpacing(), group->GetButton(1)->Top() - group->GetButton(0)->Top());
    EXPECT_LT(group->GetButton(1)->Top(), group->GetButton(2)->Top());
  }
}

TEST_F(FramedRadioGroup, ItemsFollowTheFontUntilTheItemFontIsSet) {
  auto group = MakeGroup(2);
  group->Font()->SetSize(14);
  EXPECT_EQ(14, group->ItemFont()->Size());
  EXPECT_EQ(14, group->GetButton(1)->Font()->Size());
  group->ItemFont()->SetSize(9);
  EXPECT_EQ(9, group->GetButton(1)->Font()->Size());
  group->Font()->SetSize(18);
  EXPECT_EQ(9, group->ItemFont()->Size());
  EXPECT_EQ(9, group->GetButton(0)->Font()->Size());
}

TEST_F(FramedRadioGroup, ItemButtonsTakeTheItemLook) {
  auto group = MakeGroup(2);
  group->SetItemHotTrack(true);
  group->SetItemFrameColor(8409372);
  group->SetItemHighlightColor(2203937);
  for (int i = 0; i < 2; ++i) {
    TFrGroupButton* button = group->GetButton(i);
    EXPECT_TRUE(button->Visible());
    EXPECT_TRUE(button->HotTrack());
    EXPECT_EQ(TColor(8409372), button->FrameColor());
    EXPECT_EQ(TColor(2203937), button->HighlightColor());
    EXPECT_EQ(clTeal, button->WinMaskColor());
    EXPECT_EQ(AnsiString("Item ") + IntToStr(i), button->Caption());
  }
}

// A form class without a resource: the test hands it a text.
class TRadioGroupForm : public TComponent {
  CLASSLIB_CLASS(TRadioGroupForm, TComponent)
 public:
  explicit TRadioGroupForm(TComponent* owner) : TComponent(owner) {}
};

TEST(FramedRadioGroupResource, TheStoredIndexWaitsForTheItems) {
  RegisterFormClass(TRadioGroupForm::StaticClass(), {}, {});
  TRadioGroupForm form(nullptr);
  ReadFormText(&form, TRadioGroupForm::StaticClass(),
               "object F: TRadioGroupForm\n"
               "  object Group: TFrRadioGroup\n"
               "    ItemIndex = 2\n"
               "    Columns = 2\n"
               "    Flat = True\n"
               "    Items = ( 'One' 'Two' 'Three' )\n"
               "  end\n"
               "end\n",
               "Group.form");
  auto* group = static_cast<TFrRadioGroup*>(form.FindComponent("Group"));
  ASSERT_NE(nullptr, group);
  EXPECT_EQ(2, group->ItemIndex());
  ASSERT_EQ(3, group->ButtonCount());
  EXPECT_TRUE(group->GetButton(2)->Checked());
  EXPECT_FALSE(group->GetButton(0)->Checked());
  EXPECT_TRUE(group->ItemHotTrack());
  EXPECT_EQ(2, group->Columns());
}

}  // namespace
