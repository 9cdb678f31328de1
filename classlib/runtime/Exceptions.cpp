#include "classlib/runtime/Exceptions.h"

#include <atomic>
#include <cstdio>

#include "classlib/runtime/WinApi.h"

EAssertionFailed::EAssertionFailed(const AnsiString& message, const AnsiString& unit, int line)
    : Exception(message + " (" + unit + ", line " + AnsiString(std::to_string(line)) + ")"),
      unit_(unit),
      line_(line) {}

void Abort() { throw EAbort("Operation aborted"); }

void Assert(bool condition, const AnsiString& message, const std::source_location& where) {
  if (!condition) throw EAssertionFailed(message, where.file_name(), static_cast<int>(where.line()));
}

AnsiString SysErrorMessage(unsigned long code) {
  char buffer[512] = {};
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                buffer, sizeof buffer, nullptr);
  while (length > 0 && (buffer[length - 1] == '\n' || buffer[length - 1] == '\r' || buffer[length - 1] == ' '))
    --length;
  return AnsiString(buffer, static_cast<int>(length));
}

void RaiseLastOSError() {
  const DWORD code = GetLastError();
  throw EOSError("System Error.  Code: " + AnsiString(std::to_string(code)) + ".\r\n" + SysErrorMessage(code));
}

long OleCheck(long result) {
  if (result >= 0) return result;
  AnsiString message = SysErrorMessage(static_cast<unsigned long>(result));
  if (message.IsEmpty()) {
    char code[32];
    std::snprintf(code, sizeof code, "OLE error %08lX", static_cast<unsigned long>(result));
    message = code;
  }
  throw EOleError(message, result);
}

namespace {
void DefaultExceptionHandler(const std::exception_ptr& error) {
  OutputDebugStringA(ExceptionMessage(error).c_str());
}

std::atomic<TExceptionHandler> g_handler{&DefaultExceptionHandler};
}  // namespace

void SetExceptionHandler(TExceptionHandler handler) {
  g_handler.store(handler != nullptr ? handler : &DefaultExceptionHandler);
}

AnsiString ExceptionMessage(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const Exception& e) {
    return e.Message();
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "Unknown exception";
  }
}

void HandleException(const std::exception_ptr& error) {
  if (!error) return;
  try {
    std::rethrow_exception(error);
  } catch (const EAbort&) {
    return;
  } catch (...) {
  }
  try {
    g_handler.load()(error);
  } catch (...) {
    // A failing handler must not take the caller (a window procedure, a thread) down.
  }
}
