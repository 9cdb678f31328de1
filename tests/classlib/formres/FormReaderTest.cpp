#include <gtest/gtest.h>

#include <memory>

#include "Defaults.h"
#include "TestForms.h"
#include "classlib/formres/FormError.h"
#include "classlib/formres/FormResource.h"
#include "classlib/formres/LiveForms.h"
#include "classlib/formres/PropertyBinders.h"

namespace {

// A form class without a resource: tests hand it texts.
class TProbeForm : public TComponent {
  CLASSLIB_CLASS(TProbeForm, TComponent)
 public:
  explicit TProbeForm(TComponent* owner) : TComponent(owner) {}
  void FireClick(TObject*) {}
  TThing* Probe = nullptr;
};

class TBadForm : public TComponent {
  CLASSLIB_CLASS(TBadForm, TComponent)
 public:
  explicit TBadForm(TComponent* owner) : TComponent(owner) { ReadFormResource(this, StaticClass()); }
};

// Asks the reader in its constructor where it is being read.
class TPaneThing : public TThing {
  CLASSLIB_CLASS(TPaneThing, TThing)
 public:
  explicit TPaneThing(TComponent* owner) : TThing(owner) {
    if (TFormReader* reader = TFormReader::Current()) SeenParent = reader->Parent();
  }
  TComponent* SeenParent = nullptr;
};

class FormReader : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterTestForms();
    static bool done = false;
    if (!done) {
      done = true;
      RegisterFormClass(TProbeForm::StaticClass(), {Handler("FireClick", &TProbeForm::FireClick)}, {});
      RegisterFormClass(TBadForm::StaticClass(), {}, {});
      RegisterClassProperties(TPaneThing::StaticClass(), {});
    }
    OrderLog().clear();
  }
};

TEST_F(FormReader, BuildsTheFormFromItsResourceWithEveryKindOfValue) {
  auto holder = std::make_unique<THolderForm>(nullptr);
  auto form = std::make_unique<TOrderForm>(nullptr);
  EXPECT_EQ(AnsiString("OrderForm"), form->Name());
  EXPECT_EQ(7, form->Tag());
  TThing* first = form->First;
  EXPECT_EQ(-12, first->Number);
  EXPECT_DOUBLE_EQ(1.25, first->Ratio);
  EXPECT_TRUE(first->Flag);
  EXPECT_EQ(AnsiString("Line one\rLine two and it's more"), first->Caption);
  EXPECT_EQ(shDark, first->Shade);
  EXPECT_EQ(TSet<TPlace>({plLeft, plTop}), first->Places);
  EXPECT_EQ(clRed, first->Color);
  EXPECT_EQ(AnsiString("Arial"), first->Font.Name());
  EXPECT_EQ(TFontStyles({fsBold, fsItalic}), first->Font.Style());
  EXPECT_EQ(0x00FF8000, first->Font.Color());
  ASSERT_EQ(2, first->Items.Count());
  EXPECT_EQ(AnsiString("beta gamma"), first->Items[1]);
  ASSERT_EQ(2, first->Parts.Count());
  EXPECT_EQ(AnsiString("two"), static_cast<TPart*>(first->Parts.Items(1))->Label);
  EXPECT_EQ(32, static_cast<TPart*>(first->Parts.Items(1))->Size);
  EXPECT_EQ(std::vector<int>({444, 0, 451, 552}), first->BarSize);
  EXPECT_EQ(std::string("\xCA\xFE"), first->Blob);
  EXPECT_EQ(255, form->FindComponent("InPane") != nullptr ? static_cast<TThing*>(form->FindComponent("InPane"))->Color : 0);

  // The picture stored as data paints.
  ASSERT_NE(nullptr, first->Picture.Graphic());
  EXPECT_EQ(AnsiString("TBitmap"), first->Picture.Graphic()->ClassName());
  TBitmap canvasBitmap;
  canvasBitmap.SetSize(2, 1);
  canvasBitmap.Canvas()->Draw(0, 0, first->Picture.Graphic());
  EXPECT_EQ(clRed, canvasBitmap.Canvas()->Pixels(0, 0));
  EXPECT_EQ(clLime, canvasBitmap.Canvas()->Pixels(1, 0));
}

