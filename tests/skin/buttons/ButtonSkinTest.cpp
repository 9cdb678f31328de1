// Re-skinning the buttons through the relay that stands in for the skinned form, a form
// resource placing both button classes, and the form-style button's own pictures.
#include "ButtonFixture.h"
#include "Defaults.h"
#include "ReskinRelay.h"
#include "TestSkin.h"
#include "classlib/formres/FormResource.h"
#include "classlib/formres/PropertyBinders.h"
#include "window_support.h"

using namespace skinbuttons;

namespace {

std::vector<TColor> OnScreen(TWinControl* control) {
  std::unique_ptr<TBitmap> shot = testsupport::CaptureWindow(control->Handle());
  std::vector<TColor> pixels;
  for (int y = 0; y < shot->Height(); ++y)
    for (int x = 0; x < shot->Width(); ++x) pixels.push_back(shot->Canvas()->Pixels(x, y));
  return pixels;
}

std::unique_ptr<TBitmap> Filled(int w, int h, TColor colour) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(pf24bit);
  bitmap->SetSize(w, h);
  bitmap->Canvas()->Brush()->SetColor(colour);
  bitmap->Canvas()->FillRect(Rect(0, 0, w, h));
  return bitmap;
}

class TButtonsForm : public TForm {
  CLASSLIB_CLASS(TButtonsForm, TForm)
 public:
  explicit TButtonsForm(TComponent* owner) : TForm(owner) { ReadFormResource(this, StaticClass()); }

  TspSkinButton* Ok = nullptr;
  TspSkinButton* Plain = nullptr;
  TspSkinXFormButton* Shaped = nullptr;
};

}  // namespace

TEST_F(ButtonTest, AReskinRepaintsEveryButtonAndAHotOrFocusedOneShowsItsActiveFaceAtOnce) {
  TspSkinData own(nullptr);
  TspSkinData* skin = &own;
  skin->LoadFromFile(WriteButtonSkin("buttons_reskin_a").c_str());
  const std::string second = WriteButtonSkin(
      "buttons_reskin_b", {{"skinrect", "16,12,32,24"}, {"activeskinrect", "32,12,48,24"},
                           {"focusedskinrect", "0,0,0,0"}, {"morphing", "1"}});
  TReskinRelay relay(form);
  TTestButton* buttons[3];
  for (int i = 0; i < 3; ++i) {
    buttons[i] = Place(10 + 30 * i, 10, skin);
    buttons[i]->SetCaption("");
  }
  testsupport::MoveMouse(buttons[1], 8, 6);
  buttons[2]->SetFocus();
  testsupport::ServeApplication(50);
  ASSERT_TRUE(buttons[1]->MouseIn());

  skin->LoadFromFile(second.c_str());
  const std::vector<TColor> normal = PicturePart(*skin, Rect(16, 12, 32, 24));
  const std::vector<TColor> active = PicturePart(*skin, Rect(32, 12, 48, 24));
  EXPECT_EQ(normal, FaceOf(buttons[0]));
  EXPECT_EQ(active, FaceOf(buttons[1]));
  EXPECT_EQ(active, FaceOf(buttons[2]));
  EXPECT_DOUBLE_EQ(1.0, buttons[1]->MorphFactor());
  testsupport::ServeApplication(30);
  EXPECT_EQ(normal, OnScreen(buttons[0]));
  EXPECT_EQ(active, OnScreen(buttons[1]));
}

TEST_F(ButtonTest, AFormResourcePlacingBothClassesReadsBackEveryValue) {
  RegisterFormClass(TButtonsForm::StaticClass(), {},
                    {Field("Ok", &TButtonsForm::Ok), Field("Plain", &TButtonsForm::Plain),
                     Field("Shaped", &TButtonsForm::Shaped)});
  std::unique_ptr<TButtonsForm> loaded(NewForm<TButtonsForm>(nullptr));
  TspSkinButton* ok = loaded->Ok;
  ASSERT_NE(nullptr, ok);
  EXPECT_EQ(16, ok->Glyph()->Width());
  EXPECT_EQ(static_cast<TColor>(clLime), ok->Glyph()->Canvas()->Pixels(12, 2));
  EXPECT_EQ(2, ok->NumGlyphs());
  EXPECT_EQ(4, ok->Spacing());
  EXPECT_EQ(3, ok->Margin());
  EXPECT_EQ(blGlyphTop, ok->Layout());
  EXPECT_TRUE(ok->Default());
  EXPECT_TRUE(ok->Cancel());
  EXPECT_EQ(mrOk, ok->ModalResult());
  EXPECT_EQ(3, ok->GroupIndex());
  EXPECT_FALSE(ok->CanFocused());
  EXPECT_FALSE(ok->TabStop());
  EXPECT_TRUE(ok->AllowAllUp());
  EXPECT_TRUE(ok->RepeatMode());
  EXPECT_EQ(50, ok->RepeatInterval());
  EXPECT_EQ(2, ok->ImageIndex());
  EXPECT_FALSE(ok->UseSkinSize());
  EXPECT_FALSE(ok->UseSkinFontColor());

  // A button the resource leaves at its defaults is focusable and a tab stop.
  EXPECT_TRUE(loaded->Plain->CanFocused());
  EXPECT_TRUE(loaded->Plain->TabStop());
  EXPECT_EQ(1, loaded->Plain->Spacing());

  TspSkinXFormButton* shaped = loaded->Shaped;
  EXPECT_EQ(20, shaped->DefImage()->Width());
  EXPECT_EQ(18, shaped->DefImage()->Height());
  EXPECT_EQ(20, shaped->Width());
  EXPECT_EQ(18, shaped->Height());
  EXPECT_EQ(static_cast<TColor>(clBlack), shaped->DefMask()->Canvas()->Pixels(5, 5));
  EXPECT_EQ(static_cast<TColor>(clWhite), shaped->DefMask()->Canvas()->Pixels(0, 0));
  EXPECT_EQ(static_cast<TColor>(clRed), shaped->DefActiveFontColor());
  EXPECT_EQ(static_cast<TColor>(clBlue), shaped->DefDownFontColor());
  EXPECT_FALSE(shaped->TabStop());
  loaded->Show();
  testsupport::ServeApplication(30);
  EXPECT_NE(nullptr, shaped->WindowRegion());
}

