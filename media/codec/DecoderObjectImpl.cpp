#include "media/codec/DecoderObjectImpl.h"

#include <algorithm>
#include <cstring>

#include "media/codec/CallGuard.h"
#include "media/core/CallbackReceiver.h"
#include "media/core/MediaDecoder.h"

namespace mccodec {
namespace {

using mediacore::MediaFile;
using mediacore::Playback;
using mediacore::PlaybackState;
using Receiver = mediacore::CallbackReceiver<DecoderObjectOpenBlock, DecoderObjectInfo>;

void CopyName(char (&target)[kCodecNameSize], const std::string& name) {
  std::memset(target, 0, sizeof target);
  std::memcpy(target, name.data(), std::min(name.size(), sizeof target - 1));
}

DecoderObjectInfo Describe(const MediaFile& file, std::int32_t pixelFormat) {
  DecoderObjectInfo info{};
  info.valid = 1;
  info.duration = file.Duration();
  info.pixelFormat = static_cast<std::uint8_t>(pixelFormat);
  const auto& videos = file.VideoStreams();
  info.hasVideo = videos.empty() ? 0 : 1;
  info.videoStreamCount = static_cast<std::int32_t>(std::min<std::size_t>(videos.size(), kMaxStreamsPerKind));
  for (int i = 0; i < info.videoStreamCount; ++i) {
    DecoderObjectVideoStream& record = info.videoStreams[i];
    CopyName(record.codecName, videos[i].codecName);
    record.width = videos[i].width;
    record.height = videos[i].height;
    record.aspectNumerator = videos[i].aspectNumerator;
    record.aspectDenominator = videos[i].aspectDenominator;
    record.frameRate = videos[i].frameRate;
  }
  const auto& audios = file.AudioStreams();
  info.hasAudio = audios.empty() ? 0 : 1;
  info.audioStreamCount = static_cast<std::int32_t>(std::min<std::size_t>(audios.size(), kMaxStreamsPerKind));
  for (int i = 0; i < info.audioStreamCount; ++i) {
    DecoderObjectAudioStream& record = info.audioStreams[i];
    CopyName(record.codecName, audios[i].codecName);
    record.sampleRate = audios[i].sampleRate;
    record.channels = audios[i].channels;
  }
  return info;
}

std::int32_t Answer(bool ok) { return ok ? kCallOk : kCallFailed; }

// A chosen index inside the table, or stream 0 with a false answer.
bool Choose(int& chosen, std::int32_t index, std::int32_t count) {
  const bool inside = index >= 0 && index < count;
  chosen = inside ? index : 0;
  return inside;
}

}  // namespace

DecoderObjectImpl::DecoderObjectImpl(std::string sourcePath) : path_(std::move(sourcePath)) {}

DecoderObjectImpl::~DecoderObjectImpl() { Close(); }

std::int32_t MC_CALL DecoderObjectImpl::Open(const DecoderObjectOpenBlock* block) {
  return Guarded(kCallFailed, [&] {
    Close();
    std::lock_guard<std::mutex> lock(mutex_);
    if (block == nullptr) return kCallFailed;
    block_ = *block;
    file_ = MediaFile::Open(path_);
    if (!file_) return kCallFailed;
    info_ = Describe(*file_, block->pixelFormat);
    opened_ = true;
    return kCallOk;
  });
}

bool DecoderObjectImpl::PrepareLocked() {
  if (!opened_) return false;
  if (playback_ && playback_->State() != PlaybackState::Stopped) return false;
  mediacore::DecodeRequest request;
  const bool video = block_.useVideo != 0 && info_.videoStreamCount > 0;
  // Audio nobody receives is not decoded, unless it is all the file holds.
  const bool audio = block_.useAudio != 0 && info_.audioStreamCount > 0 &&
                     (block_.audioProc != nullptr || !video);
  request.videoStream = video ? videoStream_ : -1;
  request.audioStream = audio ? audioStream_ : -1;
  request.pixelFormat = block_.pixelFormat;
  request.clipStart = clipStart_;
  request.clipEnd = clipEnd_;
  auto file = file_ ? std::move(file_) : MediaFile::Open(path_);
  if (!file) return false;
  auto decoder = mediacore::MediaDecoder::Create(*file, request);
  if (!decoder) return false;
  playback_ = std::make_shared<Playback>(std::move(file), std::move(decoder));
  return true;
}

std::int32_t MC_CALL DecoderObjectImpl::Prepare() {
  return Guarded(kCallFailed, [&] {
    std::lock_guard<std::mutex> lock(mutex_);
    return Answer(PrepareLocked());
  });
}

std::int32_t MC_CALL DecoderObjectImpl::Close() {
  return Guarded(kCallFailed, [&] {
    std::shared_ptr<Playback> playback;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      playback.swap(playback_);
      file_.reset();
      opened_ = false;
    }
    if (playback) playback->Stop();
    return kCallOk;
  });
}

