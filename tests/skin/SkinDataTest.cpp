#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "classlib/graphics/Graphics.h"
#include "classlib/graphics/JPEGImage.h"
#include "classlib/runtime/Exceptions.h"
#include "classlib/windowing/Forms.h"
#include "classlib/windowing/Screen.h"
#include "skin/data/Skindata.h"
#include "test_support.h"

namespace {

// A small skin folder: a form picture, two active pictures whose pixels tell them apart,
// and a description whose lists hold a duplicate name and an entry of an unknown word.
class SkinFolder : public testing::Test {
 protected:
  void SetUp() override {
    InitializeGraphics();
    folder_ = testsupport::FreshTempFolder("skin-data") + "\\";
    WritePicture("form.bmp", 40, 30, clRed);
    WritePicture("act0.bmp", 16, 16, clLime);
    WritePicture("act1.bmp", 8, 8, clBlue);
    WriteText("skin.ini", Description(""));
  }

  void WritePicture(const char* name, int width, int height, TColor colour) {
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(width, height);
    bitmap.Canvas()->Brush()->SetColor(colour);
    bitmap.Canvas()->FillRect(Rect(0, 0, width, height));
    bitmap.SaveToFile((folder_ + name).c_str());
  }

  void WriteText(const char* name, const std::string& text) { std::ofstream(folder_ + name, std::ios::binary) << text; }

  static std::string Description(const std::string& extraPictures, const char* buttonRect = "0,0,16,16") {
    return "[VERSION]\nskinname=Test skin\nskinauthor=Tests\n"
           "[PICTURES]\npicture=form.bmp\n" + extraPictures + "activepicturescount=2\n0=act0.bmp\n1=act1.bmp\n"
           "[CURSORS]\nstartcursorindex=-3\ncursorscount=1\n0=missing.cur\n"
           "[FORMINFO]\nlefttoppoint=5,5\nrighttoppoint=35,5\nleftbottompoint=5,25\nrightbottompoint=35,25\n"
           "clientrect=8,8,30,20\nmaskrectarea=1,1,2,2\nhittestlefttoppoint=3,0\n"
           "[SKINAREAS]\ncount=2\n0=client:1,2,3,4\n1=nocolon\n"
           "[SKINOBJECTS]\ncount=2\n0=close:stdbutton\n1=title:caption\n"
           "[SKINCONTROLS]\ncount=4\n0=button:button\n1=Panel:Button\n2=button:panel\n3=edit:edit\n"
           "[button]\npictureindex=0\nskinrect=" + std::string(buttonRect) + "\nfontcolor=255\n"
           "[close]\ncommand=cmclose\n[title]\nfontcolor=99\n[edit]\nfontheight=20\n";
  }

  std::string Path(const char* name) const { return folder_ + name; }

