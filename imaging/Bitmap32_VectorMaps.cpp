#include "imaging/Bitmap32_VectorMaps.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/FileUtils.h"
#include "classlib/runtime/Streams.h"

namespace imaging {

namespace {

// The ".msh" layout: magic, identifier, version, width, height; the vectors; a trailer.
constexpr int kHeaderSize = 24;
constexpr int kTrailerSize = 8;
constexpr char kMeshIdentifier[8] = {'y', 'f', 'q', 'L', 'h', 's', 'e', 'M'};

struct TMeshHeader {
  uint32_t magic = 33554432;
  char identifier[8] = {};
  uint32_t version = 2;
  uint32_t width = 0;
  uint32_t height = 0;
};
static_assert(sizeof(TMeshHeader) == kHeaderSize);

bool SameIdentifier(const char (&identifier)[8]) {
  for (int i = 0; i < 8; ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(identifier[i]) != lower(kMeshIdentifier[i])) return false;
  }
  return true;
}

// A + (B - A) * w per component.
TFixedPoint Combine(const TFixedPoint& a, const TFixedPoint& b, TFixed w) {
  return TFixedPoint{FixedCombine(w, b.X, a.X), FixedCombine(w, b.Y, a.Y)};
}

// The step of a progression over n cells from `from` to `from + span`; a single cell
// takes one whole step.
TFixed ProgressionStep(float span, int32_t n) { return Fixed(span / static_cast<float>(std::max(n - 1, 1))); }

}  // namespace

TVectorMap::~TVectorMap() {
  Lock();
  SetSize(0, 0);
  Unlock();
}

bool TVectorMap::Empty() const { return TCustomMap::Empty() || vectors_.empty(); }

void TVectorMap::ChangeSize(int32_t& width, int32_t& height, int32_t newWidth, int32_t newHeight) {
  vectors_.clear();
  vectors_.shrink_to_fit();
  try {
    vectors_.assign(static_cast<size_t>(newWidth) * static_cast<size_t>(newHeight), TFixedPoint{});
  } catch (const std::bad_alloc&) {
    throw Exception("Can't allocate VectorMap!");
  }
  width = newWidth;
  height = newHeight;
}

void TVectorMap::Clear() { std::fill(vectors_.begin(), vectors_.end(), TFixedPoint{}); }

void TVectorMap::SetVectorCombineMode(TVectorCombineMode value) {
  if (value == vectorCombineMode_) return;
  vectorCombineMode_ = value;
  Changed();
}

TFixedPoint TVectorMap::GetFixedVectorS(int32_t x, int32_t y) const {
  return Contains(x, y) ? GetFixedVector(x, y) : TFixedPoint{};
}

TFixedPoint TVectorMap::Bilinear(const TFixedPoint (&cells)[4], TFixed fx, TFixed fy) {
  const TFixedPoint top = Combine(cells[0], cells[1], fx);
  const TFixedPoint bottom = Combine(cells[2], cells[3], fx);
  return Combine(top, bottom, fy);
}

TFixedPoint TVectorMap::GetFixedVectorX(TFixed x, TFixed y) const {
  const int32_t ix = x >> 16;
  const int32_t iy = y >> 16;
  if (!Contains(ix, iy)) return TFixedPoint{};
  const int32_t right = ix + 1 < Width() ? ix + 1 : ix;
  const int32_t lower = iy + 1 < Height() ? iy + 1 : iy;
  const TFixedPoint cells[4] = {GetFixedVector(ix, iy), GetFixedVector(right, iy), GetFixedVector(ix, lower),
                                GetFixedVector(right, lower)};
  return Bilinear(cells, x & 0xFFFF, y & 0xFFFF);
}

TFixedPoint TVectorMap::GetFixedVectorXS(TFixed x, TFixed y) const {
  const int32_t ix = x >> 16;
  const int32_t iy = y >> 16;
  if (ix < -1 || iy < -1 || ix >= Width() || iy >= Height()) return TFixedPoint{};
  const TFixedPoint cells[4] = {GetFixedVectorS(ix, iy), GetFixedVectorS(ix + 1, iy), GetFixedVectorS(ix, iy + 1),
                                GetFixedVectorS(ix + 1, iy + 1)};
  return Bilinear(cells, x & 0xFFFF, y & 0xFFFF);
}

void TVectorMap::SetFixedVectorS(int32_t x, int32_t y, const TFixedPoint& v) {
  if (Contains(x, y)) SetFixedVector(x, y, v);
}

void TVectorMap::SpreadVector(TFixed x, TFixed y, const TFixedPoint& v, bool checked) {
  const int32_t ix = x >> 16;
  const int32_t iy = y >> 16;
  const TFixed fx = x & 0xFFFF;
  const TFixed fy = y & 0xFFFF;
  const TFixed cx = fx ^ 0xFFFF;
  const TFixed cy = fy ^ 0xFFFF;
  const struct {
    int32_t x, y;
    TFixed weight;
  } cells[4] = {{ix, iy, FixedMul(cx, cy)},
                {ix + 1, iy, FixedMul(fx, cy)},
                {ix + 1, iy + 1, FixedMul(fx, fy)},
                {ix, iy + 1, FixedMul(cx, fy)}};
  for (const auto& cell : cells) {
    if (checked && !Contains(cell.x, cell.y)) continue;
    TFixedPoint& target = vectors_[Index(cell.x, cell.y)];
    target = Combine(v, target, cell.weight);
  }
}

