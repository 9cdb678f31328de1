#include "classlib/runtime/IniFiles.h"

#include <memory>
#include <vector>

#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/FileUtils.h"
#include "classlib/runtime/Format.h"
#include "classlib/runtime/Strings.h"
#include "classlib/runtime/SysUtils.h"
#include "classlib/runtime/UpdateScope.h"
#include "classlib/runtime/WinApi.h"

int TCustomIniFile::ReadInteger(const AnsiString& section, const AnsiString& ident, int fallback) {
  return StrToIntDef(ReadString(section, ident, AnsiString()), fallback);
}

void TCustomIniFile::WriteInteger(const AnsiString& section, const AnsiString& ident, int value) {
  WriteString(section, ident, IntToStr(value));
}

bool TCustomIniFile::ReadBool(const AnsiString& section, const AnsiString& ident, bool fallback) {
  return ReadInteger(section, ident, fallback ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const AnsiString& section, const AnsiString& ident, bool value) {
  WriteString(section, ident, value ? "1" : "0");
}

double TCustomIniFile::ReadFloat(const AnsiString& section, const AnsiString& ident, double fallback) {
  return StrToFloatDef(ReadString(section, ident, AnsiString()), fallback);
}

void TCustomIniFile::WriteFloat(const AnsiString& section, const AnsiString& ident, double value) {
  WriteString(section, ident, FloatToStr(value));
}

void TCustomIniFile::ReadSectionValues(const AnsiString& section, TStrings* strings) {
  TStringList keys;
  ReadSection(section, &keys);
  const TUpdateScope<TStrings> update(strings);
  strings->Clear();
  for (int i = 0; i < keys.Count(); ++i) strings->Add(keys[i] + "=" + ReadString(section, keys[i], AnsiString()));
}

bool TCustomIniFile::SectionExists(const AnsiString& section) {
  TStringList keys;
  ReadSection(section, &keys);
  return keys.Count() > 0;
}

bool TCustomIniFile::ValueExists(const AnsiString& section, const AnsiString& ident) {
  TStringList keys;
  ReadSection(section, &keys);
  return keys.IndexOf(ident) >= 0;
}

void TCustomIniFile::WriteError() const { throw EIniFileException(Format("Unable to write to %s", {FileName()})); }

namespace {

// Splits a double-zero-terminated list of texts into `strings`.
void AddZeroList(const std::vector<char>& buffer, TStrings* strings) {
  const TUpdateScope<TStrings> update(strings);
  strings->Clear();
  for (const char* p = buffer.data(); *p != '\0'; p += std::char_traits<char>::length(p) + 1) strings->Add(p);
}

// Calls `read(buffer, size)` with growing buffers until the list fits.
template <class Read>
std::vector<char> ReadZeroList(Read read) {
  for (DWORD size = 16384;; size *= 4) {
    std::vector<char> buffer(size + 2, '\0');
    const DWORD length = read(buffer.data(), size);
    if (length < size - 2) return buffer;
  }
}

}  // namespace

TIniFile::TIniFile(const AnsiString& fileName) : TCustomIniFile(fileName) {}

TIniFile::~TIniFile() {
  // Hands the system's cached copy of the file back to the disk.
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, FileName().c_str());
}

AnsiString TIniFile::ReadString(const AnsiString& section, const AnsiString& ident, const AnsiString& fallback) {
  char buffer[kMaxValueLength + 1];
  const DWORD length = GetPrivateProfileStringA(section.c_str(), ident.c_str(), fallback.c_str(), buffer,
                                                sizeof buffer, FileName().c_str());
  return AnsiString(buffer, static_cast<int>(length));
}

void TIniFile::WriteString(const AnsiString& section, const AnsiString& ident, const AnsiString& value) {
  if (!WritePrivateProfileStringA(section.c_str(), ident.c_str(), value.c_str(), FileName().c_str())) WriteError();
}

void TIniFile::ReadSection(const AnsiString& section, TStrings* strings) {
  const AnsiString file = FileName();
  AddZeroList(ReadZeroList([&](char* buffer, DWORD size) {
                return GetPrivateProfileStringA(section.c_str(), nullptr, nullptr, buffer, size, file.c_str());
              }),
              strings);
}

void TIniFile::ReadSections(TStrings* strings) {
  const AnsiString file = FileName();
  AddZeroList(ReadZeroList([&](char* buffer, DWORD size) {
                return GetPrivateProfileStringA(nullptr, nullptr, nullptr, buffer, size, file.c_str());
              }),
              strings);
}

void TIniFile::EraseSection(const AnsiString& section) {
  if (!WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, FileName().c_str())) WriteError();
}

void TIniFile::DeleteKey(const AnsiString& section, const AnsiString& ident) {
  WritePrivateProfileStringA(section.c_str(), ident.c_str(), nullptr, FileName().c_str());
}

void TIniFile::UpdateFile() { WritePrivateProfileStringA(nullptr, nullptr, nullptr, FileName().c_str()); }

