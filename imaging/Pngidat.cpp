#include "imaging/Pngidat.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "imaging/Pngcrc.h"
#include "imaging/Pngencode.h"
#include "imaging/Pngimage.h"

namespace {

constexpr uint32_t kInputSize = 65535;

// Inflated bytes across the IDAT chunks of one image, with the CRC of each chunk.
class TIdatReader {
 public:
  TIdatReader(TStream* stream, const char* name, uint32_t length)
      : stream_(stream), input_(kInputSize) {
    crc_ = update_crc(0xFFFFFFFFu, reinterpret_cast<const uint8_t*>(name), 4);
    endPosition_ = stream->Position() + length;
    if (inflateInit(&zlib_) != Z_OK) RaiseZlibError(Z_MEM_ERROR);
  }
  ~TIdatReader() { inflateEnd(&zlib_); }
  TIdatReader(const TIdatReader&) = delete;
  TIdatReader& operator=(const TIdatReader&) = delete;

  // Fills up to `count` bytes; answers how many were produced (fewer once the
  // compressed stream has ended).
  uint32_t Read(uint8_t* buffer, uint32_t count) {
    zlib_.next_out = buffer;
    zlib_.avail_out = count;
    while (zlib_.avail_out > 0 && !ended_) {
      if (zlib_.avail_in == 0) FillInput();
      const int result = inflate(&zlib_, Z_NO_FLUSH);
      if (result < 0 || result == Z_NEED_DICT) {
        // Damaged data is reported as such when its chunk's CRC says so.
        Finish();
        RaiseZlibError(result);
      }
      ended_ = result == Z_STREAM_END;
    }
    return count - zlib_.avail_out;
  }

  // The rest of the current chunk enters the CRC, which is then checked
  // (EPngInvalidCRC on a mismatch).
  void Finish() {
    while (stream_->Position() < endPosition_) {
      const auto wanted = static_cast<int>(std::min<int64_t>(endPosition_ - stream_->Position(), kInputSize));
      const int got = stream_->Read(input_.data(), wanted);
      if (got <= 0) RaiseError<EPngUnexpectedEnd>(EPNGUnexpectedEndText);
      crc_ = update_crc(crc_, input_.data(), static_cast<size_t>(got));
    }
    CheckCrc();
  }

 private:
  [[noreturn]] static void RaiseZlibError(int code) {
    RaiseError<EPNGZLIBError>(PngText(EPNGZLIBErrorText) + ZlibResultText(code));
  }

  void CheckCrc() {
    uint8_t stored[4] = {0, 0, 0, 0};
    if (stream_->Read(stored, 4) != 4) RaiseError<EPngUnexpectedEnd>(EPNGUnexpectedEndText);
    if (ReadBigEndian32(stored) != ~crc_) RaiseError<EPngInvalidCRC>(EPNGInvalidCRCText);
  }

  // Moves on to the next IDAT chunk after checking the one just finished.
  void NextChunk() {
    CheckCrc();
    uint8_t head[8];
    if (stream_->Read(head, 8) != 8) RaiseError<EPngUnexpectedEnd>(EPNGUnexpectedEndText);
    if (std::memcmp(head + 4, "IDAT", 4) != 0) {
      RaiseError<EPNGMissingMultipleIDAT>(EPNGMissingMultipleIDATText);
    }
    const uint32_t length = ReadBigEndian32(head);
    CheckChunkFits(stream_, length);
    crc_ = update_crc(0xFFFFFFFFu, head + 4, 4);
    endPosition_ = stream_->Position() + length;
  }

  // Reads the next block of compressed data, moving on to the next IDAT chunk (empty
  // ones included) as needed.
  void FillInput() {
    for (;;) {
      if (stream_->Position() >= endPosition_) NextChunk();
      const auto wanted = static_cast<int>(std::min<int64_t>(endPosition_ - stream_->Position(), kInputSize));
      if (wanted == 0) continue;
      const int got = stream_->Read(input_.data(), wanted);
      if (got <= 0) RaiseError<EPngUnexpectedEnd>(EPNGUnexpectedEndText);
      crc_ = update_crc(crc_, input_.data(), static_cast<size_t>(got));
      zlib_.next_in = input_.data();
      zlib_.avail_in = static_cast<uInt>(got);
      return;
    }
  }

