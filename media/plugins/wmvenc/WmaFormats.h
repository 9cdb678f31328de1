#pragma once
// The audio formats of the WMV plug-in's one audio codec, in the order the plug-in lists
// them. The build writes the names, one per line, into "WMA9Format.Lst"; keep one row per
// line, beginning with its quoted name.
namespace wmvenc {

struct WmaFormat {
  const char* name;
  int rate;
  int channels;
  int bitRate;
};

constexpr WmaFormat kWmaFormats[] = {
    {"32 kbps, 22 kHz, mono CBR", 22050, 1, 32000},
    {"48 kbps, 44 kHz, stereo CBR", 44100, 2, 48000},
    {"64 kbps, 44 kHz, stereo CBR", 44100, 2, 64000},
    {"96 kbps, 44 kHz, stereo CBR", 44100, 2, 96000},
    {"128 kbps, 44 kHz, stereo CBR", 44100, 2, 128000},
    {"160 kbps, 44 kHz, stereo CBR", 44100, 2, 160000},
    {"192 kbps, 48 kHz, stereo CBR", 48000, 2, 192000},
};

constexpr const char* kWmaCodecName = "Windows Media Audio 8";

}  // namespace wmvenc
