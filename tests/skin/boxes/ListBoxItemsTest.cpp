// What the rows show besides their text and how wide rows scroll: images, tab stops, the
// horizontal bar with its offset, columns, and items kept over a new window.
#include <algorithm>
#include <functional>

#include <gtest/gtest.h>

#include "ListBoxFixtures.h"
#include "classlib/graphics/ImageList.h"
#include "window_support.h"

using namespace boxtest;

namespace {

constexpr int kImageSize = 16;
const TColor kImageColours[] = {clRed, clLime};

class ListBoxRows : public ListBoxTest {
 protected:
  // An image list of flat 16 x 16 images, one per colour given.
  void MakeImages(int count) {
    images = std::make_unique<TImageList>(nullptr);
    images->SetSize(kImageSize, kImageSize);
    for (int i = 0; i < count; ++i) {
      TBitmap image;
      image.SetPixelFormat(pf24bit);
      image.SetSize(kImageSize, kImageSize);
      image.Canvas()->Brush()->SetColor(kImageColours[i]);
      image.Canvas()->FillRect(Rect(0, 0, kImageSize, kImageSize));
      images->Add(&image, nullptr);
    }
  }

  HWND Inner() { return list->ListBox()->Handle(); }
  // The first column of row `y` in the text colour.
  int TextStart(int y) {
    const std::vector<int> columns = ColumnsOf(Inner(), y, list->ListBox()->Width(), clWindowText);
    return columns.empty() ? -1 : columns.front();
  }
  void SetTabs(std::initializer_list<const char*> lines) {
    TStringList tabs;
    for (const char* line : lines) tabs.Add(line);
    list->SetTabWidths(&tabs);
  }

  std::unique_ptr<TImageList> images;
};

}  // namespace

TEST_F(ListBoxRows, OneImageForEveryRowMovesTheTextByItsWidthAndFour) {
  list->Items()->Add("l");
  list->Items()->Add("l");
  testsupport::ServeApplication(30);
  const int plainStart = TextStart(10);
  ASSERT_GE(plainStart, 4);  // the text rectangle starts at 2, the text 2 further

  MakeImages(2);
  list->SetImages(images.get());
  list->SetImageIndex(0);
  testsupport::ServeApplication(30);
  for (int row = 0; row < 2; ++row) {
    const int y = row * 20 + 10;
    EXPECT_EQ(ColorToRGB(clRed), testsupport::ControlPixel(list->ListBox(), 2, y)) << row;
    EXPECT_EQ(ColorToRGB(clRed), testsupport::ControlPixel(list->ListBox(), 2 + kImageSize - 1, y)) << row;
    EXPECT_EQ(plainStart + kImageSize + 2, TextStart(y)) << row;
  }
}

TEST_F(ListBoxRows, RowsBeyondTheLastImageShowNoneButKeepTheOffset) {
  for (int i = 0; i < 3; ++i) list->Items()->Add("l");
  MakeImages(1);
  list->SetImages(images.get());
  testsupport::ServeApplication(30);
  EXPECT_EQ(ColorToRGB(clRed), testsupport::ControlPixel(list->ListBox(), 8, 10));
  EXPECT_EQ(ColorToRGB(clWindow), testsupport::ControlPixel(list->ListBox(), 8, 30));
  EXPECT_EQ(ColorToRGB(clWindow), testsupport::ControlPixel(list->ListBox(), 8, 50));
  EXPECT_EQ(TextStart(10), TextStart(30));
  EXPECT_EQ(TextStart(10), TextStart(50));

  images.reset();  // freeing the image list leaves the rows without images
  EXPECT_EQ(nullptr, list->Images());
  list->ListBox()->Repaint();
}

