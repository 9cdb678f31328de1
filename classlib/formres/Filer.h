#pragma once
#include <functional>
#include <vector>

#include "classlib/formres/FormText.h"
#include "classlib/runtime/Object.h"
#include "classlib/runtime/Streams.h"

class TFormReader;

// Typed access to one value of a form text: each accessor raises EFormValueError
// ("integer expected but string found") when the value is of another kind.
class TValueReader {
 public:
  TValueReader(const TFormValue& value, TFormReader& reader) : value_(value), reader_(reader) {}

  const TFormValue& Value() const { return value_; }
  TFormReader& Reader() const { return reader_; }

  int ReadInteger() const;
  double ReadFloat() const;  // an integer is taken as well
  bool ReadBoolean() const;  // True or False
  AnsiString ReadString() const;
  AnsiString ReadIdent() const;
  std::vector<AnsiString> ReadSet() const;
  // The elements of a list `( ... )`, each read by `element`.
  void ReadList(const std::function<void(const TValueReader& element)>& element) const;
  const std::string& ReadBinary() const;

  [[noreturn]] void WrongKind(TFormValueKind expected) const;

 private:
  void Expect(TFormValueKind kind) const;

  const TFormValue& value_;
  TFormReader& reader_;
};

// Passed to TPersistent::DefineProperties while a form is read: a class names here the
// stored values that are not published properties (custom data, binary data, obsolete
// properties that older resources carry) together with their readers.
class TFiler : public TObject {
 public:
  using TReadProc = std::function<void(const TValueReader& value)>;
  using TBinaryProc = std::function<void(TStream* stream)>;

  explicit TFiler(TFormReader& reader) : reader_(reader) {}

  TFormReader& Reader() const { return reader_; }
  void DefineProperty(const AnsiString& name, TReadProc read);
  void DefineBinaryProperty(const AnsiString& name, TBinaryProc read);

  // Reads the stored value `name` when a definition has that name (case ignored);
  // false otherwise.
  bool ReadDefined(const AnsiString& name, const TFormValue& value) const;

 private:
  struct Definition {
    AnsiString name;
    TReadProc read;
  };
  TFormReader& reader_;
  std::vector<Definition> definitions_;
};