TColor PixelOf(TGraphic* graphic, int x) {
  TBitmap target;
  target.SetSize(2, 1);
  target.Canvas()->Draw(0, 0, graphic);
  return target.Canvas()->Pixels(x, 0);
}

TEST_F(FormReader, GlyphsComeFromTheirDataOrFromANamedBitmapResource) {
  auto form = std::make_unique<TOrderForm>(nullptr);
  EXPECT_EQ(clRed, PixelOf(&form->First->Glyph, 0));
  EXPECT_EQ(clLime, PixelOf(&form->First->Glyph, 1));
  EXPECT_EQ(clBlue, PixelOf(&form->Second->Glyph, 0));
  EXPECT_EQ(clWhite, PixelOf(&form->Second->Glyph, 1));
}

std::string Hex(TMemoryStream& stream) {
  static const char digits[] = "0123456789ABCDEF";
  std::string text;
  const auto* bytes = static_cast<const unsigned char*>(stream.Memory());
  for (int64_t i = 0; i < stream.Size(); ++i) {
    text += digits[bytes[i] >> 4];
    text += digits[bytes[i] & 15];
    if (i % 32 == 31) text += "\n      ";
  }
  return text;
}

TEST_F(FormReader, ImageListReadsItsImagesFromTheirData) {
  TImageList source(nullptr);
  source.SetSize(4, 4);
  for (TColor color : {clRed, clBlue}) {
    TBitmap image;
    image.SetSize(4, 4);
    image.Canvas()->Brush()->SetColor(color);
    image.Canvas()->FillRect(Rect(0, 0, 4, 4));
    source.Add(&image, nullptr);
  }
  TMemoryStream data;
  source.WriteData(&data);
  std::string text = "object Form1: TProbeForm\n  object Images: TImageList\n    Width = 4\n    Height = 4\n"
                     "    Bitmap = {\n      " + Hex(data) + "}\n  end\nend\n";
  TProbeForm form(nullptr);
  ReadFormText(&form, TProbeForm::StaticClass(), text.c_str(), "Images.form");
  auto* images = dynamic_cast<TImageList*>(form.FindComponent("Images"));
  ASSERT_NE(nullptr, images);
  ASSERT_EQ(2, images->Count());
  TBitmap target;
  target.SetSize(4, 4);
  images->Draw(target.Canvas(), 0, 0, 1);
  EXPECT_EQ(clBlue, target.Canvas()->Pixels(2, 2));
}

TEST_F(FormReader, ASecondFormBesideTheFirstGetsANumberedName) {
  TComponent owner(nullptr);
  auto* first = new TProbeForm(&owner);
  auto* second = new TProbeForm(&owner);
  ReadFormText(first, TProbeForm::StaticClass(), "object Probe: TProbeForm\nend\n", "Probe.form");
  ReadFormText(second, TProbeForm::StaticClass(), "object Probe: TProbeForm\nend\n", "Probe.form");
  EXPECT_EQ(AnsiString("Probe"), first->Name());
  EXPECT_EQ(AnsiString("Probe_1"), second->Name());
}

TEST_F(FormReader, ReferencesResolveForwardAndAcrossLiveForms) {
  auto holder = std::make_unique<THolderForm>(nullptr);
  auto form = std::make_unique<TOrderForm>(nullptr);
  EXPECT_EQ(form->Second, form->First->Buddy);  // named before it existed
  EXPECT_EQ(form->First, form->Second->Buddy);
  EXPECT_EQ(holder->FindComponent("Skin"), form->First->Skin);
}

TEST_F(FormReader, ReferenceToAFormCreatedLaterResolvesWhenItHasLoaded) {
  auto form = std::make_unique<TOrderForm>(nullptr);
  EXPECT_EQ(nullptr, form->First->Skin);
  auto holder = std::make_unique<THolderForm>(nullptr);
  EXPECT_EQ(holder->FindComponent("Skin"), form->First->Skin);
}

TEST_F(FormReader, WaitingReferenceOfAFreedFormIsDropped) {
  auto form = std::make_unique<TOrderForm>(nullptr);
  form.reset();
  auto holder = std::make_unique<THolderForm>(nullptr);  // must not write into the freed form
  EXPECT_EQ(holder.get(), FindLiveForm("HolderForm"));
  holder.reset();
  EXPECT_EQ(nullptr, FindLiveForm("HolderForm"));
}

