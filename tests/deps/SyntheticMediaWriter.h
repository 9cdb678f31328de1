#pragma once
#include <memory>
#include <string>

// Writes a file of generated media through FFmpeg's libraries: a moving colour pattern
// (made as RGB and converted by swscale) and a 440 Hz tone (made as 16-bit stereo and
// converted by swresample), each encoded with the named encoder and muxed by the named
// muxer. Throws std::runtime_error naming the step that failed.
class SyntheticMediaWriter {
 public:
  struct Settings {
    std::string path, format;
    std::string videoCodec;
    int width = 320, height = 240, framesPerSecond = 25;
    std::string audioCodec;
    int sampleRate = 44100, channels = 2;
    double seconds = 2.0;
  };

  explicit SyntheticMediaWriter(const Settings& settings);
  ~SyntheticMediaWriter();
  SyntheticMediaWriter(const SyntheticMediaWriter&) = delete;
  SyntheticMediaWriter& operator=(const SyntheticMediaWriter&) = delete;

  // Encodes the whole duration, flushes both encoders and closes the file.
  void Write();

 private:
  struct State;
  std::unique_ptr<State> state_;
};
