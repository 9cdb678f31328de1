#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Defaults.h"
#include "classlib/formres/ControlClasses.h"
#include "classlib/formres/FormError.h"
#include "classlib/formres/FormResource.h"
#include "classlib/formres/PropertyBinders.h"
#include "classlib/windowing/Application.h"
#include "classlib/windowing/Button.h"
#include "classlib/windowing/CustomControl.h"
#include "classlib/windowing/Forms.h"
#include "classlib/windowing/GraphicControl.h"
#include "classlib/windowing/Timer.h"
#include "test_support.h"

namespace {

std::vector<std::string>& Log() {
  static std::vector<std::string> log;
  return log;
}

int liveControls = 0;

// A windowed control that fills its client area with its colour.
class TFillPanel : public TCustomControl {
  CLASSLIB_CLASS(TFillPanel, TCustomControl)
 public:
  explicit TFillPanel(TComponent* owner) : TCustomControl(owner) {
    SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
    ++liveControls;
  }
  ~TFillPanel() override { --liveControls; }

 protected:
  void Paint() override { Canvas()->FillRect(ClientRect()); }
};

// A window-less control that fills itself with its colour.
class TFillShape : public TGraphicControl {
  CLASSLIB_CLASS(TFillShape, TGraphicControl)
 public:
  explicit TFillShape(TComponent* owner) : TGraphicControl(owner) { ++liveControls; }
  ~TFillShape() override { --liveControls; }

 protected:
  void Paint() override { Canvas()->FillRect(ClientRect()); }
};

class TPanelForm : public TForm {
  CLASSLIB_CLASS(TPanelForm, TForm)
 public:
  explicit TPanelForm(TComponent* owner) : TForm(owner) {
    ReadFormResource(this, StaticClass());
    Log().push_back("constructor body sees " + std::string(Box != nullptr && Dot != nullptr ? "fields" : "nothing"));
  }
  ~TPanelForm() override { Log().push_back("destructor"); }

  void FormCreate(TObject*) { Log().push_back("FormCreate"); }
  void FormDestroy(TObject*) { Log().push_back("FormDestroy"); }
  void AnyClick(TObject* sender) { Clicked.push_back(sender); }

