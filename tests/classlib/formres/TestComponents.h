#pragma once
#include <string>
#include <vector>

#include "classlib/formres/FormReader.h"
#include "classlib/graphics/Graphics.h"
#include "classlib/runtime/Collections.h"
#include "classlib/runtime/Component.h"
#include "classlib/runtime/Events.h"
#include "classlib/runtime/Strings.h"

// Plain components with one property of every kind, for reading forms without windows.

// What the components and forms did, in order.
std::vector<std::string>& OrderLog();

enum TShade { shLight, shDark, shDeep };
enum TPlace { plLeft, plTop, plRight, plBottom };

class TPart : public TCollectionItem {
  CLASSLIB_CLASS(TPart, TCollectionItem)
 public:
  explicit TPart(TCollection* collection) : TCollectionItem(collection) {}
  AnsiString Label;
  int Size = 0;
};

class TThing : public TComponent {
  CLASSLIB_CLASS(TThing, TComponent)
 public:
  explicit TThing(TComponent* owner);
  ~TThing() override;

  static int LiveCount();

  void SetNumber(int value);
  void SetCaption(const AnsiString& value);
  void SetBuddy(TThing* value) { Buddy = value; }
  void SetSkin(TComponent* value) { Skin = value; }
  void SetParentComponent(TComponent* parent) override { ParentThing = parent; }
  TComponent* GetParentComponent() const override { return ParentThing; }
  bool HasParent() const override { return true; }
  void Loaded() override;
  void DefineProperties(TFiler* filer) override;

  int Number = 0;
  double Ratio = 0;
  bool Flag = false;
  AnsiString Caption;
  TShade Shade = shLight;
  TSet<TPlace> Places;
  TColor Color = clBtnFace;
  TFont Font;
  TStringList Items;
  TCollection Parts{TPart::StaticClass()};
  TPicture Picture;
  TBitmap Glyph;
  TThing* Buddy = nullptr;
  TComponent* Skin = nullptr;
  TComponent* ParentThing = nullptr;
  std::vector<int> BarSize;
  std::string Blob;
  TNotifyEvent OnFire;
  TEvent<TObject*, int> OnValue;
};

// A container whose children go into its inner pane (the form stays their owner).
class TBox : public TThing, public IReadStateHook {
  CLASSLIB_CLASS(TBox, TThing)
 public:
  explicit TBox(TComponent* owner);
  void ReadState(TFormReader& reader) override { reader.SetParent(Pane); }
  TThing* Pane;
};

// Registers the test classes once.
void RegisterTestClasses();
