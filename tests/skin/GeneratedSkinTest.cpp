#include <gtest/gtest.h>

#include <string>

#include "LookKinds.h"
#include "TestSkin.h"
#include "classlib/graphics/Graphics.h"
#include "classlib/windowing/Screen.h"
#include "skin/data/Skindata.h"

namespace {

// The description a skin data writes, section by section, CURSORS left out.
std::map<std::string, std::string> Sections(TspSkinData& skin) {
  TMemIniFile ini("");
  skin.SaveToCustomIniFile(&ini);
  TStringList names;
  ini.ReadSections(&names);
  std::map<std::string, std::string> sections;
  for (int i = 0; i < names.Count(); ++i) {
    if (names.Strings(i) == "CURSORS") continue;
    TStringList values;
    ini.ReadSectionValues(names.Strings(i), &values);
    sections[names.Strings(i).str()] = values.Text().str();
  }
  return sections;
}

class GeneratedSkin : public testing::Test {
 protected:
  void SetUp() override {
    InitializeGraphics();
    path_ = skintest::WriteTestSkin("skin-generated");
    skin_.LoadFromFile(path_.c_str());
  }

  std::string path_;
  TspSkinData skin_{nullptr};
};

TEST_F(GeneratedSkin, EveryLookObjectAndAreaIsFoundByName) {
  ASSERT_FALSE(skin_.Empty);
  size_t controls = 0;
  size_t objects = 0;
  for (const lookkinds::Kind& kind : lookkinds::AllKinds()) {
    if (kind.word == "POPUPWINDOW" || kind.word == "HINTWINDOW") continue;
    SCOPED_TRACE(kind.word);
    AnsiString name = skintest::LookName(kind.word, kind.object).c_str();
    if (kind.object) {
      ++objects;
      int index = skin_.GetIndex(name);
      ASSERT_GE(index, 0);
      EXPECT_EQ(AnsiString(kind.word.c_str()), ObjectLookWord(skin_.ObjectList[static_cast<size_t>(index)].get()));
    } else {
      ++controls;
      int index = skin_.GetControlIndex(name);
      ASSERT_GE(index, 0);
      EXPECT_EQ(AnsiString(kind.word.c_str()), ControlLookWord(skin_.CtrlList[static_cast<size_t>(index)].get()));
    }
  }
  EXPECT_EQ(controls, skin_.CtrlList.size());
  EXPECT_EQ(objects, skin_.ObjectList.size());
  EXPECT_EQ(1, skin_.GetAreaIndex("status"));
  EXPECT_EQ(Rect(12, 70, 108, 78), skin_.AreaList[1]->AreaRect);
  EXPECT_EQ(0x101010, skin_.SkinColors->BtnFace);
  EXPECT_EQ(0xA0A0A0, skin_.SkinColors->DkShadow3D);
  EXPECT_NE(-1, skin_.PopupWindow->WindowPictureIndex);
  EXPECT_EQ(ieDarkness, skin_.InActiveEffect);
  EXPECT_EQ(AnsiString("panel"), skin_.StatusBarName);
}

TEST_F(GeneratedSkin, PicturesKeepTheirCodedPixels) {
  using namespace skintest;
  EXPECT_EQ(PictureColour(piForm, 5, 7), skin_.Picture->Canvas()->Pixels(5, 7));
  EXPECT_EQ(PictureColour(piInActive, 119, 89), skin_.InActivePicture->Canvas()->Pixels(119, 89));
  EXPECT_EQ(PictureColour(piRollUp, 60, 10), skin_.RollUpPicture->Canvas()->Pixels(60, 10));
  ASSERT_EQ(static_cast<size_t>(kActivePictures), skin_.ActivePictures.size());
  EXPECT_EQ(PictureColour(piActive2, 15, 39), skin_.ActivePictures[2]->Canvas()->Pixels(15, 39));
  EXPECT_EQ(clBlack, skin_.MaskPicture->Canvas()->Pixels(60, 45));
  EXPECT_EQ(clWhite, skin_.MaskPicture->Canvas()->Pixels(0, 0));
}

TEST_F(GeneratedSkin, FormInfoDerivedValuesFollowTheMaskAndTheClientRectangle) {
  EXPECT_EQ(Rect(12, 24, 108, 78), skin_.MaskRectArea);  // a null area takes the client rectangle
  EXPECT_EQ(Point(10, 20), skin_.HitTestLeftTopPoint);   // null hit-test points take the corners as read
  EXPECT_EQ(Point(100, 15), skin_.HitTestRightTopPoint);
  EXPECT_EQ(Point(10, 80), skin_.HitTestLeftBottomPoint);
  EXPECT_EQ(Point(110, 80), skin_.HitTestRightBottomPoint);
  EXPECT_EQ(Point(12, 24), skin_.LeftTopPoint);  // then the corners are clamped to it
  EXPECT_EQ(Point(108, 24), skin_.RightTopPoint);
  EXPECT_EQ(Point(12, 78), skin_.LeftBottomPoint);
  EXPECT_EQ(Point(108, 78), skin_.RightBottomPoint);
}

TEST_F(GeneratedSkin, CursorsAreRegisteredFromTheStartIndexAndABrokenOneLeavesTheDefault) {
  EXPECT_EQ(skintest::kStartCursorIndex, skin_.StartCursorIndex);
  HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
  EXPECT_NE(arrow, Screen->Cursors(skintest::kStartCursorIndex));
  EXPECT_NE(nullptr, Screen->Cursors(skintest::kStartCursorIndex));
  EXPECT_EQ(arrow, Screen->Cursors(skintest::kStartCursorIndex + 1));
}

TEST_F(GeneratedSkin, SavedAndCompressedCopiesHoldTheSameSkin) {
  std::string saved = path_.substr(0, path_.rfind('\\') + 1) + "saved.ini";
  skin_.SaveToFile(saved.c_str());
  TspSkinData fromSaved(nullptr);
  fromSaved.LoadFromFile(saved.c_str());
  EXPECT_EQ(Sections(skin_), Sections(fromSaved));

  TspCompressedStoredSkin store(nullptr);
  store.LoadFromIniFile(path_.c_str());
  std::string packed = path_.substr(0, path_.rfind('\\') + 1) + "skin.skn";
  store.SaveToCompressFile(packed.c_str());
  TspSkinData fromPacked(nullptr);
  fromPacked.LoadFromCompressedFile(packed.c_str());
  EXPECT_EQ(Sections(skin_), Sections(fromPacked));
  EXPECT_EQ(0, fromPacked.CursorsNames->Count());
  for (size_t i = 0; i < skin_.ActivePictures.size(); ++i) {
    SCOPED_TRACE(i);
    TBitmap* a = skin_.ActivePictures[i].get();
    TBitmap* b = fromPacked.ActivePictures[i].get();
    ASSERT_EQ(a->Width(), b->Width());
    for (int y = 0; y < a->Height(); y += 3) {
      for (int x = 0; x < a->Width(); x += 3) ASSERT_EQ(a->Canvas()->Pixels(x, y), b->Canvas()->Pixels(x, y));
    }
  }
}

}  // namespace
