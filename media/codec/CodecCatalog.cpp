#include "media/codec/CodecCatalog.h"

#include <array>

namespace mccodec {
namespace {

// "xvid" is written by FFmpeg's own MPEG-4 encoder under the Xvid FourCC; "msmpeg4v1"
// has no encoder and is refused rather than written as another codec.
constexpr std::array kVideoCodecs{
    VideoCodecChoice{"mpeg4", "mpeg4", AV_PIX_FMT_YUV420P, nullptr, true, 255},
    VideoCodecChoice{"xvid", "mpeg4", AV_PIX_FMT_YUV420P, "XVID", true, 255},
    VideoCodecChoice{"msmpeg4v2", "msmpeg4v2", AV_PIX_FMT_YUV420P, nullptr, false, 255},
    VideoCodecChoice{"msmpeg4", "msmpeg4", AV_PIX_FMT_YUV420P, nullptr, false, 255},
    VideoCodecChoice{"mjpeg", "mjpeg", AV_PIX_FMT_YUVJ420P, nullptr, true, 65535},
    VideoCodecChoice{"h264", "libx264", AV_PIX_FMT_YUV420P, nullptr, true, 65535},
    VideoCodecChoice{"zlib", "zlib", AV_PIX_FMT_BGR24, nullptr, false, 65535},
    VideoCodecChoice{"rawvideo", "rawvideo", AV_PIX_FMT_BGR24, nullptr, false, 65535},
    VideoCodecChoice{"h263", "h263", AV_PIX_FMT_YUV420P, nullptr, false, 255},
    VideoCodecChoice{"flv", "flv", AV_PIX_FMT_YUV420P, nullptr, false, 255},
    VideoCodecChoice{"mpeg1video", "mpeg1video", AV_PIX_FMT_YUV420P, nullptr, true, 255},
    VideoCodecChoice{"mpeg2video", "mpeg2video", AV_PIX_FMT_YUV420P, nullptr, true, 255},
    VideoCodecChoice{"svq1", "svq1", AV_PIX_FMT_YUV410P, nullptr, false, 255},
    VideoCodecChoice{"wmv1", "wmv1", AV_PIX_FMT_YUV420P, nullptr, false, 255},
    VideoCodecChoice{"wmv2", "wmv2", AV_PIX_FMT_YUV420P, nullptr, false, 255},
    VideoCodecChoice{"rv20", "rv20", AV_PIX_FMT_YUV420P, nullptr, false, 255},
};

// The AMR encoders and RealAudio's voice encoder take mono speech at one rate only.
constexpr std::array kAudioCodecs{
    AudioCodecChoice{"mp3", "libmp3lame", "libmp3lame", 0, 2},
    AudioCodecChoice{"pcm_s16le", "pcm_s16le", "pcm_s16be", 0, 2},
    AudioCodecChoice{"adpcm_ms", "adpcm_ms", "adpcm_ms", 0, 2},
    AudioCodecChoice{"adpcm_ima_wav", "adpcm_ima_wav", "adpcm_ima_wav", 0, 2},
    AudioCodecChoice{"pcm_alaw", "pcm_alaw", "pcm_alaw", 0, 2},
    AudioCodecChoice{"pcm_mulaw", "pcm_mulaw", "pcm_mulaw", 0, 2},
    AudioCodecChoice{"ac3", "ac3", "ac3", 0, 2},
    AudioCodecChoice{"mp2", "mp2", "mp2", 0, 2},
    AudioCodecChoice{"aac", "aac", "aac", 0, 2},
    AudioCodecChoice{"vorbis", "libvorbis", "libvorbis", 0, 2},
    AudioCodecChoice{"amr_nb", "libopencore_amrnb", "libopencore_amrnb", 8000, 1},
    AudioCodecChoice{"amr_wb", "libvo_amrwbenc", "libvo_amrwbenc", 16000, 1},
    AudioCodecChoice{"wmav2", "wmav2", "wmav2", 0, 2},
    AudioCodecChoice{"real_144", "real_144", "real_144", 8000, 1},
};

template <typename Table>
auto FindByName(const Table& table, const std::string& name) -> decltype(&table[0]) {
  for (const auto& entry : table) {
    if (name == entry.name) return &entry;
  }
  return nullptr;
}

}  // namespace

const VideoCodecChoice* FindVideoCodec(const std::string& name) {
  return FindByName(kVideoCodecs, name);
}

const AudioCodecChoice* FindAudioCodec(const std::string& name) {
  return FindByName(kAudioCodecs, name);
}

const char* AudioEncoderName(const AudioCodecChoice& codec, const std::string& muxerName) {
  const bool programStream = muxerName == "mpeg" || muxerName == "dvd" || muxerName == "vob";
  return programStream ? codec.programStreamEncoder : codec.encoder;
}

}  // namespace mccodec
