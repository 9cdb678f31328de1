#include "DropDownFixture.h"

#include "TestSkin.h"
#include "classlib/graphics/ImageList.h"
#include "classlib/runtime/IniFiles.h"
#include "window_support.h"

namespace dropdown {
namespace {

TLookKeys Merged(TLookKeys keys, const TLookKeys& changes) {
  for (const auto& [key, value] : changes) keys[key] = value;
  return keys;
}

// Adds `name` to the skin's control list unless the skin already has that section.
void AddLook(TMemIniFile& ini, const std::string& name, const TLookSpec& look) {
  if (!ini.SectionExists(name.c_str())) {
    const int count = ini.ReadInteger("SKINCONTROLS", "count", 0);
    ini.WriteString("SKINCONTROLS", std::to_string(count).c_str(), (name + ":" + look.type).c_str());
    ini.WriteInteger("SKINCONTROLS", "count", count + 1);
  }
  for (const auto& [key, value] : look.keys) ini.WriteString(name.c_str(), key.c_str(), value.c_str());
}

}  // namespace

TLookSpec ButtonLook(const std::string& type, const TLookKeys& changes) {
  const TLookKeys look = {
      {"pictureindex", "0"},          {"maskpictureindex", "-1"},     {"cursorindex", "-1"},
      {"skinrect", "0,0,16,12"},      {"clientrect", "3,3,13,9"},     {"lefttoppoint", "0,0"},
      {"righttoppoint", "0,0"},       {"leftbottompoint", "0,0"},     {"rightbottompoint", "0,0"},
      {"leftstretch", "0"},           {"topstretch", "0"},            {"rightstretch", "0"},
      {"bottomstretch", "0"},         {"stretcheffect", "0"},         {"activeskinrect", "16,0,32,12"},
      {"downskinrect", "32,0,48,12"}, {"disabledskinrect", "0,0,0,0"}, {"focusedskinrect", "0,0,0,0"},
      {"animateskinrect", "0,0,0,0"}, {"framecount", "0"},            {"animateinterval", "25"},
      {"showfocus", "0"},             {"morphing", "0"},              {"morphkind", "mkdefault"},
      {"fontcolor", "255"},           {"activefontcolor", "65280"},   {"downfontcolor", "16711680"},
      {"menumarkerrect", "0,0,0,0"},  {"menumarkeractiverect", "0,0,0,0"},
      {"menumarkerdownrect", "0,0,0,0"}, {"menumarkerflatrect", "0,0,0,0"},
      {"trackbuttonrect", "0,0,0,0"}};
  return {type, Merged(look, changes)};
}

TLookSpec NinePartLook(const std::string& type, const TLookKeys& changes) {
  return ButtonLook(type, Merged({{"lefttoppoint", "3,3"},
                                  {"righttoppoint", "13,3"},
                                  {"leftbottompoint", "3,9"},
                                  {"rightbottompoint", "13,9"}},
                                 changes));
}

TspSkinData* DropDownSkin(const TLooks& looks) {
  static std::map<std::string, std::unique_ptr<TspSkinData>> loaded;
  std::string key;
  for (const auto& [name, look] : looks) {
    key += name + "=" + look.type + ";";
    for (const auto& [k, v] : look.keys) key += k + ":" + v + ";";
  }
  std::unique_ptr<TspSkinData>& skin = loaded[key];
  if (skin != nullptr) return skin.get();
  const std::string path = skintest::WriteTestSkin("dropdown" + std::to_string(loaded.size()), menutest::MenuLookValues());
  {
    TMemIniFile ini(path.c_str());
    for (const auto& [name, look] : looks) AddLook(ini, name, look);
    ini.UpdateFile();
  }
  skin = std::make_unique<TspSkinData>(nullptr);
  skin->LoadFromFile(path.c_str());
  return skin.get();
}

TColor PicturePixel(TspSkinData* skin, int x, int y) { return skin->ActivePictures[0]->Canvas()->Pixels(x, y); }

std::vector<TColor> Shown(TControl* control) {
  control->Repaint();
  testsupport::ServeApplication(10);
  TBitmap shot;
  shot.SetPixelFormat(pf24bit);
  shot.SetSize(control->Width(), control->Height());
  HWND window = control->Parent()->Handle();
  HDC dc = GetDC(window);
  BitBlt(shot.Canvas()->Handle(), 0, 0, shot.Width(), shot.Height(), dc, control->Left(), control->Top(), SRCCOPY);
  ReleaseDC(window, dc);
  std::vector<TColor> pixels;
  for (int y = 0; y < shot.Height(); ++y)
    for (int x = 0; x < shot.Width(); ++x) pixels.push_back(shot.Canvas()->Pixels(x, y));
  return pixels;
}

TColor ShownPixel(TControl* control, int x, int y) {
  return Shown(control)[static_cast<size_t>(y * control->Width() + x)];
}

int CountShown(TControl* control, const TRect& rect, TColor colour) {
  const std::vector<TColor> pixels = Shown(control);
  int count = 0;
  for (int y = rect.Top; y < rect.Bottom; ++y)
    for (int x = rect.Left; x < rect.Right; ++x)
      if (pixels[static_cast<size_t>(y * control->Width() + x)] == colour) ++count;
  return count;
}

void DropDownTest::SetUp() {
  ButtonTest::SetUp();
  host = new menutest::TTestMenuHost(form);
  host->SetSkinData(DropDownSkin({}));
  popup = new TspSkinPopupMenu(form);
  for (const char* caption : {"First", "Second"}) {
    auto* item = new TMenuItem(popup);
    item->SetCaption(caption);
    popup->Items()->Add(item);
  }
  imageList = new TImageList(form);
  imageList->SetSize(8, 8);
  for (TColor colour : {clRed, clBlue}) {
    TBitmap cell;
    cell.SetPixelFormat(pf24bit);
    cell.SetSize(8, 8);
    cell.Canvas()->Brush()->SetColor(colour);
    cell.Canvas()->FillRect(Rect(0, 0, 8, 8));
    imageList->AddMasked(&cell, clFuchsia);
  }
  images = new TspSkinImagesMenu(form);
  images->SetImages(imageList);
  for (int i = 0; i < 2; ++i) images->ImagesItems()->Add()->SetImageIndex(i);
}

void DropDownTest::TearDown() {
  CloseMenus();
  ButtonTest::TearDown();
}

bool DropDownTest::PopupOpen() const { return host->SkinMenu()->WindowCount() > 0; }

void DropDownTest::CloseMenus() {
  if (host->SkinMenu()->Visible()) host->SkinMenu()->Hide();
  if (images->PopupWindow() != nullptr) images->Hide();
  testsupport::ServeApplication(30);
}

bool DropDownTest::ServeUntil(const std::function<bool()>& done) {
  const ULONGLONG end = GetTickCount64() + 2000;
  while (!done()) {
    if (GetTickCount64() > end) return false;
    testsupport::ServeApplication(10);
  }
  return true;
}

}  // namespace dropdown
