// The style pickers on a shown form: the built-in pictures on their faces, a choice in the
// open images menu, ItemIndex set in code, and the shadow picker's "No shadow".
#include "DropDownFixture.h"
#include "window_support.h"

using namespace dropdown;
using skinbuttons::PressAt;
using skinbuttons::ReleaseButton;

namespace {

// Does the control show the built-in picture `name` somewhere on its face?
bool ShowsPicture(TControl* control, const char* name) {
  TBitmap picture;
  picture.LoadFromResourceName(GetModuleHandleA(nullptr), name);
  const std::vector<TColor> shown = Shown(control);
  const int W = control->Width(), H = control->Height();
  const int w = picture.Width(), h = picture.Height();
  for (int top = 0; top + h <= H; ++top) {
    for (int left = 0; left + w <= W; ++left) {
      bool match = true;
      for (int y = 0; y < h && match; ++y)
        for (int x = 0; x < w && match; ++x)
          match = shown[static_cast<size_t>((top + y) * W + left + x)] == picture.Canvas()->Pixels(x, y);
      if (match) return true;
    }
  }
  return false;
}

class PickerTest : public DropDownTest {
 protected:
  template <class P>
  P* PlacePicker() {
    auto* picker = new P(form);
    picker->SetParent(form);
    picker->SetBounds(10, 10, picker->Width(), picker->Height());
    testsupport::ServeApplication(20);
    return picker;
  }
};

TEST_F(PickerTest, ANewGradientPickerShowsItsFirstPictureAndAChoiceShowsAnother) {
  auto* picker = PlacePicker<TspSkinGradientStyleButton>();
  EXPECT_EQ(65, picker->Width());
  EXPECT_EQ(6, picker->GraphicItems()->Count());
  EXPECT_EQ(0, picker->ItemIndex());
  EXPECT_TRUE(ShowsPicture(picker, "SP_GRAD_HORZ_IN"));

  skinbuttons::TCallCounter changes;
  picker->GraphicMenu()->OnChange = changes.Event();
  PressAt(picker, 10, 10);
  ReleaseButton();
  TspSkinImagesMenuPopupWindow* window = picker->GraphicMenu()->PopupWindow();
  ASSERT_NE(nullptr, window);
  const TRect item = window->GetItemRect(4);
  PressAt(window, (item.Left + item.Right) / 2, (item.Top + item.Bottom) / 2);
  ReleaseButton();
  EXPECT_TRUE(ServeUntil([&] { return picker->GraphicMenu()->PopupWindow() == nullptr; }));
  EXPECT_EQ(4, picker->ItemIndex());
  EXPECT_EQ(1, changes.count);
  EXPECT_FALSE(picker->Down());
  testsupport::MoveMouse(form, 310, 230);
  EXPECT_TRUE(ShowsPicture(picker, "SP_GRAD_VERT_OUT"));
  EXPECT_FALSE(ShowsPicture(picker, "SP_GRAD_HORZ_IN"));
}

TEST_F(PickerTest, ItemIndexSetInCodeRepaintsWithoutAChangeEvent) {
  auto* picker = PlacePicker<TspSkinBrushStyleButton>();
  skinbuttons::TCallCounter changes;
  picker->GraphicMenu()->OnChange = changes.Event();
  picker->SetItemIndex(3);
  EXPECT_TRUE(ShowsPicture(picker, "SP_BRUSH_DCROSS"));
  EXPECT_EQ(0, changes.count);
}

TEST_F(PickerTest, ThePenWidthPickerRepeatsPicturesUnderOtherCaptions) {
  auto* picker = PlacePicker<TspSkinPenWidthButton>();
  ASSERT_EQ(12, picker->GraphicItems()->Count());
  EXPECT_EQ("1/4 pt", picker->GraphicItems()->Items(0)->Caption());
  EXPECT_EQ("1/2 pt", picker->GraphicItems()->Items(1)->Caption());
  for (int index : {0, 1}) {
    picker->SetItemIndex(index);
    EXPECT_TRUE(ShowsPicture(picker, "SP_PEN1"));
  }
  picker->SetItemIndex(11);
  EXPECT_TRUE(ShowsPicture(picker, "SP_PEN6"));
}

TEST_F(PickerTest, NoShadowLeavesTheFaceWithoutAPicture) {
  auto* picker = PlacePicker<TspSkinShadowStyleButton>();
  ASSERT_EQ(22, picker->GraphicItems()->Count());
  EXPECT_EQ(20, picker->GraphicImages()->Width());
  ASSERT_EQ("No shadow", picker->GetSelectedItem()->Caption());
  // The content part inside the frame shows only the face colour.
  EXPECT_EQ(0, 48 * 23 - CountShown(picker, Rect(1, 1, 49, 24), ColorToRGB(clBtnFace)));
  picker->SetItemIndex(1);
  EXPECT_LT(0, 48 * 23 - CountShown(picker, Rect(1, 1, 49, 24), ColorToRGB(clBtnFace)));
}

}  // namespace
