#pragma once
// The encoder context of the AVI, MPEG, 3GP, MP4, MOV and FLV outputs: collects codecs,
// container, parameters and options, then writes one file from delivered frames and audio.
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "media/codec/EncoderSettings.h"
#include "media/codec/OutputSession.h"
#include "media/contracts/CodecLibrary.h"

namespace mccodec {

class EncoderContextImpl final : public EncoderContext {
 public:
  explicit EncoderContextImpl(std::string outputPath);
  // Finishes an output that was not closed.
  ~EncoderContextImpl();

  std::int32_t MC_CALL SetVideoCodec(const char* name) override;
  std::int32_t MC_CALL SetAudioCodec(const char* name) override;
  std::int32_t MC_CALL SetFormat(const char* containerName) override;
  std::int32_t MC_CALL SetAudioParams(std::int32_t outputRate, std::int32_t outputChannels,
                                      std::int32_t bitRate, std::int32_t sourceRate,
                                      std::int32_t sourceChannels) override;
  std::int32_t MC_CALL SetVideoParams(std::int32_t outputWidth, std::int32_t outputHeight,
                                      std::int32_t bitRate, double frameRate,
                                      std::int32_t sourceWidth, std::int32_t sourceHeight,
                                      std::int32_t sourcePixelFormat, std::int32_t cropLeft,
                                      std::int32_t cropRight, std::int32_t cropTop,
                                      std::int32_t cropBottom, std::int32_t spare1,
                                      std::int32_t spare2, std::int32_t spare3,
                                      std::int32_t spare4) override;
  std::int32_t MC_CALL Reserved5() override;
  std::int32_t MC_CALL Reserved6() override;
  std::int32_t MC_CALL Reserved7() override;
  std::int32_t MC_CALL Reserved8() override;
  std::int32_t MC_CALL Reserved9() override;
  std::int32_t MC_CALL Reserved10() override;
  std::int32_t MC_CALL Open() override;
  // 0 when the file is complete.
  std::int32_t MC_CALL Close() override;
  std::int32_t MC_CALL EncodeVideo(const void* pixels, double start) override;
  // Answers ok without writing when the output has no audio.
  std::int32_t MC_CALL EncodeAudio(const void* samples, std::int32_t bytes,
                                   double start) override;
  std::int32_t MC_CALL SetOption(const char* name, const char* value) override;
  std::int64_t MC_CALL GetOutputSize() override;

 private:
  enum class Stage { Setting, Open, Closed };

  // Runs a setting call while the context is still being set up.
  template <typename Setter>
  std::int32_t Configure(Setter&& setter);

  std::mutex mutex_;
  std::string path_;
  EncoderSettings settings_;
  Stage stage_ = Stage::Setting;
  std::unique_ptr<OutputSession> session_;
  std::int32_t closeResult_ = kCallFailed;
  std::int64_t finalSize_ = 0;
};

}  // namespace mccodec
