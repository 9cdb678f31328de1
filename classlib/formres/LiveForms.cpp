#include "classlib/formres/LiveForms.h"

#include <algorithm>
#include <vector>

namespace {

// Watches the live forms and the forms whose references wait, and forgets each when
// it is freed.
class TLiveFormList : public TComponent {
 public:
  TLiveFormList() : TComponent(nullptr) {}

  struct Waiting {
    TComponent* form;
    AnsiString formName;
    AnsiString componentName;
    std::function<bool(TComponent*)> set;
  };

  std::vector<TComponent*> forms;
  std::vector<Waiting> waiting;

  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation != opRemove) return;
    std::erase(forms, component);
    std::erase_if(waiting, [component](const Waiting& w) { return w.form == component; });
  }
};

TLiveFormList& List() {
  static TLiveFormList* list = new TLiveFormList();  // lives as long as the process
  return *list;
}

}  // namespace

TComponent* FindLiveForm(const AnsiString& name) {
  for (TComponent* form : List().forms) {
    if (form->Name().CompareIC(name) == 0) return form;
  }
  return nullptr;
}

void AddLiveForm(TComponent* form) {
  TLiveFormList& list = List();
  if (std::find(list.forms.begin(), list.forms.end(), form) == list.forms.end()) {
    list.forms.push_back(form);
    list.FreeNotification(form);
  }
  // A waiting reference whose component is missing or of another class stays unset.
  std::vector<TLiveFormList::Waiting> resolved;
  std::erase_if(list.waiting, [&](const TLiveFormList::Waiting& w) {
    if (w.formName.CompareIC(form->Name()) != 0) return false;
    resolved.push_back(w);
    return true;
  });
  for (const TLiveFormList::Waiting& w : resolved) {
    if (TComponent* component = form->FindComponent(w.componentName)) w.set(component);
  }
}

void AddWaitingReference(TComponent* waitingForm, const AnsiString& formName, const AnsiString& componentName,
                         std::function<bool(TComponent*)> set) {
  List().waiting.push_back({waitingForm, formName, componentName, std::move(set)});
  List().FreeNotification(waitingForm);
}
