#include "ShippedLint.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <sstream>

#include "classlib/runtime/IniFiles.h"
#include "skin/data/Skindata_Kinds.h"

namespace shippedskin {
namespace {

using TValues = std::vector<std::pair<std::string, std::string>>;

struct TDescription {
  std::map<std::string, TValues> Sections;  // by lower-case name

  const TValues* Section(const std::string& name) const {
    std::string key = name;
    std::transform(key.begin(), key.end(), key.begin(), ::tolower);
    auto it = Sections.find(key);
    return it == Sections.end() ? nullptr : &it->second;
  }
  std::string Value(const std::string& section, const std::string& key) const {
    const TValues* values = Section(section);
    if (values == nullptr) return "";
    for (const auto& [k, v] : *values) {
      if (k == key) return v;
    }
    return "";
  }
};

TDescription ReadDescription(const std::string& path) {
  TMemIniFile ini(path.c_str());
  TStringList sections;
  ini.ReadSections(&sections);
  TDescription description;
  for (int i = 0; i < sections.Count(); ++i) {
    TStringList lines;
    ini.ReadSectionValues(sections.Strings(i), &lines);
    std::string name = sections.Strings(i).str();
    std::transform(name.begin(), name.end(), name.begin(), ::tolower);
    TValues& values = description.Sections[name];
    for (int j = 0; j < lines.Count(); ++j) {
      std::string line = lines.Strings(j).str();
      size_t equals = line.find('=');
      if (equals == std::string::npos) continue;
      std::string key = line.substr(0, equals);
      std::transform(key.begin(), key.end(), key.begin(), ::tolower);
      values.emplace_back(key, line.substr(equals + 1));
    }
  }
  return description;
}

// Four comma-separated integers (a rectangle) or two (a point); anything else is no
// geometry value.
bool ParseNumbers(const std::string& text, size_t count, std::vector<int>& numbers) {
  numbers.clear();
  std::stringstream stream(text);
  std::string field;
  while (std::getline(stream, field, ',')) {
    if (field.empty() || field.find_first_not_of("-0123456789") != std::string::npos) return false;
    numbers.push_back(std::stoi(field));
  }
  return numbers.size() == count;
}

std::string RectText(const TRect& r) {
  return "(" + std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) + "," +
         std::to_string(r.Bottom) + ")";
}

bool Inside(const TRect& r, int width, int height) {
  return r.Left >= 0 && r.Top >= 0 && r.Right <= width && r.Bottom <= height && r.Left <= r.Right &&
         r.Top <= r.Bottom;
}

bool IsNull(const TRect& r) { return r.Left == 0 && r.Top == 0 && r.Right == 0 && r.Bottom == 0; }

// Where a rectangle key of a look lies.
enum class TPlace { Picture, Face, Local, FormPicture };

// Rectangles on the face (relative to "skinrect") of control looks, by type word.
const std::map<std::string, std::set<std::string>>& FaceKeys() {
  static const std::map<std::string, std::set<std::string>> keys{
      {"scrollbar", {"trackarea", "upbuttonrect", "downbuttonrect"}},
      {"spinedit", {"upbuttonrect", "downbuttonrect"}},
      {"updown", {"upbuttonrect", "downbuttonrect"}},
      {"edit", {"buttonrect"}},
      {"memo", {"buttonrect"}},
      {"combobox", {"buttonrect", "itemrect"}},
      {"listbox", {"captionrect", "upbuttonrect", "downbuttonrect", "checkbuttonrect"}},
      {"checklistbox", {"captionrect", "upbuttonrect", "downbuttonrect", "checkbuttonrect"}},
      {"checkradio", {"checkimagearea", "textarea"}},
      {"gauge", {"progressarea"}},
      {"trackbar", {"trackarea"}},
      {"panel", {"captionrect"}},
      {"button", {"trackbuttonrect"}},
      {"menubutton", {"trackbuttonrect"}}};
  return keys;
}

// Rectangles relative to an item, cell or text place, checked by the controls that use them.
const std::set<std::string>& LocalKeys() {
  static const std::set<std::string> keys{"itemtextrect", "itemcheckrect", "celltextrect", "fixedcelltextrect",
                                          "frametextrect", "textrect", "imagerect"};
  return keys;
}

TPlace PlaceOf(bool object, const std::string& word, const std::string& key, bool skinRectInAPicture) {
  if (LocalKeys().count(key) != 0) return TPlace::Local;
  if (object) {
    if (key == "skinrect" && !skinRectInAPicture && word != "menuitem") return TPlace::FormPicture;
    return TPlace::Picture;
  }
  if (key == "clientrect") return TPlace::Face;
  auto it = FaceKeys().find(word);
  return it != FaceKeys().end() && it->second.count(key) != 0 ? TPlace::Face : TPlace::Picture;
}

class TLinter {
 public:
  TLinter(const std::string& skinFile, const std::string& iniPath, const TspSkinData& skin)
      : file_(skinFile), description_(ReadDescription(iniPath)), skin_(skin) {}

