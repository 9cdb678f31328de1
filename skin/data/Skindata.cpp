#include "skin/data/Skindata.h"

#include "classlib/formres/PropertyBinders.h"
#include "skin/data/Sppngimagelist.h"

namespace {

void RegisterCompressedSkins() {
  using C = TspCompressedStoredSkin;
  RegisterClassProperties(C::StaticClass(),
                          {StringProperty<C>("Description", [](C* c, const AnsiString& v) { c->Description = v; }),
                           StringProperty<C>("FileName", [](C* c, const AnsiString& v) { c->FileName = v; }),
                           StringProperty<C>("CompressedFileName",
                                             [](C* c, const AnsiString& v) { c->CompressedFileName = v; })});
  using I = TspSkinListItem;
  RegisterClassProperties(I::StaticClass(),
                          {StringProperty<I>("Description", [](I* i, const AnsiString& v) { i->Description = v; }),
                           StringProperty<I>("FileName", [](I* i, const AnsiString& v) { i->FileName = v; }),
                           StringProperty<I>("CompressedFileName",
                                             [](I* i, const AnsiString& v) { i->CompressedFileName = v; }),
                           StringProperty<I>("Name", [](I* i, const AnsiString& v) { i->Name = v; })});
  using L = TspCompressedSkinList;
  RegisterClassProperties(L::StaticClass(), {CollectionProperty<L>("Skins", [](L* l) { return l->Skins(); })});
}

void RegisterSkinData() {
  using S = TspSkinData;
  RegisterClassProperties(
      S::StaticClass(),
      {BoolProperty<S>("SkinnableForm", &S::SetSkinnableForm, true),
       BoolProperty<S>("EnableSkinEffects", &S::SetEnableSkinEffects, true),
       ReferenceProperty<S, TspResourceStrData>("ResourceStrData", &S::SetResourceStrData),
       ReferenceProperty<S, TspCompressedStoredSkin>("CompressedStoredSkin", &S::SetCompressedStoredSkin),
       ReferenceProperty<S, TspCompressedSkinList>("SkinList", &S::SetSkinList),
       IntegerProperty<S>("SkinIndex", &S::SetSkinIndex, 0)});
}

}  // namespace

void InitializeSkinData() {
  static bool done = false;
  if (done) return;
  done = true;
  RegisterResourceStrData();
  RegisterCompressedSkins();
  RegisterSkinData();
  RegisterPngImageList();
}
