#pragma once
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/WinApi.h"
#include "engine/Audioencoderscheme.h"
#include "engine/Decderwarpper.h"
#include "engine/Encoderobject.h"
#include "engine/Encoderplugin.h"
#include "engine/Resamplecontainer.h"
#include "engine/Videoinforeader.h"
#include "engine/Videoprofile.h"

// Job states, read and written by the engine and the windows.
constexpr std::uint8_t jsQueued = 0;
constexpr std::uint8_t jsConverting = 1;
constexpr std::uint8_t jsPaused = 2;
constexpr std::uint8_t jsCompleted = 3;
constexpr std::uint8_t jsFailed = 4;
constexpr std::uint8_t jsPreviewing = 5;

// Hands a decoded frame to the windows' preview: user data, pixels, width, height and
// pixel format code. Runs on the decoding thread.
using PreviewFrameCallback = bool (*)(void* userData, const void* pixels, std::int32_t width, std::int32_t height,
                                      std::int32_t pixelFormat);

// A Win32 handle closed with the object.
class TJobEvent {
 public:
  TJobEvent() : handle_(CreateEventA(nullptr, FALSE, FALSE, nullptr)) {}
  ~TJobEvent() { CloseHandle(handle_); }
  TJobEvent(const TJobEvent&) = delete;
  TJobEvent& operator=(const TJobEvent&) = delete;
  HANDLE Handle() const { return handle_; }
  void Signal() const { SetEvent(handle_); }

 private:
  HANDLE handle_;
};

// One conversion of one source file into one output file. The windows probe the job,
// give it a profile, set its options and output path and call Convert on the window
// thread; Convert returns when the job has completed (3), failed (4) or was stopped.
// The decoder delivers frames, audio and the end through the static callbacks, which
// forward to CurrentConvertJob on the decoding thread.
//
// An audio-only job (given a scheme instead of a profile) writes through the scheme's
// plug-in, fed by one resampler container that keeps its state over the whole job.
//
// Sharing with the decoding thread: the state, the stop flag and the frame count are
// atomic; the encoder object, the plug-in and its container are used by the handlers and
// freed by FreeEncoder under one lock, so they are never freed under a running handler;
// the decoder is deleted only after its Stop, which returns after its last callback.
class TConvertJob {
 public:
  explicit TConvertJob(const AnsiString& sourcePath);
  ~TConvertJob();
  TConvertJob(const TConvertJob&) = delete;
  TConvertJob& operator=(const TConvertJob&) = delete;

  // Probes the source, then settles the streams (the user's choice when the settings ask
  // for it and the file has several streams of a kind).
  bool Probe();
  // The same with the decoder kind given (0 DirectShow, else built-in).
  bool ProbeWithDecoder(int kind);

  // Converts into a unique name beside OutputPath (its folder is made when missing).
  // Fails at once (state 4) for a missing source, a source the probe could not read, a
  // job without a profile or scheme, or an audio-only job of a source without audio;
  // leaves no decoder and CurrentConvertJob null on every path.
  void Convert();
  // Ends the run loop of Convert; the state stays as it is (the windows set 0).
  void Stop();
  // In state 1 only: pauses the decoder, state 2.
  void Pause();
  // In state 2 only: resumes the decoder, state 1.
  void Resume();
  // Fraction of the clip done, 0..1.
  double GetProgress();
  double GetPosition();
  std::uint32_t GetFrameCount() const { return FrameCount.load(); }

