#include "classlib/runtime/Object.h"

#include <mutex>
#include <vector>

#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/SysUtils.h"

bool TMetaClass::InheritsFrom(const TMetaClass* ancestor) const {
  for (const TMetaClass* c = this; c != nullptr; c = c->ClassParent()) {
    if (c == ancestor) return true;
  }
  return false;
}

TObject* TMetaClass::Create(TObject* argument) const {
  if (factory_ == nullptr) throw EInvalidOperation("Cannot create an instance of " + ClassName());
  return factory_(argument);
}

TClass TObject::StaticClass() {
  static constexpr TMetaClass meta("TObject", nullptr, &classlib_detail::Construct<TObject>);
  return &meta;
}

void TPersistent::Assign(TPersistent* source) {
  if (source != nullptr) {
    source->AssignTo(this);
  } else {
    AssignError(nullptr);
  }
}

void TPersistent::AssignTo(TPersistent* dest) { dest->AssignError(this); }

void TPersistent::AssignError(TPersistent* source) {
  const AnsiString sourceName = source != nullptr ? source->ClassName() : AnsiString("nil");
  throw EConvertError(Format("Cannot assign a %s to a %s", {sourceName, ClassName()}));
}

AnsiString TPersistent::GetNamePath() const { return ClassName(); }

namespace {
struct ClassRegistry {
  std::mutex lock;
  std::vector<TClass> classes;
};

ClassRegistry& Registry() {
  static ClassRegistry registry;
  return registry;
}
}  // namespace

void RegisterClass(TClass aClass) {
  ClassRegistry& r = Registry();
  std::lock_guard guard(r.lock);
  for (TClass c : r.classes) {
    if (c == aClass) return;
  }
  r.classes.push_back(aClass);
}

void UnRegisterClass(TClass aClass) {
  ClassRegistry& r = Registry();
  std::lock_guard guard(r.lock);
  std::erase(r.classes, aClass);
}

TClass GetClass(const AnsiString& className) {
  ClassRegistry& r = Registry();
  std::lock_guard guard(r.lock);
  for (TClass c : r.classes) {
    if (SameText(c->ClassName(), className)) return c;
  }
  return nullptr;
}

TClass FindClass(const AnsiString& className) {
  TClass found = GetClass(className);
  if (found == nullptr) throw EClassNotFound(Format("Class %s not found", {className}));
  return found;
}
