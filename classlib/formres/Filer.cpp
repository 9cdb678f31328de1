#include "classlib/formres/Filer.h"

#include <limits>

#include "classlib/formres/FormError.h"

void TValueReader::WrongKind(TFormValueKind expected) const {
  throw EFormValueError(FormValueKindName(expected) + " expected but " + FormValueKindName(value_.kind) + " found");
}

void TValueReader::Expect(TFormValueKind kind) const {
  if (value_.kind != kind) WrongKind(kind);
}

int TValueReader::ReadInteger() const {
  Expect(TFormValueKind::Integer);
  if (value_.integer < std::numeric_limits<int>::min() || value_.integer > std::numeric_limits<int>::max()) {
    throw EFormValueError("integer value out of range");
  }
  return static_cast<int>(value_.integer);
}

double TValueReader::ReadFloat() const {
  if (value_.kind == TFormValueKind::Integer) return static_cast<double>(value_.integer);
  Expect(TFormValueKind::Float);
  return value_.number;
}

bool TValueReader::ReadBoolean() const {
  AnsiString ident = ReadIdent();
  if (ident.CompareIC("True") == 0) return true;
  if (ident.CompareIC("False") == 0) return false;
  throw EFormValueError("True or False expected but '" + ident + "' found");
}

AnsiString TValueReader::ReadString() const {
  Expect(TFormValueKind::String);
  return value_.text;
}

AnsiString TValueReader::ReadIdent() const {
  Expect(TFormValueKind::Ident);
  return value_.text;
}

std::vector<AnsiString> TValueReader::ReadSet() const {
  Expect(TFormValueKind::Set);
  return value_.identifiers;
}

void TValueReader::ReadList(const std::function<void(const TValueReader& element)>& element) const {
  Expect(TFormValueKind::List);
  for (const TFormValue& item : value_.list) element(TValueReader(item, reader_));
}

const std::string& TValueReader::ReadBinary() const {
  Expect(TFormValueKind::Binary);
  return value_.bytes;
}

void TFiler::DefineProperty(const AnsiString& name, TReadProc read) {
  definitions_.push_back({name, std::move(read)});
}

void TFiler::DefineBinaryProperty(const AnsiString& name, TBinaryProc read) {
  definitions_.push_back({name, [read = std::move(read)](const TValueReader& value) {
                            const std::string& bytes = value.ReadBinary();
                            TMemoryStream stream;
                            stream.WriteBuffer(bytes.data(), static_cast<int>(bytes.size()));
                            stream.SetPosition(0);
                            read(&stream);
                          }});
}

bool TFiler::ReadDefined(const AnsiString& name, const TFormValue& value) const {
  for (const Definition& definition : definitions_) {
    if (definition.name.CompareIC(name) == 0) {
      definition.read(TValueReader(value, reader_));
      return true;
    }
  }
  return false;
}