  std::string folder_;
};

TEST_F(SkinFolder, LoadedSkinAnswersEveryLookUpByName) {
  TspSkinData skin(nullptr);
  EXPECT_TRUE(skin.Empty);
  skin.LoadFromFile(Path("skin.ini").c_str());
  EXPECT_FALSE(skin.Empty);
  EXPECT_EQ(AnsiString("Test skin"), skin.SkinName);
  ASSERT_EQ(3u, skin.CtrlList.size());  // the entry of the word "Button" makes nothing
  EXPECT_EQ(0, skin.GetControlIndex("button"));
  EXPECT_EQ(-1, skin.GetControlIndex("Button"));
  EXPECT_EQ(-1, skin.GetControlIndex("Panel"));
  EXPECT_TRUE(skin.CtrlList[1]->InheritsFrom(TspDataSkinPanelControl::StaticClass()));
  EXPECT_EQ(255, static_cast<TspDataSkinButtonControl*>(skin.CtrlList[0].get())->FontColor);
  EXPECT_EQ(2, skin.GetControlIndex("edit"));
  EXPECT_EQ(20, static_cast<TspDataSkinEditControl*>(skin.CtrlList[2].get())->FontHeight);
  EXPECT_EQ(1, skin.GetIndex("title"));
  EXPECT_EQ(cmClose, static_cast<TspDataSkinStdButton*>(skin.ObjectList[0].get())->Command);
  EXPECT_EQ(0, skin.GetAreaIndex("client"));
  EXPECT_EQ(Rect(1, 2, 3, 4), skin.AreaList[0]->AreaRect);
  EXPECT_EQ(1, skin.GetAreaIndex(""));
  EXPECT_EQ(TRect{}, skin.AreaList[1]->AreaRect);
  ASSERT_EQ(2u, skin.ActivePictures.size());
  EXPECT_EQ(clLime, skin.ActivePictures[0]->Canvas()->Pixels(3, 3));
  EXPECT_EQ(8, skin.ActivePictures[1]->Width());
  EXPECT_EQ(pf24bit, skin.ActivePictures[1]->PixelFormat());
  EXPECT_EQ(40, skin.Picture->Width());
  EXPECT_TRUE(skin.MaskPicture->Empty());
  EXPECT_EQ(static_cast<TColor>(0x8000000F), skin.SkinColors->BtnFace);  // no SKINCOLORS: system colours
}

TEST_F(SkinFolder, FormInfoClampsCornersAndKeepsMaskValuesWithoutAMask) {
  TspSkinData skin(nullptr);
  skin.LoadFromFile(Path("skin.ini").c_str());
  EXPECT_EQ(Point(8, 8), skin.LeftTopPoint);
  EXPECT_EQ(Point(30, 8), skin.RightTopPoint);
  EXPECT_EQ(Point(8, 20), skin.LeftBottomPoint);
  EXPECT_EQ(Point(30, 20), skin.RightBottomPoint);
  EXPECT_EQ(Rect(1, 1, 2, 2), skin.MaskRectArea);
  EXPECT_EQ(Point(3, 0), skin.HitTestLeftTopPoint);
  EXPECT_EQ(-1, skin.BGPictureIndex);
}

TEST_F(SkinFolder, CornersSharingACoordinateStayUnclamped) {
  std::string text = Description("");
  text.replace(text.find("rightbottompoint=35,25"), 22, "rightbottompoint=5,25");
  WriteText("shared.ini", text);
  TspSkinData skin(nullptr);
  skin.LoadFromFile(Path("shared.ini").c_str());
  EXPECT_EQ(Point(5, 5), skin.LeftTopPoint);
  EXPECT_EQ(Point(35, 5), skin.RightTopPoint);
  EXPECT_EQ(Point(5, 25), skin.RightBottomPoint);
}

TEST_F(SkinFolder, WithAMaskTheMaskAreaGrowsAndNullHitTestPointsTakeTheCorners) {
  WritePicture("mask.bmp", 40, 30, clBlack);
  WriteText("masked.ini", Description("mask=mask.bmp\n"));
  TspSkinData skin(nullptr);
  skin.LoadFromFile(Path("masked.ini").c_str());
  EXPECT_EQ(Rect(1, 1, 30, 20), skin.MaskRectArea);
  EXPECT_EQ(Point(5, 5), skin.HitTestLeftTopPoint);  // the corner as read, before clamping
  EXPECT_EQ(Point(35, 25), skin.HitTestRightBottomPoint);
  EXPECT_EQ(40, skin.MaskPicture->Width());
}

// Records the skin messages a form receives, with the state of the skin data then.
class FormWatch {
 public:
  FormWatch(TCustomForm* form, const char* name, std::vector<std::string>& log)
      : form_(form), name_(name), log_(log), saved_(form->WindowProc) {
    form->WindowProc = TWndMethod(this, &FormWatch::Hook);
  }
  ~FormWatch() { form_->WindowProc = saved_; }

  void Hook(TMessage& message) {
    const bool skinMessage = message.Msg >= WM_BEFORECHANGESKINDATA && message.Msg <= WM_AFTERCHANGESKINDATA;
    if (skinMessage || message.Msg == WM_CHANGERESOURCESTRDATA || message.Msg == WM_CHANGEFORMSKINNABLE) {
      auto* skin = reinterpret_cast<TspSkinData*>(message.WParam);
      log_.push_back(name_ + " " + std::to_string(message.Msg) + (skin->Empty ? " empty" : "") +
                     (skin->SkinChanging() ? " changing" : "") + " " + std::to_string(message.LParam));
    }
    saved_(message);
  }

