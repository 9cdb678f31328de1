#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/SysUtils.h"
#include "skin/data/Sputils_Values.h"
#include "test_support.h"

namespace {

std::string Show(const TRect& r) {
  return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) + "," +
         std::to_string(r.Bottom);
}
std::string Show(const TPoint& p) { return std::to_string(p.X) + "," + std::to_string(p.Y); }
std::string Show(bool b) { return b ? "true" : "false"; }
std::string Show(const TFontStyles& s) {
  std::string out;
  const char* names[] = {"bold", "italic", "underline", "strikeout"};
  for (int i = 0; i < 4; ++i) {
    if (s.Contains(static_cast<TFontStyle>(i))) out += std::string(out.empty() ? "" : " ") + names[i];
  }
  return out.empty() ? "none" : out;
}
std::string Show(TAlignment a) { return a == taLeftJustify ? "left" : a == taRightJustify ? "right" : "centre"; }
std::string Show(TspStretchType t) { return t == spstFull ? "full" : t == spstHorz ? "horz" : "vert"; }
std::string Show(TMorphKind k) { return "morph" + std::to_string(static_cast<int>(k)); }
std::string Show(TspInActiveEffect e) { return "effect" + std::to_string(static_cast<int>(e)); }
std::string Show(const TStrings& lines) {
  std::string out;
  for (int i = 0; i < lines.Count(); ++i) out += "[" + lines.Strings(i).str() + "]";
  return out;
}

const char* const kDescription =
    "[V]\n"
    "blanks=10, 20, 30, 40\n"
    "pointblank=1 0,20\n"
    "negative=-5,10\n"
    "five=1,2,3,4,5\n"
    "three=1,2,3\n"
    "empty=\n"
    "doublecomma=1,,3,4\n"
    "letters=a,b\n"
    "one=1\n"
    "zeroone=01\n"
    "hexone=0x1\n"
    "two=2\n"
    "word=true\n"
    "stylesjoined=fsboldfsitalic\n"
    "stylecapital=fsItalic\n"
    "stylesall=fsstrikeout,fsunderline\n"
    "aligncapital=TaCenter\n"
    "alignleft=taleftjustify\n"
    "alignright=tarightjustify\n"
    "stretchhorz=sthorz\n"
    "stretchvert=stvert\n"
    "stretchother=stretched\n"
    "morphpush=mkpush\n"
    "morphother=mkbounce\n"
    "effectnoise=ienoise\n"
    "effectother=iefade\n"
    "itemscount=3\n"
    "0=first\n"
    "2=third\n"
    "symbolslinecount=2\n"
    "symbolsline0=ABC\n"
    "symbolsline1=DEF\n";

struct ValueCase {
  const char* what;
  std::function<std::string(TCustomIniFile*)> read;
  const char* expected;  // "EConvertError" when the read raises it
};

