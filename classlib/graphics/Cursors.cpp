#include "classlib/graphics/Cursors.h"

#include <mutex>

TCursorTable::~TCursorTable() {
  for (auto& [cursor, handle] : cursors_) DestroyCursor(handle);
}

HCURSOR TCursorTable::BuiltIn(TCursor cursor, bool& known) {
  // The drag, split and wait cursors have no system cursor of their own: the nearest
  // system cursor stands in.
  const char* id = nullptr;
  switch (cursor) {
    case crDefault: case crArrow: case crDrag: case crMultiDrag: id = IDC_ARROW; break;
    case crCross: id = IDC_CROSS; break;
    case crIBeam: id = IDC_IBEAM; break;
    case crSizeNESW: id = IDC_SIZENESW; break;
    case crSizeNS: case crVSplit: id = IDC_SIZENS; break;
    case crSizeNWSE: id = IDC_SIZENWSE; break;
    case crSizeWE: case crHSplit: id = IDC_SIZEWE; break;
    case crUpArrow: id = IDC_UPARROW; break;
    case crHourGlass: case crSQLWait: id = IDC_WAIT; break;
    case crNoDrop: case crNo: id = IDC_NO; break;
    case crAppStart: id = IDC_APPSTARTING; break;
    case crHelp: id = IDC_HELP; break;
    case crHandPoint: id = IDC_HAND; break;
    case crSizeAll: id = IDC_SIZEALL; break;
    case crNone: known = true; return nullptr;
    default: known = false; return nullptr;
  }
  known = true;
  return LoadCursorA(nullptr, id);
}

HCURSOR TCursorTable::Get(TCursor cursor) {
  {
    std::lock_guard guard(lock_);
    auto it = cursors_.find(cursor);
    if (it != cursors_.end()) return it->second;
  }
  bool known = false;
  HCURSOR handle = BuiltIn(cursor, known);
  return known ? handle : LoadCursorA(nullptr, IDC_ARROW);
}

void TCursorTable::Set(TCursor cursor, HCURSOR handle) {
  HCURSOR old = nullptr;
  {
    std::lock_guard guard(lock_);
    auto it = cursors_.find(cursor);
    if (it != cursors_.end()) {
      old = it->second;
      cursors_.erase(it);
    }
    if (handle != nullptr) cursors_[cursor] = handle;
  }
  if (old != nullptr && old != handle) DestroyCursor(old);
}
