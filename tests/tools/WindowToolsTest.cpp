#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "classlib/graphics/Graphics.h"
#include "classlib/windowing/Button.h"
#include "window_support.h"

namespace {

using testsupport::ShowForm;

// A form with one button that counts its clicks, and a left half in red and a right half
// in blue for the screenshot.
class TToolForm : public TForm {
  CLASSLIB_CLASS(TToolForm, TForm)
 public:
  explicit TToolForm(TComponent* owner) : TForm(owner, CreateNew) {
    SetBorderStyle(bsNone);
    SetBounds(100, 100, 200, 100);
    Button = new TButton(this);
    Button->SetParent(this);
    Button->SetBounds(20, 60, 80, 30);
    Button->SetCaption("Press");
    Button->OnClick = TNotifyEvent(this, &TToolForm::Pressed);
    OnPaint = TNotifyEvent(this, &TToolForm::PaintHalves);
  }
  void Pressed(TObject*) { ++Clicks; }
  void PaintHalves(TObject*) {
    Canvas()->Brush()->SetColor(clRed);
    Canvas()->FillRect(Rect(0, 0, 100, 100));
    Canvas()->Brush()->SetColor(clBlue);
    Canvas()->FillRect(Rect(100, 0, 200, 100));
  }
  TButton* Button = nullptr;
  int Clicks = 0;
};

class WindowTools : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    InitializeGraphics();
  }
};

TEST_F(WindowTools, ARealClickAndAKeyReachAShownFormsButtonOnceEach) {
  std::unique_ptr<TToolForm> form(ShowForm<TToolForm>(nullptr));
  testsupport::Click(form->Button, 40, 15);
  EXPECT_EQ(1, form->Clicks) << "the click";
  form->Button->SetFocus();
  testsupport::PressKey(VK_SPACE);
  EXPECT_EQ(2, form->Clicks) << "the space key";
}

TEST_F(WindowTools, AScreenshotIsSavedAsPngInTheTestOutputFolder) {
  std::unique_ptr<TToolForm> form(ShowForm<TToolForm>(nullptr));
  form->Button->Hide();
  form->Repaint();
  form->Update();
  const std::string path = testsupport::SaveScreenshot(form->Handle(), "window_tools_halves");
  ASSERT_FALSE(path.empty());
  EXPECT_NE(std::string::npos, path.find("\\test-output\\window_tools_halves.png"));
  // tests/tools/read_screenshot.py reads the file and checks both halves.
}

TEST_F(WindowTools, OnNextModalRunsItsActionOnTheModalForm) {
  std::unique_ptr<TToolForm> form(NewForm<TToolForm>(nullptr));
  TToolForm* seen = nullptr;
  {
    auto watch = testsupport::OnNextModal<TToolForm>([&](TToolForm* modal) {
      seen = modal;
      modal->SetModalResult(mrOk);
    });
    EXPECT_EQ(mrOk, form->ShowModal());
  }
  EXPECT_EQ(form.get(), seen);
}

TEST_F(WindowTools, OnNextModalFailsNamingTheFormClassWhenNoneShows) {
  testing::TestPartResultArray failures;
  {
    testing::ScopedFakeTestPartResultReporter reporter(testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD,
                                                       &failures);
    auto watch = testsupport::OnNextModal<TToolForm>([](TToolForm*) {});
    testsupport::ServeApplication(60);
  }
  ASSERT_EQ(1, failures.size());
  EXPECT_NE(std::string::npos, std::string(failures.GetTestPartResult(0).message()).find("TToolForm"));
}

}  // namespace
