#pragma once
#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/Object.h"
#include "classlib/runtime/Strings.h"
#include "classlib/runtime/WinApi.h"

CLASSLIB_EXCEPTION(EPrinter, Exception)

// The default printer, as far as the program needs it: an information context for font
// enumeration and the printer's fonts. Without a printer every use raises EPrinter.
class TPrinter : public TObject {
  CLASSLIB_CLASS(TPrinter, TObject)
 public:
  TPrinter() = default;
  ~TPrinter() override;
  TPrinter(const TPrinter&) = delete;
  TPrinter& operator=(const TPrinter&) = delete;

  // The name of the default printer ("" when there is none).
  static AnsiString DefaultPrinterName();
  // The information context of the default printer, made on first use.
  HDC Handle();
  // The names of the printer's fonts, sorted.
  TStrings* Fonts();

 private:
  HDC dc_ = nullptr;
  TStringList* fonts_ = nullptr;
};

// The process's printer object.
TPrinter* Printer();
