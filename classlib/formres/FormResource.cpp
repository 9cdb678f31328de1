#include "classlib/formres/FormResource.h"

#include "classlib/formres/FormError.h"
#include "classlib/formres/FormReader.h"
#include "classlib/formres/FormText.h"
#include "classlib/runtime/Streams.h"

namespace {

constexpr const char* kFileNameType = "FORMFILE";

bool HasResource(const AnsiString& name, const char* type) {
  return FindResourceA(GetModuleHandleA(nullptr), name.c_str(), type) != nullptr;
}

AnsiString ResourceText(const AnsiString& name, const char* type) {
  TResourceStream stream(GetModuleHandleA(nullptr), name, type);
  AnsiString text;
  text.SetLength(static_cast<int>(stream.Size()));
  if (text.Length() > 0) stream.ReadBuffer(text.WritableBuffer(), text.Length());
  return text;
}

// The file name is stored with its terminating zero.
AnsiString FormFileName(TClass formClass) {
  AnsiString name = formClass->ClassName();
  if (!HasResource(name, kFileNameType)) return name + ".form";
  return AnsiString(ResourceText(name, kFileNameType).c_str());
}

}  // namespace

bool HasFormResource(TClass formClass) {
  return HasResource(formClass->ClassName(), MAKEINTRESOURCEA(10));  // RT_RCDATA
}

bool ReadFormResource(TComponent* form, TClass formClass) {
  if (!HasFormResource(formClass)) return false;
  ReadFormText(form, formClass, ResourceText(formClass->ClassName(), MAKEINTRESOURCEA(10)), FormFileName(formClass));
  return true;
}

void ReadFormText(TComponent* form, TClass formClass, const AnsiString& text, const AnsiString& fileName) {
  TFormObject parsed;
  try {
    parsed = ParseFormText(text, fileName);
  } catch (EFormError& e) {
    throw EFormError(formClass->ClassName(), e.FileName(), e.Line(), e.Problem());
  }
  TFormReader reader(form, formClass, fileName);
  reader.Read(parsed);
}
