#include "TestSkin.h"

#include <cstdint>
#include <fstream>
#include <vector>

#include "LookKinds.h"
#include "classlib/graphics/Bitmap.h"
#include "classlib/runtime/IniFiles.h"
#include "test_support.h"

namespace skintest {
namespace {

struct TPicture {
  const char* file;
  TPictureId id;
  int width;
  int height;
};

const TPicture kPictures[] = {{"form.bmp", piForm, kFormWidth, kFormHeight},
                              {"inactive.bmp", piInActive, kFormWidth, kFormHeight},
                              {"rollup.bmp", piRollUp, kFormWidth, 20},
                              {"active0.bmp", piActive0, 64, 48},
                              {"active1.bmp", piActive1, 32, 32},
                              {"active2.bmp", piActive2, 16, 40}};

void WriteColourPicture(const std::string& folder, const TPicture& picture) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(picture.width, picture.height);
  for (int y = 0; y < picture.height; ++y) {
    auto* row = static_cast<uint8_t*>(bitmap.ScanLine(y));
    for (int x = 0; x < picture.width; ++x) {
      TColor colour = PictureColour(picture.id, x, y);
      row[3 * x] = GetBValue(colour);
      row[3 * x + 1] = GetGValue(colour);
      row[3 * x + 2] = GetRValue(colour);
    }
  }
  bitmap.SaveToFile((folder + picture.file).c_str());
}

void WriteMask(const std::string& path, int width, int height) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(width, height);
  bitmap.Canvas()->Brush()->SetColor(clWhite);
  bitmap.Canvas()->FillRect(TRect{0, 0, width, height});
  bitmap.Canvas()->Brush()->SetColor(clBlack);
  bitmap.Canvas()->FillRect(TRect{4, 2, width - 4, height - 2});
  bitmap.SaveToFile(path.c_str());
}

template <class T>
void Put(std::vector<uint8_t>& bytes, T value) {
  const auto* p = reinterpret_cast<const uint8_t*>(&value);
  bytes.insert(bytes.end(), p, p + sizeof(T));
}

// A 32 x 32 monochrome cursor: a filled square, hot spot (3, 3).
void WriteCursor(const std::string& path) {
  std::vector<uint8_t> bytes;
  Put<uint16_t>(bytes, 0);
  Put<uint16_t>(bytes, 2);
  Put<uint16_t>(bytes, 1);
  bytes.insert(bytes.end(), {32, 32, 2, 0});
  Put<uint16_t>(bytes, 3);
  Put<uint16_t>(bytes, 3);
  Put<uint32_t>(bytes, 40 + 8 + 128 + 128);
  Put<uint32_t>(bytes, 22);
  BITMAPINFOHEADER header{};
  header.biSize = sizeof(header);
  header.biWidth = 32;
  header.biHeight = 64;
  header.biPlanes = 1;
  header.biBitCount = 1;
  Put(bytes, header);
  Put<uint32_t>(bytes, 0x000000);
  Put<uint32_t>(bytes, 0xFFFFFF);
  for (int row = 0; row < 32; ++row) Put<uint32_t>(bytes, row >= 8 && row < 24 ? 0x00FFFF00u : 0u);  // colour
  for (int row = 0; row < 32; ++row) Put<uint32_t>(bytes, row >= 8 && row < 24 ? 0xFF0000FFu : 0xFFFFFFFFu);
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<std::streamsize>(bytes.size()));
}

void WriteList(TMemIniFile& ini, const char* section, const std::vector<std::string>& entries) {
  ini.WriteInteger(section, "count", static_cast<int>(entries.size()));
  for (size_t i = 0; i < entries.size(); ++i) {
    ini.WriteString(section, std::to_string(i).c_str(), entries[i].c_str());
  }
}

