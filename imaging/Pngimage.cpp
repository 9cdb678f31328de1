#include "imaging/Pngimage.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <typeinfo>
#include <vector>

#include "classlib/graphics/Bitmap.h"
#include "imaging/Pngcrc.h"

namespace {

constexpr uint8_t kSignature[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};

}  // namespace

TPNGObject::TPNGObject() : canvas_(new TCanvas), chunks_(this) { InitializeGamma(); }

// Delegating first makes a failure here run the destructor, which frees what was made.
TPNGObject::TPNGObject(unsigned colorType, unsigned bitDepth, int width, int height) : TPNGObject() {
  CreateBlank(colorType, bitDepth, width, height);
}

TPNGObject::~TPNGObject() {
  ClearChunks();
  delete canvas_;
}

void TPNGObject::CreateBlank(unsigned colorType, unsigned bitDepth, int width, int height) {
  if (!IsValidPngFormat(colorType, bitDepth) || width < 1 || height < 1) {
    RaiseError<EPNGInvalidSpec>(EPNGInvalidSpecText);
  }
  if (bitDepth == 2) bitDepth = 4;
  InitializeGamma();
  beingCreated_ = true;
  chunks_.Add<TChunkIEND>();
  TChunkIHDR* header = chunks_.Add<TChunkIHDR>();
  header->IHDRData.ColorType = static_cast<uint8_t>(colorType);
  header->IHDRData.BitDepth = static_cast<uint8_t>(bitDepth);
  header->IHDRData.Width = static_cast<uint32_t>(width);
  header->IHDRData.Height = static_cast<uint32_t>(height);
  header->PrepareImageData();
  if (colorType == COLOR_PALETTE) chunks_.Add<TChunkPLTE>()->SetCount(1 << bitDepth);
  chunks_.Add<TChunkIDAT>();
  beingCreated_ = false;
}

void TPNGObject::InitializeGamma() {
  for (int i = 0; i < 256; ++i) {
    GammaTable[i] = static_cast<uint8_t>(i);
    InverseTable[i] = static_cast<uint8_t>(i);
  }
}

void TPNGObject::ClearChunks() {
  InitializeGamma();
  for (unsigned i = 0; i < chunks_.Count(); ++i) delete chunks_.GetItem(i);
  chunks_.SetSize(0);
}

bool TPNGObject::HeaderPresent() const {
  return chunks_.Count() > 0 && dynamic_cast<TChunkIHDR*>(chunks_.GetItem(0)) != nullptr;
}

bool TPNGObject::HasImage() const { return HeaderPresent() && RequireHeader()->ImageData() != nullptr; }

TChunkIHDR* TPNGObject::RequireHeader() const {
  if (!HeaderPresent()) RaiseError<EPNGHeaderNotPresent>(EPNGHeaderNotPresentText);
  return static_cast<TChunkIHDR*>(chunks_.GetItem(0));
}

TChunkIHDR* TPNGObject::RequireImage() const {
  if (!HasImage()) RaiseError<EPNGHeaderNotPresent>(EPNGHeaderNotPresentText);
  return RequireHeader();
}

TChunkIHDR* TPNGObject::GetHeader() const { return RequireHeader(); }

int TPNGObject::Width() const { return HeaderPresent() ? static_cast<int>(RequireHeader()->Width()) : 0; }

int TPNGObject::Height() const { return HeaderPresent() ? static_cast<int>(RequireHeader()->Height()) : 0; }

void TPNGObject::GetPixelInfo(uint32_t& rowBytes, uint32_t& offset) const {
  rowBytes = 0;
  offset = 0;
  if (!HeaderPresent()) return;
  const TChunkIHDR* header = RequireHeader();
  PngPixelInfo(header->Width(), header->ColorType(), header->BitDepth(), rowBytes, offset);
}

// ---- reading and writing ----

void TPNGObject::LoadFromStream(TStream* stream) {
  ClearChunks();
  try {
    ReadChunks(stream);
  } catch (const EPNGOutMemory&) {
    ClearChunks();  // no half-built image stays behind
    throw;
  }
  Changed();
}

void TPNGObject::ReadChunks(TStream* stream) {
  uint8_t signature[8];
  if (stream->Read(signature, 8) != 8 || std::memcmp(signature, kSignature, 8) != 0) {
    RaiseError<EPNGInvalidFileHeader>(EPNGInvalidFileHeaderText);
  }
  bool imageDataSeen = false;
  while (ReadChunk(stream, imageDataSeen)) {
  }
  if (!imageDataSeen) RaiseError<EPNGNoImageData>(EPNGNoImageDataText);
}

