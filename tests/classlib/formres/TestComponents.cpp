#include "TestComponents.h"

#include "classlib/formres/PropertyBinders.h"
#include "classlib/formres/StandardClasses.h"

namespace {
int liveThings = 0;

std::string StateText(const TComponent* c) {
  return c->ComponentState().Contains(csLoading) ? " loading" : " ready";
}
}  // namespace

std::vector<std::string>& OrderLog() {
  static std::vector<std::string> log;
  return log;
}

TThing::TThing(TComponent* owner) : TComponent(owner) { ++liveThings; }
TThing::~TThing() { --liveThings; }
int TThing::LiveCount() { return liveThings; }

void TThing::SetNumber(int value) {
  Number = value;
  OrderLog().push_back("set Number of " + Name().str() + StateText(this));
}

void TThing::SetCaption(const AnsiString& value) { Caption = value; }

void TThing::Loaded() {
  TComponent::Loaded();
  OrderLog().push_back("loaded " + Name().str() + (Buddy != nullptr ? " buddy " + Buddy->Name().str() : "") +
                       (OnFire ? " bound" : " unbound") + StateText(this));
}

void TThing::DefineProperties(TFiler* filer) {
  filer->DefineProperty("BarSize", [this](const TValueReader& value) {
    BarSize.clear();
    value.ReadList([this](const TValueReader& element) { BarSize.push_back(element.ReadInteger()); });
  });
  filer->DefineBinaryProperty("Blob", [this](TStream* stream) {
    Blob.resize(static_cast<size_t>(stream->Size()));
    stream->ReadBuffer(Blob.data(), static_cast<int>(Blob.size()));
  });
}

TBox::TBox(TComponent* owner) : TThing(owner), Pane(new TThing(this)) {}

void RegisterTestClasses() {
  static bool done = false;
  if (done) return;
  done = true;
  InitializeFormClasses();
  static const TIdentTable shades("TShade", {{"shLight", shLight}, {"shDark", shDark}, {"shDeep", shDeep}});
  static const TIdentTable places("TPlace", {{"plLeft", plLeft}, {"plTop", plTop}, {"plRight", plRight}, {"plBottom", plBottom}});
  RegisterClassProperties(TPart::StaticClass(), {StringProperty<TPart>("Label", [](TPart* p, const AnsiString& v) { p->Label = v; }),
                                                 IntegerProperty<TPart>("Size", [](TPart* p, int v) { p->Size = v; }, 0)});
  RegisterClassProperties(
      TThing::StaticClass(),
      {IntegerProperty<TThing>("Number", &TThing::SetNumber, 0),
       FloatProperty<TThing>("Ratio", [](TThing* t, double v) { t->Ratio = v; }, 0),
       BoolProperty<TThing>("Flag", [](TThing* t, bool v) { t->Flag = v; }, false),
       StringProperty<TThing>("Caption", &TThing::SetCaption),
       EnumProperty<TThing, TShade>("Shade", [](TThing* t, TShade v) { t->Shade = v; }, shades, "shLight"),
       SetProperty<TThing, TPlace>("Places", [](TThing* t, TSet<TPlace> v) { t->Places = v; }, places),
       ColorProperty<TThing>("Color", [](TThing* t, TColor v) { t->Color = v; }, clBtnFace),
       ObjectProperty<TThing>("Font", [](TThing* t) { return &t->Font; }),
       StringsProperty<TThing>("Items", [](TThing* t) -> TStrings* { return &t->Items; }),
       CollectionProperty<TThing>("Parts", [](TThing* t) { return &t->Parts; }),
       ObjectProperty<TThing>("Picture", [](TThing* t) { return &t->Picture; }),
       ObjectProperty<TThing>("Glyph", [](TThing* t) { return &t->Glyph; }),
       ReferenceProperty<TThing, TThing>("Buddy", &TThing::SetBuddy),
       ReferenceProperty<TThing, TComponent>("Skin", &TThing::SetSkin),
       EventProperty<TThing>("OnFire", &TThing::OnFire),
       EventProperty<TThing>("OnValue", &TThing::OnValue),
       ObsoleteProperty("OldWidth", TFormValueKind::Integer)});
  RegisterClassProperties(TBox::StaticClass(), {});
}
