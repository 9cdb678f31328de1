#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "classlib/formres/FormResource.h"
#include "classlib/formres/PropertyBinders.h"
#include "framed/FrCommon.h"

namespace {

// A control that publishes the frame settings and counts what is set on it.
class TProbeBase : public TControl {
  CLASSLIB_CLASS(TProbeBase, TControl)
 public:
  explicit TProbeBase(TComponent* owner) : TControl(owner) {}

  std::map<std::string, int> sets;
  TColor color = clNone, focusColor = clNone, frameHotColor = clNone;
  TFrameStyle frameStyle = fsNone;
  TSides frameSides;
  bool frameHotTrack = false;

  void Count(const char* name) { ++sets[name]; }
  int Total() const {
    int total = 0;
    for (const auto& [name, count] : sets) total += count;
    return total;
  }
};

// Every setting, FrameHotColor included.
class TFramedProbe : public TProbeBase {
  CLASSLIB_CLASS(TFramedProbe, TProbeBase)
 public:
  using TProbeBase::TProbeBase;
};

// Without FrameHotColor.
class TPlainProbe : public TProbeBase {
  CLASSLIB_CLASS(TPlainProbe, TProbeBase)
 public:
  using TProbeBase::TProbeBase;
};

// A control that takes the settings itself.
class TClientProbe : public TControl, public IFrameControllerClient {
  CLASSLIB_CLASS(TClientProbe, TControl)
 public:
  explicit TClientProbe(TComponent* owner) : TControl(owner) {}
  void ApplyControllerFrame() override { ++applied; }
  int applied = 0;
  bool sidesSet = false;
};

template <class T>
auto Counted(const char* name, T TProbeBase::*field) {
  return [name, field](TProbeBase* probe, T value) {
    probe->Count(name);
    probe->*field = value;
  };
}

class FramedFrameController : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    using P = TProbeBase;
    RegisterClassProperties(TPlainProbe::StaticClass(), {});
    RegisterClassProperties(
        P::StaticClass(),
        {ColorProperty<P>("Color", Counted("Color", &P::color), clWindow),
         BoolProperty<P>("ParentColor", [](P* p, bool) { p->Count("ParentColor"); }, false),
         ColorProperty<P>("FocusColor", Counted("FocusColor", &P::focusColor), clWindow),
         ColorProperty<P>("DisabledColor", [](P* p, TColor) { p->Count("DisabledColor"); }, clBtnFace),
         ColorProperty<P>("FlatButtonColor", [](P* p, TColor) { p->Count("FlatButtonColor"); }, clBtnFace),
         BoolProperty<P>("FlatButtons", [](P* p, bool) { p->Count("FlatButtons"); }, true),
         ColorProperty<P>("FrameColor", [](P* p, TColor) { p->Count("FrameColor"); }, clBtnShadow),
         BoolProperty<P>("FrameHotTrack", Counted("FrameHotTrack", &P::frameHotTrack), false),
         EnumProperty<P, TFrameStyle>("FrameHotStyle", [](P* p, TFrameStyle) { p->Count("FrameHotStyle"); },
                                      FrameStyleIdents(), "fsFlatBold"),
         SetProperty<P, TSide>("FrameSides", Counted("FrameSides", &P::frameSides), SideIdents()),
         EnumProperty<P, TFrameStyle>("FrameStyle", Counted("FrameStyle", &P::frameStyle), FrameStyleIdents(),
                                      "fsFlat"),
         BoolProperty<P>("FrameVisible", [](P* p, bool) { p->Count("FrameVisible"); }, false),
         EnumProperty<P, TFramingPreference>("FramingPreference",
                                             [](P* p, TFramingPreference) { p->Count("FramingPreference"); },
                                             FramingPreferenceIdents(), "fpXPThemes")});
    RegisterClassProperties(TFramedProbe::StaticClass(), {ColorProperty<TFramedProbe>(
                                                             "FrameHotColor", Counted("FrameHotColor", &P::frameHotColor),
                                                             clBtnShadow)});
    RegisterClassProperties(TClientProbe::StaticClass(), {});
  }

  void SetUp() override {
    controller = std::make_unique<TFrFrameController>(nullptr);
    framed = std::make_unique<TFramedProbe>(nullptr);
    plain = std::make_unique<TPlainProbe>(nullptr);
  }

  void AttachBoth() {
    controller->AttachControl(framed.get());
    controller->AttachControl(plain.get());
    framed->sets.clear();
    plain->sets.clear();
  }

  std::unique_ptr<TFrFrameController> controller;
  std::unique_ptr<TFramedProbe> framed;
  std::unique_ptr<TPlainProbe> plain;
};

