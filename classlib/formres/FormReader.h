#pragma once
#include <functional>
#include <typeindex>
#include <vector>

#include "classlib/formres/FormText.h"
#include "classlib/runtime/Component.h"

class TFormReader;

// Implemented by components that decide where the components read inside them go:
// called before their children are read, it may direct the children's parent (an inner
// pane) or owner through the reader.
class IReadStateHook {
 public:
  virtual ~IReadStateHook() = default;
  virtual void ReadState(TFormReader& reader) = 0;
};

// Builds a form (any root component) from its parsed text:
//  1. creates the components (owner the root, parent the enclosing component), with
//     csLoading and csReading set, and applies their properties in file order;
//  2. fixes the references once the whole text is read (local names, or "Form.name"
//     against the live forms; a form not created yet resolves it when it has loaded);
//  3. calls Loaded per component in creation order (the root first), flags cleared;
//  4. binds the events to the handlers of the form class;
//  5. binds the form class's component fields.
// Any failure raises EFormError naming form class, file, line and culprit, after every
// component created so far has been freed.
class TFormReader {
 public:
  TFormReader(TComponent* root, TClass formClass, const AnsiString& fileName);
  TFormReader(const TFormReader&) = delete;
  TFormReader& operator=(const TFormReader&) = delete;

  void Read(const TFormObject& text);

  // The reader now reading on this thread (the innermost one when a component read
  // makes and reads another form), or null: a component's constructor asks it where
  // it is being read (a splitter's pane finds its splitter as the reader's parent).
  static TFormReader* Current();

  TComponent* Root() const { return root_; }
  const AnsiString& FileName() const { return fileName_; }
  // Where the children now being read go; IReadStateHook::ReadState may redirect them.
  TComponent* Parent() const { return parent_; }
  TComponent* Owner() const { return owner_; }
  void SetParent(TComponent* parent) { parent_ = parent; }
  void SetOwner(TComponent* owner) { owner_ = owner; }

  // Applies properties to an object that is not a component of the form (a collection
  // item, a nested object).
  void ApplyProperties(TPersistent* instance, const std::vector<TFormProperty>& properties);
  // A reference to a component by "name" or "Form.name", set after the whole form is
  // read; `set` answers false when the component is not of the property's class.
  void AddReference(const AnsiString& target, std::function<bool(TComponent*)> set);
  // An event naming a form handler, bound after Loaded; `event` points at a TEvent of
  // the type `eventType`.
  void AddEvent(void* event, std::type_index eventType, const AnsiString& handler);

 private:
  struct Reference {
    AnsiString target;
    std::function<bool(TComponent*)> set;
    int line;
    AnsiString property;
  };
  struct EventBinding {
    void* event;
    std::type_index type;
    AnsiString handler;
    int line;
    AnsiString property;
  };

  void ReadRoot(const TFormObject& text);
  AnsiString UniqueRootName(const AnsiString& name) const;
  void ReadChildren(const TFormObject& text, TComponent* instance);
  TComponent* CreateComponent(const TFormObject& text);
  void ApplyProperty(TPersistent* instance, const TFormProperty& property);
  bool ReadDefined(TPersistent* instance, const AnsiString& name, const TFormValue& value);
  void FixReferences();
  void ResolveReference(const Reference& reference);
  void CallLoaded();
  void BindEvents();
  void BindFields();
  [[noreturn]] void Fail(int line, const AnsiString& problem) const;
  void FreeCreated();

  static thread_local TFormReader* current_;

  TComponent* root_;
  TClass formClass_;
  AnsiString fileName_;
  TComponent* parent_;
  TComponent* owner_;
  int line_ = 0;
  int rootLine_ = 0;
  AnsiString property_;
  std::vector<TComponent*> created_;  // creation order, the root first
  std::vector<Reference> references_;
  std::vector<EventBinding> events_;
};

// Sets the registered property `name` (no path) of `instance` at run time to `value`, as
// reading it from a form resource would, through the class's own setter: the way one
// component pushes settings by name into others. Answers false, setting nothing, when
// the class has no such property; a value of the wrong kind raises EFormValueError.
// Only values that take effect at once are meant (numbers, texts, names, sets, colours):
// references and events wait for a form being read and are not set this way.
bool SetPropertyValue(TPersistent* instance, const AnsiString& name, const TFormValue& value);
