#include "imaging/Pngencode.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "imaging/Pngcrc.h"

// ---- filtering ----

namespace {

uint8_t Paeth(int left, int above, int upperLeft) {
  const int p = left + above - upperLeft;
  const int pa = std::abs(p - left), pb = std::abs(p - above), pc = std::abs(p - upperLeft);
  if (pa <= pb && pa <= pc) return static_cast<uint8_t>(left);
  return static_cast<uint8_t>(pb <= pc ? above : upperLeft);
}

// Positions k from 2 on whose byte equals one of the two before it.
uint32_t RunScore(const std::vector<uint8_t>& bytes) {
  uint32_t run = 0;
  for (size_t k = 2; k < bytes.size(); ++k) run += bytes[k] == bytes[k - 1] || bytes[k] == bytes[k - 2];
  return run;
}

}  // namespace

TPngRowFilter::TPngRowFilter(TFilters filters, uint32_t rowBytes, uint32_t offset)
    : filters_(filters), rowBytes_(rowBytes), offset_(offset), previous_(rowBytes) {
  outputs_[pfNone].resize(rowBytes);
  for (TFilter f : {pfSub, pfUp, pfAverage, pfPaeth})
    if (filters_.Contains(f)) outputs_[f].resize(rowBytes);
}

void TPngRowFilter::Restart() { std::fill(previous_.begin(), previous_.end(), 0); }

uint8_t TPngRowFilter::FilterToEncode(const uint8_t* raw) {
  for (uint32_t i = 0; i < rowBytes_; ++i) {
    const int left = i >= offset_ ? raw[i - offset_] : 0;
    const int above = previous_[i];
    const int upperLeft = i >= offset_ ? previous_[i - offset_] : 0;
    if (filters_.Contains(pfSub)) outputs_[pfSub][i] = static_cast<uint8_t>(raw[i] - left);
    if (filters_.Contains(pfUp)) outputs_[pfUp][i] = static_cast<uint8_t>(raw[i] - above);
    if (filters_.Contains(pfAverage)) outputs_[pfAverage][i] = static_cast<uint8_t>(raw[i] - (above + left) / 2);
    if (filters_.Contains(pfPaeth)) outputs_[pfPaeth][i] = static_cast<uint8_t>(raw[i] - Paeth(left, above, upperLeft));
  }
  std::copy(raw, raw + rowBytes_, outputs_[pfNone].begin());
  std::copy(raw, raw + rowBytes_, previous_.begin());
  if (filters_.Empty() || filters_ == TFilters{pfNone}) return pfNone;
  int inSet = 0;
  uint8_t only = pfNone;
  for (TFilter f : {pfNone, pfSub, pfUp, pfAverage, pfPaeth})
    if (filters_.Contains(f)) {
      ++inSet;
      only = static_cast<uint8_t>(f);
    }
  if (inSet == 1) return only;
  uint8_t best = pfNone;
  uint32_t longest = 0;
  for (TFilter f : {pfNone, pfSub, pfUp, pfAverage, pfPaeth}) {
    if (!filters_.Contains(f)) continue;
    const uint32_t run = RunScore(outputs_[f]);
    if (run > longest) {
      best = static_cast<uint8_t>(f);
      longest = run;
    }
  }
  return best;
}

// ---- rows from the storage ----

