#include <gtest/gtest.h>

#include <memory>

#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/FileUtils.h"
#include "classlib/runtime/IniFiles.h"
#include "classlib/runtime/Streams.h"
#include "classlib/runtime/Strings.h"
#include "TestFolder.h"

namespace {

const AnsiString kLong = AnsiString::StringOfChar('a', 3000);

AnsiString SampleText() {
  return AnsiString("[Main]\r\n") +
         "plain=hello\r\n"
         "spaced =   padded value   \r\n"
         "dquoted=\"quoted text\"\r\n"
         "squoted='single'\r\n"
         "mixedquote=\"half'\r\n"
         "innerquote=a \"b\" c\r\n"
         "twoquotes=\"\"x\"\"\r\n"
         "empty=\r\n"
         "blank=    \r\n"
         "Hex1=0x1A\r\n"
         "hex2=$ff\r\n"
         "hexshort=0x\r\n"
         "neg=-12\r\n"
         "bad=12a\r\n"
         "long=" + kLong + "\r\n"
         "dup=first\r\n"
         "dup=second\r\n"
         "MixedCase=Value\r\n"
         "\r\n"
         "[ Padded Section ]\r\n"
         "k=v\r\n"
         "[empty section]\r\n"
         "[Second]\r\n"
         "x=1\r\n"
         "[Dup]\r\n"
         "only=first\r\n"
         "[Quirks]\r\n"
         "noequals\r\n"
         "[broken\r\n"
         "after=1\r\n"
         "[dup]\r\n"
         "later=2\r\n"
         "[T]] trailing\r\n"
         "q=1\r\n";
}

void WriteText(const AnsiString& path, const AnsiString& text) {
  TFileStream file(path, fmCreate);
  file.WriteBuffer(text.c_str(), text.Length());
}

AnsiString ReadText(const AnsiString& path) {
  TStringList lines;
  lines.LoadFromFile(path);
  return lines.Text();
}

enum class Kind { File, Memory };

void PrintTo(Kind kind, std::ostream* out) { *out << (kind == Kind::File ? "TIniFile" : "TMemIniFile"); }

std::unique_ptr<TCustomIniFile> Open(Kind kind, const AnsiString& path) {
  if (kind == Kind::File) return std::make_unique<TIniFile>(path);
  return std::make_unique<TMemIniFile>(path);
}

class IniBoth : public ::testing::TestWithParam<Kind> {
 protected:
  void SetUp() override {
    folder_ = TestFolder();
    path_ = folder_ + "settings.ini";
    WriteText(path_, SampleText());
    ini_ = Open(GetParam(), path_);
  }
  void TearDown() override {
    ini_.reset();
    SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
  }

  AnsiString folder_, path_;
  std::unique_ptr<TCustomIniFile> ini_;
};

}  // namespace

TEST_P(IniBoth, ReadStringTable) {
  struct Case {
    const char* section;
    const char* key;
    AnsiString expected;
  };
  const Case cases[] = {
      {"Main", "plain", "hello"},
      {"MAIN", "PLAIN", "hello"},
      {"Main", "spaced", "padded value"},
      {"Main", "dquoted", "quoted text"},
      {"Main", "squoted", "single"},
      {"Main", "mixedquote", "\"half'"},
      {"Main", "innerquote", "a \"b\" c"},
      {"Main", "twoquotes", "\"x\""},
      {"Main", "empty", ""},
      {"Main", "blank", ""},
      {"Main", "missing", "def"},
      {"Nowhere", "plain", "def"},
      {"Main", "long", kLong.SubString(1, 2047)},
      {"Main", "dup", "first"},
      {"Main", "mixedcase", "Value"},
      {"Padded Section", "k", "v"},
      {"padded section", "K", "v"},
      {"Second", "x", "1"},
      {"Dup", "only", "first"},
      {"Dup", "later", "def"},  // a repeated section is never reached
      {"Quirks", "noequals", "def"},
      {"Quirks", "after", "1"},  // "[broken" is no header
      {"T]", "q", "1"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ini_->ReadString(c.section, c.key, "def"), c.expected) << c.section << "/" << c.key;
  }
}

TEST_P(IniBoth, ReadIntegerAndBoolTable) {
  struct Case {
    const char* key;
    int expected;
  };
  const Case cases[] = {
      {"Hex1", 26}, {"hex2", 255}, {"hexshort", -1}, {"neg", -12}, {"bad", -1}, {"empty", -1}, {"missing", -1},
      {"plain", -1},
  };
  for (const Case& c : cases) EXPECT_EQ(ini_->ReadInteger("Main", c.key, -1), c.expected) << c.key;
  EXPECT_TRUE(ini_->ReadBool("Main", "neg", false));
  EXPECT_TRUE(ini_->ReadBool("Main", "missing", true));
  EXPECT_FALSE(ini_->ReadBool("Main", "bad", false));
}

TEST_P(IniBoth, SectionsAndKeysInFileOrder) {
  TStringList names;
  ini_->ReadSections(&names);
  EXPECT_EQ(names.CommaText(), "Main,\"Padded Section\",\"empty section\",Second,Dup,Quirks,dup,T]");
  ini_->ReadSection("second", &names);
  EXPECT_EQ(names.CommaText(), "x");
  ini_->ReadSection("nowhere", &names);
  EXPECT_EQ(names.Count(), 0);
  ini_->ReadSectionValues("Padded Section", &names);
  EXPECT_EQ(names.CommaText(), "k=v");
  EXPECT_TRUE(ini_->SectionExists("MAIN"));
  EXPECT_FALSE(ini_->SectionExists("empty section"));  // a header alone does not count
  EXPECT_FALSE(ini_->SectionExists("nowhere"));
  EXPECT_TRUE(ini_->ValueExists("Main", "EMPTY"));
  EXPECT_FALSE(ini_->ValueExists("Main", "missing"));
}

