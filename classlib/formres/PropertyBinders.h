#pragma once
#include <cstdint>
#include <functional>
#include <typeindex>

#include "classlib/formres/ClassProperties.h"
#include "classlib/formres/Filer.h"
#include "classlib/formres/FormError.h"
#include "classlib/formres/FormReader.h"
#include "classlib/graphics/Colors.h"
#include "classlib/runtime/Collections.h"
#include "classlib/runtime/Events.h"
#include "classlib/runtime/Sets.h"
#include "classlib/runtime/Strings.h"
#include "classlib/runtime/SysUtils.h"
#include "classlib/runtime/UpdateScope.h"

// Typed property entries for RegisterClassProperties: each entry checks the kind of the
// value and calls the class's setter (any member function or callable taking the
// object and the value). `T` is the class that registers the property.

namespace formres_detail {
template <class T, class F>
TPropertyInfo Entry(const char* name, AnsiString defaultValue, F read) {
  TPropertyInfo info;
  info.name = name;
  info.defaultValue = defaultValue;
  info.apply = [read](TPersistent* instance, const TFormValue& value, TFormReader& reader) {
    read(static_cast<T*>(instance), TValueReader(value, reader));
  };
  return info;
}

inline int IdentValue(const TIdentTable& table, const AnsiString& ident) {
  int value = 0;
  if (!table.ToValue(ident, value)) {
    throw EFormValueError("'" + ident + "' is not a value of " + table.TypeName());
  }
  return value;
}
}  // namespace formres_detail

template <class T, class Setter>
TPropertyInfo IntegerProperty(const char* name, Setter setter, int defaultValue) {
  return formres_detail::Entry<T>(name, IntToStr(defaultValue), [setter](T* object, const TValueReader& value) {
    std::invoke(setter, object, value.ReadInteger());
  });
}

// An integer without a fixed default (positions and sizes).
template <class T, class Setter>
TPropertyInfo IntegerProperty(const char* name, Setter setter) {
  TPropertyInfo info = IntegerProperty<T>(name, setter, 0);
  info.defaultValue = AnsiString();
  return info;
}

template <class T, class Setter>
TPropertyInfo FloatProperty(const char* name, Setter setter, double defaultValue) {
  return formres_detail::Entry<T>(name, FloatToStr(defaultValue), [setter](T* object, const TValueReader& value) {
    std::invoke(setter, object, value.ReadFloat());
  });
}

template <class T, class Setter>
TPropertyInfo BoolProperty(const char* name, Setter setter, bool defaultValue) {
  return formres_detail::Entry<T>(name, defaultValue ? "True" : "False", [setter](T* object, const TValueReader& value) {
    std::invoke(setter, object, value.ReadBoolean());
  });
}

template <class T, class Setter>
TPropertyInfo StringProperty(const char* name, Setter setter, const char* defaultValue = "") {
  return formres_detail::Entry<T>(name, QuotedStr(defaultValue), [setter](T* object, const TValueReader& value) {
    std::invoke(setter, object, value.ReadString());
  });
}

// An enumeration written by the names of `table` (which must outlive the registration).
template <class T, class E, class Setter>
TPropertyInfo EnumProperty(const char* name, Setter setter, const TIdentTable& table, const char* defaultValue) {
  const TIdentTable* names = &table;
  return formres_detail::Entry<T>(name, defaultValue, [setter, names](T* object, const TValueReader& value) {
    std::invoke(setter, object, static_cast<E>(formres_detail::IdentValue(*names, value.ReadIdent())));
  });
}

// A set `[a, b]` of the values named by `table`.
template <class T, class E, class Setter>
TPropertyInfo SetProperty(const char* name, Setter setter, const TIdentTable& table, const char* defaultValue = "[]") {
  const TIdentTable* names = &table;
  return formres_detail::Entry<T>(name, defaultValue, [setter, names](T* object, const TValueReader& value) {
    TSet<E> set;
    for (const AnsiString& ident : value.ReadSet()) set.Include(static_cast<E>(formres_detail::IdentValue(*names, ident)));
    std::invoke(setter, object, set);
  });
}

// A colour: a number ($00BBGGRR, system colours $80000000 + index) or a colour name.
template <class T, class Setter>
TPropertyInfo ColorProperty(const char* name, Setter setter, TColor defaultValue) {
  return formres_detail::Entry<T>(name, ColorToString(defaultValue), [setter](T* object, const TValueReader& value) {
    TColor color = 0;
    if (value.Value().kind == TFormValueKind::Integer) {
      const int64_t number = value.Value().integer;
      if (number < INT32_MIN || number > int64_t{UINT32_MAX}) throw EFormValueError("colour value out of range");
      color = static_cast<TColor>(static_cast<uint32_t>(number));
    } else if (!IdentToColor(value.ReadIdent(), color)) {
      throw EFormValueError("'" + value.Value().text + "' is not a colour");
    }
    std::invoke(setter, object, color);
  });
}