namespace {

// Where the pixels of one image row come from, and which of them form the (pass) row:
// pixel k is at column start + k * step.
struct TRowSource {
  const uint8_t* row;
  const uint8_t* alpha;
  const uint8_t* extra;
  const uint8_t* inverse;
  int start;
  int step;
  int columns;
  int column(int k) const { return start + k * step; }
};

using TEncodeRoutine = void (*)(const TRowSource& source, uint8_t* out);

template <int Bits>
void EncodePacked(const TRowSource& s, uint8_t* out) {
  for (int k = 0; k < s.columns; ++k) {
    const int bit = s.column(k) * Bits;
    const int value = (s.row[bit / 8] >> (8 - Bits - bit % 8)) & ((1 << Bits) - 1);
    const int at = k * Bits;
    out[at / 8] = static_cast<uint8_t>(out[at / 8] | (value << (8 - Bits - at % 8)));
  }
}

void EncodeGrayscale16(const TRowSource& s, uint8_t* out) {
  for (int k = 0; k < s.columns; ++k) {
    out[2 * k] = s.row[s.column(k)];
    out[2 * k + 1] = s.extra[s.column(k)];
  }
}

// Red, green and blue through the inverse gamma table, `Bytes` bytes each (the low
// bytes from the low-byte plane), then the alpha when `WithAlpha` (its low byte 0).
template <int Bytes, bool WithAlpha>
void EncodeColor(const TRowSource& s, uint8_t* out) {
  constexpr int kStride = (WithAlpha ? 4 : 3) * Bytes;
  for (int k = 0; k < s.columns; ++k) {
    uint8_t* pixel = out + kStride * k;
    const int x = s.column(k);
    for (int channel = 0; channel < 3; ++channel) {
      pixel[channel * Bytes] = s.inverse[s.row[3 * x + 2 - channel]];
      if constexpr (Bytes == 2) pixel[channel * Bytes + 1] = s.inverse[s.extra[3 * x + 2 - channel]];
    }
    if constexpr (WithAlpha) pixel[3 * Bytes] = s.alpha[x];
  }
}

template <int Bytes>
void EncodeGrayscaleAlpha(const TRowSource& s, uint8_t* out) {
  for (int k = 0; k < s.columns; ++k) {
    uint8_t* pixel = out + 2 * Bytes * k;
    pixel[0] = s.row[s.column(k)];
    if constexpr (Bytes == 2) pixel[1] = s.extra[s.column(k)];
    pixel[Bytes] = s.alpha[s.column(k)];
  }
}

TEncodeRoutine EncodeRoutineFor(uint8_t colorType, uint8_t bitDepth) {
  const bool palette = colorType == COLOR_PALETTE;
  switch (colorType) {
    case COLOR_GRAYSCALE:
    case COLOR_PALETTE:
      switch (bitDepth) {
        case 1: return &EncodePacked<1>;
        case 4: return &EncodePacked<4>;
        case 8: return &EncodePacked<8>;
        case 16: return palette ? nullptr : &EncodeGrayscale16;
        default: return nullptr;
      }
    case COLOR_RGB:
      return bitDepth == 8 ? &EncodeColor<1, false> : bitDepth == 16 ? &EncodeColor<2, false> : nullptr;
    case COLOR_GRAYSCALEALPHA:
      return bitDepth == 8 ? &EncodeGrayscaleAlpha<1> : bitDepth == 16 ? &EncodeGrayscaleAlpha<2> : nullptr;
    case COLOR_RGBALPHA:
      return bitDepth == 8 ? &EncodeColor<1, true> : bitDepth == 16 ? &EncodeColor<2, true> : nullptr;
    default: return nullptr;
  }
}

// ---- compressing into IDAT chunks ----

[[noreturn]] void RaiseZlibError(int code) {
  RaiseError<EPNGZLIBError>(PngText(EPNGZLIBErrorText) + ZlibResultText(code));
}

// One deflate stream whose output goes out as IDAT chunks of exactly `chunkSize` bytes
// as soon as a chunk fills; Finish writes the rest as the last one.
class TIdatWriter {
 public:
  TIdatWriter(TStream* stream, int level, uint32_t chunkSize) : stream_(stream), output_(chunkSize) {
    const int result = deflateInit(&zlib_, level);
    if (result != Z_OK) RaiseZlibError(result);
    StartChunk();
  }
  ~TIdatWriter() { deflateEnd(&zlib_); }
  TIdatWriter(const TIdatWriter&) = delete;
  TIdatWriter& operator=(const TIdatWriter&) = delete;

  void Write(const uint8_t* bytes, uint32_t count) {
    zlib_.next_in = const_cast<uint8_t*>(bytes);
    zlib_.avail_in = count;
    while (zlib_.avail_in > 0) Deflate(Z_NO_FLUSH);
  }

  void Finish() {
    while (Deflate(Z_FINISH) != Z_STREAM_END) {
    }
    if (zlib_.avail_out < output_.size()) WriteChunk(static_cast<uint32_t>(output_.size() - zlib_.avail_out));
  }

 private:
  int Deflate(int flush) {
    const int result = deflate(&zlib_, flush);
    if (result < 0 && result != Z_BUF_ERROR) RaiseZlibError(result);
    if (zlib_.avail_out == 0) {
      WriteChunk(static_cast<uint32_t>(output_.size()));
      StartChunk();
    }
    return result;
  }

