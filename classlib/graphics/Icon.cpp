#include "classlib/graphics/Icon.h"

#include <algorithm>
#include <cstring>

#include "classlib/graphics/Canvas.h"

namespace {

#pragma pack(push, 2)
struct IconDir {
  WORD reserved;
  WORD type;
  WORD count;
};
struct IconDirEntry {
  BYTE width;
  BYTE height;
  BYTE colorCount;
  BYTE reserved;
  WORD planes;
  WORD bitCount;
  DWORD bytes;
  DWORD offset;
};
#pragma pack(pop)

[[noreturn]] void Invalid() { throw EInvalidGraphic("Icon image is not valid"); }

int Side(BYTE value) { return value == 0 ? 256 : value; }

// Reads one ICO file: the directory, then the images up to the end of the last one.
std::vector<uint8_t> ReadIconFile(TStream* stream) {
  IconDir dir{};
  if (stream->Read(&dir, sizeof(dir)) != sizeof(dir)) Invalid();
  if (dir.reserved != 0 || dir.type != 1 || dir.count == 0) Invalid();
  std::vector<uint8_t> file(sizeof(IconDir) + dir.count * sizeof(IconDirEntry));
  std::memcpy(file.data(), &dir, sizeof(dir));
  int entriesSize = static_cast<int>(file.size() - sizeof(dir));
  if (stream->Read(file.data() + sizeof(dir), entriesSize) != entriesSize) Invalid();
  size_t end = file.size();
  for (int i = 0; i < dir.count; ++i) {
    IconDirEntry entry;
    std::memcpy(&entry, file.data() + sizeof(IconDir) + i * sizeof(IconDirEntry), sizeof(entry));
    if (entry.offset < file.size() || entry.bytes == 0 || entry.bytes > (16u << 20) || entry.offset > (16u << 20)) {
      Invalid();
    }
    end = std::max<size_t>(end, size_t{entry.offset} + entry.bytes);
  }
  size_t have = file.size();
  if (end > have) {
    file.resize(end);
    int rest = static_cast<int>(end - have);
    if (stream->Read(file.data() + have, rest) != rest) Invalid();
  }
  return file;
}

// The entry drawn: the system icon size with the most colours, else the largest image.
IconDirEntry ChooseEntry(const std::vector<uint8_t>& file) {
  IconDir dir;
  std::memcpy(&dir, file.data(), sizeof(dir));
  int wanted = GetSystemMetrics(SM_CXICON);
  IconDirEntry best{};
  bool bestFits = false;
  for (int i = 0; i < dir.count; ++i) {
    IconDirEntry entry;
    std::memcpy(&entry, file.data() + sizeof(IconDir) + i * sizeof(IconDirEntry), sizeof(entry));
    bool fits = Side(entry.width) == wanted;
    bool better = i == 0 || (fits && !bestFits) ||
                  (fits == bestFits && (fits ? entry.bitCount > best.bitCount : Side(entry.width) > Side(best.width)));
    if (better) {
      best = entry;
      bestFits = fits;
    }
  }
  return best;
}

}  // namespace

TIcon::TIcon() { TGraphic::SetTransparent(true); }

TIcon::~TIcon() {
  if (icon_ != nullptr) DestroyIcon(icon_);
}

void TIcon::SetWidth(int width) {
  if (width != width_) throw EInvalidGraphicOperation("Cannot change the size of an icon");
}

void TIcon::SetHeight(int height) {
  if (height != height_) throw EInvalidGraphicOperation("Cannot change the size of an icon");
}

void TIcon::Reset(HICON icon, std::vector<uint8_t> file) {
  if (icon_ != nullptr && icon_ != icon) DestroyIcon(icon_);
  icon_ = icon;
  file_ = std::move(file);
  width_ = height_ = 0;
  ICONINFO info{};
  if (icon_ != nullptr && GetIconInfo(icon_, &info)) {
    BITMAP mask{};
    GetObjectA(info.hbmMask, sizeof(mask), &mask);
    width_ = mask.bmWidth;
    height_ = info.hbmColor != nullptr ? mask.bmHeight : mask.bmHeight / 2;
    if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
  }
  Changed();
}

