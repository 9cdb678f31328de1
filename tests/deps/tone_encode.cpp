// tone-encode FORMAT OUTPUT [RATE]
// Writes two seconds of a generated stereo tone (default 44100 Hz) as FORMAT: wav, or
// mp3, ogg and flac through LAME, libvorbis with libogg and libFLAC themselves.
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "ToneWriter.h"

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4) {
    std::fprintf(stderr, "usage: tone-encode wav|mp3|ogg|flac OUTPUT [RATE]\n");
    return 2;
  }
  const auto writer = ToneWriter::ForFormat(argv[1]);
  if (!writer) {
    std::fprintf(stderr, "tone-encode: unknown format %s\n", argv[1]);
    return 2;
  }
  const int rate = argc == 4 ? std::atoi(argv[3]) : 44100;
  try {
    writer->Write(argv[2], ToneWriter::Tone(rate, 2.0), rate);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "tone-encode: %s\n", e.what());
    return 1;
  }
  return 0;
}
