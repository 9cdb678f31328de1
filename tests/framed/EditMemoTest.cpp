// The framed edit and memo: the frame over the standard border on screen, the memo's
// line and column, its notices, and the edit's validation and Enter rules.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ButtonTestSupport.h"
#include "framed/FrCommon_Borders.h"
#include "framed/FrEdit.h"

namespace {

using buttontests::Host;
using buttontests::OnForm;

class FramedEditMemo : public OnForm {};

// Records the event handlers' calls.
struct TLineColLog {
  std::vector<std::pair<int, int>> seen;
  void Record(TObject*, int line, int column) { seen.emplace_back(line, column); }
};
struct TClipboardLog {
  int count = 0;
  void Record(TObject*, bool, bool) { ++count; }
};
struct TValidationReply {
  AnsiString reply;
  void Answer(TObject*, AnsiString& message) { message = reply; }
};
struct TEnterCount {
  int count = 0;
  void Press(TObject*, char& key) { count += key == '\r' ? 1 : 0; }
};

// The two-pixel band round the window as the screen shows it equals the frame painter's
// band of the same size.
void ExpectFrameBand(TFrMemo* memo) {
  memo->Repaint();
  testsupport::ServeApplication(20);
  const int w = memo->Width(), h = memo->Height();
  TBitmap expected;
  expected.SetSize(w, h);
  PaintFrameByStyle(expected.Canvas(), w, h, fsLowered, clWindow, clBtnShadow, kAllSides, false);
  ASSERT_NE(expected.Canvas()->Pixels(0, h / 2), expected.Canvas()->Pixels(w - 1, h / 2));  // a lowered look
  auto shown = testsupport::CaptureWindow(memo->Handle());
  int wrong = 0;
  for (int x = 0; x < w; ++x) {
    for (int y = 0; y < h; ++y) {
      const bool band = x < 2 || y < 2 || x >= w - 2 || y >= h - 2;
      if (band && shown->Canvas()->Pixels(x, y) != expected.Canvas()->Pixels(x, y)) ++wrong;
    }
  }
  EXPECT_EQ(0, wrong) << "size " << w << " x " << h;
}

TEST_F(FramedEditMemo, ALoweredFrameCoversTheStandardBorderAlsoAfterAResize) {
  Host host(form_);
  auto* memo = host.Add<TFrMemo>(10, 10, 120, 60);
  memo->EntryFrame().SetFrameStyle(fsLowered);
  memo->EntryFrame().SetFrameVisible(true);
  ExpectFrameBand(memo);
  memo->SetBounds(10, 10, 180, 90);
  ExpectFrameBand(memo);
}

struct ColumnCase {
  int column;
  int selStart;  // where the caret ends up
  int notices;
};

TEST_F(FramedEditMemo, SetColumnStopsOneBeyondTheLineEnd) {
  Host host(form_);
  auto* memo = host.Add<TFrMemo>(10, 10, 150, 80);
  memo->SetText("abc\r\nhello\r\nxy");
  TLineColLog notices;
  memo->OnLineColChange = TLineColChangeEvent(&notices, &TLineColLog::Record);
  // Line 2 ("hello") starts at character 5.
  const ColumnCase cases[] = {{3, 7, 1}, {6, 10, 1}, {7, 7, 0}, {1, 5, 1}};
  for (const ColumnCase& c : cases) {
    SCOPED_TRACE(c.column);
    memo->SetSelStart(7);
    notices.seen.clear();
    memo->SetColumn(c.column);
    EXPECT_EQ(c.selStart, memo->SelStart());
    EXPECT_EQ(static_cast<size_t>(c.notices), notices.seen.size());
    EXPECT_EQ(2, memo->GetLine());
  }
}

TEST_F(FramedEditMemo, SetLineOfAMissingLineScrollsAndNotifiesNothing) {
  Host host(form_);
  auto* memo = host.Add<TFrMemo>(10, 10, 150, 40);
  memo->SetScrollBars(ssVertical);
  std::string text;
  for (int i = 1; i <= 20; ++i) text += "line " + std::to_string(i) + "\r\n";
  memo->SetText(text.c_str());
  TLineColLog log;
  memo->OnLineColChange = TLineColChangeEvent(&log, &TLineColLog::Record);
  const std::vector<std::pair<int, int>>& notices = log.seen;
  memo->SetLine(50);
  EXPECT_TRUE(notices.empty());
  EXPECT_EQ(0, SendMessageA(memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
  memo->SetLine(8);
  ASSERT_EQ(1u, notices.size());
  EXPECT_EQ(std::make_pair(8, 1), notices[0]);
  EXPECT_EQ(7, SendMessageA(memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
}

TEST_F(FramedEditMemo, TheMemoTellsItsClipboardStateTwiceWhenItsWindowIsMade) {
  Host host(form_);
  auto* memo = new TFrMemo(host.Panel());
  TClipboardLog clipboard;
  memo->OnClipboardChange = TClipboardChangeEvent(&clipboard, &TClipboardLog::Record);
  memo->SetParent(host.Panel());
  memo->HandleNeeded();
  EXPECT_EQ(2, clipboard.count);
}

struct ValidationCase {
  const char* message;  // what the validation event answers
  const char* raised;
  int beeps;
};

TEST_F(FramedEditMemo, TheValidationEventNamesTheErrorOrLeavesItToTheMaskedEdit) {
  Host host(form_);
  auto* edit = host.Add<TFrEdit>(10, 10, 100, 21);
  edit->SetEditMask("000");
  const ValidationCase cases[] = {{"Three digits, please", "Three digits, please", 1},
                                  {"", "Invalid input value.  Use escape key to abandon changes", 0}};
  for (const ValidationCase& c : cases) {
    SCOPED_TRACE(c.message);
    testsupport::TRecordedActions actions;
    TValidationReply answer{c.message};
    edit->OnValidateError = TFrValidateErrorEvent(&answer, &TValidationReply::Answer);
    try {
      edit->ValidateEdit();
      ADD_FAILURE() << "no error raised";
    } catch (const EDBEditError& error) {
      EXPECT_EQ(std::string(c.raised), error.Message().str());
    }
    EXPECT_EQ(static_cast<size_t>(c.beeps), actions.Lines().size());
  }
}

TEST_F(FramedEditMemo, ARightAlignedEditSwallowsEnterOnlyOnWindows40) {
  Host host(form_);
  auto* edit = host.Add<TFrEdit>(10, 10, 100, 21);
  edit->SetAlignment(taRightJustify);
  TEnterCount presses;
  edit->OnKeyPress = TKeyPressEvent(&presses, &TEnterCount::Press);
  struct VersionCase {
    int major, minor, presses;
  };
  for (const VersionCase& v : {VersionCase{4, 0, 0}, VersionCase{5, 1, 1}}) {
    SCOPED_TRACE(v.major);
    OverrideWindowsVersion(v.major, v.minor);
    presses.count = 0;
    edit->SetFocus();
    testsupport::PressKey(VK_RETURN);
    EXPECT_EQ(v.presses, presses.count);
  }
  OverrideWindowsVersion(0, 0);
}

// An edit that shows its drop-down button, as descendants do.
class TDropEdit : public TFrEdit {
 public:
  using TFrEdit::TFrEdit;
  void ShowDropButton() { SetDropButtonVisible(true); }
};

TEST_F(FramedEditMemo, TheDropButtonOpensByAPressOrAltDownAndRisesAgain) {
  Host host(form_);
  auto* edit = new TDropEdit(host.Panel());
  edit->SetParent(host.Panel());
  edit->SetBounds(10, 10, 120, 24);
  edit->ShowDropButton();
  buttontests::TCounter dropped, closed;
  edit->OnDropDown = dropped.Event();
  edit->OnCloseUp = closed.Event();
  const int strip = GetSystemMetrics(SM_CXVSCROLL);
  EXPECT_EQ(edit->Width() - 4 - strip, edit->ClientWidth());
  testsupport::Click(edit, 10, 8);  // in the text
  EXPECT_EQ(0, dropped.count);
  testsupport::Click(edit, edit->Width() - 4 - strip / 2, 8);
  EXPECT_EQ(1, dropped.count);
  EXPECT_EQ(1, closed.count);
  EXPECT_TRUE(edit->Focused());
  EXPECT_FALSE(edit->DropButtonDown());
  testsupport::PressKey(VK_DOWN, {ssAlt});
  EXPECT_EQ(2, dropped.count);
  EXPECT_EQ(2, closed.count);
  EXPECT_EQ(nullptr, GetCapture());  // the next click goes where it points
}

}  // namespace
