// The standard label: the font and colour its text takes from the look, DefaultFont or
// Font, the embossed disabled text, measuring an empty label and the ellipsis kinds.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "SkinControlsFixtures.h"
#include "skin/data/Skindata_Labels.h"

using namespace skinbases;

namespace {

constexpr TColor kLookColour = 0x0000C0;
constexpr TColor kFontColour = 0x00C000;
constexpr TColor kDefaultColour = 0xC00000;

// The line height of a font as a label measures it.
int LineHeight(TFont* font) {
  TBitmap bitmap;
  bitmap.SetSize(4, 4);
  bitmap.Canvas()->Font()->Assign(font);
  return bitmap.Canvas()->TextHeight("W");
}

bool Shows(const std::vector<TColor>& face, TColor colour) {
  return std::find(face.begin(), face.end(), colour) != face.end();
}

// The lowest row and the rightmost column holding `colour`.
TPoint BottomRightOf(const std::vector<TColor>& face, int width, TColor colour) {
  TPoint corner{-1, -1};
  for (size_t i = 0; i < face.size(); ++i) {
    if (face[i] != colour) continue;
    corner.X = std::max<LONG>(corner.X, static_cast<LONG>(i % width));
    corner.Y = std::max<LONG>(corner.Y, static_cast<LONG>(i / width));
  }
  return corner;
}

class SkinStdLabel : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    skin = LoadBasesSkin("skinlabels_std", {{"stdlabel/fontname", "Courier New"},
                                            {"stdlabel/fontheight", "30"},
                                            {"stdlabel/fontcolor", std::to_string(kLookColour)}})
               .release();
  }
  static void TearDownTestSuite() {
    delete skin;
    skin = nullptr;
  }

  void SetUp() override {
    label = std::make_unique<TspSkinStdLabel>(nullptr);
    label->Font()->SetName("Courier New");
    label->Font()->SetHeight(12);
    label->Font()->SetColor(kFontColour);
    label->DefaultFont()->SetName("Courier New");
    label->DefaultFont()->SetHeight(20);
    label->DefaultFont()->SetColor(kDefaultColour);
    label->DefaultFont()->SetStyle(TFontStyles{fsBold});
  }

  TspDataSkinStdLabelControl* Look() const {
    return dynamic_cast<TspDataSkinStdLabelControl*>(skin->CtrlList[skin->GetControlIndex("stdlabel")].get());
  }
  // The look's font as the label sets it on its canvas.
  int LookLineHeight() const {
    TFont font;
    font.SetName(Look()->FontName);
    font.SetStyle(Look()->FontStyle);
    font.SetHeight(Look()->FontHeight);
    return LineHeight(&font);
  }

  static TspSkinData* skin;
  std::unique_ptr<TspSkinStdLabel> label;
};

TspSkinData* SkinStdLabel::skin = nullptr;

}  // namespace

TEST_F(SkinStdLabel, StartsTransparentOnTheStandardLabelLook) {
  EXPECT_TRUE(label->Transparent());
  EXPECT_TRUE(label->AutoSize());
  EXPECT_EQ(label->SkinDataName(), "stdlabel");
  EXPECT_EQ(label->EllipsType(), spetNone);
  EXPECT_TRUE(label->UseSkinFont());
  EXPECT_TRUE(label->UseSkinColor());
  TFont platformDefault;
  EXPECT_EQ(TspSkinStdLabel(nullptr).DefaultFont()->Name(), platformDefault.Name());
}

TEST_F(SkinStdLabel, FontAndColourFollowTheLookAndTheTwoSwitches) {
  enum TSource { kLook, kFont, kDefault };
  struct TCase {
    bool look, useSkinFont, useSkinColor;
    TSource font, colour;
  } const cases[] = {
      {false, true, true, kDefault, kDefault}, {false, false, true, kFont, kFont},
      {true, true, true, kLook, kLook},        {true, true, false, kLook, kFont},
      {true, false, true, kFont, kLook},       {true, false, false, kFont, kFont},
  };
  const TColor colours[] = {kLookColour, kFontColour, kDefaultColour};
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "look " << c.look << ", UseSkinFont " << c.useSkinFont << ", UseSkinColor "
                                    << c.useSkinColor);
    SetUp();
    label->SetCaption("WWW");
    label->SetUseSkinFont(c.useSkinFont);
    label->SetUseSkinColor(c.useSkinColor);
    label->SetSkinDataName(c.look ? "stdlabel" : "no such look");
    label->SetSkinData(skin);
    EXPECT_EQ(label->LookIndex() != -1, c.look);
    const int heights[] = {LookLineHeight(), LineHeight(label->Font()), LineHeight(label->DefaultFont())};
    EXPECT_EQ(label->Height(), heights[c.font]);
    const std::vector<TColor> face = FaceOf(label.get());
    for (TSource source : {kLook, kFont, kDefault}) EXPECT_EQ(Shows(face, colours[source]), source == c.colour);
  }
}

