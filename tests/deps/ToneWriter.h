#pragma once
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

// Files holding a generated stereo tone (440 Hz left, 660 Hz right, 16-bit), each written
// through one audio library's own interface. Each writer takes the tone's interleaved
// samples and throws std::runtime_error when its library refuses.
class ToneWriter {
 public:
  static std::vector<int16_t> Tone(int sampleRate, double seconds);
  // "wav", "mp3" (LAME), "ogg" (libvorbis and libogg), "flac" (libFLAC); null otherwise.
  static std::unique_ptr<ToneWriter> ForFormat(const std::string& format);

  virtual ~ToneWriter() = default;
  virtual void Write(const std::string& path, const std::vector<int16_t>& samples,
                     int sampleRate) = 0;
  static constexpr int kChannels = 2;
};

class WaveToneWriter : public ToneWriter {
 public:
  void Write(const std::string& path, const std::vector<int16_t>& samples, int sampleRate) override;
};

class LameToneWriter : public ToneWriter {
 public:
  void Write(const std::string& path, const std::vector<int16_t>& samples, int sampleRate) override;
};

class VorbisToneWriter : public ToneWriter {
 public:
  void Write(const std::string& path, const std::vector<int16_t>& samples, int sampleRate) override;
};

class FlacToneWriter : public ToneWriter {
 public:
  void Write(const std::string& path, const std::vector<int16_t>& samples, int sampleRate) override;
};