  TStream* stream_;
  z_stream zlib_{};
  std::vector<uint8_t> input_;
  int64_t endPosition_ = 0;
  uint32_t crc_ = 0;
  bool ended_ = false;
};

// ---- row filters ----

uint8_t PaethPredictor(int left, int above, int upperLeft) {
  const int p = left + above - upperLeft;
  const int pa = std::abs(p - left);
  const int pb = std::abs(p - above);
  const int pc = std::abs(p - upperLeft);
  if (pa <= pb && pa <= pc) return static_cast<uint8_t>(left);
  if (pb <= pc) return static_cast<uint8_t>(above);
  return static_cast<uint8_t>(upperLeft);
}

// Undoes the filter of `row` (filter byte first) against `previous`; types above 4 are
// left as they are.
void FilterRow(uint8_t* row, const uint8_t* previous, uint32_t rowBytes, uint32_t offset) {
  uint8_t* x = row + 1;
  const uint8_t* above = previous + 1;
  for (uint32_t i = 0; i < rowBytes; ++i) {
    const int left = i >= offset ? x[i - offset] : 0;
    const int upperLeft = i >= offset ? above[i - offset] : 0;
    switch (row[0]) {
      case 1: x[i] = static_cast<uint8_t>(x[i] + left); break;
      case 2: x[i] = static_cast<uint8_t>(x[i] + above[i]); break;
      case 3: x[i] = static_cast<uint8_t>(x[i] + (above[i] + left) / 2); break;
      case 4: x[i] = static_cast<uint8_t>(x[i] + PaethPredictor(left, above[i], upperLeft)); break;
      default: return;
    }
  }
}

// ---- copying rows into the storage ----

// Where one image row goes, and the pixels of the (pass) row: column of pixel k is
// start + k * step.
struct TRowTarget {
  uint8_t* row;
  uint8_t* alpha;
  uint8_t* extra;
  const uint8_t* gamma;
  int start;
  int step;
  int columns;
  int column(int k) const { return start + k * step; }
};

using TCopyRoutine = void (*)(const uint8_t* source, const TRowTarget& target);

int PackedSample(const uint8_t* source, int k, int bits) {
  const int bit = k * bits;
  return (source[bit / 8] >> (8 - bits - bit % 8)) & ((1 << bits) - 1);
}

void PutPacked(uint8_t* row, int column, int bits, int value) {
  const int bit = column * bits;
  row[bit / 8] = static_cast<uint8_t>(row[bit / 8] | (value << (8 - bits - bit % 8)));
}

template <int Bits>
void CopyPalette148(const uint8_t* source, const TRowTarget& t) {
  for (int k = 0; k < t.columns; ++k) PutPacked(t.row, t.column(k), Bits, PackedSample(source, k, Bits));
}

void CopyPalette2(const uint8_t* source, const TRowTarget& t) {
  for (int k = 0; k < t.columns; ++k) PutPacked(t.row, t.column(k), 4, PackedSample(source, k, 2));
}

void CopyGray2(const uint8_t* source, const TRowTarget& t) {
  for (int k = 0; k < t.columns; ++k) PutPacked(t.row, t.column(k), 4, 5 * PackedSample(source, k, 2));
}

void CopyGrayscale16(const uint8_t* source, const TRowTarget& t) {
  for (int k = 0; k < t.columns; ++k) {
    t.row[t.column(k)] = source[2 * k];
    t.extra[t.column(k)] = source[2 * k + 1];
  }
}

// Red, green and blue samples of `bytes` bytes each, `stride` bytes per pixel.
template <int Bytes, int Stride>
void CopyColor(const uint8_t* source, const TRowTarget& t) {
  for (int k = 0; k < t.columns; ++k) {
    const uint8_t* pixel = source + Stride * k;
    uint8_t* out = t.row + 3 * t.column(k);
    for (int channel = 0; channel < 3; ++channel) {
      out[2 - channel] = t.gamma[pixel[channel * Bytes]];
      if constexpr (Bytes == 2) t.extra[3 * t.column(k) + 2 - channel] = t.gamma[pixel[channel * Bytes + 1]];
    }
    if constexpr (Stride == 4 * Bytes) t.alpha[t.column(k)] = pixel[3 * Bytes];
  }
}

template <int Bytes>
void CopyGrayscaleAlpha(const uint8_t* source, const TRowTarget& t) {
  for (int k = 0; k < t.columns; ++k) {
    const uint8_t* pixel = source + 2 * Bytes * k;
    t.row[t.column(k)] = pixel[0];
    t.alpha[t.column(k)] = pixel[Bytes];
    if constexpr (Bytes == 2) t.extra[t.column(k)] = pixel[1];
  }
}

TCopyRoutine CopyRoutineFor(uint8_t colorType, uint8_t bitDepth) {
  switch (colorType) {
    case COLOR_GRAYSCALE:
    case COLOR_PALETTE:
      switch (bitDepth) {
        case 1: return &CopyPalette148<1>;
        case 2: return colorType == COLOR_PALETTE ? &CopyPalette2 : &CopyGray2;
        case 4: return &CopyPalette148<4>;
        case 8: return &CopyPalette148<8>;
        default: return &CopyGrayscale16;
      }
    case COLOR_RGB: return bitDepth == 8 ? &CopyColor<1, 3> : &CopyColor<2, 6>;
    case COLOR_GRAYSCALEALPHA: return bitDepth == 8 ? &CopyGrayscaleAlpha<1> : &CopyGrayscaleAlpha<2>;
    default: return bitDepth == 8 ? &CopyColor<1, 4> : &CopyColor<2, 8>;
  }
}

// The row loops of one image.
class TImageDecoder {
 public:
  TImageDecoder(TChunkIHDR& header, TIdatReader& reader)
      : header_(header), reader_(reader), copy_(CopyRoutineFor(header.ColorType(), header.BitDepth())) {}