TEST_F(SkinStdLabel, WithoutSkinDataTheDefaultFontDrawsWithItsColour) {
  label->SetCaption("WWW");
  EXPECT_EQ(label->Height(), LineHeight(label->DefaultFont()));
  const std::vector<TColor> face = FaceOf(label.get());
  EXPECT_TRUE(Shows(face, kDefaultColour));
  EXPECT_FALSE(Shows(face, kFontColour));
}

TEST_F(SkinStdLabel, DisabledTextIsEmbossedOnePixelRightAndDown) {
  struct TCase {
    const char* look;
    TColor highlight, shadow;
  } const cases[] = {
      {"stdlabel", skin->SkinColors->BtnHighlight, skin->SkinColors->BtnShadow},
      {"no such look", static_cast<TColor>(GetSysColor(COLOR_BTNHIGHLIGHT)),
       static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW))},
  };
  ASSERT_NE(cases[0].highlight, cases[1].highlight);
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.look);
    SetUp();
    label->SetAutoSize(false);
    label->SetBounds(0, 0, 200, 60);  // room for the copy one pixel right and down
    label->SetCaption("WWW");
    label->SetSkinDataName(c.look);
    label->SetSkinData(skin);
    label->SetEnabled(false);
    const std::vector<TColor> face = FaceOf(label.get());
    const TPoint highlight = BottomRightOf(face, label->Width(), c.highlight);
    const TPoint shadow = BottomRightOf(face, label->Width(), c.shadow);
    ASSERT_NE(shadow.X, -1);
    EXPECT_EQ(highlight.X, shadow.X + 1);
    EXPECT_EQ(highlight.Y, shadow.Y + 1);
    EXPECT_FALSE(Shows(face, kLookColour));
    EXPECT_FALSE(Shows(face, kDefaultColour));
  }
}

TEST_F(SkinStdLabel, AnEmptyAutoSizedLabelMeasuresOneBlank) {
  for (const char* caption : {"", "&"}) {
    SCOPED_TRACE(caption);
    label->SetCaption("x");
    label->SetCaption(caption);
    TBitmap bitmap;
    bitmap.SetSize(4, 4);
    bitmap.Canvas()->Font()->Assign(label->DefaultFont());
    // "&" alone is an accelerator mark: the blank after it is what shows.
    EXPECT_EQ(label->Width(), bitmap.Canvas()->TextWidth(" "));
    EXPECT_EQ(label->Height(), bitmap.Canvas()->TextHeight(" "));
  }
}

TEST_F(SkinStdLabel, EllipsisKindsShortenInTheMiddleOrAtTheEnd) {
  const char* path = "C:\\Videos\\Holiday\\Summer\\Beach\\clip0001.avi";
  struct TCase {
    TspEllipsType type;
    UINT flag;
  } const cases[] = {{spetNone, 0}, {spetEndEllips, DT_END_ELLIPSIS}, {spetPathEllips, DT_PATH_ELLIPSIS}};
  std::vector<std::vector<TColor>> faces;
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.type);
    SetUp();
    label->SetAutoSize(false);
    label->SetBounds(0, 0, 150, 24);
    label->SetCaption(path);
    label->SetEllipsType(c.type);
    faces.push_back(FaceOf(label.get()));
    // What the system draws of the path shortened that way, in the label's font.
    TBitmap expected;
    expected.SetPixelFormat(pf24bit);
    expected.SetSize(150, 24);
    const std::vector<TColor> blank = PixelsOf(expected);
    HDC dc = expected.Canvas()->Handle();
    expected.Canvas()->Font()->Assign(label->DefaultFont());
    HGDIOBJ old = SelectObject(dc, expected.Canvas()->Font()->Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(kDefaultColour));
    RECT r{0, 0, 150, 24};
    DrawTextA(dc, path, -1, &r, DT_EXPANDTABS | DT_LEFT | c.flag);
    SelectObject(dc, old);
    expected.Canvas()->Refresh();
    EXPECT_EQ(faces.back(), PixelsOf(expected));
    EXPECT_NE(faces.back(), blank);
  }
  EXPECT_NE(faces[0], faces[1]);
  EXPECT_NE(faces[1], faces[2]);
  EXPECT_NE(faces[0], faces[2]);
}