void TIcon::SetHandle(HICON icon) { Reset(icon, {}); }

void TIcon::Draw(TCanvas* canvas, const TRect& rect) {
  if (icon_ == nullptr) return;
  DrawIconEx(canvas->Handle(), rect.Left, rect.Top, icon_, rect.Width(), rect.Height(), 0, nullptr, DI_NORMAL);
}

void TIcon::LoadFromStream(TStream* stream) {
  try {
    std::vector<uint8_t> file = ReadIconFile(stream);
    IconDirEntry entry = ChooseEntry(file);
    HICON icon = CreateIconFromResourceEx(file.data() + entry.offset, entry.bytes, TRUE, 0x00030000,
                                          Side(entry.width), Side(entry.height), LR_DEFAULTCOLOR);
    if (icon == nullptr) Invalid();
    Reset(icon, std::move(file));
  } catch (...) {
    Reset(nullptr, {});
    throw;
  }
}

std::vector<uint8_t> TIcon::FileFromHandle() const {
  int w = width_;
  int h = height_;
  size_t colorBytes = static_cast<size_t>(w) * h * 4;
  size_t maskStride = ((w + 31) / 32) * 4;
  size_t maskBytes = maskStride * h;
  BITMAPINFOHEADER header{sizeof(BITMAPINFOHEADER), w, h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<uint8_t> color(colorBytes);
  std::vector<uint8_t> mask(maskBytes);
  HDC screen = GetDC(nullptr);
  ICONINFO info{};
  if (GetIconInfo(icon_, &info)) {
    if (info.hbmColor != nullptr) {
      BITMAPINFOHEADER query = header;
      GetDIBits(screen, info.hbmColor, 0, static_cast<UINT>(h), color.data(), reinterpret_cast<BITMAPINFO*>(&query),
                DIB_RGB_COLORS);
      DeleteObject(info.hbmColor);
    }
    struct {
      BITMAPINFOHEADER header;
      RGBQUAD colors[2];
    } maskInfo{{sizeof(BITMAPINFOHEADER), w, h, 1, 1, BI_RGB, 0, 0, 0, 2, 0}, {{0, 0, 0, 0}, {255, 255, 255, 0}}};
    GetDIBits(screen, info.hbmMask, 0, static_cast<UINT>(h), mask.data(), reinterpret_cast<BITMAPINFO*>(&maskInfo),
              DIB_RGB_COLORS);
    DeleteObject(info.hbmMask);
  }
  ReleaseDC(nullptr, screen);
  BITMAPINFOHEADER stored = header;
  stored.biHeight = h * 2;
  stored.biSizeImage = static_cast<DWORD>(colorBytes + maskBytes);
  IconDir dir{0, 1, 1};
  IconDirEntry entry{static_cast<BYTE>(w >= 256 ? 0 : w), static_cast<BYTE>(h >= 256 ? 0 : h), 0, 0, 1, 32,
                     static_cast<DWORD>(sizeof(stored) + colorBytes + maskBytes),
                     static_cast<DWORD>(sizeof(dir) + sizeof(entry))};
  std::vector<uint8_t> file;
  auto append = [&](const void* data, size_t size) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    file.insert(file.end(), bytes, bytes + size);
  };
  append(&dir, sizeof(dir));
  append(&entry, sizeof(entry));
  append(&stored, sizeof(stored));
  append(color.data(), color.size());
  append(mask.data(), mask.size());
  return file;
}

void TIcon::SaveToStream(TStream* stream) {
  if (icon_ == nullptr) return;
  if (file_.empty()) file_ = FileFromHandle();
  stream->WriteBuffer(file_.data(), static_cast<int>(file_.size()));
}

void TIcon::Assign(TPersistent* source) {
  if (auto* icon = dynamic_cast<TIcon*>(source)) {
    if (icon == this) return;
    Reset(icon->icon_ != nullptr ? CopyIcon(icon->icon_) : nullptr, icon->file_);
    return;
  }
  TGraphic::Assign(source);
}
