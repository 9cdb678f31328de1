#pragma once
// Operating-system and processor services of the bitmap library: instruction-set
// tests, tick count and processor count.
#include <cstdint>

namespace imaging {

enum TCPUInstructionSet : uint8_t { ciMMX = 0, ciEMMX = 1, ciSSE = 2, ciSSE2 = 3, ci3DNow = 4, ci3DNowExt = 5 };
// A set of instruction sets: bit n stands for the set of value n.
using TCPUInstructionSets = uint8_t;

// The EDX feature mask of each instruction set.
extern const uint32_t CPUISChecks[6];

// Asks the processor anew at every call.
bool HasInstructionSet(TCPUInstructionSet instructionSet);
bool HasMMX();
bool HasEMMX();
bool HasSSE();
bool HasSSE2();
bool Has3DNow();
bool Has3DNowExt();

uint32_t GetTickCount();
int32_t GetProcessorCount();

// For tests: the instruction sets in `masked` are reported absent from now on.
void MaskInstructionSets(TCPUInstructionSets masked);

}  // namespace imaging