  // Takes the profile (the windows pass a clone); null clears.
  void SetProfile(std::unique_ptr<TVideoProfile> profile);
  TVideoProfile* GetProfile() const { return Profile.get(); }
  // Keeps a deep copy of the scheme (an audio-only job); null clears.
  void SetAudioScheme(const TAudioEncoderScheme* scheme);
  TAudioEncoderScheme* GetAudioScheme() const { return Scheme.get(); }
  void ClearEncoderSettings();
  void SetPreviewCallback(PreviewFrameCallback hook, void* userData);
  void SendPreviewFrame(const void* pixels, std::int32_t width, std::int32_t height, std::int32_t pixelFormat);
  // The decoder the probe chose, on the chosen streams.
  std::unique_ptr<DecoderBase> CreateDecoder();
  // Closes and frees the encoder object, or hands the plug-in what the resampler still
  // keeps, finishes and unloads it; false when the output could not be finished.
  bool FreeEncoder();
  // Whether a decoder is held (none outside Convert).
  bool HasDecoder() const { return Decoder != nullptr; }

  // The chosen streams; an index outside the probe's streams means stream 0.
  int ChosenVideoStream() const;
  int ChosenAudioStream() const;
  // The "frame_aspect_ratio" handed to the encoder: the typed text, or the probe's
  // display aspect scaled by the crop; empty for none.
  AnsiString OutputAspectText() const;

  std::atomic<std::uint8_t> State{jsQueued};
  bool Probed = false;
  TVideoInfoReader Reader;
  AnsiString OutputPath;
  double ClipStart = -1.0;
  double ClipEnd = -1.0;
  bool FixAspectRatio = false;
  bool DisableAudio = false;
  std::int32_t CropLeft = 0;
  std::int32_t CropRight = 0;
  std::int32_t CropTop = 0;
  std::int32_t CropBottom = 0;
  AnsiString Title;
  AnsiString Author;
  AnsiString Copyright;
  AnsiString Comment;
  AnsiString Year;
  std::int32_t VideoStream = 0;
  std::int32_t AudioStream = 0;
  AnsiString AspectText;

  // The decoder callbacks.
  static Bool8 MC_CALL FormatProc(const StreamFormatInfo* info);
  static Bool8 MC_CALL VideoFrameProc(double start, double end, const void* pixels, std::int32_t reserved);
  static std::int32_t MC_CALL AudioSamplesProc(double start, double end, const std::int16_t* samples,
                                               std::int32_t bytes);
  static Bool8 MC_CALL DecodeEndProc();

 private:
  bool OnVideoFrame(double start, double end, const void* pixels);
  std::int32_t OnAudioSamples(double start, double end, const std::int16_t* samples, std::int32_t bytes);
  bool OnDecodeEnd();

  // Convert's steps; a false answer has failed the job.
  void SetUpDecoder();
  void MakeOutputNameUnique();
  bool SetUpEncoder();
  bool SetUpVideoEncoder();
  bool SetUpAudioPlugin();
  // Under EncoderLock: encodes what the resampler keeps, then finishes the plug-in.
  bool FinishPlugin();
  std::int32_t EncodeAudioOnly(const std::int16_t* samples, std::int32_t bytes);
  void RunLoop();
  void TearDown();
  TEncoderObjectArgs EncoderArgs() const;
  void Fail();
  void ChooseStreams();
  // Keeps the latest end time (seconds of the file) delivered by the decoder.
  void NoteDelivered(double end);
  // The decoder reached its end without a frame of the video, or well before the end of
  // the clip or of the file.
  bool EndedEarly() const;

  std::atomic<bool> StopFlag{false};
  std::atomic<std::uint32_t> FrameCount{0};
  std::atomic<double> DeliveredEnd{0.0};
  std::unique_ptr<TVideoProfile> Profile;
  std::unique_ptr<DecoderBase> Decoder;
  std::mutex EncoderLock;
  std::unique_ptr<TEncoderObject> Encoder;
  std::unique_ptr<TAudioEncoderScheme> Scheme;
  std::unique_ptr<EncoderPlugin> Plugin;
  std::unique_ptr<ResampleContainer> Resampler;
  AudioSampleBuffer SampleBuffer;
  std::mutex PreviewLock;
  PreviewFrameCallback PreviewHook = nullptr;
  void* PreviewUserData = nullptr;
  TJobEvent Event;
};

// The job whose Convert is running; the static callbacks forward to it.
extern std::atomic<TConvertJob*> CurrentConvertJob;
