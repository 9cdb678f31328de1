// The skinned hint component and its hint window with real windows.
#include <gtest/gtest.h>

#include <memory>

#include "classlib/windowing/Forms.h"
#include "classlib/windowing/Screen.h"
#include "skin/controls/Skinhint.h"
#include "tests/support/window_support.h"

using namespace testsupport;

namespace {

class TMainTestForm : public TForm {
 public:
  explicit TMainTestForm(TComponent* owner) : TForm(owner, CreateNew) {}
};

class SkinHintTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (Application->MainForm() == nullptr) {
      TMainTestForm* form = nullptr;
      Application->CreateForm(form);
    }
  }
  static TCustomForm* MainForm() { return Application->MainForm(); }
  // The screen rectangle of the component's shown hint window.
  static RECT ShownRect() {
    HWND window = FindShownHint();
    RECT r{};
    GetWindowRect(window, &r);
    return r;
  }
  static HWND FindShownHint() {
    TspSkinHint* hint = TspSkinHintWindow::FindHintComponent();
    for (int i = 0; hint != nullptr && i < hint->ComponentCount(); ++i)
      if (auto* window = dynamic_cast<TspSkinHintWindow*>(hint->Components(i))) return window->Handle();
    return nullptr;
  }
  // The height of the hint shown for `text`.
  static int HintHeight(TspSkinHint& hint, const AnsiString& text) {
    hint.ActivateHint(Point(100, 100), text);
    const RECT r = ShownRect();
    hint.HideHint();
    return r.bottom - r.top;
  }
};

struct TShowHintSpy : public TObject {
  int calls = 0;
  void Show(AnsiString&, bool&, THintInfo&) { ++calls; }
};

TEST_F(SkinHintTest, InstallsItsWindowClassAndRestoresThePreviousOnDestruction) {
  TShowHintSpy previous;
  Application->OnShowHint = TShowHintEvent(&previous, &TShowHintSpy::Show);
  const TClass previousClass = Application->HintWindowClass();
  Application->HintShortPause = 50;
  {
    std::unique_ptr<TspSkinHint> hint(new TspSkinHint(MainForm()));
    EXPECT_EQ(Application->HintWindowClass(), TspSkinHintWindow::StaticClass());
    EXPECT_EQ(Application->HintShortPause, 100);
    EXPECT_FALSE(Application->OnShowHint == TShowHintEvent(&previous, &TShowHintSpy::Show));
    TShowHintSpy own;
    hint->OnShowHint = TShowHintEvent(&own, &TShowHintSpy::Show);
    AnsiString text = "x";
    bool canShow = true;
    THintInfo info;
    Application->OnShowHint(text, canShow, info);
    EXPECT_EQ(own.calls, 1);
    EXPECT_EQ(previous.calls, 0);
  }
  EXPECT_EQ(Application->HintWindowClass(), previousClass);
  EXPECT_TRUE(Application->OnShowHint == TShowHintEvent(&previous, &TShowHintSpy::Show));
  Application->OnShowHint = nullptr;
}

TEST_F(SkinHintTest, OnlyTheActiveComponentOfTheMainFormServes) {
  std::unique_ptr<TForm> other(ShowTestForm(100, 100));
  std::unique_ptr<TspSkinHint> elsewhere(new TspSkinHint(other.get()));
  EXPECT_EQ(TspSkinHintWindow::FindHintComponent(), nullptr);
  elsewhere->ActivateHint(Point(100, 100), "never");
  EXPECT_FALSE(elsewhere->IsVisible());

  std::unique_ptr<TspSkinHint> first(new TspSkinHint(MainForm()));
  std::unique_ptr<TspSkinHint> second(new TspSkinHint(MainForm()));
  EXPECT_EQ(TspSkinHintWindow::FindHintComponent(), first.get());
  second->SetActive(true);
  EXPECT_FALSE(first->Active());
  EXPECT_EQ(TspSkinHintWindow::FindHintComponent(), second.get());
}

