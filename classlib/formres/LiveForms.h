#pragma once
#include <functional>

#include "classlib/runtime/Component.h"

// The forms read from resources that are alive, by name, for references between forms
// ("ResourceForm.MainSkinData"). A reference to a form that does not exist yet waits
// until a form of that name has loaded; it is dropped when its own form goes first.

// The live form of that name (case ignored), or null.
TComponent* FindLiveForm(const AnsiString& name);
// Enters a form that has just loaded and resolves the references waiting for it.
void AddLiveForm(TComponent* form);
// Keeps a reference of `waitingForm` to `componentName` of the form `formName` until
// that form loads; `set` answers false when the component found is of another class.
void AddWaitingReference(TComponent* waitingForm, const AnsiString& formName, const AnsiString& componentName,
                         std::function<bool(TComponent*)> set);
