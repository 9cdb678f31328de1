#pragma once
#include <cstdint>
#include <map>

#include "classlib/runtime/SyncObjs.h"
#include "classlib/runtime/WinApi.h"

// A cursor number: 0 and the negative numbers are built in, positive numbers are free
// for the program's own cursors.
using TCursor = int16_t;

constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;
constexpr TCursor crSize = crSizeAll;

// The table of cursors by number. Built-in numbers give system cursors (crNone gives
// no cursor); Set stores a program cursor (the table owns and destroys it), Set with a
// null handle removes the entry, and a number without an entry gives the arrow.
// Safe to use from any thread.
class TCursorTable {
 public:
  TCursorTable() = default;
  ~TCursorTable();
  TCursorTable(const TCursorTable&) = delete;
  TCursorTable& operator=(const TCursorTable&) = delete;

  HCURSOR Get(TCursor cursor);
  void Set(TCursor cursor, HCURSOR handle);

 private:
  static HCURSOR BuiltIn(TCursor cursor, bool& known);

  TCriticalSection lock_;
  std::map<TCursor, HCURSOR> cursors_;
};
