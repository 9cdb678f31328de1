#pragma once
#include <cstddef>

// The environment file is INI text stored with every byte XOR-ed with this key. The
// reader and the build tool that writes the file both take it from here.
constexpr unsigned char kEnvFileKey = 0xA7;

// Scrambles or unscrambles (the same operation) `count` bytes in place.
inline void ScrambleEnvBytes(unsigned char* bytes, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) bytes[i] ^= kEnvFileKey;
}
