#pragma once
#include <vector>

#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/Object.h"

class TStrings;
class TStringList;

// Settings in INI text: sections in square brackets holding name=value lines. Section
// and value names are compared without regard to case; a value is read with the blanks
// around it dropped, one pair of enclosing quotes (" or ') removed and at most 2047
// characters; a name present with an empty value reads as empty text, not the default.
class TCustomIniFile : public TObject {
  CLASSLIB_CLASS(TCustomIniFile, TObject)
 public:
  static constexpr int kMaxValueLength = 2047;

  explicit TCustomIniFile(const AnsiString& fileName) : fileName_(fileName) {}
  const AnsiString& FileName() const { return fileName_; }

  virtual AnsiString ReadString(const AnsiString& section, const AnsiString& ident, const AnsiString& fallback) = 0;
  virtual void WriteString(const AnsiString& section, const AnsiString& ident, const AnsiString& value) = 0;
  // Decimal, or hexadecimal after "$" or "0x"; other text gives `fallback`.
  int ReadInteger(const AnsiString& section, const AnsiString& ident, int fallback);
  void WriteInteger(const AnsiString& section, const AnsiString& ident, int value);
  // Any integer but 0 is true; written as 1 or 0.
  bool ReadBool(const AnsiString& section, const AnsiString& ident, bool fallback);
  void WriteBool(const AnsiString& section, const AnsiString& ident, bool value);
  double ReadFloat(const AnsiString& section, const AnsiString& ident, double fallback);
  void WriteFloat(const AnsiString& section, const AnsiString& ident, double value);

  // Appends the value names of `section`, in file order, to `strings` (after clearing it).
  virtual void ReadSection(const AnsiString& section, TStrings* strings) = 0;
  // The section names, in file order.
  virtual void ReadSections(TStrings* strings) = 0;
  // The "name=value" lines of `section`.
  virtual void ReadSectionValues(const AnsiString& section, TStrings* strings);
  virtual void EraseSection(const AnsiString& section) = 0;
  virtual void DeleteKey(const AnsiString& section, const AnsiString& ident) = 0;
  virtual void UpdateFile() = 0;
  // A section exists when it holds at least one value.
  bool SectionExists(const AnsiString& section);
  bool ValueExists(const AnsiString& section, const AnsiString& ident);

 protected:
  [[noreturn]] void WriteError() const;

 private:
  AnsiString fileName_;
};

// INI file read and written through the system's profile functions; every write goes
// to the file at once, and a failed write raises EIniFileException "Unable to write to %s".
class TIniFile : public TCustomIniFile {
  CLASSLIB_CLASS(TIniFile, TCustomIniFile)
 public:
  explicit TIniFile(const AnsiString& fileName);
  ~TIniFile() override;

  AnsiString ReadString(const AnsiString& section, const AnsiString& ident, const AnsiString& fallback) override;
  void WriteString(const AnsiString& section, const AnsiString& ident, const AnsiString& value) override;
  void ReadSection(const AnsiString& section, TStrings* strings) override;
  void ReadSections(TStrings* strings) override;
  void EraseSection(const AnsiString& section) override;
  void DeleteKey(const AnsiString& section, const AnsiString& ident) override;
  void UpdateFile() override;
};

// INI text held in memory, read from a file at creation (a missing file gives an empty
// one) or from lines; writes change the memory only until UpdateFile. Answers every
// reading exactly as TIniFile does for the same text.
class TMemIniFile : public TCustomIniFile {
  CLASSLIB_CLASS(TMemIniFile, TCustomIniFile)
 public:
  explicit TMemIniFile(const AnsiString& fileName);
  ~TMemIniFile() override;

  AnsiString ReadString(const AnsiString& section, const AnsiString& ident, const AnsiString& fallback) override;
  void WriteString(const AnsiString& section, const AnsiString& ident, const AnsiString& value) override;
  void ReadSection(const AnsiString& section, TStrings* strings) override;
  void ReadSections(TStrings* strings) override;
  void EraseSection(const AnsiString& section) override;
  void DeleteKey(const AnsiString& section, const AnsiString& ident) override;
  // Writes the text to the file; raises EIniFileException when it cannot.
  void UpdateFile() override;

  void Clear();
  // Replaces the content with INI text given as lines.
  void SetStrings(const TStrings* lines);
  // The content as lines: per section its header, its lines and an empty line.
  void GetStrings(TStrings* lines) const;

 private:
  struct Section {
    AnsiString name;
    TStringList* lines;  // "name=value" lines, owned
  };
  Section* FindSection(const AnsiString& name);
  int FindLine(const Section& section, const AnsiString& ident) const;
  void LoadLines(const TStrings* lines);

  std::vector<Section> sections_;
};
