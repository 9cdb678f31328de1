// The skinned list box with a skin: the frame's client part holds the inner list and its
// bar, the rows are cut from the look's item pictures in the look's text colours, a focus
// rectangle is drawn once, and the list's background is the tiled client piece.
#include <gtest/gtest.h>

#include "ListBoxFixtures.h"
#include "skin/form/Formskinner.h"
#include "window_support.h"

using namespace boxtest;

namespace {

class SkinnedListBox : public ListBoxTest {
 protected:
  void Skin(TspSkinData* skin = SharedListBoxSkin()) {
    list->SetSkinData(skin);
    testsupport::ServeApplication(30);
  }

  COLORREF Pixel(int x, int y) { return testsupport::ControlPixel(list->ListBox(), x, y); }
  int RowWidth() { return list->ListBox()->Width(); }
};

// Pixels of the top row of an item picture that are not the plain item colour: a dotted
// focus rectangle changes about every other one; two of them cancel out.
int ChangedTopPixels(TBitmap& item) {
  int changed = 0;
  for (int x = 0; x < item.Width(); ++x)
    if (item.Canvas()->Pixels(x, 0) != ColorToRGB(kItem) && item.Canvas()->Pixels(x, 0) != ColorToRGB(kFocusItem))
      ++changed;
  return changed;
}

}  // namespace

TEST_F(SkinnedListBox, TheInnerListFillsTheStretchedClientPartAndTheBarItsRightEdge) {
  Skin();
  Fill(30);
  EXPECT_EQ(20, list->ListBox()->ItemHeight());  // the height of "itemrect"
  const TRect client = list->ListRect();
  EXPECT_EQ(Rect(10, 10, 140, 190), client);
  TspSkinScrollBar* bar = list->ScrollBar();
  ASSERT_NE(nullptr, bar);
  EXPECT_EQ(client.Right, bar->Left() + bar->Width());
  EXPECT_EQ(client.Top, bar->Top());
  EXPECT_EQ(bar->Left(), list->ListBox()->Left() + list->ListBox()->Width());
  EXPECT_EQ(client.Height(), list->ListBox()->Height());
  EXPECT_EQ(60 - 40 + 3 * 20, list->CalcHeight(3));
}

TEST_F(SkinnedListBox, RowsAreCutFromTheStatePicturesInTheStateColours) {
  Skin();
  Fill(3);
  list->ListBox()->SetFocus();
  list->SetItemIndex(1);
  testsupport::ServeApplication(50);
  const int right = RowWidth() - 3;
  EXPECT_EQ(ColorToRGB(kItem), Pixel(right, 10));
  EXPECT_EQ(ColorToRGB(kFocusItem), Pixel(right, 30));
  EXPECT_FALSE(ColumnsOf(list->ListBox()->Handle(), 30, 60, kFocusFontColour).empty());
  EXPECT_FALSE(ColumnsOf(list->ListBox()->Handle(), 10, 60, kFontColour).empty());

  form->SetFocus();  // selected but not focused
  testsupport::ServeApplication(50);
  EXPECT_EQ(ColorToRGB(kActiveItem), Pixel(right, 30));
  EXPECT_FALSE(ColumnsOf(list->ListBox()->Handle(), 30, 60, kActiveFontColour).empty());
}

TEST_F(SkinnedListBox, AFocusRectangleIsDrawnOnceWhereTheLookAsksForIt) {
  auto showFocus = LoadListBoxSkin("listbox_showfocus", {{"listbox/showfocus", "1"}});
  struct TCase {
    TspSkinData* skin;
    TOwnerDrawState state;
    bool focusRect;
  };
  const TCase cases[] = {{SharedListBoxSkin(), {odFocused}, true},
                         {showFocus.get(), {odFocused}, true},
                         {SharedListBoxSkin(), {odFocused, odSelected}, false},
                         {showFocus.get(), {odFocused, odSelected}, true},
                         {showFocus.get(), {}, false}};
  Fill(1);
  for (const TCase& c : cases) {
    Skin(c.skin);
    TBitmap item;
    item.SetPixelFormat(pf24bit);
    item.SetSize(100, 20);
    list->ListBox()->DrawSkinItem(item.Canvas(), 0, c.state, Rect(0, 0, 100, 20));
    const int changed = ChangedTopPixels(item);
    if (c.focusRect) {
      EXPECT_GE(changed, 25) << "show focus " << (c.skin == showFocus.get());
      EXPECT_LE(changed, 75);
    } else {
      EXPECT_EQ(0, changed) << "show focus " << (c.skin == showFocus.get());
    }
  }
  list->SetSkinData(nullptr);
}

TEST_F(SkinnedListBox, AnEmptyListShowsTheTiledClientPieceEverywhere) {
  Skin();
  for (const auto& [x, y] : {std::pair{0, 0}, std::pair{45, 7}, std::pair{90, 130}, std::pair{129, 179}})
    EXPECT_EQ(ColorToRGB(ClientPieceColour(x % kClientPiece, y % kClientPiece)), Pixel(x, y)) << x << "," << y;
  TBitmap into;
  into.SetPixelFormat(pf24bit);
  into.SetSize(20, 20);
  EXPECT_EQ(kBENCPaintTag, SendMessageA(list->ListBox()->Handle(), CM_BEPAINT,
                                        reinterpret_cast<WPARAM>(into.Canvas()->Handle()), kBENCPaintTag));
  EXPECT_EQ(ColorToRGB(ClientPieceColour(5, 6)), into.Canvas()->Pixels(5, 6));
}

TEST_F(SkinnedListBox, RowsAtAnyHeightAreStretchedAndReportTheirOwnHeight) {
  Skin();
  list->SetUseSkinItemHeight(false);
  list->SetDefaultItemHeight(30);
  int reportedHeight = 0;
  struct TRecorder {
    int* height;
    void Draw(TCanvas*, int, int, int h, TRect, TOwnerDrawState) { *height = h; }
  } recorder{&reportedHeight};
  list->OnDrawItem = TspDrawSkinItemEvent(&recorder, &TRecorder::Draw);
  Fill(2);
  testsupport::ServeApplication(30);
  EXPECT_EQ(30, list->ListBox()->ItemHeight());
  EXPECT_EQ(30, reportedHeight);
  EXPECT_EQ(ColorToRGB(kItem), Pixel(RowWidth() - 3, 45));  // the second row, stretched from "itemrect"
}