TEST_F(FormReader, LoadsInOrderAndBindsEventsAndFieldsLast) {
  auto form = std::make_unique<TOrderForm>(nullptr);
  std::vector<std::string> expected = {
      "set Number of First loading",
      "set Number of Second loading",
      "set Number of Inner loading",
      "loaded First buddy Second unbound ready",
      "loaded Second buddy First unbound ready",
      "loaded Inner unbound ready",
      "loaded Box unbound ready",
      "loaded InPane unbound ready",
      "constructor body sees First Second Box",
  };
  EXPECT_EQ(expected, OrderLog());
  EXPECT_FALSE(form->ComponentState().Contains(csLoading));
  EXPECT_FALSE(form->First->ComponentState().Contains(csReading));
}

TEST_F(FormReader, ContainerParentsItsChildrenInItsPaneAndTheFormOwnsThem) {
  auto form = std::make_unique<TOrderForm>(nullptr);
  auto* inPane = static_cast<TThing*>(form->FindComponent("InPane"));
  ASSERT_NE(nullptr, inPane);
  EXPECT_EQ(form->Box->Pane, inPane->ParentThing);
  EXPECT_EQ(form.get(), inPane->Owner());
  EXPECT_EQ(form->Second, static_cast<TThing*>(form->FindComponent("Inner"))->ParentThing);
  EXPECT_EQ(form.get(), form->First->ParentThing);
}

TEST_F(FormReader, ComponentsAskTheCurrentReaderWhereTheyAreRead) {
  TProbeForm form(nullptr);
  ReadFormText(&form, TProbeForm::StaticClass(),
               "object Form1: TProbeForm\n  object Outer: TThing\n    object Pane: TPaneThing\n    end\n  end\nend\n",
               "Pane.form");
  EXPECT_EQ(form.FindComponent("Outer"), static_cast<TPaneThing*>(form.FindComponent("Pane"))->SeenParent);
  EXPECT_EQ(nullptr, TFormReader::Current());
  TPaneThing outside(nullptr);
  EXPECT_EQ(nullptr, outside.SeenParent);
}

TEST_F(FormReader, SharedHandlerRunsTheFormMemberAndDetachesAndReattaches) {
  auto form = std::make_unique<TOrderForm>(nullptr);
  TThing* inner = static_cast<TThing*>(form->FindComponent("Inner"));
  form->First->OnFire(form->First);
  form->Second->OnFire(form->Second);
  inner->OnFire(inner);
  EXPECT_EQ(std::vector<TObject*>({form->First, form->Second, inner}), form->Fired);

  TNotifyEvent member(form.get(), &TOrderForm::FireClick);
  EXPECT_TRUE(form->First->OnFire == member);
  TNotifyEvent saved = form->First->OnFire;
  form->First->OnFire = nullptr;
  form->First->OnFire(form->First);
  EXPECT_EQ(3u, form->Fired.size());
  form->First->OnFire = saved;
  form->First->OnFire(form->First);
  EXPECT_EQ(4u, form->Fired.size());

  form->First->OnValue(form->First, 5);
  EXPECT_EQ(5, form->LastValue);
}

