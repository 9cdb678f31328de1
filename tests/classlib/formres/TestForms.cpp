#include "TestForms.h"

#include "classlib/formres/FormResource.h"
#include "classlib/formres/PropertyBinders.h"

TOrderForm::TOrderForm(TComponent* owner) : TComponent(owner) {
  ReadFormResource(this, StaticClass());
  OrderLog().push_back("constructor body sees " + First->Name().str() + " " + Second->Name().str() + " " +
                       Box->Name().str());
}

void TOrderForm::FireClick(TObject* sender) {
  OrderLog().push_back("handler FireClick");
  Fired.push_back(sender);
}

void TOrderForm::ValueChanged(TObject* sender, int value) {
  (void)sender;
  LastValue = value;
}

THolderForm::THolderForm(TComponent* owner) : TComponent(owner) { ReadFormResource(this, StaticClass()); }

void RegisterTestForms() {
  static bool done = false;
  if (done) return;
  done = true;
  RegisterTestClasses();
  RegisterFormClass(TOrderForm::StaticClass(),
                    {Handler("FireClick", &TOrderForm::FireClick), Handler("ValueChanged", &TOrderForm::ValueChanged)},
                    {Field("First", &TOrderForm::First), Field("Second", &TOrderForm::Second),
                     Field("Box", &TOrderForm::Box)});
  RegisterFormClass(THolderForm::StaticClass(), {}, {});
}
