// The speed button on a shown form: flat and faced looks under the pointer, groups,
// disabled hover, images from its list and from a tool-bar parent, the caption switch
// with its widths, clicks on release and the accelerator without a focus change.
#include <functional>

#include "ButtonFixture.h"
#include "classlib/graphics/ImageList.h"
#include "window_support.h"

using namespace skinbuttons;

namespace {

// A speed button that counts its clicks and shows its timers.
class TTestSpeedButton : public TspSkinSpeedButton {
  CLASSLIB_CLASS(TTestSpeedButton, TspSkinSpeedButton)
 public:
  explicit TTestSpeedButton(TComponent* owner) : TspSkinSpeedButton(owner) {
    OnClick = TNotifyEvent(this, &TTestSpeedButton::Clicked);
  }
  using TspSkinSpeedButton::AnimateTimer;
  using TspSkinSpeedButton::MorphTimer;

  int clicks = 0;

 private:
  void Clicked(TObject* sender) {
    (void)sender;
    ++clicks;
  }
};

// Stands in for the skinned tool bar: three image lists handed to its speed buttons.
class TStandInToolBar : public TCustomControl, public IspSkinToolBarParent {
  CLASSLIB_CLASS(TStandInToolBar, TCustomControl)
 public:
  explicit TStandInToolBar(TComponent* owner) : TCustomControl(owner) {}
  bool AdjustControls() const override { return false; }
  TRect SkinClientRect() override { return ClientRect(); }
  TCustomImageList* Images() const override { return images; }
  TCustomImageList* HotImages() const override { return hotImages; }
  TCustomImageList* DisabledImages() const override { return disabledImages; }

  TCustomImageList* images = nullptr;
  TCustomImageList* hotImages = nullptr;
  TCustomImageList* disabledImages = nullptr;
};

// What the button shows on its parent's window, row by row.
std::vector<TColor> Shown(TControl* control) {
  control->Repaint();
  TBitmap shot;
  shot.SetPixelFormat(pf24bit);
  shot.SetSize(control->Width(), control->Height());
  HWND window = control->Parent()->Handle();
  HDC dc = GetDC(window);
  BitBlt(shot.Canvas()->Handle(), 0, 0, shot.Width(), shot.Height(), dc, control->Left(), control->Top(), SRCCOPY);
  ReleaseDC(window, dc);
  std::vector<TColor> pixels;
  for (int y = 0; y < shot.Height(); ++y)
    for (int x = 0; x < shot.Width(); ++x) pixels.push_back(shot.Canvas()->Pixels(x, y));
  return pixels;
}

bool Shows(TControl* control, TColor colour) {
  const std::vector<TColor> pixels = Shown(control);
  return std::find(pixels.begin(), pixels.end(), colour) != pixels.end();
}

// An image list of 8 x 8 images, one per colour.
TImageList* SolidImages(TComponent* owner, std::initializer_list<TColor> colours) {
  auto* images = new TImageList(owner);
  images->SetSize(8, 8);
  for (TColor colour : colours) {
    TBitmap cell;
    cell.SetPixelFormat(pf24bit);
    cell.SetSize(8, 8);
    cell.Canvas()->Brush()->SetColor(colour);
    cell.Canvas()->FillRect(Rect(0, 0, 8, 8));
    images->AddMasked(&cell, clFuchsia);
  }
  return images;
}

void Enter(TControl* c) { c->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(c)); }
void Leave(TControl* c) { c->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(c)); }

class SpeedButtonTest : public ButtonTest {
 protected:
  // A speed button of the test skin's "button" look, without caption.
  TTestSpeedButton* PlaceSpeed(int left, int top, TspSkinData* skin, TWinControl* parent = nullptr) {
    auto* button = new TTestSpeedButton(form);
    button->SetParent(parent != nullptr ? parent : form);
    button->SetSkinDataName("button");
    button->SetBounds(left, top, 25, 25);
    button->SetCaption("");
    if (skin != nullptr) button->SetSkinData(skin);
    return button;
  }
  // The form's own background under a face-less button.
  std::vector<TColor> Background(TControl* button) {
    return std::vector<TColor>(static_cast<size_t>(button->Width() * button->Height()), ColorToRGB(form->Color()));
  }
};

}  // namespace