TEST_F(FormReader, FailuresNameFormFileLineAndCulpritAndFreeWhatWasMade) {
  struct Case {
    const char* body;
    const char* culprit;
    int linesIntoTheBody = 0;
  } cases[] = {
      {"    OnFire = NoSuchHandler\n", "NoSuchHandler"},
      {"    Colour = clRed\n", "Colour"},
      {"    Font.Weight = 3\n", "Font.Weight"},
      {"    Number = 'ten'\n", "integer expected but string found"},
      {"    Flag = 1\n", "Flag"},
      {"    Shade = shPurple\n", "shPurple"},
      {"    Places = [plLeft, plMiddle]\n", "plMiddle"},
      {"    Color = clNoColour\n", "clNoColour"},
      {"    Color = 4294967296\n", "colour value out of range"},
      {"    Buddy = Nobody\n", "Nobody"},
      {"    Buddy = Form1\n", "wrong class"},
      {"    OnValue = FireClick\n", "FireClick"},
      {"    OldWidth = 'wide'\n", "OldWidth"},
      {"    BarSize = (1 'two')\n", "BarSize"},
      {"    Items = ('a' 2)\n", "Items"},
      {"    Parts = 5\n", "collection expected but integer found"},
      {"    Parts = <\n      item\n        Width = 2\n      end>\n", "Width", 2},
      {"    Picture.Data = {0454466F6F}\n", "TFoo"},
      {"    object Sub: TNoSuchClass\n    end\n", "TNoSuchClass"},
      {"    object First: TThing\n    end\n", "First"},
  };
  for (const Case& c : cases) {
    std::string text = std::string("object Form1: TProbeForm\n  object First: TThing\n  end\n  object Probe: TThing\n") +
                       "    Number = 1\n" + c.body + "  end\n  object Last: TThing\n  end\nend\n";
    const int line = 6 + c.linesIntoTheBody;  // the case's own line
    int before = TThing::LiveCount();
    auto form = std::make_unique<TProbeForm>(nullptr);
    try {
      ReadFormText(form.get(), TProbeForm::StaticClass(), text.c_str(), "Probe.form");
      ADD_FAILURE() << "no error for " << c.body;
    } catch (const EFormError& e) {
      EXPECT_EQ(AnsiString("TProbeForm"), e.FormClass()) << c.body;
      EXPECT_EQ(AnsiString("Probe.form"), e.FileName()) << c.body;
      EXPECT_EQ(line, e.Line()) << c.body << " -> " << e.Message();
      EXPECT_NE(std::string::npos, e.Message().str().find(c.culprit)) << e.Message();
    }
    EXPECT_EQ(before, TThing::LiveCount()) << c.body;
    EXPECT_EQ(0, form->ComponentCount()) << c.body;
    EXPECT_FALSE(form->ComponentState().Contains(csLoading));
  }
}

TEST_F(FormReader, FieldsMustExistWithTheirClass) {
  class TFieldForm : public TComponent {
    CLASSLIB_CLASS(TFieldForm, TComponent)
   public:
    explicit TFieldForm(TComponent* owner) : TComponent(owner) {}
    TBox* Probe = nullptr;
  };
  RegisterFormClass(TFieldForm::StaticClass(), {}, {Field("Probe", &TFieldForm::Probe)});
  struct Case {
    const char* text;
    const char* culprit;
  } cases[] = {
      {"object F: TFieldForm\n  object Other: TThing\n  end\nend\n", "no component"},
      {"object F: TFieldForm\n  object Probe: TThing\n  end\nend\n", "not a TBox"},
  };
  for (const Case& c : cases) {
    TFieldForm form(nullptr);
    try {
      ReadFormText(&form, TFieldForm::StaticClass(), c.text, "Field.form");
      ADD_FAILURE() << c.text;
    } catch (const EFormError& e) {
      EXPECT_NE(std::string::npos, e.Message().str().find("Probe")) << e.Message();
      EXPECT_NE(std::string::npos, e.Message().str().find(c.culprit)) << e.Message();
    }
    EXPECT_EQ(nullptr, form.Probe);
    EXPECT_EQ(0, form.ComponentCount());
  }
  TFieldForm form(nullptr);
  ReadFormText(&form, TFieldForm::StaticClass(), "object F: TFieldForm\n  object Probe: TBox\n  end\nend\n", "Field.form");
  EXPECT_EQ(form.FindComponent("Probe"), form.Probe);
}

TEST_F(FormReader, ResourceErrorNamesTheFormFileAndFreesTheHalfBuiltForm) {
  int before = TThing::LiveCount();
  try {
    TBadForm form(nullptr);
    ADD_FAILURE() << "the bad form was built";
  } catch (const EFormError& e) {
    EXPECT_EQ(AnsiString("TBadForm"), e.FormClass());
    EXPECT_EQ(AnsiString("BadForm.form"), e.FileName());
    EXPECT_EQ(3, e.Line());
    EXPECT_NE(std::string::npos, e.Message().str().find("Colour")) << e.Message();
  }
  EXPECT_EQ(before, TThing::LiveCount());
  EXPECT_EQ(nullptr, FindLiveForm("BadForm"));
}

