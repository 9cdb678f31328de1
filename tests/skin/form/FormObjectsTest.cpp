// Skin objects of a client-mode form (the main window's kind) under real pointer input:
// clicks and their events, faces by pixel, groups, switches, hover, morphing, hints and
// the operations by name.
#include <gtest/gtest.h>

#include "FormObjectFixtures.h"
#include "skin/controls/Skinhint.h"
#include "skin/data/Speffbmp.h"

using namespace formskin;
using namespace formobjects;

namespace {

const TRect kPlay{20, 5, 36, 17};
const TRect kStop{40, 5, 56, 17};
const TRect kGroupA{60, 5, 76, 17};
const TRect kGroupB{80, 5, 96, 17};
const TRect kPower{100, 5, 116, 17};
const TRect kTwin{120, 5, 136, 17};
const TRect kMorpher{140, 5, 156, 17};
const TRect kPainted{160, 5, 176, 17};

// A colour in an effect bitmap's pixel order (red in the high byte) and back.
int DibPixel(COLORREF c) { return GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c); }

std::vector<TObjectEntry> MainWindowObjects() {
  TObjectEntry power{"Power", "switch",
                     {{"skinrect", RectText(kPower)},
                      {"activepictureindex", "0"},
                      {"activeskinrect", RectText(kActiveFace)}}};
  TObjectEntry morpher = Button("Morpher", kMorpher);
  morpher.keys["morphing"] = "1";
  TObjectEntry painted{"Painted", "userobject", {{"skinrect", RectText(kPainted)}}};
  return {Button("PlayBtn", kPlay), Button("StopBtn", kStop), Button("GrpA", kGroupA, 1), Button("GrpB", kGroupB, 1),
          power, Button("Twin", kTwin), Button("Twin", kTwin), morpher, painted};
}

class SkinObjects : public ::testing::Test {
 protected:
  void SetUp() override {
    SetCursorPos(1200, 1000);
    form_ = MakeForm(100, 100, kWidth, kHeight);
    skin_ = SharedSkinData("formobjects", MainWindowObjects());
    skin_->SetEnableSkinEffects(false);
    skinner_ = new TspFormSkinner(form_.get());
    skinner_->SetSupportNCArea(false);
    skinner_->Sizeable = false;
    skinner_->SetSkinData(skin_);
    events_ = std::make_unique<TObjectEvents>(skinner_);
    form_->Show();
    SetForegroundWindow(form_->Handle());
    testsupport::PumpMessages(150);
  }

  void TearDown() override {
    SetCursorPos(1200, 1000);
    form_.reset();
  }
  static void TearDownTestSuite() { SharedSkins().clear(); }

  // The screen point of a form point (client mode: the client area is the window).
  POINT At(int x, int y) const { return WindowPoint(form_.get(), x, y); }
  void Click(int x, int y) { ClickWindowPoint(form_.get(), x, y); }
  COLORREF Pixel(int x, int y) { return testsupport::ControlPixel(form_.get(), x, y); }
  void Repaint() {
    form_->Invalidate();
    form_->Update();
  }

  TspSkinData* skin_ = nullptr;
  std::unique_ptr<TForm> form_;
  TspFormSkinner* skinner_ = nullptr;
  std::unique_ptr<TObjectEvents> events_;
};

TEST_F(SkinObjects, TheSkinsEntriesBecomeObjectsOfTheirKindInOrder) {
  ASSERT_EQ(skinner_->ObjectList.size(), 9u);
  EXPECT_NE(dynamic_cast<TspSkinButtonObject*>(skinner_->ObjectList[0].get()), nullptr);
  EXPECT_NE(dynamic_cast<TspSkinSwitchObject*>(skinner_->ObjectList[4].get()), nullptr);
  EXPECT_EQ(skinner_->ObjectList[2]->IDName, "GrpA");
  EXPECT_EQ(skinner_->ObjectList[0]->ObjectRect, kPlay);
  EXPECT_EQ(skinner_->GetIndex("StopBtn"), 1);
  EXPECT_EQ(skinner_->GetIndex("stopbtn"), -1);  // names compare exactly
}

TEST_F(SkinObjects, AClickOnAButtonReportsItsNameThePointTheRectangleAndTheButtonOnce) {
  Click(25, 9);
  const std::vector<std::string> ups = [&] {
    std::vector<std::string> found;
    for (const std::string& line : events_->lines) {
      if (line.rfind("up ", 0) == 0) found.push_back(line);
    }
    return found;
  }();
  ASSERT_EQ(ups.size(), 1u);
  EXPECT_EQ(ups[0], "up PlayBtn 25,9 20,5,36,17 0");
  EXPECT_FALSE(skinner_->ButtonGetDown("PlayBtn"));
}

