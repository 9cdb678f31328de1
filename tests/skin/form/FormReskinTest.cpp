// Skin changes as the forms see them: the messages, the re-skin walks over the controls
// and the skin components, and the controls pinned to skin areas.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FormSkinFixtures.h"
#include "classlib/windowing/CustomControl.h"
#include "classlib/windowing/GraphicControl.h"
#include "skin/controls/Skinctrls_Bases.h"
#include "skin/controls/Skinctrls_GraphicBases.h"

using namespace formskin;

namespace {

// Counts the steps of every skin change that reach it.
struct TReskinCounts {
  int before = 0;
  int changed = 0;
};

// A skinned control of either base (windowed or window-less), counting the re-skin calls.
template <class Base>
class TCountingSkinControl : public Base {
 public:
  TCountingSkinControl(TWinControl* parent, TspSkinData* skinData) : Base(parent) {
    this->SetParent(parent);
    this->SetSkinData(skinData);
  }
  void BeforeChangeSkinData() override {
    ++counts.before;
    Base::BeforeChangeSkinData();
  }
  void ChangeSkinData() override {
    ++counts.changed;
    Base::ChangeSkinData();
  }
  TReskinCounts counts;
};
using TWindowedProbe = TCountingSkinControl<TspSkinControl>;
using TGraphicProbe = TCountingSkinControl<TspGraphicSkinControl>;

// A skinned control of neither base (as the skinned labels are): re-skinned, never told
// in advance.
class TInterfaceProbe : public TGraphicControl, public IspSkinControl {
 public:
  TInterfaceProbe(TWinControl* parent, TspSkinData* skinData) : TGraphicControl(parent), skinData_(skinData) {
    SetParent(parent);
  }
  TspSkinData* SkinData() const override { return skinData_; }
  void SetSkinData(TspSkinData* value) override { skinData_ = value; }
  void BeforeChangeSkinData() override { ++counts.before; }
  void ChangeSkinData() override { ++counts.changed; }
  TReskinCounts counts;

 private:
  TspSkinData* skinData_;
};

class TPanelProbe : public TCustomControl {
 public:
  explicit TPanelProbe(TComponent* owner) : TCustomControl(owner) {
    SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
  }
};

class TComponentProbe : public TspSkinComponent {
 public:
  using TspSkinComponent::TspSkinComponent;
  void BeforeChangeSkinData() override { ++counts.before; }
  void ChangeSkinData() override { ++counts.changed; }
  TReskinCounts counts;
};

// Records the skin messages a form receives, in order.
class TSkinMessageLog : public TObject {
 public:
  explicit TSkinMessageLog(TControl* control) : control_(control), saved_(control->WindowProc) {
    control->WindowProc = TWndMethod(this, &TSkinMessageLog::Record);
  }
  ~TSkinMessageLog() override { control_->WindowProc = saved_; }
  std::vector<UINT> messages;

 private:
  void Record(TMessage& message) {
    if (message.Msg >= WM_BEFORECHANGESKINDATA && message.Msg <= WM_AFTERCHANGESKINDATA) messages.push_back(message.Msg);
    saved_(message);
  }
  TControl* control_;
  TWndMethod saved_;
};

// Two forms, one skinned from A, one from B, each with controls of both skins at
// several depths.
class SkinFormReskin : public ::testing::Test {
 protected:
  void SetUp() override {
    skinA_ = std::make_unique<TspSkinData>(nullptr);
    skinB_ = std::make_unique<TspSkinData>(nullptr);
    pathA_ = WriteFormSkin("reskinA");
    skinA_->LoadFromFile(pathA_.c_str());
    skinB_->LoadFromFile(WriteFormSkin("reskinB").c_str());
    formA_ = MakeForm(40, 40, 400, 300);
    formB_ = MakeForm(460, 40, 400, 300);
    skinnerA_ = Skinned(formA_.get(), skinA_.get());
    skinnerB_ = Skinned(formB_.get(), skinB_.get());
    Populate(formA_.get(), &onA_, &onB_);
    Populate(formB_.get(), &onBFormA_, &onBFormB_);
  }

  TspFormSkinner* Skinned(TForm* form, TspSkinData* skin) {
    auto* skinner = new TspFormSkinner(form);
    skinner->SetSkinData(skin);
    return skinner;
  }

