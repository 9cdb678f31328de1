#pragma once
#include <vector>

#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/Object.h"
#include "classlib/runtime/Sets.h"

enum TComponentStateFlag { csLoading, csReading, csWriting, csDestroying, csDesigning, csAncestor, csUpdating, csInline };
using TComponentState = TSet<TComponentStateFlag>;

enum TOperation { opInsert, opRemove };

// A named part of a tree of ownership: an owner frees the components it owns, names
// are unique among the components of one owner (case ignored), and components that
// asked for free notification are told (Notification opRemove) when this one goes.
class TComponent : public TPersistent {
  CLASSLIB_CLASS(TComponent, TPersistent)
 public:
  // Class references create components with their owner.
  using TCreateArgument = TComponent*;

  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  TComponent* Owner() const { return owner_; }
  const AnsiString& Name() const { return name_; }
  // Renames; raises EComponentError when the name is not an identifier ("Component
  // name "%s" is not valid") or another component of the owner has it ("A component
  // named %s already exists"); the old name stays then.
  virtual void SetName(const AnsiString& name);
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }

  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const;
  // Position among the owner's components, -1 without owner.
  int ComponentIndex() const;
  // The owned component of that name (case ignored), or null.
  TComponent* FindComponent(const AnsiString& name) const;
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);
  // Frees every owned component, the last first.
  void DestroyComponents();
  // Marks this component and its owned ones as being destroyed.
  void Destroying();

  const TComponentState& ComponentState() const { return state_; }
  void SetComponentState(TComponentStateFlag flag, bool on);

  // Asks to be told (Notification opRemove) when `component` is freed; mutual.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  // Streaming support: the parent in the stream's nesting (controls: their parent).
  virtual bool HasParent() const { return false; }
  virtual TComponent* GetParentComponent() const { return nullptr; }
  virtual void SetParentComponent(TComponent* parent) { (void)parent; }
  // Called when streaming in has finished; clears csLoading.
  virtual void Loaded();

  TPersistent* GetOwner() const override { return owner_; }
  AnsiString GetNamePath() const override;

  // `component` was inserted or is being removed (owned component, or one that asked
  // for free notification). The default forgets free notifications of a removed
  // component and passes the news to every owned component.
  virtual void Notification(TComponent* component, TOperation operation);

 protected:
  // Raises when `name` is taken among this owner's components by another component.
  virtual void ValidateRename(TComponent* component, const AnsiString& current, const AnsiString& name);
  virtual void ValidateInsert(TComponent* component) { (void)component; }

 private:
  void Insert(TComponent* component);
  void Remove(TComponent* component);
  void RemoveNotification(TComponent* component);

  TComponent* owner_ = nullptr;
  AnsiString name_;
  int tag_ = 0;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> freeNotifies_;
  TComponentState state_;
};

using TComponentClass = TClass;

// True when `name` is an identifier: a letter or "_" first, then letters, digits or "_".
bool IsValidIdent(const AnsiString& name);