void WriteDescription(TMemIniFile& ini) {
  ini.WriteString("VERSION", "skinname", "Generated skin");
  ini.WriteString("VERSION", "skinauthor", "Tests");
  ini.WriteString("PICTURES", "picture", "form.bmp");
  ini.WriteString("PICTURES", "inactivepicture", "inactive.bmp");
  ini.WriteString("PICTURES", "mask", "mask.bmp");
  ini.WriteString("PICTURES", "rolluppicture", "rollup.bmp");
  ini.WriteString("PICTURES", "rollupmask", "rollupmask.bmp");
  ini.WriteInteger("PICTURES", "activepicturescount", kActivePictures);
  for (int i = 0; i < kActivePictures; ++i) {
    ini.WriteString("PICTURES", std::to_string(i).c_str(), ("active" + std::to_string(i) + ".bmp").c_str());
  }
  ini.WriteInteger("CURSORS", "startcursorindex", kStartCursorIndex);
  ini.WriteInteger("CURSORS", "cursorscount", 2);
  ini.WriteString("CURSORS", "0", "square.cur");
  ini.WriteString("CURSORS", "1", "broken.cur");
  const std::pair<const char*, const char*> formInfo[] = {
      {"lefttoppoint", "10,20"},       {"righttoppoint", "110,20"},   {"leftbottompoint", "10,80"},
      {"rightbottompoint", "110,80"},  {"clientrect", "12,24,108,78"}, {"bgpictureindex", "0"},
      {"mdibgpictureindex", "1"},      {"leftstretch", "1"},          {"rightstretch", "0"},
      {"topstretch", "1"},             {"bottomstretch", "0"},        {"stretcheffect", "1"},
      {"stretchtype", "stvert"},       {"mdibgstretcheffect", "1"},   {"mdibgstretchtype", "sthorz"},
      {"buttonsrect", "80,2,118,18"},  {"captionrect", "2,2,78,18"},  {"buttonsoffset", "3"},
      {"buttonsinleft", "0"},          {"maskrectarea", "0,0,0,0"},   {"hittestlefttoppoint", "0,0"},
      {"hittestrighttoppoint", "100,15"}, {"hittestleftbottompoint", "0,0"}, {"hittestrightbottompoint", "0,0"},
      {"rollupleftpoint", "30,0"},     {"rolluprightpoint", "90,0"},  {"mainmenurect", "12,20,108,30"},
      {"iconrect", "2,2,18,18"},       {"mainmenupopupup", "0"},      {"borderwidth", "4"},
      {"formminwidth", "60"},          {"mditabstransparent", "1"},   {"mainmenubartransparent", "0"},
      {"cursorindex", "0"},            {"autorenderinginactiveimage", "1"}, {"inactiveeffect", "iedarkness"},
      {"sizegriparea", "100,70,118,88"}, {"statusbarname", "panel"}};
  for (const auto& [key, value] : formInfo) ini.WriteString("FORMINFO", key, value);
  const char* colourKeys[] = {"cbtnface", "cbtntext",      "cwindow",   "cwindowtext", "chighlight",
                              "chighlighttext", "cbtnhighlight", "cbtnshadow", "c3dlight", "c3ddkshadow"};
  for (int i = 0; i < 10; ++i) ini.WriteInteger("SKINCOLORS", colourKeys[i], 0x101010 * (i + 1));
  WriteList(ini, "SKINAREAS", {"client:12,24,108,78", "status:12,70,108,78"});
  int seed = 2;
  std::vector<std::string> objects;
  std::vector<std::string> controls;
  for (const lookkinds::Kind& kind : lookkinds::AllKinds()) {
    seed += 1000;
    const bool fixed = kind.word == "POPUPWINDOW" || kind.word == "HINTWINDOW";
    std::string section = fixed ? kind.word : LookName(kind.word, kind.object);
    lookkinds::FillDistinct(kind, &ini, section.c_str(), seed);
    if (fixed) continue;
    (kind.object ? objects : controls).push_back(section + ":" + kind.word);
  }
  WriteList(ini, "SKINOBJECTS", objects);
  WriteList(ini, "SKINCONTROLS", controls);
}

}  // namespace

TColor PictureColour(TPictureId picture, int x, int y) {
  return static_cast<TColor>(RGB((x * 2) & 0xFF, (y * 2) & 0xFF, 30 * static_cast<int>(picture) + 15));
}

std::string LookName(const std::string& word, bool object) {
  if (!object || word == "menuitem") return word;
  return "obj" + word;
}

std::string WriteTestSkin(const std::string& name, const std::map<std::string, std::string>& overrides) {
  std::string folder = testsupport::FreshTempFolder(name) + "\\";
  for (const TPicture& picture : kPictures) WriteColourPicture(folder, picture);
  WriteMask(folder + "mask.bmp", kFormWidth, kFormHeight);
  WriteMask(folder + "rollupmask.bmp", kFormWidth, 20);
  WriteCursor(folder + "square.cur");
  std::ofstream(folder + "broken.cur", std::ios::binary) << "not a cursor";
  std::string path = folder + "skin.ini";
  TMemIniFile ini(path.c_str());
  WriteDescription(ini);
  for (const auto& [where, value] : overrides) {
    size_t slash = where.find('/');
    ini.WriteString(where.substr(0, slash).c_str(), where.substr(slash + 1).c_str(), value.c_str());
  }
  ini.UpdateFile();
  return path;
}

}  // namespace skintest
