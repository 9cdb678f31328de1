#include "media/codec/OutputSession.h"

#include <array>
#include <stdexcept>
#include <vector>

extern "C" {
#include <libavutil/opt.h>
}

namespace mccodec {
namespace {

// Deliveries taken but not yet encoded: a few pictures, enough to keep the worker busy.
constexpr std::size_t kQueuedDeliveries = 4;

}  // namespace

OutputSession::OutputSession(const EncoderSettings& settings, const std::string& path)
    : writer_(settings.Muxer()), worker_(kQueuedDeliveries) {
  if (settings.VideoCodec() != nullptr) video_ = std::make_unique<VideoTrack>(settings, writer_);
  if (settings.AudioCodec() != nullptr) audio_ = std::make_unique<AudioTrack>(settings, writer_);
  if (!video_ && !audio_) throw std::runtime_error("an output without streams");
  PassOptionsOn(settings);
  if (video_) video_->Open();
  if (audio_) audio_->Open();
  writer_.Start(path, settings.Texts(), settings.Bitexact());
}

void OutputSession::PassOptionsOn(const EncoderSettings& settings) {
  const std::array<void*, 3> holders{video_ ? static_cast<void*>(video_->Context()) : nullptr,
                                     audio_ ? static_cast<void*>(audio_->Context()) : nullptr,
                                     writer_.Format()};
  for (const auto& [name, value] : settings.PassedOn()) {
    bool applied = false;
    for (void* holder : holders) {
      if (holder == nullptr ||
          av_opt_find(holder, name.c_str(), nullptr, 0, AV_OPT_SEARCH_CHILDREN) == nullptr) {
        continue;
      }
      if (av_opt_set(holder, name.c_str(), value.c_str(), AV_OPT_SEARCH_CHILDREN) < 0) {
        throw std::runtime_error("option value refused: " + name);
      }
      applied = true;
      break;
    }
    if (!applied) throw std::runtime_error("no encoder or muxer has option " + name);
  }
}

double OutputSession::SinceStart(double start) {
  if (!origin_) origin_ = start;
  return start - *origin_;
}

void OutputSession::EncodeVideo(const void* pixels, double start) {
  if (!video_) return;
  auto runs = std::make_shared<const std::vector<PictureRun>>(video_->Take(pixels, SinceStart(start)));
  if (runs->empty()) return;
  worker_.Post([this, runs] { video_->Encode(*runs); });
}

void OutputSession::EncodeAudio(const std::int16_t* samples, int bytes, double start) {
  if (!audio_) return;
  const double time = SinceStart(start);
  if (bytes <= 0) return;
  if (samples == nullptr) throw std::runtime_error("audio buffer");
  // Without pictures to keep pace with, handing each buffer to the worker costs more than
  // encoding it here.
  if (!video_) {
    audio_->Encode(samples, bytes, time);
    return;
  }
  std::vector<std::int16_t> copy(samples, samples + bytes / 2);
  worker_.Post([this, copy = std::move(copy), bytes, time] { audio_->Encode(copy.data(), bytes, time); });
}

bool OutputSession::Finish() {
  bool flushed = false;
  try {
    worker_.Post([this] {
      if (video_) video_->Finish();
      if (audio_) audio_->Finish();
    });
    flushed = worker_.Drain();
  } catch (const std::exception&) {
    // an earlier failure: the file gets its trailer all the same
  }
  const bool written = writer_.Finish();
  return flushed && written;
}

}  // namespace mccodec
