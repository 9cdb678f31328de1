#include "skin/data/Skindata.h"

#include "classlib/formres/PropertyBinders.h"

namespace {

void RegisterSkinData() {
  using S = TspSkinData;
  RegisterClassProperties(
      S::StaticClass(),
      {BoolProperty<S>("SkinnableForm", &S::SetSkinnableForm, true),
       BoolProperty<S>("EnableSkinEffects", &S::SetEnableSkinEffects, true),
       ReferenceProperty<S, TspResourceStrData>("ResourceStrData", &S::SetResourceStrData)});
}

}  // namespace

void InitializeSkinData() {
  static bool done = false;
  if (done) return;
  done = true;
  RegisterResourceStrData();
  RegisterSkinData();
}
