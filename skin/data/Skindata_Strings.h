#pragma once
#include "classlib/runtime/Component.h"
#include "classlib/runtime/Strings.h"
#include "classlib/graphics/GraphicsObjects.h"

// A string table for the skin library's own texts: lines KEY=text. Once a skin data
// carries one, every library text is taken from it (a missing key gives empty text);
// without one the built-in texts are used.
class TspResourceStrData : public TComponent {
  CLASSLIB_CLASS(TspResourceStrData, TComponent)
 public:
  // Holds the default lines (the built-in texts under their keys) and character set 1.
  explicit TspResourceStrData(TComponent* owner);

  TStrings* ResStrings() { return &resStrings_; }
  // Copies the lines.
  void SetResStrs(TStrings* lines);
  TFontCharset CharSet() const { return charSet_; }
  void SetCharSet(TFontCharset charSet) { charSet_ = charSet; }

  // Appends the default lines (without clearing the list).
  void Init();
  // The text after the first "=" of the first line whose name (the text before its
  // first "=") equals `key`, case ignored; empty when there is none.
  AnsiString GetResStr(const AnsiString& key) const;

 private:
  TStringList resStrings_;
  TFontCharset charSet_ = DEFAULT_CHARSET;
};

// Registers the class for form resources ("ResStrings", "CharSet").
void RegisterResourceStrData();
