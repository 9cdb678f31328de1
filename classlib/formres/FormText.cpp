#include "classlib/formres/FormText.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>

#include "classlib/formres/FormError.h"

AnsiString FormValueKindName(TFormValueKind kind) {
  switch (kind) {
    case TFormValueKind::Integer: return "integer";
    case TFormValueKind::Float: return "floating point number";
    case TFormValueKind::String: return "string";
    case TFormValueKind::Ident: return "identifier";
    case TFormValueKind::Set: return "set";
    case TFormValueKind::List: return "list";
    case TFormValueKind::Collection: return "collection";
    case TFormValueKind::Binary: return "binary data";
  }
  return "value";
}

namespace {

enum class TokenKind { End, Ident, Integer, Float, String, Symbol };

struct Token {
  TokenKind kind = TokenKind::End;
  std::string text;  // identifier, symbol, decoded string, number text
  int line = 1;
};

// Splits the text into tokens; a string token is already decoded (quotes, '' and #nn
// codes joined), so the parser sees one string per run of adjacent parts.
class Lexer {
 public:
  Lexer(const AnsiString& text, const AnsiString& fileName) : text_(text.str()), fileName_(fileName) {}

  Token Next() {
    SkipBlanks();
    Token token;
    token.line = line_;
    if (pos_ >= text_.size()) return token;
    char c = text_[pos_];
    if (IsIdentStart(c)) return Identifier(token);
    if (std::isdigit(static_cast<unsigned char>(c)) || c == '$' ||
        (c == '-' && pos_ + 1 < text_.size() &&
         (std::isdigit(static_cast<unsigned char>(text_[pos_ + 1])) || text_[pos_ + 1] == '$'))) {
      return Number(token);
    }
    if (c == '\'' || c == '#') return String(token);
    token.kind = TokenKind::Symbol;
    token.text = std::string(1, c);
    ++pos_;
    return token;
  }

  // The hexadecimal digits up to the closing brace (the opening one is already read).
  std::string HexBlock(int startLine) {
    std::string bytes;
    int high = -1;
    while (pos_ < text_.size() && text_[pos_] != '}') {
      char c = text_[pos_++];
      if (c == '\n') ++line_;
      if (std::isspace(static_cast<unsigned char>(c))) continue;
      int digit = HexDigit(c);
      if (digit < 0) Fail(line_, AnsiString("invalid binary data character '") + AnsiString(c) + "'");
      if (high < 0) {
        high = digit;
      } else {
        bytes.push_back(static_cast<char>(high * 16 + digit));
        high = -1;
      }
    }
    if (pos_ >= text_.size()) Fail(startLine, "binary data without closing '}'");
    if (high >= 0) Fail(line_, "binary data with an odd number of digits");
    ++pos_;
    return bytes;
  }

  [[noreturn]] void Fail(int line, const AnsiString& problem) const { throw EFormError("", fileName_, line, problem); }