TEST_F(FramedFrameController, AttachingPushesEverySettingOnce) {
  controller->AttachControl(framed.get());
  controller->AttachControl(framed.get());  // already attached: nothing more
  EXPECT_EQ(14, framed->Total());
  for (const auto& [name, count] : framed->sets) EXPECT_EQ(1, count) << name;
  EXPECT_EQ(ColorToRGB(clWindow), ColorToRGB(framed->color));
  EXPECT_EQ(fsFlat, framed->frameStyle);
  EXPECT_EQ(kAllSides, framed->frameSides);
  controller->AttachControl(plain.get());
  EXPECT_EQ(13, plain->Total());
  EXPECT_FALSE(plain->sets.contains("FrameHotColor"));
}

TEST_F(FramedFrameController, HeldSettingsArePushedOnceAtTheLastResume) {
  AttachBoth();
  controller->HoldApply();
  controller->HoldApply();
  controller->SetFrameStyle(fsRaised);
  controller->SetFrameHotColor(clRed);
  controller->SetFrameSides({sdTop, sdBottom});
  controller->ResumeApply();
  EXPECT_EQ(0, framed->Total());
  EXPECT_EQ(0, plain->Total());
  controller->ResumeApply();
  EXPECT_EQ(14, framed->Total());
  for (const auto& [name, count] : framed->sets) EXPECT_EQ(1, count) << name;
  EXPECT_EQ(13, plain->Total());
  EXPECT_FALSE(plain->sets.contains("FrameHotColor"));
  EXPECT_EQ(fsRaised, plain->frameStyle);
  EXPECT_EQ(clRed, framed->frameHotColor);
  EXPECT_EQ(TSides({sdTop, sdBottom}), plain->frameSides);
  // A resume too many pushes again but never holds below zero.
  controller->ResumeApply();
  framed->sets.clear();
  controller->SetFrameStyle(fsBump);
  EXPECT_EQ(1, framed->Total());
}

TEST_F(FramedFrameController, ASetterPushesOnlyItsOwnSettingAndOnlyWhenChanged) {
  AttachBoth();
  controller->SetFrameStyle(fsFlat);  // the default: unchanged
  EXPECT_EQ(0, framed->Total());
  controller->SetFrameStyle(fsGroove);
  EXPECT_EQ(1, framed->sets["FrameStyle"]);
  EXPECT_EQ(1, framed->Total());
  EXPECT_EQ(fsGroove, framed->frameStyle);
  controller->SetFrameHotColor(clLime);
  EXPECT_EQ(clLime, framed->frameHotColor);
  EXPECT_EQ(1, plain->Total());  // skipped, silently, on the plain probe
}

TEST_F(FramedFrameController, FocusColourEqualToTheColourFollowsIt) {
  AttachBoth();
  controller->SetColor(clRed);
  EXPECT_EQ(clRed, controller->Color());
  EXPECT_EQ(clRed, controller->FocusColor());
  EXPECT_EQ(clRed, framed->color);
  EXPECT_EQ(clRed, framed->focusColor);
  EXPECT_EQ(clRed, plain->focusColor);
  // A focus colour of its own stays.
  controller->SetFocusColor(clYellow);
  controller->SetColor(clBlue);
  EXPECT_EQ(clYellow, controller->FocusColor());
  EXPECT_EQ(clBlue, framed->color);
  EXPECT_EQ(clYellow, framed->focusColor);
}

