#include "engine/Convertjob.h"

#include <algorithm>
#include <numeric>

#include "classlib/runtime/FileUtils.h"
#include "classlib/runtime/IniFiles.h"
#include "classlib/runtime/SysUtils.h"
#include "classlib/windowing/Application.h"
#include "classlib/windowing/Forms.h"
#include "engine/Quorinvccommon.h"
#include "engine/Myid3tagimp.h"
#include "engine/Quorinvcenvloader.h"
#include "engine/Standinselectstream.h"

std::atomic<TConvertJob*> CurrentConvertJob{nullptr};

namespace {

// The run loop sleeps until input or a job event arrives. Every change that ends the loop
// signals the event, so the bound only caps how long a missed wake-up could go unnoticed:
// a short poll would cost the window thread (and Wine's server) a wake-up every few
// milliseconds that the decoding and encoding threads need.
constexpr DWORD kRunLoopWaitMs = 250;
constexpr int kHourglassCursor = -11;
// A source whose streams end this much (and two frames) before the probed end or the clip
// end is damaged or cut short: its conversion is incomplete.
constexpr double kEarlyEndTolerance = 0.5;

// The source name without folder and extension.
AnsiString TitleOf(const AnsiString& sourcePath) {
  const AnsiString name = ExtractFileName(sourcePath);
  const AnsiString extension = ExtractFileExt(name);
  return name.SubString(1, name.Length() - extension.Length());
}

int StreamOrFirst(int index, int count) { return index >= 0 && index < count ? index : 0; }

// The decoders deliver 16-bit samples of at most two channels.
constexpr std::int32_t kDeliveredBits = 16;
constexpr int kMostDeliveredChannels = 2;
constexpr Bool8 kFinishFlag = 1;

}  // namespace

TConvertJob::TConvertJob(const AnsiString& sourcePath) : Reader(sourcePath), Title(TitleOf(sourcePath)) {
  InitAudioSampleBuffer(SampleBuffer);
}

TConvertJob::~TConvertJob() {
  ClearEncoderSettings();
  if (Decoder != nullptr) Decoder->Stop();
  Decoder.reset();
  FreeEncoder();
}

// --- probing and stream choice ------------------------------------------------------------

bool TConvertJob::Probe() {
  const bool readable = Reader.Probe();
  ChooseStreams();
  return readable;
}

bool TConvertJob::ProbeWithDecoder(int kind) {
  const bool readable = Reader.ProbeWithDecoder(kind);
  ChooseStreams();
  return readable;
}

void TConvertJob::ChooseStreams() {
  if (!Reader.IsValid() || (Reader.GetVideoStreamCount() <= 1 && Reader.GetAudioStreamCount() <= 1)) return;
  TIniFile settings(ExecutableFolder() + EnvLoader.ConfigFile);
  if (settings.ReadInteger("LastSettings", "MultiStreamsMethod", 0) == 0) {
    VideoStream = 0;
    AudioStream = 0;
    return;
  }
  TComponent* owner = Application != nullptr ? Application->MainForm() : nullptr;
  std::unique_ptr<TSelectStreamForm> form(new TSelectStreamForm(owner, &Reader));
  form->ShowModal();
  VideoStream = form->cbVideoStream->GetItemIndex();
  AudioStream = form->cbAudioStream->GetItemIndex();
}

int TConvertJob::ChosenVideoStream() const { return StreamOrFirst(VideoStream, Reader.GetVideoStreamCount()); }
int TConvertJob::ChosenAudioStream() const { return StreamOrFirst(AudioStream, Reader.GetAudioStreamCount()); }

AnsiString TConvertJob::OutputAspectText() const {
  if (!AspectText.IsEmpty()) return AspectText;
  if (!Reader.HasVideo()) return AnsiString();
  const VideoStreamInfo& stream = Reader.GetVideoStream(ChosenVideoStream());
  const std::int64_t croppedWidth = stream.Width - CropLeft - CropRight;
  const std::int64_t croppedHeight = stream.Height - CropTop - CropBottom;
  if (stream.AspectNumerator <= 0 || stream.AspectDenominator <= 0 || croppedWidth <= 0 || croppedHeight <= 0)
    return AnsiString();
  // The display aspect of the kept part: DAR x (cw / W) / (ch / H).
  std::int64_t numerator = std::int64_t{stream.AspectNumerator} * croppedWidth * stream.Height;
  std::int64_t denominator = std::int64_t{stream.AspectDenominator} * croppedHeight * stream.Width;
  const std::int64_t divisor = std::gcd(numerator, denominator);
  numerator /= divisor;
  denominator /= divisor;
  return IntToStr(numerator) + ":" + IntToStr(denominator);
}

