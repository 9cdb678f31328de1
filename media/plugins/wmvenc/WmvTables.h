#pragma once
// What the WMV plug-in offers besides the audio formats: its video codecs and its system
// profiles.
#include "media/plugins/wmvenc/WmaFormats.h"

namespace wmvenc {

struct WmvVideoCodec {
  const char* name;
  const char* codec;  // codec library name
};

// No version 9 codec: there is no encoder for it.
constexpr WmvVideoCodec kVideoCodecs[] = {
    {"Windows Media Video 8", "wmv2"},
    {"Windows Media Video 7", "wmv1"},
};

// A ready-made set of settings: codec, rates, key frames and audio; the picture size stays
// the caller's.
struct WmvSystemProfile {
  const char* name;
  int videoCodec;       // index into kVideoCodecs
  int videoBitRate;
  double frameRate;
  int secondsPerKeyFrame;
  int audioFormat;      // index into kWmaFormats
};

constexpr WmvSystemProfile kSystemProfiles[] = {
    {"Low bandwidth video (256 kbps)", 0, 224000, 15.0, 10, 0},
    {"Broadband video (768 kbps)", 0, 704000, 25.0, 8, 2},
    {"High quality video (1500 kbps)", 0, 1372000, 25.0, 8, 4},
};

}  // namespace wmvenc