 private:
  TCustomForm* form_;
  std::string name_;
  std::vector<std::string>& log_;
  TWndMethod saved_;
};

TEST_F(SkinFolder, LoadAndClearAnnounceToTheOwnerFirstThenEveryOtherForm) {
  std::vector<std::string> log;
  auto a = std::make_unique<TForm>(nullptr, CreateNew);
  auto b = std::make_unique<TForm>(nullptr, CreateNew);
  auto c = std::make_unique<TForm>(nullptr, CreateNew);
  FormWatch watchA(a.get(), "A", log);
  FormWatch watchB(b.get(), "B", log);
  FormWatch watchC(c.get(), "C", log);
  auto* skin = new TspSkinData(b.get());
  skin->LoadFromFile(Path("skin.ini").c_str());
  const std::vector<std::string> loaded{"B 1225 empty changing 1000", "A 1225 empty changing 1000",
                                        "C 1225 empty changing 1000", "B 1226 changing 1000",
                                        "A 1226 changing 1000",       "C 1226 changing 1000",
                                        "B 1227 1000",                "A 1227 1000",
                                        "C 1227 1000"};
  EXPECT_EQ(loaded, log);
  log.clear();
  skin->ClearSkin();
  const std::vector<std::string> cleared{"B 1225 empty 1000", "A 1225 empty 1000", "C 1225 empty 1000",
                                         "B 1226 empty 1000", "A 1226 empty 1000", "C 1226 empty 1000",
                                         "B 1227 empty 1000", "A 1227 empty 1000", "C 1227 empty 1000"};
  EXPECT_EQ(cleared, log);
  EXPECT_TRUE(skin->CtrlList.empty());
  EXPECT_TRUE(skin->Picture->Empty());
  log.clear();
  skin->LoadFromFile(Path("missing.ini").c_str());
  EXPECT_TRUE(log.empty());
}

TEST_F(SkinFolder, StringTableAndSkinnableChangesAreAnnounced) {
  std::vector<std::string> log;
  auto form = std::make_unique<TForm>(nullptr, CreateNew);
  FormWatch watch(form.get(), "F", log);
  TspSkinData skin(nullptr);
  skin.SetSkinnableForm(true);  // unchanged: nothing
  skin.SetSkinnableForm(false);
  auto* table = new TspResourceStrData(form.get());
  skin.SetResourceStrData(table);
  EXPECT_EQ((std::vector<std::string>{"F 1294 empty 1000", "F 1274 empty 1000"}), log);
  delete table;
  EXPECT_EQ(nullptr, skin.ResourceStrData());
}

TEST_F(SkinFolder, PicturesAndAreasCanBeAddedAndRemoved) {
  TspSkinData skin(nullptr);
  skin.LoadFromFile(Path("skin.ini").c_str());
  skin.AddBitMap(Path("form.bmp").c_str());
  ASSERT_EQ(3u, skin.ActivePictures.size());
  EXPECT_EQ(AnsiString("form.bmp"), skin.ActivePicturesNames->Strings(2));
  EXPECT_EQ(clRed, skin.ActivePictures[2]->Canvas()->Pixels(1, 1));
  skin.DeleteBitMap(0);
  ASSERT_EQ(2u, skin.ActivePictures.size());
  EXPECT_EQ(AnsiString("act1.bmp"), skin.ActivePicturesNames->Strings(0));
  EXPECT_EQ(8, skin.ActivePictures[0]->Width());
  skin.AddSkinArea("extra", Rect(5, 6, 7, 8));
  EXPECT_EQ(2, skin.GetAreaIndex("extra"));
}

TEST_F(SkinFolder, AFailedLoadKeepsTheOldSkinAndAnnouncesNothing) {
  TspSkinData skin(nullptr);
  skin.LoadFromFile(Path("skin.ini").c_str());
  WriteText("nopicture.ini", Description("inactivepicture=absent.bmp\n"));
  WriteText("badrect.ini", Description("", "0,0,16"));
  TJPEGImage jpeg;
  jpeg.Assign(skin.ActivePictures[0].get());
  jpeg.SaveToFile(Path("pic.JPG").c_str());
  WriteText("upperjpeg.ini", Description("inactivepicture=pic.JPG\n"));
  WriteText("noforminfo.ini", "[VERSION]\nskinname=x\n[PICTURES]\npicture=form.bmp\n[SKINOBJECTS]\ncount=0\n"
                              "[SKINCONTROLS]\ncount=0\n");
  struct {
    const char* file;
    const char* named;
  } cases[] = {{"nopicture.ini", "nopicture.ini"},
               {"badrect.ini", "skinrect"},
               {"upperjpeg.ini", "upperjpeg.ini"},
               {"noforminfo.ini", nullptr}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    if (c.named != nullptr) {
      try {
        skin.LoadFromFile(Path(c.file).c_str());
        ADD_FAILURE() << "no exception";
      } catch (const Exception& e) {
        EXPECT_NE(std::string::npos, std::string(e.what()).find(c.named)) << e.what();
      }
    } else {
      skin.LoadFromFile(Path(c.file).c_str());
    }
    EXPECT_FALSE(skin.Empty);
    EXPECT_FALSE(skin.SkinChanging());
    EXPECT_EQ(AnsiString("Test skin"), skin.SkinName);
    EXPECT_EQ(0, skin.GetControlIndex("button"));
    EXPECT_EQ(clLime, skin.ActivePictures[0]->Canvas()->Pixels(1, 1));
  }
}

TEST_F(SkinFolder, SavedDescriptionLoadsAgainWithTheSameLooks) {
  TspSkinData skin(nullptr);
  skin.LoadFromFile(Path("skin.ini").c_str());
  skin.SaveToFile(Path("saved.ini").c_str());
  TspSkinData again(nullptr);
  again.LoadFromFile(Path("saved.ini").c_str());
  ASSERT_EQ(skin.CtrlList.size(), again.CtrlList.size());
  ASSERT_EQ(skin.ObjectList.size(), again.ObjectList.size());
  EXPECT_EQ(AnsiString("panel"), ControlLookWord(again.CtrlList[1].get()));
  EXPECT_EQ(255, static_cast<TspDataSkinButtonControl*>(again.CtrlList[0].get())->FontColor);
  EXPECT_EQ(skin.LeftTopPoint, again.LeftTopPoint);
  EXPECT_EQ(1, again.StartCursorIndex);
  TMemIniFile first("");
  TMemIniFile second("");
  skin.SaveToCustomIniFile(&first);
  again.SaveToCustomIniFile(&second);
  TStringList a;
  TStringList b;
  first.GetStrings(&a);
  second.GetStrings(&b);
  EXPECT_EQ(a.Text(), b.Text());
}

TEST_F(SkinFolder, CursorsStartAtOneAndABrokenFileLeavesTheDefault) {
  TspSkinData skin(nullptr);
  skin.LoadFromFile(Path("skin.ini").c_str());
  EXPECT_EQ(1, skin.StartCursorIndex);
  EXPECT_EQ(LoadCursor(nullptr, IDC_ARROW), Screen->Cursors(1));
}

TEST_F(SkinFolder, StoredSkinWithAJpegNameLoadsAgain) {
  TspSkinData skin(nullptr);
  skin.LoadFromFile(Path("skin.ini").c_str());
  skin.ActivePicturesNames->SetStrings(1, "act1.jpg");
  std::string stored = testsupport::FreshTempFolder("skin-stored") + "\\";
  skin.StoreToDisk(stored.c_str());
  TspSkinData again(nullptr);
  again.LoadFromFile((stored + "skin.ini").c_str());
  ASSERT_EQ(2u, again.ActivePictures.size());
  TColor pixel = again.ActivePictures[1]->Canvas()->Pixels(4, 4);
  EXPECT_LT(GetRValue(pixel) + GetGValue(pixel), 16);
  EXPECT_GT(GetBValue(pixel), 240);
}

}  // namespace
