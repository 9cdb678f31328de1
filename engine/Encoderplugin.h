#pragma once
#include <cstdint>

#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/WinApi.h"
#include "media/contracts/AudioEncoderPlugin.h"

// One audio encoder plug-in loaded for a job: its library and the module table that its
// export "GetEncoderModule" answers. A plug-in without the export, or whose table lacks an
// entry, is never called: its begin answers -1, its encode and finish do nothing.
class EncoderPlugin {
 public:
  explicit EncoderPlugin(const AnsiString& libraryPath);
  // Unloads the library.
  ~EncoderPlugin();
  EncoderPlugin(const EncoderPlugin&) = delete;
  EncoderPlugin& operator=(const EncoderPlugin&) = delete;

  bool IsUsable() const { return Table != nullptr; }
  // Negative answers are failures.
  std::int32_t BeginEncode(const AnsiString& outputPath, MyID3Tag* tag, AudioSampleBuffer* buffer,
                           const EncoderParamPair* pairs, std::int32_t count);
  std::int32_t EncodeSamples(AudioSampleBuffer* buffer);
  std::int32_t Finish(Bool8 flag);

 private:
  HMODULE Module;
  const AudioEncoderModule* Table = nullptr;
};