bool TPNGObject::ReadChunk(TStream* stream, bool& imageDataSeen) {
  uint8_t head[8];
  if (stream->Read(head, 8) != 8) RaiseError<EPngUnexpectedEnd>(EPNGUnexpectedEndText);
  const char* name = reinterpret_cast<const char*>(head + 4);
  const uint32_t length = ReadBigEndian32(head);
  if (chunks_.Count() == 0 && std::memcmp(name, "IHDR", 4) != 0) {
    RaiseError<EPNGIHDRNotFirst>(EPNGIHDRNotFirstText);
  }
  CheckChunkFits(stream, length);
  const bool isImageData = std::memcmp(name, "IDAT", 4) == 0;
  if (std::memcmp(name, "cHRM", 4) == 0 || (isImageData && imageDataSeen)) {
    stream->Seek(int64_t{length} + 4, soCurrent);
    return true;
  }
  imageDataSeen = imageDataSeen || isImageData;
  TChunk* chunk = CreateChunkByName(this, name);
  chunks_.Append(chunk);
  if (typeid(*chunk) == typeid(TChunk) && (head[4] & 0x20) == 0) {
    RaiseError<EPNGUnknownCriticalChunk>(EPNGUnknownCriticalChunkText);
  }
  if (!chunk->LoadFromStream(stream, name, length)) return false;
  return std::memcmp(name, "IEND", 4) != 0;
}

void TPNGObject::SaveToStream(TStream* stream) {
  stream->WriteBuffer(kSignature, 8);
  for (unsigned i = 0; i < chunks_.Count(); ++i) chunks_.GetItem(i)->SaveToStream(stream);
}

void TPNGObject::LoadFromResourceName(HINSTANCE instance, const AnsiString& name) {
  std::unique_ptr<TResourceStream> stream;
  try {
    stream = std::make_unique<TResourceStream>(instance, name, MAKEINTRESOURCEA(10));
  } catch (const Exception&) {
    RaiseError<EPNGCouldNotLoadResource>(EPNGCouldNotLoadResourceText);
  }
  LoadFromStream(stream.get());
}

void TPNGObject::LoadFromResourceID(HINSTANCE instance, int id) {
  std::unique_ptr<TResourceStream> stream;
  try {
    stream = std::make_unique<TResourceStream>(instance, id, MAKEINTRESOURCEA(10));
  } catch (const Exception&) {
    RaiseError<EPNGCouldNotLoadResource>(EPNGCouldNotLoadResourceText);
  }
  LoadFromStream(stream.get());
}

// ---- conversions ----

void TPNGObject::Assign(TPersistent* source) {
  if (source == nullptr) {
    ClearChunks();
    Changed();
  } else if (auto* png = dynamic_cast<TPNGObject*>(source)) {
    AssignPNG(png);
  } else if (auto* bitmap = dynamic_cast<TBitmap*>(source)) {
    // The system reads a bitmap's bits only while no context holds it.
    if (auto* canvas = dynamic_cast<TBitmapCanvas*>(bitmap->Canvas())) canvas->FreeContext();
    AssignHandle(bitmap->Handle(), bitmap->Transparent(), ColorToRGB(bitmap->TransparentColor()));
  } else {
    TGraphic::Assign(source);
  }
}

void TPNGObject::SaveToClipboardFormat(WORD& format, HANDLE& data, HPALETTE& palette) {
  TBitmap bitmap;
  bitmap.SetSize(Width(), Height());
  Draw(bitmap.Canvas(), TRect{0, 0, Width(), Height()});
  bitmap.SaveToClipboardFormat(format, data, palette);
}

void TPNGObject::LoadFromClipboardFormat(WORD format, HANDLE data, HPALETTE palette) {
  TBitmap bitmap;
  bitmap.LoadFromClipboardFormat(format, data, palette);
  bitmap.FreeContext();
  AssignHandle(bitmap.Handle(), false, 0);
}

void TPNGObject::AssignPNG(TPNGObject* source) {
  if (source == this) return;
  InterlaceMethod = source->InterlaceMethod;
  SetMaxIdatSize(source->MaxIdatSize());
  CompressionLevel = source->CompressionLevel;
  Filters = source->Filters;
  ClearChunks();
  std::memcpy(GammaTable, source->GammaTable, sizeof(GammaTable));
  std::memcpy(InverseTable, source->InverseTable, sizeof(InverseTable));
  for (unsigned i = 0; i < source->chunks_.Count(); ++i) {
    TChunk* original = source->chunks_.GetItem(i);
    TChunk* copy = original->NewOfSameClass(this);
    chunks_.Append(copy);
    copy->Assign(original);
  }
  Changed();
}

