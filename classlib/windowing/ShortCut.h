#pragma once
#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/WinApi.h"

// A key with its shift state in one number: the virtual key in the low byte, scShift,
// scCtrl and scAlt above it; 0 is no shortcut.
using TShortCut = WORD;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;

// The shortcut of a pressed key with the shift keys held now.
TShortCut ShortCutOfKey(WORD key);
TShortCut MakeShortCut(WORD key, bool shift, bool ctrl, bool alt);
// "Ctrl+B", "Shift+Ctrl+Alt+Del", "F2"; "" for no shortcut.
AnsiString ShortCutToText(TShortCut shortCut);
// The shortcut of such a text (case ignored); 0 when it names none.
TShortCut TextToShortCut(const AnsiString& text);
