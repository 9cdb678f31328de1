#include "engine/Encoderwrappers.h"

namespace {
WM9EncoderDllWarper* g_wmv = nullptr;
RealEncoderDllWarper* g_real = nullptr;
}  // namespace

void SetEncoderWrappers(WM9EncoderDllWarper* wmv, RealEncoderDllWarper* real) {
  g_wmv = wmv;
  g_real = real;
}

WM9EncoderDllWarper* WMVEncoderWrapper() { return g_wmv; }

RealEncoderDllWarper* RealEncoderWrapper() { return g_real; }
