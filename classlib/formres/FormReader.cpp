#include "classlib/formres/FormReader.h"

#include "classlib/formres/ClassProperties.h"
#include "classlib/formres/Filer.h"
#include "classlib/formres/FormError.h"
#include "classlib/formres/LiveForms.h"
#include "classlib/runtime/SysUtils.h"

TFormReader::TFormReader(TComponent* root, TClass formClass, const AnsiString& fileName)
    : root_(root), formClass_(formClass), fileName_(fileName), parent_(root), owner_(root) {}

void TFormReader::Fail(int line, const AnsiString& problem) const {
  throw EFormError(formClass_ != nullptr ? formClass_->ClassName() : AnsiString(), fileName_, line, problem);
}

thread_local TFormReader* TFormReader::current_ = nullptr;

TFormReader* TFormReader::Current() { return current_; }

void TFormReader::Read(const TFormObject& text) {
  struct CurrentScope {
    explicit CurrentScope(TFormReader* reader) : previous(current_) { current_ = reader; }
    ~CurrentScope() { current_ = previous; }
    TFormReader* previous;
  } scope(this);
  try {
    ReadRoot(text);
    FixReferences();
    CallLoaded();
    BindEvents();
    BindFields();
  } catch (const EFormError&) {
    FreeCreated();
    throw;
  } catch (const Exception& e) {
    FreeCreated();
    AnsiString culprit = property_.IsEmpty() ? AnsiString() : "property " + property_ + ": ";
    Fail(line_, culprit + e.Message());
  } catch (...) {
    FreeCreated();
    throw;
  }
  AddLiveForm(root_);
}

// Frees what the reading made, the last made first; the root belongs to its creator.
void TFormReader::FreeCreated() {
  for (size_t i = created_.size(); i > 1; --i) delete created_[i - 1];
  created_.clear();
  root_->SetComponentState(csReading, false);
  root_->SetComponentState(csLoading, false);
}

void TFormReader::ReadRoot(const TFormObject& text) {
  line_ = text.line;
  rootLine_ = text.line;
  if (formClass_ != nullptr && text.className.CompareIC(formClass_->ClassName()) != 0) {
    Fail(text.line, "the text describes " + text.className + ", not " + formClass_->ClassName());
  }
  created_.push_back(root_);
  root_->SetComponentState(csLoading, true);
  root_->SetComponentState(csReading, true);
  if (root_->Name().IsEmpty()) root_->SetName(UniqueRootName(text.name));
  ApplyProperties(root_, text.properties);
  ReadChildren(text, root_);
}

// A second form of the same class beside the first (same owner) is named Name_1, ...
AnsiString TFormReader::UniqueRootName(const AnsiString& name) const {
  TComponent* owner = root_->Owner();
  AnsiString candidate = name;
  for (int i = 1; owner != nullptr && owner->FindComponent(candidate) != nullptr; ++i) {
    candidate = name + "_" + IntToStr(i);
  }
  return candidate;
}

void TFormReader::ReadChildren(const TFormObject& text, TComponent* instance) {
  TComponent* savedParent = parent_;
  TComponent* savedOwner = owner_;
  parent_ = instance;
  if (auto* hook = dynamic_cast<IReadStateHook*>(instance)) hook->ReadState(*this);
  for (const TFormObject& child : text.children) {
    TComponent* component = CreateComponent(child);
    ApplyProperties(component, child.properties);
    ReadChildren(child, component);
  }
  parent_ = savedParent;
  owner_ = savedOwner;
}

TComponent* TFormReader::CreateComponent(const TFormObject& text) {
  line_ = text.line;
  property_ = AnsiString();
  TClass componentClass = GetClass(text.className);
  if (componentClass == nullptr) Fail(text.line, "class " + text.className + " not found (component " + text.name + ")");
  if (!componentClass->InheritsFrom(TComponent::StaticClass()) || !componentClass->CanCreate()) {
    Fail(text.line, "class " + text.className + " cannot be created as a component (component " + text.name + ")");
  }
  auto* component = static_cast<TComponent*>(componentClass->Create(owner_));
  created_.push_back(component);
  component->SetComponentState(csLoading, true);
  component->SetComponentState(csReading, true);
  component->SetName(text.name);
  if (component->HasParent() && parent_ != nullptr) component->SetParentComponent(parent_);
  return component;
}

void TFormReader::ApplyProperties(TPersistent* instance, const std::vector<TFormProperty>& properties) {
  for (const TFormProperty& property : properties) ApplyProperty(instance, property);
}