TEST_F(ButtonTest, RegisteredDefaultsAreWhatANewButtonHolds) {
  TspSkinButton changed(nullptr);
  changed.SetImageIndex(4);
  changed.SetRepeatInterval(7);
  changed.SetNumGlyphs(3);
  changed.SetMargin(5);
  changed.SetSpacing(9);
  changed.SetLayout(blGlyphBottom);
  changed.SetModalResult(mrNo);
  changed.SetSkinDataName("x");
  ApplyDefaults(&changed, {"ImageIndex", "RepeatInterval", "NumGlyphs", "Margin", "Spacing", "Layout",
                           "ModalResult", "SkinDataName"});
  TspSkinButton fresh(nullptr);
  EXPECT_EQ(fresh.ImageIndex(), changed.ImageIndex());
  EXPECT_EQ(fresh.RepeatInterval(), changed.RepeatInterval());
  EXPECT_EQ(fresh.NumGlyphs(), changed.NumGlyphs());
  EXPECT_EQ(fresh.Margin(), changed.Margin());
  EXPECT_EQ(fresh.Spacing(), changed.Spacing());
  EXPECT_EQ(fresh.Layout(), changed.Layout());
  EXPECT_EQ(fresh.ModalResult(), changed.ModalResult());
  EXPECT_EQ(fresh.SkinDataName(), changed.SkinDataName());
}

// The form-style button

TEST_F(ButtonTest, ALooklessFormStyleButtonTakesItsPicturesSize) {
  auto* button = Place<TspSkinXFormButton>(10, 10);
  button->SetDefImage(Filled(20, 18, clRed).get());
  EXPECT_EQ(20, button->Width());
  EXPECT_EQ(18, button->Height());
  button->SetBounds(10, 10, 40, 40);
  EXPECT_EQ(20, button->Width());
  EXPECT_EQ(18, button->Height());
}

TEST_F(ButtonTest, AFormStyleButtonShowsThePictureOfItsState) {
  auto* button = Place<TspSkinXFormButton>(10, 10);
  button->SetCaption("");
  button->SetDefImage(Filled(20, 18, clRed).get());
  button->SetDefActiveImage(Filled(20, 18, clLime).get());
  EXPECT_EQ(clRed, FacePixel(button, 10, 9));
  button->Perform(CM_MOUSEENTER, 0, 0);
  EXPECT_EQ(clLime, FacePixel(button, 10, 9));
  button->SetDown(true);
  EXPECT_EQ(clLime, FacePixel(button, 10, 9)) << "no pressed picture: the hot one";
  button->SetDefDownImage(Filled(20, 18, clBlue).get());
  EXPECT_EQ(clBlue, FacePixel(button, 10, 9));
}

TEST_F(ButtonTest, TheFormStyleButtonsMaskShapesItsWindow) {
  auto* button = Place<TspSkinXFormButton>(10, 10);
  button->SetDefImage(Filled(20, 18, clRed).get());
  auto mask = Filled(20, 18, clWhite);
  mask->Canvas()->Brush()->SetColor(clBlack);
  mask->Canvas()->FillRect(Rect(2, 2, 18, 16));
  button->SetDefMask(mask.get());
  HRGN probe = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(ERROR, GetWindowRgn(button->Handle(), probe));
  RECT box;
  GetRgnBox(probe, &box);
  EXPECT_EQ(2, box.left);
  EXPECT_EQ(16, box.bottom);

  TBitmap empty;
  button->SetDefMask(&empty);
  EXPECT_EQ(nullptr, button->WindowRegion());
  EXPECT_EQ(ERROR, GetWindowRgn(button->Handle(), probe));
  button->SetDefMask(mask.get());
  EXPECT_NE(nullptr, button->WindowRegion());
  EXPECT_NE(ERROR, GetWindowRgn(button->Handle(), probe));
  DeleteObject(probe);
}

TEST_F(ButtonTest, WithAMatchingLookTheFormStyleButtonIsThePushButton) {
  TspSkinData* skin = ButtonSkin();
  auto* button = Place<TspSkinXFormButton>(10, 10);
  button->SetCaption("");
  button->SetDefImage(Filled(20, 18, clRed).get());
  button->SetSkinData(skin);
  EXPECT_EQ(16, button->Width());
  EXPECT_EQ(12, button->Height());
  EXPECT_EQ(PicturePart(*skin, kNormal), FaceOf(button));
}

TEST_F(ButtonTest, AFormStyleButtonIsNoTabStopAndTakesNoFocusOnClick) {
  auto* other = Place(80, 10);
  other->SetFocus();
  auto* button = Place<TspSkinXFormButton>(10, 10);
  button->SetDefImage(Filled(20, 18, clRed).get());
  TCallCounter clicks;
  button->OnClick = clicks.Event();
  EXPECT_FALSE(button->TabStop());
  testsupport::Click(button, 10, 9);
  EXPECT_EQ(1, clicks.count);
  EXPECT_FALSE(button->Focused());
  EXPECT_TRUE(other->Focused());
}
