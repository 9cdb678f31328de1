#include "classlib/formres/FormError.h"

#include "classlib/runtime/SysUtils.h"

EFormError::EFormError(const AnsiString& formClass, const AnsiString& fileName, int line,
                       const AnsiString& problem)
    : EReadError(Compose(formClass, fileName, line, problem)),
      formClass_(formClass),
      fileName_(fileName),
      line_(line),
      problem_(problem) {}

AnsiString EFormError::Compose(const AnsiString& formClass, const AnsiString& fileName, int line,
                               const AnsiString& problem) {
  AnsiString where = fileName + "(" + IntToStr(line) + ")";
  if (!formClass.IsEmpty()) where += AnsiString(", form ") + formClass;
  return where + ": " + problem;
}