 private:
  static bool IsIdentStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
  static bool IsIdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }
  static int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  }

  void SkipBlanks() {
    while (pos_ < text_.size()) {
      char c = text_[pos_];
      if (c == '\n') ++line_;
      if (!std::isspace(static_cast<unsigned char>(c))) break;
      ++pos_;
    }
  }

  // Identifiers may be dotted: property paths ("Font.Style") and references ("Form.name").
  Token Identifier(Token token) {
    token.kind = TokenKind::Ident;
    while (pos_ < text_.size()) {
      char c = text_[pos_];
      if (IsIdentChar(c)) {
        token.text.push_back(c);
        ++pos_;
      } else if (c == '.' && pos_ + 1 < text_.size() && IsIdentStart(text_[pos_ + 1])) {
        token.text.push_back(c);
        ++pos_;
      } else {
        break;
      }
    }
    return token;
  }

  Token Number(Token token) {
    size_t start = pos_;
    if (text_[pos_] == '-') ++pos_;
    if (text_[pos_] == '$') {
      ++pos_;
      while (pos_ < text_.size() && HexDigit(text_[pos_]) >= 0) ++pos_;
      token.kind = TokenKind::Integer;
      token.text = text_.substr(start, pos_ - start);
      if (token.text.back() == '$') Fail(token.line, "hexadecimal number without digits");
      return token;
    }
    token.kind = TokenKind::Integer;
    while (pos_ < text_.size()) {
      char c = text_[pos_];
      if (std::isdigit(static_cast<unsigned char>(c))) {
        ++pos_;
      } else if ((c == '.' && pos_ + 1 < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_ + 1]))) ||
                 ((c == 'e' || c == 'E') && token.kind == TokenKind::Float)) {
        token.kind = TokenKind::Float;
        ++pos_;
        if ((c == 'e' || c == 'E') && pos_ < text_.size() && (text_[pos_] == '-' || text_[pos_] == '+')) ++pos_;
      } else {
        break;
      }
    }
    if (pos_ < text_.size() && IsIdentChar(text_[pos_])) {
      Fail(token.line, AnsiString("invalid number '") + AnsiString(text_.substr(start, pos_ - start + 1)) + "'");
    }
    token.text = text_.substr(start, pos_ - start);
    return token;
  }

  // 'quoted' parts ('' is one quote) and #nn character codes, directly adjacent.
  Token String(Token token) {
    token.kind = TokenKind::String;
    while (pos_ < text_.size() && (text_[pos_] == '\'' || text_[pos_] == '#')) {
      if (text_[pos_] == '#') {
        ++pos_;
        size_t start = pos_;
        while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) ++pos_;
        if (start == pos_) Fail(line_, "character code without digits after '#'");
        long code = std::strtol(text_.substr(start, pos_ - start).c_str(), nullptr, 10);
        if (code > 255) Fail(line_, "character code above 255");
        token.text.push_back(static_cast<char>(code));
        continue;
      }
      ++pos_;
      for (;;) {
        if (pos_ >= text_.size() || text_[pos_] == '\n') Fail(token.line, "string without closing quote");
        char c = text_[pos_++];
        if (c != '\'') {
          token.text.push_back(c);
        } else if (pos_ < text_.size() && text_[pos_] == '\'') {
          token.text.push_back('\'');
          ++pos_;
        } else {
          break;
        }
      }
    }
    return token;
  }

  std::string text_;
  AnsiString fileName_;
  size_t pos_ = 0;
  int line_ = 1;
};

class Parser {
 public:
  Parser(const AnsiString& text, const AnsiString& fileName) : lexer_(text, fileName) { Advance(); }

  TFormObject Root() {
    TFormObject root = Object();
    if (token_.kind != TokenKind::End) Unexpected("the end of the file");
    return root;
  }

 private:
  void Advance() { token_ = lexer_.Next(); }
  bool IsSymbol(char c) const { return token_.kind == TokenKind::Symbol && token_.text[0] == c; }
  bool IsWord(const char* word) const {
    return token_.kind == TokenKind::Ident && AnsiString(token_.text).CompareIC(word) == 0;
  }

  [[noreturn]] void Unexpected(const AnsiString& expected) const {
    AnsiString found = token_.kind == TokenKind::End ? AnsiString("the end of the file")
                                                      : AnsiString("'") + AnsiString(token_.text) + "'";
    lexer_.Fail(token_.line, expected + " expected but " + found + " found");
  }

  void ExpectSymbol(char c) {
    if (!IsSymbol(c)) Unexpected(AnsiString("'") + AnsiString(c) + "'");
    Advance();
  }

  AnsiString ExpectIdent(const char* what) {
    if (token_.kind != TokenKind::Ident) Unexpected(what);
    AnsiString text = token_.text;
    Advance();
    return text;
  }

  TFormObject Object() {
    if (!IsWord("object")) Unexpected("'object'");
    TFormObject object;
    object.line = token_.line;
    Advance();
    object.name = ExpectIdent("component name");
    ExpectSymbol(':');
    object.className = ExpectIdent("class name");
    while (!IsWord("end")) {
      if (IsWord("object")) {
        object.children.push_back(Object());
      } else {
        object.properties.push_back(Property());
      }
    }
    Advance();
    return object;
  }

  TFormProperty Property() {
    TFormProperty property;
    property.line = token_.line;
    property.name = ExpectIdent("property name, 'object' or 'end'");
    ExpectSymbol('=');
    property.value = Value();
    return property;
  }

