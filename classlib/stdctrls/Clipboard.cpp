#include "classlib/stdctrls/Clipboard.h"

#include <cstring>

#include "classlib/runtime/Exceptions.h"
#include "classlib/windowing/Application.h"

namespace {
CLASSLIB_EXCEPTION(EClipboardError, Exception)

// Opens the clipboard for the life of one call unless it is open already.
class TClipboardScope {
 public:
  explicit TClipboardScope(TClipboard* clipboard) : clipboard_(clipboard) { clipboard_->Open(); }
  ~TClipboardScope() { clipboard_->Close(); }
  TClipboardScope(const TClipboardScope&) = delete;
  TClipboardScope& operator=(const TClipboardScope&) = delete;

 private:
  TClipboard* clipboard_;
};
}  // namespace

TClipboard::~TClipboard() {
  if (openCount_ > 0) CloseClipboard();
}

void TClipboard::Open() {
  if (openCount_ == 0) {
    owner_ = Application != nullptr ? Application->Handle() : nullptr;
    // Another program may hold it for a moment.
    bool opened = false;
    for (int attempt = 0; attempt < 10 && !opened; ++attempt) {
      opened = OpenClipboard(owner_) != FALSE;
      if (!opened) Sleep(10);
    }
    if (!opened) throw EClipboardError("Cannot open clipboard");
  }
  ++openCount_;
}

void TClipboard::Close() {
  if (openCount_ == 0) return;
  if (--openCount_ == 0) CloseClipboard();
}

void TClipboard::Clear() {
  TClipboardScope scope(this);
  EmptyClipboard();
}

bool TClipboard::HasFormat(UINT format) const { return IsClipboardFormatAvailable(format) != FALSE; }

AnsiString TClipboard::AsText() {
  TClipboardScope scope(this);
  HANDLE data = GetClipboardData(CF_TEXT);
  if (data == nullptr) return AnsiString();
  const auto* text = static_cast<const char*>(GlobalLock(data));
  if (text == nullptr) return AnsiString();
  const size_t size = GlobalSize(data);
  const AnsiString result(text, static_cast<int>(strnlen(text, size)));
  GlobalUnlock(data);
  return result;
}

void TClipboard::SetAsText(const AnsiString& text) {
  TClipboardScope scope(this);
  EmptyClipboard();
  HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(text.Length()) + 1);
  if (data == nullptr) throw EOutOfResources("Out of system resources");
  std::memcpy(GlobalLock(data), text.c_str(), static_cast<size_t>(text.Length()) + 1);
  GlobalUnlock(data);
  if (SetClipboardData(CF_TEXT, data) == nullptr) {
    GlobalFree(data);
    RaiseLastOSError();
  }
}

TClipboard* Clipboard() {
  static TClipboard clipboard;
  return &clipboard;
}
