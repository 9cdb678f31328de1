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

TEncoderPlugins::TEncoderPlugins(const char* wmvLibrary, const char* realLibrary)
    : wmv_(new WM9EncoderDllWarper(wmvLibrary)), real_(new RealEncoderDllWarper(realLibrary)) {
  if (!wmv_->Init()) {
    wmv_->Uninit();
    delete wmv_;
    wmv_ = nullptr;
  }
  if (real_->IsUsable()) {
    real_->ResetHandle();
  } else {
    delete real_;
    real_ = nullptr;
  }
  SetEncoderWrappers(wmv_, real_);
}

TEncoderPlugins::~TEncoderPlugins() {
  SetEncoderWrappers(nullptr, nullptr);
  if (wmv_ != nullptr) wmv_->Uninit();
  delete wmv_;
  delete real_;
}