const ValueCase kCases[] = {
    {"rectangle with blanks", [](TCustomIniFile* i) { return Show(ReadRect(i, "V", "blanks")); }, "10,20,30,40"},
    {"point with a blank inside", [](TCustomIniFile* i) { return Show(ReadPoint(i, "V", "pointblank")); }, "10,20"},
    {"minus sign dropped", [](TCustomIniFile* i) { return Show(ReadPoint(i, "V", "negative")); }, "5,10"},
    {"five fields use four", [](TCustomIniFile* i) { return Show(ReadRect(i, "V", "five")); }, "1,2,3,4"},
    {"three fields", [](TCustomIniFile* i) { return Show(ReadRect(i, "V", "three")); }, "EConvertError"},
    {"empty rectangle value", [](TCustomIniFile* i) { return Show(ReadRect(i, "V", "empty")); }, "EConvertError"},
    {"empty field", [](TCustomIniFile* i) { return Show(ReadRect(i, "V", "doublecomma")); }, "EConvertError"},
    {"letters only", [](TCustomIniFile* i) { return Show(ReadPoint(i, "V", "letters")); }, "EConvertError"},
    {"missing rectangle", [](TCustomIniFile* i) { return Show(ReadRect(i, "V", "nothing")); }, "0,0,0,0"},
    {"missing point", [](TCustomIniFile* i) { return Show(ReadPoint(i, "V", "nothing")); }, "0,0"},
    {"boolean 1", [](TCustomIniFile* i) { return Show(ReadBoolean(i, "V", "one")); }, "true"},
    {"boolean 01", [](TCustomIniFile* i) { return Show(ReadBoolean(i, "V", "zeroone")); }, "true"},
    {"boolean 0x1", [](TCustomIniFile* i) { return Show(ReadBoolean(i, "V", "hexone")); }, "true"},
    {"boolean 2", [](TCustomIniFile* i) { return Show(ReadBoolean(i, "V", "two")); }, "false"},
    {"boolean true", [](TCustomIniFile* i) { return Show(ReadBoolean(i, "V", "word")); }, "false"},
    {"missing boolean", [](TCustomIniFile* i) { return Show(ReadBoolean(i, "V", "nothing")); }, "false"},
    {"integer in hex", [](TCustomIniFile* i) { return std::to_string(ReadInteger(i, "V", "hexone", 7)); }, "1"},
    {"integer of a word", [](TCustomIniFile* i) { return std::to_string(ReadInteger(i, "V", "word", 7)); }, "7"},
    {"styles run together", [](TCustomIniFile* i) { return Show(ReadFontStyles(i, "V", "stylesjoined")); },
     "bold italic"},
    {"capitalised style", [](TCustomIniFile* i) { return Show(ReadFontStyles(i, "V", "stylecapital")); }, "none"},
    {"styles in any order", [](TCustomIniFile* i) { return Show(ReadFontStyles(i, "V", "stylesall")); },
     "underline strikeout"},
    {"capitalised alignment", [](TCustomIniFile* i) { return Show(ReadAlignment(i, "V", "aligncapital")); }, "right"},
    {"left alignment", [](TCustomIniFile* i) { return Show(ReadAlignment(i, "V", "alignleft")); }, "left"},
    {"right alignment", [](TCustomIniFile* i) { return Show(ReadAlignment(i, "V", "alignright")); }, "right"},
    {"missing alignment", [](TCustomIniFile* i) { return Show(ReadAlignment(i, "V", "nothing")); }, "centre"},
    {"horizontal stretch", [](TCustomIniFile* i) { return Show(ReadStretchType(i, "V", "stretchhorz")); }, "horz"},
    {"vertical stretch", [](TCustomIniFile* i) { return Show(ReadStretchType(i, "V", "stretchvert")); }, "vert"},
    {"unknown stretch", [](TCustomIniFile* i) { return Show(ReadStretchType(i, "V", "stretchother")); }, "horz"},
    {"missing stretch", [](TCustomIniFile* i) { return Show(ReadStretchType(i, "V", "nothing")); }, "full"},
    {"morph push", [](TCustomIniFile* i) { return Show(ReadMorphKind(i, "V", "morphpush")); }, "morph6"},
    {"unknown morph", [](TCustomIniFile* i) { return Show(ReadMorphKind(i, "V", "morphother")); }, "morph0"},
    {"noise effect", [](TCustomIniFile* i) { return Show(ReadInActiveEffect(i, "V", "effectnoise")); }, "effect3"},
    {"unknown effect (grey scale)", [](TCustomIniFile* i) { return Show(ReadInActiveEffect(i, "V", "effectother")); },
     "effect2"},
    {"missing effect (brightness)", [](TCustomIniFile* i) { return Show(ReadInActiveEffect(i, "V", "nothing")); },
     "effect0"},
    {"numbered list with a missing item",
     [](TCustomIniFile* i) {
       TStringList items;
       items.Add("kept");
       ReadStrings1(i, "V", "items", &items);
       return Show(items);
     },
     "[kept][first][][third]"},
    {"line list",
     [](TCustomIniFile* i) {
       TStringList lines;
       ReadStrings(i, "V", "symbols", &lines);
       return Show(lines);
     },
     "[ABC][DEF]"},
};

std::string Outcome(const ValueCase& c, TCustomIniFile* ini) {
  try {
    return c.read(ini);
  } catch (const EConvertError&) {
    return "EConvertError";
  }
}

class SkinValues : public testing::Test {
 protected:
  void SetUp() override { folder_ = testsupport::FreshTempFolder("skin-values"); }

  std::string WriteFile(const char* name, const char* text) {
    std::string path = folder_ + "\\" + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }

  std::string folder_;
};

TEST_F(SkinValues, FileAndMemoryDescriptionsReadEveryCaseAlike) {
  std::string path = WriteFile("values.ini", kDescription);
  TIniFile file(path.c_str());
  TMemIniFile memory(path.c_str());
  for (const ValueCase& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.expected, Outcome(c, &file));
    EXPECT_EQ(c.expected, Outcome(c, &memory));
  }
}

