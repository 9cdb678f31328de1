#include "classlib/graphics/Graphic.h"

#include <memory>
#include <mutex>
#include <vector>

#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Icon.h"
#include "classlib/runtime/FileUtils.h"
#include "classlib/runtime/SyncObjs.h"
#include "classlib/runtime/SysUtils.h"

// ---- TGraphic ----

void TGraphic::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  Changed();
}

void TGraphic::SetModified(bool modified) {
  if (modified) Changed();
  else modified_ = false;
}

void TGraphic::Changed() {
  modified_ = true;
  OnChange(this);
}

void TGraphic::LoadFromFile(const AnsiString& fileName) {
  TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&stream);
}

void TGraphic::SaveToFile(const AnsiString& fileName) {
  TFileStream stream(fileName, fmCreate);
  SaveToStream(&stream);
}

void TGraphic::SaveToClipboardFormat(WORD&, HANDLE&, HPALETTE&) {
  throw EInvalidGraphic("Unsupported clipboard format");
}

void TGraphic::LoadFromClipboardFormat(WORD, HANDLE, HPALETTE) {
  throw EInvalidGraphic("Unsupported clipboard format");
}

// ---- the format registry ----

namespace {

struct FileFormat {
  AnsiString extension;  // without the dot, lower case
  AnsiString description;
  TGraphicClass graphicClass;
};

struct ClipboardFormat {
  WORD format;
  TGraphicClass graphicClass;
};

struct Registry {
  TCriticalSection lock;
  std::vector<FileFormat> formats;
  std::vector<ClipboardFormat> clipboardFormats;
};

Registry& Formats() {
  static Registry registry;
  return registry;
}

AnsiString NormalExtension(const AnsiString& extension) {
  AnsiString ext = LowerCase(extension);
  if (!ext.IsEmpty() && ext[1] == '.') ext.Delete(1, 1);
  return ext;
}

const FileFormat* FindFormat(const std::vector<FileFormat>& formats, const AnsiString& extension) {
  AnsiString ext = NormalExtension(extension);
  for (auto it = formats.rbegin(); it != formats.rend(); ++it) {
    if (it->extension == ext) return &*it;
  }
  return nullptr;
}

}  // namespace

void TPicture::RegisterFileFormat(const AnsiString& extension, const AnsiString& description,
                                  TGraphicClass graphicClass) {
  if (graphicClass == nullptr || !graphicClass->InheritsFrom(TGraphic::StaticClass())) {
    throw EInvalidGraphic("Not a picture class");
  }
  Registry& registry = Formats();
  std::lock_guard guard(registry.lock);
  registry.formats.push_back({NormalExtension(extension), description, graphicClass});
}

void TPicture::UnregisterGraphicClass(TGraphicClass graphicClass) {
  Registry& registry = Formats();
  std::lock_guard guard(registry.lock);
  std::erase_if(registry.formats, [&](const FileFormat& f) { return f.graphicClass == graphicClass; });
  std::erase_if(registry.clipboardFormats, [&](const ClipboardFormat& f) { return f.graphicClass == graphicClass; });
}

void TPicture::RegisterClipboardFormat(WORD format, TGraphicClass graphicClass) {
  if (graphicClass == nullptr || !graphicClass->InheritsFrom(TGraphic::StaticClass())) {
    throw EInvalidGraphic("Not a picture class");
  }
  Registry& registry = Formats();
  std::lock_guard guard(registry.lock);
  registry.clipboardFormats.push_back({format, graphicClass});
}

namespace {
TGraphicClass ClipboardGraphicClass(WORD format) {
  Registry& registry = Formats();
  std::lock_guard guard(registry.lock);
  const auto& formats = registry.clipboardFormats;
  for (auto it = formats.rbegin(); it != formats.rend(); ++it) {
    if (it->format == format) return it->graphicClass;
  }
  return nullptr;
}
}  // namespace

bool TPicture::SupportsClipboardFormat(WORD format) { return ClipboardGraphicClass(format) != nullptr; }

TGraphicClass TPicture::GraphicClassOf(const AnsiString& extension) {
  Registry& registry = Formats();
  std::lock_guard guard(registry.lock);
  const FileFormat* format = FindFormat(registry.formats, extension);
  return format != nullptr ? format->graphicClass : nullptr;
}

AnsiString TPicture::GraphicDescription(const AnsiString& extension) {
  Registry& registry = Formats();
  std::lock_guard guard(registry.lock);
  const FileFormat* format = FindFormat(registry.formats, extension);
  return format != nullptr ? format->description : AnsiString();
}

// ---- TPicture ----

TPicture::~TPicture() { delete graphic_; }

void TPicture::Replace(TGraphic* graphic) {
  TGraphic* old = graphic_;
  graphic_ = graphic;
  if (graphic_ != nullptr) graphic_->OnChange = TNotifyEvent(this, &TPicture::GraphicChanged);
  delete old;
  OnChange(this);
}

void TPicture::GraphicChanged(TObject*) { OnChange(this); }

void TPicture::SetGraphic(TGraphic* graphic) {
  if (graphic == graphic_) return;
  if (graphic == nullptr) {
    Replace(nullptr);
    return;
  }
  std::unique_ptr<TGraphic> copy(static_cast<TGraphic*>(graphic->ClassType()->Create()));
  copy->Assign(graphic);
  Replace(copy.release());
}

template <class T>
T* TPicture::Hold() {
  if (auto* held = dynamic_cast<T*>(graphic_)) return held;
  Replace(new T);
  return static_cast<T*>(graphic_);
}

TBitmap* TPicture::Bitmap() { return Hold<TBitmap>(); }
TIcon* TPicture::Icon() { return Hold<TIcon>(); }

void TPicture::LoadFromFile(const AnsiString& fileName) {
  AnsiString ext = ExtractFileExt(fileName);
  TGraphicClass graphicClass = GraphicClassOf(ext);
  if (graphicClass == nullptr) {
    Replace(nullptr);
    throw EInvalidGraphic("Unknown picture file extension (" + LowerCase(ext) + ")");
  }
  std::unique_ptr<TGraphic> graphic(static_cast<TGraphic*>(graphicClass->Create()));
  try {
    graphic->LoadFromFile(fileName);
  } catch (...) {
    Replace(nullptr);
    throw;
  }
  Replace(graphic.release());
}

void TPicture::LoadFromClipboardFormat(WORD format, HANDLE data, HPALETTE palette) {
  TGraphicClass graphicClass = ClipboardGraphicClass(format);
  if (graphicClass == nullptr) throw EInvalidGraphic("Unsupported clipboard format");
  std::unique_ptr<TGraphic> graphic(static_cast<TGraphic*>(graphicClass->Create()));
  graphic->LoadFromClipboardFormat(format, data, palette);
  Replace(graphic.release());
}

void TPicture::SaveToFile(const AnsiString& fileName) {
  if (graphic_ != nullptr) graphic_->SaveToFile(fileName);
}

void TPicture::Assign(TPersistent* source) {
  if (source == nullptr) {
    SetGraphic(nullptr);
  } else if (auto* picture = dynamic_cast<TPicture*>(source)) {
    SetGraphic(picture->Graphic());
  } else if (auto* graphic = dynamic_cast<TGraphic*>(source)) {
    SetGraphic(graphic);
  } else {
    TPersistent::Assign(source);
  }
}

void TPicture::AssignTo(TPersistent* dest) {
  if (auto* graphic = dynamic_cast<TGraphic*>(dest); graphic != nullptr && graphic_ != nullptr) {
    graphic->Assign(graphic_);
    return;
  }
  TPersistent::AssignTo(dest);
}