void TPNGObject::AssignHandle(HBITMAP handle, bool transparent, COLORREF transparentColor) {
  BITMAP description{};
  ClearChunks();
  if (GetObjectA(handle, sizeof(description), &description) == 0) return;  // not a bitmap: empty
  const int bits = description.bmBitsPixel * description.bmPlanes;
  auto* header = static_cast<TChunkIHDR*>(ChunkClass<TChunkIHDR>().create(this));
  chunks_.Append(header);
  header->IHDRData.Width = static_cast<uint32_t>(description.bmWidth);
  header->IHDRData.Height = static_cast<uint32_t>(std::abs(description.bmHeight));
  header->IHDRData.ColorType = bits < 16 ? COLOR_PALETTE : COLOR_RGB;
  header->IHDRData.BitDepth = static_cast<uint8_t>(bits < 16 ? bits : 8);
  header->PrepareImageData();
  GetDIBits(header->ImageDC(), handle, 0, header->Height(), header->ImageData(),
            reinterpret_cast<BITMAPINFO*>(&header->BitmapInfo()), DIB_RGB_COLORS);
  TChunkPLTE* palette = nullptr;
  if (header->HasPalette()) {
    palette = static_cast<TChunkPLTE*>(ChunkClass<TChunkPLTE>().create(this));
    chunks_.Append(palette);
    palette->SetCount(1 << bits);
  }
  TChunktRNS* transparency = nullptr;
  if (transparent) {
    transparency = static_cast<TChunktRNS*>(ChunkClass<TChunktRNS>().create(this));
    chunks_.Append(transparency);
  }
  chunks_.Append(ChunkClass<TChunkIDAT>().create(this));
  chunks_.Append(ChunkClass<TChunkIEND>().create(this));
  if (palette != nullptr) {
    header->BitmapInfo().bmiHeader.biClrUsed = 1u << bits;
    header->UpdateColorTable();
    std::vector<PALETTEENTRY> entries(size_t{1} << bits);
    for (size_t i = 0; i < entries.size(); ++i) {
      const RGBQUAD& entry = header->BitmapInfo().bmiColors[i];
      entries[i] = PALETTEENTRY{entry.rgbRed, entry.rgbGreen, entry.rgbBlue, 0};
    }
    DoSetPalette(CreateLogicalPalette(entries), false);
  }
  if (transparency != nullptr) transparency->SetTransparentColor(static_cast<TColor>(transparentColor));
  Changed();
}

void TPNGObject::AssignTo(TPersistent* dest) {
  if (auto* png = dynamic_cast<TPNGObject*>(dest)) {
    png->AssignPNG(this);
    return;
  }
  auto* bitmap = dynamic_cast<TBitmap*>(dest);
  if (bitmap == nullptr || !HeaderPresent()) {
    TGraphic::AssignTo(dest);
    return;
  }
  const TChunkIHDR* header = RequireHeader();
  const TPNGTransparencyMode mode = GetTransparencyMode();
  const uint8_t depth = header->BitDepth();
  const uint8_t type = header->ColorType();
  TPixelFormat format;
  if (mode == ptmPartial || ((depth == 8 || depth == 16) && (type == COLOR_GRAYSCALE || type == COLOR_RGB))) {
    format = pf24bit;
  } else if (depth == 1) {
    format = pf1bit;
  } else if (depth == 2 || depth == 4) {
    format = pf4bit;
  } else if ((depth == 8 || depth == 16) && type == COLOR_PALETTE) {
    format = pf8bit;
  } else {
    RaiseError<Exception>(AnsiString());
  }
  bitmap->SetPixelFormat(format);
  bitmap->SetSize(Width(), Height());
  Draw(bitmap->Canvas(), Rect(0, 0, Width(), Height()));
  if (mode == ptmBit) {
    bitmap->SetTransparentColor(GetTransparentColor());
    bitmap->SetTransparent(true);
  }
}

// ---- transparency, palette, text and physical size ----

TPNGTransparencyMode TPNGObject::GetTransparencyMode() const {
  const TChunkIHDR* header = RequireHeader();
  const auto* transparency = chunks_.FindChunk<TChunktRNS>();
  switch (header->ColorType()) {
    case COLOR_GRAYSCALE:
    case COLOR_RGB:
      return transparency != nullptr ? ptmBit : ptmNone;
    case COLOR_PALETTE:
      if (transparency == nullptr) return ptmNone;
      return transparency->BitTransparency ? ptmBit : ptmPartial;
    case COLOR_GRAYSCALEALPHA:
    case COLOR_RGBALPHA:
      return ptmPartial;
    default:
      return ptmNone;
  }
}

TColor TPNGObject::GetTransparentColor() const {
  const auto* transparency = chunks_.FindChunk<TChunktRNS>();
  return transparency != nullptr ? transparency->GetTransparentColor() : 0;
}

