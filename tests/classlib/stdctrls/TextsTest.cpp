// Edit masks, memo lines, the file dialogs' requests and answers and the printer: the
// parts that need no display.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "classlib/stdctrls/EditMask.h"
#include "classlib/stdctrls/FileDialogs.h"
#include "classlib/stdctrls/FolderBrowser.h"
#include "classlib/stdctrls/Memo.h"
#include "classlib/stdctrls/Printer.h"

namespace {

TEST(EditMaskTest, PlacesLiteralsBlanksAndCase) {
  const TEditMask time("!90:00;1; ");
  EXPECT_EQ(5, time.Length());
  EXPECT_EQ(' ', time.Blank());
  EXPECT_TRUE(time.SaveLiterals());
  EXPECT_EQ(AnsiString("  :  "), time.EmptyText());
  EXPECT_TRUE(time.IsLiteral(2));
  EXPECT_EQ(3, time.NextPlace(2));
  EXPECT_EQ(1, time.PreviousPlace(3));
  char letter = 'a', digit = '7';
  EXPECT_FALSE(time.Accepts(0, letter));
  EXPECT_TRUE(time.Accepts(0, digit));
  EXPECT_EQ(1, time.FirstMissing("1 :30"));      // the hour's required digit
  EXPECT_EQ(4, time.FirstMissing(" 1:3 "));
  EXPECT_EQ(-1, time.FirstMissing(" 1:30"));     // the leading 9 is optional
  EXPECT_EQ(AnsiString("12:30"), time.ValueText("12:30"));

  const TEditMask code(">LL-000;0;_");
  EXPECT_FALSE(code.SaveLiterals());
  char lower = 'q';
  EXPECT_TRUE(code.Accepts(0, lower));
  EXPECT_EQ('Q', lower);
  EXPECT_EQ(AnsiString("AB123"), code.ValueText("AB-123"));
  EXPECT_EQ(AnsiString("AB-12_"), code.EditTextOf("ab12"));
  EXPECT_EQ(AnsiString("__-___"), code.EmptyText());
  EXPECT_FALSE(TEditMask("").Active());
}

TEST(MemoLinesTest, LinesAreTheTextSplitAtCrLf) {
  TMemo memo(nullptr);
  memo.SetText("one\r\ntwo\r\n\r\nfour");
  TStrings* lines = memo.Lines();
  ASSERT_EQ(4, lines->Count());
  EXPECT_EQ(AnsiString("two"), lines->Strings(1));
  EXPECT_EQ(AnsiString(""), lines->Strings(2));
  lines->SetStrings(2, "three");
  lines->Delete(0);
  lines->Add("five");
  EXPECT_EQ(AnsiString("two\r\nthree\r\nfour\r\nfive"), memo.Text());
  lines->SetText("a\nb\r\nc\r\n");
  EXPECT_EQ(AnsiString("a\r\nb\r\nc"), memo.Text());
  EXPECT_EQ(3, lines->Count());
  lines->Clear();
  EXPECT_EQ(0, lines->Count());
  EXPECT_THROW(lines->Strings(0), EStringListError);
}

// Puts a handler in place for a test and the previous one back at its end.
class TDialogAnswer {
 public:
  explicit TDialogAnswer(std::vector<char> answer, DWORD filterIndex = 0) {
    previous_ = SetFileDialogHandler([this, answer, filterIndex](OPENFILENAMEA& request, bool save) {
      seen = request;
      seenSave = save;
      seenFile = request.lpstrFile;
      seenTitle = request.lpstrTitle != nullptr ? request.lpstrTitle : "";
      seenDefaultExt = request.lpstrDefExt != nullptr ? request.lpstrDefExt : "";
      // The parts up to the empty one that ends them.
      if (request.lpstrFilter != nullptr) {
        const char* end = request.lpstrFilter;
        while (*end != '\0') end += std::strlen(end) + 1;
        filter.assign(request.lpstrFilter, end + 1);
      }
      if (answer.empty()) return false;
      std::copy(answer.begin(), answer.end(), request.lpstrFile);
      if (filterIndex != 0) request.nFilterIndex = filterIndex;
      return true;
    });
  }
  ~TDialogAnswer() { SetFileDialogHandler(previous_); }
  OPENFILENAMEA seen{};  // its pointers are gone once the dialog returns
  std::string seenTitle;
  std::string seenDefaultExt;
  bool seenSave = false;
  std::string seenFile;  // the file name the dialog was given
  std::vector<char> filter;

