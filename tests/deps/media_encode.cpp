// media-encode OUTPUT MUXER VIDEO_ENCODER WIDTH HEIGHT FPS AUDIO_ENCODER RATE CHANNELS
// Writes two seconds of a generated picture and tone through FFmpeg's libraries.
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "SyntheticMediaWriter.h"

int main(int argc, char** argv) {
  if (argc != 10) {
    std::fprintf(stderr, "usage: media-encode OUTPUT MUXER VIDEO_ENCODER WIDTH HEIGHT FPS "
                         "AUDIO_ENCODER RATE CHANNELS\n");
    return 2;
  }
  SyntheticMediaWriter::Settings settings;
  settings.path = argv[1];
  settings.format = argv[2];
  settings.videoCodec = argv[3];
  settings.width = std::atoi(argv[4]);
  settings.height = std::atoi(argv[5]);
  settings.framesPerSecond = std::atoi(argv[6]);
  settings.audioCodec = argv[7];
  settings.sampleRate = std::atoi(argv[8]);
  settings.channels = std::atoi(argv[9]);
  try {
    SyntheticMediaWriter writer(settings);
    writer.Write();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "media-encode: %s\n", e.what());
    return 1;
  }
  return 0;
}
