// apeenc.dll: lossless Monkey's Audio files at compression level 1000 (fast) to 4000 (extra
// high), 16 bits in the input's rate and at most two channels, ending with an APEv2 tag
// (the default) or an ID3v1 tag holding the title and year.
#include <windows.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "media/plugins/apeenc/ApeTags.h"
#include "media/plugins/apeenc/ApeWriter.h"
#include "media/plugins/apeenc/TemporaryFile.h"
#include "media/plugins/common/AudioPlugin.h"
#include "media/plugins/common/FileWriter.h"

namespace {

using audioplugin::AudioOutput;
using audioplugin::OutputRequest;

enum ApeParam : std::int32_t { kTagKind = 0, kLevel = 1 };
enum TagKind : std::int32_t { kApeV2 = 0, kId3v1 = 1 };
constexpr std::int32_t kDefaultLevel = 2000;

int LevelOf(std::int32_t level) {
  if (level != 1000 && level != 2000 && level != 3000 && level != 4000)
    throw std::runtime_error("unknown APE compression level");
  return level;
}

// The text of the system's code page in UTF-8.
std::string Utf8Of(const std::string& text) {
  if (text.empty()) return text;
  const int wide = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring converted(static_cast<std::size_t>(wide), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), converted.data(), wide);
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, converted.data(), wide, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, converted.data(), wide, utf8.data(), bytes, nullptr, nullptr);
  return utf8;
}

std::vector<std::uint8_t> TagOf(const OutputRequest& request) {
  switch (request.params.Get(kTagKind, kApeV2)) {
    case kApeV2: return apeenc::ApeV2Tag(Utf8Of(request.title), request.year);
    case kId3v1: return apeenc::Id3v1Tag(request.title, request.year);
    default: throw std::runtime_error("unknown APE tag kind");
  }
}

class ApeOutput final : public AudioOutput {
 public:
  ApeOutput(const OutputRequest& request, AudioSampleBuffer& buffer)
      : file_(request.path),
        writer_(file_.Handle(), spool_.Handle(), LevelOf(request.params.Get(kLevel, kDefaultLevel)),
                request.inputRate, audioplugin::OutputChannels(-1, request.inputChannels), TagOf(request)) {
    buffer.outputBits = 16;
    buffer.outputLayout = kSampleLayoutInterleaved;
    buffer.outputRate = request.inputRate;
    buffer.outputChannels = audioplugin::OutputChannels(-1, request.inputChannels);
  }

  void Encode(const std::int16_t* samples, int count) override { writer_.Write(samples, count); }

  void Finish() override {
    writer_.Finish();
    file_.Close();
  }

 private:
  audioplugin::FileWriter file_;
  apeenc::TemporaryFile spool_;
  apeenc::ApeWriter writer_;
};

std::unique_ptr<AudioOutput> OpenOutput(const OutputRequest& request, AudioSampleBuffer& buffer) {
  return std::make_unique<ApeOutput>(request, buffer);
}

}  // namespace

extern "C" const AudioEncoderModule* MC_CALL GetEncoderModule() {
  return audioplugin::PluginModule("Monkey's Audio", "ape", &OpenOutput);
}
