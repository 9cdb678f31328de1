#pragma once
// The audio stream of an output: resamples the delivered 16-bit audio to the output's
// rate and channels, cuts it into the encoder's frames, counts time in samples and fills
// gaps in the delivery with silence.
#include <cstdint>
#include <memory>
#include <vector>

#include "media/codec/EncoderSettings.h"
#include "media/codec/EncoderTrack.h"

extern "C" {
#include <libavutil/audio_fifo.h>
}

namespace mccodec {

// The sample rate written for `wanted`: the nearest one both the encoder and the muxer
// take (FLV: 44100, 22050 or 11025 Hz; MPEG program streams with LPCM: 32, 44.1, 48 or
// 96 kHz; AC-3: 32, 44.1 or 48 kHz), or `onlyRate` when the codec has one (AMR: 8 or 16 kHz).
int OutputSampleRate(int wanted, const AVCodec& encoder, const std::string& muxerName,
                     int onlyRate);

class AudioTrack final : public EncoderTrack {
 public:
  // Throws std::runtime_error for settings the output cannot take.
  AudioTrack(const EncoderSettings& settings, MediaWriter& writer);

  void Open();
  // `time`: seconds since the start of the output; `bytes` of interleaved 16-bit samples.
  void Encode(const std::int16_t* samples, int bytes, double time);
  // Encodes what is left, the last frame padded with silence where the encoder needs it.
  void Finish();

 private:
  struct FifoFreer {
    void operator()(AVAudioFifo* fifo) const { av_audio_fifo_free(fifo); }
  };

  void Configure(const AudioCodecChoice& choice, const AudioParams& params,
                 const std::string& muxerName);
  // Resamples `count` samples per channel (null: what the resampler still holds) into
  // the queue.
  void Queue(const std::int16_t* samples, int count);
  void QueueSilence(std::int64_t count);
  // Encodes every whole frame in the queue, and with `last` the rest too.
  void SendQueued(bool last);

  int sourceRate_;
  int sourceChannels_;
  mediacore::ResampleContextPtr resample_;
  std::unique_ptr<AVAudioFifo, FifoFreer> queue_;
  mediacore::FramePtr scratch_;  // resampled samples on their way into the queue
  mediacore::FramePtr frame_;    // one encoder frame
  int frameSize_ = 0;
  std::int64_t taken_ = 0;       // source samples per channel consumed, silence included
  std::int64_t sent_ = 0;        // output samples per channel sent to the encoder
  std::int64_t delay_ = 0;       // priming moved after the start where times cannot go below 0
};

}  // namespace mccodec
