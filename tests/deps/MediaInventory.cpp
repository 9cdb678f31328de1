#include "MediaInventory.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <utility>

extern "C" {
#include <FLAC/format.h>
#include <lame/lame.h>
#include <libmpcenc.h>
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/avutil.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
#include <ogg/ogg.h>
#include <opencore-amrnb/interf_enc.h>
#include <vo-amrwbenc/enc_if.h>
#include <vorbis/codec.h>
#include <x264.h>
}

namespace {

using Kind = MediaInventory::Kind;

constexpr std::array<std::pair<Kind, const char*>, 7> kKindNames{{
    {Kind::Encoder, "encoder"},
    {Kind::Decoder, "decoder"},
    {Kind::Muxer, "muxer"},
    {Kind::Demuxer, "demuxer"},
    {Kind::Parser, "parser"},
    {Kind::Protocol, "protocol"},
    {Kind::Library, "library"},
}};

// Encoders of the output profiles and audio presets (FFmpeg's names). "libxvid" is not
// among them: the xvidcore source cannot be fetched here, so the "xvid" choices rest on
// FFmpeg's own "mpeg4" encoder.
constexpr const char* kEncoders[] = {
    "mpeg4", "msmpeg4v2", "msmpeg4", "mjpeg", "libx264", "zlib", "png", "rawvideo", "h263",
    "flv", "mpeg1video", "mpeg2video", "svq1", "wmv1", "wmv2", "rv10", "rv20", "libmp3lame",
    "pcm_s16le", "pcm_s16be", "adpcm_ms", "adpcm_ima_wav", "pcm_alaw", "pcm_mulaw", "ac3",
    "mp2", "libvorbis", "aac", "libopencore_amrnb", "libvo_amrwbenc", "wmav1", "wmav2",
    "real_144"};
constexpr const char* kMuxers[] = {"avi", "mpeg", "dvd", "3gp", "3g2", "mp4", "mov",
                                   "flv", "asf", "rm",  "wav", "adts"};
// Readers of the source extensions the converter accepts (avi, wmv, asf, mpg, mpeg, dat,
// vob, mov, qt, mp4, 3gp, 3g2, rm, rmvb, mkv, ogm, flv) and of the audio outputs that our
// own encoders write (ape, mpc) and that the tests read back.
constexpr const char* kDemuxers[] = {"avi", "asf", "mpeg", "mpegts", "mov", "rm", "matroska",
                                     "ogg", "flv", "ape", "mpc", "mpc8", "wav", "mp3", "aac",
                                     "flac", "ac3"};
constexpr const char* kDecoders[] = {
    "h264", "mpeg4", "msmpeg4v1", "msmpeg4v2", "msmpeg4", "wmv1", "wmv2", "wmv3", "vc1",
    "mpeg1video", "mpeg2video", "h263", "flv", "svq1", "svq3", "mjpeg", "rv10", "rv20",
    "rv30", "rv40", "theora", "vp6f", "mp3", "mp2", "ac3", "aac", "vorbis", "amrnb", "amrwb",
    "wmav1", "wmav2", "wmapro", "cook", "real_144", "real_288", "flac", "ape", "mpc7", "mpc8",
    "pcm_s16le", "adpcm_ms"};
// Parsers have no names of their own: each is named by a codec it splits into frames.
constexpr const char* kParsers[] = {"h264",   "mpeg4", "mpeg2video", "h263", "aac",
                                    "mp3",    "ac3",   "vorbis",     "flac"};
constexpr const char* kProtocols[] = {"file"};
constexpr const char* kLibraries[] = {"avcodec", "avformat", "avutil", "swscale", "swresample",
                                      "x264", "lame", "ogg", "vorbis", "flac", "opencore-amrnb",
                                      "vo-amrwbenc", "mpcenc"};

std::string FfmpegVersion(unsigned version) {
  return std::to_string(AV_VERSION_MAJOR(version)) + "." +
         std::to_string(AV_VERSION_MINOR(version)) + "." +
         std::to_string(AV_VERSION_MICRO(version));
}

// A library answers with its version, or, when it has no version call, proves it is
// there by creating and freeing its encoder state.
std::string OggVersion() {
  ogg_stream_state stream;
  if (ogg_stream_init(&stream, 1) != 0) return "";
  ogg_stream_clear(&stream);
  return "libogg";
}

std::string AmrNbVersion() {
  void* state = Encoder_Interface_init(0);
  if (!state) return "";
  Encoder_Interface_exit(state);
  return "opencore-amrnb";
}

std::string AmrWbVersion() {
  void* state = E_IF_init();
  if (!state) return "";
  E_IF_exit(state);
  return "vo-amrwbenc";
}

std::string X264Version() {
  x264_param_t param;
  if (x264_param_default_preset(&param, "medium", nullptr) != 0) return "";
  return "x264 build " + std::to_string(X264_BUILD);
}

std::string MpcencVersion() {
  mpc_encoder_t encoder;
  mpc_encoder_init(&encoder, 44100, 6, 1);
  mpc_encoder_exit(&encoder);
  return "libmpcenc (stream version 8)";
}

bool ListHas(const char* list, std::string_view name) {  // "mov,mp4,m4a" holds "mp4"
  std::string_view rest = list ? list : "";
  while (!rest.empty()) {
    const auto comma = rest.find(',');
    if (rest.substr(0, comma) == name) return true;
    if (comma == std::string_view::npos) break;
    rest.remove_prefix(comma + 1);
  }
  return false;
}

template <typename T, typename Next>
bool RegistryHas(Next next, std::string_view name) {
  void* state = nullptr;
  while (const T* entry = next(&state))
    if (ListHas(entry->name, name)) return true;
  return false;
}

bool CodecHas(std::string_view name, bool encoder) {
  void* state = nullptr;
  while (const AVCodec* codec = av_codec_iterate(&state))
    if ((encoder ? av_codec_is_encoder(codec) : av_codec_is_decoder(codec)) &&
        name == codec->name)
      return true;
  return false;
}

bool ParserHas(std::string_view name) {
  void* state = nullptr;
  while (const AVCodecParser* parser = av_parser_iterate(&state))
    for (int id : parser->codec_ids)
      if (id != AV_CODEC_ID_NONE && name == avcodec_get_name(static_cast<AVCodecID>(id)))
        return true;
  return false;
}

bool ProtocolHas(std::string_view name) {
  void* state = nullptr;
  while (const char* protocol = avio_enum_protocols(&state, 1))
    if (name == protocol) return true;
  return false;
}

void Append(std::vector<MediaInventory::Item>& items, Kind kind, const auto& names) {
  for (const char* name : names) items.push_back({kind, name});
}

}  // namespace

