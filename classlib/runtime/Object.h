#pragma once
#include <type_traits>

#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/WinApi.h"  // RegisterClass below is renamed as the system's is

class TObject;
class TFiler;

// A class reference: the name, the parent class and a way to create an instance.
// Every class of the library (and of its users) declares its reference with
// CLASSLIB_CLASS; `TFoo::StaticClass()` is the class, `obj->ClassType()` the object's.
class TMetaClass {
 public:
  using Factory = TObject* (*)(TObject* argument);
  using ParentGetter = const TMetaClass* (*)();

  constexpr TMetaClass(const char* name, ParentGetter parent, Factory factory)
      : name_(name), parent_(parent), factory_(factory) {}
  TMetaClass(const TMetaClass&) = delete;
  TMetaClass& operator=(const TMetaClass&) = delete;

  AnsiString ClassName() const { return name_; }
  const TMetaClass* ClassParent() const { return parent_ != nullptr ? parent_() : nullptr; }
  // True for this class and every class derived from `ancestor`.
  bool InheritsFrom(const TMetaClass* ancestor) const;
  // True when instances can be created (not abstract, constructor fits).
  bool CanCreate() const { return factory_ != nullptr; }
  // Creates an instance; `argument` goes to the constructor of classes that take one
  // (the owner of a component, the collection of a collection item). Raises
  // EInvalidOperation for classes that cannot be created.
  TObject* Create(TObject* argument = nullptr) const;

 private:
  const char* name_;
  ParentGetter parent_;
  Factory factory_;
};

using TClass = const TMetaClass*;

namespace classlib_detail {
template <class T>
TObject* Construct(TObject* argument) {
  using Arg = typename T::TCreateArgument;
  if constexpr (std::is_void_v<Arg>) {
    return new T();
  } else {
    return new T(static_cast<Arg>(argument));
  }
}

template <class T>
constexpr TMetaClass::Factory FactoryOf() {
  using Arg = typename T::TCreateArgument;
  if constexpr (std::is_abstract_v<T>) {
    return nullptr;
  } else if constexpr (std::is_void_v<Arg>) {
    if constexpr (std::is_default_constructible_v<T>) return &Construct<T>;
    else return nullptr;
  } else {
    if constexpr (std::is_constructible_v<T, Arg>) return &Construct<T>;
    else return nullptr;
  }
}
}  // namespace classlib_detail

// Declares the class reference of `Class`, derived from `Parent`. Place it in the
// public part of the class body.
#define CLASSLIB_CLASS(Class, Parent)                                                     \
 public:                                                                                  \
  static TClass StaticClass() {                                                           \
    static constexpr TMetaClass meta(#Class, &Parent::StaticClass,                        \
                                     classlib_detail::FactoryOf<Class>());                \
    return &meta;                                                                         \
  }                                                                                       \
  TClass ClassType() const override { return StaticClass(); }

// The root of the class tree. Objects are created with `new` and freed with `delete`
// (or Free, which accepts null through FreeAndNil).
class TObject {
 public:
  // What the class reference passes to the constructor: nothing for plain objects.
  using TCreateArgument = void;

  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  static TClass StaticClass();
  virtual TClass ClassType() const { return StaticClass(); }
  AnsiString ClassName() const { return ClassType()->ClassName(); }
  bool InheritsFrom(TClass ancestor) const { return ClassType()->InheritsFrom(ancestor); }
  void Free() { delete this; }
};

// Frees the object and sets the pointer to null; a null pointer is left alone.
template <class T>
void FreeAndNil(T*& object) {
  T* doomed = object;
  object = nullptr;
  delete doomed;
}

// An object that can copy another's state (Assign) and be streamed.
class TPersistent : public TObject {
  CLASSLIB_CLASS(TPersistent, TObject)
 public:
  // Copies `source`'s state; raises EConvertError "Cannot assign a %s to a %s" when
  // neither class knows how (a null source is named "nil").
  virtual void Assign(TPersistent* source);
  // The object this one is streamed and named under (null at the top).
  virtual TPersistent* GetOwner() const { return nullptr; }
  virtual AnsiString GetNamePath() const;
  // The streaming system asks here for properties beyond the published ones.
  virtual void DefineProperties(TFiler* filer) { (void)filer; }

 protected:
  // Copies this object's state into `dest`; the default refuses.
  virtual void AssignTo(TPersistent* dest);

 private:
  [[noreturn]] void AssignError(TPersistent* source);
};

// Class registry for streaming: classes are found again by their name.
void RegisterClass(TClass aClass);
void UnRegisterClass(TClass aClass);
// The registered class of that name (case ignored), or null.
TClass GetClass(const AnsiString& className);
// As GetClass, but raises EClassNotFound "Class %s not found".
TClass FindClass(const AnsiString& className);
