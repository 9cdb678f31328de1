#pragma once
// Owning handles of the FFmpeg objects the media core works with.
#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

namespace mediacore {

struct FormatContextCloser {
  void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};
struct CodecContextFreer {
  void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct FrameFreer {
  void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct PacketFreer {
  void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct ScaleContextFreer {
  void operator()(SwsContext* context) const { sws_freeContext(context); }
};
struct ResampleContextFreer {
  void operator()(SwrContext* context) const { swr_free(&context); }
};

using FormatContextPtr = std::unique_ptr<AVFormatContext, FormatContextCloser>;
using CodecContextPtr = std::unique_ptr<AVCodecContext, CodecContextFreer>;
using FramePtr = std::unique_ptr<AVFrame, FrameFreer>;
using PacketPtr = std::unique_ptr<AVPacket, PacketFreer>;
using ScaleContextPtr = std::unique_ptr<SwsContext, ScaleContextFreer>;
using ResampleContextPtr = std::unique_ptr<SwrContext, ResampleContextFreer>;

}  // namespace mediacore
