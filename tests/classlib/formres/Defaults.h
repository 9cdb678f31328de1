#pragma once
#include <initializer_list>

#include "classlib/runtime/Object.h"

// Applies the registered default of each named property to `object`, as a form text
// holding the default would.
void ApplyDefaults(TPersistent* object, std::initializer_list<const char*> names);
