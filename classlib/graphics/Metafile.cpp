#include "classlib/graphics/Metafile.h"

#include <cstring>
#include <vector>

#include "classlib/graphics/Canvas.h"

namespace {

#pragma pack(push, 2)
// The header before the records of a placeable Windows metafile.
struct PlaceableHeader {
  DWORD key;
  WORD handle;
  SHORT left;
  SHORT top;
  SHORT right;
  SHORT bottom;
  WORD inch;
  DWORD reserved;
  WORD checksum;
};
#pragma pack(pop)

constexpr DWORD kPlaceableKey = 0x9AC6CDD7;
// The fixed part of an enhanced metafile's header record.
constexpr int kEnhancedHeaderSize = 88;
constexpr DWORD kLargestMetafile = 256u << 20;

[[noreturn]] void Invalid() { throw EInvalidGraphic("Metafile is not valid"); }

int ScreenPixelsPerInch() {
  HDC screen = GetDC(nullptr);
  const int ppi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return ppi > 0 ? ppi : 96;
}

// Reads the rest of a record run whose first `have` bytes are in `bytes` already.
void ReadRest(TStream* stream, std::vector<uint8_t>& bytes, size_t have) {
  const int rest = static_cast<int>(bytes.size() - have);
  if (stream->Read(bytes.data() + have, rest) != rest) Invalid();
}

WORD Checksum(const PlaceableHeader& header) {
  WORD words[10];
  std::memcpy(words, &header, sizeof(words));
  WORD sum = 0;
  for (WORD word : words) sum ^= word;
  return sum;
}

}  // namespace

TMetafile::~TMetafile() {
  if (handle_ != nullptr) DeleteEnhMetaFile(handle_);
}

void TMetafile::Reset(HENHMETAFILE handle, bool enhanced) {
  if (handle_ != nullptr) DeleteEnhMetaFile(handle_);
  handle_ = handle;
  enhanced_ = enhanced;
  width_ = height_ = 0;
  ENHMETAHEADER header{};
  if (handle_ != nullptr && GetEnhMetaFileHeader(handle_, sizeof(header), &header) != 0) {
    // The frame is in hundredths of a millimetre of the reference device.
    const int ppi = ScreenPixelsPerInch();
    width_ = MulDiv(header.rclFrame.right - header.rclFrame.left, ppi, 2540);
    height_ = MulDiv(header.rclFrame.bottom - header.rclFrame.top, ppi, 2540);
  }
  Changed();
}

void TMetafile::SetHandle(HENHMETAFILE handle) { Reset(handle, true); }

void TMetafile::SetWidth(int width) {
  width_ = width;
  Changed();
}

void TMetafile::SetHeight(int height) {
  height_ = height;
  Changed();
}

void TMetafile::Draw(TCanvas* canvas, const TRect& rect) {
  if (handle_ == nullptr) return;
  // The rectangle of PlayEnhMetaFile includes its right and bottom edges.
  const RECT bounds{rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 1};
  PlayEnhMetaFile(canvas->Handle(), handle_, &bounds);
}

HENHMETAFILE TMetafile::ReadEnhanced(TStream* stream) {
  std::vector<uint8_t> bytes(kEnhancedHeaderSize);
  ReadRest(stream, bytes, 0);
  ENHMETAHEADER header{};
  std::memcpy(&header, bytes.data(), kEnhancedHeaderSize);
  if (header.iType != EMR_HEADER || header.dSignature != ENHMETA_SIGNATURE || header.nBytes < kEnhancedHeaderSize ||
      header.nBytes > kLargestMetafile) {
    Invalid();
  }
  bytes.resize(header.nBytes);
  ReadRest(stream, bytes, kEnhancedHeaderSize);
  return SetEnhMetaFileBits(header.nBytes, bytes.data());
}

