// What the push button shows on its face: image-list images, glyph cells and an images
// menu's selected image (repainted when the menu says its choice changed), with the glyph
// taking over when a source goes away.
#include <functional>

#include "ButtonFixture.h"
#include "classlib/graphics/ImageList.h"
#include "classlib/windowing/Action.h"
#include "window_support.h"

using namespace skinbuttons;

namespace {

const TColor kCellColours[] = {clRed, clLime, clBlue, clYellow};

// A strip of 8 x 8 cells in `colours`, each with a fuchsia bottom row (the transparent
// colour of glyphs).
std::unique_ptr<TBitmap> Strip(std::initializer_list<TColor> colours) {
  auto strip = std::make_unique<TBitmap>();
  strip->SetPixelFormat(pf24bit);
  strip->SetSize(8 * static_cast<int>(colours.size()), 8);
  TCanvas* canvas = strip->Canvas();
  canvas->Brush()->SetColor(clFuchsia);
  canvas->FillRect(Rect(0, 0, strip->Width(), 8));
  int left = 0;
  for (TColor colour : colours) {
    canvas->Brush()->SetColor(colour);
    canvas->FillRect(Rect(left, 0, left + 8, 7));
    left += 8;
  }
  return strip;
}

// Stands in for the images menu: images, a selected item and the change hook.
class TStandInImagesMenu : public TComponent, public IspSkinImagesMenu {
  CLASSLIB_CLASS(TStandInImagesMenu, TComponent)
 public:
  explicit TStandInImagesMenu(TComponent* owner) : TComponent(owner) {}
  TComponent* MenuComponent() override { return this; }
  TCustomImageList* Images() const override { return images; }
  bool SelectedItem(int& imageIndex, AnsiString& caption) const override {
    if (selected < 0) return false;
    imageIndex = selected;
    caption = "Item";
    return true;
  }
  void SetOnChanged(const TNotifyEvent& hook) override { changed = hook; }

  TCustomImageList* images = nullptr;
  int selected = -1;
  TNotifyEvent changed;
};

class ButtonContentTest : public ButtonTest {
 protected:
  void SetUp() override {
    ButtonTest::SetUp();
    images = new TImageList(form);
    images->SetWidth(8);
    images->SetHeight(8);
    for (TColor colour : {clRed, clLime, clBlue}) images->AddMasked(Strip({colour}).get(), clFuchsia);
    button = Place(10, 10);
    button->SetCaption("");
    button->SetGlyph(Strip({kCellColours[0], kCellColours[1], kCellColours[2], kCellColours[3]}).get());
    button->SetNumGlyphs(4);
  }

  // The centre of the face, where the image or glyph cell stands.
  TColor Centre() { return FacePixel(button, button->Width() / 2, button->Height() / 2); }

  TImageList* images = nullptr;
  TTestButton* button = nullptr;
};

}  // namespace

TEST_F(ButtonContentTest, TheGlyphCellFollowsTheState) {
  struct TCase {
    const char* name;
    std::function<void(TTestButton*)> enter;
    TColor cell;
  } cases[] = {
      {"normal", [](TTestButton*) {}, kCellColours[0]},
      {"disabled", [](TTestButton* b) { b->SetEnabled(false); }, kCellColours[1]},
      {"pressed",
       [](TTestButton* b) {
         b->Perform(CM_MOUSEENTER, 0, 0);
         b->SetDown(true);
       },
       kCellColours[2]},
      {"hot", [](TTestButton* b) { b->Perform(CM_MOUSEENTER, 0, 0); }, kCellColours[3]},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    c.enter(button);
    EXPECT_EQ(c.cell, Centre());
    button->SetEnabled(true);
    button->SetDown(false);
    button->Perform(CM_MOUSELEAVE, 0, 0);
  }
}

TEST_F(ButtonContentTest, AnImageOfTheListReplacesTheGlyphUntilTheListGoes) {
  button->SetImageList(images);
  button->SetImageIndex(1);
  EXPECT_EQ(clLime, Centre());
  button->SetImageIndex(3);
  EXPECT_EQ(kCellColours[0], Centre());
  button->SetImageIndex(2);
  EXPECT_EQ(clBlue, Centre());
  delete images;
  EXPECT_EQ(nullptr, button->ImageList());
  EXPECT_EQ(kCellColours[0], Centre());
}

TEST_F(ButtonContentTest, TheImagesMenusSelectedImageIsShownAndRepaintedOnItsHook) {
  auto* menu = new TStandInImagesMenu(form);
  menu->images = images;
  menu->selected = 0;
  button->SetImageList(images);
  button->SetImageIndex(2);
  button->SetSkinImagesMenu(menu);
  EXPECT_EQ(clBlue, Centre()) << "the menu's image shows only with UseImagesMenuImage";
  button->SetUseImagesMenuImage(true);
  testsupport::ServeApplication(50);
  const int x = button->Width() / 2, y = button->Height() / 2;
  EXPECT_EQ(static_cast<COLORREF>(clRed), testsupport::ControlPixel(button, x, y));

  menu->selected = 1;
  testsupport::ServeApplication(50);
  EXPECT_EQ(static_cast<COLORREF>(clRed), testsupport::ControlPixel(button, x, y));
  ASSERT_TRUE(menu->changed.Assigned());
  menu->changed(menu);
  testsupport::ServeApplication(50);
  EXPECT_EQ(static_cast<COLORREF>(clLime), testsupport::ControlPixel(button, x, y));

  delete menu;
  EXPECT_EQ(nullptr, button->SkinImagesMenu());
  EXPECT_EQ(clBlue, Centre());
  button->SetImageList(nullptr);
  EXPECT_EQ(kCellColours[0], Centre());
}

TEST_F(ButtonContentTest, AnActionsImageBecomesTheGlyphOfAButtonWithoutOne) {
  TActionList list(form);
  list.SetImages(images);
  TAction action(form);
  action.SetActionList(&list);
  action.SetImageIndex(2);
  auto* plain = Place(10, 50);
  plain->SetCaption("");
  plain->SetAction(&action);
  ASSERT_FALSE(plain->Glyph()->Empty());
  EXPECT_EQ(clBlue, FacePixel(plain, plain->Width() / 2, plain->Height() / 2));
  // A button with its own glyph keeps it.
  button->SetAction(&action);
  EXPECT_EQ(kCellColours[0], Centre());
}
