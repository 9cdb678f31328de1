// The skinned buttons bar on a shown form: section buttons stacked above and below the
// open section, the section's click, items scrolled with the up and down buttons, the
// refused item height, and the web style's underlined hot item.
#include "ButtonFixture.h"
#include "window_support.h"

using namespace skinbuttons;

namespace {

int CountColour(TControl* control, TColor colour) {
  control->Repaint();
  testsupport::ServeApplication(10);
  HWND window = control->Parent()->Handle();
  HDC dc = GetDC(window);
  int count = 0;
  for (int y = 0; y < control->Height(); ++y)
    for (int x = 0; x < control->Width(); ++x)
      if (GetPixel(dc, control->Left() + x, control->Top() + y) == static_cast<COLORREF>(colour)) ++count;
  ReleaseDC(window, dc);
  return count;
}

class ButtonsBarTest : public ButtonTest {
 protected:
  // A bar of `sections` sections (the first with `items` items) on the form.
  TspSkinButtonsBar* PlaceBar(int sections, int items, int height = 300) {
    auto* bar = new TspSkinButtonsBar(form);
    bar->SetAlign(alNone);
    bar->SetParent(form);
    bar->SetBounds(0, 0, 150, height);
    for (int i = 0; i < sections; ++i) {
      TspButtonBarSection* section = bar->Sections()->Add();
      section->SetText(("Section " + std::to_string(i)).c_str());
      section->OnClick = sectionClicks.Event();
    }
    for (int i = 0; i < items; ++i) bar->Sections()->Items(0)->Items()->Add()->SetText("Item");
    bar->HandleNeeded();
    bar->UpdateSections();
    bar->UpdateItems();
    testsupport::ServeApplication(20);
    return bar;
  }

  static TspSectionButton* Button(TspSkinButtonsBar* bar, int section) {
    for (TspSectionButton* button : bar->SectionButtons())
      if (button->SectionIndex() == section) return button;
    return nullptr;
  }

  TCallCounter sectionClicks;
};

TEST_F(ButtonsBarTest, SectionButtonsUpToTheOpenOneStandAtTheTop) {
  TspSkinButtonsBar* bar = PlaceBar(3, 0);
  bar->SetSectionIndex(1);
  const int top = Button(bar, 0)->Top();
  EXPECT_EQ(top + 25, Button(bar, 1)->Top());
  EXPECT_EQ(bar->ClientHeight() - top - 25, Button(bar, 2)->Top());
  EXPECT_EQ(top + 50, bar->ItemPanel()->Top());

  bar->SetSectionIndex(2);
  EXPECT_EQ(top + 25, Button(bar, 1)->Top());
  EXPECT_EQ(top + 50, Button(bar, 2)->Top());
  EXPECT_EQ(top + 75, bar->ItemPanel()->Top());

  bar->SetSectionIndex(3);
  EXPECT_EQ(2, bar->SectionIndex());
}

TEST_F(ButtonsBarTest, ClickingAClosedSectionFiresItsClickTwiceTheOpenOneOnce) {
  TspSkinButtonsBar* bar = PlaceBar(3, 0);
  bar->SetSectionIndex(1);
  sectionClicks.count = 0;
  PressAt(Button(bar, 0), 20, 10);
  ReleaseButton();
  EXPECT_EQ(0, bar->SectionIndex());
  EXPECT_EQ(2, sectionClicks.count);
  PressAt(Button(bar, 0), 20, 10);
  ReleaseButton();
  EXPECT_EQ(3, sectionClicks.count);
}

TEST_F(ButtonsBarTest, ItemsThatDoNotFitScrollWithTheUpAndDownButtons) {
  TspSkinButtonsBar* bar = PlaceBar(1, 5);
  bar->SetShowButtons(false);
  bar->SetBounds(0, 0, 150, 202);
  testsupport::ServeApplication(20);
  ASSERT_EQ(200, bar->ItemPanel()->Height());
  EXPECT_EQ(3, bar->VisibleItemCount());
  EXPECT_EQ(nullptr, bar->UpButton());
  ASSERT_NE(nullptr, bar->DownButton());

  PressAt(bar->DownButton(), 9, 9);
  ReleaseButton();
  EXPECT_EQ(1, bar->FirstVisibleItem());
  bar->ScrollDown();
  EXPECT_EQ(2, bar->FirstVisibleItem());
  EXPECT_NE(nullptr, bar->UpButton());
  EXPECT_EQ(nullptr, bar->DownButton());
  EXPECT_EQ(0, bar->SectionItems()[2]->Top());
  EXPECT_EQ(nullptr, bar->SectionItems()[1]->Parent());

  // Grown while scrolled to the end, the last item stays at the bottom.
  bar->SetBounds(0, 0, 150, 262);
  testsupport::ServeApplication(20);
  EXPECT_EQ(4, bar->VisibleItemCount());
  EXPECT_EQ(1, bar->FirstVisibleItem());
}

TEST_F(ButtonsBarTest, AnItemHeightOfZeroOrLessIsRefused) {
  TspSkinButtonsBar* bar = PlaceBar(1, 5);
  bar->SetItemHeight(0);
  bar->SetItemHeight(-3);
  EXPECT_EQ(60, bar->ItemHeight());
  bar->SetItemHeight(40);
  EXPECT_EQ(40, bar->ItemHeight());
}

TEST_F(ButtonsBarTest, TheWebStyleUnderlinesTheHoveredItemInTheHotColour) {
  TspSkinButtonsBar* bar = PlaceBar(1, 2);
  bar->SetWebStyle(true);
  bar->UpdateItems();
  testsupport::ServeApplication(20);
  TspSectionItem* item = bar->SectionItems()[0];
  ASSERT_TRUE(item->WebStyle());
  const int normalText = CountColour(item, ColorToRGB(bar->DefaultItemFont()->Color()));
  EXPECT_LT(0, normalText);
  EXPECT_EQ(0, CountColour(item, clBlue));
  testsupport::MoveMouse(item, 5, 5);
  EXPECT_GT(CountColour(item, clBlue), normalText);
}

}  // namespace
