#include <gtest/gtest.h>

#include <string>

#include "ShippedFiles.h"
#include "ShippedLint.h"
#include "classlib/graphics/Graphics.h"
#include "classlib/runtime/IniFiles.h"

namespace {

using namespace shippedskin;

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

std::vector<std::string> LintFile(const std::string& folder, const char* skinFile) {
  TspSkinData skin(nullptr);
  skin.LoadFromFile((folder + skinFile).c_str());
  if (skin.Empty) return {std::string(skinFile) + ": did not load"};
  return LintSkin(skinFile, folder + skinFile, skin);
}

TEST(ShippedSkins, EveryNameTheWindowsLoadIsThereWithItsClassAndSoundGeometry) {
  InitializeGraphics();
  for (const char* skinFile : {kMainSkin, kFormSkin}) {
    SCOPED_TRACE(skinFile);
    std::vector<std::string> problems = LintFile(kFolder, skinFile);
    EXPECT_TRUE(problems.empty()) << Joined(problems);
  }
}

// A fault put into a copy of the shipped folder, and what the lint must say about it.
struct TBreak {
  const char* Skin;
  const char* Section;
  const char* Key;  // a key of the section, or the name of a section-list entry
  const char* Value;
  bool Entry;       // rename the entry `Key` of the section list to `Value`, or give it the rest `Value`
  bool Rename;
  const char* Expected;
};

const TBreak kBreaks[] = {
    {kFormSkin, "SKINCONTROLS", "toolpanel", "toolpanelx", true, true, "look 'toolpanel' missing"},
    {kMainSkin, "SKINOBJECTS", "SaveBmp", "SaveBitmap", true, true, "object 'SaveBmp' missing"},
    {kFormSkin, "SKINCONTROLS", "gauge", "panel", true, false, "look 'gauge' is not a TspDataSkinGaugeControl"},
    {kMainSkin, "SKINAREAS", "FileList", "49,100,481,250", true, false, "area 'FileList' is at (49,100,481,250)"},
    {kFormSkin, "button", "activeskinrect", "600,0,675,25", false, false,
     "[button] activeskinrect (600,0,675,25) lies outside active picture 0"},
    {kFormSkin, "hscrollbar", "trackarea", "17,0,500,17", false, false,
     "[hscrollbar] trackarea (17,0,500,17) lies outside its face"},
    {kMainSkin, "Go", "downrect", "510,900,761,1600", false, false, "[Go] downrect (510,900,761,1600) lies outside"},
    {kMainSkin, "Go", "hint", "", false, false, "[Go] hint missing"},
    {kFormSkin, "checkbox", "pictureindex", "9", false, false, "[checkbox] pictureindex 9 is not one of"},
    {kFormSkin, "combobox", "listboxname", "nolist", false, false, "[combobox] listboxname 'nolist' names no look"},
    {kFormSkin, "tab", "fontname", "No Such Face", false, false, "font 'No Such Face' is not installed"},
    {kFormSkin, "label", "fontcolor", "16250355", false, false, "[label] fontcolor has contrast"},
    {kMainSkin, "closebutton", "skinrect", "-755,6,777,26", false, false, "[closebutton] skinrect -755,6,777,26 is negative"},
    {kFormSkin, "FORMINFO", "statusbarname", "nobar", false, false, "[FORMINFO] statusbarname 'nobar' names no look"},
};

TEST(ShippedSkins, BrokenCopiesFailNamingTheFault) {
  InitializeGraphics();
  for (const TBreak& fault : kBreaks) {
    SCOPED_TRACE(std::string(fault.Skin) + " [" + fault.Section + "] " + fault.Key);
    std::string folder = CopyShippedFolder("skin-shipped-broken");
    std::string path = folder + fault.Skin;
    if (!fault.Entry) {
      TMemIniFile ini(path.c_str());
      ini.WriteString(fault.Section, fault.Key, fault.Value);
      ini.UpdateFile();
    } else if (fault.Rename) {
      ASSERT_TRUE(RenameEntry(path, fault.Section, fault.Key, fault.Value));
    } else {
      ASSERT_TRUE(ReplaceEntry(path, fault.Section, fault.Key, fault.Value));
    }
    std::string problems = Joined(LintFile(folder, fault.Skin));
    EXPECT_NE(std::string::npos, problems.find(fault.Expected)) << problems;
  }
}

}  // namespace
