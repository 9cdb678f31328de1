// The text objects on skinned forms: the caption's title (placement, colours by the
// form's activity, redraw on a new caption), its hit test and dragging, the choice of the
// default caption, label alignment and quiet text changes, picture-font labels.
#include "DialogLookFixtures.h"
#include "skin/data/Sputils_Geometry.h"
#include "skin/form/Formskinner_TextObjects.h"

using namespace dialoglook;
using namespace formobjects;

namespace {

constexpr int kDialogWidth = 400;
constexpr int kDialogHeight = 300;
constexpr TColor kInactiveColor = 0x0000FF;  // red
constexpr TColor kActiveColor = 0x00FF00;    // green: neither occurs in the test pictures
const TRect kCaptionSkinRect{20, 4, 150, 26};
const TRect kTextRect{4, 0, 126, 22};

TObjectEntry Caption(const std::string& name, bool defaultCaption = true) {
  TObjectEntry entry{name,
                     "caption",
                     {{"skinrect", RectText(kCaptionSkinRect)},
                      {"textrect", RectText(kTextRect)},
                      {"fontcolor", std::to_string(kInactiveColor)},
                      {"activefontcolor", std::to_string(kActiveColor)},
                      {"fontstyle", "fsbold"},
                      {"alignment", "tacenter"}}};
  if (defaultCaption) entry.keys["defaultcaption"] = "1";
  return entry;
}

TObjectEntry Label(const std::string& name, const TRect& rect, const std::string& alignment, const std::string& text) {
  return {name,
          "label",
          {{"skinrect", RectText(rect)},
           {"fontcolor", std::to_string(kInactiveColor)},
           {"activefontcolor", std::to_string(kInactiveColor)},
           {"alignment", alignment},
           {"textvalue", text}}};
}

// The picture font: digits in row 0, the colon in row 1, 6 x 8 cells from (4, 8) of
// active picture 0.
const TRect kClockRect{20, 110, 50, 118};
constexpr int kCell = 6;
constexpr int kCellHeight = 8;
const TPoint kGrid{4, 8};

TObjectEntry Clock() {
  return {"clock",
          "bitlabel",
          {{"skinrect", RectText(kClockRect)},
           {"activepictureindex", "0"},
           {"activeskinrect", RectText(TRect{kGrid.X, kGrid.Y, 64, 24})},
           {"symbolwidth", std::to_string(kCell)},
           {"symbolheight", std::to_string(kCellHeight)},
           {"symbolslinecount", "2"},
           {"symbolsline0", "0123456789"},
           {"symbolsline1", ":"},
           {"textvalue", "12:30"}}};
}

const TRect kLeftLabel{20, 40, 120, 60};
const TRect kCentreLabel{20, 62, 120, 82};
const TRect kRightLabel{20, 84, 120, 104};

std::vector<TObjectEntry> ClientObjects() {
  return {Caption("caption"), Label("lblLeft", kLeftLabel, "taleftjustify", "Left"),
          Label("lblCentre", kCentreLabel, "tacenter", "Centre"),
          Label("lblRight", kRightLabel, "tarightjustify", "Right"), Clock()};
}

class TextObjects : public DialogLookTest {
 protected:
  TspFormSkinner* ShowCaptionDialog() {
    TspSkinData* skin = SharedSkinData("dialoglookcaption", {Caption("caption")},
                                       {{"FORMINFO/buttonsoffset", "2"}, {"FORMINFO/borderwidth", "4"}});
    return ShowSkinned(kDialogWidth, kDialogHeight, skin);
  }
  TspFormSkinner* ShowClientForm() {
    return ShowSkinned(formskin::kWidth, formskin::kHeight, SharedSkinData("dialoglookclient", ClientObjects()), true);
  }
  static TRect CaptionRect(TspFormSkinner* skinner) {
    return ObjectNamed<TspSkinCaptionObject>(skinner, "caption")->ObjectRect;
  }
};

TEST_F(TextObjects, TheTitleIsCentredInTheTextRectInTheColourOfTheFormsActivity) {
  TspFormSkinner* skinner = ShowCaptionDialog();
  TCustomForm* form = skinner->OwnerForm;
  const TRect object = CaptionRect(skinner);
  const TRect active = InkBox(form, object, ColorToRGB(kActiveColor));
  ASSERT_TRUE(HasInk(active));
  EXPECT_FALSE(HasInk(InkBox(form, object, ColorToRGB(kInactiveColor))));
  // The text area grows with the object: its right end keeps its distance to the right.
  const int textRight = RectWidth(object) - (RectWidth(kCaptionSkinRect) - kTextRect.Right);
  const int centreX = object.Left + (kTextRect.Left + textRight) / 2;
  const int centreY = object.Top + (kTextRect.Top + kTextRect.Bottom) / 2;
  EXPECT_NEAR((active.Left + active.Right) / 2, centreX, 2);
  EXPECT_NEAR((active.Top + active.Bottom) / 2, centreY, 3);
  const SIZE size = TextSize("Arial", 14, {fsBold}, "Convert");
  EXPECT_NEAR(active.Right - active.Left + 1, size.cx, 3);

  ShowOtherForm();
  const TRect inactive = InkBox(form, object, ColorToRGB(kInactiveColor));
  EXPECT_TRUE(HasInk(inactive));
  EXPECT_FALSE(HasInk(InkBox(form, object, ColorToRGB(kActiveColor))));
  EXPECT_EQ(inactive.Left, active.Left);
}

TEST_F(TextObjects, ANewCaptionIsRedrawnAndAnEmptyOneDrawsNone) {
  TspFormSkinner* skinner = ShowCaptionDialog();
  TCustomForm* form = skinner->OwnerForm;
  const TRect object = CaptionRect(skinner);
  const int before = RectWidth(InkBox(form, object, ColorToRGB(kActiveColor)));
  form->SetCaption("Convert the selected files");
  EXPECT_EQ(ObjectNamed<TspSkinCaptionObject>(skinner, "caption")->TextValue, "Convert the selected files");
  EXPECT_GT(RectWidth(InkBox(form, object, ColorToRGB(kActiveColor))), before + 40);
  form->SetCaption("");
  EXPECT_FALSE(HasInk(InkBox(form, object, ColorToRGB(kActiveColor))));
}

TEST_F(TextObjects, TheCaptionAnswersHTCaptionAndMovesTheDialog) {
  TspFormSkinner* skinner = ShowCaptionDialog();
  TCustomForm* form = skinner->OwnerForm;
  const TRect object = CaptionRect(skinner);
  const int x = (object.Left + object.Right) / 2;
  const int y = (object.Top + object.Bottom) / 2;
  EXPECT_EQ(HitTest(form, x, y), HTCAPTION);
  EXPECT_EQ(HitTest(form, x, 40), HTCLIENT);
  const int left = form->Left();
  const int top = form->Top();
  DragInPlatformLoop(WindowPoint(form, x, y), 40, 20,
                     [&] { return form->Left() == left + 40 && form->Top() == top + 20; });
  EXPECT_EQ(form->Left(), left + 40);
  EXPECT_EQ(form->Top(), top + 20);
}

TEST_F(TextObjects, InClientModeTheCaptionDragsTheFormAndReportsItsReleaseAnywhere) {
  TspFormSkinner* skinner = ShowClientForm();
  TObjectEvents events(skinner);
  TCustomForm* form = skinner->OwnerForm;
  const int left = form->Left();
  const int top = form->Top();
  const POINT start = WindowPoint(form, 60, 15);
  CursorTo(start.x, start.y);
  LeftButton(true);
  CursorTo(start.x + 30, start.y + 20);
  CursorTo(start.x + 50, start.y + 35);
  EXPECT_EQ(form->Left(), left + 50);
  EXPECT_EQ(form->Top(), top + 35);
  events.lines.clear();
  form->Perform(WM_LBUTTONUP, 0, MAKELPARAM(190, 140));  // released far off the caption
  ASSERT_EQ(events.lines.size(), 1u);
  EXPECT_EQ(events.lines[0].rfind("up caption 190,140", 0), 0u) << events.lines[0];
  EXPECT_FALSE(skinner->Dragging);
  LeftButton(false);
  CursorTo(start.x + 90, start.y + 60);
  EXPECT_EQ(form->Left(), left + 50) << "released: no more following";
}

TEST_F(TextObjects, InClientModeADoubleClickOnTheCaptionMaximisesAndRestores) {
  TspFormSkinner* skinner = ShowClientForm();
  TCustomForm* form = skinner->OwnerForm;
  auto doubleClickAt = [&](int x, int y) {
    form->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    form->Perform(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(x, y));
    form->Perform(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  };
  doubleClickAt(kLeftLabel.Left + 5, kLeftLabel.Top + 5);
  EXPECT_EQ(spwsNormal, skinner->WindowState) << "a label is no caption";
  doubleClickAt(60, 15);
  EXPECT_EQ(spwsMaximized, skinner->WindowState);
  doubleClickAt(60, 15);
  EXPECT_EQ(spwsNormal, skinner->WindowState);
  skinner->Sizeable = false;
  doubleClickAt(60, 15);
  EXPECT_EQ(spwsNormal, skinner->WindowState) << "a fixed form keeps its size";
}

TEST_F(TextObjects, WithoutADefaultCaptionTheFirstCaptionMirrorsTheFormsCaption) {
  TspSkinData* skin = SharedSkinData("dialoglooktwocaptions", {Caption("first", false), Caption("second", false)});
  TspFormSkinner* skinner = ShowSkinned(kDialogWidth, kDialogHeight, skin);
  auto* first = ObjectNamed<TspSkinCaptionObject>(skinner, "first");
  auto* second = ObjectNamed<TspSkinCaptionObject>(skinner, "second");
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_TRUE(first->DefaultCaption);
  EXPECT_EQ(first->TextValue, "Convert");
  EXPECT_FALSE(second->DefaultCaption);
  EXPECT_TRUE(second->TextValue.IsEmpty());
  skinner->OwnerForm->SetCaption("Options");
  EXPECT_EQ(first->TextValue, "Options");
  skinner->CaptionSetText("second", "Other");
  EXPECT_EQ(second->TextValue, "Other");
}

TEST_F(TextObjects, LabelsAlignTheirMeasuredTextLeftCentredOrRight) {
  struct Case {
    TRect rect;
    const char* text;
    TAlignment alignment;
  };
  const Case cases[] = {{kLeftLabel, "Left", taLeftJustify},
                        {kCentreLabel, "Centre", taCenter},
                        {kRightLabel, "Right", taRightJustify}};
  TspFormSkinner* skinner = ShowClientForm();
  for (const Case& c : cases) {
    const SIZE size = TextSize("Arial", 14, {}, c.text);
    int x = c.rect.Left + RectWidth(c.rect) / 2 - size.cx / 2;
    if (c.alignment == taLeftJustify) x = c.rect.Left;
    if (c.alignment == taRightJustify) x = c.rect.Right - size.cx;
    const TRect ink = InkBox(skinner->OwnerForm, c.rect, ColorToRGB(kInactiveColor));
    ASSERT_TRUE(HasInk(ink)) << c.text;
    EXPECT_GE(ink.Left, x) << c.text;
    EXPECT_LE(ink.Left, x + 2) << c.text;
    EXPECT_LT(ink.Right, x + size.cx) << c.text;
    EXPECT_GE(ink.Right, x + size.cx - 3) << c.text;
    EXPECT_NEAR((ink.Top + ink.Bottom) / 2, (c.rect.Top + c.rect.Bottom) / 2, 3) << c.text;
  }
}

TEST_F(TextObjects, LabelTextIsDrawnAtOnceButOnlyStoredWhileASkinIsApplied) {
  TspFormSkinner* skinner = ShowClientForm();
  TCustomForm* form = skinner->OwnerForm;
  const COLORREF ink = ColorToRGB(kInactiveColor);
  const int before = RectWidth(InkBox(form, kLeftLabel, ink));
  skinner->ApplyingSkin = true;
  skinner->LabelSetText("lblLeft", "Left and more");
  skinner->ApplyingSkin = false;
  EXPECT_EQ(ObjectNamed<TspSkinLabelObject>(skinner, "lblLeft")->TextValue, "Left and more");
  EXPECT_EQ(RectWidth(InkBox(form, kLeftLabel, ink)), before) << "stored, not drawn";
  skinner->LabelSetText("lblLeft", "Left and more");
  EXPECT_GT(RectWidth(InkBox(form, kLeftLabel, ink)), before + 30) << "drawn at once";
}

TEST_F(TextObjects, ALabelTextSetDuringTheSkinApplicationSurvivesIt) {
  TspFormSkinner* skinner = ShowClientForm();
  struct TSetter : TObject {
    TspFormSkinner* skinner;
    bool quiet = false;
    void Changed(TObject*) {
      quiet = skinner->ApplyingSkin;
      skinner->LabelSetText("lblLeft", "Applied");
      skinner->BitLabelSetText("clock", "09:15");
    }
  } setter;
  setter.skinner = skinner;
  skinner->OnChangeSkinData = TNotifyEvent(&setter, &TSetter::Changed);
  skinner->SetSkinData(nullptr);
  skinner->SetSkinData(SharedSkinData("dialoglookclient", ClientObjects()));
  skinner->OnChangeSkinData = nullptr;
  EXPECT_TRUE(setter.quiet);
  EXPECT_EQ(ObjectNamed<TspSkinLabelObject>(skinner, "lblLeft")->TextValue, "Applied");
  EXPECT_EQ(ObjectNamed<TspSkinBitLabelObject>(skinner, "clock")->TextValue, "09:15");
}

TEST_F(TextObjects, APictureFontLabelCopiesTheCellsOfItsCharacters) {
  TspFormSkinner* skinner = ShowClientForm();
  TCustomForm* form = skinner->OwnerForm;
  // (row, column) of each character of "12:30" in the picture font.
  const TPoint cells[] = {{1, 0}, {2, 0}, {0, 1}, {3, 0}, {0, 0}};
  for (int i = 0; i < 5; ++i) {
    for (const TPoint d : {TPoint{1, 2}, TPoint{4, 6}}) {
      const int sx = kGrid.X + cells[i].X * kCell + d.X;
      const int sy = kGrid.Y + cells[i].Y * kCellHeight + d.Y;
      EXPECT_EQ(formskin::WindowPixel(form, kClockRect.Left + i * kCell + d.X, kClockRect.Top + d.Y), ActivePixel(0, sx, sy))
          << "character " << i;
    }
  }
  skinner->BitLabelSetText("clock", "1x");
  const int x = kClockRect.Left + kCell + 2;
  EXPECT_EQ(formskin::WindowPixel(form, x, kClockRect.Top + 3), formskin::PicturePixel(x, kClockRect.Top + 3))
      << "an unknown character leaves the background";
  EXPECT_EQ(formskin::WindowPixel(form, kClockRect.Left + 2, kClockRect.Top + 3),
            ActivePixel(0, kGrid.X + kCell + 2, kGrid.Y + 3));
}

}  // namespace