HENHMETAFILE TMetafile::ReadPlaceable(TStream* stream) {
  PlaceableHeader placeable{};
  if (stream->Read(&placeable, sizeof(placeable)) != sizeof(placeable)) Invalid();
  METAHEADER header{};
  if (stream->Read(&header, sizeof(header)) != sizeof(header)) Invalid();
  const DWORD size = header.mtSize * 2;
  if (placeable.inch == 0 || header.mtHeaderSize != sizeof(header) / 2 || size < sizeof(header) ||
      size > kLargestMetafile) {
    Invalid();
  }
  std::vector<uint8_t> bytes(size);
  std::memcpy(bytes.data(), &header, sizeof(header));
  ReadRest(stream, bytes, sizeof(header));
  const int width = placeable.right - placeable.left;
  const int height = placeable.bottom - placeable.top;
  const METAFILEPICT picture{MM_ANISOTROPIC, MulDiv(width, 2540, placeable.inch), MulDiv(height, 2540, placeable.inch),
                             nullptr};
  return SetWinMetaFileBits(size, bytes.data(), nullptr, &picture);
}

void TMetafile::LoadFromStream(TStream* stream) {
  const int64_t start = stream->Position();
  DWORD key = 0;
  if (stream->Read(&key, sizeof(key)) != sizeof(key)) {
    Reset(nullptr, true);
    Invalid();
  }
  stream->SetPosition(start);
  const bool enhanced = key != kPlaceableKey;
  HENHMETAFILE handle = nullptr;
  try {
    handle = enhanced ? ReadEnhanced(stream) : ReadPlaceable(stream);
  } catch (...) {
    Reset(nullptr, true);
    throw;
  }
  if (handle == nullptr) {
    Reset(nullptr, true);
    Invalid();
  }
  Reset(handle, enhanced);
}

void TMetafile::WriteEnhanced(TStream* stream) {
  std::vector<uint8_t> bytes(GetEnhMetaFileBits(handle_, 0, nullptr));
  GetEnhMetaFileBits(handle_, static_cast<UINT>(bytes.size()), bytes.data());
  stream->WriteBuffer(bytes.data(), static_cast<int>(bytes.size()));
}

void TMetafile::WritePlaceable(TStream* stream) {
  HDC screen = GetDC(nullptr);
  std::vector<uint8_t> bytes(GetWinMetaFileBits(handle_, 0, nullptr, MM_ANISOTROPIC, screen));
  GetWinMetaFileBits(handle_, static_cast<UINT>(bytes.size()), bytes.data(), MM_ANISOTROPIC, screen);
  ReleaseDC(nullptr, screen);
  PlaceableHeader header{kPlaceableKey, 0, 0, 0, static_cast<SHORT>(width_), static_cast<SHORT>(height_),
                         static_cast<WORD>(ScreenPixelsPerInch()), 0, 0};
  header.checksum = Checksum(header);
  stream->WriteBuffer(&header, sizeof(header));
  stream->WriteBuffer(bytes.data(), static_cast<int>(bytes.size()));
}

void TMetafile::SaveToStream(TStream* stream) {
  if (handle_ == nullptr) return;
  if (enhanced_) WriteEnhanced(stream);
  else WritePlaceable(stream);
}

void TMetafile::SaveToClipboardFormat(WORD& format, HANDLE& data, HPALETTE& palette) {
  if (handle_ == nullptr) throw EInvalidGraphic("Cannot copy an empty metafile");
  data = CopyEnhMetaFileA(handle_, nullptr);
  if (data == nullptr) throw EOutOfResources("Out of system resources");
  format = CF_ENHMETAFILE;
  palette = nullptr;
}

void TMetafile::LoadFromClipboardFormat(WORD format, HANDLE data, HPALETTE) {
  if (format != CF_ENHMETAFILE) throw EInvalidGraphic("Unsupported clipboard format");
  HENHMETAFILE copy = data != nullptr ? CopyEnhMetaFileA(static_cast<HENHMETAFILE>(data), nullptr) : nullptr;
  if (copy == nullptr) Invalid();
  Reset(copy, true);
}

void TMetafile::Assign(TPersistent* source) {
  if (source == this) return;
  if (auto* metafile = dynamic_cast<TMetafile*>(source)) {
    HENHMETAFILE copy = metafile->Empty() ? nullptr : CopyEnhMetaFileA(metafile->handle_, nullptr);
    if (!metafile->Empty() && copy == nullptr) throw EOutOfResources("Out of system resources");
    Reset(copy, metafile->enhanced_);
    width_ = metafile->width_;
    height_ = metafile->height_;
    return;
  }
  TGraphic::Assign(source);
}