  std::vector<std::string> Run() {
    CheckSections();
    CheckNames();
    CheckReferences();
    CheckAreas();
    for (const auto& look : skin_.CtrlList) CheckControl(*look);
    for (const auto& look : skin_.ObjectList) CheckObject(*look);
    CheckWindows();
    CheckFormMask();
    CheckGeometryText();
    CheckFonts();
    return problems_;
  }

 private:
  void Problem(const std::string& text) { problems_.push_back(file_ + ": " + text); }

  SIZE PictureSize(int index) const {
    if (index < 0 || index >= static_cast<int>(skin_.ActivePictures.size())) return SIZE{-1, -1};
    const TBitmap* picture = skin_.ActivePictures[static_cast<size_t>(index)].get();
    return SIZE{picture->Width(), picture->Height()};
  }

  bool CheckIndex(const std::string& where, const std::string& key, int index, bool required) {
    if (index == -1 && !required) return false;
    if (PictureSize(index).cx < 0) {
      Problem("[" + where + "] " + key + " " + std::to_string(index) + " is not one of the " +
              std::to_string(skin_.ActivePictures.size()) + " active pictures");
      return false;
    }
    return true;
  }

  void CheckSections() {
    for (const char* section : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS", "POPUPWINDOW",
                                "HINTWINDOW", "SKINCOLORS"}) {
      const TValues* values = description_.Section(section);
      if (values == nullptr || values->empty()) Problem("section [" + std::string(section) + "] missing");
    }
  }

  void CheckNames() {
    for (const TName& name : Names()) {
      if (file_ != name.Skin) continue;
      const TObject* look = nullptr;
      if (name.List == TList::Control) {
        int index = skin_.GetControlIndex(name.Name);
        if (index >= 0) look = skin_.CtrlList[static_cast<size_t>(index)].get();
      } else {
        int index = skin_.GetIndex(name.Name);
        if (index >= 0) look = skin_.ObjectList[static_cast<size_t>(index)].get();
      }
      std::string what = std::string(name.List == TList::Control ? "look" : "object") + " '" + name.Name + "'";
      if (look == nullptr) {
        Problem(what + " missing");
      } else if (!name.IsRequiredClass(look)) {
        Problem(what + " is not a " + name.ClassName);
      } else if (name.CommandButton) {
        CheckCommandButton(*static_cast<const TspDataSkinButton*>(look));
      }
    }
  }

  void CheckCommandButton(const TspDataSkinButton& button) {
    std::string where = "[" + button.IDName.str() + "] ";
    if (button.Hint.IsEmpty()) Problem(where + "hint missing");
    const std::pair<const char*, TRect> faces[] = {{"skinrect", button.SkinRect},
                                                   {"activeskinrect", button.ActiveSkinRect},
                                                   {"downrect", button.DownRect},
                                                   {"disableskinrsect", button.DisableSkinRsect}};
    for (const auto& [key, rect] : faces) {
      if (rect.IsEmpty()) Problem(where + key + " missing");
    }
  }

  // Names one look gives another: the combo box's list, the tab's scroller, the lists'
  // scroll bars, the frame's status bar.
  void CheckReferences() {
    for (const auto& look : skin_.CtrlList) {
      if (auto* combo = dynamic_cast<const TspDataSkinComboBox*>(look.get())) {
        Refers<TspDataSkinListBox>(combo->IDName, "listboxname", combo->ListBoxName);
      }
      if (auto* tab = dynamic_cast<const TspDataSkinTabControl*>(look.get())) {
        Refers<TspDataSkinUpDownControl>(tab->IDName, "updown", tab->UpDown);
      }
      if (auto* list = dynamic_cast<const TspDataSkinListBox*>(look.get())) {
        Refers<TspDataSkinScrollBarControl>(list->IDName, "vscrollbarname", list->VScrollBarName);
        Refers<TspDataSkinScrollBarControl>(list->IDName, "hscrollbarname", list->HScrollBarName);
        Refers<TspDataSkinScrollBarControl>(list->IDName, "bothhscrollbarname", list->BothHScrollBarName);
      }
    }
    if (!skin_.StatusBarName.IsEmpty()) Refers<TspDataSkinPanelControl>("FORMINFO", "statusbarname", skin_.StatusBarName);
  }

