#include "engine/Decderwarpper.h"

#include <algorithm>

#include "classlib/runtime/FileUtils.h"
#include "engine/Quorinvccommon.h"
#include "engine/Quorinvcenvloader.h"

DirectShowDecoder* CurrentDirectShowDecoder = nullptr;
BuiltInDecoder* CurrentBuiltInDecoder = nullptr;

namespace {

constexpr unsigned kPreviewFailedFlags = MB_ICONINFORMATION;

}  // namespace

// ---- DecoderBase -------------------------------------------------------------------------

DecoderBase::DecoderBase(const AnsiString& fileName) : FileName(fileName) {}

void DecoderBase::SetCallbacks(StreamFormatCallback format, VideoFrameCallback video,
                               AudioSamplesCallback audio, DecodeEndCallback end) {
  FormatCallback = format;
  VideoCallback = video;
  AudioCallback = audio;
  EndCallback = end;
}

void DecoderBase::SetRange(double clipStart, double clipEnd) {
  ClipStart = clipStart;
  ClipEnd = clipEnd;
}

DecoderOpenBlock MakeDecoderOpenBlock(TDecoderOpenPurpose purpose, const char* fileName) {
  struct Values {
    std::uint8_t deliverFrames, deliverAudio, pacing;
    std::int32_t pixelFormat, hints[4];
  };
  static const Values conversion{1, 1, 0, PixelFormatI420, {4, 1, 3, 4}};
  static const Values preview{1, 0, 1, PixelFormatRgb565, {3, 0, 0, 2}};
  static const Values probe{0, 0, 0, PixelFormatI420, {4, 1, 3, 4}};
  const Values& v = purpose == TDecoderOpenPurpose::Conversion ? conversion
                    : purpose == TDecoderOpenPurpose::Preview  ? preview
                                                               : probe;
  DecoderOpenBlock block{};
  block.deliverFrames = v.deliverFrames;
  block.blockKind = 1;
  block.fileName = fileName;
  block.useVideo = 1;
  block.useAudio = 1;
  block.deliverAudio = v.deliverAudio;
  block.realTimePacing = v.pacing;
  block.pixelFormat = v.pixelFormat;
  std::copy(std::begin(v.hints), std::end(v.hints), block.hints);
  return block;
}

// ---- DirectShowDecoder -------------------------------------------------------------------

DirectShowDecoder::DirectShowDecoder(const AnsiString& fileName) : DecoderBase(fileName) {}

DirectShowDecoder::~DirectShowDecoder() {
  DestroyHandle();
  if (CurrentDirectShowDecoder == this) CurrentDirectShowDecoder = nullptr;
}

bool DirectShowDecoder::SetVideoStream(int) { return true; }

bool DirectShowDecoder::SetAudioStream(int) { return true; }

bool DirectShowDecoder::SetTime(double) { return true; }

void DirectShowDecoder::DestroyHandle() {
  if (Handle == 0) return;
  DestroyDecoderHandle(Handle);  // waits for the library's thread to leave its callbacks
  Handle = 0;
}

bool DirectShowDecoder::OpenHandle(TDecoderOpenPurpose purpose) {
  Handle = CreateDecoderHandle();
  if (Handle == 0) return false;
  DecoderOpenBlock block = MakeDecoderOpenBlock(purpose, FileName.c_str());
  if (purpose == TDecoderOpenPurpose::Conversion) {
    SetDecoderOption(Handle, 0);
    SetDecoderRange(Handle, ClipStart, ClipEnd);
    block.audioProc = AudioCallback;
    block.useVideo = VideoWanted ? 1 : 0;
  }
  block.formatProc = FormatCallback != nullptr ? &DirectShowDecoder::FormatProc : nullptr;
  block.videoProc = VideoCallback;
  block.endProc = EndCallback;
  CurrentDirectShowDecoder = this;
  if (OpenDecoderHandle(Handle, &block)) return true;
  DestroyHandle();
  return false;
}

bool DirectShowDecoder::Start() {
  if (!FileExists(FileName)) return false;
  if (Handle != 0) {
    const int state = GetDecoderState(Handle);
    if (state == DecoderRunning) return true;
    if (state == DecoderPaused) {
      RunDecoder(Handle);
      return true;
    }
  }
  DestroyHandle();
  if (!OpenHandle(TDecoderOpenPurpose::Conversion)) return false;
  Previewing = false;
  return RunDecoder(Handle) != 0;
}

