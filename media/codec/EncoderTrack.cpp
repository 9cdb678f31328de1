#include "media/codec/EncoderTrack.h"

#include <stdexcept>
#include <string>

namespace mccodec {

EncoderTrack::EncoderTrack(const char* encoderName, MediaWriter& writer, bool bitexact)
    : encoder_(avcodec_find_encoder_by_name(encoderName)), writer_(writer),
      packet_(av_packet_alloc()) {
  if (encoder_ == nullptr) throw std::runtime_error(std::string("no encoder ") + encoderName);
  codec_.reset(avcodec_alloc_context3(encoder_));
  if (!codec_ || !packet_) throw std::bad_alloc();
  stream_ = writer.AddStream();
  if (bitexact) codec_->flags |= AV_CODEC_FLAG_BITEXACT;
  if (writer.Format()->oformat->flags & AVFMT_GLOBALHEADER) {
    codec_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  }
}

void EncoderTrack::OpenEncoder() {
  if (avcodec_open2(codec_.get(), encoder_, nullptr) < 0) {
    throw std::runtime_error("encoder refused its settings");
  }
  if (avcodec_parameters_from_context(stream_->codecpar, codec_.get()) < 0) {
    throw std::runtime_error("stream parameters");
  }
  stream_->time_base = codec_->time_base;
}

void EncoderTrack::Send(const AVFrame* frame, std::int64_t delay) {
  if (avcodec_send_frame(codec_.get(), frame) < 0) throw std::runtime_error("encoding failed");
  for (;;) {
    const int received = avcodec_receive_packet(codec_.get(), packet_.get());
    if (received == AVERROR(EAGAIN) || received == AVERROR_EOF) return;
    if (received < 0) throw std::runtime_error("encoding failed");
    if (packet_->pts != AV_NOPTS_VALUE) packet_->pts += delay;
    if (packet_->dts != AV_NOPTS_VALUE) packet_->dts += delay;
    av_packet_rescale_ts(packet_.get(), codec_->time_base, stream_->time_base);
    packet_->stream_index = stream_->index;
    writer_.Write(packet_.get());  // takes the packet's data and blanks it
  }
}

}  // namespace mccodec