namespace {

// The value as the system's profile reader gives it: trimmed, one pair of enclosing
// quotes removed, cut to the longest value.
AnsiString CleanValue(const AnsiString& raw) {
  AnsiString value = raw.Trim();
  const int n = value.Length();
  if (n >= 2 && (value[1] == '"' || value[1] == '\'') && value[n] == value[1]) value = value.SubString(2, n - 2);
  return value.SubString(1, TCustomIniFile::kMaxValueLength);
}

AnsiString LineName(const AnsiString& line) {
  const int at = line.Pos("=");
  return (at > 0 ? line.SubString(1, at - 1) : line).Trim();
}

}  // namespace

TMemIniFile::TMemIniFile(const AnsiString& fileName) : TCustomIniFile(fileName) {
  if (!FileExists(fileName)) return;
  TStringList lines;
  lines.LoadFromFile(fileName);
  LoadLines(&lines);
}

TMemIniFile::~TMemIniFile() { Clear(); }

void TMemIniFile::Clear() {
  for (Section& s : sections_) delete s.lines;
  sections_.clear();
}

// Reads INI text as the system's profile reader does: a section header runs to the last
// "]" of its line (a "[" line without one is ignored), a repeated header starts another
// section that look-ups never reach, and only name=value lines with a name count.
void TMemIniFile::LoadLines(const TStrings* lines) {
  Section* current = nullptr;
  for (int i = 0; i < lines->Count(); ++i) {
    const AnsiString line = lines->Strings(i).Trim();
    if (line.IsEmpty() || line[1] == ';') continue;
    if (line[1] == '[') {
      const int close = line.LastDelimiter("]");
      if (close == 0) continue;
      sections_.push_back(Section{line.SubString(2, close - 2).Trim(), new TStringList()});
      current = &sections_.back();
    } else if (current != nullptr && line.Pos("=") > 0 && !LineName(line).IsEmpty()) {
      current->lines->Add(line);
    }
  }
}

void TMemIniFile::SetStrings(const TStrings* lines) {
  Clear();
  LoadLines(lines);
}

void TMemIniFile::GetStrings(TStrings* lines) const {
  const TUpdateScope<TStrings> update(lines);
  lines->Clear();
  for (const Section& s : sections_) {
    lines->Add("[" + s.name + "]");
    lines->AddStrings(s.lines);
    lines->Add(AnsiString());
  }
}

TMemIniFile::Section* TMemIniFile::FindSection(const AnsiString& name) {
  const AnsiString wanted = name.Trim();
  for (Section& s : sections_) {
    if (SameText(s.name, wanted)) return &s;
  }
  return nullptr;
}

int TMemIniFile::FindLine(const Section& section, const AnsiString& ident) const {
  const AnsiString wanted = ident.Trim();
  for (int i = 0; i < section.lines->Count(); ++i) {
    if (SameText(LineName(section.lines->Strings(i)), wanted)) return i;
  }
  return -1;
}

AnsiString TMemIniFile::ReadString(const AnsiString& section, const AnsiString& ident, const AnsiString& fallback) {
  const Section* s = FindSection(section);
  const int index = s != nullptr ? FindLine(*s, ident) : -1;
  if (index < 0) return fallback.SubString(1, kMaxValueLength);
  const AnsiString line = s->lines->Strings(index);
  const int at = line.Pos("=");
  return at > 0 ? CleanValue(line.SubString(at + 1, line.Length())) : AnsiString();
}

void TMemIniFile::WriteString(const AnsiString& section, const AnsiString& ident, const AnsiString& value) {
  Section* s = FindSection(section);
  if (s == nullptr) {
    sections_.push_back(Section{section.Trim(), new TStringList()});
    s = &sections_.back();
  }
  const AnsiString line = ident.Trim() + "=" + value;
  const int index = FindLine(*s, ident);
  if (index >= 0) {
    s->lines->SetStrings(index, line);
  } else {
    s->lines->Add(line);
  }
}

void TMemIniFile::ReadSection(const AnsiString& section, TStrings* strings) {
  const TUpdateScope<TStrings> update(strings);
  strings->Clear();
  if (const Section* s = FindSection(section)) {
    for (int i = 0; i < s->lines->Count(); ++i) strings->Add(LineName(s->lines->Strings(i)));
  }
}

void TMemIniFile::ReadSections(TStrings* strings) {
  const TUpdateScope<TStrings> update(strings);
  strings->Clear();
  for (const Section& s : sections_) strings->Add(s.name);
}

void TMemIniFile::EraseSection(const AnsiString& section) {
  for (auto it = sections_.begin(); it != sections_.end(); ++it) {
    if (SameText(it->name, section.Trim())) {
      delete it->lines;
      sections_.erase(it);
      return;
    }
  }
}

void TMemIniFile::DeleteKey(const AnsiString& section, const AnsiString& ident) {
  if (Section* s = FindSection(section)) {
    const int index = FindLine(*s, ident);
    if (index >= 0) s->lines->Delete(index);
  }
}

void TMemIniFile::UpdateFile() {
  TStringList lines;
  GetStrings(&lines);
  try {
    lines.SaveToFile(FileName());
  } catch (const EStreamError&) {
    WriteError();
  }
}