bool DirectShowDecoder::StartPreview(HWND) {
  if (!FileExists(FileName)) return false;
  if (Handle == 0 && !OpenHandle(TDecoderOpenPurpose::Preview)) {
    ShowMessageBox("Can not preview this video!", EnvLoader.ApplicationName, kPreviewFailedFlags);
    return false;
  }
  const bool running = RunDecoder(Handle) != 0;
  if (running) Previewing = true;
  return running;
}

bool DirectShowDecoder::Pause() {
  return Handle != 0 && GetDecoderState(Handle) == DecoderRunning && PauseDecoder(Handle) != 0;
}

bool DirectShowDecoder::Stop() {
  if (Handle == 0) return false;
  const int state = GetDecoderState(Handle);
  if (state != DecoderRunning && state != DecoderPaused) return false;
  DestroyHandle();
  return true;
}

int DirectShowDecoder::GetPosition(double& position) {
  return Handle != 0 ? GetDecoderPosition(Handle, &position) : 0;
}

int DirectShowDecoder::Seek(double time) { return Handle != 0 ? SeekDecoder(Handle, time) : 0; }

int DirectShowDecoder::GetState() {
  if (Handle == 0) return dsStopped;
  switch (GetDecoderState(Handle)) {
    case DecoderRunning: return Previewing ? dsPreviewing : dsConverting;
    case DecoderPaused: return dsPaused;
    default: return dsStopped;
  }
}

Bool8 MC_CALL DirectShowDecoder::FormatProc(const DecoderMediaInfo* info) {
  DirectShowDecoder* decoder = CurrentDirectShowDecoder;
  if (info == nullptr || decoder == nullptr || decoder->FormatCallback == nullptr) return 1;
  StreamFormatInfo format;
  format.Duration = info->duration;
  format.HasVideo = info->hasVideo;
  format.Width = info->width;
  format.Height = info->height;
  format.FrameRate = info->frameRate;
  format.PixelFormat = info->pixelFormat;
  format.HasAudio = info->hasAudio;
  format.BitsPerSample = info->bitsPerSample;
  format.SampleRate = info->sampleRate;
  format.Channels = info->channels;
  return decoder->FormatCallback(&format);
}

// ---- BuiltInDecoder ----------------------------------------------------------------------

BuiltInDecoderThread::BuiltInDecoderThread(DecoderObject* object) : Object(object) {}

void BuiltInDecoderThread::Execute() {
  if (Object != nullptr) Object->Run();
}

BuiltInDecoder::BuiltInDecoder(const AnsiString& fileName) : DecoderBase(fileName) {}

BuiltInDecoder::~BuiltInDecoder() {
  ReleaseObject();
  if (CurrentBuiltInDecoder == this) CurrentBuiltInDecoder = nullptr;
}

void BuiltInDecoder::JoinThread() {
  if (!Thread || Thread->ThreadID() == GetCurrentThreadId()) return;
  Thread->WaitFor();
  Thread.reset();
}

void BuiltInDecoder::ReleaseObject() {
  if (Object == nullptr) return;
  Object->Stop();
  JoinThread();
  ReleaseDecoderObject(Object);  // also waits for a preview's library thread
  Object = nullptr;
}

bool BuiltInDecoder::SetVideoStream(int index) {
  VideoIndex = index;
  return Object == nullptr || Object->SelectVideoStream(index) == kCallOk;
}

bool BuiltInDecoder::SetAudioStream(int index) {
  AudioIndex = index;
  return Object == nullptr || Object->SelectAudioStream(index) == kCallOk;
}

