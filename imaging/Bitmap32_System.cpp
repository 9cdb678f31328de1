#include "imaging/Bitmap32_System.h"

#include <cpuid.h>

#include "classlib/runtime/WinApi.h"

namespace imaging {

const uint32_t CPUISChecks[6] = {0x00800000, 0x00400000, 0x02000000, 0x04000000, 0x80000000, 0x40000000};

namespace {

TCPUInstructionSets maskedSets = 0;

// What the processor identification tells about its instruction sets.
struct TProcessorFeatures {
  bool identified = false;  // CPUID available and family 5 or later
  uint32_t standard = 0;    // EDX of leaf 1
  bool hasExtended = false;
  uint32_t extended = 0;    // EDX of leaf 0x80000001
};

TProcessorFeatures ReadProcessorFeatures() {
  TProcessorFeatures features;
  // __get_cpuid_max answers 0 when the identification flag of EFLAGS cannot be toggled.
  if (__get_cpuid_max(0, nullptr) < 1) return features;
  unsigned eax, ebx, ecx, edx;
  __cpuid(1, eax, ebx, ecx, edx);
  if (((eax >> 8) & 0xF) < 5) return features;
  features.identified = true;
  features.standard = edx;
  if (__get_cpuid_max(0x80000000, nullptr) > 0x80000000) {
    __cpuid(0x80000001, eax, ebx, ecx, edx);
    features.hasExtended = true;
    features.extended = edx;
  }
  return features;
}

bool ProcessorHas(TCPUInstructionSet instructionSet) {
  const TProcessorFeatures features = ReadProcessorFeatures();
  if (!features.identified) return false;
  const uint32_t mask = CPUISChecks[instructionSet];
  switch (instructionSet) {
    case ciEMMX:
      return (features.standard & CPUISChecks[ciSSE]) != 0 || (features.hasExtended && (features.extended & mask));
    case ci3DNow:
    case ci3DNowExt:
      return features.hasExtended && (features.extended & mask);
    default:
      return (features.standard & mask) != 0;
  }
}

}  // namespace

bool HasInstructionSet(TCPUInstructionSet instructionSet) {
  if (maskedSets & (1u << instructionSet)) return false;
  return ProcessorHas(instructionSet);
}

bool HasMMX() { return HasInstructionSet(ciMMX); }
bool HasEMMX() { return HasInstructionSet(ciEMMX); }
bool HasSSE() { return HasInstructionSet(ciSSE); }
bool HasSSE2() { return HasInstructionSet(ciSSE2); }
bool Has3DNow() { return HasInstructionSet(ci3DNow); }
bool Has3DNowExt() { return HasInstructionSet(ci3DNowExt); }

uint32_t GetTickCount() { return ::GetTickCount(); }

int32_t GetProcessorCount() {
  SYSTEM_INFO info;
  ::GetSystemInfo(&info);
  return static_cast<int32_t>(info.dwNumberOfProcessors);
}

void MaskInstructionSets(TCPUInstructionSets masked) { maskedSets = masked; }

}  // namespace imaging
