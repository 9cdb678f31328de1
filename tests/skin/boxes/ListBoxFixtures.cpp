#include "ListBoxFixtures.h"

#include "SkinControlsFixtures.h"
#include "classlib/graphics/Bitmap.h"
#include "window_support.h"

namespace boxtest {
namespace {

using TKeys = std::initializer_list<std::pair<const char*, const char*>>;

void SetLook(std::map<std::string, std::string>& values, TKeys keys) {
  for (const auto& [key, value] : keys) values[std::string("listbox/") + key] = value;
}

void Fill(TBitmap& bitmap, const TRect& r, TColor colour) {
  bitmap.Canvas()->Brush()->SetColor(colour);
  bitmap.Canvas()->FillRect(r);
}

void WritePicture(const std::string& path) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(120, 60);
  Fill(bitmap, Rect(0, 0, 60, 60), kFrame);
  for (int y = 0; y < kClientPiece; ++y)
    for (int x = 0; x < kClientPiece; ++x) bitmap.Canvas()->SetPixels(10 + x, 10 + y, ClientPieceColour(x, y));
  Fill(bitmap, Rect(60, 0, 100, 20), kItem);
  Fill(bitmap, Rect(60, 20, 100, 40), kActiveItem);
  Fill(bitmap, Rect(60, 40, 100, 60), kFocusItem);
  bitmap.SaveToFile(path.c_str());
}

std::string Number(TColor colour) { return std::to_string(static_cast<int>(colour)); }

}  // namespace

TColor ClientPieceColour(int x, int y) { return static_cast<TColor>(RGB(100 + 3 * x, 50 + 3 * y, 30)); }

std::unique_ptr<TspSkinData> LoadListBoxSkin(const std::string& folder,
                                             const std::map<std::string, std::string>& overrides) {
  std::map<std::string, std::string> values = {{"PICTURES/activepicturescount", "6"}, {"PICTURES/3", "mask.bmp"},
                                               {"PICTURES/4", "form.bmp"}, {"PICTURES/5", "listbox.bmp"}};
  SetLook(values, {{"pictureindex", "5"}, {"maskpictureindex", "-1"}, {"cursorindex", "-1"}, {"skinrect", "0,0,60,60"},
                   {"lefttoppoint", "10,10"}, {"righttoppoint", "50,10"}, {"leftbottompoint", "10,50"},
                   {"rightbottompoint", "50,50"}, {"clientrect", "10,10,50,50"}, {"leftstretch", "0"},
                   {"topstretch", "0"}, {"rightstretch", "0"}, {"bottomstretch", "0"}, {"stretcheffect", "0"},
                   {"stretchtype", "stfull"}, {"itemrect", "60,0,100,20"}, {"activeitemrect", "60,20,100,40"},
                   {"focusitemrect", "60,40,100,60"}, {"itemleftoffset", "0"}, {"itemrightoffset", "0"},
                   {"itemtextrect", "2,0,38,20"}, {"fontname", "Arial"}, {"fontheight", "14"}, {"fontstyle", ""},
                   {"captionrect", "2,0,38,10"}, {"upbuttonrect", "40,1,48,9"}, {"downbuttonrect", "48,1,56,9"},
                   {"checkbuttonrect", "0,0,0,0"}, {"showfocus", "0"}, {"vscrollbarname", "vscrollbar"},
                   {"hscrollbarname", "hscrollbar"}, {"bothhscrollbarname", "bothhscrollbar"}});
  values["listbox/fontcolor"] = Number(kFontColour);
  values["listbox/activefontcolor"] = Number(kActiveFontColour);
  values["listbox/focusfontcolor"] = Number(kFocusFontColour);
  for (const auto& [key, value] : overrides) values[key] = value;
  const std::string description = skinbases::WriteBasesSkin(folder, values);
  WritePicture(description.substr(0, description.find_last_of('\\') + 1) + "listbox.bmp");
  auto skin = std::make_unique<TspSkinData>(nullptr);
  skin->LoadFromFile(description.c_str());
  return skin;
}

TspSkinData* SharedListBoxSkin() {
  static std::unique_ptr<TspSkinData> skin = LoadListBoxSkin("listbox_shared");
  return skin.get();
}

TForm* ListBoxTest::form = nullptr;

void ListBoxTest::SetUpTestSuite() {
  skinbases::RegisterTestControls();
  form = testsupport::ShowTestForm(400, 300);
}

void ListBoxTest::TearDownTestSuite() {
  delete form;
  form = nullptr;
}

void ListBoxTest::SetUp() {
  SetCursorPos(0, 0);
  list = std::make_unique<TRecordedListBox>(nullptr);
  list->SetParent(form);
  list->SetBounds(10, 10, 150, 200);
  testsupport::ServeApplication(20);
}

void ListBoxTest::Fill(int count) {
  for (int i = 0; i < count; ++i) list->Items()->Add(AnsiString(("item " + std::to_string(i)).c_str()));
  testsupport::ServeApplication(30);
}

void ListBoxTest::Wheel(int delta) {
  SendMessageA(list->ListBox()->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), 0);
}

std::vector<int> ColumnsOf(HWND window, int row, int width, TColor colour) {
  auto picture = testsupport::CaptureWindow(window, Rect(0, row, width, row + 1));
  std::vector<int> columns;
  for (int x = 0; x < width; ++x)
    if (picture->Canvas()->Pixels(x, 0) == ColorToRGB(colour)) columns.push_back(x);
  return columns;
}

}  // namespace boxtest
