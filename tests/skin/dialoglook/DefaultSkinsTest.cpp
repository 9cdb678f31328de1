// The program's own skins on real windows (screenshots kept in the test output): the
// dialogs' skin at several sizes keeps its masked corners, draws the title in its caption
// look's colour and closes by its close button; every command button of the main
// window's skin reports its click by name and shows its disabled face.
#include <string>

#include "DialogLookFixtures.h"
#include "skin/data/Sputils_Geometry.h"
#include "skin/form/Formskinner_TextObjects.h"

using namespace dialoglook;
using namespace formobjects;

namespace {

// A file of the shipped skin folder beside the test program.
std::string ShippedFile(const char* name) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  folder.erase(folder.find_last_of('\\') + 1);
  return folder + "Skin\\Quorin\\" + name;
}

const char* const kMainButtons[] = {"Add Files", "Add Folder", "Clear Jobs", "Menu",     "iPodMenu", "Browse",
                                    "Setting",   "EditProfile", "Preview",   "StopPreview", "PausePreview",
                                    "StartPoint", "EndPoint",  "DeleteFiles", "Up",      "Down",     "Jump",
                                    "Go",        "Stop",       "Option",     "Transfer", "SaveBmp"};

class DefaultSkins : public DialogLookTest {
 protected:
  static void SetUpTestSuite() {
    dialogSkin_ = new TspSkinData(nullptr);
    dialogSkin_->LoadFromFile(ShippedFile("Skin.ini").c_str());
    mainSkin_ = new TspSkinData(nullptr);
    mainSkin_->LoadFromFile(ShippedFile("MainSkin.ini").c_str());
  }
  static void TearDownTestSuite() {
    delete dialogSkin_;
    delete mainSkin_;
  }
  static TspSkinData* dialogSkin_;
  static TspSkinData* mainSkin_;
};

TspSkinData* DefaultSkins::dialogSkin_ = nullptr;
TspSkinData* DefaultSkins::mainSkin_ = nullptr;

// Whether the form picture's mask keeps the picture's pixel (x, y) (black keeps).
bool MaskKeeps(TspSkinData* skin, int x, int y) { return (skin->MaskPicture->Canvas()->Pixels(x, y) & 0xFFFFFF) == 0; }

TEST_F(DefaultSkins, TheDialogSkinKeepsItsCornersTitleAndCloseButtonAtEverySize) {
  ASSERT_FALSE(dialogSkin_->Empty);
  const SIZE sizes[] = {{403, 187}, {640, 480}, {892, 573}};
  const int pw = dialogSkin_->Picture->Width();
  const int ph = dialogSkin_->Picture->Height();
  const auto* look = dynamic_cast<TspDataSkinCaption*>(
      dialogSkin_->ObjectList[static_cast<size_t>(dialogSkin_->GetIndex("caption"))].get());
  ASSERT_NE(look, nullptr);
  for (const SIZE& size : sizes) {
    const std::string name = std::to_string(size.cx) + "x" + std::to_string(size.cy);
    TspFormSkinner* skinner = ShowSkinned(size.cx, size.cy, dialogSkin_, false, bsSizeable, "Output settings");
    TCustomForm* form = skinner->OwnerForm;
    ASSERT_EQ(form->Width(), size.cx) << name;
    testsupport::SaveScreenshot(form->Handle(), "dialoglook_skin_" + name);
    // Corners and edge middles of the window against the picture's mask at the same place.
    struct Sample {
      int x, y, px, py;
    };
    const Sample samples[] = {{0, 0, 0, 0},
                              {size.cx - 1, 0, pw - 1, 0},
                              {0, size.cy - 1, 0, ph - 1},
                              {size.cx - 1, size.cy - 1, pw - 1, ph - 1},
                              {1, 1, 1, 1},
                              {size.cx / 2, 0, pw / 2, 0},
                              {0, size.cy / 2, 0, ph / 2}};
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(form->Handle(), region), ERROR) << name;
    for (const Sample& s : samples) {
      EXPECT_EQ(PtInRegion(region, s.x, s.y) != FALSE, MaskKeeps(dialogSkin_, s.px, s.py))
          << name << " at " << s.x << "," << s.y;
    }
    DeleteObject(region);
    const TRect caption = ObjectNamed<TspSkinCaptionObject>(skinner, "caption")->ObjectRect;
    EXPECT_TRUE(HasInk(InkBox(form, caption, ColorToRGB(look->ActiveFontColor)))) << name << " title";
    const TRect close = ObjectNamed<TspSkinStdButtonObject>(skinner, "closebutton")->ObjectRect;
    ClickWindowPoint(form, (close.Left + close.Right) / 2, (close.Top + close.Bottom) / 2);
    EXPECT_FALSE(IsWindowVisible(form->Handle())) << name << " closed";
    forms_.clear();
  }
}

TEST_F(DefaultSkins, EveryCommandButtonOfTheMainSkinClicksByNameAndShowsItsDisabledFace) {
  ASSERT_FALSE(mainSkin_->Empty);
  TspFormSkinner* skinner = ShowSkinned(785, 521, mainSkin_, true, bsNone, "Converter");
  skinner->DraggAble = true;
  skinner->Sizeable = false;
  TCustomForm* form = skinner->OwnerForm;
  ASSERT_EQ(form->ClientWidth(), 785);
  ASSERT_EQ(form->ClientHeight(), 521);
  testsupport::SaveScreenshot(form->Handle(), "dialoglook_mainskin");
  TObjectEvents events(skinner);
  for (const char* name : kMainButtons) {
    auto* button = ObjectNamed<TspSkinButtonObject>(skinner, name);
    ASSERT_NE(button, nullptr) << name;
    const TRect r = button->ObjectRect;
    events.lines.clear();
    ClickWindowPoint(form, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    bool reported = false;
    for (const std::string& line : events.lines) reported |= line.rfind("up " + std::string(name) + " ", 0) == 0;
    EXPECT_TRUE(reported) << name;
  }
  CursorTo(1200, 1000);
  for (const char* name : kMainButtons) {
    skinner->SetEnabled(name, false);
    auto* button = ObjectNamed<TspSkinButtonObject>(skinner, name);
    skinner->DrawSkinObject(button);
    const TRect r = button->ObjectRect;
    const TRect face = button->DisabledFaceRect;
    ASSERT_FALSE(IsNullRect(face)) << name;
    const int dx = RectWidth(r) / 2;
    const int dy = RectHeight(r) / 2;
    EXPECT_EQ(formskin::WindowPixel(form, r.Left + dx, r.Top + dy),
              static_cast<COLORREF>(ColorToRGB(button->ActivePicture->Canvas()->Pixels(face.Left + dx, face.Top + dy))))
        << name;
  }
  testsupport::SaveScreenshot(form->Handle(), "dialoglook_mainskin_disabled");
}

}  // namespace
