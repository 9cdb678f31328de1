#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "classlib/runtime/AnsiString.h"

// The parsed text of a form file: nested objects with their properties in file order.
// Every value and property remembers its line, so a failure can name it.

enum class TFormValueKind { Integer, Float, String, Ident, Set, List, Collection, Binary };

// The name of a value kind as load errors show it ("integer", "string", ...).
AnsiString FormValueKindName(TFormValueKind kind);

struct TFormProperty;

// One item of a collection value: `item ... end`.
struct TFormItem {
  int line = 0;
  std::vector<TFormProperty> properties;
};

struct TFormValue {
  TFormValueKind kind = TFormValueKind::Integer;
  int line = 0;
  int64_t integer = 0;                  // Integer
  double number = 0;                    // Float
  AnsiString text;                      // String; Ident (also "Form.name")
  std::vector<AnsiString> identifiers;  // Set
  std::vector<TFormValue> list;         // List: `( ... )`
  std::vector<TFormItem> items;         // Collection: `< item ... end >`
  std::string bytes;                    // Binary: `{ hex }`
};

struct TFormProperty {
  AnsiString name;  // may be a path: "Font.Style"
  int line = 0;
  TFormValue value;
};

// `object Name: TClass ... end`.
struct TFormObject {
  AnsiString name;
  AnsiString className;
  int line = 0;
  std::vector<TFormProperty> properties;
  std::vector<TFormObject> children;
};

// Parses a whole form file; `fileName` only names the text in errors. Raises
// EFormError naming the file, the line and what was found.
TFormObject ParseFormText(const AnsiString& text, const AnsiString& fileName);