TEST_F(SkinHintTest, SeparatorBecomesOneLineBreakInOnePass) {
  std::unique_ptr<TspSkinHint> hint(new TspSkinHint(MainForm()));
  struct Case {
    const char* separator;
    const char* text;
    const char* expected;
  };
  for (const Case& c : {Case{"@", "a@b", "a\r\nb"}, Case{"@", "ab", "ab"}, Case{"", "a@b", "a@b"},
                        Case{"\n", "a\nb\n", "a\r\nb\r\n"}, Case{"\r\n", "a\r\nb", "a\r\nb"},
                        Case{"--", "a--b--", "a\r\nb\r\n"}}) {
    hint->LineSeparator = c.separator;
    EXPECT_EQ(hint->CheckText(c.text), AnsiString(c.expected)) << c.text;
  }
}

TEST_F(SkinHintTest, SeparatedTextShowsTwoLinesOfOneLinesHeight) {
  std::unique_ptr<TspSkinHint> hint(new TspSkinHint(MainForm()));
  const int oneLine = HintHeight(*hint, "ab") - 4;
  const int twoLines = HintHeight(*hint, "a@b") - 4;
  ASSERT_GT(oneLine, 0);
  EXPECT_EQ(twoLines, 2 * oneLine);
  EXPECT_FALSE(hint->IsVisible());
}

TEST_F(SkinHintTest, HintNearTheBottomRightCornerOpensAboveAndLeftOfThePoint) {
  std::unique_ptr<TspSkinHint> hint(new TspSkinHint(MainForm()));
  hint->ActivateHint(Point(200, 150), "corner");
  ASSERT_TRUE(hint->IsVisible());
  const RECT plain = ShownRect();
  EXPECT_EQ(plain.left, 200);
  EXPECT_EQ(plain.top, 150);
  const int w = plain.right - plain.left, h = plain.bottom - plain.top;
  const TPoint corner = Point(Screen->Width() - 3, Screen->Height() - 3);
  hint->ActivateHint(corner, "corner");
  const RECT flipped = ShownRect();
  EXPECT_EQ(flipped.left, corner.X - w - 2);
  EXPECT_EQ(flipped.top, corner.Y - h - 2);
  hint->HideHint();
  EXPECT_FALSE(hint->IsVisible());
}

}  // namespace

namespace {

class TimedHintTest : public SkinHintTest {
 protected:
  void SetUp() override {
    hint.reset(new TspSkinHint(MainForm()));
    Application->HintPause = 30;
    Application->HintHidePause = 300;
    SetCursorPos(300, 200);
  }
  void TearDown() override {
    Application->HintPause = 500;
    Application->HintHidePause = 2500;
  }
  std::unique_ptr<TspSkinHint> hint;
};

TEST_F(TimedHintTest, ShowsBelowTheCursorAfterThePauseAndHidesAfterTheHidePause) {
  const int margin = TspSkinHint::GetCursorHeightMargin();
  EXPECT_GE(margin, 0);
  EXPECT_LE(margin, GetSystemMetrics(SM_CYCURSOR));
  hint->ActivateHint2("first");
  hint->ActivateHint2("timed");  // replaces the pending one
  EXPECT_FALSE(hint->IsVisible());
  ASSERT_TRUE(ServeUntil([&] { return hint->IsVisible(); }, 2000));
  const RECT r = ShownRect();
  EXPECT_EQ(r.left, 300);
  EXPECT_EQ(r.top, 200 + margin);
  EXPECT_EQ(WindowText(FindShownHint()), "timed");
  EXPECT_TRUE(ServeUntil([&] { return !hint->IsVisible(); }, 3000));
}

TEST_F(TimedHintTest, HideHintCancelsAPendingHint) {
  hint->ActivateHint2("cancelled");
  hint->HideHint();
  ServeApplication(200);
  EXPECT_FALSE(hint->IsVisible());
}

}  // namespace
