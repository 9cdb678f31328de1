#pragma once
// Start-up and shut-down of the bitmap library. The application and every test program
// call InitializeImaging before any bitmap exists and FinalizeImaging at the end; the
// calls are counted, so only the first start-up and the last shut-down do the work.
#include "imaging/Bitmap32_System.h"

namespace imaging {

void InitializeImaging();
void FinalizeImaging();

// For tests: binds every routine with a processor form again as if the instruction sets
// in `masked` were absent (0 restores the processor's own forms).
void RebindWithMaskedInstructionSets(TCPUInstructionSets masked);

}  // namespace imaging
