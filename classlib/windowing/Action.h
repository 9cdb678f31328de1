#pragma once
#include <vector>

#include "classlib/runtime/Component.h"
#include "classlib/runtime/Events.h"
#include "classlib/windowing/ShortCut.h"

class TBasicAction;
class TCustomActionList;
class TCustomImageList;

// The tie between an action and one client (a control, a menu item): the client is told
// of each change of the action through the Set* hooks for the properties it still shares
// with the action (Is*Linked).
class TBasicActionLink : public TObject {
  CLASSLIB_CLASS(TBasicActionLink, TObject)
 public:
  using TCreateArgument = TObject*;
  explicit TBasicActionLink(TObject* client) { (void)client; }
  ~TBasicActionLink() override;

  TBasicAction* Action() const { return action_; }
  void SetAction(TBasicAction* action);
  // Runs the action for `target` (the client); false when it has none or did nothing.
  virtual bool Execute(TComponent* target = nullptr);
  virtual bool Update();

  virtual bool IsCaptionLinked() const { return action_ != nullptr; }
  virtual bool IsCheckedLinked() const { return action_ != nullptr; }
  virtual bool IsEnabledLinked() const { return action_ != nullptr; }
  virtual bool IsHintLinked() const { return action_ != nullptr; }
  virtual bool IsImageIndexLinked() const { return action_ != nullptr; }
  virtual bool IsShortCutLinked() const { return action_ != nullptr; }
  virtual bool IsVisibleLinked() const { return action_ != nullptr; }
  virtual bool IsHelpContextLinked() const { return action_ != nullptr; }
  virtual bool IsOnExecuteLinked() const { return action_ != nullptr; }
  virtual void SetCaption(const AnsiString& value) { (void)value; }
  virtual void SetChecked(bool value) { (void)value; }
  virtual void SetEnabled(bool value) { (void)value; }
  virtual void SetHint(const AnsiString& value) { (void)value; }
  virtual void SetImageIndex(int value) { (void)value; }
  virtual void SetShortCut(TShortCut value) { (void)value; }
  virtual void SetVisible(bool value) { (void)value; }
  virtual void SetHelpContext(int value) { (void)value; }
  virtual void SetOnExecute(const TNotifyEvent& value) { (void)value; }

 private:
  friend class TBasicAction;
  TBasicAction* action_ = nullptr;
};

// A command that clients (controls, menu items) share: it runs OnExecute and asks
// OnUpdate for its state; its links are told of each change.
class TBasicAction : public TComponent {
  CLASSLIB_CLASS(TBasicAction, TComponent)
 public:
  explicit TBasicAction(TComponent* owner) : TComponent(owner) {}
  ~TBasicAction() override;

  // Runs OnExecute; false when none is set.
  virtual bool Execute();
  // Runs OnUpdate; false when none is set.
  virtual bool Update();
  TNotifyEvent OnExecute;
  TNotifyEvent OnUpdate;
  // The component that ran the action last (set by a link's Execute).
  TComponent* ActionComponent() const { return actionComponent_; }
  void SetActionComponent(TComponent* component) { actionComponent_ = component; }

  void RegisterChanges(TBasicActionLink* link);
  void UnRegisterChanges(TBasicActionLink* link);
  int ClientCount() const { return static_cast<int>(clients_.size()); }

 protected:
  // Calls `apply` for each link (a copy of the list: a client may unlink meanwhile).
  template <class F>
  void ForEachLink(F apply) {
    for (TBasicActionLink* link : std::vector<TBasicActionLink*>(clients_)) apply(link);
  }
  void Notification(TComponent* component, TOperation operation) override;

 private:
  std::vector<TBasicActionLink*> clients_;
  TComponent* actionComponent_ = nullptr;
};

// An action of an action list with the properties its clients show.
class TCustomAction : public TBasicAction {
  CLASSLIB_CLASS(TCustomAction, TBasicAction)
 public:
  explicit TCustomAction(TComponent* owner) : TBasicAction(owner) {}
  ~TCustomAction() override;

  TCustomActionList* ActionList() const { return actionList_; }
  void SetActionList(TCustomActionList* list);
  int Index() const;

  AnsiString Caption() const { return caption_; }
  void SetCaption(const AnsiString& value);
  bool Checked() const { return checked_; }
  void SetChecked(bool value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  AnsiString Hint() const { return hint_; }
  void SetHint(const AnsiString& value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  int HelpContext() const { return helpContext_; }
  void SetHelpContext(int value);
  // Actions of one group index above 0 are exclusive: checking one unchecks the rest.
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value);
  void SetOnExecute(const TNotifyEvent& value);

  // Brings the state up to date first (its list's OnUpdate, else its own); runs only
  // while enabled: the list's OnExecute may take it, else OnExecute.
  bool Execute() override;
  bool Update() override;

  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;

 private:
  TCustomActionList* actionList_ = nullptr;
  AnsiString caption_;
  bool checked_ = false;
  bool enabled_ = true;
  AnsiString hint_;
  int imageIndex_ = -1;
  TShortCut shortCut_ = 0;
  bool visible_ = true;
  int helpContext_ = 0;
  int groupIndex_ = 0;
};

class TAction : public TCustomAction {
  CLASSLIB_CLASS(TAction, TCustomAction)
 public:
  using TCustomAction::TCustomAction;
};

using TActionEvent = TEvent<TBasicAction*, bool&>;

// A list of actions (owned by the form, listed here): runs their shortcuts and hands
// their execution and updates to OnExecute and OnUpdate first.
class TCustomActionList : public TComponent {
  CLASSLIB_CLASS(TCustomActionList, TComponent)
 public:
  explicit TCustomActionList(TComponent* owner) : TComponent(owner) {}
  ~TCustomActionList() override;

  int ActionCount() const { return static_cast<int>(actions_.size()); }
  TCustomAction* Actions(int index) const { return actions_.at(static_cast<size_t>(index)); }
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* images);

  // Runs the enabled action with this shortcut; true when one ran.
  bool IsShortCut(TShortCut shortCut);
  // Updates every action (OnUpdate of the list first, then each action's).
  void UpdateActions();
  // The list's OnExecute/OnUpdate for `action`: true when it took the action.
  virtual bool ExecuteAction(TBasicAction* action);
  virtual bool UpdateAction(TBasicAction* action);

  TActionEvent OnExecute;
  TActionEvent OnUpdate;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TCustomAction;
  std::vector<TCustomAction*> actions_;
  TCustomImageList* images_ = nullptr;
};

class TActionList : public TCustomActionList {
  CLASSLIB_CLASS(TActionList, TCustomActionList)
 public:
  using TCustomActionList::TCustomActionList;
};

// The link of a TCustomAction: the Is*Linked answers compare the client's state with the
// action's (a client whose own value differs keeps it), the setters reach the client.
class TActionLink : public TBasicActionLink {
  CLASSLIB_CLASS(TActionLink, TBasicActionLink)
 public:
  using TBasicActionLink::TBasicActionLink;

 protected:
  TCustomAction* CustomAction() const { return dynamic_cast<TCustomAction*>(Action()); }
};