 private:
  TFileDialogHandler previous_;
};

std::vector<char> Parts(std::initializer_list<std::string> parts) {
  std::vector<char> buffer;
  for (const std::string& part : parts) {
    buffer.insert(buffer.end(), part.begin(), part.end());
    buffer.push_back('\0');
  }
  buffer.push_back('\0');
  return buffer;
}

TEST(FileDialogTest, TheHandlerSeesTheDialogsFlagsFilterAndTexts) {
  TDialogAnswer answer(Parts({"C:\\media\\clip.avi"}), 2);
  TOpenDialog dialog(nullptr);
  dialog.SetFilter("Video|*.avi;*.mpg|All|*.*");
  dialog.SetFilterIndex(1);
  dialog.SetTitle("Add files");
  dialog.SetDefaultExt("avi");
  dialog.SetOptions({ofHideReadOnly, ofEnableSizing, ofFileMustExist});
  ASSERT_TRUE(dialog.Execute());
  EXPECT_FALSE(answer.seenSave);
  const DWORD wanted = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_FILEMUSTEXIST;
  EXPECT_EQ(wanted, answer.seen.Flags);
  EXPECT_EQ("", answer.seenFile);
  EXPECT_EQ("Add files", answer.seenTitle);
  EXPECT_EQ("avi", answer.seenDefaultExt);
  EXPECT_EQ(1u, answer.seen.nFilterIndex);
  const char filter[] = "Video\0*.avi;*.mpg\0All\0*.*\0";
  EXPECT_EQ(std::string(filter, sizeof filter), std::string(answer.filter.data(), answer.filter.size()));
  EXPECT_EQ(AnsiString("C:\\media\\clip.avi"), dialog.FileName());
  EXPECT_EQ(2, dialog.FilterIndex());
  EXPECT_EQ(1, dialog.Files()->Count());
}

TEST(FileDialogTest, AMultiSelectAnswerBecomesFullPaths) {
  TDialogAnswer answer(Parts({"C:\\media", "a.avi", "b.mpg"}));
  TOpenDialog dialog(nullptr);
  dialog.SetOptions({ofAllowMultiSelect});
  ASSERT_TRUE(dialog.Execute());
  EXPECT_NE(0u, answer.seen.Flags & OFN_ALLOWMULTISELECT);
  EXPECT_EQ(0u, answer.seen.Flags & OFN_ENABLESIZING);
  ASSERT_EQ(2, dialog.Files()->Count());
  EXPECT_EQ(AnsiString("C:\\media\\a.avi"), dialog.Files()->Strings(0));
  EXPECT_EQ(AnsiString("C:\\media\\b.mpg"), dialog.Files()->Strings(1));
  EXPECT_EQ(AnsiString("C:\\media\\a.avi"), dialog.FileName());
}

TEST(FileDialogTest, ACancelledDialogChangesNothingAndTheSaveDialogAsksToSave) {
  TDialogAnswer answer({});
  TSaveDialog dialog(nullptr);
  dialog.SetFileName("keep.avi");
  EXPECT_FALSE(dialog.Execute());
  EXPECT_TRUE(answer.seenSave);
  EXPECT_EQ("keep.avi", answer.seenFile);
  EXPECT_EQ(AnsiString("keep.avi"), dialog.FileName());
}

TEST(FolderBrowserTest, TheHandlerSeesTheCaptionAndNoRoot) {
  BROWSEINFOA seen{};
  std::string title;
  auto previous = SetFolderDialogHandler([&](BROWSEINFOA& request, AnsiString& folder) {
    seen = request;
    title = request.lpszTitle;
    folder = "C:\\out";
    return true;
  });
  AnsiString directory;
  EXPECT_TRUE(SelectDirectory("Output folder", directory));
  SetFolderDialogHandler(previous);
  EXPECT_EQ(AnsiString("C:\\out"), directory);
  EXPECT_EQ("Output folder", title);
  EXPECT_EQ(nullptr, seen.pidlRoot);
}

TEST(PrinterTest, WithoutAPrinterEveryUseRaises) {
  ASSERT_EQ(AnsiString(""), TPrinter::DefaultPrinterName()) << "the test prefix has a printer";
  EXPECT_THROW(Printer()->Handle(), EPrinter);
  EXPECT_THROW(Printer()->Fonts(), EPrinter);
}

}  // namespace