TEST_F(FormReader, FormsWithoutResourceAreNotRead) {
  EXPECT_TRUE(HasFormResource(TOrderForm::StaticClass()));
  EXPECT_FALSE(HasFormResource(TProbeForm::StaticClass()));
  TProbeForm form(nullptr);
  EXPECT_FALSE(ReadFormResource(&form, TProbeForm::StaticClass()));
  EXPECT_EQ(0, form.ComponentCount());
}

// The registered defaults are the values of new objects: applying them changes nothing.
TEST_F(FormReader, RegisteredDefaultsAreTheStateOfNewObjects) {
  TFont fresh;
  TFont font;
  ApplyDefaults(&font, {"Name", "Height", "Size", "Color", "Charset", "Style"});
  EXPECT_EQ(fresh.Name(), font.Name());
  EXPECT_EQ(fresh.Height(), font.Height());
  EXPECT_EQ(fresh.Color(), font.Color());
  EXPECT_EQ(fresh.Charset(), font.Charset());
  EXPECT_EQ(fresh.Style(), font.Style());

  TImageList freshList(nullptr);
  TImageList list(nullptr);
  ApplyDefaults(&list, {"Tag", "Width", "Height", "Masked", "BkColor"});
  EXPECT_EQ(freshList.Width(), list.Width());
  EXPECT_EQ(freshList.Height(), list.Height());
  EXPECT_EQ(freshList.Masked(), list.Masked());
  EXPECT_EQ(freshList.BkColor(), list.BkColor());
  EXPECT_EQ(0, list.Tag());
}

TEST_F(FormReader, TextOfAnotherClassIsRefused) {
  TProbeForm form(nullptr);
  EXPECT_THROW(ReadFormText(&form, TProbeForm::StaticClass(), "object X: TOrderForm\nend\n", "X.form"), EFormError);
}

TEST_F(FormReader, PropertiesAreSetByNameAtRunTime) {
  RegisterTestClasses();
  TThing thing(nullptr);
  auto value = [](TFormValueKind kind, int64_t integer, const char* text) {
    TFormValue v;
    v.kind = kind;
    v.integer = integer;
    v.text = text;
    return v;
  };
  EXPECT_TRUE(SetPropertyValue(&thing, "number", value(TFormValueKind::Integer, 42, "")));
  EXPECT_EQ(42, thing.Number);
  EXPECT_TRUE(SetPropertyValue(&thing, "Shade", value(TFormValueKind::Ident, 0, "shDeep")));
  EXPECT_EQ(shDeep, thing.Shade);
  EXPECT_TRUE(SetPropertyValue(&thing, "Color", value(TFormValueKind::Integer, 0x8000000F, "")));
  EXPECT_EQ(clBtnFace, thing.Color);
  TFormValue places = value(TFormValueKind::Set, 0, "");
  places.identifiers = {"plTop", "plBottom"};
  EXPECT_TRUE(SetPropertyValue(&thing, "Places", places));
  EXPECT_EQ(TSet<TPlace>({plTop, plBottom}), thing.Places);
  // A property the class lacks sets nothing; a value of the wrong kind is refused.
  EXPECT_FALSE(SetPropertyValue(&thing, "Width", value(TFormValueKind::Integer, 7, "")));
  EXPECT_FALSE(SetPropertyValue(&thing, "Font", value(TFormValueKind::Integer, 7, "")));
  EXPECT_THROW(SetPropertyValue(&thing, "Number", value(TFormValueKind::String, 0, "x")), EFormValueError);
  EXPECT_THROW(SetPropertyValue(&thing, "Shade", value(TFormValueKind::Ident, 0, "shPale")), EFormValueError);
  EXPECT_EQ(42, thing.Number);
  EXPECT_EQ(shDeep, thing.Shade);
}

TEST(IdentTable, NamesValuesBothWays) {
  const TIdentTable table("TShade", {{"shLight", shLight}, {"shDark", shDark}});
  EXPECT_STREQ("shDark", table.NameOf(shDark));
  EXPECT_EQ(nullptr, table.NameOf(shDeep));
  int value = -1;
  EXPECT_TRUE(table.ToValue(table.NameOf(shLight), value));
  EXPECT_EQ(shLight, value);
}

}  // namespace