std::int32_t MC_CALL DecoderObjectImpl::SetRange(double start, double end) {
  return Guarded(kCallFailed, [&] {
    std::lock_guard<std::mutex> lock(mutex_);
    clipStart_ = start;
    clipEnd_ = end;
    return kCallOk;
  });
}

std::int32_t MC_CALL DecoderObjectImpl::SetTime(double time) { return Seek(time); }

std::int32_t MC_CALL DecoderObjectImpl::GetMediaInfo(DecoderObjectInfo* info) {
  return Guarded(kCallFailed, [&] {
    if (info == nullptr) return kCallFailed;
    std::lock_guard<std::mutex> lock(mutex_);
    *info = opened_ ? info_ : DecoderObjectInfo{};
    return Answer(opened_);
  });
}

std::int32_t MC_CALL DecoderObjectImpl::SelectVideoStream(std::int32_t index) {
  return Guarded(kCallFailed, [&] {
    std::lock_guard<std::mutex> lock(mutex_);
    return Answer(Choose(videoStream_, index, info_.videoStreamCount));
  });
}

std::int32_t MC_CALL DecoderObjectImpl::SelectAudioStream(std::int32_t index) {
  return Guarded(kCallFailed, [&] {
    std::lock_guard<std::mutex> lock(mutex_);
    return Answer(Choose(audioStream_, index, info_.audioStreamCount));
  });
}

std::shared_ptr<Playback> DecoderObjectImpl::PreparedPlayback() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!playback_) PrepareLocked();
  return playback_;
}

std::shared_ptr<Playback> DecoderObjectImpl::CurrentPlayback() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return playback_;
}

std::int32_t MC_CALL DecoderObjectImpl::Run() {
  return Guarded(kCallFailed, [&] {
    const auto playback = PreparedPlayback();
    if (!playback) return kCallFailed;
    std::unique_ptr<Receiver> receiver;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      receiver = std::make_unique<Receiver>(block_, info_);
    }
    return Answer(playback->Play(*receiver, false) != Playback::Outcome::Refused);
  });
}

std::int32_t MC_CALL DecoderObjectImpl::Pause() {
  return Guarded(kCallFailed, [&] {
    const auto playback = CurrentPlayback();
    return Answer(playback && playback->Pause());
  });
}

std::int32_t MC_CALL DecoderObjectImpl::Stop() {
  return Guarded(kCallFailed, [&] {
    const auto playback = CurrentPlayback();
    return Answer(playback && playback->Stop());
  });
}

std::int32_t MC_CALL DecoderObjectImpl::StartPreview(HWND) {
  return Guarded(kCallFailed, [&] {
    const auto playback = PreparedPlayback();
    if (!playback) return kCallFailed;
    std::shared_ptr<Receiver> receiver;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      receiver = std::make_shared<Receiver>(block_, info_);
    }
    return Answer(playback->Start(std::move(receiver), true));
  });
}

std::int32_t MC_CALL DecoderObjectImpl::Resume() {
  return Guarded(kCallFailed, [&] {
    const auto playback = CurrentPlayback();
    return Answer(playback && playback->Resume());
  });
}

std::int32_t MC_CALL DecoderObjectImpl::GetPosition(double* position) {
  return Guarded(kCallFailed, [&] {
    if (position == nullptr) return kCallFailed;
    const auto playback = CurrentPlayback();
    std::lock_guard<std::mutex> lock(mutex_);
    *position = playback ? playback->Position() : std::max(clipStart_, 0.0);
    return Answer(opened_);
  });
}

std::int32_t MC_CALL DecoderObjectImpl::Seek(double time) {
  return Guarded(kCallFailed, [&] {
    const auto playback = PreparedPlayback();
    return Answer(playback && playback->Seek(time));
  });
}

std::int32_t MC_CALL DecoderObjectImpl::GetState() {
  return Guarded<std::int32_t>(DecoderObjectStopped, [&] {
    const auto playback = CurrentPlayback();
    if (!playback) return DecoderObjectStopped;
    switch (playback->State()) {
      case PlaybackState::Running:
        return playback->OnOwnThread() ? DecoderObjectPreviewing : DecoderObjectRunning;
      case PlaybackState::Paused: return DecoderObjectPaused;
      default: return DecoderObjectStopped;
    }
  });
}

}  // namespace mccodec
