#pragma once
// The codec names the encoder contexts accept and the FFmpeg encoders that write them.
#include <string>

extern "C" {
#include <libavutil/pixfmt.h>
}

namespace mccodec {

struct VideoCodecChoice {
  const char* name;          // as the outputs ask for it
  const char* encoder;       // FFmpeg encoder
  AVPixelFormat input;       // pictures the encoder takes
  const char* aviTag;        // FourCC written in AVI files, or null for the muxer's own
  bool threaded;             // the encoder splits its work over threads
  int aspectLimit;           // largest term of a sample aspect the bitstream can carry
};

struct AudioCodecChoice {
  const char* name;
  const char* encoder;
  const char* programStreamEncoder;  // in MPEG program streams, which carry LPCM big-endian
  int onlyRate;                      // the one sample rate the encoder takes, or 0
  int maxChannels;
};

// Null for a name no encoder answers to.
const VideoCodecChoice* FindVideoCodec(const std::string& name);
const AudioCodecChoice* FindAudioCodec(const std::string& name);

// The FFmpeg encoder for `codec` in the output written by the muxer `muxerName`.
const char* AudioEncoderName(const AudioCodecChoice& codec, const std::string& muxerName);

}  // namespace mccodec