  template <class T>
  void Refers(const AnsiString& where, const char* key, const AnsiString& name) {
    int index = skin_.GetControlIndex(name);
    if (index < 0 || dynamic_cast<const T*>(skin_.CtrlList[static_cast<size_t>(index)].get()) == nullptr) {
      Problem("[" + where.str() + "] " + key + " '" + name.str() + "' names no look of its kind");
    }
  }

  void CheckAreas() {
    if (file_ != kMainSkin) return;
    for (const TArea& area : MainAreas()) {
      int index = skin_.GetAreaIndex(area.Name);
      if (index < 0) {
        Problem(std::string("area '") + area.Name + "' missing");
      } else if (skin_.AreaList[static_cast<size_t>(index)]->AreaRect != area.Bounds) {
        Problem(std::string("area '") + area.Name + "' is at " +
                RectText(skin_.AreaList[static_cast<size_t>(index)]->AreaRect) + ", not " + RectText(area.Bounds));
      }
    }
    for (const auto& area : skin_.AreaList) {
      if (!Inside(area->AreaRect, skin_.Picture->Width(), skin_.Picture->Height())) {
        Problem("area '" + area->IDName.str() + "' lies outside the form picture");
      }
    }
  }

  // Every rectangle of a look's section inside the picture, face or form picture it
  // lies in.
  void CheckRects(const std::string& section, bool object, const std::string& word, int pictureIndex,
                  const TRect& face, bool skinRectInAPicture) {
    const TValues* values = description_.Section(section);
    if (values == nullptr) {
      Problem("[" + section + "] section missing");
      return;
    }
    std::vector<int> n;
    for (const auto& [key, value] : *values) {
      if (!ParseNumbers(value, 4, n)) continue;
      TRect r{n[0], n[1], n[2], n[3]};
      if (IsNull(r)) continue;
      std::string where = "[" + section + "] " + key + " " + RectText(r);
      switch (PlaceOf(object, word, key, skinRectInAPicture)) {
        case TPlace::Local:
          break;
        case TPlace::Face:
          if (!Inside(r, face.Width(), face.Height())) Problem(where + " lies outside its face " + RectText(face));
          break;
        case TPlace::FormPicture:
          if (!Inside(r, skin_.Picture->Width(), skin_.Picture->Height())) Problem(where + " lies outside the form picture");
          break;
        case TPlace::Picture: {
          SIZE size = PictureSize(pictureIndex);
          if (size.cx < 0) {
            Problem(where + " has no picture");
          } else if (!Inside(r, size.cx, size.cy)) {
            Problem(where + " lies outside active picture " + std::to_string(pictureIndex) + " (" +
                    std::to_string(size.cx) + "x" + std::to_string(size.cy) + ")");
          }
          break;
        }
      }
    }
  }

  void CheckControl(const TspDataSkinControl& look) {
    std::string name = look.IDName.str();
    std::string word = ControlLookWord(&look).str();
    bool custom = dynamic_cast<const TspDataSkinCustomControl*>(&look) != nullptr;
    bool hasPicture = CheckIndex(name, "pictureindex", look.PictureIndex, custom);
    CheckRects(name, false, word, look.PictureIndex, look.SkinRect, false);
    if (CheckIndex(name, "maskpictureindex", look.MaskPictureIndex, false)) {
      SIZE mask = PictureSize(look.MaskPictureIndex);
      if (mask.cx != look.SkinRect.Width() || mask.cy != look.SkinRect.Height()) {
        Problem("[" + name + "] mask is " + std::to_string(mask.cx) + "x" + std::to_string(mask.cy) +
                ", the look " + std::to_string(look.SkinRect.Width()) + "x" + std::to_string(look.SkinRect.Height()));
      }
    }
    if (custom) CheckCorners(name, static_cast<const TspDataSkinCustomControl&>(look));
    if (hasPicture) CheckTextContrast(look);
  }

  void CheckCorners(const std::string& name, const TspDataSkinCustomControl& look) {
    const TRect& face = look.SkinRect;
    for (const TPoint& p : {look.LeftTopPoint, look.RightTopPoint, look.LeftBottomPoint, look.RightBottomPoint}) {
      if (p.X < 0 || p.Y < 0 || p.X > face.Width() || p.Y > face.Height()) {
        Problem("[" + name + "] corner point (" + std::to_string(p.X) + "," + std::to_string(p.Y) +
                ") lies outside its face");
      }
    }
  }

  void CheckObject(const TspDataSkinObject& look) {
    std::string name = look.IDName.str();
    std::string word = ObjectLookWord(&look).str();
    bool inPicture = look.SkinRectInAPicture || word == "menuitem";
    CheckIndex(name, "activepictureindex", look.ActivePictureIndex, inPicture);
    CheckRects(name, true, word, look.ActivePictureIndex, TRect{}, look.SkinRectInAPicture);
  }

