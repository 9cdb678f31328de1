#include "imaging/Imaging.h"

#include "imaging/Bitmap32.h"
#include "imaging/Bitmap32_Blend.h"
#include "imaging/Bitmap32_Collections.h"
#include "imaging/Bitmap32_Colors.h"
#include "imaging/Bitmap32_Image.h"
#include "imaging/Bitmap32_Interpolator.h"
#include "imaging/Bitmap32_LinearResamplers.h"
#include "imaging/Bitmap32_LowLevel.h"
#include "imaging/Bitmap32_RangeBars.h"
#include "imaging/Bitmap32_Rasterizers.h"
#include "imaging/Bitmap32_Resamplers.h"
#include "imaging/Pngimage.h"

namespace imaging {

namespace {

int startCount = 0;

// Every binding by the processor tests, in start-up order.
void BindProcessorRoutines() {
  BindBlendRoutines();
  BindLowLevelRoutines();
  BindInterpolator();
  BindLinearResamplerRoutines();
}

}  // namespace

void InitializeImaging() {
  if (startCount++ > 0) return;
  InitializeSystem();
  InitializeBlend();
  BindLowLevelRoutines();
  BindInterpolator();
  SetGamma(0.7f);
  InitializeBitmap32();
  BindLinearResamplerRoutines();
  InitializeResamplers();
  InitializeRasterizers();
  RegisterBitmap32Collections();
  RegisterImageClasses();
  RegisterRangeBarClasses();
  RegisterImgViewClasses();
  InitializePngImage();
}

void FinalizeImaging() {
  if (startCount == 0 || --startCount > 0) return;
  FinalizePngImage();
  FinalizeResamplers();
  FinalizeBitmap32();
  FinalizeBlend();
  FinalizeSystem();
}

void RebindWithMaskedInstructionSets(TCPUInstructionSets masked) {
  MaskInstructionSets(masked);
  BindProcessorRoutines();
}

}  // namespace imaging
