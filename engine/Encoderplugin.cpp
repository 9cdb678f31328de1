#include "engine/Encoderplugin.h"

namespace {

constexpr std::int32_t kNoPlugin = -1;

}  // namespace

EncoderPlugin::EncoderPlugin(const AnsiString& libraryPath) : Module(LoadLibraryA(libraryPath.c_str())) {
  if (Module == nullptr) return;
  const auto get = reinterpret_cast<GetEncoderModuleProc>(
      reinterpret_cast<void*>(GetProcAddress(Module, kGetEncoderModuleName)));
  const AudioEncoderModule* table = get != nullptr ? get() : nullptr;
  if (table != nullptr && table->begin != nullptr && table->encode != nullptr && table->finish != nullptr)
    Table = table;
}

EncoderPlugin::~EncoderPlugin() {
  if (Module != nullptr) FreeLibrary(Module);
}

std::int32_t EncoderPlugin::BeginEncode(const AnsiString& outputPath, MyID3Tag* tag, AudioSampleBuffer* buffer,
                                        const EncoderParamPair* pairs, std::int32_t count) {
  return IsUsable() ? Table->begin(outputPath.c_str(), tag, buffer, pairs, count) : kNoPlugin;
}

std::int32_t EncoderPlugin::EncodeSamples(AudioSampleBuffer* buffer) {
  return IsUsable() ? Table->encode(buffer) : 0;
}

std::int32_t EncoderPlugin::Finish(Bool8 flag) { return IsUsable() ? Table->finish(flag) : 0; }
