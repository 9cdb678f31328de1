#pragma once
#include <exception>
#include <source_location>

#include "classlib/runtime/AnsiString.h"

// The class library's failures: every one is an `Exception` carrying its message.
class Exception : public std::exception {
 public:
  explicit Exception(const AnsiString& message) : message_(message) {}
  const AnsiString& Message() const noexcept { return message_; }
  void SetMessage(const AnsiString& message) { message_ = message; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  AnsiString message_;
};

#define CLASSLIB_EXCEPTION(Name, Base)                  \
  class Name : public Base {                            \
   public:                                              \
    explicit Name(const AnsiString& message) : Base(message) {} \
  };

// The silent exception: it ends an operation without any notice to the user.
CLASSLIB_EXCEPTION(EAbort, Exception)
CLASSLIB_EXCEPTION(EConvertError, Exception)
CLASSLIB_EXCEPTION(EListError, Exception)
CLASSLIB_EXCEPTION(EStringListError, Exception)
CLASSLIB_EXCEPTION(EComponentError, Exception)
CLASSLIB_EXCEPTION(EClassNotFound, Exception)
CLASSLIB_EXCEPTION(EInvalidOperation, Exception)
CLASSLIB_EXCEPTION(EInvalidPointer, Exception)
CLASSLIB_EXCEPTION(EInvalidCast, Exception)  // "Invalid class typecast"
CLASSLIB_EXCEPTION(EOutOfResources, Exception)
CLASSLIB_EXCEPTION(EInOutError, Exception)
CLASSLIB_EXCEPTION(EOSError, Exception)
CLASSLIB_EXCEPTION(EThread, Exception)
CLASSLIB_EXCEPTION(EStreamError, Exception)
CLASSLIB_EXCEPTION(EFileStreamError, EStreamError)
CLASSLIB_EXCEPTION(EFCreateError, EFileStreamError)
CLASSLIB_EXCEPTION(EFOpenError, EFileStreamError)
CLASSLIB_EXCEPTION(EReadError, EStreamError)
CLASSLIB_EXCEPTION(EWriteError, EStreamError)
CLASSLIB_EXCEPTION(EResNotFound, Exception)
CLASSLIB_EXCEPTION(EIniFileException, Exception)
CLASSLIB_EXCEPTION(EMaskException, Exception)
// A grid asked to change its rows or columns in a way it cannot.
CLASSLIB_EXCEPTION(EInvalidGridOperation, Exception)
// A path that names nothing the operation can use.
CLASSLIB_EXCEPTION(EInvalidPath, Exception)

// A failed COM call: the result it answered, with the system's text for it.
class EOleError : public Exception {
 public:
  EOleError(const AnsiString& message, long errorCode) : Exception(message), errorCode_(errorCode) {}
  long ErrorCode() const noexcept { return errorCode_; }

 private:
  long errorCode_;
};

// Raises EOleError for a failed COM result (negative HRESULT); answers it otherwise.
long OleCheck(long result);

// An assertion failure: the message followed by the source file and line.
class EAssertionFailed : public Exception {
 public:
  EAssertionFailed(const AnsiString& message, const AnsiString& unit, int line);
  const AnsiString& Unit() const noexcept { return unit_; }
  int Line() const noexcept { return line_; }

 private:
  AnsiString unit_;
  int line_;
};

// Raises the silent EAbort.
[[noreturn]] void Abort();

// Raises EAssertionFailed when `condition` is false; checked in every build.
void Assert(bool condition, const AnsiString& message = "Assertion failed",
            const std::source_location& where = std::source_location::current());

// Raises EOSError for the calling thread's last system error code.
[[noreturn]] void RaiseLastOSError();
// The system's text for an error code, without the trailing line break.
AnsiString SysErrorMessage(unsigned long code);

// Exceptions caught where they must not travel further (window procedures, the
// threads' entry) go to one handler; the application object installs its own.
using TExceptionHandler = void (*)(const std::exception_ptr& error);
void SetExceptionHandler(TExceptionHandler handler);
// Passes the exception being handled (std::current_exception()) to the handler;
// EAbort is dropped silently.
void HandleException(const std::exception_ptr& error);
// The message of any exception: Message() of ours, what() of the others.
AnsiString ExceptionMessage(const std::exception_ptr& error);
