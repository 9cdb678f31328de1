#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classlib/runtime/FileUtils.h"
#include "engine/Quorinvccommon.h"
#include "test_support.h"

namespace {

struct SplitCase {
  const char* text;
  char separator;
  std::vector<std::string> items;
};

TEST(SplitString, AppendsTheItemsAfterWhatTheListHeld) {
  const SplitCase cases[] = {
      {" D:\\My Videos ;E:\\Clips;;", ';', {"D:\\My Videos", "E:\\Clips"}},
      {"", ';', {}},
      {" ;  ; ;;  ", ';', {}},
      {"  a   b  ;c", ';', {"a   b", "c"}},
      {"a ;  b", ';', {"a", "b"}},
      {"\ta\t;\t", ';', {"\ta\t", "\t"}},
      {"*.avi;*.wmv", ';', {"*.avi", "*.wmv"}},
      {"x,y;z", ',', {"x", "y;z"}},
  };
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\"");
    std::vector<AnsiString> list{"earlier"};
    SplitString(c.text, c.separator, list);
    std::vector<std::string> got;
    for (const AnsiString& s : list) got.push_back(s.str());
    std::vector<std::string> want{"earlier"};
    want.insert(want.end(), c.items.begin(), c.items.end());
    EXPECT_EQ(got, want);
  }
}

TEST(ReplaceFirst, ReplacesOnlyTheFirstExactOccurrence) {
  struct Case {
    const char *text, *pattern, *replacement, *result;
  };
  const Case cases[] = {
      {"a-b-c", "-", "+", "a+b-c"},
      {"abc", "x", "+", "abc"},
      {"Abc", "a", "x", "Abc"},
      {"file.avi.avi", ".avi", ".mp4", "file.mp4.avi"},
      {"ab", "b", "long tail", "along tail"},
      {"abab", "ab", "", "ab"},
      {"", "a", "b", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.text << " / " << c.pattern);
    EXPECT_EQ(ReplaceFirst(c.text, c.pattern, c.replacement).str(), c.result);
  }
}

constexpr int crDefault = 0;
constexpr int crHourGlass = -11;
constexpr int crAppStart = -19;

std::vector<int> g_cursorCalls;
void RecordCursor(int cursor) { g_cursorCalls.push_back(cursor); }

TEST(MyCursor, InnerScopeEndBringsBackTheDefaultCursor) {
  {
    MyCursor outer(crHourGlass);
    EXPECT_EQ(ScreenCursor(), crHourGlass);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_WAIT));
    {
      MyCursor inner(crHourGlass);
    }
    EXPECT_EQ(ScreenCursor(), crDefault);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
  }
  EXPECT_EQ(ScreenCursor(), crDefault);
}

TEST(MyCursor, GoesThroughAnInstalledSetter) {
  g_cursorCalls.clear();
  SetScreenCursorSetter(&RecordCursor);
  {
    MyCursor busy(crHourGlass);
  }
  SetScreenCursorSetter(nullptr);
  EXPECT_EQ(g_cursorCalls, (std::vector<int>{crHourGlass, crDefault}));
  MyCursor afterwards(crAppStart);
  EXPECT_EQ(ScreenCursor(), crAppStart);
}

struct ShownBox {
  std::string text, caption;
  unsigned flags = 0;
};
ShownBox g_shown;
int RecordBox(const AnsiString& text, const AnsiString& caption, unsigned flags) {
  g_shown = {text.str(), caption.str(), flags};
  return IDNO;
}

TEST(ShowMessageBox, NullTextsShowEmptyAndTheAnswerComesBack) {
  SetMessageBoxPresenter(&RecordBox);
  const int answer = ShowMessageBox(nullptr, nullptr, MB_YESNO | MB_ICONINFORMATION);
  SetMessageBoxPresenter(nullptr);
  EXPECT_EQ(answer, IDNO);
  EXPECT_EQ(g_shown.text, "");
  EXPECT_EQ(g_shown.caption, "");
  EXPECT_EQ(g_shown.flags, 68u);
}

bool IsLongExistingFolder(const AnsiString& folder) {
  char longForm[MAX_PATH] = {};
  GetLongPathNameA(folder.c_str(), longForm, MAX_PATH);
  return DirectoryExists(folder) && folder == AnsiString(longForm);
}

TEST(UserFolders, DocumentsFolderExistsWithoutTrailingBackslash) {
  const AnsiString documents = GetMyDocumentsFolder();
  ASSERT_FALSE(documents.IsEmpty());
  EXPECT_TRUE(IsLongExistingFolder(documents)) << documents;
  EXPECT_NE(documents[documents.Length()], '\\');
}

// Restores an environment variable at the end of the scope.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const std::string& value) : name_(name) {
    char old[MAX_PATH] = {};
    had_ = GetEnvironmentVariableA(name, old, MAX_PATH) > 0;
    old_ = old;
    SetEnvironmentVariableA(name, value.c_str());
  }
  ~ScopedVariable() { SetEnvironmentVariableA(name_, had_ ? old_.c_str() : nullptr); }

 private:
  const char* name_;
  bool had_;
  std::string old_;
};

TEST(UserFolders, TempFolderIsGivenInItsLongForm) {
  const std::string folder = testsupport::FreshTempFolder("Temporary Folder With A Long Name");
  char shortForm[MAX_PATH] = {};
  ASSERT_GT(GetShortPathNameA(folder.c_str(), shortForm, MAX_PATH), 0u);
  ASSERT_NE(std::string(shortForm), folder) << "the file system gives no short names";
  ScopedVariable tmp("TMP", shortForm);
  ScopedVariable temp("TEMP", shortForm);
  const AnsiString answer = GetTempFolder();
  EXPECT_EQ(answer.str(), folder + "\\");
  EXPECT_TRUE(IsLongExistingFolder(ExcludeTrailingPathDelimiter(answer)));
}

}  // namespace
