#include "classlib/formres/ClassProperties.h"

#include <map>

namespace {

struct ClassEntry {
  std::vector<TPropertyInfo> properties;
  std::vector<THandlerInfo> handlers;
  std::vector<TFieldInfo> fields;
};

std::map<TClass, ClassEntry>& Classes() {
  static std::map<TClass, ClassEntry> classes;
  return classes;
}

const ClassEntry* EntryOf(TClass aClass) {
  auto found = Classes().find(aClass);
  return found == Classes().end() ? nullptr : &found->second;
}

template <class T>
const T* FindNamed(const std::vector<T>& list, const AnsiString& name) {
  for (const T& item : list) {
    if (item.name.CompareIC(name) == 0) return &item;
  }
  return nullptr;
}

}  // namespace

void RegisterClassProperties(TClass aClass, std::initializer_list<TPropertyInfo> properties) {
  RegisterClass(aClass);
  std::vector<TPropertyInfo>& list = Classes()[aClass].properties;
  list.insert(list.end(), properties.begin(), properties.end());
}

const TPropertyInfo* FindClassProperty(TClass aClass, const AnsiString& name) {
  for (TClass c = aClass; c != nullptr; c = c->ClassParent()) {
    if (const ClassEntry* entry = EntryOf(c)) {
      if (const TPropertyInfo* found = FindNamed(entry->properties, name)) return found;
    }
  }
  return nullptr;
}

bool TIdentTable::ToValue(const AnsiString& ident, int& value) const {
  for (const Entry& entry : entries_) {
    if (ident.CompareIC(entry.name) == 0) {
      value = entry.value;
      return true;
    }
  }
  return false;
}

const char* TIdentTable::NameOf(int value) const {
  for (const Entry& entry : entries_) {
    if (entry.value == value) return entry.name;
  }
  return nullptr;
}

void RegisterFormClass(TClass formClass, std::initializer_list<THandlerInfo> handlers,
                       std::initializer_list<TFieldInfo> fields) {
  RegisterClass(formClass);
  ClassEntry& entry = Classes()[formClass];
  entry.handlers.insert(entry.handlers.end(), handlers.begin(), handlers.end());
  entry.fields.insert(entry.fields.end(), fields.begin(), fields.end());
}

const THandlerInfo* FindFormHandler(TClass formClass, const AnsiString& name) {
  for (TClass c = formClass; c != nullptr; c = c->ClassParent()) {
    if (const ClassEntry* entry = EntryOf(c)) {
      if (const THandlerInfo* found = FindNamed(entry->handlers, name)) return found;
    }
  }
  return nullptr;
}

std::vector<const TFieldInfo*> FormFields(TClass formClass) {
  std::vector<TClass> chain;
  for (TClass c = formClass; c != nullptr; c = c->ClassParent()) chain.insert(chain.begin(), c);
  std::vector<const TFieldInfo*> fields;
  for (TClass c : chain) {
    if (const ClassEntry* entry = EntryOf(c)) {
      for (const TFieldInfo& field : entry->fields) fields.push_back(&field);
    }
  }
  return fields;
}
