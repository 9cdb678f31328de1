#pragma once
#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/Exceptions.h"

// A form resource that cannot be read: names the form class (when known), the file,
// the line and the culprit (property, handler, component or token).
class EFormError : public EReadError {
 public:
  EFormError(const AnsiString& formClass, const AnsiString& fileName, int line, const AnsiString& problem);

  const AnsiString& FormClass() const noexcept { return formClass_; }
  const AnsiString& FileName() const noexcept { return fileName_; }
  int Line() const noexcept { return line_; }
  const AnsiString& Problem() const noexcept { return problem_; }

 private:
  static AnsiString Compose(const AnsiString& formClass, const AnsiString& fileName, int line,
                            const AnsiString& problem);

  AnsiString formClass_;
  AnsiString fileName_;
  int line_;
  AnsiString problem_;
};

// A failure of a single value found while reading; the reader adds the form, file and
// line and turns it into EFormError.
CLASSLIB_EXCEPTION(EFormValueError, EReadError)
