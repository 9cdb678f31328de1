#pragma once
#include <cstdint>
#include <memory>
#include <span>

#include "engine/Encoderobject.h"
#include "media/contracts/CodecLibrary.h"

class T3GPProfile;
class TAVIProfile;
class TMPEGProfile;
class TIsoMediaProfile;
class TFLVProfile;

// The outputs written through one encoder context of the codec library (AVI, MPEG,
// 3GP, MP4, MOV, FLV). ApplyProfile of each kind turns its profile into a fixed sequence
// of context settings; the first refused setting releases the context, after which
// ApplyProfile and Open answer false and nothing more reaches the library.
class TCodecEncoderObject : public TEncoderObject {
 public:
  // Closes the output when it is still open.
  ~TCodecEncoderObject() override;

  bool Open() override;
  bool Close() override;
  bool EncodeVideoFrame(const void* pixels, double start, double end) override;
  // Drops the buffer (answering true) when the output has no audio.
  bool EncodeAudioSamples(const void* samples, std::int32_t bytes, double start, double end) override;
  std::int64_t GetOutputSize() override;

 protected:
  explicit TCodecEncoderObject(const TEncoderObjectArgs& args);

  // How the output size is rounded toward zero before it reaches the library.
  enum class TSizeAlignment { Unchanged, Even, Multiple16 };

  // Each step answers false, with the context released, once a setting was refused
  // (or when there is no context any more). The video steps set nothing for an output
  // without video.
  bool SetFormat(const char* container);
  bool SetOption(const char* name, const AnsiString& value);
  bool SetVideoCodec(const char* codec);
  // The codec name, then for "xvid" with the DivX tag the option "vcodecTag".
  bool SetVideoCodecWithTag(const char* codec, bool divxTag);
  // "bitexact" when asked, then "fix_aspect_ratio" when the job asks for it.
  bool SetCommonSwitches(bool bitexact);
  // Output size from the profile (0 takes the cropped source size), aligned, with the
  // bit rate, the frame rate and the source geometry.
  bool SetGeometry(const TVideoProfile& profile, TSizeAlignment alignment, std::int32_t bitrate, double frameRate);
  // Maximum, minimum and buffer size of the rate control.
  bool SetRateControl(bool useVbr, std::int32_t vbrMax, std::int32_t vbrMin, std::int32_t bitrate);
  // Audio codec and parameters; nothing when the output has no audio.
  bool SetAudio(const char* codec, std::int32_t frequency, std::int32_t channels, std::int32_t bitrate);
  // "f" sets the container again, every other name is an option.
  bool SetAdditionalParams(const TVideoProfile& profile);

 private:
  bool Check(std::int32_t answer);
  void ReleaseContext();

  EncoderContext* Context;
};

class TAVIEncoderObject : public TCodecEncoderObject {
 public:
  explicit TAVIEncoderObject(const TEncoderObjectArgs& args) : TCodecEncoderObject(args) {}
  bool ApplyProfile(const TAVIProfile& profile);
};

class TMPEGEncoderObject : public TCodecEncoderObject {
 public:
  explicit TMPEGEncoderObject(const TEncoderObjectArgs& args) : TCodecEncoderObject(args) {}
  bool ApplyProfile(const TMPEGProfile& profile);
};

class T3GPEncoderObject : public TCodecEncoderObject {
 public:
  explicit T3GPEncoderObject(const TEncoderObjectArgs& args) : TCodecEncoderObject(args) {}
  bool ApplyProfile(const T3GPProfile& profile);
};

// What MP4 and QuickTime share: one sequence over each kind's codec list.
class TIsoMediaEncoderObject : public TCodecEncoderObject {
 protected:
  explicit TIsoMediaEncoderObject(const TEncoderObjectArgs& args) : TCodecEncoderObject(args) {}
  bool ApplyIsoMediaProfile(const TIsoMediaProfile& profile, const char* container, bool quickTime);
};

class TMP4EncoderObject : public TIsoMediaEncoderObject {
 public:
  explicit TMP4EncoderObject(const TEncoderObjectArgs& args) : TIsoMediaEncoderObject(args) {}
  bool ApplyProfile(const TIsoMediaProfile& profile);
};

// QuickTime sets its rate control as MP4 does.
class TMOVEncoderObject : public TIsoMediaEncoderObject {
 public:
  explicit TMOVEncoderObject(const TEncoderObjectArgs& args) : TIsoMediaEncoderObject(args) {}
  bool ApplyProfile(const TIsoMediaProfile& profile);
};

class TFLVEncoderObject : public TCodecEncoderObject {
 public:
  explicit TFLVEncoderObject(const TEncoderObjectArgs& args) : TCodecEncoderObject(args) {}
  bool ApplyProfile(const TFLVProfile& profile);
};

// Where the codec-library kinds get their encoder contexts: the codec library's entries
// unless others were put in their place (tests record the calls this way).
struct TEncoderContextEntries {
  EncoderContext*(MC_CALL* Create)(const char* outputPath);
  void(MC_CALL* Release)(EncoderContext* context);
};
// Answers the entries it replaces.
TEncoderContextEntries SetEncoderContextEntries(const TEncoderContextEntries& entries);

// The profile kind served by each codec-library encoder kind, and its factory.
struct TCodecEncoderKind {
  std::uint8_t FormatCode;
  TEncoderFactory Factory;
};
std::span<const TCodecEncoderKind> CodecEncoderKinds();

// The factory of an encoder kind: a new `Encoder` with `profile` applied. A profile of
// another class under the kind's code leaves the object unconfigured; its Open then
// answers false.
template <class Encoder, class Profile>
std::unique_ptr<TEncoderObject> BuildEncoderOfKind(const TVideoProfile& profile, const TEncoderObjectArgs& args) {
  auto encoder = std::make_unique<Encoder>(args);
  if (const auto* own = dynamic_cast<const Profile*>(&profile)) encoder->ApplyProfile(*own);
  return encoder;
}

// The codec names the profiles' indexes stand for.
const char* AVIVideoCodecName(int index);
const char* IsoMediaVideoCodecName(int index, bool quickTime);
const char* ThreeGPVideoCodecName(int index);
const char* AVIAudioCodecName(int index);
const char* MPEGAudioCodecName(int index);
const char* ThreeGPAudioCodecName(int index);
