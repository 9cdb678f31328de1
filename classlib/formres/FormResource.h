#pragma once
#include "classlib/runtime/Component.h"

// Form resources in the executable: each form file is an RCDATA resource named after
// its form class, with a "FORMFILE" resource of the same name holding the file's name
// for error messages (both made by the build's add_form_resources).

// True when the executable holds the resource of `formClass`.
bool HasFormResource(TClass formClass);
// Reads the resource of `formClass` into `form` (see TFormReader for the order).
// Answers false, reading nothing, when there is none; raises EFormError on a bad one.
bool ReadFormResource(TComponent* form, TClass formClass);
// Reads a form text into `form`; `fileName` names it in errors.
void ReadFormText(TComponent* form, TClass formClass, const AnsiString& text, const AnsiString& fileName);