TEST_F(ListBoxRows, TabStopsComeFromTheFirstTenLinesAndOtherTextCountsAsZero) {
  struct TCase {
    std::vector<std::string> lines;
    std::vector<int> stops;
  };
  const TCase cases[] = {
      {{"40", "x", "120"}, {40, 0, 120}},
      {{"", "7a", "-5", " 9"}, {0, 0, 0, 0}},
      {{"2147483647", "2147483648", "99999999999999999999"}, {2147483647, 0, 0}},
      {{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
  };
  for (const TCase& c : cases) {
    TStringList lines;
    for (const std::string& line : c.lines) lines.Add(line.c_str());
    EXPECT_EQ(c.stops, TspListBox::TabStops(&lines)) << c.lines.front();
  }
}

TEST_F(ListBoxRows, TabbedTextStartsItsColumnsAtTheStops) {
  // Stops count from the row's left edge; the text starts 2 pixels in.
  SetTabs({"60"});
  list->Items()->Add("l\tl");
  testsupport::ServeApplication(30);
  const std::vector<int> columns = ColumnsOf(Inner(), 10, list->ListBox()->Width(), clWindowText);
  ASSERT_FALSE(columns.empty());
  const int bearing = columns.front() - 2;
  EXPECT_TRUE(std::find(columns.begin(), columns.end(), 60 + bearing) != columns.end()) << bearing;
  EXPECT_TRUE(std::none_of(columns.begin(), columns.end(), [&](int x) { return x > bearing + 5 && x < 60; }));
}

TEST_F(ListBoxRows, AWideItemGetsAHorizontalBarThatShiftsTheText) {
  list->SetHorizontalExtent(true);
  list->Items()->Add("short");
  EXPECT_EQ(nullptr, list->HScrollBar());
  list->Items()->Add(AnsiString(std::string(60, 'W').c_str()));
  testsupport::ServeApplication(30);
  TspSkinScrollBar* bar = list->HScrollBar();
  ASSERT_NE(nullptr, bar);
  EXPECT_EQ(sbHorizontal, bar->Kind());
  EXPECT_EQ(list->ListBox()->Width() - 4, bar->PageSize());
  EXPECT_EQ(bar->Top(), list->ListBox()->Top() + list->ListBox()->Height());

  auto before = testsupport::CaptureWindow(Inner(), Rect(0, 20, 120, 40));
  bar->SetPosition(10);
  testsupport::ServeApplication(30);
  EXPECT_EQ(10, list->ListBox()->HorizontalOffset());
  auto after = testsupport::CaptureWindow(Inner(), Rect(0, 20, 120, 40));
  int differing = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 2; x < 100; ++x)
      if (after->Canvas()->Pixels(x, y) != before->Canvas()->Pixels(x + 10, y)) ++differing;
  EXPECT_EQ(0, differing);

  list->Items()->Delete(1);  // nothing wide any more: the bar goes and the offset with it
  testsupport::ServeApplication(30);
  EXPECT_EQ(nullptr, list->HScrollBar());
  EXPECT_EQ(0, list->ListBox()->HorizontalOffset());
}

TEST_F(ListBoxRows, AWideItemIsMeasuredWhereverItArrives) {
  const AnsiString wide(std::string(60, 'W').c_str());
  const std::function<void(TStrings*)> arrivals[] = {
      [&](TStrings* items) { items->Add(wide); },
      [&](TStrings* items) { items->Insert(1, wide); },
      [&](TStrings* items) { items->SetStrings(2, wide); },
  };
  int way = 0;
  for (const auto& arrive : arrivals) {
    list->Clear();
    list->SetHorizontalExtent(true);
    Fill(5);
    ASSERT_EQ(nullptr, list->HScrollBar()) << way;
    arrive(list->Items());
    testsupport::ServeApplication(20);
    ASSERT_NE(nullptr, list->HScrollBar()) << way;
    EXPECT_GT(list->HScrollBar()->Max(), list->ListBox()->Width()) << way;
    list->SetHorizontalExtent(false);
    EXPECT_EQ(nullptr, list->HScrollBar()) << way;
    ++way;
  }
}

TEST_F(ListBoxRows, ItemsAddedInAnUpdateGetTheirBarsWhenItEnds) {
  list->SetHorizontalExtent(true);
  list->SetSorted(true);
  TStrings* items = list->Items();
  items->BeginUpdate();
  for (int i = 0; i < 30; ++i) items->Add(AnsiString(("item " + std::to_string(i)).c_str()));
  items->Add(AnsiString(("item 1" + std::string(60, 'W')).c_str()));  // sorted into the middle
  EXPECT_EQ(nullptr, list->ScrollBar());
  EXPECT_EQ(nullptr, list->HScrollBar());
  items->EndUpdate();
  ASSERT_NE(nullptr, list->ScrollBar());
  EXPECT_EQ(30, list->ScrollBar()->Max());
  ASSERT_NE(nullptr, list->HScrollBar());
  EXPECT_GT(list->HScrollBar()->Max(), list->ListBox()->Width());
}

TEST_F(ListBoxRows, WideningTheListEatsTheOffset) {
  for (const auto& [widening, offset] : {std::pair{30, 20}, std::pair{80, 0}, std::pair{-10, 60}}) {
    TspListBox* inner = list->ListBox();
    inner->SetHorizontalOffset(50);
    inner->SetBounds(inner->Left(), inner->Top(), inner->Width() + widening, inner->Height());
    EXPECT_EQ(offset, inner->HorizontalOffset()) << widening;
    inner->SetBounds(inner->Left(), inner->Top(), inner->Width() - widening, inner->Height());
  }
}

TEST_F(ListBoxRows, ArrowKeysAndTheWheelMoveTheHorizontalBar) {
  list->SetHorizontalExtent(true);
  list->Items()->Add(AnsiString(std::string(60, 'W').c_str()));
  testsupport::ServeApplication(30);
  TspSkinScrollBar* bar = list->HScrollBar();
  ASSERT_NE(nullptr, bar);
  const int step = bar->SmallChange();
  ASSERT_GT(step, 0);
  list->ListBox()->SetFocus();
  testsupport::PressKey(VK_RIGHT);
  testsupport::PressKey(VK_RIGHT);
  EXPECT_EQ(2 * step, bar->Position());
  testsupport::PressKey(VK_LEFT);
  EXPECT_EQ(step, list->ListBox()->HorizontalOffset());
  Wheel(-WHEEL_DELTA);  // no row bar: the wheel goes sideways
  EXPECT_EQ(2 * step, bar->Position());
}

TEST_F(ListBoxRows, TwoColumnsScrollSidewaysWithTheColumnBar) {
  list->SetColumns(2);
  Fill(40);
  TspSkinScrollBar* bar = list->ScrollBar();
  ASSERT_NE(nullptr, bar);
  EXPECT_EQ(sbHorizontal, bar->Kind());
  EXPECT_EQ(list->Height() - 20, bar->Top());
  EXPECT_EQ(bar->Top(), list->ListBox()->Top() + list->ListBox()->Height());
  const int rows = list->ListBox()->Height() / 20;
  bar->SetPosition(1);
  EXPECT_EQ(rows, list->TopIndex());
  bar->SetPosition(2);
  EXPECT_EQ(2 * rows, list->TopIndex());
  bar->SetPosition(0);
  EXPECT_EQ(0, list->TopIndex());
}

TEST_F(ListBoxRows, ANewWindowKeepsTheItemsAndTheirData) {
  Fill(3);
  list->Items()->SetObjects(1, reinterpret_cast<TObject*>(0x1234));
  list->SetItemIndex(2);
  list->ListBox()->RecreateWnd();
  list->ListBox()->HandleNeeded();
  ASSERT_EQ(3, list->Items()->Count());
  EXPECT_EQ(AnsiString("item 1"), list->Items()->Strings(1));
  EXPECT_EQ(reinterpret_cast<TObject*>(0x1234), list->Items()->Objects(1));
  EXPECT_EQ(2, list->ItemIndex());
}