std::vector<MediaInventory::Item> MediaInventory::Required() {
  std::vector<Item> items;
  Append(items, Kind::Library, kLibraries);
  Append(items, Kind::Encoder, kEncoders);
  Append(items, Kind::Muxer, kMuxers);
  Append(items, Kind::Decoder, kDecoders);
  Append(items, Kind::Demuxer, kDemuxers);
  Append(items, Kind::Parser, kParsers);
  Append(items, Kind::Protocol, kProtocols);
  return items;
}

std::optional<MediaInventory::Item> MediaInventory::Parse(std::string_view text) {
  const auto colon = text.find(':');
  if (colon == std::string_view::npos || colon + 1 == text.size()) return std::nullopt;
  for (const auto& [kind, label] : kKindNames)
    if (text.substr(0, colon) == label) return Item{kind, std::string(text.substr(colon + 1))};
  return std::nullopt;
}

std::string MediaInventory::Describe(const Item& item) {
  for (const auto& [kind, label] : kKindNames)
    if (kind == item.kind) return std::string(label) + " " + item.name;
  return item.name;
}

bool MediaInventory::Has(const Item& item) {
  switch (item.kind) {
    case Kind::Encoder: return CodecHas(item.name, true);
    case Kind::Decoder: return CodecHas(item.name, false);
    case Kind::Muxer: return RegistryHas<AVOutputFormat>(av_muxer_iterate, item.name);
    case Kind::Demuxer: return RegistryHas<AVInputFormat>(av_demuxer_iterate, item.name);
    case Kind::Parser: return ParserHas(item.name);
    case Kind::Protocol: return ProtocolHas(item.name);
    case Kind::Library: return !LibraryVersion(item.name).empty();
  }
  return false;
}

std::vector<MediaInventory::Item> MediaInventory::Missing(const std::vector<Item>& items) {
  std::vector<Item> missing;
  for (const Item& item : items)
    if (!Has(item)) missing.push_back(item);
  return missing;
}

std::string MediaInventory::LibraryVersion(std::string_view name) {
  if (name == "avcodec") return FfmpegVersion(avcodec_version());
  if (name == "avformat") return FfmpegVersion(avformat_version());
  if (name == "avutil") return FfmpegVersion(avutil_version());
  if (name == "swscale") return FfmpegVersion(swscale_version());
  if (name == "swresample") return FfmpegVersion(swresample_version());
  if (name == "x264") return X264Version();
  if (name == "lame") return get_lame_version();
  if (name == "ogg") return OggVersion();
  if (name == "vorbis") return vorbis_version_string();
  if (name == "flac") return FLAC__VERSION_STRING;
  if (name == "opencore-amrnb") return AmrNbVersion();
  if (name == "vo-amrwbenc") return AmrWbVersion();
  if (name == "mpcenc") return MpcencVersion();
  return "";
}