// --- settings -------------------------------------------------------------------------------

void TConvertJob::SetProfile(std::unique_ptr<TVideoProfile> profile) {
  ClearEncoderSettings();
  Profile = std::move(profile);
}

void TConvertJob::SetAudioScheme(const TAudioEncoderScheme* scheme) {
  ClearEncoderSettings();
  if (scheme != nullptr) Scheme = std::make_unique<TAudioEncoderScheme>(*scheme);
}

void TConvertJob::ClearEncoderSettings() {
  Profile.reset();
  Scheme.reset();
}

void TConvertJob::SetPreviewCallback(PreviewFrameCallback hook, void* userData) {
  std::lock_guard<std::mutex> hold(PreviewLock);
  PreviewHook = hook;
  PreviewUserData = userData;
}

void TConvertJob::SendPreviewFrame(const void* pixels, std::int32_t width, std::int32_t height,
                                   std::int32_t pixelFormat) {
  PreviewFrameCallback hook;
  void* userData;
  {
    std::lock_guard<std::mutex> hold(PreviewLock);
    hook = PreviewHook;
    userData = PreviewUserData;
  }
  if (hook != nullptr) hook(userData, pixels, width, height, pixelFormat);
}

std::unique_ptr<DecoderBase> TConvertJob::CreateDecoder() {
  std::unique_ptr<DecoderBase> decoder;
  if (Reader.GetDecoderKind() != dkDirectShow)
    decoder = std::make_unique<BuiltInDecoder>(Reader.GetFileName());
  else
    decoder = std::make_unique<DirectShowDecoder>(Reader.GetFileName());
  decoder->SetVideoStream(ChosenVideoStream());
  decoder->SetAudioStream(ChosenAudioStream());
  return decoder;
}

bool TConvertJob::FreeEncoder() {
  std::lock_guard<std::mutex> hold(EncoderLock);
  bool finished = true;
  if (Encoder != nullptr) finished = Encoder->Close();
  Encoder.reset();
  if (Plugin != nullptr) finished = FinishPlugin() && finished;
  Plugin.reset();
  Resampler.reset();
  return finished;
}

bool TConvertJob::FinishPlugin() {
  bool encoded = true;
  while (encoded && Resampler != nullptr && Resampler->Flush() > 0) encoded = Plugin->EncodeSamples(&SampleBuffer) >= 0;
  return Plugin->Finish(kFinishFlag) >= 0 && encoded;
}

// --- control from the windows ----------------------------------------------------------------

void TConvertJob::Stop() {
  StopFlag = true;
  Event.Signal();
}

void TConvertJob::Pause() {
  std::uint8_t converting = jsConverting;
  if (Decoder != nullptr && State.compare_exchange_strong(converting, jsPaused)) Decoder->Pause();
}

void TConvertJob::Resume() {
  std::uint8_t paused = jsPaused;
  if (Decoder != nullptr && State.compare_exchange_strong(paused, jsConverting)) Decoder->Start();
}

double TConvertJob::GetPosition() {
  double position = 0.0;
  if (Decoder != nullptr) Decoder->GetPosition(position);
  return position;
}

double TConvertJob::GetProgress() {
  if (Decoder == nullptr) return 0.0;
  const double start = ClipStart == -1.0 ? 0.0 : ClipStart;
  const double end = ClipEnd == -1.0 ? Reader.GetDuration() : ClipEnd;
  if (end == start) return 0.0;
  return std::clamp((GetPosition() - start) / (end - start), 0.0, 1.0);
}

// --- the conversion ---------------------------------------------------------------------------

void TConvertJob::Fail() {
  State = jsFailed;
  Event.Signal();
}

void TConvertJob::Convert() {
  StopFlag = false;
  FrameCount = 0;
  DeliveredEnd = 0.0;
  if (Decoder != nullptr) Decoder->Stop();
  Decoder.reset();
  FreeEncoder();
  // Without a readable probe there is no decoder to choose; an audio-only job needs audio.
  if (!FileExists(Reader.GetFileName()) || !Reader.IsValid() || (Profile == nullptr && Scheme == nullptr) ||
      (Profile == nullptr && !Reader.HasAudio()))
    return Fail();
  CurrentConvertJob = this;
  SetUpDecoder();
  if (SetUpEncoder()) {
    if (Decoder->Start())
      RunLoop();
    else
      Fail();
  }
  TearDown();
}