  TFillPanel* TopPanel = nullptr;
  TFillPanel* Box = nullptr;
  TFillShape* Dot = nullptr;
  TButton* Ok = nullptr;
  TTimer* Ticker = nullptr;
  std::vector<TObject*> Clicked;
};

// The screen colour at a point of the form's client area, placed by the system.
TColor ScreenAt(TCustomForm* form, int x, int y) {
  POINT p{x, y};
  ClientToScreen(form->Handle(), &p);
  return static_cast<TColor>(testsupport::ScreenPixel(p.x, p.y));
}

class WindowedForm : public ::testing::Test {
 protected:
  void SetUp() override {
    static bool done = false;
    if (!done) {
      done = true;
      InitializeControlClasses();
      RegisterClassProperties(TFillPanel::StaticClass(), {});
      RegisterClassProperties(TFillShape::StaticClass(), {});
      RegisterFormClass(TPanelForm::StaticClass(),
                        {Handler("FormCreate", &TPanelForm::FormCreate), Handler("FormDestroy", &TPanelForm::FormDestroy),
                         Handler("AnyClick", &TPanelForm::AnyClick)},
                        {Field("TopPanel", &TPanelForm::TopPanel), Field("Box", &TPanelForm::Box),
                         Field("Dot", &TPanelForm::Dot), Field("Ok", &TPanelForm::Ok),
                         Field("Ticker", &TPanelForm::Ticker)});
    }
    Log().clear();
  }
};

TEST_F(WindowedForm, ShowsTheControlsOfItsResourceAtTheirBounds) {
  std::unique_ptr<TPanelForm> form(NewForm<TPanelForm>(nullptr));
  form->Show();
  testsupport::PumpMessages(300);

  EXPECT_EQ(300, form->ClientWidth());
  EXPECT_EQ(200, form->ClientHeight());
  EXPECT_EQ(form.get(), form->TopPanel->Parent());
  EXPECT_EQ(form->TopPanel, form->FindComponent("Mark") != nullptr
                                ? static_cast<TControl*>(form->FindComponent("Mark"))->Parent()
                                : nullptr);
  // The top-aligned panel spans the client width whatever its stored width.
  EXPECT_EQ(Bounds(0, 0, 300, 40), form->TopPanel->BoundsRect());
  EXPECT_EQ(Bounds(20, 60, 100, 80), form->Box->BoundsRect());
  EXPECT_EQ(Bounds(150, 60, 40, 40), form->Dot->BoundsRect());

  EXPECT_EQ(clRed, ScreenAt(form.get(), 5, 5));
  EXPECT_EQ(clRed, ScreenAt(form.get(), 295, 35));
  EXPECT_EQ(clYellow, ScreenAt(form.get(), 255, 15));  // inside the top panel
  EXPECT_EQ(clBlue, ScreenAt(form.get(), 21, 61));
  EXPECT_EQ(clBlue, ScreenAt(form.get(), 118, 138));
  EXPECT_EQ(clWhite, ScreenAt(form.get(), 121, 100));
  EXPECT_EQ(clLime, ScreenAt(form.get(), 151, 61));
  EXPECT_EQ(clLime, ScreenAt(form.get(), 188, 98));
  EXPECT_EQ(clWhite, ScreenAt(form.get(), 195, 100));
}

TEST_F(WindowedForm, ReadsCaptionsFontsColoursAnchorsAndComponents) {
  std::unique_ptr<TPanelForm> form(NewForm<TPanelForm>(nullptr));
  EXPECT_EQ(AnsiString("Panel form"), form->Caption());
  EXPECT_EQ(bsSingle, form->BorderStyle());
  EXPECT_EQ(TBorderIcons({biSystemMenu}), form->BorderIcons());
  EXPECT_EQ(AnsiString("Top\rpanel"), form->TopPanel->Caption());
  EXPECT_EQ(AnsiString(""), form->Box->Caption());  // no caption stored: the name is not taken
  EXPECT_EQ(AnsiString("Arial"), form->TopPanel->Font()->Name());
  EXPECT_EQ(TFontStyles({fsBold}), form->TopPanel->Font()->Style());
  EXPECT_EQ(clNavy, form->TopPanel->Font()->Color());
  EXPECT_EQ(alTop, form->TopPanel->Align());
  EXPECT_EQ(TAnchors({akLeft, akTop, akRight}), form->Box->Anchors());
  EXPECT_EQ(50, form->Box->Constraints()->MinWidth);
  EXPECT_EQ(clBlue, form->Box->Color());
  EXPECT_TRUE(form->Ok->Default());
  EXPECT_EQ(mrOk, form->Ok->ModalResult());
  EXPECT_FALSE(form->Ticker->Enabled());
  EXPECT_EQ(250u, form->Ticker->Interval());
  EXPECT_EQ(form.get(), form->Ticker->Owner());
  EXPECT_EQ(form->Ok, form->ActiveControl());  // named before the button was read
}

TEST_F(WindowedForm, AnchoredAndAlignedControlsFollowTheFormAfterLoading) {
  std::unique_ptr<TPanelForm> form(NewForm<TPanelForm>(nullptr));
  form->Show();
  testsupport::PumpMessages(100);
  form->SetClientSize(350, 220);
  testsupport::PumpMessages(100);
  EXPECT_EQ(Bounds(0, 0, 350, 40), form->TopPanel->BoundsRect());
  EXPECT_EQ(Bounds(20, 60, 150, 80), form->Box->BoundsRect());  // left, top and right anchored
  EXPECT_EQ(Bounds(150, 60, 40, 40), form->Dot->BoundsRect());  // left and top only
}

TEST_F(WindowedForm, OneHandlerServesThreeControlsAndTheButtonClicks) {
  std::unique_ptr<TPanelForm> form(NewForm<TPanelForm>(nullptr));
  form->Show();
  testsupport::PumpMessages(100);
  form->Box->Click();
  form->Dot->Click();
  SendMessageA(form->Ok->Handle(), BM_CLICK, 0, 0);
  testsupport::PumpMessages(50);
  ASSERT_EQ(3u, form->Clicked.size());
  EXPECT_EQ(form->Box, form->Clicked[0]);
  EXPECT_EQ(form->Dot, form->Clicked[1]);
  EXPECT_EQ(form->Ok, form->Clicked[2]);
  EXPECT_TRUE(form->Box->OnClick == TNotifyEvent(form.get(), &TPanelForm::AnyClick));
}

TEST_F(WindowedForm, OnCreateFollowsTheConstructorAndOnDestroyPrecedesDestruction) {
  TPanelForm* form = NewForm<TPanelForm>(nullptr);
  form->Release();
  testsupport::PumpMessages(100);
  EXPECT_EQ(std::vector<std::string>({"constructor body sees fields", "FormCreate", "FormDestroy", "destructor"}),
            Log());
  EXPECT_EQ(0, liveControls);
}

// The registered defaults are the values of new controls: applying them changes nothing.
TEST_F(WindowedForm, RegisteredDefaultsAreTheStateOfNewControls) {
  const char* control[] = {"Align", "Anchors", "Visible", "Enabled", "Caption", "Color", "ParentColor",
                           "ParentFont", "Cursor", "Hint", "ShowHint"};
  auto check = [&](TControl* fresh, TControl* applied) {
    EXPECT_EQ(fresh->Align(), applied->Align());
    EXPECT_EQ(fresh->Anchors(), applied->Anchors());
    EXPECT_EQ(fresh->Visible(), applied->Visible());
    EXPECT_EQ(fresh->Enabled(), applied->Enabled());
    EXPECT_EQ(fresh->Caption(), applied->Caption());
    EXPECT_EQ(fresh->Color(), applied->Color()) << applied->ClassName();
    EXPECT_EQ(fresh->ParentColor(), applied->ParentColor());
    EXPECT_EQ(fresh->ParentFont(), applied->ParentFont());
    EXPECT_EQ(fresh->Cursor(), applied->Cursor());
    EXPECT_EQ(fresh->ShowHint(), applied->ShowHint());
  };
  auto applyControl = [&](TControl* c) {
    for (const char* name : control) ApplyDefaults(c, {name});
  };
  TFillPanel freshPanel(nullptr), panel(nullptr);
  applyControl(&panel);
  ApplyDefaults(&panel, {"TabStop"});
  check(&freshPanel, &panel);
  EXPECT_EQ(freshPanel.TabStop(), panel.TabStop());

  TButton freshButton(nullptr), button(nullptr);
  applyControl(&button);
  ApplyDefaults(&button, {"TabStop", "Default", "Cancel", "ModalResult"});
  check(&freshButton, &button);
  EXPECT_EQ(freshButton.TabStop(), button.TabStop());
  EXPECT_EQ(freshButton.Default(), button.Default());
  EXPECT_EQ(freshButton.ModalResult(), button.ModalResult());

  TForm freshForm(nullptr, CreateNew), form(nullptr, CreateNew);
  applyControl(&form);
  ApplyDefaults(&form, {"BorderStyle", "BorderIcons", "Position", "KeyPreview"});
  check(&freshForm, &form);
  EXPECT_EQ(freshForm.BorderStyle(), form.BorderStyle());
  EXPECT_EQ(freshForm.BorderIcons(), form.BorderIcons());
  EXPECT_EQ(freshForm.Position(), form.Position());

  TSizeConstraints constraints;
  ApplyDefaults(&constraints, {"MinWidth", "MinHeight", "MaxWidth", "MaxHeight"});
  EXPECT_EQ(0, constraints.MinWidth + constraints.MinHeight + constraints.MaxWidth + constraints.MaxHeight);

  TTimer freshTimer(nullptr), timer(nullptr);
  ApplyDefaults(&timer, {"Enabled", "Interval"});
  EXPECT_EQ(freshTimer.Enabled(), timer.Enabled());
  EXPECT_EQ(freshTimer.Interval(), timer.Interval());
}

// A form class without a resource: made empty, then given texts.
class TPlainForm : public TForm {
  CLASSLIB_CLASS(TPlainForm, TForm)
 public:
  explicit TPlainForm(TComponent* owner) : TForm(owner, CreateNew) {}
};

TEST_F(WindowedForm, FailedReadFreesEveryControlItMadeAndLeavesTheFormEmpty) {
  RegisterFormClass(TPlainForm::StaticClass(), {}, {});
  const char* text =
      "object Plain: TPlainForm\n"
      "  object Outer: TFillPanel\n"
      "    object Inner: TFillShape\n"
      "    end\n"
      "    object Nested: TFillPanel\n"
      "    end\n"
      "  end\n"
      "  object Ok: TButton\n"
      "    OnClick = NoSuchHandler\n"
      "  end\n"
      "end\n";
  auto form = std::make_unique<TPlainForm>(nullptr);
  try {
    ReadFormText(form.get(), TPlainForm::StaticClass(), text, "Plain.form");
    ADD_FAILURE() << "the form was read";
  } catch (const EFormError& e) {
    EXPECT_EQ(9, e.Line());
    EXPECT_NE(std::string::npos, e.Message().str().find("NoSuchHandler")) << e.Message();
  }
  EXPECT_EQ(0, liveControls);
  EXPECT_EQ(0, form->ControlCount());
  EXPECT_EQ(0, form->ComponentCount());
}

// A panel owned by one form and shown in another: freeing the forms in either order
// frees every control once.
TEST_F(WindowedForm, PanelMovedToAnotherFormIsFreedOnceInEitherOrder) {
  for (bool ownerFirst : {true, false}) {
    auto* a = NewForm<TPanelForm>(nullptr);
    auto* b = NewForm<TPanelForm>(nullptr);
    a->Box->SetParent(b);
    b->Show();
    testsupport::PumpMessages(50);
    EXPECT_EQ(b, a->Box->Parent());
    EXPECT_EQ(a, a->Box->Owner());
    if (ownerFirst) {
      delete a;
      EXPECT_EQ(4, b->ControlCount());  // its own four controls, the moved one gone
      delete b;
    } else {
      delete b;
      EXPECT_EQ(nullptr, a->FindComponent("Box"));
      delete a;
    }
    EXPECT_EQ(0, liveControls) << (ownerFirst ? "owner first" : "host first");
  }
}

}  // namespace