  // Per skin: a windowed control with a window-less one inside, and a plain panel holding
  // a windowed control that holds another and a control of neither base (listed last).
  void Populate(TForm* form, std::vector<TReskinCounts*>* ofA, std::vector<TReskinCounts*>* ofB) {
    for (auto [skin, list] : {std::pair{skinA_.get(), ofA}, std::pair{skinB_.get(), ofB}}) {
      auto* top = new TWindowedProbe(form, skin);
      auto* inside = new TGraphicProbe(top, skin);
      auto* plain = new TPanelProbe(form);
      plain->SetParent(form);
      auto* middle = new TWindowedProbe(plain, skin);
      auto* deep = new TWindowedProbe(middle, skin);
      auto* other = new TInterfaceProbe(middle, skin);
      *list = {&top->counts, &inside->counts, &middle->counts, &deep->counts, &other->counts};
    }
  }

  // The bases' probes got `before` and `changed` calls; the last probe (of neither base)
  // only the `changed` ones.
  static void ExpectCounts(const std::vector<TReskinCounts*>& probes, int before, int changed, const char* which) {
    for (size_t i = 0; i < probes.size(); ++i) {
      EXPECT_EQ(probes[i]->before, i + 1 < probes.size() ? before : 0) << which << " probe " << i;
      EXPECT_EQ(probes[i]->changed, changed) << which << " probe " << i;
    }
  }

  static void Reset(std::vector<TReskinCounts*> probes) {
    for (TReskinCounts* counts : probes) *counts = {};
  }

  void ResetAll() {
    for (auto* list : {&onA_, &onB_, &onBFormA_, &onBFormB_}) Reset(*list);
  }

  std::unique_ptr<TspSkinData> skinA_, skinB_;
  std::string pathA_;
  std::unique_ptr<TForm> formA_, formB_;
  TspFormSkinner* skinnerA_ = nullptr;
  TspFormSkinner* skinnerB_ = nullptr;
  std::vector<TReskinCounts*> onA_, onB_, onBFormA_, onBFormB_;
};

TEST_F(SkinFormReskin, LoadingASkinReachesEveryControlOfThatSkinAtAnyDepthOnEveryForm) {
  TSkinMessageLog logA(formA_.get());
  TSkinMessageLog logB(formB_.get());
  ResetAll();
  skinA_->LoadFromFile(pathA_.c_str());
  const std::vector<UINT> announced = {WM_BEFORECHANGESKINDATA, WM_CHANGESKINDATA, WM_AFTERCHANGESKINDATA};
  EXPECT_EQ(logA.messages, announced);
  EXPECT_EQ(logB.messages, announced);
  ExpectCounts(onA_, 1, 1, "A skin on A form");
  ExpectCounts(onB_, 0, 0, "B skin on A form");
  ExpectCounts(onBFormA_, 0, 1, "A skin on B form");  // B's own skin did not change
  ExpectCounts(onBFormB_, 0, 0, "B skin on B form");
}

TEST_F(SkinFormReskin, AnotherFormsSkinChangeLeavesTheFormsOwnLookAlone) {
  int appliedA = 0;
  int appliedB = 0;
  struct Counter : TObject {
    int* count;
    void Applied(TObject*) { ++*count; }
  } counterA, counterB;
  counterA.count = &appliedA;
  counterB.count = &appliedB;
  skinnerA_->OnChangeSkinData = TNotifyEvent(&counterA, &Counter::Applied);
  skinnerB_->OnChangeSkinData = TNotifyEvent(&counterB, &Counter::Applied);
  const int regionBefore = skinnerB_->NewFormWidth;
  skinA_->LoadFromFile(pathA_.c_str());
  EXPECT_EQ(appliedA, 1);
  EXPECT_EQ(appliedB, 0);
  EXPECT_TRUE(skinnerB_->SkinUsable);
  EXPECT_EQ(skinnerB_->NewFormWidth, regionBefore);
}

TEST_F(SkinFormReskin, AChangeForNoSkinDataReachesEverySkinnedControl) {
  ResetAll();
  skinnerA_->UpDateSkinControls(nullptr, formA_.get());
  ExpectCounts(onA_, 0, 1, "A skin");
  ExpectCounts(onB_, 0, 1, "B skin");
}

TEST_F(SkinFormReskin, SkinComponentsHearTheirFormsChangeBeforeAndEveryChangeAfter) {
  auto* component = new TComponentProbe(formA_.get());
  skinB_->LoadFromFile(WriteFormSkin("reskinB2").c_str());
  EXPECT_EQ(component->counts.before, 0);
  EXPECT_EQ(component->counts.changed, 1);
  skinA_->LoadFromFile(pathA_.c_str());
  EXPECT_EQ(component->counts.before, 1);
  EXPECT_EQ(component->counts.changed, 2);
}

TEST_F(SkinFormReskin, AFreedSkinDataLeavesNoReferenceBehind) {
  auto* component = new TComponentProbe(formA_.get());
  component->SetSkinData(skinA_.get());
  skinA_.reset();
  EXPECT_EQ(skinnerA_->SkinData(), nullptr);
  EXPECT_EQ(component->SkinData(), nullptr);
}

// A client-mode form whose OnChangeSkinData pins one panel to "CornerArea" and another to
// the area named by the test.
class SkinFormAreas : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = MakeForm(40, 40, 300, 200);
    skin_ = std::make_unique<TspSkinData>(nullptr);
    path_ = WriteFormSkin("formareas");
    skin_->LoadFromFile(path_.c_str());
    panel_ = NewPanel();
    corner_ = NewPanel();
    skinner_ = new TspFormSkinner(form_.get());
    skinner_->SetSupportNCArea(false);
    skinner_->OnChangeSkinData = TNotifyEvent(this, &SkinFormAreas::LinkPanels);
  }

  TPanelProbe* NewPanel() {
    auto* panel = new TPanelProbe(form_.get());
    panel->SetParent(form_.get());
    panel->SetAlign(alClient);
    return panel;
  }

  void LinkPanels(TObject*) {
    skinner_->LinkControlToArea(areaName_, panel_);
    skinner_->LinkControlToArea("CornerArea", corner_);
  }

  std::unique_ptr<TForm> form_;
  std::unique_ptr<TspSkinData> skin_;
  std::string path_;
  TPanelProbe* panel_ = nullptr;
  TPanelProbe* corner_ = nullptr;
  TspFormSkinner* skinner_ = nullptr;
  AnsiString areaName_ = "PreviewArea";
};

