#pragma once
// The checksum and byte-order helpers of PNG chunks.
#include <cstddef>
#include <cstdint>

// Continues the CRC-32 of the PNG format (reflected polynomial 0xEDB88320) over `count`
// bytes. A chunk's CRC is the complement of update_crc(0xFFFFFFFF, name and data).
uint32_t update_crc(uint32_t crc, const uint8_t* buffer, size_t count);

// Reverses the bytes of a 32-bit or 16-bit value (file order is big-endian).
constexpr uint32_t ByteSwap(uint32_t value) {
  return (value >> 24) | ((value >> 8) & 0xFF00u) | ((value << 8) & 0xFF0000u) | (value << 24);
}
constexpr uint16_t ByteSwap16(uint16_t value) {
  return static_cast<uint16_t>((value >> 8) | (value << 8));
}

// Big-endian numbers inside chunk data.
inline uint32_t ReadBigEndian32(const uint8_t* bytes) {
  return (uint32_t{bytes[0]} << 24) | (uint32_t{bytes[1]} << 16) | (uint32_t{bytes[2]} << 8) | bytes[3];
}
inline void WriteBigEndian32(uint8_t* bytes, uint32_t value) {
  bytes[0] = static_cast<uint8_t>(value >> 24);
  bytes[1] = static_cast<uint8_t>(value >> 16);
  bytes[2] = static_cast<uint8_t>(value >> 8);
  bytes[3] = static_cast<uint8_t>(value);
}
