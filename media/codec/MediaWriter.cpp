#include "media/codec/MediaWriter.h"

#include <stdexcept>

#include "media/codec/EncoderSettings.h"

namespace mccodec {
namespace {

void SetTag(AVDictionary** tags, const char* key, const std::string& value) {
  if (!value.empty()) av_dict_set(tags, key, value.c_str(), 0);
}

}  // namespace

MediaWriter::MediaWriter(const std::string& muxerName) : muxerName_(muxerName) {
  if (avformat_alloc_output_context2(&format_, nullptr, muxerName.c_str(), nullptr) < 0 ||
      format_ == nullptr) {
    throw std::runtime_error("no muxer " + muxerName);
  }
}

MediaWriter::~MediaWriter() {
  if (format_ != nullptr) format_->pb = nullptr;  // owned by the file
  avformat_free_context(format_);
}

bool MediaWriter::KeepsNegativeTimes() const {
  return (format_->oformat->flags & AVFMT_TS_NEGATIVE) != 0;
}

AVStream* MediaWriter::AddStream() {
  AVStream* stream = avformat_new_stream(format_, nullptr);
  if (stream == nullptr) throw std::runtime_error("no stream");
  return stream;
}

void MediaWriter::Start(const std::string& path, const Tags& tags, bool bitexact) {
  SetTag(&format_->metadata, "title", tags.title);
  SetTag(&format_->metadata, "artist", tags.author);
  SetTag(&format_->metadata, "author", tags.author);
  SetTag(&format_->metadata, "copyright", tags.copyright);
  SetTag(&format_->metadata, "comment", tags.comment);
  SetTag(&format_->metadata, "date", tags.date);
  if (bitexact) format_->flags |= AVFMT_FLAG_BITEXACT;
  file_ = OutputFile::Create(path);
  if (!file_) throw std::runtime_error("cannot create " + path);
  format_->pb = file_->Io();
  format_->url = av_strdup(path.c_str());
  format_->opaque = this;
  format_->io_open = &MediaWriter::OpenNested;
  format_->io_close2 = &MediaWriter::CloseNested;
  if (avformat_write_header(format_, nullptr) < 0) {
    file_->Discard();
    file_.reset();
    format_->pb = nullptr;
    throw std::runtime_error("header refused");
  }
}

int MediaWriter::OpenNested(AVFormatContext* format, AVIOContext** io, const char* url,
                            int flags, AVDictionary**) {
  if (url == nullptr || format->url == nullptr || std::string(url) != format->url ||
      (flags & AVIO_FLAG_WRITE) != 0) {
    return AVERROR(EPERM);
  }
  auto reader = OutputFile::OpenForReading(url);
  if (!reader) return AVERROR(EIO);
  *io = reader.release()->Io();
  return 0;
}

int MediaWriter::CloseNested(AVFormatContext*, AVIOContext* io) {
  if (io != nullptr) delete static_cast<OutputFile*>(io->opaque);
  return 0;
}

void MediaWriter::Write(AVPacket* packet) {
  if (av_interleaved_write_frame(format_, packet) < 0) throw std::runtime_error("write failed");
}

bool MediaWriter::Finish() {
  if (!file_) return false;
  const bool trailer = av_write_trailer(format_) == 0;
  const bool closed = file_->Close();
  finalSize_ = file_->Size();
  format_->pb = nullptr;
  file_.reset();
  return trailer && closed;
}

std::int64_t MediaWriter::Size() const { return file_ ? file_->Size() : finalSize_; }

}  // namespace mccodec
