#include "skin/data/Sputils_Values.h"

#include <array>

#include "classlib/runtime/SysUtils.h"

namespace {

constexpr std::array<std::pair<const char*, TFontStyle>, 4> kStyleWords = {
    {{"fsbold", fsBold}, {"fsitalic", fsItalic}, {"fsunderline", fsUnderline}, {"fsstrikeout", fsStrikeOut}}};

// The digits of each comma-separated field, every other character dropped; fields past
// `count` are ignored. A field without digits fails the conversion.
template <size_t N>
std::array<LONG, N> DigitFields(const AnsiString& text) {
  std::array<AnsiString, N> fields;
  size_t field = 0;
  for (int i = 1; i <= text.Length(); ++i) {
    char c = text[i];
    if (c == ',') {
      ++field;
    } else if (c >= '0' && c <= '9' && field < N) {
      fields[field] += c;
    }
  }
  std::array<LONG, N> values{};
  for (size_t i = 0; i < N; ++i) values[i] = StrToInt(fields[i]);
  return values;
}

}  // namespace

const TspWords<TAlignment>& AlignmentWords() {
  static const TspWords<TAlignment> words{
      {{"taleftjustify", taLeftJustify}, {"tarightjustify", taRightJustify}, {"tacenter", taCenter}}, taRightJustify};
  return words;
}

const TspWords<TspStretchType>& StretchTypeWords() {
  static const TspWords<TspStretchType> words{{{"stfull", spstFull}, {"sthorz", spstHorz}, {"stvert", spstVert}},
                                              spstHorz};
  return words;
}

const TspWords<TMorphKind>& MorphKindWords() {
  static const TspWords<TMorphKind> words{{{"mkdefault", mkDefault},
                                           {"mkgradient", mkGradient},
                                           {"mkleftgradient", mkLeftGradient},
                                           {"mkrightgradient", mkRightGradient},
                                           {"mkleftslide", mkLeftSlide},
                                           {"mkrightslide", mkRightSlide},
                                           {"mkpush", mkPush}},
                                          mkDefault};
  return words;
}

const TspWords<TspInActiveEffect>& InActiveEffectWords() {
  static const TspWords<TspInActiveEffect> words{{{"iebrightness", ieBrightness},
                                                  {"iedarkness", ieDarkness},
                                                  {"iegrayscale", ieGrayScale},
                                                  {"ienoise", ieNoise},
                                                  {"iesplitblur", ieSplitBlur},
                                                  {"ieinvert", ieInvert}},
                                                 ieGrayScale};
  return words;
}

int ReadInteger(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key, int fallback) {
  return ini->ReadInteger(section, key, fallback);
}

void WriteInteger(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key, int value) {
  ini->WriteInteger(section, key, value);
}

bool ReadBoolean(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key) {
  return ini->ReadInteger(section, key, 0) == 1;
}

void WriteBoolean(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key, bool value) {
  ini->WriteInteger(section, key, value ? 1 : 0);
}

TPoint GetPoint(const AnsiString& text) {
  std::array<LONG, 2> f = DigitFields<2>(text);
  return TPoint{f[0], f[1]};
}

TRect GetRect(const AnsiString& text) {
  std::array<LONG, 4> f = DigitFields<4>(text);
  return TRect{f[0], f[1], f[2], f[3]};
}

AnsiString SetRect(const TRect& rect) {
  return IntToStr(rect.Left) + "," + IntToStr(rect.Top) + "," + IntToStr(rect.Right) + "," + IntToStr(rect.Bottom);
}

TPoint ReadPoint(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key) {
  return GetPoint(ini->ReadString(section, key, "0,0"));
}

void WritePoint(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key, const TPoint& value) {
  ini->WriteString(section, key, IntToStr(value.X) + "," + IntToStr(value.Y));
}

TRect ReadRect(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key) {
  return GetRect(ini->ReadString(section, key, "0,0,0,0"));
}

void WriteRect(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key, const TRect& value) {
  ini->WriteString(section, key, SetRect(value));
}

TFontStyles ReadFontStyles(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key) {
  AnsiString text = ini->ReadString(section, key, AnsiString());
  TFontStyles styles;
  for (const auto& [word, style] : kStyleWords) {
    if (text.Pos(word) > 0) styles.Include(style);
  }
  return styles;
}

void WriteFontStyles(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key, const TFontStyles& value) {
  AnsiString text;
  for (const auto& [word, style] : kStyleWords) {
    if (!value.Contains(style)) continue;
    if (!text.IsEmpty()) text += ",";
    text += word;
  }
  ini->WriteString(section, key, text);
}

TAlignment ReadAlignment(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key) {
  return ReadWord(ini, section, key, AlignmentWords(), taCenter);
}

void WriteAlignment(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key, TAlignment value) {
  WriteWord(ini, section, key, AlignmentWords(), value);
}

TspStretchType ReadStretchType(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key) {
  return ReadWord(ini, section, key, StretchTypeWords(), spstFull);
}

void WriteStretchType(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key, TspStretchType value) {
  WriteWord(ini, section, key, StretchTypeWords(), value);
}

TMorphKind ReadMorphKind(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key) {
  return ReadWord(ini, section, key, MorphKindWords(), mkDefault);
}

void WriteMorphKind(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key, TMorphKind value) {
  WriteWord(ini, section, key, MorphKindWords(), value);
}

TspInActiveEffect ReadInActiveEffect(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key) {
  return ReadWord(ini, section, key, InActiveEffectWords(), ieBrightness);
}

void WriteInActiveEffect(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key,
                         TspInActiveEffect value) {
  WriteWord(ini, section, key, InActiveEffectWords(), value);
}

void ReadStrings(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key, TStrings* strings) {
  int count = ini->ReadInteger(section, key + "linecount", 0);
  for (int i = 0; i < count; ++i) strings->Add(ini->ReadString(section, key + "line" + IntToStr(i), AnsiString()));
}

void WriteStrings(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key, const TStrings* strings) {
  ini->WriteInteger(section, key + "linecount", strings->Count());
  for (int i = 0; i < strings->Count(); ++i) ini->WriteString(section, key + "line" + IntToStr(i), strings->Strings(i));
}

void ReadStrings1(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key, TStrings* strings) {
  int count = ini->ReadInteger(section, key + "count", 0);
  for (int i = 0; i < count; ++i) strings->Add(ini->ReadString(section, IntToStr(i), AnsiString()));
}

void WriteStrings1(TCustomIniFile* ini, const AnsiString& section, const AnsiString& key, const TStrings* strings) {
  ini->WriteInteger(section, key + "count", strings->Count());
  for (int i = 0; i < strings->Count(); ++i) ini->WriteString(section, IntToStr(i), strings->Strings(i));
}

bool CheckSkinSections(TCustomIniFile* ini) {
  for (const char* section : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"}) {
    if (!ini->SectionExists(section)) return false;
  }
  return true;
}