void TPNGObject::SetTransparentColor(TColor color) {
  if (!HeaderPresent()) return;
  const uint8_t type = RequireHeader()->ColorType();
  if (type == COLOR_GRAYSCALEALPHA || type == COLOR_RGBALPHA) {
    RaiseError<EPNGCannotChangeTransparent>(EPNGCannotChangeTransparentText);
  }
  if (type != COLOR_GRAYSCALE && type != COLOR_RGB && type != COLOR_PALETTE) return;
  auto* transparency = chunks_.FindChunk<TChunktRNS>();
  const bool added = transparency == nullptr;
  if (added) transparency = chunks_.Add<TChunktRNS>();
  transparency->SetTransparentColor(ColorToRGB(color));
  // A palette without that colour gives nothing to leave out.
  if (added && transparency->DataSize() == 0) chunks_.RemoveChunk(transparency);
  Changed();
}

void TPNGObject::CreateAlpha() {
  TChunkIHDR* header = RequireImage();
  switch (header->ColorType()) {
    case COLOR_GRAYSCALE:
      header->ConvertGrayTo8Bit();
      header->IHDRData.ColorType = COLOR_GRAYSCALEALPHA;
      header->CreateAlphaPlane(255);
      break;
    case COLOR_RGB:
      header->IHDRData.ColorType = COLOR_RGBALPHA;
      header->CreateAlphaPlane(255);
      break;
    case COLOR_PALETTE: {
      auto* transparency = chunks_.FindChunk<TChunktRNS>();
      if (transparency == nullptr) transparency = chunks_.Add<TChunktRNS>();
      std::memset(transparency->PaletteValues, 255, 256);
      transparency->ResizeData(1u << header->BitDepth());
      transparency->BitTransparency = false;
      break;
    }
    default:
      return;
  }
  Changed();
}

void TPNGObject::RemoveTransparency() {
  TChunkIHDR* header = RequireHeader();
  switch (header->ColorType()) {
    case COLOR_PALETTE:
      if (auto* transparency = chunks_.FindChunk<TChunktRNS>()) chunks_.RemoveChunk(transparency);
      break;
    case COLOR_GRAYSCALEALPHA:
      header->IHDRData.ColorType = COLOR_GRAYSCALE;
      header->FreeAlphaPlane();
      break;
    case COLOR_RGBALPHA:
      header->IHDRData.ColorType = COLOR_RGB;
      header->FreeAlphaPlane();
      break;
    default:
      return;
  }
  Changed();
}

HPALETTE TPNGObject::GetPalette() const { return RequireHeader()->ImagePalette(); }

void TPNGObject::DoSetPalette(HPALETTE palette, bool copyColors) {
  TChunkIHDR* header = RequireImage();
  if (!header->HasPalette()) return;
  if (copyColors) {
    header->PaletteToDIB(palette);
    header->UpdateColorTable();
  }
  header->SetImagePalette(palette);
}

void TPNGObject::AddtEXt(const AnsiString& keyword, const AnsiString& text) {
  auto* chunk = chunks_.Add<TChunktEXt>();
  chunk->Keyword = keyword;
  chunk->Text = text;
}

void TPNGObject::AddzTXt(const AnsiString& keyword, const AnsiString& text) {
  auto* chunk = chunks_.Add<TChunkzTXt>();
  chunk->Keyword = keyword;
  chunk->Text = text;
}

bool TPNGObject::HasPixelInformation() const { return chunks_.FindChunk<TChunkpHYs>() != nullptr; }

TChunkpHYs* TPNGObject::GetPixelInformation() {
  auto* chunk = chunks_.FindChunk<TChunkpHYs>();
  if (chunk == nullptr) {
    chunk = chunks_.Add<TChunkpHYs>();
    chunk->UnitType = utMeter;
  }
  return chunk;
}

// ---- start-up ----

void InitializePngImage() {
  UnregisterChunks();
  RegisterChunk(ChunkClass<TChunkIEND>());
  RegisterChunk(ChunkClass<TChunkIHDR>());
  RegisterChunk(ChunkClass<TChunkIDAT>());
  RegisterChunk(ChunkClass<TChunkPLTE>());
  RegisterChunk(ChunkClass<TChunkgAMA>());
  RegisterChunk(ChunkClass<TChunktRNS>());
  RegisterChunk(ChunkClass<TChunkpHYs>());
  RegisterChunk(ChunkClass<TChunktIME>());
  RegisterChunk(ChunkClass<TChunktEXt>());
  RegisterChunk(ChunkClass<TChunkzTXt>());
  TPicture::RegisterFileFormat("PNG", "Portable Network Graphics", TPNGObject::StaticClass());
}

void FinalizePngImage() {
  TPicture::UnregisterGraphicClass(TPNGObject::StaticClass());
  UnregisterChunks();
}
