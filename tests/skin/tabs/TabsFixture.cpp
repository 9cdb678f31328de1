#include "TabsFixture.h"

#include <commctrl.h>

namespace tabstest {

TForm* TabsTest::form = nullptr;

std::unique_ptr<TspSkinData> LoadTabSkin(const std::string& folder,
                                         const std::map<std::string, std::string>& overrides) {
  std::map<std::string, std::string> values = {
      {"tab/pictureindex", "0"},           {"tab/skinrect", "0,0,40,40"},
      {"tab/clientrect", "4,4,36,36"},     {"tab/lefttoppoint", "4,4"},
      {"tab/righttoppoint", "36,4"},       {"tab/leftbottompoint", "4,36"},
      {"tab/rightbottompoint", "36,36"},   {"tab/tabrect", "40,0,60,16"},
      {"tab/activetabrect", "40,16,60,34"}, {"tab/focustabrect", "0,0,0,0"},
      {"tab/mouseintabrect", "0,0,0,0"},   {"tab/tabsbgrect", "44,36,64,48"},
      {"tab/tableftoffset", "3"},          {"tab/tabrightoffset", "3"},
      {"tab/bgpictureindex", "-1"},        {"tab/tabstretcheffect", "0"},
      {"tab/stretcheffect", "0"},          {"tab/leftstretch", "0"},
      {"tab/topstretch", "0"},             {"tab/rightstretch", "0"},
      {"tab/bottomstretch", "0"},          {"tab/showfocus", "0"},
      {"tab/fontheight", "14"},            {"tab/fontcolor", "255"},
      {"tab/activefontcolor", "255"},      {"tab/focusfontcolor", "255"},
      {"tab/mouseinfontcolor", "255"},     {"tab/updown", ""},
      {"tab/closebuttonrect", "0,0,0,0"},  {"tab/closebuttonactiverect", "0,0,0,0"},
      {"tab/closebuttondownrect", "0,0,0,0"}, {"tab/buttontransparent", "0"},
  };
  for (const auto& [key, value] : overrides) values[key] = value;
  auto skin = std::make_unique<TspSkinData>(nullptr);
  skin->LoadFromFile(skintest::WriteTestSkin(folder, values).c_str());
  return skin;
}

COLORREF Rgb(TColor color) { return static_cast<COLORREF>(ColorToRGB(color)); }

COLORREF PictureRgb(int x, int y) { return Rgb(skintest::PictureColour(skintest::piActive0, x, y)); }

TRect SystemDisplayRect(TWinControl* control) {
  WNDCLASSA system{};
  GetClassInfoA(nullptr, WC_TABCONTROLA, &system);
  RECT rect;
  GetClientRect(control->Handle(), &rect);
  CallWindowProcA(system.lpfnWndProc, control->Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rect));
  return Rect(rect.left, rect.top, rect.right, rect.bottom);
}

TspSkinPageControl* TabsTest::MakePages(int count, TTabPosition position, int width, int height,
                                        TWinControl* parent) {
  pages = std::make_unique<TspSkinPageControl>(nullptr);
  pages->SetParent(parent != nullptr ? parent : form);
  pages->SetBounds(10, 10, width, height);
  pages->SetTabPosition(position);
  for (int i = 0; i < count; ++i) {
    auto* sheet = new TspSkinTabSheet(pages.get());
    sheet->SetPageControl(pages.get());
    sheet->SetCaption(AnsiString(("Page " + std::to_string(i)).c_str()));
  }
  if (count > 0) pages->SetActivePageIndex(0);
  Redraw(pages.get());
  return pages.get();
}

TspSkinTabControl* TabsTest::MakeTabs(int count, int width, int height, TWinControl* parent) {
  tabs = std::make_unique<TspSkinTabControl>(nullptr);
  tabs->SetParent(parent != nullptr ? parent : form);
  tabs->SetBounds(10, 10, width, height);
  for (int i = 0; i < count; ++i) tabs->Tabs()->Add(AnsiString(("Tab " + std::to_string(i)).c_str()));
  Redraw(tabs.get());
  return tabs.get();
}

void TabsTest::Redraw(TWinControl* control) {
  RedrawWindow(control->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  testsupport::ServeApplication(30);
}

int TabsTest::CountColour(TControl* control, const TRect& rect, COLORREF colour) {
  int count = 0;
  for (int y = rect.Top; y < rect.Bottom; ++y) {
    for (int x = rect.Left; x < rect.Right; ++x) count += Pixel(control, x, y) == colour ? 1 : 0;
  }
  return count;
}

}  // namespace tabstest
