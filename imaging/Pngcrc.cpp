#include "imaging/Pngcrc.h"

#include <array>

namespace {

std::array<uint32_t, 256> MakeCrcTable() {
  std::array<uint32_t, 256> table{};
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

}  // namespace

uint32_t update_crc(uint32_t crc, const uint8_t* buffer, size_t count) {
  static const std::array<uint32_t, 256> table = MakeCrcTable();  // built on first use
  for (size_t i = 0; i < count; ++i) crc = table[(crc ^ buffer[i]) & 0xFF] ^ (crc >> 8);
  return crc;
}