TEST_F(SkinValues, WritersWriteTheirTextAndReadBack) {
  std::string path = WriteFile("written.ini", "");
  TIniFile file(path.c_str());
  TMemIniFile memory(path.c_str());
  for (TCustomIniFile* ini : {static_cast<TCustomIniFile*>(&file), static_cast<TCustomIniFile*>(&memory)}) {
    SCOPED_TRACE(ini->ClassName().str());
    WritePoint(ini, "W", "point", Point(-5, 10));
    WriteRect(ini, "W", "rect", Rect(1, -2, 30, 40));
    WriteBoolean(ini, "W", "on", true);
    WriteFontStyles(ini, "W", "styles", TFontStyles{fsStrikeOut, fsBold, fsUnderline});
    WriteFontStyles(ini, "W", "nostyle", TFontStyles{});
    WriteAlignment(ini, "W", "align", taLeftJustify);
    WriteStretchType(ini, "W", "stretch", spstVert);
    WriteMorphKind(ini, "W", "morph", mkRightSlide);
    WriteInActiveEffect(ini, "W", "effect", ieInvert);
    EXPECT_EQ(AnsiString("-5,10"), ini->ReadString("W", "point", ""));
    EXPECT_EQ("5,10", Show(ReadPoint(ini, "W", "point")));
    EXPECT_EQ(AnsiString("1,-2,30,40"), ini->ReadString("W", "rect", ""));
    EXPECT_EQ(AnsiString("1"), ini->ReadString("W", "on", ""));
    EXPECT_EQ(AnsiString("fsbold,fsunderline,fsstrikeout"), ini->ReadString("W", "styles", "?"));
    EXPECT_EQ(AnsiString(""), ini->ReadString("W", "nostyle", "?"));
    EXPECT_EQ(AnsiString("taleftjustify"), ini->ReadString("W", "align", ""));
    EXPECT_EQ(AnsiString("stvert"), ini->ReadString("W", "stretch", ""));
    EXPECT_EQ(AnsiString("mkrightslide"), ini->ReadString("W", "morph", ""));
    EXPECT_EQ(AnsiString("ieinvert"), ini->ReadString("W", "effect", ""));
    EXPECT_EQ("bold underline strikeout", Show(ReadFontStyles(ini, "W", "styles")));
    EXPECT_EQ("left", Show(ReadAlignment(ini, "W", "align")));
    EXPECT_EQ(mkRightSlide, ReadMorphKind(ini, "W", "morph"));
    EXPECT_EQ(ieInvert, ReadInActiveEffect(ini, "W", "effect"));
  }
}

TEST_F(SkinValues, ListWritersWriteCountThenItems) {
  TMemIniFile ini("");
  TStringList lines;
  lines.Add("one");
  lines.Add("two");
  WriteStrings(&ini, "L", "symbols", &lines);
  WriteStrings1(&ini, "N", "activepictures", &lines);
  TStringList keys;
  ini.ReadSection("L", &keys);
  EXPECT_EQ("[symbolslinecount][symbolsline0][symbolsline1]", Show(keys));
  ini.ReadSection("N", &keys);
  EXPECT_EQ("[activepicturescount][0][1]", Show(keys));
  EXPECT_EQ(AnsiString("2"), ini.ReadString("N", "activepicturescount", ""));
  TStringList back;
  ReadStrings1(&ini, "N", "activepictures", &back);
  EXPECT_EQ("[one][two]", Show(back));
}

TEST_F(SkinValues, RectangleTextJoinsFieldsWithCommas) {
  EXPECT_EQ(AnsiString("-1,0,25,7"), SetRect(Rect(-1, 0, 25, 7)));
  EXPECT_EQ("3,4,5,6", Show(GetRect("3,4,5,6")));
  EXPECT_THROW(GetRect("99999999999,1,2,3"), EConvertError);
}

TEST_F(SkinValues, SkinDescriptionNeedsFiveSectionsWithKeys) {
  const std::string complete =
      "[VERSION]\nskinname=a\n[PICTURES]\npicture=p.bmp\n[FORMINFO]\nclientrect=0,0,1,1\n"
      "[SKINOBJECTS]\ncount=0\n[SKINCONTROLS]\ncount=0\n";
  std::string bare = complete.substr(0, complete.find("[SKINCONTROLS]")) + "[SKINCONTROLS]\n";
  std::string noForm = complete;
  noForm.replace(noForm.find("[FORMINFO]"), 10, "[FORM]");
  struct {
    const char* name;
    std::string text;
    bool expected;
  } cases[] = {{"complete.ini", complete, true}, {"bare.ini", bare, false}, {"noform.ini", noForm, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::string path = WriteFile(c.name, c.text.c_str());
    TIniFile file(path.c_str());
    TMemIniFile memory(path.c_str());
    EXPECT_EQ(c.expected, CheckSkinSections(&file));
    EXPECT_EQ(c.expected, CheckSkinSections(&memory));
  }
}

}  // namespace