  void StartChunk() {
    zlib_.next_out = output_.data();
    zlib_.avail_out = static_cast<uInt>(output_.size());
  }

  void WriteChunk(uint32_t size) {
    uint8_t number[4];
    WriteBigEndian32(number, size);
    stream_->WriteBuffer(number, 4);
    stream_->WriteBuffer("IDAT", 4);
    stream_->WriteBuffer(output_.data(), static_cast<int>(size));
    uint32_t crc = update_crc(0xFFFFFFFFu, reinterpret_cast<const uint8_t*>("IDAT"), 4);
    WriteBigEndian32(number, ~update_crc(crc, output_.data(), size));
    stream_->WriteBuffer(number, 4);
  }

  TStream* stream_;
  z_stream zlib_{};
  std::vector<uint8_t> output_;
};

// ---- the row loops ----

class TImageEncoder {
 public:
  TImageEncoder(TChunkIHDR& header, TIdatWriter& writer)
      : header_(header), writer_(writer), encode_(EncodeRoutineFor(header.ColorType(), header.BitDepth())) {
    if (encode_ == nullptr) RaiseError<EPNGInvalidSpec>(EPNGInvalidSpecText);
    if (header.ImageData() == nullptr) RaiseError<EPNGNoImageData>(EPNGNoImageDataText);
  }

  void EncodeNonInterlaced() { EncodePass(0, 1, 0, 1); }

  void EncodeInterlacedAdam7() {
    static constexpr int kRowStart[7] = {0, 0, 4, 0, 2, 0, 1};
    static constexpr int kColumnStart[7] = {0, 4, 0, 2, 0, 1, 0};
    static constexpr int kRowStep[7] = {8, 8, 8, 4, 4, 2, 2};
    static constexpr int kColumnStep[7] = {8, 8, 4, 4, 2, 2, 1};
    for (int pass = 0; pass < 7; ++pass) EncodePass(kRowStart[pass], kRowStep[pass], kColumnStart[pass], kColumnStep[pass]);
  }

 private:
  void EncodePass(int rowStart, int rowStep, int columnStart, int columnStep) {
    const int width = static_cast<int>(header_.Width());
    const int columns = width > columnStart ? (width - columnStart + columnStep - 1) / columnStep : 0;
    uint32_t rowBytes = 0, offset = 0;
    PngPixelInfo(static_cast<uint32_t>(columns), header_.ColorType(), header_.BitDepth(), rowBytes, offset);
    if (rowBytes == 0) return;
    TPngRowFilter filter(header_.Owner()->Filters, rowBytes, offset);
    std::vector<uint8_t> raw(rowBytes);
    for (int y = rowStart; y < static_cast<int>(header_.Height()); y += rowStep) {
      std::fill(raw.begin(), raw.end(), 0);
      encode_(SourceOf(y, columnStart, columnStep, columns), raw.data());
      const uint8_t type = filter.FilterToEncode(raw.data());
      writer_.Write(&type, 1);
      writer_.Write(filter.Output(type), rowBytes);
    }
  }

  TRowSource SourceOf(int y, int start, int step, int columns) const {
    const size_t storageRow = size_t(header_.BytesPerRow()) * (header_.Height() - 1 - y);
    const uint8_t* alpha = header_.ImageAlpha();
    const uint8_t* extra = header_.ExtraImageData();
    return TRowSource{header_.ImageData() + storageRow,
                      alpha != nullptr ? alpha + size_t(y) * header_.Width() : nullptr,
                      extra != nullptr ? extra + storageRow : nullptr,
                      header_.Owner()->InverseTable,
                      start,
                      step,
                      columns};
  }

  TChunkIHDR& header_;
  TIdatWriter& writer_;
  TEncodeRoutine encode_;
};

}  // namespace

void EncodeImageData(TChunkIHDR& header, TStream* stream) {
  TPNGObject* owner = header.Owner();
  TIdatWriter writer(stream, owner->CompressionLevel, static_cast<uint32_t>(owner->MaxIdatSize()));
  TImageEncoder encoder(header, writer);
  if (owner->InterlaceMethod == imAdam7) encoder.EncodeInterlacedAdam7();
  else encoder.EncodeNonInterlaced();
  writer.Finish();
}
