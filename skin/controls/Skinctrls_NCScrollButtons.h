#pragma once
// What the scroll panel and the tool bar share about the two scroll buttons they keep in
// their window's non-client area at the ends of the scrolling axis: the hit-test answers,
// which button a hit names, the hit test itself and the request to size the frame again.
#include "classlib/runtime/WinApi.h"

#include "classlib/graphics/Types.h"

// Hit-test answers of the two scroll buttons (back, forward).
constexpr LRESULT HTSCROLLBACK = 119;
constexpr LRESULT HTSCROLLFORWARD = 120;

// The button (0 back, 1 forward) of a hit-test answer, or -1.
inline int ScrollButtonOfHit(WPARAM hit) {
  if (static_cast<LRESULT>(hit) == HTSCROLLBACK) return 0;
  if (static_cast<LRESULT>(hit) == HTSCROLLFORWARD) return 1;
  return -1;
}

// The signed screen point packed in a mouse message's lParam.
inline TPoint MessageScreenPoint(LPARAM lParam) {
  return TPoint{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

// The hit answer of a client coordinate along the axis: before the client area the back
// button, from its end on the forward button, else 0 (no button; also while hidden).
inline LRESULT ScrollButtonHit(bool visible, int along, int clientExtent) {
  if (!visible) return 0;
  if (along < 0) return HTSCROLLBACK;
  if (along >= clientExtent) return HTSCROLLFORWARD;
  return 0;
}

// Has the system ask the window for its non-client size again (WM_NCCALCSIZE).
inline void RecalcFrame(HWND window) {
  SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
