// The component on a form: take-over and hand-back of the window procedure, skinned or
// not, size limits, the skin query, placement of the first showing and the form icon.
#include <gtest/gtest.h>

#include "FormSkinFixtures.h"
#include "classlib/windowing/Application.h"
#include "classlib/windowing/CustomControl.h"

using namespace formskin;

namespace {

class SkinFormSkinner : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = MakeForm(40, 40, 400, 300);
    skin_ = std::make_unique<TspSkinData>(nullptr);
  }
  void TearDown() override { form_.reset(); }

  TspFormSkinner* Skin(const std::map<std::string, std::string>& overrides = {}) {
    skin_->LoadFromFile(WriteFormSkin("formskinner", overrides).c_str());
    auto* skinner = new TspFormSkinner(form_.get());
    skinner->SetSkinData(skin_.get());
    return skinner;
  }

  MINMAXINFO TrackLimits() {
    MINMAXINFO info{};
    SendMessageA(form_->Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    return info;
  }

  std::unique_ptr<TspSkinData> skin_;
  std::unique_ptr<TForm> form_;
};

// A window procedure put before the form's own: counts one message, passes all on.
class TProcRecorder : public TObject {
 public:
  explicit TProcRecorder(TWndMethod next) : next_(next) {}
  void Record(TMessage& message) {
    if (message.Msg == WM_USER + 7) ++seen;
    next_(message);
  }
  int seen = 0;

 private:
  TWndMethod next_;
};

TEST_F(SkinFormSkinner, TheComponentTakesTheProcedureOverAndGivesItBackWhenFreed) {
  form_->HandleNeeded();
  TProcRecorder recorder(form_->WindowProc);
  const TWndMethod recording(&recorder, &TProcRecorder::Record);
  form_->WindowProc = recording;
  auto* skinner = new TspFormSkinner(form_.get());
  EXPECT_EQ(form_->WindowProc, TWndMethod(skinner, &TspFormSkinner::NewWndProc));
  EXPECT_EQ(skinner->OldWindowProc, recording);
  form_->Perform(WM_USER + 7);
  EXPECT_EQ(recorder.seen, 1);
  delete skinner;
  EXPECT_EQ(form_->WindowProc, recording);
  EXPECT_EQ(form_->Perform(CM_SKINFORMQUERY), 0);  // the component answers it no more
}

TEST_F(SkinFormSkinner, AnOwnerThatIsNotAFormFailsTheConstruction) {
  TComponent owner(nullptr);
  EXPECT_THROW(TspFormSkinner skinner(&owner), EInvalidCast);
  EXPECT_EQ(owner.ComponentCount(), 0);
}

TEST_F(SkinFormSkinner, TheFormFindsItsComponent) {
  EXPECT_EQ(GetFormSkinnerComponent(form_.get()), nullptr);
  EXPECT_EQ(GetFormSkinnerComponent(nullptr), nullptr);
  new TComponent(form_.get());
  auto* skinner = new TspFormSkinner(form_.get());
  new TspFormSkinner(form_.get());
  EXPECT_EQ(GetFormSkinnerComponent(form_.get()), skinner);
}

TEST_F(SkinFormSkinner, TheClientSizeSetOnTheComponentHoldsAfterEverySkinApplication) {
  TspFormSkinner* skinner = Skin();
  skinner->ClientWidth = 300;
  skinner->ChangeSkinData();
  EXPECT_EQ(form_->ClientWidth(), 300);
  form_->SetWidth(500);
  skin_->LoadFromFile(WriteFormSkin("formskinner2").c_str());
  EXPECT_EQ(form_->ClientWidth(), 300);
  EXPECT_EQ(form_->Width(), 320);
}

TEST_F(SkinFormSkinner, TheTrackingLimitsComeFromThePictureTheSkinAndTheComponent) {
  struct Case {
    int minWidth, maxWidth, maxHeight;
    LONG expectedMinWidth, expectedMaxWidth, expectedMaxHeight;
  };
  TspFormSkinner* skinner = Skin();
  const RECT work = [] {
    RECT r{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0);
    return r;
  }();
  const Case cases[] = {{0, 0, 0, kFormMinWidth, work.right - work.left, work.bottom - work.top},
                        {300, 500, 400, 300, 500, 400},             // above the picture: wins
                        {150, 0, 0, kFormMinWidth, work.right - work.left, work.bottom - work.top}};  // below: loses
  for (const Case& c : cases) {
    skinner->MinWidth = c.minWidth;
    skinner->MaxWidth = c.maxWidth;
    skinner->MaxHeight = c.maxHeight;
    const MINMAXINFO info = TrackLimits();
    EXPECT_EQ(info.ptMinTrackSize.x, c.expectedMinWidth) << c.minWidth;
    EXPECT_EQ(info.ptMinTrackSize.y, kHeight - kClientRect.Height()) << c.minWidth;
    EXPECT_EQ(info.ptMaxTrackSize.x, c.expectedMaxWidth) << c.minWidth;
    EXPECT_EQ(info.ptMaxTrackSize.y, c.expectedMaxHeight) << c.minWidth;
  }
}

