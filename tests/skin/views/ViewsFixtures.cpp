#include "ViewsFixtures.h"

#include "SkinControlsFixtures.h"
#include "window_support.h"

namespace viewtest {

std::map<std::string, std::string> ViewLooks() {
  std::map<std::string, std::string> values = {
      {"treeview/fontname", "Courier New"}, {"treeview/fontheight", "17"},
      {"treeview/fontcolor", "255"},        {"treeview/bgcolor", "12648384"},
      {"listview/fontname", "Times New Roman"}, {"listview/fontheight", "15"},
      {"listview/fontcolor", "128"},        {"listview/bgcolor", "16769248"},
      {"richedit/fontname", "Tahoma"},      {"richedit/fontheight", "16"},
      {"richedit/fontcolor", "32768"},      {"richedit/bgcolor", "14737663"}};
  const std::map<std::string, std::string> header = {
      {"pictureindex", "0"},        {"maskpictureindex", "-1"},      {"skinrect", "0,0,32,20"},
      {"lefttoppoint", "4,4"},      {"righttoppoint", "28,4"},       {"leftbottompoint", "4,16"},
      {"rightbottompoint", "28,16"}, {"clientrect", "4,4,28,16"},    {"activeskinrect", "0,20,32,40"},
      {"downskinrect", "32,0,64,20"}, {"leftstretch", "0"},          {"topstretch", "0"},
      {"rightstretch", "0"},        {"bottomstretch", "0"},          {"stretcheffect", "0"},
      {"stretchtype", "stfull"},    {"fontcolor", "0"},              {"activefontcolor", "0"},
      {"downfontcolor", "0"}};
  for (const auto& [key, value] : header) values["button/" + key] = value;
  return values;
}

std::unique_ptr<TspSkinData> LoadViewsSkin(const std::string& folder,
                                           const std::map<std::string, std::string>& overrides) {
  std::map<std::string, std::string> values = ViewLooks();
  for (const auto& [key, value] : overrides) values[key] = value;
  return skinbases::LoadBasesSkin(folder, values);
}

TspSkinData* SharedViewsSkin() {
  static std::unique_ptr<TspSkinData> skin = LoadViewsSkin("views_shared");
  return skin.get();
}

std::vector<TColor> HeaderFace(const char* stateRect, int W, int H) {
  static std::map<std::string, std::unique_ptr<TspSkinData>> skins;
  auto& skin = skins[stateRect];
  if (!skin) {
    const std::string rect = ViewLooks()[std::string("button/") + stateRect];
    skin = LoadViewsSkin(std::string("views_face_") + stateRect, {{"button/skinrect", rect}});
  }
  return skinbases::ComposedLook(*skin, "button", W, H);
}

std::vector<TColor> WindowPixels(HWND window, const TRect& rect) {
  std::unique_ptr<TBitmap> capture = testsupport::CaptureWindow(window, rect);
  return skinbases::PixelsOf(*capture);
}

}  // namespace viewtest
