#include "engine/Standinresourceform.h"

#include <memory>

#include "engine/Realencoderdllwarper.h"
#include "engine/Wmvencoderdllwarper.h"

TResourceForm* ResourceForm = nullptr;

TResourceForm::TResourceForm(const char* wmvLibrary, const char* realLibrary) {
  auto wmv = std::make_unique<WM9EncoderDllWarper>(wmvLibrary);
  if (wmv->Init() != 0) WMVEncoder = wmv.release();
  else wmv->Uninit();
  auto real = std::make_unique<RealEncoderDllWarper>(realLibrary);
  if (real->IsUsable()) {
    real->ResetHandle();
    RealEncoder = real.release();
  }
}

TResourceForm::~TResourceForm() {
  if (WMVEncoder != nullptr) WMVEncoder->Uninit();
  delete WMVEncoder;
  delete RealEncoder;
}
