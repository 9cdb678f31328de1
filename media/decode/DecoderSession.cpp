#include "media/decode/DecoderSession.h"

#include "media/core/CallbackReceiver.h"
#include "media/core/MediaDecoder.h"
#include "media/core/SampleConverter.h"

namespace mcdecode {
namespace {

using mediacore::MediaFile;
using mediacore::Playback;

using CallbackReceiver = mediacore::CallbackReceiver<DecoderOpenBlock, DecoderMediaInfo>;

DecoderMediaInfo Describe(const MediaFile& file, std::int32_t pixelFormat) {
  DecoderMediaInfo info{};
  info.valid = 1;
  info.duration = file.Duration();
  info.pixelFormat = static_cast<std::uint8_t>(pixelFormat);
  if (!file.VideoStreams().empty()) {
    const auto& video = file.VideoStreams().front();
    info.hasVideo = 1;
    info.width = video.width;
    info.height = video.height;
    info.frameRate = video.frameRate;
  }
  if (!file.AudioStreams().empty()) {
    const auto& audio = file.AudioStreams().front();
    info.hasAudio = 1;
    info.bitsPerSample = 16;
    info.sampleRate = audio.sampleRate;
    info.channels = mediacore::SampleConverter::DeliveredChannels(audio.channels);
  }
  return info;
}

}  // namespace

DecoderSession::~DecoderSession() { Shutdown(); }

bool DecoderSession::Open(const DecoderOpenBlock& block) {
  Shutdown();
  std::lock_guard<std::mutex> lock(mutex_);
  playback_.reset();
  file_.reset();
  info_ = DecoderMediaInfo{};
  if (block.fileName == nullptr) return false;
  file_ = MediaFile::Open(block.fileName);
  if (!file_) return false;
  fileName_ = block.fileName;
  block_ = block;
  block_.fileName = fileName_.c_str();
  info_ = Describe(*file_, block.pixelFormat);
  return true;
}

bool DecoderSession::GetMediaInfo(DecoderMediaInfo& info) const {
  std::lock_guard<std::mutex> lock(mutex_);
  info = info_;
  return info_.valid != 0;
}

bool DecoderSession::SetRange(double start, double end) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (playback_) return false;
  clipStart_ = start;
  clipEnd_ = end;
  return true;
}

std::shared_ptr<Playback> DecoderSession::PlaybackForRun() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (playback_ || !file_ || block_.deliverFrames == 0) return playback_;
  mediacore::DecodeRequest request;
  const bool video = block_.useVideo != 0 && info_.hasVideo != 0;
  const bool audio = block_.useAudio != 0 && block_.deliverAudio != 0 &&
                     block_.audioProc != nullptr && info_.hasAudio != 0;
  request.videoStream = video ? 0 : -1;
  request.audioStream = audio ? 0 : -1;
  request.pixelFormat = block_.pixelFormat;
  request.clipStart = clipStart_;
  request.clipEnd = clipEnd_;
  auto decoder = mediacore::MediaDecoder::Create(*file_, request);
  if (!decoder) return nullptr;
  playback_ = std::make_shared<Playback>(std::move(file_), std::move(decoder));
  return playback_;
}

std::shared_ptr<Playback> DecoderSession::CurrentPlayback() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return playback_;
}

bool DecoderSession::Run() {
  const auto playback = PlaybackForRun();
  if (!playback) return false;
  if (playback->State() == mediacore::PlaybackState::Paused) return playback->Resume();
  std::shared_ptr<CallbackReceiver> receiver;
  bool paced = false;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    receiver = std::make_shared<CallbackReceiver>(block_, info_);
    paced = block_.realTimePacing != 0;
  }
  return playback->Start(std::move(receiver), paced);
}

bool DecoderSession::Pause() {
  const auto playback = CurrentPlayback();
  return playback && playback->Pause();
}

bool DecoderSession::GetPosition(double& position) const {
  const auto playback = CurrentPlayback();
  std::lock_guard<std::mutex> lock(mutex_);
  position = playback ? playback->Position() : (clipStart_ > 0.0 ? clipStart_ : 0.0);
  return info_.valid != 0;
}

bool DecoderSession::Seek(double time) {
  const auto playback = PlaybackForRun();
  return playback && playback->Seek(time);
}

std::int32_t DecoderSession::State() const {
  const auto playback = CurrentPlayback();
  if (!playback) return DecoderStopped;
  switch (playback->State()) {
    case mediacore::PlaybackState::Running: return DecoderRunning;
    case mediacore::PlaybackState::Paused: return DecoderPaused;
    default: return DecoderStopped;
  }
}

void DecoderSession::Shutdown() {
  const auto playback = CurrentPlayback();
  if (playback) playback->Stop();
}

}  // namespace mcdecode