TEST_P(IniBoth, WritesReplaceAddAndErase) {
  ini_->WriteString("Main", "PLAIN", "changed");
  ini_->WriteInteger("Main", "added", -5);
  ini_->WriteBool("New Section", "flag", true);
  ini_->DeleteKey("Main", "neg");
  ini_->EraseSection("Second");
  ini_->UpdateFile();
  EXPECT_EQ(ini_->ReadString("Main", "plain", ""), "changed");
  EXPECT_EQ(ini_->ReadInteger("Main", "added", 0), -5);
  EXPECT_TRUE(ini_->ReadBool("new section", "FLAG", false));
  EXPECT_FALSE(ini_->ValueExists("Main", "neg"));
  EXPECT_FALSE(ini_->SectionExists("Second"));

  // The file itself holds the changes, as a fresh reader of either kind sees.
  ini_.reset();
  for (Kind kind : {Kind::File, Kind::Memory}) {
    auto again = Open(kind, path_);
    EXPECT_EQ(again->ReadString("Main", "plain", ""), "changed");
    EXPECT_EQ(again->ReadString("New Section", "flag", ""), "1");
    EXPECT_EQ(again->ReadString("Second", "x", "gone"), "gone");
  }
}

// Files the system refuses to write: locked by another program, in a missing folder,
// and marked read-only where the platform enforces that (not for the super-user).
TEST_P(IniBoth, RefusedWriteRaisesNamingThePath) {
  ini_.reset();
  // Another program reads the file and lets no one write it meanwhile.
  HANDLE lock = CreateFileA(path_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  const AnsiString missingFolder = folder_ + "missing\\settings.ini";
  for (const AnsiString& path : {path_, missingFolder}) {
    auto ini = Open(GetParam(), path);
    try {
      ini->WriteString("Main", "plain", "refused");
      ini->UpdateFile();
      ADD_FAILURE() << "the write went through: " << path;
    } catch (const EIniFileException& e) {
      EXPECT_EQ(e.Message(), "Unable to write to " + path);
    }
  }
  CloseHandle(lock);
  EXPECT_GT(ReadText(path_).Pos("plain=hello"), 0);
}

TEST_P(IniBoth, ReadOnlyFileIsNotChanged) {
  ini_.reset();
  SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_READONLY);
  HANDLE probe = CreateFileA(path_.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (probe != INVALID_HANDLE_VALUE) {
    CloseHandle(probe);
    GTEST_SKIP() << "read-only files are writable here (super-user); the locked-file case covers refusal";
  }
  auto ini = Open(GetParam(), path_);
  EXPECT_THROW(
      {
        ini->WriteString("Main", "plain", "refused");
        ini->UpdateFile();
      },
      EIniFileException);
}

INSTANTIATE_TEST_SUITE_P(Classes, IniBoth, ::testing::Values(Kind::File, Kind::Memory),
                         [](const auto& info) { return info.param == Kind::File ? "TIniFile" : "TMemIniFile"; });

TEST_P(IniBoth, MissingFileAnswersDefaultsAndNoSections) {
  auto missing = Open(GetParam(), folder_ + "absent.ini");
  EXPECT_EQ(missing->ReadString("Main", "plain", "def"), "def");
  EXPECT_EQ(missing->ReadInteger("Main", "neg", 3), 3);
  TStringList names;
  names.Add("stale");
  missing->ReadSections(&names);
  EXPECT_EQ(names.Count(), 0);
  EXPECT_FALSE(missing->SectionExists("Main"));
  EXPECT_FALSE(FileExists(folder_ + "absent.ini"));  // reading creates nothing
}

TEST(IniFiles, FileWritesReachTheDiskAtOnce) {
  const AnsiString path = TestFolder() + "now.ini";
  TIniFile ini(path);
  ini.WriteString("LastSettings", "OutputFolder", "C:\\out");
  EXPECT_GT(ReadText(path).Pos("OutputFolder=C:\\out"), 0);
}

TEST(IniFiles, MemoryIniRefusesAFileItCannotRead) {
  // Taking an unreadable file for an empty one would later overwrite it.
  const AnsiString path = TestFolder() + "locked.ini";
  {
    TFileStream file(path, fmCreate);
    file.WriteBuffer("[A]\r\nk=v\r\n", 10);
  }
  HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  EXPECT_THROW(TMemIniFile ini(path), EFOpenError);
  CloseHandle(lock);
}

TEST(IniFiles, MemoryIniFromLinesGivesItsLinesBack) {
  TStringList lines;
  lines.SetText("; comment\r\n[A]\r\nk = v\r\n[B]\r\nx=1\r\n");
  TMemIniFile ini("");
  ini.SetStrings(&lines);
  EXPECT_EQ(ini.ReadString("a", "K", ""), "v");
  ini.WriteString("B", "y", "2");
  TStringList out;
  ini.GetStrings(&out);
  EXPECT_EQ(out.Text(), "[A]\r\nk = v\r\n\r\n[B]\r\nx=1\r\ny=2\r\n\r\n");
}