TEST_F(SkinObjects, APressReleasedOffTheButtonFiresNothingAndLeavesTheNormalFace) {
  const POINT on = At(25, 9);
  CursorTo(on.x, on.y);
  LeftButton(true);
  EXPECT_EQ(Pixel(25, 9), FacePixel(0, kDownFace, 5, 4));  // down under the pointer
  const POINT off = At(150, 100);
  CursorTo(off.x, off.y);
  LeftButton(false);
  for (const std::string& line : events_->lines) EXPECT_NE(line.rfind("up ", 0), 0u) << line;
  EXPECT_FALSE(skinner_->ButtonGetDown("PlayBtn"));
  Repaint();
  EXPECT_EQ(Pixel(25, 9), PicturePixel(25, 9));
}

TEST_F(SkinObjects, ADisabledButtonShowsItsDisabledFaceAndIgnoresClicks) {
  skinner_->SetEnabled("PlayBtn", false);
  Repaint();
  EXPECT_EQ(Pixel(25, 9), FacePixel(0, kDisabledFace, 5, 4));
  Click(25, 9);
  EXPECT_TRUE(events_->lines.empty()) << events_->lines.front();
  skinner_->SetEnabled("PlayBtn", true);
  Repaint();
  EXPECT_EQ(Pixel(25, 9), PicturePixel(25, 9));
}

TEST_F(SkinObjects, PressingTheSecondButtonOfAGroupReleasesTheFirst) {
  Click(65, 9);
  Click(85, 9);
  EXPECT_FALSE(skinner_->ButtonGetDown("GrpA"));
  EXPECT_TRUE(skinner_->ButtonGetDown("GrpB"));
  CursorTo(1200, 1000);
  Repaint();
  EXPECT_EQ(Pixel(65, 9), PicturePixel(65, 9));
  EXPECT_EQ(Pixel(85, 9), FacePixel(0, kDownFace, 5, 4));  // stays down off the pointer
}

TEST_F(SkinObjects, OperationsByNameReachTheFirstOfTwoObjectsOfThatName) {
  skinner_->SetEnabled("Twin", false);
  skinner_->ButtonSetDown("Twin", true);
  EXPECT_FALSE(skinner_->ObjectList[5]->Enabled);
  EXPECT_TRUE(skinner_->ObjectList[6]->Enabled);
  EXPECT_TRUE(static_cast<TspSkinButtonObject*>(skinner_->ObjectList[5].get())->Down);
  EXPECT_FALSE(static_cast<TspSkinButtonObject*>(skinner_->ObjectList[6].get())->Down);
}

TEST_F(SkinObjects, OperationsOnAnUnknownNameOrAnotherKindDoNothingAndAnswerTheirDefault) {
  skinner_->SwitchSetState("PlayBtn", swsOn);
  skinner_->ButtonSetDown("Power", true);
  skinner_->SetEnabled("Nobody", false);
  EXPECT_EQ(skinner_->SwitchGetState("Nobody"), swsOff);
  EXPECT_EQ(skinner_->SwitchGetState("PlayBtn"), swsOff);
  EXPECT_FALSE(skinner_->ButtonGetDown("Power"));
  EXPECT_TRUE(events_->lines.empty());
}

TEST_F(SkinObjects, ASwitchChangesStateOnThePressAndReportsIt) {
  const POINT on = At(105, 9);
  CursorTo(on.x, on.y);
  LeftButton(true);
  EXPECT_EQ(skinner_->SwitchGetState("Power"), swsOn);
  EXPECT_EQ(Pixel(105, 9), FacePixel(0, kActiveFace, 5, 4));
  LeftButton(false);
  ASSERT_GE(events_->lines.size(), 2u);
  EXPECT_EQ(events_->lines[1], "switch Power 1");
  Click(105, 9);
  EXPECT_EQ(skinner_->SwitchGetState("Power"), swsOff);
}

TEST_F(SkinObjects, WhileAPressIsHeldNoOtherObjectBecomesActive) {
  const POINT play = At(25, 9);
  CursorTo(play.x, play.y);
  LeftButton(true);
  const POINT stop = At(45, 9);
  CursorTo(stop.x, stop.y);
  for (const std::string& line : events_->lines) EXPECT_NE(line, "enter StopBtn");
  EXPECT_EQ(Pixel(45, 9), PicturePixel(45, 9));
  LeftButton(false);
}

TEST_F(SkinObjects, HoverShowsTheActiveFaceAtOnceWithoutEffects) {
  const POINT on = At(25, 9);
  CursorTo(on.x, on.y);
  EXPECT_EQ(events_->lines, std::vector<std::string>{"enter PlayBtn"});
  EXPECT_EQ(Pixel(25, 9), FacePixel(0, kActiveFace, 5, 4));
}

