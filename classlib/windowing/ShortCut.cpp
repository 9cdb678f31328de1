#include "classlib/windowing/ShortCut.h"

#include <string>

#include "classlib/runtime/SysUtils.h"

namespace {
struct TKeyName {
  WORD key;
  const char* name;
};

constexpr TKeyName kKeyNames[] = {
    {VK_BACK, "BkSp"},  {VK_TAB, "Tab"},    {VK_ESCAPE, "Esc"}, {VK_RETURN, "Enter"}, {VK_SPACE, "Space"},
    {VK_PRIOR, "PgUp"}, {VK_NEXT, "PgDn"},  {VK_END, "End"},    {VK_HOME, "Home"},    {VK_LEFT, "Left"},
    {VK_UP, "Up"},      {VK_RIGHT, "Right"}, {VK_DOWN, "Down"}, {VK_INSERT, "Ins"},   {VK_DELETE, "Del"},
};

struct TModifier {
  TShortCut flag;
  const char* prefix;
};

constexpr TModifier kModifiers[] = {{scShift, "Shift+"}, {scCtrl, "Ctrl+"}, {scAlt, "Alt+"}};

AnsiString KeyName(WORD key) {
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return AnsiString(static_cast<char>(key));
  if (key >= VK_F1 && key <= VK_F24) return "F" + IntToStr(key - VK_F1 + 1);
  for (const TKeyName& entry : kKeyNames) {
    if (entry.key == key) return entry.name;
  }
  return AnsiString();
}
}  // namespace

TShortCut MakeShortCut(WORD key, bool shift, bool ctrl, bool alt) {
  if ((key & 0xFF00) != 0) return scNone;
  TShortCut result = key;
  if (shift) result |= scShift;
  if (ctrl) result |= scCtrl;
  if (alt) result |= scAlt;
  return result;
}

TShortCut ShortCutOfKey(WORD key) {
  return MakeShortCut(key, GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_MENU) < 0);
}

AnsiString ShortCutToText(TShortCut shortCut) {
  const AnsiString name = KeyName(static_cast<WORD>(shortCut & 0xFF));
  if (name.IsEmpty()) return AnsiString();
  AnsiString text;
  for (const TModifier& modifier : kModifiers) {
    if ((shortCut & modifier.flag) != 0) text += modifier.prefix;
  }
  return text + name;
}

TShortCut TextToShortCut(const AnsiString& text) {
  AnsiString rest = text;
  TShortCut flags = 0;
  for (bool found = true; found;) {
    found = false;
    for (const TModifier& modifier : kModifiers) {
      const int length = static_cast<int>(std::char_traits<char>::length(modifier.prefix));
      if (rest.Length() > length && SameText(rest.SubString(1, length), modifier.prefix)) {
        flags |= modifier.flag;
        rest = rest.SubString(length + 1, rest.Length() - length);
        found = true;
      }
    }
  }
  for (WORD key = 1; key < 0x100; ++key) {
    if (const AnsiString name = KeyName(key); !name.IsEmpty() && SameText(name, rest)) return flags | key;
  }
  return scNone;
}
