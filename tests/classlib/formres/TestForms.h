#pragma once
#include "TestComponents.h"

// Forms read from the test program's resources.
class TOrderForm : public TComponent {
  CLASSLIB_CLASS(TOrderForm, TComponent)
 public:
  explicit TOrderForm(TComponent* owner);

  void FireClick(TObject* sender);
  void ValueChanged(TObject* sender, int value);

  TThing* First = nullptr;
  TThing* Second = nullptr;
  TBox* Box = nullptr;
  std::vector<TObject*> Fired;
  int LastValue = 0;
};

class THolderForm : public TComponent {
  CLASSLIB_CLASS(THolderForm, TComponent)
 public:
  explicit THolderForm(TComponent* owner);
};

void RegisterTestForms();