TEST_F(SkinObjects, LeavingTheFormEndsTheHoverAndStopsTheMouseTimerOnTheNextTick) {
  const POINT on = At(25, 9);
  CursorTo(on.x, on.y);
  ASSERT_TRUE(skinner_->MouseTimer->Enabled());
  SetCursorPos(1200, 1000);
  skinner_->TestMouse(nullptr);
  EXPECT_EQ(events_->lines.back(), "leave PlayBtn");
  EXPECT_FALSE(skinner_->MouseTimer->Enabled());
  EXPECT_EQ(Pixel(25, 9), PicturePixel(25, 9));
}

TEST_F(SkinObjects, WithEffectsTheFaceMorphsInFiveTicksAndTheTimerStopsAfterwards) {
  skin_->SetEnableSkinEffects(true);
  skinner_->TestActive(145, 9, true);  // the pointer comes onto "Morpher"
  ASSERT_TRUE(skinner_->MorphTimer->Enabled());
  skinner_->MorphTimer->SetEnabled(false);  // the test drives the ticks
  EXPECT_EQ(Pixel(145, 9), PicturePixel(145, 9));
  skinner_->TestMorph(nullptr);
  const COLORREF activeColour = FacePixel(0, kActiveFace, 5, 4);
  TspEffectBmp normal(1, 1);
  TspEffectBmp active(1, 1);
  normal.SetPixel(0, 0, DibPixel(PicturePixel(145, 9)));
  active.SetPixel(0, 0, DibPixel(activeColour));
  normal.Morph(&active, 0.2);
  EXPECT_EQ(Pixel(145, 9), static_cast<COLORREF>(DibPixel(static_cast<COLORREF>(normal.GetPixel(0, 0)))));
  for (int tick = 2; tick <= 5; ++tick) skinner_->TestMorph(nullptr);
  EXPECT_EQ(Pixel(145, 9), activeColour);
  skinner_->MorphTimer->SetEnabled(true);
  skinner_->TestMorph(nullptr);  // nothing left to step
  EXPECT_FALSE(skinner_->MorphTimer->Enabled());
}

// Paints a user object green and counts the paints.
class TUserPainter : public TObject {
 public:
  void Paint(const AnsiString& name, TCanvas* canvas, const TRect& r) {
    ++paints;
    painted = name.c_str();
    canvas->Brush()->SetColor(clLime);
    canvas->FillRect(r);
  }
  int paints = 0;
  std::string painted;
};

TEST_F(SkinObjects, AUserObjectIsPaintedByTheApplicationWithTheFormAndOnRequest) {
  TUserPainter painter;
  skinner_->OnPaintEvent = TspPaintEvent(&painter, &TUserPainter::Paint);
  Repaint();
  EXPECT_GE(painter.paints, 1);
  EXPECT_EQ(painter.painted, "Painted");
  EXPECT_EQ(Pixel(165, 9), RGB(0, 255, 0));
  const int before = painter.paints;
  skinner_->UserObjectDraw("Painted");
  EXPECT_EQ(painter.paints, before + 1);
  skinner_->UserObjectDraw("PlayBtn");  // another kind: not painted
  EXPECT_EQ(painter.paints, before + 1);
}

class TMainWindow : public TForm {
 public:
  explicit TMainWindow(TComponent* owner) : TForm(owner, CreateNew) {}
};

TEST_F(SkinObjects, AnObjectsHintShowsInTheSkinnedHintOfTheMainWindow) {
  TMainWindow* created = nullptr;
  Application->CreateForm(created);  // the skinned hint serves the application's main form
  std::unique_ptr<TMainWindow> main(created);
  ASSERT_EQ(Application->MainForm(), main.get());
  main->SetBounds(400, 300, kWidth, kHeight);
  auto* hint = new TspSkinHint(main.get());
  std::vector<TObjectEntry> objects = MainWindowObjects();
  objects[0].keys["hint"] = "Start converting";
  auto* skinner = new TspFormSkinner(main.get());
  skinner->SetSupportNCArea(false);
  skinner->ShowObjectHint = true;
  skinner->SetSkinHint(hint);
  skinner->SetSkinData(SharedSkinData("formobjectshint", objects));
  main->Show();
  SetForegroundWindow(main->Handle());
  testsupport::PumpMessages(150);
  const int pause = Application->HintPause;
  Application->HintPause = 10;
  const POINT on = WindowPoint(main.get(), 25, 9);
  CursorTo(on.x, on.y);
  EXPECT_TRUE(testsupport::ServeUntil([&] { return hint->IsVisible(); }, 2000));
  HWND shown = nullptr;
  for (int i = 0; i < hint->ComponentCount(); ++i) {
    if (auto* window = dynamic_cast<TspSkinHintWindow*>(hint->Components(i))) shown = window->Handle();
  }
  EXPECT_EQ(testsupport::WindowText(shown), "Start converting");
  SetCursorPos(1200, 1000);
  skinner->TestMouse(nullptr);
  EXPECT_FALSE(hint->IsVisible());
  Application->HintPause = pause;
}

}  // namespace
