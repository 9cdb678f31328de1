#pragma once
#include <cstdint>
#include <variant>
#include <vector>

#include "classlib/runtime/AnsiString.h"

// The settings of a profile kind as a table: each entry binds a key of the kind's
// section of the ".pf" file to a field of the profile, with the key's default. The
// table drives defaults, reading, writing, comparing and copying, so every kind lists
// its keys once, in file order.

// Whether an entry takes part in comparing and in copying profiles (bits). Every entry
// is read, written and defaulted; an entry left out of copies keeps its default there.
enum TFieldUse : uint8_t { fuStoredOnly = 0, fuCompared = 1, fuCopied = 2, fuFull = fuCompared | fuCopied };

template <class T>
struct TFieldBinding {
  T* field;
  T fallback;
};

using TAnyFieldBinding = std::variant<TFieldBinding<int32_t>, TFieldBinding<uint8_t>, TFieldBinding<bool>,
                                      TFieldBinding<double>, TFieldBinding<AnsiString>>;

struct TProfileField {
  const char* key;
  TAnyFieldBinding binding;
  TFieldUse use;
};

class TProfileFields {
 public:
  // 32-bit integers: decimal, or hexadecimal after "0x"; anything else reads as the default.
  TProfileFields& Integer(const char* key, int32_t& field, int32_t fallback, TFieldUse use = fuFull);
  // Codec and version indexes: read as integers, only the low 8 bits kept.
  TProfileFields& Index(const char* key, uint8_t& field, uint8_t fallback, TFieldUse use = fuFull);
  // Switches: written 0 or 1, any nonzero integer reads as set.
  TProfileFields& Flag(const char* key, bool& field, bool fallback, TFieldUse use = fuFull);
  // Reals: written with "." whatever the locale; "." and "," are accepted when read.
  TProfileFields& Real(const char* key, double& field, double fallback, TFieldUse use = fuFull);
  // Texts, stored as they are.
  TProfileFields& Text(const char* key, AnsiString& field, const char* fallback,
                       TFieldUse use = fuFull);

  const std::vector<TProfileField>& Entries() const { return entries_; }

  void SetDefaults() const;
  // True when every compared entry holds the same value in both tables; `other` lists
  // the same keys (a profile of the same kind).
  bool SameValues(const TProfileFields& other) const;
  // Copies every copied entry into `target` (a table of the same kind).
  void CopyTo(const TProfileFields& target) const;

 private:
  template <class T>
  TProfileFields& Bind(const char* key, T& field, T fallback, TFieldUse use);

  std::vector<TProfileField> entries_;
};

// The text an entry is written as, and the default's text (what a missing key reads as).
AnsiString FieldText(const TProfileField& entry);
AnsiString FieldDefaultText(const TProfileField& entry);
// Stores the value read for the entry; malformed numbers give the default.
void SetFieldFromText(const TProfileField& entry, const AnsiString& text);
