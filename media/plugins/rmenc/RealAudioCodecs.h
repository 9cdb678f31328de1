#pragma once
// The audio codecs of the RealMedia plug-in, in the order it lists them. The build writes
// the names of rows 1 onward, one per line, into "Audiences.Lst" (line i is row i + 1);
// keep one row per line, beginning with its quoted name.
namespace rmenc {

struct RealAudioCodec {
  const char* name;
  const char* codec;  // codec library name
  int rate;           // 0: 32, 44.1 or 48 kHz as the input has it, else 44.1 kHz
  int channels;
  int bitRate;
};

// The music codecs are written as AC-3; 44 kbit/s is not an AC-3 rate, the nearest is 48.
constexpr RealAudioCodec kAudioCodecs[] = {
    {"8 Kbps Voice - RealAudio (voice)", "real_144", 8000, 1, 8000},
    {"32 Kbps Music - RealAudio (music)", "ac3", 0, 1, 32000},
    {"44 Kbps Music - RealAudio (music)", "ac3", 0, 2, 48000},
    {"64 Kbps Stereo Music - RealAudio (music)", "ac3", 0, 2, 64000},
    {"96 Kbps Stereo Music - RealAudio", "ac3", 0, 2, 96000},
    {"128 Kbps Stereo Music - RealAudio", "ac3", 0, 2, 128000},
};

// The first row of "Audiences.Lst".
constexpr int kFirstAudience = 1;

}  // namespace rmenc
