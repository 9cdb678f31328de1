#pragma once
#include "classlib/runtime/Events.h"
#include "classlib/runtime/WinApi.h"

// A window message as the class library's window methods receive it; the method sets
// Result (for messages it does not handle, to DefWindowProc's answer).
struct TMessage {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  LRESULT Result;
};

// A window procedure that is a method of an object.
using TWndMethod = TEvent<TMessage&>;
