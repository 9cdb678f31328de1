#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "LookKinds.h"
#include "skin/data/Skindata.h"

namespace {

using lookkinds::Kind;

struct Key {
  std::string name;
  char kind;
  std::string missing;  // the value written back after the key was missing
  std::string other;    // another word (W keys)
};

std::vector<Key> ParseKeys(const char* text) {
  std::vector<Key> keys;
  std::istringstream in(text);
  std::string token;
  while (in >> token) {
    Key key;
    size_t colon = token.find(':');
    key.name = token.substr(0, colon);
    key.kind = token[colon + 1];
    size_t equals = token.find('=');
    std::string given = equals == std::string::npos ? "" : token.substr(equals + 1);
    size_t slash = given.find('/');
    if (slash != std::string::npos) {
      key.other = given.substr(slash + 1);
      given = given.substr(0, slash);
    }
    const std::map<char, std::string> defaults{{'I', "0"}, {'B', "0"}, {'P', "0,0"}, {'R', "0,0,0,0"}, {'L', "0"}};
    key.missing = !given.empty() ? given : defaults.count(key.kind) ? defaults.at(key.kind) : "";
    keys.push_back(key);
  }
  return keys;
}

std::vector<Key> ReadKeys(const Kind& kind) {
  std::vector<Key> keys;
  for (const auto& level : kind.levels) {
    for (const Key& key : ParseKeys(level.read)) keys.push_back(key);
  }
  return keys;
}

// The key names a save writes, in order; a line list stands for its count and lines.
std::vector<std::string> WrittenNames(const Kind& kind, int listLines) {
  std::vector<std::string> names;
  for (const auto& level : kind.levels) {
    std::istringstream in(level.write != nullptr ? level.write : level.read);
    std::string token;
    while (in >> token) {
      std::string name = token.substr(0, token.find(':'));
      bool list = token.find(":L") != std::string::npos;
      if (!list) {
        names.push_back(name);
        continue;
      }
      names.push_back(name + "linecount");
      for (int i = 0; i < listLines; ++i) names.push_back(name + "line" + std::to_string(i));
    }
  }
  return names;
}

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

// Gives every key of the kind a value of its own in `ini`; answers what a save must write
// back for each key name.
std::map<std::string, std::string> FillDistinct(const Kind& kind, TCustomIniFile* ini, const AnsiString& section) {
  std::map<std::string, std::string> expected;
  int n = 2;
  for (const Key& key : ReadKeys(kind)) {
    std::string value;
    n += 10;
    const std::string a = std::to_string(n);
    switch (key.kind) {
      case 'I': value = a; break;
      case 'B': value = "1"; break;
      case 'P': value = a + "," + std::to_string(n + 1); break;
      case 'R': value = a + "," + std::to_string(n + 1) + "," + std::to_string(n + 2) + "," + std::to_string(n + 3); break;
      case 'T': value = "text" + a; break;
      case 'S': value = "fsbold,fsunderline"; break;
      case 'W': value = key.other; break;
      case 'L':
        expected[key.name + "linecount"] = "2";
        for (int i = 0; i < 2; ++i) {
          std::string line = "line" + a + "_" + std::to_string(i);
          expected[key.name + "line" + std::to_string(i)] = line;
          ini->WriteString(section, (key.name + "line" + std::to_string(i)).c_str(), line.c_str());
        }
        ini->WriteString(section, (key.name + "linecount").c_str(), "2");
        continue;
    }
    ini->WriteString(section, key.name.c_str(), value.c_str());
    expected[key.name] = value;
  }
  for (const auto& [name, value] : kind.forced) expected[name] = value;
  return expected;
}

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
