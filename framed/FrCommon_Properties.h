#pragma once
// Form-resource property entries that the framed classes share.
#include <functional>

#include "classlib/formres/PropertyBinders.h"

// A Word property: a value outside 0..65535 is an error of the resource.
template <class T, class Setter>
TPropertyInfo WordProperty(const char* name, Setter setter, int defaultValue) {
  return IntegerProperty<T>(name, [setter, name](T* object, int value) {
    if (value < 0 || value > 0xFFFF) throw EFormValueError(AnsiString(name) + " out of range");
    std::invoke(setter, object, static_cast<uint16_t>(value));
  }, defaultValue);
}