TEST_F(SpeedButtonTest, ANewButtonIsAToolButtonOf25PixelsWithoutClickEventsOfItsOwn) {
  TspSkinSpeedButton button(nullptr);
  EXPECT_EQ(AnsiString("toolbutton"), button.SkinDataName());
  EXPECT_EQ(25, button.Width());
  EXPECT_EQ(25, button.Height());
  EXPECT_EQ(0, button.ImageIndex());
  EXPECT_TRUE(button.ShowCaption());
  EXPECT_EQ((TControlStyle{csCaptureMouse, csOpaque, csDoubleClicks}), button.ControlStyle());
  button.SetFlat(true);
  EXPECT_FALSE(button.ControlStyle().Contains(csOpaque));
  button.SetFlat(false);
  EXPECT_TRUE(button.ControlStyle().Contains(csOpaque));
}

TEST_F(SpeedButtonTest, AFlatButtonShowsNoFaceUntilHoveredThenTheActiveAndWhileHeldThePressedFace) {
  TspSkinData* skin = ButtonSkin();
  auto* button = PlaceSpeed(10, 10, skin);
  button->SetFlat(true);
  ASSERT_EQ(16, button->Width());
  EXPECT_EQ(Background(button), Shown(button));

  testsupport::MoveMouse(button, 8, 6);
  testsupport::ServeApplication(30);
  ASSERT_TRUE(button->MouseIn());
  EXPECT_EQ(PicturePart(*skin, kActive), Shown(button));

  PressAt(button, 8, 6);
  EXPECT_EQ(PicturePart(*skin, kDown), Shown(button));
  ReleaseButton();
  EXPECT_EQ(1, button->clicks);
  EXPECT_EQ(PicturePart(*skin, kActive), Shown(button));

  testsupport::MoveMouse(form, 310, 230);
  testsupport::ServeApplication(30);
  EXPECT_EQ(Background(button), Shown(button));
}

TEST_F(SpeedButtonTest, AFlatButtonNeverFadesNorAnimatesWhereAFacedOneDoes) {
  TspSkinData* skin = ButtonSkin({{"morphing", "1"}, {"animateskinrect", "0,24,48,36"}, {"framecount", "3"}});
  skin->SetEnableSkinEffects(true);
  auto* flat = PlaceSpeed(10, 10, skin);
  flat->SetFlat(true);
  auto* faced = PlaceSpeed(40, 10, skin);
  for (TTestSpeedButton* button : {flat, faced}) {
    Enter(button);
    Leave(button);
  }
  EXPECT_TRUE(faced->MorphTimer() != nullptr && faced->MorphTimer()->Enabled());
  EXPECT_TRUE(faced->AnimateTimer() != nullptr && faced->AnimateTimer()->Enabled());
  EXPECT_TRUE(flat->MorphTimer() == nullptr || !flat->MorphTimer()->Enabled());
  EXPECT_TRUE(flat->AnimateTimer() == nullptr || !flat->AnimateTimer()->Enabled());
  EXPECT_EQ(Background(flat), Shown(flat));
}

TEST_F(SpeedButtonTest, ADownGroupMemberKeepsThePressedFaceAndPressingAnotherReleasesIt) {
  TspSkinData* skin = ButtonSkin();
  auto* first = PlaceSpeed(10, 10, skin);
  auto* second = PlaceSpeed(40, 10, skin);
  for (TTestSpeedButton* button : {first, second}) {
    button->SetFlat(true);
    button->SetGroupIndex(1);
  }
  first->SetDown(true);
  EXPECT_EQ(PicturePart(*skin, kDown), Shown(first));

  PressAt(second, 8, 6);
  ReleaseButton();
  EXPECT_TRUE(second->Down());
  EXPECT_FALSE(first->Down());
  EXPECT_EQ(1, second->clicks);
  EXPECT_EQ(Background(first), Shown(first));
}

TEST_F(SpeedButtonTest, ADisabledButtonKeepsItsLookUnderThePointer) {
  // With a disabled face, with the normal face standing in for it, and without a look.
  TspSkinData* skins[] = {ButtonSkin(), ButtonSkin({{"disabledskinrect", "0,0,0,0"}}), nullptr};
  for (TspSkinData* skin : skins) {
    SCOPED_TRACE(skin == nullptr ? "no look" : "look");
    auto* button = PlaceSpeed(10, 10, skin);
    button->SetEnabled(false);
    const std::vector<TColor> disabled = Shown(button);
    testsupport::MoveMouse(button, 8, 6);
    testsupport::ServeApplication(30);
    EXPECT_TRUE(button->MouseIn());
    EXPECT_EQ(disabled, Shown(button));
    PressAt(button, 8, 6);
    EXPECT_EQ(disabled, Shown(button));
    ReleaseButton();
    EXPECT_EQ(0, button->clicks);
    testsupport::MoveMouse(form, 310, 230);
    delete button;
  }
}

