#include "engine/Videoinforeader.h"

#include <algorithm>
#include <cstring>

#include "classlib/runtime/FileUtils.h"
#include "classlib/runtime/SysUtils.h"
#include "engine/Decderwarpper.h"
#include "engine/Decodermodemap.h"
#include "media/contracts/DecoderLibrary.h"

namespace {

// A decoder object released at the end of the scope.
class ScopedDecoderObject {
 public:
  explicit ScopedDecoderObject(const AnsiString& fileName)
      : object_(CreateDecoderObject(fileName.c_str())) {}
  ~ScopedDecoderObject() { ReleaseDecoderObject(object_); }
  ScopedDecoderObject(const ScopedDecoderObject&) = delete;
  ScopedDecoderObject& operator=(const ScopedDecoderObject&) = delete;
  DecoderObject* operator->() const { return object_; }

 private:
  DecoderObject* object_;
};

// A decoder handle destroyed at the end of the scope.
class ScopedDecoderHandle {
 public:
  ScopedDecoderHandle() : handle_(CreateDecoderHandle()) {}
  ~ScopedDecoderHandle() {
    if (handle_ != 0) DestroyDecoderHandle(handle_);
  }
  ScopedDecoderHandle(const ScopedDecoderHandle&) = delete;
  ScopedDecoderHandle& operator=(const ScopedDecoderHandle&) = delete;
  DecoderHandle get() const { return handle_; }

 private:
  DecoderHandle handle_;
};

// The library's name, which may fill its field, always zero-terminated here.
void CopyName(char (&target)[32], const char (&source)[kCodecNameSize]) {
  std::memset(target, 0, sizeof target);
  std::memcpy(target, source, strnlen(source, sizeof target - 1));
}

}  // namespace

TVideoInfoReader::TVideoInfoReader(const AnsiString& fileName)
    : FileName(fileName), DecoderKind(dkBuiltIn) {
  std::memset(VideoStreams, 0, sizeof VideoStreams);
  std::memset(AudioStreams, 0, sizeof AudioStreams);
}

const VideoStreamInfo& TVideoInfoReader::GetVideoStream(int index) const {
  return VideoStreams[index >= 0 && index < VideoStreamCount ? index : 0];
}

const AudioStreamInfo& TVideoInfoReader::GetAudioStream(int index) const {
  return AudioStreams[index >= 0 && index < AudioStreamCount ? index : 0];
}

bool TVideoInfoReader::ProbeDirectShow() {
  // A failed attempt leaves every field but the valid flag as it was.
  Valid = false;
  ScopedDecoderHandle handle;
  if (handle.get() == 0) return false;
  SetDecoderRange(handle.get(), -1.0, -1.0);
  const DecoderOpenBlock block = MakeDecoderOpenBlock(TDecoderOpenPurpose::Probe, FileName.c_str());
  if (!OpenDecoderHandle(handle.get(), &block)) return false;
  DecoderMediaInfo info{};
  GetDecoderMediaInfo(handle.get(), &info);
  Valid = info.valid != 0;
  Attribute = info.attribute;
  PixelFormat = info.pixelFormat;
  // The library knows one stream of each kind, without codec name or aspect.
  VideoStreamCount = info.hasVideo != 0 ? 1 : 0;
  if (info.hasVideo != 0) {
    Duration = info.duration;
    VideoStreams[0].Width = info.width;
    VideoStreams[0].Height = info.height;
    VideoStreams[0].AspectNumerator = 0;
    VideoStreams[0].AspectDenominator = 1;
    VideoStreams[0].FrameRate = info.frameRate;
  }
  AudioStreamCount = info.hasAudio != 0 ? 1 : 0;
  if (info.hasAudio != 0) {
    AudioStreams[0].SampleRate = info.sampleRate;
    AudioStreams[0].Channels = info.channels;
  }
  return Valid;
}

void TVideoInfoReader::CopyStreams(const DecoderObjectInfo& info) {
  // A library reporting more than the tables hold gives the first MaxStreams.
  VideoStreamCount = info.hasVideo != 0 ? std::clamp<int>(info.videoStreamCount, 0, MaxStreams) : 0;
  for (int i = 0; i < VideoStreamCount; ++i) {
    const DecoderObjectVideoStream& from = info.videoStreams[i];
    VideoStreamInfo& to = VideoStreams[i];
    CopyName(to.CodecName, from.codecName);
    to.Width = from.width;
    to.Height = from.height;
    to.AspectNumerator = from.aspectNumerator;
    to.AspectDenominator = from.aspectDenominator;
    to.FrameRate = from.frameRate;
  }
  AudioStreamCount = info.hasAudio != 0 ? std::clamp<int>(info.audioStreamCount, 0, MaxStreams) : 0;
  for (int i = 0; i < AudioStreamCount; ++i) {
    const DecoderObjectAudioStream& from = info.audioStreams[i];
    AudioStreamInfo& to = AudioStreams[i];
    CopyName(to.CodecName, from.codecName);
    to.SampleRate = from.sampleRate;
    to.Channels = from.channels;
  }
}

bool TVideoInfoReader::ProbeBuiltIn() {
  ScopedDecoderObject object(FileName);
  DecoderObjectOpenBlock block{};
  block.useVideo = 1;
  block.useAudio = 1;
  block.pixelFormat = PixelFormatI420;
  std::int32_t result = object->Open(&block);
  DecoderObjectInfo info{};
  if (result == kCallOk) result = object->GetMediaInfo(&info);
  if (result != kCallOk) {
    Valid = false;
    return false;
  }
  Valid = info.valid != 0;
  Duration = info.duration;
  Attribute = info.attribute;
  PixelFormat = info.pixelFormat;
  CopyStreams(info);
  return Valid;
}

bool TVideoInfoReader::Probe() {
  const int mode = DecoderModeMap.GetMode(LowerCase(ExtractFileExt(FileName)));
  const auto attempt = [this](int kind) {
    const bool read = kind == dkBuiltIn ? ProbeBuiltIn() : ProbeDirectShow();
    if (read) DecoderKind = kind;
    return read;
  };
  switch (mode) {
    case dmBuiltInFirst: return attempt(dkBuiltIn) || attempt(dkDirectShow);
    case dmDirectShowFirst: return attempt(dkDirectShow) || attempt(dkBuiltIn);
    case dmBuiltInOnly: return attempt(dkBuiltIn);
    case dmDirectShowOnly: return attempt(dkDirectShow);
    default: return Valid;
  }
}

bool TVideoInfoReader::ProbeWithDecoder(int kind) {
  if (kind == DecoderKind && Valid) return true;
  const bool read = kind == dkDirectShow ? ProbeDirectShow() : ProbeBuiltIn();
  if (!read) return Probe();
  DecoderKind = kind;
  return true;
}