TEST_F(FramedFrameController, ParentColourHoldsTheColourBack) {
  AttachBoth();
  controller->SetParentColor(true);
  EXPECT_EQ(1, framed->sets["ParentColor"]);
  EXPECT_FALSE(framed->sets.contains("Color"));
  controller->SetColor(clRed);  // a colour of its own ends the parent's
  EXPECT_FALSE(controller->ParentColor());
  framed->sets.clear();
  controller->HoldApply();
  controller->SetParentColor(true);
  controller->ResumeApply();
  EXPECT_EQ(13, framed->Total());
  EXPECT_FALSE(framed->sets.contains("Color"));
}

TEST_F(FramedFrameController, HotTrackingShowsTheFrameOnEverySide) {
  controller->SetFrameSides({sdLeft});
  AttachBoth();
  controller->SetFrameHotTrack(true);
  EXPECT_TRUE(controller->FrameVisible());
  EXPECT_EQ(kAllSides, controller->FrameSides());
  EXPECT_TRUE(framed->frameHotTrack);
  EXPECT_EQ(1, framed->sets["FrameVisible"]);
  EXPECT_EQ(1, framed->sets["FrameHotTrack"]);
  EXPECT_EQ(1, framed->sets["FrameSides"]);
  EXPECT_EQ(kAllSides, plain->frameSides);
  EXPECT_EQ(3, framed->Total());
}

TEST_F(FramedFrameController, DetachedAndFreedControlsReceiveNothing) {
  AttachBoth();
  controller->DetachControl(plain.get());
  controller->SetFrameStyle(fsPopup);
  EXPECT_EQ(0, plain->Total());
  EXPECT_EQ(fsPopup, framed->frameStyle);
  framed.reset();  // freed while attached
  controller->SetFrameStyle(fsStatus);
  controller->AttachControl(plain.get());
  EXPECT_EQ(fsStatus, plain->frameStyle);
}

TEST_F(FramedFrameController, ClientsTakeTheSettingsThemselves) {
  TClientProbe client(nullptr);
  controller->AttachControl(&client);
  EXPECT_EQ(1, client.applied);
  controller->SetFrameColor(clRed);
  controller->SetFrameVisible(true);
  EXPECT_EQ(3, client.applied);
  // Components that are no controls are left alone.
  TComponent other(nullptr);
  controller->AttachControl(&other);
  controller->SetFrameStyle(fsRaised);
  EXPECT_EQ(4, client.applied);
  controller->DetachControl(&client);
  controller->DetachControl(&other);
}

TEST_F(FramedFrameController, AssignCopiesEverySettingAndPushesOnce) {
  TFrFrameController source(nullptr);
  source.SetColor(clRed);
  source.SetFrameStyle(fsLowered);
  source.SetFrameHotTrack(true);
  source.SetFramingPreference(fpCustomFraming);
  AttachBoth();
  controller->Assign(&source);
  EXPECT_EQ(clRed, controller->Color());
  EXPECT_EQ(clRed, controller->FocusColor());
  EXPECT_EQ(fsLowered, controller->FrameStyle());
  EXPECT_TRUE(controller->FrameHotTrack());
  EXPECT_TRUE(controller->FrameVisible());
  EXPECT_EQ(fpCustomFraming, controller->FramingPreference());
  EXPECT_EQ(14, framed->Total());
  EXPECT_EQ(fsLowered, framed->frameStyle);
  TComponent stranger(nullptr);
  EXPECT_THROW(controller->Assign(&stranger), EConvertError);
}

TEST_F(FramedFrameController, RegIniFileLinkIsClearedWhenItGoes) {
  auto holder = std::make_unique<TFrRegIniFile>(nullptr);
  controller->SetRegIniFile(holder.get());
  holder->SetPath("Software\\Converter");
  EXPECT_TRUE(holder->RefreshNeeded());
  EXPECT_EQ(ptIniFile, holder->PathType());
  EXPECT_EQ(TFrRegAccess({keyAllAccess}), holder->RegAccess());
  holder.reset();
  EXPECT_EQ(nullptr, controller->RegIniFile());
}