TEST_F(SpeedButtonTest, AClickCountsOnlyWhenReleasedOverTheButton) {
  auto* button = PlaceSpeed(10, 10, nullptr);
  PressAt(button, 12, 12);
  ReleaseButton();
  EXPECT_EQ(1, button->clicks);
  EXPECT_FALSE(button->Down());

  PressAt(button, 12, 12);
  testsupport::MoveMouse(form, 200, 200);
  testsupport::ServeApplication(30);
  ReleaseButton();
  EXPECT_EQ(1, button->clicks);
  EXPECT_FALSE(button->Down());
}

TEST_F(SpeedButtonTest, TheGlyphWinsOverTheListAndANewButtonShowsTheListsFirstImage) {
  TImageList* images = SolidImages(form, {clRed, clLime});
  auto* button = PlaceSpeed(10, 10, nullptr);
  button->SetImageList(images);
  EXPECT_TRUE(Shows(button, clRed));
  button->SetImageIndex(1);
  EXPECT_TRUE(Shows(button, clLime));
  EXPECT_FALSE(Shows(button, clRed));

  TBitmap glyph;
  glyph.SetPixelFormat(pf24bit);
  glyph.SetSize(8, 8);
  glyph.Canvas()->Brush()->SetColor(clBlue);
  glyph.Canvas()->FillRect(Rect(0, 0, 8, 7));
  glyph.Canvas()->Brush()->SetColor(clFuchsia);
  glyph.Canvas()->FillRect(Rect(0, 7, 8, 8));
  button->SetGlyph(&glyph);
  EXPECT_TRUE(Shows(button, clBlue));
  EXPECT_FALSE(Shows(button, clLime));

  delete images;
  EXPECT_EQ(nullptr, button->ImageList());
}

TEST_F(SpeedButtonTest, OnAToolBarTheStateChoosesTheBarsList) {
  auto* bar = new TStandInToolBar(form);
  bar->SetParent(form);
  bar->SetBounds(0, 100, 200, 40);
  bar->images = SolidImages(form, {clRed});
  bar->hotImages = SolidImages(form, {clLime});
  bar->disabledImages = SolidImages(form, {clBlue});
  struct TCase {
    const char* name;
    std::function<void(TTestSpeedButton*)> enter;
    TColor colour;
  } cases[] = {
      {"normal", [](TTestSpeedButton*) {}, clRed},
      {"hot", Enter, clLime},
      {"pressed",
       [](TTestSpeedButton* b) {
         Enter(b);
         b->SetDown(true);
       },
       clLime},
      {"disabled", [](TTestSpeedButton* b) { b->SetEnabled(false); }, clBlue},
  };
  for (bool flat : {false, true}) {
    for (const TCase& c : cases) {
      SCOPED_TRACE(std::string(c.name) + (flat ? " flat" : ""));
      auto* button = PlaceSpeed(10, 5, nullptr, bar);
      button->SetFlat(flat);
      c.enter(button);
      EXPECT_TRUE(Shows(button, c.colour));
      delete button;
    }
  }
}

TEST_F(SpeedButtonTest, ShowCaptionSwitchesBetweenTheTwoWidthsWhenBothAreSetAndHidesTheCaption) {
  auto* button = PlaceSpeed(10, 10, nullptr);
  button->SetCaption("Wide");
  button->SetWidthWithCaption(75);
  button->SetWidthWithoutCaption(25);
  button->SetBounds(10, 10, 75, 25);
  button->SetShowCaption(false);
  EXPECT_EQ(25, button->Width());
  button->SetShowCaption(true);
  EXPECT_EQ(75, button->Width());

  // With one width unset the width stays; the caption only goes.
  const TColor text = ColorToRGB(button->DefaultFont()->Color());
  EXPECT_TRUE(Shows(button, text));
  button->SetWidthWithoutCaption(0);
  button->SetShowCaption(false);
  EXPECT_EQ(75, button->Width());
  EXPECT_FALSE(Shows(button, text));
}

TEST_F(SpeedButtonTest, TheAcceleratorClicksWithoutMovingTheFocus) {
  auto* focused = Place(200, 10);
  focused->SetFocus();
  auto* button = PlaceSpeed(10, 10, nullptr);
  button->SetCaption("&Go");
  button->SetBounds(10, 10, 60, 25);
  testsupport::PressKey('G', {ssAlt});
  EXPECT_EQ(1, button->clicks);
  EXPECT_TRUE(focused->Focused());

  button->SetEnabled(false);
  testsupport::PressKey('G', {ssAlt});
  EXPECT_EQ(1, button->clicks);
}
