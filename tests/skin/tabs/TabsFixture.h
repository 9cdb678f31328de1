#pragma once
// A form on screen for the suite, page and tab controls placed on it, and the "tab" look
// of the test skin cut from active picture 0 (a pixel's red is twice its x, green twice
// its y): skin rectangle (0,0,40,40) with a client rectangle 4 pixels inside, tabs
// (40,0,60,16), active tabs (40,16,60,34) two pixels taller, the row background
// (44,36,64,48); fixed tab ends of 3 pixels.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "TestSkin.h"
#include "skin/data/Skindata_SkinData.h"
#include "skin/shell/Skintabs.h"
#include "window_support.h"

namespace tabstest {

// The test skin with the "tab" look above, changed by `overrides` ("tab/key" -> value).
std::unique_ptr<TspSkinData> LoadTabSkin(const std::string& folder,
                                         const std::map<std::string, std::string>& overrides = {});

COLORREF Rgb(TColor color);
// The colour of pixel (x, y) of active picture 0.
COLORREF PictureRgb(int x, int y);

// The system tab control's own answer to TCM_ADJUSTRECT for the control's window.
TRect SystemDisplayRect(TWinControl* control);

// Records the closes a control asks about and answers them with `allow`.
class TCloseLog : public TObject {
 public:
  bool allow = true;
  int asked = 0;
  int after = 0;
  TObject* askedPage = nullptr;
  int askedIndex = -2;
  void PageClose(TObject* page, bool& canClose) {
    ++asked;
    askedPage = page;
    canClose = allow;
  }
  void TabClose(int index, bool& canClose) {
    ++asked;
    askedIndex = index;
    canClose = allow;
  }
  void AfterClose(TObject*) { ++after; }
};

class TabsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { form = testsupport::ShowTestForm(420, 300); }
  static void TearDownTestSuite() {
    delete form;
    form = nullptr;
  }
  void SetUp() override { form->SetColor(clBtnFace); }
  void TearDown() override {
    pages.reset();
    tabs.reset();
    skin.reset();
  }

  // A page control of `count` sheets captioned "Page 0", "Page 1", ... at 10, 10.
  // (on `parent`, else on the suite's form).
  TspSkinPageControl* MakePages(int count, TTabPosition position = tpTop, int width = 300, int height = 200,
                                TWinControl* parent = nullptr);
  // A tab control with `count` tabs captioned "Tab 0", ... at 10, 10.
  TspSkinTabControl* MakeTabs(int count, int width = 300, int height = 200, TWinControl* parent = nullptr);
  void Redraw(TWinControl* control);
  COLORREF Pixel(TControl* control, int x, int y) { return testsupport::ControlPixel(control, x, y); }
  // How many pixels of `rect` of the control have the colour.
  int CountColour(TControl* control, const TRect& rect, COLORREF colour);

  static TForm* form;
  std::unique_ptr<TspSkinData> skin;
  std::unique_ptr<TspSkinPageControl> pages;
  std::unique_ptr<TspSkinTabControl> tabs;
};

}  // namespace tabstest
