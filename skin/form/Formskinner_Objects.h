#pragma once
#include "classlib/runtime/Object.h"

// An active skin object of a skinned form (a button, a caption, a switch, ...), listed in
// the form component's ObjectList. The kinds themselves live in the skin objects' unit.
class TspActiveSkinObject : public TObject {
  CLASSLIB_CLASS(TspActiveSkinObject, TObject)
 public:
  ~TspActiveSkinObject() override = default;
};