  TFormValue Value() {
    TFormValue value;
    value.line = token_.line;
    switch (token_.kind) {
      case TokenKind::Integer: return Integer(value);
      case TokenKind::Float: return Float(value);
      case TokenKind::String: return JoinedString(value);
      case TokenKind::Ident:
        value.kind = TFormValueKind::Ident;
        value.text = token_.text;
        Advance();
        return value;
      case TokenKind::Symbol: return Structured(value);
      case TokenKind::End: break;
    }
    Unexpected("a value");
  }

  TFormValue Integer(TFormValue value) {
    const std::string& text = token_.text;
    bool negative = text[0] == '-';
    std::string digits = text.substr(negative ? 1 : 0);
    bool hex = digits[0] == '$';
    errno = 0;
    unsigned long long magnitude = std::strtoull(digits.c_str() + (hex ? 1 : 0), nullptr, hex ? 16 : 10);
    // Hexadecimal numbers are bit patterns of 32 bits ($FFFFFFFF is -1), decimal ones
    // must fit a 64-bit integer.
    if (errno != 0 || (hex && magnitude > 0xFFFFFFFFull) || (!hex && magnitude > 0x7FFFFFFFFFFFFFFFull)) {
      lexer_.Fail(token_.line, AnsiString("number out of range '") + AnsiString(text) + "'");
    }
    int64_t number = hex ? static_cast<int64_t>(static_cast<int32_t>(static_cast<uint32_t>(magnitude)))
                         : static_cast<int64_t>(magnitude);
    value.kind = TFormValueKind::Integer;
    value.integer = negative ? -number : number;
    Advance();
    return value;
  }

  TFormValue Float(TFormValue value) {
    value.kind = TFormValueKind::Float;
    value.number = std::strtod(token_.text.c_str(), nullptr);
    Advance();
    return value;
  }

  // 'a' + 'b' + #13'c': parts joined by '+' may continue on the next lines.
  TFormValue JoinedString(TFormValue value) {
    value.kind = TFormValueKind::String;
    std::string text = token_.text;
    Advance();
    while (IsSymbol('+')) {
      Advance();
      if (token_.kind != TokenKind::String) Unexpected("a string after '+'");
      text += token_.text;
      Advance();
    }
    value.text = text;
    return value;
  }

  TFormValue Structured(TFormValue value) {
    char c = token_.text[0];
    if (c == '{') {
      // The lexer stands right behind the brace: the digits are read as one block.
      value.kind = TFormValueKind::Binary;
      value.bytes = lexer_.HexBlock(value.line);
      Advance();
      return value;
    }
    Advance();
    switch (c) {
      case '[': return Set(value);
      case '(': return List(value);
      case '<': return Collection(value);
      default: break;
    }
    lexer_.Fail(value.line, AnsiString("a value expected but '") + AnsiString(c) + "' found");
  }

  TFormValue Set(TFormValue value) {
    value.kind = TFormValueKind::Set;
    while (!IsSymbol(']')) {
      value.identifiers.push_back(ExpectIdent("identifier or ']'"));
      if (!IsSymbol(']')) ExpectSymbol(',');
    }
    Advance();
    return value;
  }

  TFormValue List(TFormValue value) {
    value.kind = TFormValueKind::List;
    while (!IsSymbol(')')) {
      if (token_.kind == TokenKind::End) Unexpected("')'");
      value.list.push_back(Value());
    }
    Advance();
    return value;
  }

  TFormValue Collection(TFormValue value) {
    value.kind = TFormValueKind::Collection;
    while (!IsSymbol('>')) {
      if (!IsWord("item")) Unexpected("'item' or '>'");
      TFormItem item;
      item.line = token_.line;
      Advance();
      while (!IsWord("end")) item.properties.push_back(Property());
      Advance();
      value.items.push_back(std::move(item));
    }
    Advance();
    return value;
  }

  Lexer lexer_;
  Token token_;
};

}  // namespace

TFormObject ParseFormText(const AnsiString& text, const AnsiString& fileName) {
  Parser parser(text, fileName);
  return parser.Root();
}
