#pragma once
// Requests the program driver hands to driverhook.dll inside the driven program. Windows
// travel as 64-bit numbers so the layout is one on both sides.
#include <cstdint>

struct DriverDropRequest {
  std::uint64_t Window;
  std::int32_t X;
  std::int32_t Y;
  std::uint32_t FileListBytes;
  // The files, each ended by a zero byte, and one more zero byte after the last.
  char FileList[1];
};

// A window of the program and a file that gets the answer.
struct DriverWindowRequest {
  std::uint64_t Window;
  char OutputFile[260];
};