TEST_F(SkinFormAreas, APinnedControlFollowsItsAreaAsTheFormGrows) {
  skinner_->SetSkinData(skin_.get());
  const int dx = 300 - kWidth;
  const int dy = 200 - kHeight;
  EXPECT_EQ(panel_->Align(), alNone);
  EXPECT_EQ(panel_->BoundsRect(), (TRect{kPreviewArea.Left, kPreviewArea.Top, kPreviewArea.Right + dx,
                                         kPreviewArea.Bottom + dy}));
  EXPECT_EQ(corner_->BoundsRect(), (TRect{kCornerArea.Left + dx, kCornerArea.Top + dy, kCornerArea.Right + dx,
                                          kCornerArea.Bottom + dy}));
  const TRect panelBefore = panel_->BoundsRect();
  const TRect cornerBefore = corner_->BoundsRect();
  form_->SetBounds(40, 40, 400, 250);
  EXPECT_EQ(corner_->Left(), cornerBefore.Left + 100);
  EXPECT_EQ(corner_->Top(), cornerBefore.Top + 50);
  EXPECT_EQ(corner_->Width(), cornerBefore.Width());
  EXPECT_EQ(panel_->BoundsRect(), (TRect{panelBefore.Left, panelBefore.Top, panelBefore.Right + 100,
                                         panelBefore.Bottom + 50}));
}

TEST_F(SkinFormAreas, ReapplyingTheSkinLeavesOneLinkPerControl) {
  skinner_->SetSkinData(skin_.get());
  skin_->LoadFromFile(path_.c_str());
  ASSERT_EQ(skinner_->AreaLinks.size(), 2u);
  EXPECT_EQ(skinner_->AreaLinks[0].Control, panel_);
  EXPECT_EQ(skinner_->AreaLinks[1].Control, corner_);
}

TEST_F(SkinFormAreas, AnUnknownAreaLinksNothingAndMovesNothing) {
  areaName_ = "Nowhere";
  skinner_->SetSkinData(skin_.get());
  EXPECT_EQ(panel_->Align(), alClient);
  EXPECT_EQ(panel_->BoundsRect(), form_->ClientRect());
  ASSERT_EQ(skinner_->AreaLinks.size(), 1u);
  EXPECT_EQ(skinner_->GetAreaRect("Nowhere"), (TRect{0, 0, 0, 0}));
  EXPECT_EQ(skinner_->GetAreaRect("CornerArea"), kCornerArea);
}

TEST_F(SkinFormAreas, AFreedControlLeavesItsLinks) {
  skinner_->SetSkinData(skin_.get());
  delete corner_;
  ASSERT_EQ(skinner_->AreaLinks.size(), 1u);
  form_->SetBounds(40, 40, 400, 250);
  EXPECT_EQ(skinner_->AreaLinks[0].Control, panel_);
}

}  // namespace
