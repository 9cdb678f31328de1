// The pointer on skinned forms: hit tests of a sizeable dialog and a client-mode form,
// the frame cursor, caption buttons under real input (close, maximise, minimise and
// restore), client-mode dragging, the magnetic edges and the platform's move loop.
#include <gtest/gtest.h>

#include "FormObjectFixtures.h"
#include "classlib/windowing/Application.h"

using namespace formskin;
using namespace formobjects;

namespace {

constexpr int kDialogWidth = 400;
constexpr int kDialogHeight = 300;
const TRect kHelp{30, 8, 46, 20};  // a plain button in the top band

// The dialog skin: "borderwidth" 4 around a 10-pixel frame, hit-test corners at the
// client rectangle's corners, caption buttons laid out in "buttonsrect" from the right.
std::map<std::string, std::string> DialogInfo() {
  return {{"FORMINFO/borderwidth", "4"},
          {"FORMINFO/hittestlefttoppoint", "10,30"},
          {"FORMINFO/hittestrighttoppoint", "190,30"},
          {"FORMINFO/hittestleftbottompoint", "10,140"},
          {"FORMINFO/hittestrightbottompoint", "190,140"},
          {"FORMINFO/buttonsrect", "150,5,190,15"},
          {"FORMINFO/buttonsoffset", "2"},
          {"FORMINFO/captionrect", "10,5,148,15"}};
}

std::vector<TObjectEntry> DialogObjects() {
  return {CaptionButton("CloseBtn", "cmclose", kCloseFace), CaptionButton("MaxBtn", "cmmaximize", kMaxFace),
          CaptionButton("MinBtn", "cmminimize", kMinFace), Button("Help", kHelp)};
}

class SkinPointer : public ::testing::Test {
 protected:
  void SetUp() override { SetCursorPos(1200, 1000); }
  void TearDown() override {
    SetCursorPos(1200, 1000);
    forms_.clear();
    Application->Restore();
  }
  static void TearDownTestSuite() { SharedSkins().clear(); }

  // A shown, active dialog at (left, top) skinned in non-client mode.
  TspFormSkinner* ShowDialog(int left, int top, const TspBorderIcons* icons = nullptr) {
    forms_.push_back(MakeForm(left, top, kDialogWidth, kDialogHeight));
    TForm* form = forms_.back().get();
    auto* skinner = new TspFormSkinner(form);
    if (icons != nullptr) skinner->BorderIcons = *icons;
    skinner->SetSkinData(SharedSkinData("formpointer", DialogObjects(), DialogInfo()));
    form->Show();
    Activate(form);
    return skinner;
  }

  // A shown client-mode form of the picture's size.
  // `name` tells the skins of different objects or info apart.
  TspFormSkinner* ShowClientForm(int left, int top, const std::string& name = "formpointer2",
                                 const std::vector<TObjectEntry>& objects = {},
                                 const std::map<std::string, std::string>& info = {}) {
    forms_.push_back(MakeForm(left, top, kWidth, kHeight));
    TForm* form = forms_.back().get();
    auto* skinner = new TspFormSkinner(form);
    skinner->SetSupportNCArea(false);
    skinner->SetSkinData(SharedSkinData(name, objects, info));
    form->Show();
    Activate(form);
    return skinner;
  }

  static void Activate(TForm* form) {
    SetForegroundWindow(form->Handle());
    testsupport::PumpMessages(150);
  }

