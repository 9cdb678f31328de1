#pragma once
// Whole-buffer inflation and deflation for the compressed text chunk: one zlib stream over
// the input, output gathered 256 bytes at a time.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "classlib/runtime/AnsiString.h"

struct TZlibResult {
  bool ok = false;
  std::vector<uint8_t> output;
  AnsiString error;  // zlib's message when not ok
};

TZlibResult ZlibInflate(const uint8_t* input, size_t count);
TZlibResult ZlibDeflate(const uint8_t* input, size_t count, int level);