// A form class without a resource: the tests hand it texts.
class TControllerForm : public TComponent {
  CLASSLIB_CLASS(TControllerForm, TComponent)
 public:
  explicit TControllerForm(TComponent* owner) : TComponent(owner) {}
  TFrFrameController* Find(const char* name) { return static_cast<TFrFrameController*>(FindComponent(name)); }
};

class FramedFrameControllerResource : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterFormClass(TControllerForm::StaticClass(), {}, {}); }
};

TEST_F(FramedFrameControllerResource, ReadsItsSettings) {
  TControllerForm form(nullptr);
  ReadFormText(&form, TControllerForm::StaticClass(),
               "object F: TControllerForm\n"
               "  object Store: TFrRegIniFile\n"
               "    Path = 'Settings.ini'\n"
               "    RegKey = hkeyLocalMachine\n"
               "    RegAccess = [keyRead, keyWrite]\n"
               "  end\n"
               "  object C: TFrFrameController\n"
               "    Color = clYellow\n"
               "    FrameSides = [sdTop]\n"
               "    FrameHotTrack = True\n"
               "    FrameStyle = fsBump\n"
               "    RegIniFile = Store\n"
               "  end\n"
               "end\n",
               "Controller.form");
  TFrFrameController* c = form.Find("C");
  ASSERT_NE(nullptr, c);
  EXPECT_EQ(clYellow, c->Color());
  EXPECT_EQ(clYellow, c->FocusColor());
  EXPECT_TRUE(c->FrameHotTrack());
  EXPECT_TRUE(c->FrameVisible());
  EXPECT_EQ(TSides({sdTop}), c->FrameSides());  // read sides are kept
  EXPECT_EQ(fsBump, c->FrameStyle());
  auto* store = static_cast<TFrRegIniFile*>(form.FindComponent("Store"));
  EXPECT_EQ(store, c->RegIniFile());
  EXPECT_EQ(AnsiString("Settings.ini"), store->Path());
  EXPECT_EQ(hkeyLocalMachine, store->RegKey());
  EXPECT_EQ(TFrRegAccess({keyRead, keyWrite}), store->RegAccess());
}

TEST_F(FramedFrameControllerResource, OlderResourcesStillRead) {
  struct Case {
    const char* text;
    bool hotTrack;
    TFrameStyle style, hotStyle;
  };
  const Case cases[] = {
      {"FrameFlat = True", true, fsStatus, fsLowered},
      {"FrameFlat = False", false, fsFlat, fsFlatBold},
      {"FrameFocusStyle = fsRaised", false, fsFlat, fsRaised},
      {"FrameFlatStyle = fsBump", false, fsFlat, fsFlatBold},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    TControllerForm form(nullptr);
    ReadFormText(&form, TControllerForm::StaticClass(),
                 std::string("object F: TControllerForm\n  object C: TFrFrameController\n    ") + c.text +
                     "\n  end\nend\n",
                 "Old.form");
    TFrFrameController* controller = form.Find("C");
    EXPECT_EQ(c.hotTrack, controller->FrameHotTrack());
    EXPECT_EQ(c.style, controller->FrameStyle());
    EXPECT_EQ(c.hotStyle, controller->FrameHotStyle());
  }
}

TEST_F(FramedFrameControllerResource, BadOldValuesNameTheLine) {
  TControllerForm form(nullptr);
  EXPECT_THROW(ReadFormText(&form, TControllerForm::StaticClass(),
                            "object F: TControllerForm\n  object C: TFrFrameController\n"
                            "    FrameFocusStyle = fsWobbly\n  end\nend\n",
                            "Old.form"),
               EFormError);
}

TEST_F(FramedFrameControllerResource, LoadingPushesEverythingOnce) {
  TControllerForm form(nullptr);
  ReadFormText(&form, TControllerForm::StaticClass(),
               "object F: TControllerForm\n  object C: TFrFrameController\n  end\nend\n", "Load.form");
  TFramedProbe probe(nullptr);
  TFrFrameController* c = form.Find("C");
  c->AttachControl(&probe);
  probe.sets.clear();
  c->Loaded();
  EXPECT_EQ(14, probe.Total());
  c->DetachControl(&probe);
}

}  // namespace