void TVectorMap::SetFixedVectorX(TFixed x, TFixed y, const TFixedPoint& v) { SpreadVector(x, y, v, false); }

void TVectorMap::SetFixedVectorXS(TFixed x, TFixed y, const TFixedPoint& v) {
  if (x < -FixedOne || y < -FixedOne || (x >> 16) >= Width() || (y >> 16) >= Height()) return;
  SpreadVector(x, y, v, true);
}

void TVectorMap::Merge(int32_t dstLeft, int32_t dstTop, TVectorMap* src, TRect srcRect) {
  if (src == nullptr || src->Empty()) throw Exception("Src is empty!");
  if (Empty()) throw Exception("Base is empty!");
  IntersectRect(srcRect, srcRect, src->BoundsRect());
  TRect dstRect{dstLeft, dstTop, dstLeft + srcRect.Right - srcRect.Left, dstTop + srcRect.Bottom - srcRect.Top};
  IntersectRect(dstRect, dstRect, BoundsRect());
  if (IsRectEmpty(dstRect)) return;
  const TFixed stepX = ProgressionStep(2.0f, dstRect.Right - dstRect.Left);
  const TFixed stepY = ProgressionStep(2.0f, dstRect.Bottom - dstRect.Top);
  TFixedPoint progression{-FixedOne, -FixedOne};
  for (int32_t y = dstRect.Top; y < dstRect.Bottom; ++y, progression.Y += stepY) {
    progression.X = -FixedOne;
    for (int32_t x = dstRect.Left; x < dstRect.Right; ++x, progression.X += stepX) {
      const TFixedPoint& from = src->vectors_[src->Index(srcRect.Left + x - dstLeft, srcRect.Top + y - dstTop)];
      TFixedPoint& to = vectors_[Index(x, y)];
      switch (src->vectorCombineMode_) {
        case vcmAdd: to = TFixedPoint{to.X + from.X, to.Y + from.Y}; break;
        case vcmReplace: to = from; break;
        case vcmCustom: src->OnVectorCombine(from, progression, to); break;
      }
    }
  }
}

void TVectorMap::SaveToFile(const AnsiString& fileName) {
  TMeshHeader header;
  std::memcpy(header.identifier, kMeshIdentifier, sizeof kMeshIdentifier);
  header.width = static_cast<uint32_t>(Width());
  header.height = static_cast<uint32_t>(Height());
  // Written from a copy: singles cannot hold every 16.16 value, the map stays exact.
  std::vector<float> singles;
  singles.reserve(vectors_.size() * 2);
  for (const TFixedPoint& v : vectors_) {
    const TFloatPoint f = FloatPoint(v);
    singles.push_back(f.X);
    singles.push_back(f.Y);
  }
  const uint32_t trailer[2] = {0, 0};
  TFileStream stream(fileName, fmCreate);
  stream.WriteBuffer(&header, kHeaderSize);
  stream.WriteBuffer(singles.data(), static_cast<int>(singles.size() * sizeof(float)));
  stream.WriteBuffer(trailer, kTrailerSize);
}

void TVectorMap::LoadFromFile(const AnsiString& fileName) {
  if (!FileExists(fileName)) throw Exception("File not found!");
  TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
  TMeshHeader header;
  stream.ReadBuffer(&header, kHeaderSize);
  if (!SameIdentifier(header.identifier)) throw Exception("Bad format - Photoshop .msh expected!");
  // The header must not promise more vectors than the file holds (nor than fit a map).
  const uint64_t bytes = uint64_t{header.width} * header.height * 8;
  if (header.width > INT32_MAX || header.height > INT32_MAX ||
      bytes > static_cast<uint64_t>(stream.Size() - kHeaderSize) || bytes > INT32_MAX)
    throw EReadError("Stream read error");
  std::vector<float> singles(static_cast<size_t>(bytes / sizeof(float)));
  stream.ReadBuffer(singles.data(), static_cast<int>(bytes));
  SetSize(static_cast<int32_t>(header.width), static_cast<int32_t>(header.height));
  for (size_t i = 0; i < vectors_.size(); ++i) vectors_[i] = FixedPoint(singles[2 * i], singles[2 * i + 1]);
}

TRect TVectorMap::GetTrimmedBounds() const {
  const auto nonZero = [](const TFixedPoint& v) { return v.X != 0 || v.Y != 0; };
  const auto first = std::find_if(vectors_.begin(), vectors_.end(), nonZero);
  if (first == vectors_.end()) return TRect{};
  const auto last = std::find_if(vectors_.rbegin(), vectors_.rend(), nonZero);
  const int32_t top = static_cast<int32_t>((first - vectors_.begin()) / Width());
  const int32_t bottom = static_cast<int32_t>((vectors_.rend() - last - 1) / Width()) + 1;
  int32_t left = Width();
  int32_t right = 0;
  for (int32_t y = top; y < bottom; ++y)
    for (int32_t x = 0; x < Width(); ++x)
      if (nonZero(GetFixedVector(x, y))) {
        left = std::min(left, x);
        right = std::max(right, x + 1);
      }
  return TRect{left, top, right, bottom};
}

}  // namespace imaging
