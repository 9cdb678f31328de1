// The menu speed button on a shown form with a menu host: opening on press, the new
// style's drop-down part at the bottom and its looks, the arrow switch, flat faces and
// the accelerator.
#include "DropDownFixture.h"
#include "window_support.h"

using namespace dropdown;
using skinbuttons::PressAt;
using skinbuttons::ReleaseButton;

namespace {

class MenuSpeedButtonTest : public DropDownTest {
 protected:
  TspSkinMenuSpeedButton* PlaceMenuSpeed(int width, int height, TspSkinData* skin = nullptr) {
    auto* button = new TspSkinMenuSpeedButton(form);
    button->SetParent(form);
    button->SetSkinData(skin);
    button->SetBounds(10, 10, width, height);
    button->SetSkinPopupMenu(popup);
    button->OnShowTrackMenu = shows.Event();
    button->OnHideTrackMenu = hides.Event();
    button->OnClick = clicks.Event();
    testsupport::ServeApplication(20);
    return button;
  }
};

TEST_F(MenuSpeedButtonTest, APressOpensTheMenuAndTheReleaseIsIgnored) {
  TspSkinMenuSpeedButton* button = PlaceMenuSpeed(60, 25);
  PressAt(button, 20, 10);
  EXPECT_TRUE(PopupOpen());
  EXPECT_TRUE(button->Down());
  EXPECT_EQ(1, shows.count);
  ReleaseButton();
  EXPECT_TRUE(button->Down());
  EXPECT_EQ(0, clicks.count);

  CloseMenus();
  EXPECT_FALSE(button->Down());
  EXPECT_FALSE(button->MouseIn());
  EXPECT_EQ(1, hides.count);
}

TEST_F(MenuSpeedButtonTest, TheNewStylesBottomPartOpensAndSplitsTheFaceOnlyWhileHovered) {
  TspSkinMenuSpeedButton* button = PlaceMenuSpeed(40, 40);
  button->SetNewStyle(true);
  button->SetTrackButtonMode(true);
  button->SetTrackPosition(sptpBottom);
  EXPECT_EQ("resizetoolbutton", button->SkinDataName());
  EXPECT_TRUE(button->CanMenuTrack(20, 25));
  EXPECT_FALSE(button->CanMenuTrack(20, 24));

  // The top row of the bottom strip: the inside of the whole face while the pointer is
  // away, the drop-down part's frame while it is over the button.
  EXPECT_EQ(ColorToRGB(clBtnFace), ShownPixel(button, 20, 25));
  testsupport::MoveMouse(button, 20, 10);
  EXPECT_EQ(kDefaultHotFrame, ShownPixel(button, 20, 25));
  EXPECT_EQ(kDefaultHotFill, ShownPixel(button, 20, 27));

  PressAt(button, 20, 10);
  EXPECT_FALSE(PopupOpen());
  ReleaseButton();
  EXPECT_EQ(1, clicks.count);
  PressAt(button, 20, 30);
  EXPECT_TRUE(PopupOpen());
  EXPECT_EQ(kDefaultDownFill, ShownPixel(button, 20, 27));
}

// A hovered new-style button in track mode at the right: the drop-down part takes
// "vtracktoolbutton" when the skin has it (the main face then covers the whole button),
// else "resizetoolbutton" with the main face at its reduced width.
TEST_F(MenuSpeedButtonTest, TheNewStylesDropDownPartTakesItsOwnLookOrTheMainOne) {
  struct Case {
    bool withTrackLook;
    TPoint mainCorner;  // picture pixel shown at (44, 0)
    TPoint dropCorner;  // picture pixel shown at (45, 0)
  };
  const TLookSpec trackLook =
      NinePartLook("button", {{"skinrect", "0,12,16,24"}, {"activeskinrect", "16,12,32,24"}, {"downskinrect", "32,12,48,24"}});
  for (const Case& c : {Case{false, Point(31, 0), Point(16, 0)}, Case{true, Point(-1, -1), Point(16, 12)}}) {
    SCOPED_TRACE(c.withTrackLook);
    TLooks looks = {{"resizetoolbutton", NinePartLook("button")}};
    if (c.withTrackLook) looks["vtracktoolbutton"] = trackLook;
    TspSkinData* skin = DropDownSkin(looks);
    TspSkinMenuSpeedButton* button = PlaceMenuSpeed(60, 24, skin);
    button->SetNewStyle(true);
    button->SetTrackButtonMode(true);
    testsupport::MoveMouse(button, 10, 10);
    EXPECT_EQ(PicturePixel(skin, c.dropCorner.X, c.dropCorner.Y), ShownPixel(button, 45, 0));
    if (c.mainCorner.X >= 0) EXPECT_EQ(PicturePixel(skin, c.mainCorner.X, c.mainCorner.Y), ShownPixel(button, 44, 0));
    else EXPECT_NE(PicturePixel(skin, 31, 0), ShownPixel(button, 44, 0));
    testsupport::MoveMouse(form, 310, 230);
    delete button;
  }
}

// The arrow switch puts a down triangle (1, 3, 5 and 7 pixels) in the old-style drop-down
// part instead of the track arrow (5, 3 and 1), in the caption colour.
TEST_F(MenuSpeedButtonTest, TheArrowSwitchDrawsTheDirectionArrow) {
  TspSkinData* skin = DropDownSkin({{"toolbutton", NinePartLook("button")}});
  struct Case {
    bool arrow;
    int pixels;
  };
  for (const Case& c : {Case{false, 9}, Case{true, 16}}) {
    SCOPED_TRACE(c.arrow);
    TspSkinMenuSpeedButton* button = PlaceMenuSpeed(60, 24, skin);
    button->SetSkinDataName("toolbutton");
    button->SetArrowMode(c.arrow, 4);
    EXPECT_EQ(c.pixels, CountShown(button, Rect(45, 0, 60, 24), clRed));
    delete button;
  }
}

TEST_F(MenuSpeedButtonTest, AFlatToolButtonShowsItsFaceOnlyWhileHovered) {
  TspSkinData* skin = DropDownSkin({{"toolbutton", NinePartLook("button")}});
  TspSkinMenuSpeedButton* button = PlaceMenuSpeed(60, 24, skin);
  button->SetSkinDataName("toolbutton");
  button->SetFlat(true);
  EXPECT_NE(PicturePixel(skin, 0, 0), ShownPixel(button, 0, 0));
  testsupport::MoveMouse(button, 10, 10);
  EXPECT_EQ(PicturePixel(skin, 16, 0), ShownPixel(button, 0, 0));
}

TEST_F(MenuSpeedButtonTest, TheAcceleratorClicksWithoutOpeningTheMenu) {
  TspSkinMenuSpeedButton* button = PlaceMenuSpeed(60, 25);
  button->SetCaption("&Go");
  testsupport::PressKey('G', {ssAlt});
  EXPECT_EQ(1, clicks.count);
  EXPECT_FALSE(PopupOpen());
  EXPECT_FALSE(button->Down());
}

}  // namespace
