#include "imaging/Imaging.h"

#include "imaging/Bitmap32_Blend.h"
#include "imaging/Bitmap32_Colors.h"
#include "imaging/Bitmap32_LowLevel.h"

namespace imaging {

namespace {

int startCount = 0;

void BindProcessorRoutines() {
  BindLowLevelRoutines();
  BindBlendRoutines();
}

}  // namespace

void InitializeImaging() {
  if (startCount++ > 0) return;
  InitializeSystem();
  InitializeBlend();
  BindLowLevelRoutines();
  SetGamma(0.7f);
}

void FinalizeImaging() {
  if (startCount == 0 || --startCount > 0) return;
  FinalizeBlend();
  FinalizeSystem();
}

void RebindWithMaskedInstructionSets(TCPUInstructionSets masked) {
  MaskInstructionSets(masked);
  BindProcessorRoutines();
}

}  // namespace imaging
