#include "classlib/stdctrls/Printer.h"

#include <vector>

namespace {
int CALLBACK AddFont(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM list) {
  auto* names = reinterpret_cast<TStringList*>(list);
  if (names->IndexOf(font->lfFaceName) < 0) names->Add(font->lfFaceName);
  return 1;
}
}  // namespace

TPrinter::~TPrinter() {
  if (dc_ != nullptr) DeleteDC(dc_);
  delete fonts_;
}

AnsiString TPrinter::DefaultPrinterName() {
  DWORD size = 0;
  GetDefaultPrinterA(nullptr, &size);
  if (size == 0) return AnsiString();
  std::vector<char> name(size, '\0');
  if (!GetDefaultPrinterA(name.data(), &size)) return AnsiString();
  return AnsiString(name.data());
}

HDC TPrinter::Handle() {
  if (dc_ != nullptr) return dc_;
  const AnsiString name = DefaultPrinterName();
  if (name.IsEmpty()) throw EPrinter("There is no default printer currently selected");
  dc_ = CreateICA(nullptr, name.c_str(), nullptr, nullptr);
  if (dc_ == nullptr) throw EPrinter("Printer selected is not valid");
  return dc_;
}

TStrings* TPrinter::Fonts() {
  if (fonts_ != nullptr) return fonts_;
  HDC dc = Handle();
  auto* fonts = new TStringList;
  LOGFONTA wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  EnumFontFamiliesExA(dc, &wanted, &AddFont, reinterpret_cast<LPARAM>(fonts), 0);
  fonts->SetSorted(true);
  fonts_ = fonts;
  return fonts_;
}

TPrinter* Printer() {
  static TPrinter printer;
  return &printer;
}