TEST_F(SkinFormSkinner, WithoutFormMinWidthThePictureWidthIsTheLeast) {
  TspFormSkinner* skinner = Skin({{"FORMINFO/formminwidth", "0"}});
  skinner->MinWidth = 150;
  EXPECT_EQ(TrackLimits().ptMinTrackSize.x, kWidth);
}

// A windowed child counting the background refetches it is asked for.
class TBackgroundWatcher : public TCustomControl {
 public:
  explicit TBackgroundWatcher(TComponent* owner) : TCustomControl(owner) {}
  void Dispatch(TMessage& message) override {
    if (message.Msg == WM_CHECKPARENTBG) ++refetches;
    TCustomControl::Dispatch(message);
  }
  int refetches = 0;
};

TEST_F(SkinFormSkinner, AStretchedBackgroundTellsEachDirectWindowedChildOncePerRebuild) {
  auto* direct1 = new TBackgroundWatcher(form_.get());
  auto* direct2 = new TBackgroundWatcher(form_.get());
  auto* nested = new TBackgroundWatcher(form_.get());
  direct1->SetParent(form_.get());
  direct2->SetParent(form_.get());
  nested->SetParent(direct1);
  form_->HandleNeeded();
  TspFormSkinner* skinner = Skin({{"FORMINFO/stretcheffect", "1"}, {"FORMINFO/stretchtype", "stfull"}});
  for (auto* child : {direct1, direct2, nested}) child->refetches = 0;
  skinner->CreateNewForm(true);
  EXPECT_EQ(direct1->refetches, 1);
  EXPECT_EQ(direct2->refetches, 1);
  EXPECT_EQ(nested->refetches, 0);
  form_->SetWidth(form_->Width() + 30);
  EXPECT_EQ(direct1->refetches, 2);
  EXPECT_EQ(direct2->refetches, 2);
}

TEST_F(SkinFormSkinner, TheSkinQueryTellsASkinnedFormFromAnUnskinnedOne) {
  TspFormSkinner* skinner = Skin();
  ASSERT_TRUE(skinner->VistaOS);  // Wine reports a later system
  EXPECT_EQ(form_->Perform(CM_SKINFORMQUERY), kSkinnedFormAnswer);
  skinner->SetSkinnableForm(false);
  EXPECT_EQ(form_->Perform(CM_SKINFORMQUERY), kUnskinnedFormAnswer);
}

TEST_F(SkinFormSkinner, AnUnskinnedFormGetsThePlatformsFrameAndNoRegion) {
  auto plain = MakeForm(40, 40, 400, 300);
  plain->HandleNeeded();
  TspFormSkinner* skinner = Skin();
  form_->HandleNeeded();
  EXPECT_EQ(form_->ClientWidth(), 380);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_NE(GetWindowRgn(form_->Handle(), region), ERROR);
  skinner->SetSkinnableForm(false);
  EXPECT_EQ(GetWindowRgn(form_->Handle(), region), ERROR);
  DeleteObject(region);
  EXPECT_EQ(form_->ClientWidth(), plain->ClientWidth());
  EXPECT_EQ(form_->ClientHeight(), plain->ClientHeight());
}

TEST_F(SkinFormSkinner, TheDesktopCentrePlacesTheFirstShowingOnly) {
  TspFormSkinner* skinner = Skin();
  skinner->PositionInMonitor = sppDesktopCenter;
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  form_->Show();
  testsupport::PumpMessages(50);
  EXPECT_EQ(form_->Left(), work.left + (work.right - work.left) / 2 - form_->Width() / 2);
  EXPECT_EQ(form_->Top(), work.top + (work.bottom - work.top) / 2 - form_->Height() / 2);
  EXPECT_FALSE(skinner->PositionPending);
  form_->Hide();
  form_->SetBounds(10, 20, form_->Width(), form_->Height());
  form_->Show();
  testsupport::PumpMessages(50);
  EXPECT_EQ(form_->Left(), 10);
  EXPECT_EQ(form_->Top(), 20);
}

TEST_F(SkinFormSkinner, TheFormIconIsACopyAndOnlyTheCopyIsDestroyed) {
  auto* skinner = new TspFormSkinner(form_.get());
  HICON shared = LoadIcon(nullptr, IDI_APPLICATION);
  HICON copy = skinner->GetIcon();
  ASSERT_NE(copy, nullptr);
  EXPECT_NE(copy, shared);
  EXPECT_EQ(skinner->GetIcon(), copy);
  int w = 0;
  int h = 0;
  skinner->GetIconSize(w, h);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(copy, &info));
  BITMAP colour{};
  GetObjectA(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof colour, &colour);
  EXPECT_EQ(colour.bmWidth, w);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  delete skinner;
  ICONINFO after{};
  EXPECT_TRUE(GetIconInfo(shared, &after));
  DeleteObject(after.hbmColor);
  DeleteObject(after.hbmMask);
}

}  // namespace