  static LRESULT HitTest(TCustomForm* form, int x, int y) {
    const POINT p = WindowPoint(form, x, y);
    return SendMessageA(form->Handle(), WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
  }

  static TspSkinStdButtonObject* Button(TspFormSkinner* skinner, const char* name) {
    return static_cast<TspSkinStdButtonObject*>(skinner->ObjectList[static_cast<size_t>(skinner->GetIndex(name))].get());
  }

  // Clicks the middle of an object of the frame.
  static void ClickObject(TspFormSkinner* skinner, const char* name) {
    const TRect r = Button(skinner, name)->ObjectRect;
    ClickWindowPoint(skinner->OwnerForm, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  }

  std::vector<std::unique_ptr<TForm>> forms_;
};

TEST_F(SkinPointer, TheFrameOfASizeableDialogAnswersItsEdgesCornersClientAndObjects) {
  struct Case {
    int x, y;
    LRESULT code;
  };
  const int midY = kDialogHeight / 2;
  const Case cases[] = {{3, midY, HTLEFT},          {5, midY, HTOBJECT},  // grab width 4
                        {kDialogWidth - 3, midY, HTRIGHT}, {200, kDialogHeight - 2, HTBOTTOM},
                        {200, 2, HTTOP},            {2, 12, HTTOPLEFT},
                        {kDialogWidth - 3, 12, HTTOPRIGHT}, {2, kDialogHeight - 3, HTBOTTOMLEFT},
                        {kDialogWidth - 3, kDialogHeight - 3, HTBOTTOMRIGHT},
                        {100, 100, HTCLIENT},       {200, 20, HTOBJECT},
                        {11, 5, HTTOP},   // the mask's cut corner is near
                        {12, 6, HTOBJECT}};
  TspFormSkinner* skinner = ShowDialog(100, 100);
  for (const Case& c : cases) EXPECT_EQ(HitTest(skinner->OwnerForm, c.x, c.y), c.code) << c.x << "," << c.y;
  skinner->OwnerForm->SetLeft(-250);  // on a monitor left of the primary one
  testsupport::PumpMessages(50);
  for (const Case& c : cases) EXPECT_EQ(HitTest(skinner->OwnerForm, c.x, c.y), c.code) << "left " << c.x << "," << c.y;
}

TEST_F(SkinPointer, AMaximisedOrFixedSizeDialogHasNoSizingEdges) {
  TspFormSkinner* skinner = ShowDialog(100, 100);
  skinner->Sizeable = false;
  EXPECT_EQ(HitTest(skinner->OwnerForm, 3, kDialogHeight / 2), HTOBJECT);
  EXPECT_EQ(HitTest(skinner->OwnerForm, 100, 100), HTCLIENT);
  skinner->Sizeable = true;
  skinner->SetWindowState(spwsMaximized);
  testsupport::PumpMessages(50);
  EXPECT_EQ(HitTest(skinner->OwnerForm, 3, skinner->OwnerForm->Height() / 2), HTOBJECT);
}

TEST_F(SkinPointer, AClientModeSizeGripSizesOnlyWhileTheFormIsSizeable) {
  TspFormSkinner* skinner = ShowClientForm(100, 100, "formpointergrip", {}, {{"FORMINFO/sizegriparea", "180,130,198,148"}});
  skinner->Sizeable = true;
  EXPECT_EQ(HitTest(skinner->OwnerForm, 190, 140), HTBOTTOMRIGHT);
  EXPECT_EQ(HitTest(skinner->OwnerForm, 100, 80), HTCLIENT);
  skinner->Sizeable = false;
  EXPECT_EQ(HitTest(skinner->OwnerForm, 190, 140), HTCLIENT);
}

// A window procedure before the form's own: keeps the hit-test code of WM_SETCURSOR.
class TCursorRecorder : public TObject {
 public:
  explicit TCursorRecorder(TWndMethod next) : next_(next) {}
  void Record(TMessage& message) {
    if (message.Msg == WM_SETCURSOR) code = LOWORD(message.LParam);
    next_(message);
  }
  WORD code = 0;

 private:
  TWndMethod next_;
};

TEST_F(SkinPointer, WithTheFormCursorInTheFrameOnlySizingCodesReachTheForm) {
  auto form = MakeForm(100, 100, kDialogWidth, kDialogHeight);
  form->HandleNeeded();
  TCursorRecorder recorder(form->WindowProc);
  form->WindowProc = TWndMethod(&recorder, &TCursorRecorder::Record);
  auto* skinner = new TspFormSkinner(form.get());
  skinner->UseFormCursorInNCArea = true;
  const std::pair<WORD, WORD> cases[] = {{HTOBJECT, HTCLIENT}, {HTCAPTION, HTCLIENT}, {HTLEFT, HTLEFT},
                                         {HTBOTTOMRIGHT, HTBOTTOMRIGHT}, {HTCLIENT, HTCLIENT}};
  for (const auto& [sent, seen] : cases) {
    form->Perform(WM_SETCURSOR, reinterpret_cast<WPARAM>(form->Handle()), MAKELPARAM(sent, WM_MOUSEMOVE));
    EXPECT_EQ(recorder.code, seen) << sent;
  }
  delete skinner;
}

TEST_F(SkinPointer, CaptionButtonsFollowBorderIconsAndCarryDefaultHints) {
  const TspBorderIcons systemMenuOnly{TspBorderIcon::biSystemMenu};
  TspFormSkinner* skinner = ShowDialog(100, 100, &systemMenuOnly);
  EXPECT_TRUE(Button(skinner, "CloseBtn")->Enabled);
  for (const char* name : {"MaxBtn", "MinBtn"}) {
    EXPECT_FALSE(Button(skinner, name)->Enabled) << name;
    EXPECT_FALSE(Button(skinner, name)->Visible) << name;  // its face is cut from the active picture
  }
  EXPECT_EQ(Button(skinner, "CloseBtn")->Hint, "Close");
  EXPECT_EQ(Button(skinner, "MaxBtn")->Hint, "Maximize");
  EXPECT_EQ(Button(skinner, "MinBtn")->Hint, "Minimize");
  // Laid out from the right end of the buttons rectangle (moved with the wider form).
  EXPECT_EQ(Button(skinner, "CloseBtn")->ObjectRect, (TRect{380, 5, 390, 15}));
}

// Notes whether the form was still on screen when the close button's release came.
class TCloseWatch : public TObject {
 public:
  explicit TCloseWatch(HWND window) : window_(window) {}
  void Up(const AnsiString& name, int, int, const TRect&, TMouseButton button) {
    released = std::string(name.c_str()) + " " + std::to_string(button);
    shownAtRelease = IsWindowVisible(window_) != FALSE;
  }
  std::string released;
  bool shownAtRelease = false;

 private:
  HWND window_;
};

TEST_F(SkinPointer, CloseReportsItsReleaseThenClosesTheDialog) {
  TspFormSkinner* skinner = ShowDialog(100, 100);
  TCloseWatch watch(skinner->OwnerForm->Handle());
  skinner->OnMouseUpEvent = TspMouseUpEvent(&watch, &TCloseWatch::Up);
  ClickObject(skinner, "CloseBtn");
  EXPECT_EQ(watch.released, "CloseBtn 0");
  EXPECT_TRUE(watch.shownAtRelease);
  EXPECT_FALSE(IsWindowVisible(skinner->OwnerForm->Handle()));
}

TEST_F(SkinPointer, MaximiseFillsTheScreenLessOnePixelShowsTheRestoreFaceAndRestores) {
  TspFormSkinner* skinner = ShowDialog(100, 120);
  ClickObject(skinner, "MaxBtn");
  TCustomForm* form = skinner->OwnerForm;
  EXPECT_EQ(form->BoundsRect(), (TRect{1, 1, 1279, 1023}));
  EXPECT_EQ(skinner->WindowState, spwsMaximized);
  SetCursorPos(1200, 1000);
  testsupport::PumpMessages(100);
  const TRect r = Button(skinner, "MaxBtn")->ObjectRect;
  EXPECT_EQ(WindowPixel(form, r.Left + 3, r.Top + 2), FacePixel(1, kRestoreFace, 3, 2));
  ClickObject(skinner, "MaxBtn");
  EXPECT_EQ(form->BoundsRect(), (TRect{100, 120, 100 + kDialogWidth, 120 + kDialogHeight}));
  EXPECT_EQ(skinner->WindowState, spwsNormal);
}

TEST_F(SkinPointer, MinimisedDialogsParkSideBySideAtTheBottomLeft) {
  TspFormSkinner* first = ShowDialog(100, 100);
  ClickObject(first, "MinBtn");
  TspFormSkinner* second = ShowDialog(300, 200);
  ClickObject(second, "MinBtn");
  const int stripHeight = kHeight - kClientRect.Height();
  EXPECT_EQ(first->OwnerForm->BoundsRect(), (TRect{0, 1024 - stripHeight, kFormMinWidth, 1024}));
  EXPECT_EQ(second->OwnerForm->BoundsRect(),
            (TRect{kFormMinWidth, 1024 - stripHeight, 2 * kFormMinWidth, 1024}));
  EXPECT_EQ(first->WindowState, spwsMinimized);
  second->SetWindowState(spwsNormal);
  EXPECT_EQ(second->OwnerForm->BoundsRect(), (TRect{300, 200, 300 + kDialogWidth, 200 + kDialogHeight}));
}

TEST_F(SkinPointer, MinimisingAClientModeFormMinimisesTheApplication) {
  // In client mode the button sits at its skin rectangle (20, 0, 30, 10).
  TspFormSkinner* skinner = ShowClientForm(100, 100, "formpointermin", {CaptionButton("MinBtn", "cmminimize", kMinFace)});
  ClickWindowPoint(skinner->OwnerForm, 25, 5);
  EXPECT_TRUE(Application->Minimized());
  EXPECT_FALSE(IsWindowVisible(skinner->OwnerForm->Handle()));
  Application->Restore();
  testsupport::PumpMessages(100);
  EXPECT_TRUE(IsWindowVisible(skinner->OwnerForm->Handle()));
}

TEST_F(SkinPointer, ADraggableClientModeFormFollowsThePointerExactly) {
  TspFormSkinner* skinner = ShowClientForm(100, 100);
  skinner->DraggAble = true;
  CursorTo(250, 200);  // free area of the form, no object
  LeftButton(true);
  CursorTo(290, 230);
  CursorTo(310, 270);
  LeftButton(false);
  EXPECT_EQ(skinner->OwnerForm->Left(), 160);
  EXPECT_EQ(skinner->OwnerForm->Top(), 170);
  CursorTo(400, 400);  // released: no more following
  EXPECT_EQ(skinner->OwnerForm->Left(), 160);
}

// Sends WM_MOVING with the form's rectangle moved to (left, top); answers the left edge
// the component leaves in it.
LONG Moving(TCustomForm* form, int left, int top) {
  RECT r{left, top, left + form->Width(), top + form->Height()};
  form->Perform(WM_MOVING, WMSZ_LEFT, reinterpret_cast<LPARAM>(&r));
  return r.left;
}

TEST_F(SkinPointer, MagneticEdgesSnapWithinTheSizeAndLetGoAfterMoreCursorTravel) {
  TspFormSkinner* skinner = ShowClientForm(100, 300);
  skinner->Magnetic = true;
  TCustomForm* form = skinner->OwnerForm;
  SetCursorPos(500, 500);
  form->Perform(WM_ENTERSIZEMOVE);
  EXPECT_EQ(Moving(form, 9, 300), 0);  // 9 px from the edge: snaps
  SetCursorPos(510, 500);
  EXPECT_EQ(Moving(form, 10, 300), 0);  // 10 px of travel holds it
  SetCursorPos(511, 500);
  EXPECT_EQ(Moving(form, 11, 300), 11);  // 11 px frees it by the travel
  form->Perform(WM_EXITSIZEMOVE);
}

TEST_F(SkinPointer, AMaximisedFormIgnoresMoves) {
  TspFormSkinner* skinner = ShowDialog(100, 100);
  skinner->SetWindowState(spwsMaximized);
  EXPECT_EQ(Moving(skinner->OwnerForm, 300, 300), 1);
}

TEST_F(SkinPointer, APressThatStartedAMoveLoopClicksNoObject) {
  TspFormSkinner* skinner = ShowDialog(100, 100);
  TObjectEvents events(skinner);
  TCustomForm* form = skinner->OwnerForm;
  form->Perform(WM_ENTERSIZEMOVE);
  form->Perform(WM_EXITSIZEMOVE);
  const POINT p = WindowPoint(form, 35, 12);
  form->Perform(WM_NCLBUTTONDOWN, HTOBJECT, MAKELPARAM(p.x, p.y));
  EXPECT_FALSE(skinner->InSizeMove);
  EXPECT_FALSE(skinner->ButtonGetDown("Help"));
  for (const std::string& line : events.lines) EXPECT_NE(line.rfind("down ", 0), 0u) << line;
  form->Perform(WM_NCLBUTTONDOWN, HTOBJECT, MAKELPARAM(p.x, p.y));  // the next press does
  EXPECT_TRUE(skinner->ButtonGetDown("Help"));
  form->Perform(WM_LBUTTONUP, 0, 0);
}

TEST_F(SkinPointer, AFullDragSizeLoopLaysTheFrameOutAtEveryStep) {
  SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, TRUE, nullptr, 0);
  TspFormSkinner* skinner = ShowDialog(100, 100);
  TCustomForm* form = skinner->OwnerForm;
  skinner->TestActive(385, 10, true);  // the pointer on the close button
  ASSERT_NE(skinner->ActiveObject, -1);
  form->Perform(WM_ENTERSIZEMOVE);
  EXPECT_TRUE(skinner->InSizeMove);
  EXPECT_TRUE(skinner->FullDragg);
  EXPECT_EQ(skinner->ActiveObject, -1);
  EXPECT_FALSE(skinner->MouseTimer->Enabled());
  skinner->SnappedLeft = true;
  RECT r{100, 100, 100 + kDialogWidth + 100, 100 + kDialogHeight};
  form->Perform(WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&r));
  EXPECT_FALSE(skinner->SnappedLeft);
  EXPECT_EQ(skinner->NewFormWidth, kDialogWidth + 100);
  EXPECT_EQ(skinner->CurClRect.Right, kDialogWidth + 100 - (kWidth - kClientRect.Right));
  form->Perform(WM_EXITSIZEMOVE);
  EXPECT_TRUE(skinner->InSizeMove);  // until the press that began the loop is seen
}

TEST_F(SkinPointer, AMoveLoopClearsTheHoverOfEveryObjectWithoutEvents) {
  TspFormSkinner* skinner = ShowDialog(100, 100);
  TObjectEvents events(skinner);
  skinner->TestActive(385, 10, true);  // the pointer on the close button
  ASSERT_TRUE(Button(skinner, "CloseBtn")->Active);
  events.lines.clear();
  skinner->OwnerForm->Perform(WM_ENTERSIZEMOVE);
  for (const auto& object : skinner->ObjectList) {
    EXPECT_FALSE(object->Active) << object->IDName.c_str();
    EXPECT_FALSE(object->MouseIn) << object->IDName.c_str();
    EXPECT_EQ(object->MorphKf(), 0) << object->IDName.c_str();
  }
  EXPECT_TRUE(events.lines.empty());
  skinner->OwnerForm->Perform(WM_EXITSIZEMOVE);
}

TEST_F(SkinPointer, DraggingTheLeftEdgeSizesTheDialog) {
  TspFormSkinner* skinner = ShowDialog(200, 100);
  TCustomForm* form = skinner->OwnerForm;
  DragInPlatformLoop(WindowPoint(form, 2, kDialogHeight / 2), -40, 0,
                     [&] { return form->Width() == kDialogWidth + 40; });
  EXPECT_EQ(form->Left(), 160);
  EXPECT_EQ(form->Width(), kDialogWidth + 40);
  EXPECT_FALSE(skinner->InSizeMove);
}

}  // namespace
