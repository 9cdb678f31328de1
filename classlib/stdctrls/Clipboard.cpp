#include "classlib/stdctrls/Clipboard.h"

#include <cstring>

#include "classlib/graphics/Graphic.h"
#include "classlib/runtime/Exceptions.h"
#include "classlib/windowing/Application.h"

namespace {

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

// Clipboard data owned until the clipboard takes it.
class TClipboardData {
 public:
  TClipboardData(UINT format, HANDLE data) : format_(format), data_(data) {}
  ~TClipboardData() {
    if (data_ == nullptr) return;
    if (format_ == CF_BITMAP || format_ == CF_PALETTE) DeleteObject(data_);
    else if (format_ == CF_ENHMETAFILE) DeleteEnhMetaFile(static_cast<HENHMETAFILE>(data_));
    else GlobalFree(data_);
  }
  TClipboardData(const TClipboardData&) = delete;
  TClipboardData& operator=(const TClipboardData&) = delete;
  // Hands the data to the clipboard.
  void Set() {
    if (data_ == nullptr) return;
    if (SetClipboardData(format_, data_) == nullptr) RaiseLastOSError();
    data_ = nullptr;
  }

 private:
  UINT format_;
  HANDLE data_;
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

bool TClipboard::HasFormat(UINT format) {
  if (format != CF_PICTURE) return IsClipboardFormatAvailable(format) != FALSE;
  TClipboardScope scope(this);
  return FirstPictureFormat() != 0;
}

UINT TClipboard::FirstPictureFormat() {
  for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format)) {
    if (format <= 0xFFFF && TPicture::SupportsClipboardFormat(static_cast<WORD>(format))) return format;
  }
  return 0;
}

void TClipboard::Assign(TPersistent* source) {
  if (auto* picture = dynamic_cast<TPicture*>(source)) {
    if (picture->Graphic() == nullptr) throw EInvalidGraphic("Cannot copy an empty picture");
    AssignGraphic(picture->Graphic());
  } else if (auto* graphic = dynamic_cast<TGraphic*>(source)) {
    AssignGraphic(graphic);
  } else {
    TPersistent::Assign(source);
  }
}

void TClipboard::AssignGraphic(TGraphic* graphic) {
  TClipboardScope scope(this);
  WORD format = 0;
  HANDLE data = nullptr;
  HPALETTE palette = nullptr;
  graphic->SaveToClipboardFormat(format, data, palette);
  TClipboardData image(format, data);
  TClipboardData colors(CF_PALETTE, palette);
  EmptyClipboard();
  image.Set();
  colors.Set();
}

void TClipboard::AssignTo(TPersistent* dest) {
  if (auto* picture = dynamic_cast<TPicture*>(dest)) {
    AssignToPicture(picture);
  } else if (auto* graphic = dynamic_cast<TGraphic*>(dest)) {
    TPicture picture;
    AssignToPicture(&picture);
    graphic->Assign(picture.Graphic());
  } else {
    TPersistent::AssignTo(dest);
  }
}

void TClipboard::AssignToPicture(TPicture* picture) {
  TClipboardScope scope(this);
  const UINT format = FirstPictureFormat();
  if (format == 0) throw EInvalidGraphic("The clipboard holds no picture");
  picture->LoadFromClipboardFormat(static_cast<WORD>(format), GetClipboardData(format),
                                   static_cast<HPALETTE>(GetClipboardData(CF_PALETTE)));
}

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
