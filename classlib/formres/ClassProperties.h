#pragma once
#include <functional>
#include <initializer_list>
#include <typeindex>
#include <vector>

#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/Component.h"
#include "classlib/runtime/Object.h"

struct TFormValue;
class TFormReader;

// What form resources may set on a class: its published properties, registered by
// explicit initialisers (never by static constructors). A class inherits the
// properties of its base classes; the class itself is also entered into the class
// registry, so the reader finds it by name and creates it through its class reference.

struct TPropertyInfo {
  AnsiString name;
  // The value of a new object as a form text writes it ("" when the property has no
  // fixed default); a writer leaves out properties that hold it.
  AnsiString defaultValue;
  // Applies a value read for `instance`; raises EFormValueError for a value of the
  // wrong kind or out of range.
  std::function<void(TPersistent* instance, const TFormValue& value, TFormReader& reader)> apply;
  // Object properties (`Font` of "Font.Style"): the nested object, whose own class
  // properties take the rest of the path. Null for other properties.
  std::function<TPersistent*(TPersistent* instance)> object;
};

// Registers `aClass` with the properties that it adds to its base classes' (a second
// registration of a class adds to the first).
void RegisterClassProperties(TClass aClass, std::initializer_list<TPropertyInfo> properties);
// The property of that name (case ignored) of the class or of its nearest base class
// that has one, or null.
const TPropertyInfo* FindClassProperty(TClass aClass, const AnsiString& name);

// A name table of an enumeration or of the values of a set.
class TIdentTable {
 public:
  struct Entry {
    const char* name;
    int value;
  };
  TIdentTable(const char* typeName, std::initializer_list<Entry> entries) : typeName_(typeName), entries_(entries) {}

  const char* TypeName() const { return typeName_; }
  // The value of `ident` (case ignored); false when the table lacks it.
  bool ToValue(const AnsiString& ident, int& value) const;
  // The name of `value` as the table writes it; null when the table lacks it.
  const char* NameOf(int value) const;

 private:
  const char* typeName_;
  std::vector<Entry> entries_;
};

// What a form class offers its resource: handlers that events name, and component
// fields that are set to the components of the same name once the form is read.
struct THandlerInfo {
  AnsiString name;
  std::type_index eventType;
  // Sets the event (a TEvent of `eventType`) to this handler of `form`.
  std::function<void(TComponent* form, void* event)> bind;
};

struct TFieldInfo {
  AnsiString name;
  AnsiString className;
  // Stores `component` in the field; false when it is not of the field's class.
  std::function<bool(TComponent* form, TComponent* component)> bind;
};

void RegisterFormClass(TClass formClass, std::initializer_list<THandlerInfo> handlers,
                       std::initializer_list<TFieldInfo> fields);
// The handler of that name (case ignored) of the form class or its nearest base, or null.
const THandlerInfo* FindFormHandler(TClass formClass, const AnsiString& name);
// Every component field of the form class and of its base classes, bases first.
std::vector<const TFieldInfo*> FormFields(TClass formClass);
