// The menu button on a shown form with a menu host: opening on press in plain mode, the
// drop-down part in track mode (the fixed strip and the look's track rectangle), both
// menus at once, the keys, and the faces of the stretched tool-button look.
#include "DropDownFixture.h"
#include "window_support.h"

using namespace dropdown;
using skinbuttons::FacePixel;
using skinbuttons::PressAt;
using skinbuttons::ReleaseButton;

namespace {

class MenuButtonTest : public DropDownTest {
 protected:
  TspSkinMenuButton* PlaceMenuButton(int width, TspSkinData* skin = nullptr) {
    auto* button = new TspSkinMenuButton(form);
    button->SetParent(form);
    button->SetSkinData(skin);
    button->SetBounds(10, 10, width, 24);
    button->SetSkinPopupMenu(popup);
    button->OnShowTrackMenu = shows.Event();
    button->OnHideTrackMenu = hides.Event();
    button->OnClick = clicks.Event();
    button->OnMouseDown = TMouseEvent(this, &MenuButtonTest::MouseDowned);
    testsupport::ServeApplication(20);
    return button;
  }

 private:
  void MouseDowned(TObject* sender, TMouseButton, TShiftState, int, int) { mouseDowns.Called(sender); }
};

TEST_F(MenuButtonTest, APlainButtonOpensOnPressAndStaysDownUntilTheMenuCloses) {
  TspSkinMenuButton* button = PlaceMenuButton(60);
  PressAt(button, 20, 10);
  EXPECT_TRUE(PopupOpen());
  EXPECT_TRUE(button->MenuOpen());
  EXPECT_TRUE(button->Down());
  EXPECT_EQ(1, shows.count);
  EXPECT_EQ(0, mouseDowns.count);

  ReleaseButton();
  EXPECT_TRUE(button->Down());
  EXPECT_EQ(0, clicks.count);
  EXPECT_EQ(0, hides.count);

  CloseMenus();
  EXPECT_FALSE(button->Down());
  EXPECT_FALSE(button->MenuOpen());
  EXPECT_FALSE(button->MouseIn());
  EXPECT_EQ(1, hides.count);
}

TEST_F(MenuButtonTest, WithoutAMenuThePressIsAPushButtonsClick) {
  TspSkinMenuButton* button = PlaceMenuButton(60);
  button->SetSkinPopupMenu(nullptr);
  EXPECT_FALSE(button->CanMenuTrack(20, 10));
  PressAt(button, 20, 10);
  ReleaseButton();
  EXPECT_FALSE(PopupOpen());
  EXPECT_EQ(1, mouseDowns.count);
  EXPECT_EQ(1, clicks.count);
}

// Track mode: only the right 15 pixels open the menu, with the stretched tool-button
// look and without a look alike; the rest clicks as a push button.
TEST_F(MenuButtonTest, TrackModeOpensFromTheDropDownStripOnly) {
  struct Case {
    const char* look;
    int x;
    bool opens;
  };
  const TLooks toolLook = {{"toolbutton", NinePartLook("button")}};
  for (const Case& c : {Case{"toolbutton", 80 - 15, true}, Case{"toolbutton", 80 - 16, false},
                        Case{"toolbutton", 79, true}, Case{"", 80 - 15, true}, Case{"", 80 - 16, false}}) {
    SCOPED_TRACE(std::string(c.look) + " x=" + std::to_string(c.x));
    shows.count = clicks.count = 0;
    TspSkinMenuButton* button = PlaceMenuButton(80, *c.look ? DropDownSkin(toolLook) : nullptr);
    if (*c.look) button->SetSkinDataName(c.look);
    button->SetTrackButtonMode(true);
    testsupport::ServeApplication(20);
    PressAt(button, c.x, 10);
    EXPECT_EQ(c.opens, PopupOpen());
    ReleaseButton();
    EXPECT_EQ(c.opens ? 1 : 0, shows.count);
    EXPECT_EQ(c.opens ? 0 : 1, clicks.count);
    CloseMenus();
    delete button;
  }
}

TEST_F(MenuButtonTest, TheLooksTrackRectangleMovesRightWithAHorizontalLook) {
  // A horizontal look 40 wide whose track rectangle is its right 12 pixels.
  TspSkinData* skin = DropDownSkin({{"menubutton", ButtonLook("menubutton", {{"skinrect", "0,0,40,12"},
                                                                              {"righttoppoint", "30,0"},
                                                                              {"clientrect", "3,2,28,10"},
                                                                              {"activeskinrect", "0,12,40,24"},
                                                                              {"downskinrect", "0,24,40,36"},
                                                                              {"trackbuttonrect", "28,0,40,12"}})}});
  TspSkinMenuButton* button = PlaceMenuButton(100, skin);
  button->SetSkinDataName("menubutton");
  button->SetTrackButtonMode(true);
  testsupport::ServeApplication(20);
  EXPECT_EQ(Rect(88, 0, 100, 12), button->GetNewTrackButtonRect());
  EXPECT_FALSE(button->CanMenuTrack(30, 5));
  EXPECT_TRUE(button->CanMenuTrack(88, 5));

  PressAt(button, 30, 5);
  EXPECT_FALSE(PopupOpen());
  ReleaseButton();
  PressAt(button, 94, 5);
  EXPECT_TRUE(PopupOpen());
  // Open in track mode: the active face with the down picture's track part.
  EXPECT_EQ(PicturePixel(skin, 0, 12), FacePixel(button, 0, 0));
  EXPECT_EQ(PicturePixel(skin, 29, 24), FacePixel(button, 89, 0));
}

TEST_F(MenuButtonTest, WithBothMenusBothOpenAndEachIsAnnounced) {
  TspSkinMenuButton* button = PlaceMenuButton(60);
  button->SetSkinImagesMenu(images);
  PressAt(button, 20, 10);
  EXPECT_EQ(2, shows.count);
  EXPECT_TRUE(PopupOpen());
  EXPECT_NE(nullptr, images->PopupWindow());
  ReleaseButton();

  images->Hide();
  EXPECT_TRUE(ServeUntil([&] { return !button->Down(); }));
  EXPECT_FALSE(button->MenuOpen());
  EXPECT_EQ(1, hides.count);
}

TEST_F(MenuButtonTest, AnImagesMenuAloneOpensAndItsCloseReleasesTheButton) {
  TspSkinMenuButton* button = PlaceMenuButton(60);
  button->SetSkinPopupMenu(nullptr);
  button->SetSkinImagesMenu(images);
  PressAt(button, 20, 10);
  ReleaseButton();
  EXPECT_FALSE(PopupOpen());
  ASSERT_NE(nullptr, images->PopupWindow());
  EXPECT_TRUE(button->Down());
  images->Hide();
  EXPECT_TRUE(ServeUntil([&] { return !button->Down(); }));
  EXPECT_EQ(1, hides.count);
}

TEST_F(MenuButtonTest, EnterClicksOnceAndSpaceOpensTheMenu) {
  TspSkinMenuButton* button = PlaceMenuButton(60);
  button->SetFocus();
  testsupport::PressKey(VK_RETURN);
  EXPECT_EQ(1, clicks.count);
  EXPECT_FALSE(PopupOpen());

  testsupport::PressKey(VK_SPACE);
  EXPECT_TRUE(PopupOpen());
  EXPECT_TRUE(button->Down());
  EXPECT_EQ(1, clicks.count);
}

TEST_F(MenuButtonTest, TheAcceleratorOpensAPlainButtonsMenu) {
  TspSkinMenuButton* button = PlaceMenuButton(60);
  button->SetCaption("&Go");
  testsupport::PressKey('G', {ssAlt});
  EXPECT_TRUE(PopupOpen());
  EXPECT_TRUE(button->Focused());
  EXPECT_TRUE(button->Down());
  EXPECT_EQ(0, clicks.count);
}

TEST_F(MenuButtonTest, ARemovedPopupMenuIsForgotten) {
  TspSkinMenuButton* button = PlaceMenuButton(60);
  delete popup;
  EXPECT_EQ(nullptr, button->SkinPopupMenu());
  EXPECT_FALSE(button->CanMenuTrack(20, 10));
}

// The stretched tool-button look in track mode: while open the main part shows the active
// face and the drop-down part the down face, each composed at its own width.
TEST_F(MenuButtonTest, TheToolButtonLookComposesTheTwoPartsByState) {
  TspSkinData* skin = DropDownSkin({{"toolbutton", NinePartLook("button")}});
  TspSkinMenuButton* button = PlaceMenuButton(80, skin);
  button->SetSkinDataName("toolbutton");
  button->SetTrackButtonMode(true);
  testsupport::ServeApplication(20);
  // Idle: both parts from the normal face; the part boundary shows the face's corners.
  EXPECT_EQ(PicturePixel(skin, 15, 0), FacePixel(button, 64, 0));
  EXPECT_EQ(PicturePixel(skin, 0, 0), FacePixel(button, 65, 0));

  PressAt(button, 70, 10);
  ASSERT_TRUE(PopupOpen());
  EXPECT_EQ(PicturePixel(skin, 16, 0), FacePixel(button, 0, 0));
  EXPECT_EQ(PicturePixel(skin, 31, 0), FacePixel(button, 64, 0));
  EXPECT_EQ(PicturePixel(skin, 32, 0), FacePixel(button, 65, 0));
  EXPECT_EQ(PicturePixel(skin, 47, 11), FacePixel(button, 79, 23));
}

TEST_F(MenuButtonTest, TheDefaultLookFramesTheTwoPartsWhileOpen) {
  TspSkinMenuButton* button = PlaceMenuButton(80);
  button->SetTrackButtonMode(true);
  PressAt(button, 70, 10);
  ASSERT_TRUE(PopupOpen());
  EXPECT_EQ(kDefaultHotFrame, FacePixel(button, 0, 0));
  EXPECT_EQ(kDefaultHotFill, FacePixel(button, 5, 5));
  EXPECT_EQ(kDefaultDownFill, FacePixel(button, 66, 20));
  CloseMenus();
  testsupport::MoveMouse(form, 310, 230);
  // The press focused the button, and a focused look-less face is drawn hot; without the
  // focus it is the plain button face again.
  ASSERT_TRUE(button->Focused());
  EXPECT_EQ(kDefaultHotFill, FacePixel(button, 66, 20));
  ::SetFocus(form->Handle());
  testsupport::ServeApplication(30);
  ASSERT_FALSE(button->Focused());
  EXPECT_EQ(static_cast<TColor>(ColorToRGB(clBtnFace)), FacePixel(button, 66, 20));
}

}  // namespace
