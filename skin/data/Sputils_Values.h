#pragma once
#include <utility>
#include <vector>

#include "classlib/graphics/GraphicsObjects.h"
#include "classlib/graphics/Types.h"
#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/IniFiles.h"
#include "classlib/runtime/Strings.h"

// Value kinds of a skin description and how each is written as INI text and read back.
// Readers take the INI object, a section and a key and fall back to a fixed value when
// the key is missing; writers take the value last. Words ("stfull", "fsbold", ...) are
// compared with case; section and key names are not (the INI object's rule).

enum TspStretchType : unsigned char { spstFull, spstHorz, spstVert };
enum TMorphKind : unsigned char { mkDefault, mkGradient, mkLeftGradient, mkRightGradient, mkLeftSlide, mkRightSlide, mkPush };
enum TspInActiveEffect : unsigned char { ieBrightness, ieDarkness, ieGrayScale, ieNoise, ieSplitBlur, ieInvert };

// The words of an enumeration: each value's word, and the value that any other text reads as.
template <class E>
struct TspWords {
  std::vector<std::pair<const char*, E>> Words;
  E Unknown;

  const char* WordOf(E value) const {
    for (const auto& [word, v] : Words) {
      if (v == value) return word;
    }
    return "";
  }
  E ValueOf(const AnsiString& text) const {
    for (const auto& [word, v] : Words) {
      if (text == word) return v;
    }
    return Unknown;
  }
};

// Reads the word under the key (the word of `missing` when the key is missing).
template <class E>
E ReadWord(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key, const TspWords<E>& words, E missing) {
  return words.ValueOf(ini->ReadString(section, key, words.WordOf(missing)));
}

template <class E>
void WriteWord(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key, const TspWords<E>& words, E value) {
  ini->WriteString(section, key, words.WordOf(value));
}

const TspWords<TAlignment>& AlignmentWords();
const TspWords<TspStretchType>& StretchTypeWords();
const TspWords<TMorphKind>& MorphKindWords();
const TspWords<TspInActiveEffect>& InActiveEffectWords();

int ReadInteger(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key, int fallback);
void WriteInteger(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key, int value);

// True only for an integer value of exactly 1; written as 1 or 0.
bool ReadBoolean(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key);
void WriteBoolean(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key, bool value);

// Points ("x,y") and rectangles ("left,top,right,bottom") keep only the digits of each
// field, so a written -5 reads back as 5; a field without digits raises EConvertError.
TPoint GetPoint(const AnsiString& text);
TRect GetRect(const AnsiString& text);
AnsiString SetRect(const TRect& rect);
TPoint ReadPoint(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key);
void WritePoint(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key, const TPoint& value);
TRect ReadRect(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key);
void WriteRect(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key, const TRect& value);

// A style is set when its word ("fsbold", ...) occurs anywhere in the text.
TFontStyles ReadFontStyles(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key);
void WriteFontStyles(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key, const TFontStyles& value);

TAlignment ReadAlignment(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key);
void WriteAlignment(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key, TAlignment value);
TspStretchType ReadStretchType(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key);
void WriteStretchType(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key, TspStretchType value);
TMorphKind ReadMorphKind(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key);
void WriteMorphKind(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key, TMorphKind value);
TspInActiveEffect ReadInActiveEffect(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key);
void WriteInActiveEffect(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key, TspInActiveEffect value);

// Line list: the count under key + "linecount", line i under key + "line" + i. The
// reader appends to `strings` without clearing it.
void ReadStrings(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key, TStrings* strings);
void WriteStrings(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key, const TStrings* strings);
// Numbered list: the count under key + "count", item i under the bare number i.
void ReadStrings1(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key, TStrings* strings);
void WriteStrings1(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key, const TStrings* strings);

// True when the sections VERSION, PICTURES, FORMINFO, SKINOBJECTS and SKINCONTROLS
// each hold at least one key.
bool CheckSkinSections(TCustomIniFile* ini);
