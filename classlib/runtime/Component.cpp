#include "classlib/runtime/Component.h"

#include <algorithm>

#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/Format.h"
#include "classlib/runtime/SysUtils.h"

bool IsValidIdent(const AnsiString& name) {
  auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
  if (name.IsEmpty() || !letter(name[1])) return false;
  for (int i = 2; i <= name.Length(); ++i) {
    if (!letter(name[i]) && !(name[i] >= '0' && name[i] <= '9')) return false;
  }
  return true;
}

TComponent::TComponent(TComponent* owner) {
  if (owner != nullptr) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  // Everyone that asked to hear of our end hears it now, and forgets us.
  while (!freeNotifies_.empty()) {
    TComponent* other = freeNotifies_.back();
    freeNotifies_.pop_back();
    std::erase(other->freeNotifies_, this);
    other->Notification(this, opRemove);
  }
  DestroyComponents();
  if (owner_ != nullptr) owner_->RemoveComponent(this);
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount()) throw EListError(Format("List index out of bounds (%d)", {index}));
  return components_[static_cast<size_t>(index)];
}

int TComponent::ComponentIndex() const {
  if (owner_ == nullptr) return -1;
  const auto& siblings = owner_->components_;
  const auto it = std::find(siblings.begin(), siblings.end(), this);
  return it == siblings.end() ? -1 : static_cast<int>(it - siblings.begin());
}

TComponent* TComponent::FindComponent(const AnsiString& name) const {
  if (name.IsEmpty()) return nullptr;
  for (TComponent* c : components_) {
    if (SameText(c->name_, name)) return c;
  }
  return nullptr;
}

void TComponent::SetName(const AnsiString& name) {
  if (name_ == name) return;
  if (!name.IsEmpty() && !IsValidIdent(name))
    throw EComponentError(Format("Component name \"%s\" is not valid", {name}));
  if (owner_ != nullptr) owner_->ValidateRename(this, name_, name);
  name_ = name;
}

void TComponent::ValidateRename(TComponent* component, const AnsiString& current, const AnsiString& name) {
  (void)current;
  TComponent* holder = FindComponent(name);
  if (holder != nullptr && holder != component)
    throw EComponentError(Format("A component named %s already exists", {name}));
}

void TComponent::InsertComponent(TComponent* component) {
  ValidateInsert(component);
  if (component->owner_ == this) return;
  ValidateRename(component, AnsiString(), component->name_);
  if (component->owner_ != nullptr) component->owner_->RemoveComponent(component);  // changes owner
  Insert(component);
  Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  Notification(component, opRemove);
  Remove(component);
}

void TComponent::Insert(TComponent* component) {
  components_.push_back(component);
  component->owner_ = this;
}

void TComponent::Remove(TComponent* component) {
  std::erase(components_, component);
  component->owner_ = nullptr;
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    TComponent* doomed = components_.back();
    Remove(doomed);
    delete doomed;
  }
}

void TComponent::Destroying() {
  if (state_.Contains(csDestroying)) return;
  state_.Include(csDestroying);
  for (TComponent* c : components_) c->Destroying();
}

void TComponent::SetComponentState(TComponentStateFlag flag, bool on) {
  if (on) {
    state_.Include(flag);
  } else {
    state_.Exclude(flag);
  }
}

void TComponent::FreeNotification(TComponent* component) {
  if (component == nullptr || component == this) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end()) {
    freeNotifies_.push_back(component);
  }
  if (std::find(component->freeNotifies_.begin(), component->freeNotifies_.end(), this) ==
      component->freeNotifies_.end()) {
    component->freeNotifies_.push_back(this);
  }
}

void TComponent::RemoveNotification(TComponent* component) { std::erase(freeNotifies_, component); }

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (component == nullptr) return;
  RemoveNotification(component);
  component->RemoveNotification(this);
}

void TComponent::Loaded() { state_.Exclude(csLoading); }

AnsiString TComponent::GetNamePath() const { return name_; }

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove && component != nullptr) RemoveFreeNotification(component);
  // Copy: a handler may free owned components.
  const std::vector<TComponent*> owned = components_;
  for (TComponent* c : owned) {
    if (std::find(components_.begin(), components_.end(), c) != components_.end()) c->Notification(component, operation);
  }
}