void TConvertJob::SetUpDecoder() {
  Decoder = CreateDecoder();
  Decoder->SetCallbacks(&FormatProc, &VideoFrameProc, &AudioSamplesProc, &DecodeEndProc);
  Decoder->SetRange(ClipStart, ClipEnd);
  // An audio-only output uses no frame: the decoder is spared the video.
  Decoder->SetVideoWanted(Profile != nullptr);
}

void TConvertJob::MakeOutputNameUnique() {
  const AnsiString extension = ExtractFileExt(OutputPath);
  const AnsiString stem = OutputPath.SubString(1, OutputPath.Length() - extension.Length());
  AnsiString candidate = OutputPath;
  for (int n = 1; FileExists(candidate); ++n) candidate = stem + "_" + IntToStr(n) + extension;
  OutputPath = candidate;
}

TEncoderObjectArgs TConvertJob::EncoderArgs() const {
  TEncoderObjectArgs args;
  args.OutputPath = OutputPath;
  args.SourceWidth = 320;
  args.SourceHeight = 240;
  args.SourceFrameRate = 24.0;
  args.SourcePixelFormat = PixelFormatRgb565;
  if (Reader.HasVideo()) {
    const VideoStreamInfo& video = Reader.GetVideoStream(ChosenVideoStream());
    args.SourceWidth = video.Width;
    args.SourceHeight = video.Height;
    args.SourceFrameRate = video.FrameRate;
    args.SourcePixelFormat = Reader.GetPixelFormat();
  }
  args.SourceSampleRate = 44100;
  args.SourceChannels = 2;
  if (Reader.HasAudio()) {
    const AudioStreamInfo& audio = Reader.GetAudioStream(ChosenAudioStream());
    args.SourceSampleRate = audio.SampleRate;
    args.SourceChannels = std::min(audio.Channels, 2);
  }
  args.NoVideo = !Reader.HasVideo();
  args.FixAspectRatio = FixAspectRatio;
  args.DisableAudio = DisableAudio || !Reader.HasAudio();
  args.CropLeft = CropLeft;
  args.CropRight = CropRight;
  args.CropTop = CropTop;
  args.CropBottom = CropBottom;
  return args;
}

bool TConvertJob::SetUpEncoder() {
  const AnsiString folder = ExtractFileDir(OutputPath);
  if (!folder.IsEmpty() && !DirectoryExists(folder)) ForceDirectories(folder);
  MakeOutputNameUnique();
  return Profile != nullptr ? SetUpVideoEncoder() : SetUpAudioPlugin();
}

bool TConvertJob::SetUpVideoEncoder() {
  if (const AnsiString aspect = OutputAspectText(); !aspect.IsEmpty())
    Profile->SetAdditionalParam("frame_aspect_ratio", aspect);
  std::unique_ptr<TEncoderObject> encoder = CreateEncoderObject(*Profile, EncoderArgs());
  if (encoder == nullptr) {
    Fail();
    return false;
  }
  encoder->SetMetadata(Title, Author, Copyright, Comment, Year);
  if (!encoder->Open()) {
    Fail();
    return false;
  }
  std::lock_guard<std::mutex> hold(EncoderLock);
  Encoder = std::move(encoder);
  return true;
}

bool TConvertJob::SetUpAudioPlugin() {
  auto plugin = std::make_unique<EncoderPlugin>(Scheme->PluginPath);
  InitAudioSampleBuffer(SampleBuffer);
  auto resampler = std::make_unique<ResampleContainer>(SampleBuffer);
  const AudioStreamInfo& audio = Reader.GetAudioStream(ChosenAudioStream());
  resampler->SetInputFormat(kDeliveredBits, true, audio.SampleRate, std::min(audio.Channels, kMostDeliveredChannels));
  MyID3TagImp tag;
  tag.SetTitle(Title.c_str());
  tag.SetYear(Year.c_str());
  const std::int32_t count = std::clamp(Scheme->Params.count, 0, kMaxEncoderParams);
  if (plugin->BeginEncode(OutputPath, &tag, &SampleBuffer, Scheme->Params.pairs, count) < 0) {
    Fail();
    return false;
  }
  std::lock_guard<std::mutex> hold(EncoderLock);
  Plugin = std::move(plugin);
  Resampler = std::move(resampler);
  return true;
}