bool BuiltInDecoder::OpenObject(std::int32_t pixelFormat, bool video) {
  Object = CreateDecoderObject(FileName.c_str());
  CurrentBuiltInDecoder = this;
  DecoderObjectOpenBlock block{};
  block.useVideo = video ? 1 : 0;
  block.useAudio = 1;
  block.pixelFormat = pixelFormat;
  block.formatProc = FormatCallback != nullptr ? &BuiltInDecoder::FormatProc : nullptr;
  block.videoProc = VideoCallback;
  block.audioProc = AudioCallback;
  block.endProc = EndCallback;
  std::int32_t result = Object->Open(&block);
  Info = DecoderObjectInfo{};
  Object->GetMediaInfo(&Info);
  if (Info.valid != 0 && result == kCallOk) {
    Object->SelectVideoStream(VideoIndex);
    Object->SelectAudioStream(AudioIndex);
    Object->SetRange(ClipStart, ClipEnd);
    result = Object->Prepare();
  }
  if (Info.valid != 0 && result == kCallOk) return true;
  ReleaseObject();
  return false;
}

bool BuiltInDecoder::Start() {
  if (!FileExists(FileName)) return false;
  if (Object != nullptr) {
    const int state = Object->GetState();
    if (state == DecoderObjectRunning) return true;
    if (state == DecoderObjectPaused) {
      Object->Resume();
      return true;
    }
  }
  ReleaseObject();
  if (!OpenObject(PixelFormatI420, VideoWanted)) return false;
  Thread = std::make_unique<BuiltInDecoderThread>(Object);
  Thread->Start();
  // Report the run as under way from the start on, not only once the thread is in it.
  while (Object->GetState() == DecoderObjectStopped && !Thread->Finished()) Sleep(1);
  return true;
}

bool BuiltInDecoder::StartPreview(HWND window) {
  if (!FileExists(FileName)) return false;
  if (Object == nullptr && !OpenObject(PixelFormatRgb565, true)) return false;
  if (Object->GetState() == DecoderObjectPreviewing) return true;
  return Object->StartPreview(window) == kCallOk;
}

bool BuiltInDecoder::Pause() { return Object != nullptr && Object->Pause() == kCallOk; }

bool BuiltInDecoder::Stop() {
  if (Object == nullptr) return false;
  const bool stopped = Object->Stop() == kCallOk;
  JoinThread();
  return stopped;
}

int BuiltInDecoder::GetPosition(double& position) {
  return Object != nullptr ? Object->GetPosition(&position) : 0;
}

int BuiltInDecoder::Seek(double time) { return Object != nullptr ? Object->Seek(time) : 0; }

bool BuiltInDecoder::SetTime(double time) {
  return Object == nullptr || Object->SetTime(time) == kCallOk;
}

int BuiltInDecoder::GetState() {
  if (Object == nullptr) return dsStopped;
  const int state = Object->GetState();
  return state >= dsConverting && state <= dsPreviewing ? state : dsStopped;
}

StreamFormatInfo BuiltInDecoder::FormatOf(const DecoderObjectInfo& info, int videoIndex,
                                          int audioIndex) {
  const int videos = std::clamp<int>(info.videoStreamCount, 0, kMaxStreamsPerKind);
  const int audios = std::clamp<int>(info.audioStreamCount, 0, kMaxStreamsPerKind);
  StreamFormatInfo format;
  format.Duration = info.duration;
  format.PixelFormat = info.pixelFormat;
  if (info.hasVideo != 0 && videos > 0) {
    const DecoderObjectVideoStream& video =
        info.videoStreams[videoIndex >= 0 && videoIndex < videos ? videoIndex : 0];
    format.HasVideo = 1;
    format.Width = video.width;
    format.Height = video.height;
    format.FrameRate = video.frameRate;
  }
  if (info.hasAudio != 0 && audios > 0) {
    const DecoderObjectAudioStream& audio =
        info.audioStreams[audioIndex >= 0 && audioIndex < audios ? audioIndex : 0];
    format.HasAudio = 1;
    format.BitsPerSample = 16;
    format.SampleRate = audio.sampleRate;
    format.Channels = std::min(audio.channels, 2);
  }
  return format;
}

Bool8 MC_CALL BuiltInDecoder::FormatProc(const DecoderObjectInfo*) {
  BuiltInDecoder* decoder = CurrentBuiltInDecoder;
  if (decoder == nullptr || decoder->FormatCallback == nullptr) return 1;
  const StreamFormatInfo format = FormatOf(decoder->Info, decoder->VideoIndex, decoder->AudioIndex);
  return decoder->FormatCallback(&format);
}
