#pragma once
#include <cstdint>
#include <memory>

#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/Threads.h"
#include "classlib/runtime/WinApi.h"
#include "media/contracts/CodecLibrary.h"
#include "media/contracts/DecoderLibrary.h"

// The decoders: one interface over the DirectShow decoding library (DecoderLibrary) and
// the codec library's built-in decoder object, delivering a source's stream format,
// frames, audio and end through four callbacks.

// What a decoder reports of its streams before the first frame.
struct StreamFormatInfo {
  double Duration = 0.0;      // seconds
  Bool8 HasVideo = 0;
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  double FrameRate = 0.0;
  std::uint8_t PixelFormat = 0;  // of the delivered frames
  Bool8 HasAudio = 0;
  std::int32_t BitsPerSample = 0;
  std::int32_t SampleRate = 0;
  std::int32_t Channels = 0;     // of the delivered audio
};

// The format callback; false stops the delivery. The frame, audio and end callbacks are
// the libraries' own (VideoFrameCallback, AudioSamplesCallback, DecodeEndCallback).
using StreamFormatCallback = Bool8(MC_CALL*)(const StreamFormatInfo* info);

// Decoder states answered by GetState.
constexpr int dsConverting = 1;
constexpr int dsStopped = 2;
constexpr int dsPaused = 3;
constexpr int dsPreviewing = 4;

// Decoder kinds of a probe.
constexpr int dkDirectShow = 0;
constexpr int dkBuiltIn = 1;

class DecoderBase {
 public:
  explicit DecoderBase(const AnsiString& fileName);
  virtual ~DecoderBase() = default;
  DecoderBase(const DecoderBase&) = delete;
  DecoderBase& operator=(const DecoderBase&) = delete;

  virtual bool SetVideoStream(int index) = 0;
  virtual bool SetAudioStream(int index) = 0;
  // Starts a conversion; resumes a paused one.
  virtual bool Start() = 0;
  virtual bool Pause() = 0;
  // Returns only after the last callback of the run.
  virtual bool Stop() = 0;
  virtual bool StartPreview(HWND window) = 0;
  // The library's answer; 0 without a handle or object.
  virtual int GetPosition(double& position) = 0;
  virtual int Seek(double time) = 0;
  virtual int GetState() = 0;
  virtual bool SetTime(double time) = 0;

  void SetCallbacks(StreamFormatCallback format, VideoFrameCallback video,
                    AudioSamplesCallback audio, DecodeEndCallback end);
  // Seconds; -1.0 is the beginning or the end of the file.
  void SetRange(double clipStart, double clipEnd);
  // Whether a conversion decodes the video (an audio-only output needs none); from the
  // next start on.
  void SetVideoWanted(bool wanted) { VideoWanted = wanted; }
  const AnsiString& GetFileName() const { return FileName; }

 protected:
  AnsiString FileName;
  double ClipStart = -1.0;
  double ClipEnd = -1.0;
  bool VideoWanted = true;
  StreamFormatCallback FormatCallback = nullptr;
  VideoFrameCallback VideoCallback = nullptr;
  AudioSamplesCallback AudioCallback = nullptr;
  DecodeEndCallback EndCallback = nullptr;
};

// The parameter blocks handed to OpenDecoderHandle.
enum class TDecoderOpenPurpose { Conversion, Preview, Probe };
DecoderOpenBlock MakeDecoderOpenBlock(TDecoderOpenPurpose purpose, const char* fileName);

// Decodes through DecoderLibrary; its callbacks come from a thread of the library.
class DirectShowDecoder : public DecoderBase {
 public:
  explicit DirectShowDecoder(const AnsiString& fileName);
  ~DirectShowDecoder() override;

  bool SetVideoStream(int index) override;
  bool SetAudioStream(int index) override;
  bool Start() override;
  bool Pause() override;
  bool Stop() override;
  bool StartPreview(HWND window) override;
  int GetPosition(double& position) override;
  int Seek(double time) override;
  int GetState() override;
  bool SetTime(double time) override;

  // The format procedure handed to the library: reports to CurrentDirectShowDecoder.
  static Bool8 MC_CALL FormatProc(const DecoderMediaInfo* info);

 private:
  // A new handle opened for `purpose`; false (and no handle) when that fails.
  bool OpenHandle(TDecoderOpenPurpose purpose);
  void DestroyHandle();

  DecoderHandle Handle = 0;
  bool Previewing = false;
};

// Decodes through the codec library's decoder object: conversions on a thread the decoder
// owns, previews on a thread of the library.
class BuiltInDecoderThread : public TThread {
  CLASSLIB_CLASS(BuiltInDecoderThread, TThread)
 public:
  explicit BuiltInDecoderThread(DecoderObject* object);

 protected:
  void Execute() override;

 private:
  DecoderObject* Object;
};

class BuiltInDecoder : public DecoderBase {
 public:
  explicit BuiltInDecoder(const AnsiString& fileName);
  ~BuiltInDecoder() override;

  bool SetVideoStream(int index) override;
  bool SetAudioStream(int index) override;
  bool Start() override;
  bool Pause() override;
  bool Stop() override;
  bool StartPreview(HWND window) override;
  int GetPosition(double& position) override;
  int Seek(double time) override;
  int GetState() override;
  bool SetTime(double time) override;

  // The format procedure handed to the object: reports the chosen streams of
  // CurrentBuiltInDecoder's record to its format callback.
  static Bool8 MC_CALL FormatProc(const DecoderObjectInfo* info);
  // The stream format of the chosen streams in `info`: an index outside the table means
  // stream 0, no stream of a kind means none of it; audio as delivered (at most 2 channels).
  static StreamFormatInfo FormatOf(const DecoderObjectInfo& info, int videoIndex, int audioIndex);

 private:
  // A new object opened and prepared with `pixelFormat`, decoding the video when `video`;
  // false (and no object) on failure.
  bool OpenObject(std::int32_t pixelFormat, bool video);
  void ReleaseObject();
  // Waits for the decoding thread (not from inside it).
  void JoinThread();

  DecoderObject* Object = nullptr;
  DecoderObjectInfo Info{};
  int VideoIndex = 0;
  int AudioIndex = 0;
  std::unique_ptr<BuiltInDecoderThread> Thread;
};

// The decoder of each kind that last opened its library; the format procedures report to it.
extern DirectShowDecoder* CurrentDirectShowDecoder;
extern BuiltInDecoder* CurrentBuiltInDecoder;
