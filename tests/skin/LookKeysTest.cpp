#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "LookKinds.h"
#include "skin/data/Skindata.h"

namespace {

using lookkinds::FillDistinct;
using lookkinds::Key;
using lookkinds::Kind;
using lookkinds::ReadKeys;
using lookkinds::WrittenNames;

// A look of the kind, with its section and its two operations.
struct LookUnderTest {
  std::unique_ptr<TObject> look;
  AnsiString section;
  std::function<void(TCustomIniFile*)> load;
  std::function<void(TCustomIniFile*)> save;
};

template <class T>
LookUnderTest Wrap(T* look, const AnsiString& section) {
  return {std::unique_ptr<TObject>(look), section, [look](TCustomIniFile* ini) { look->LoadFromFile(ini); },
          [look](TCustomIniFile* ini) { look->SaveToFile(ini); }};
}

const char* const kSection = "look";

LookUnderTest MakeLook(const Kind& kind) {
  if (kind.word == "POPUPWINDOW") return Wrap(new TspDataSkinPopupWindow, "POPUPWINDOW");
  if (kind.word == "HINTWINDOW") return Wrap(new TspDataSkinHintWindow, "HINTWINDOW");
  if (kind.object) return Wrap(CreateObjectLook(kind.word.c_str(), kSection), kSection);
  return Wrap(CreateControlLook(kind.word.c_str(), kSection), kSection);
}

std::string Trace(const Kind& kind) { return (kind.object ? "object " : "control ") + kind.word; }

void ExpectSection(TCustomIniFile* ini, const AnsiString& section, const std::vector<std::string>& names,
                   const std::map<std::string, std::string>& values) {
  TStringList written;
  ini->ReadSection(section, &written);
  std::vector<std::string> writtenNames;
  for (int i = 0; i < written.Count(); ++i) writtenNames.push_back(written.Strings(i).str());
  EXPECT_EQ(names, writtenNames);
  for (const std::string& name : names) {
    auto value = values.find(name);
    if (value == values.end()) continue;
    EXPECT_EQ(value->second, ini->ReadString(section, name.c_str(), "<missing>").str()) << name;
  }
}

TEST(LookKeys, EveryKindIsMadeByItsWordAndWrittenWithIt) {
  for (const Kind& kind : lookkinds::AllKinds()) {
    if (kind.word == "POPUPWINDOW" || kind.word == "HINTWINDOW") continue;
    SCOPED_TRACE(Trace(kind));
    AnsiString word = kind.word.c_str();
    if (kind.object) {
      std::unique_ptr<TspDataSkinObject> look(CreateObjectLook(word, "x"));
      ASSERT_NE(nullptr, look);
      EXPECT_EQ(AnsiString("x"), look->IDName);
      EXPECT_EQ(word, ObjectLookWord(look.get()));
    } else {
      std::unique_ptr<TspDataSkinControl> look(CreateControlLook(word, "x"));
      ASSERT_NE(nullptr, look);
      EXPECT_EQ(AnsiString("x"), look->IDName);
      EXPECT_EQ(word, ControlLookWord(look.get()));
    }
  }
}

TEST(LookKeys, WordsOutsideTheListsMakeNothing) {
  for (const char* word : {"Button", "", "BUTTON", "custom", "frame"}) {
    SCOPED_TRACE(word);
    EXPECT_EQ(nullptr, CreateControlLook(word, "x"));
    EXPECT_EQ(nullptr, CreateObjectLook(word, "x"));
  }
  TspDataSkinCustomControl plain("x");
  TspDataSkinObject base("y");
  EXPECT_EQ(AnsiString(), ControlLookWord(&plain));
  EXPECT_EQ(AnsiString(), ObjectLookWord(&base));
}

TEST(LookKeys, EveryKeyAtItsOwnValueIsReadAndWrittenBackInOrder) {
  for (const Kind& kind : lookkinds::AllKinds()) {
    SCOPED_TRACE(Trace(kind));
    LookUnderTest look = MakeLook(kind);
    TMemIniFile source("");
    std::map<std::string, std::string> expected = FillDistinct(kind, &source, look.section);
    look.load(&source);
    TMemIniFile saved("");
    saved.WriteString(look.section, "stale", "gone");
    look.save(&saved);
    ExpectSection(&saved, look.section, WrittenNames(kind, 2), expected);
  }
}

TEST(LookKeys, AnEmptySectionGivesTheDefaultOfEveryKey) {
  for (const Kind& kind : lookkinds::AllKinds()) {
    SCOPED_TRACE(Trace(kind));
    LookUnderTest look = MakeLook(kind);
    TMemIniFile empty("");
    look.load(&empty);
    std::map<std::string, std::string> expected;
    for (const Key& key : ReadKeys(kind)) expected[key.kind == 'L' ? key.name + "linecount" : key.name] = key.missing;
    TMemIniFile saved("");
    look.save(&saved);
    ExpectSection(&saved, look.section, WrittenNames(kind, 0), expected);
  }
}

TEST(LookKeys, SaveThenLoadKeepsEveryValue) {
  for (const Kind& kind : lookkinds::AllKinds()) {
    SCOPED_TRACE(Trace(kind));
    LookUnderTest first = MakeLook(kind);
    TMemIniFile source("");
    FillDistinct(kind, &source, first.section);
    first.load(&source);
    TMemIniFile once("");
    first.save(&once);
    LookUnderTest second = MakeLook(kind);
    second.load(&once);
    TMemIniFile twice("");
    second.save(&twice);
    TStringList a;
    TStringList b;
    once.GetStrings(&a);
    twice.GetStrings(&b);
    EXPECT_EQ(a.Text(), b.Text());
  }
}

}  // namespace
