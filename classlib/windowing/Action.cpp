#include "classlib/windowing/Action.h"

#include <algorithm>

#include "classlib/graphics/ImageList.h"

TBasicActionLink::~TBasicActionLink() { SetAction(nullptr); }

void TBasicActionLink::SetAction(TBasicAction* action) {
  if (action == action_) return;
  if (action_ != nullptr) action_->UnRegisterChanges(this);
  action_ = action;
  if (action_ != nullptr) action_->RegisterChanges(this);
}

bool TBasicActionLink::Execute(TComponent* target) {
  if (action_ == nullptr) return false;
  action_->SetActionComponent(target);
  struct TClearOnExit {
    TBasicAction* action;
    ~TClearOnExit() { action->SetActionComponent(nullptr); }
  } clear{action_};
  return action_->Execute();
}

bool TBasicActionLink::Update() { return action_ != nullptr && action_->Update(); }

TBasicAction::~TBasicAction() {
  // The clients drop their links on the free notification that follows.
  for (TBasicActionLink* link : clients_) link->action_ = nullptr;
}

bool TBasicAction::Execute() {
  if (!OnExecute) return false;
  OnExecute(this);
  return true;
}

bool TBasicAction::Update() {
  if (!OnUpdate) return false;
  OnUpdate(this);
  return true;
}

void TBasicAction::RegisterChanges(TBasicActionLink* link) { clients_.push_back(link); }

void TBasicAction::UnRegisterChanges(TBasicActionLink* link) { std::erase(clients_, link); }

void TBasicAction::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == actionComponent_) actionComponent_ = nullptr;
}

TCustomAction::~TCustomAction() { SetActionList(nullptr); }

void TCustomAction::SetActionList(TCustomActionList* list) {
  if (list == actionList_) return;
  if (actionList_ != nullptr) std::erase(actionList_->actions_, this);
  actionList_ = list;
  if (actionList_ != nullptr) actionList_->actions_.push_back(this);
}

int TCustomAction::Index() const {
  if (actionList_ == nullptr) return -1;
  const auto& list = actionList_->actions_;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

TComponent* TCustomAction::GetParentComponent() const { return actionList_; }

void TCustomAction::SetParentComponent(TComponent* parent) {
  if (auto* list = dynamic_cast<TCustomActionList*>(parent)) SetActionList(list);
}

void TCustomAction::SetCaption(const AnsiString& value) {
  if (value == caption_) return;
  ForEachLink([&](TBasicActionLink* link) {
    if (link->IsCaptionLinked()) link->SetCaption(value);
  });
  caption_ = value;
}

void TCustomAction::SetChecked(bool value) {
  if (value == checked_) return;
  ForEachLink([&](TBasicActionLink* link) {
    if (link->IsCheckedLinked()) link->SetChecked(value);
  });
  checked_ = value;
  if (value && groupIndex_ > 0 && actionList_ != nullptr) {
    for (TCustomAction* other : actionList_->actions_) {
      if (other != this && other->groupIndex_ == groupIndex_) other->SetChecked(false);
    }
  }
}

void TCustomAction::SetEnabled(bool value) {
  if (value == enabled_) return;
  ForEachLink([&](TBasicActionLink* link) {
    if (link->IsEnabledLinked()) link->SetEnabled(value);
  });
  enabled_ = value;
}

void TCustomAction::SetHint(const AnsiString& value) {
  if (value == hint_) return;
  ForEachLink([&](TBasicActionLink* link) {
    if (link->IsHintLinked()) link->SetHint(value);
  });
  hint_ = value;
}

void TCustomAction::SetImageIndex(int value) {
  if (value == imageIndex_) return;
  ForEachLink([&](TBasicActionLink* link) {
    if (link->IsImageIndexLinked()) link->SetImageIndex(value);
  });
  imageIndex_ = value;
}

void TCustomAction::SetShortCut(TShortCut value) {
  if (value == shortCut_) return;
  ForEachLink([&](TBasicActionLink* link) {
    if (link->IsShortCutLinked()) link->SetShortCut(value);
  });
  shortCut_ = value;
}

void TCustomAction::SetVisible(bool value) {
  if (value == visible_) return;
  ForEachLink([&](TBasicActionLink* link) {
    if (link->IsVisibleLinked()) link->SetVisible(value);
  });
  visible_ = value;
}

void TCustomAction::SetHelpContext(int value) {
  if (value == helpContext_) return;
  ForEachLink([&](TBasicActionLink* link) {
    if (link->IsHelpContextLinked()) link->SetHelpContext(value);
  });
  helpContext_ = value;
}

void TCustomAction::SetGroupIndex(int value) {
  groupIndex_ = value;
  if (checked_) {
    checked_ = false;
    SetChecked(true);
  }
}

void TCustomAction::SetOnExecute(const TNotifyEvent& value) {
  if (value == OnExecute) return;
  ForEachLink([&](TBasicActionLink* link) {
    if (link->IsOnExecuteLinked()) link->SetOnExecute(value);
  });
  OnExecute = value;
}

bool TCustomAction::Update() {
  if (actionList_ != nullptr && actionList_->UpdateAction(this)) return true;
  return TBasicAction::Update();
}

bool TCustomAction::Execute() {
  Update();
  if (!enabled_) return false;
  if (actionList_ != nullptr && actionList_->ExecuteAction(this)) return true;
  return TBasicAction::Execute();
}

TCustomActionList::~TCustomActionList() {
  while (!actions_.empty()) actions_.back()->SetActionList(nullptr);
}

void TCustomActionList::SetImages(TCustomImageList* images) {
  images_ = images;
  if (images != nullptr) images->FreeNotification(this);
}

void TCustomActionList::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == images_) images_ = nullptr;
}

bool TCustomActionList::IsShortCut(TShortCut shortCut) {
  if (shortCut == scNone) return false;
  for (TCustomAction* action : std::vector<TCustomAction*>(actions_)) {
    if (action->ShortCut() != shortCut) continue;
    action->Update();
    if (!action->Enabled()) return false;
    action->Execute();
    return true;
  }
  return false;
}

void TCustomActionList::UpdateActions() {
  for (TCustomAction* action : std::vector<TCustomAction*>(actions_)) action->Update();
}

bool TCustomActionList::ExecuteAction(TBasicAction* action) {
  bool handled = false;
  OnExecute(action, handled);
  return handled;
}

bool TCustomActionList::UpdateAction(TBasicAction* action) {
  bool handled = false;
  OnUpdate(action, handled);
  return handled;
}