void TConvertJob::RunLoop() {
  const HANDLE event = Event.Handle();
  while (State != jsCompleted && State != jsFailed && !StopFlag) {
    MsgWaitForMultipleObjectsEx(1, &event, kRunLoopWaitMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    Application->ProcessMessages();
  }
}

void TConvertJob::TearDown() {
  MyCursor busy(kHourglassCursor);
  if (Decoder != nullptr) Decoder->Stop();
  Decoder.reset();
  if (!FreeEncoder()) State = jsFailed;
  CurrentConvertJob = nullptr;
}

// --- the decoding thread ----------------------------------------------------------------------

void TConvertJob::NoteDelivered(double end) {
  double seen = DeliveredEnd;
  while (end > seen && !DeliveredEnd.compare_exchange_weak(seen, end)) {
  }
}

bool TConvertJob::EndedEarly() const {
  if (Profile != nullptr && Reader.HasVideo() && FrameCount == 0) return true;
  const double expectedEnd = ClipEnd != -1.0 ? std::min(ClipEnd, Reader.GetDuration()) : Reader.GetDuration();
  double frameTime = 0.0;
  if (Reader.HasVideo()) {
    const double rate = Reader.GetVideoStream(ChosenVideoStream()).FrameRate;
    frameTime = rate > 0.0 ? 1.0 / rate : 0.0;
  }
  return expectedEnd > 0.0 && DeliveredEnd < expectedEnd - kEarlyEndTolerance - 2.0 * frameTime;
}

bool TConvertJob::OnVideoFrame(double start, double end, const void* pixels) {
  if (StopFlag) return true;
  NoteDelivered(end);
  try {
    if (ClipStart != -1.0) {
      start -= ClipStart;
      end -= ClipStart;
    }
    if (Reader.HasVideo()) {
      const VideoStreamInfo& video = Reader.GetVideoStream(ChosenVideoStream());
      SendPreviewFrame(pixels, video.Width, video.Height, Reader.GetPixelFormat());
    }
    {
      std::lock_guard<std::mutex> hold(EncoderLock);
      if (Encoder != nullptr && !Encoder->EncodeVideoFrame(pixels, start, end)) Fail();
    }
    ++FrameCount;
    return true;
  } catch (...) {  // nothing may leave a callback into the decoding library
    Fail();
    return false;
  }
}

std::int32_t TConvertJob::OnAudioSamples(double start, double end, const std::int16_t* samples, std::int32_t bytes) {
  if (StopFlag) return 1;
  NoteDelivered(end);
  try {
    if (ClipStart != -1.0) {
      start -= ClipStart;
      end -= ClipStart;
    }
    std::lock_guard<std::mutex> hold(EncoderLock);
    if (Plugin != nullptr && EncodeAudioOnly(samples, bytes) < 0) Fail();
    if (Encoder != nullptr && !Encoder->EncodeAudioSamples(samples, bytes, start, end)) Fail();
    return 1;
  } catch (...) {  // nothing may leave a callback into the decoding library
    Fail();
    return 0;
  }
}

std::int32_t TConvertJob::EncodeAudioOnly(const std::int16_t* samples, std::int32_t bytes) {
  const std::int32_t channels = SampleBuffer.inputChannels;
  if (samples == nullptr || bytes <= 0 || channels <= 0) return 0;
  if (Resampler->Process(samples, bytes / (2 * channels)) <= 0) return 0;
  return Plugin->EncodeSamples(&SampleBuffer);
}

bool TConvertJob::OnDecodeEnd() {
  // After a stop the decoder may still run to the end (its frames dropped) before the
  // tear-down reaches it: that end is the stop's, not a short source's.
  const bool stopped = StopFlag;
  bool finished = false;
  try {
    finished = FreeEncoder() && (stopped || !EndedEarly());
  } catch (...) {  // nothing may leave a callback into the decoding library
  }
  std::uint8_t state = State;
  if (!finished)
    State = jsFailed;
  else if (!stopped)  // a stopped job keeps its state
    while (state != jsFailed && !State.compare_exchange_weak(state, jsCompleted)) {
    }
  Event.Signal();
  return true;
}

Bool8 MC_CALL TConvertJob::FormatProc(const StreamFormatInfo*) { return 1; }

Bool8 MC_CALL TConvertJob::VideoFrameProc(double start, double end, const void* pixels, std::int32_t) {
  TConvertJob* job = CurrentConvertJob;
  return job == nullptr || job->OnVideoFrame(start, end, pixels) ? 1 : 0;
}

std::int32_t MC_CALL TConvertJob::AudioSamplesProc(double start, double end, const std::int16_t* samples,
                                                   std::int32_t bytes) {
  TConvertJob* job = CurrentConvertJob;
  return job == nullptr ? 1 : job->OnAudioSamples(start, end, samples, bytes);
}

Bool8 MC_CALL TConvertJob::DecodeEndProc() {
  TConvertJob* job = CurrentConvertJob;
  return job == nullptr || job->OnDecodeEnd() ? 1 : 0;
}