  void DecodeNonInterlaced() { DecodePass(0, 1, 0, 1); }

  void DecodeInterlacedAdam7() {
    static constexpr int kRowStart[7] = {0, 0, 4, 0, 2, 0, 1};
    static constexpr int kColumnStart[7] = {0, 4, 0, 2, 0, 1, 0};
    static constexpr int kRowStep[7] = {8, 8, 8, 4, 4, 2, 2};
    static constexpr int kColumnStep[7] = {8, 8, 4, 4, 2, 2, 1};
    for (int pass = 0; pass < 7; ++pass) {
      if (!DecodePass(kRowStart[pass], kRowStep[pass], kColumnStart[pass], kColumnStep[pass])) return;
    }
  }

 private:
  // False once the compressed data has run out.
  bool DecodePass(int rowStart, int rowStep, int columnStart, int columnStep) {
    const int width = static_cast<int>(header_.Width());
    const int columns = width > columnStart ? (width - columnStart + columnStep - 1) / columnStep : 0;
    uint32_t rowBytes = 0;
    uint32_t offset = 0;
    PngPixelInfo(static_cast<uint32_t>(columns), header_.ColorType(), header_.BitDepth(), rowBytes, offset);
    if (rowBytes == 0) return true;
    std::vector<uint8_t> current(rowBytes + 1);
    std::vector<uint8_t> previous(rowBytes + 1, 0);
    for (int y = rowStart; y < static_cast<int>(header_.Height()); y += rowStep) {
      const uint32_t got = reader_.Read(current.data(), rowBytes + 1);
      if (got == 0) return false;
      std::fill(current.begin() + got, current.end(), 0);
      FilterRow(current.data(), previous.data(), rowBytes, offset);
      copy_(current.data() + 1, TargetOf(y, columnStart, columnStep, columns));
      current.swap(previous);
      if (got < rowBytes + 1) return false;
    }
    return true;
  }

  TRowTarget TargetOf(int y, int start, int step, int columns) const {
    const size_t storageRow = size_t(header_.BytesPerRow()) * (header_.Height() - 1 - y);
    uint8_t* alpha = header_.ImageAlpha();
    uint8_t* extra = header_.ExtraImageData();
    return TRowTarget{header_.ImageData() + storageRow,
                      alpha != nullptr ? alpha + size_t(y) * header_.Width() : nullptr,
                      extra != nullptr ? extra + storageRow : nullptr,
                      header_.Owner()->GammaTable,
                      start,
                      step,
                      columns};
  }

  TChunkIHDR& header_;
  TIdatReader& reader_;
  TCopyRoutine copy_;
};

// Grey images are shown through a ramp carrying the gamma read so far.
void PreparePalette(TChunkIHDR& header) {
  const uint8_t type = header.ColorType();
  if (!header.HasPalette() || (type != COLOR_GRAYSCALE && type != COLOR_GRAYSCALEALPHA)) return;
  header.Owner()->SetPalette(header.CreateGrayscalePalette(header.StorageBits()));
}

}  // namespace

bool TChunkIDAT::LoadFromStream(TStream* stream, const char* name, uint32_t length) {
  SetChunkName(name);
  TChunkIHDR& header = *GetHeader();
  PreparePalette(header);
  TIdatReader reader(stream, name, length);
  TImageDecoder decoder(header, reader);
  if (Owner()->InterlaceMethod == imAdam7) {
    decoder.DecodeInterlacedAdam7();
  } else {
    decoder.DecodeNonInterlaced();
  }
  reader.Finish();
  return true;
}

bool TChunkIDAT::SaveToStream(TStream* stream) {
  EncodeImageData(*GetHeader(), stream);
  return true;
}