  void CheckWindows() {
    const std::pair<const char*, std::pair<int, int>> windows[] = {
        {"POPUPWINDOW", {skin_.PopupWindow->WindowPictureIndex, skin_.PopupWindow->MaskPictureIndex}},
        {"HINTWINDOW", {skin_.HintWindow->WindowPictureIndex, skin_.HintWindow->MaskPictureIndex}}};
    for (const auto& [section, indices] : windows) {
      if (!CheckIndex(section, "windowpictureindex", indices.first, true)) continue;
      if (!CheckIndex(section, "maskpictureindex", indices.second, false)) continue;
      SIZE window = PictureSize(indices.first);
      SIZE mask = PictureSize(indices.second);
      if (window.cx != mask.cx || window.cy != mask.cy) Problem(std::string("[") + section + "] mask size differs from the window's");
    }
  }

  void CheckFormMask() {
    if (skin_.Picture->Empty()) {
      Problem("form picture missing");
      return;
    }
    if (!skin_.MaskPicture->Empty() && (skin_.MaskPicture->Width() != skin_.Picture->Width() ||
                                        skin_.MaskPicture->Height() != skin_.Picture->Height())) {
      Problem("form mask size differs from the form picture's");
    }
    if (!skin_.InActivePicture->Empty() && (skin_.InActivePicture->Width() != skin_.Picture->Width() ||
                                            skin_.InActivePicture->Height() != skin_.Picture->Height())) {
      Problem("inactive form picture size differs from the form picture's");
    }
  }

  // Readers drop the sign of coordinates, so no point or rectangle may be negative.
  void CheckGeometryText() {
    std::vector<int> n;
    for (const auto& [section, values] : description_.Sections) {
      for (const auto& [key, value] : values) {
        if ((ParseNumbers(value, 4, n) || ParseNumbers(value, 2, n)) && value.find('-') != std::string::npos) {
          Problem("[" + section + "] " + key + " " + value + " is negative");
        }
      }
    }
  }

  void CheckFonts() {
    std::set<std::string> faces;
    for (const auto& [section, values] : description_.Sections) {
      for (const auto& [key, value] : values) {
        if (key.size() >= 8 && key.compare(key.size() - 8, 8, "fontname") == 0) faces.insert(value);
      }
    }
    for (const std::string& face : faces) {
      if (!FontInstalled(face)) Problem("font '" + face + "' is not installed");
    }
  }

  static int CALLBACK FoundFont(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
  }

  static bool FontInstalled(const std::string& face) {
    LOGFONTA font{};
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(font.lfFaceName, face.c_str(), LF_FACESIZE);
    HDC dc = GetDC(nullptr);
    bool found = false;
    EnumFontFamiliesExA(dc, &font, &FoundFont, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, dc);
    return found;
  }

  // Enabled text of a look against the middle of its client part on the normal face.
  void CheckTextContrast(const TspDataSkinControl& look) {
    std::string colourText = description_.Value(look.IDName.str(), "fontcolor");
    if (colourText.empty() || look.SkinRect.IsEmpty()) return;
    TRect client = look.SkinRect;
    if (auto* custom = dynamic_cast<const TspDataSkinCustomControl*>(&look)) {
      if (!custom->ClientRect.IsEmpty()) {
        client = TRect{look.SkinRect.Left + custom->ClientRect.Left, look.SkinRect.Top + custom->ClientRect.Top,
                       look.SkinRect.Left + custom->ClientRect.Right, look.SkinRect.Top + custom->ClientRect.Bottom};
      }
    }
    TBitmap* picture = skin_.ActivePictures[static_cast<size_t>(look.PictureIndex)].get();
    TColor background = picture->Canvas()->Pixels((client.Left + client.Right) / 2, (client.Top + client.Bottom) / 2);
    double ratio = Contrast(std::stoi(colourText), background);
    if (ratio < 4.5) Problem("[" + look.IDName.str() + "] fontcolor has contrast " + std::to_string(ratio));
  }

  std::string file_;
  TDescription description_;
  const TspSkinData& skin_;
  std::vector<std::string> problems_;
};

double Linear(int channel) {
  double c = channel / 255.0;
  return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(TColor colour) {
  return 0.2126 * Linear(colour & 0xFF) + 0.7152 * Linear((colour >> 8) & 0xFF) +
         0.0722 * Linear((colour >> 16) & 0xFF);
}

}  // namespace

double Contrast(TColor a, TColor b) {
  double la = Luminance(a);
  double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::vector<std::string> LintSkin(const std::string& skinFile, const std::string& iniPath, const TspSkinData& skin) {
  return TLinter(skinFile, iniPath, skin).Run();
}

}  // namespace shippedskin