// Asked anew for each value: an object read earlier may have been freed and another
// made at its address (collection items are replaced).
bool TFormReader::ReadDefined(TPersistent* instance, const AnsiString& name, const TFormValue& value) {
  TFiler filer(*this);
  instance->DefineProperties(&filer);
  return filer.ReadDefined(name, value);
}

// Walks a path ("Font.Style") through object properties, then sets the last part, or
// hands the value to what the class defined in DefineProperties.
void TFormReader::ApplyProperty(TPersistent* instance, const TFormProperty& property) {
  line_ = property.line;
  property_ = property.name;
  std::string path = property.name.str();
  TPersistent* target = instance;
  size_t start = 0;
  for (size_t dot = path.find('.'); dot != std::string::npos; dot = path.find('.', start)) {
    AnsiString part = path.substr(start, dot - start);
    const TPropertyInfo* info = FindClassProperty(target->ClassType(), part);
    if (info == nullptr || !info->object) Fail(property.line, "property " + property.name + " does not exist");
    target = info->object(target);
    start = dot + 1;
  }
  AnsiString last = path.substr(start);
  try {
    if (const TPropertyInfo* info = FindClassProperty(target->ClassType(), last); info != nullptr && info->apply) {
      info->apply(target, property.value, *this);
    } else if (!ReadDefined(target, last, property.value)) {
      Fail(property.line, "property " + property.name + " does not exist");
    }
  } catch (const EFormValueError& e) {
    Fail(line_, "property " + property.name + ": " + e.Message());
  }
  line_ = property.line;
  property_ = property.name;
}

void TFormReader::AddReference(const AnsiString& target, std::function<bool(TComponent*)> set) {
  references_.push_back({target, std::move(set), line_, property_});
}

void TFormReader::AddEvent(void* event, std::type_index eventType, const AnsiString& handler) {
  events_.push_back({event, eventType, handler, line_, property_});
}

void TFormReader::FixReferences() {
  for (const Reference& reference : references_) {
    line_ = reference.line;
    property_ = reference.property;
    ResolveReference(reference);
  }
}

void TFormReader::ResolveReference(const Reference& reference) {
  int dot = reference.target.Pos(".");
  AnsiString formName = dot > 0 ? reference.target.SubString(1, dot - 1) : AnsiString();
  AnsiString name = dot > 0 ? reference.target.SubString(dot + 1, reference.target.Length() - dot) : reference.target;
  TComponent* form = root_;
  if (dot > 0 && formName.CompareIC(root_->Name()) != 0) {
    form = FindLiveForm(formName);
    if (form == nullptr) {
      AddWaitingReference(root_, formName, name, reference.set);
      return;
    }
  }
  TComponent* component = form->FindComponent(name);
  if (component == nullptr && form == root_ && name.CompareIC(root_->Name()) == 0) component = root_;
  if (component == nullptr) {
    Fail(reference.line, "property " + reference.property + ": component " + reference.target + " not found");
  }
  if (!reference.set(component)) {
    Fail(reference.line, "property " + reference.property + ": component " + reference.target + " is a " +
                             component->ClassName() + ", of the wrong class");
  }
}

void TFormReader::CallLoaded() {
  property_ = AnsiString();
  for (TComponent* component : created_) component->SetComponentState(csReading, false);
  for (TComponent* component : created_) component->Loaded();
}

void TFormReader::BindEvents() {
  for (const EventBinding& binding : events_) {
    line_ = binding.line;
    property_ = binding.property;
    const THandlerInfo* handler = FindFormHandler(formClass_ != nullptr ? formClass_ : root_->ClassType(), binding.handler);
    if (handler == nullptr) {
      Fail(binding.line, "property " + binding.property + ": handler " + binding.handler + " not found");
    }
    if (handler->eventType != binding.type) {
      Fail(binding.line, "property " + binding.property + ": handler " + binding.handler +
                             " does not fit the event's type");
    }
    handler->bind(root_, binding.event);
  }
}

void TFormReader::BindFields() {
  property_ = AnsiString();
  if (formClass_ == nullptr) return;
  for (const TFieldInfo* field : FormFields(formClass_)) {
    TComponent* component = root_->FindComponent(field->name);
    if (component == nullptr) Fail(rootLine_, "field " + field->name + ": no component of that name");
    if (!field->bind(root_, component)) {
      Fail(rootLine_, "field " + field->name + ": the component is a " + component->ClassName() + ", not a " +
                  field->className);
    }
  }
}

bool SetPropertyValue(TPersistent* instance, const AnsiString& name, const TFormValue& value) {
  const TPropertyInfo* info = FindClassProperty(instance->ClassType(), name);
  if (info == nullptr || !info->apply) return false;
  TFormReader detached(nullptr, nullptr, AnsiString());
  info->apply(instance, value, detached);
  return true;
}