// A string list `( 'a' 'b' )` replacing the lines of the list that `getter` answers.
template <class T, class Getter>
TPropertyInfo StringsProperty(const char* name, Getter getter) {
  return formres_detail::Entry<T>(name, "", [getter](T* object, const TValueReader& value) {
    TStrings* strings = std::invoke(getter, object);
    TUpdateScope<TStrings> update(strings);
    strings->Clear();
    value.ReadList([strings](const TValueReader& line) { strings->Add(line.ReadString()); });
  });
}

// A nested object ("Font"), whose own properties follow in paths ("Font.Style").
template <class T, class Getter>
TPropertyInfo ObjectProperty(const char* name, Getter getter) {
  TPropertyInfo info;
  info.name = name;
  info.object = [getter](TPersistent* instance) -> TPersistent* {
    return std::invoke(getter, static_cast<T*>(instance));
  };
  return info;
}

// A collection `< item ... end item ... end >`: the items replace the collection's.
template <class T, class Getter>
TPropertyInfo CollectionProperty(const char* name, Getter getter) {
  TPropertyInfo info;
  info.name = name;
  info.apply = [getter](TPersistent* instance, const TFormValue& value, TFormReader& reader) {
    if (value.kind != TFormValueKind::Collection) TValueReader(value, reader).WrongKind(TFormValueKind::Collection);
    TCollection* collection = std::invoke(getter, static_cast<T*>(instance));
    collection->Clear();
    for (const TFormItem& item : value.items) reader.ApplyProperties(collection->Add(), item.properties);
  };
  return info;
}

// A component of class C named `name` or `Form.name`, set once the form is read.
template <class T, class C, class Setter>
TPropertyInfo ReferenceProperty(const char* name, Setter setter) {
  TPropertyInfo info;
  info.name = name;
  info.apply = [setter](TPersistent* instance, const TFormValue& value, TFormReader& reader) {
    TValueReader values(value, reader);
    T* object = static_cast<T*>(instance);
    reader.AddReference(values.ReadIdent(), [setter, object](TComponent* component) {
      C* typed = dynamic_cast<C*>(component);
      if (typed == nullptr) return false;
      std::invoke(setter, object, typed);
      return true;
    });
  };
  return info;
}

// An event (TEvent member) naming a handler of the form, bound after Loaded.
template <class T, class... Args>
TPropertyInfo EventProperty(const char* name, TEvent<Args...> T::*event) {
  TPropertyInfo info;
  info.name = name;
  info.apply = [event](TPersistent* instance, const TFormValue& value, TFormReader& reader) {
    TValueReader values(value, reader);
    reader.AddEvent(&(static_cast<T*>(instance)->*event), typeid(TEvent<Args...>), values.ReadIdent());
  };
  return info;
}

// Binary data `{ hex }` handed to `read` as a stream.
template <class T, class Reader>
TPropertyInfo BinaryProperty(const char* name, Reader read) {
  return formres_detail::Entry<T>(name, "", [read](T* object, const TValueReader& value) {
    const std::string& bytes = value.ReadBinary();
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<int>(bytes.size()));
    stream.SetPosition(0);
    std::invoke(read, object, static_cast<TStream*>(&stream));
  });
}

// A property that older resources carry and the class no longer has: a value of the
// given kind is read and dropped.
inline TPropertyInfo ObsoleteProperty(const char* name, TFormValueKind kind) {
  TPropertyInfo info;
  info.name = name;
  info.apply = [kind](TPersistent*, const TFormValue& value, TFormReader& reader) {
    if (value.kind != kind) TValueReader(value, reader).WrongKind(kind);
  };
  return info;
}

// Form classes: a handler (member taking the event's arguments) and a component field.
template <class F, class... Args>
THandlerInfo Handler(const char* name, void (F::*method)(Args...)) {
  return {name, typeid(TEvent<Args...>), [method](TComponent* form, void* event) {
            *static_cast<TEvent<Args...>*>(event) = TEvent<Args...>(static_cast<F*>(form), method);
          }};
}

template <class F, class C>
TFieldInfo Field(const char* name, C* F::*member) {
  return {name, C::StaticClass()->ClassName(), [member](TComponent* form, TComponent* component) {
            C* typed = dynamic_cast<C*>(component);
            if (typed == nullptr) return false;
            static_cast<F*>(form)->*member = typed;
            return true;
          }};
}
