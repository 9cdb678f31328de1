// The two engine decoders over the generated media: delivery, stream choice, states, stop
// and release while a callback runs, and the format bridges.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>

#include "classlib/runtime/WinApi.h"
#include "engine/Decderwarpper.h"
#include "engine/Quorinvccommon.h"
#include "engine/Quorinvcenvloader.h"
#include "tests/media/DecodingRuns.h"

namespace {

using decodingtest::DecodingRecorder;
using decodingtest::DeliveryRecord;

const AnsiString kBars = "test-media/bars_mpeg4_mp3.avi";  // 3 s, 25 fps, 320 x 240

struct Kind {
  const char* name;
  std::function<std::unique_ptr<DecoderBase>(const AnsiString&)> make;
};

const Kind kKinds[] = {
    {"built-in", [](const AnsiString& f) { return std::make_unique<BuiltInDecoder>(f); }},
    {"DirectShow", [](const AnsiString& f) { return std::make_unique<DirectShowDecoder>(f); }}};

StreamFormatInfo LastFormat() {
  const DeliveryRecord r = DecodingRecorder::Instance().Snapshot();
  StreamFormatInfo format;
  if (r.format.size() == sizeof format) std::memcpy(&format, r.format.data(), sizeof format);
  return format;
}

std::unique_ptr<DecoderBase> Prepared(const Kind& kind, const AnsiString& file) {
  auto decoder = kind.make(file);
  decoder->SetCallbacks(&DecodingRecorder::Format<StreamFormatInfo>, &DecodingRecorder::Video,
                        &DecodingRecorder::Audio, &DecodingRecorder::End);
  return decoder;
}

class Decoders : public ::testing::Test {
 protected:
  void SetUp() override { recorder.Reset(); }
  DecodingRecorder& recorder = DecodingRecorder::Instance();
};

TEST_F(Decoders, ConversionDeliversEveryFrameAndTheFormat) {
  for (const Kind& kind : kKinds) {
    SCOPED_TRACE(kind.name);
    recorder.Reset();
    auto decoder = Prepared(kind, "test-media/bars_h264_aac.mp4");
    EXPECT_EQ(decoder->GetState(), dsStopped);
    ASSERT_TRUE(decoder->Start());
    ASSERT_TRUE(recorder.WaitForEnd(decodingtest::kRunTimeoutMs));
    const DeliveryRecord r = recorder.Snapshot();
    EXPECT_EQ(r.formats, 1);
    EXPECT_TRUE(r.formatFirst);
    EXPECT_EQ(r.frameStarts.size(), 75u);
    EXPECT_NEAR(double(r.audioBytes / 4), 3.0 * 48000, 1024);
    const StreamFormatInfo format = LastFormat();
    EXPECT_NEAR(format.Duration, 3.0, 0.05);
    EXPECT_EQ(format.HasVideo, 1);
    EXPECT_EQ(format.Width, 320);
    EXPECT_EQ(format.Height, 240);
    EXPECT_DOUBLE_EQ(format.FrameRate, 25.0);
    EXPECT_EQ(format.PixelFormat, PixelFormatI420);
    EXPECT_EQ(format.HasAudio, 1);
    EXPECT_EQ(format.BitsPerSample, 16);
    EXPECT_EQ(format.SampleRate, 48000);
    EXPECT_EQ(format.Channels, 2);
    decoder.reset();
    EXPECT_EQ(recorder.Snapshot().ends, 1);
  }
}

TEST_F(Decoders, RangeGivesOneSecond) {
  for (const Kind& kind : kKinds) {
    SCOPED_TRACE(kind.name);
    recorder.Reset();
    auto decoder = Prepared(kind, kBars);
    decoder->SetRange(1.0, 2.0);
    ASSERT_TRUE(decoder->Start());
    ASSERT_TRUE(recorder.WaitForEnd(decodingtest::kRunTimeoutMs));
    const DeliveryRecord r = recorder.Snapshot();
    ASSERT_EQ(r.frameStarts.size(), 25u);
    EXPECT_GE(r.frameStarts.front(), 1.0 - 1e-9);
    EXPECT_LT(r.frameStarts.back(), 2.0);
    EXPECT_NEAR(double(r.audioBytes / 4), 44100.0, 1.0);
  }
}

TEST_F(Decoders, StatesWalkThroughPauseAndResume) {
  for (const Kind& kind : kKinds) {
    SCOPED_TRACE(kind.name);
    recorder.Reset();
    recorder.frameSleepMs = 20;
    auto decoder = Prepared(kind, kBars);
    EXPECT_EQ(decoder->GetState(), dsStopped);
    EXPECT_FALSE(decoder->Pause());
    ASSERT_TRUE(decoder->Start());
    EXPECT_EQ(decoder->GetState(), dsConverting);
    EXPECT_TRUE(decoder->Start());  // running: nothing happens
    ASSERT_TRUE(decoder->Pause());
    Sleep(100);
    const int held = recorder.Frames();
    Sleep(500);
    EXPECT_EQ(recorder.Frames(), held);
    EXPECT_EQ(decoder->GetState(), dsPaused);
    ASSERT_TRUE(decoder->Start());  // resumes
    EXPECT_EQ(decoder->GetState(), dsConverting);
    ASSERT_TRUE(decoder->Stop());
    EXPECT_EQ(decoder->GetState(), dsStopped);
    EXPECT_EQ(recorder.Snapshot().ends, 0);
    EXPECT_LT(recorder.Frames(), 75);
  }
}

TEST_F(Decoders, StopAndDestroyWaitForTheSleepingCallback) {
  const bool destroy[] = {false, true};
  for (const Kind& kind : kKinds) {
    for (bool byDestructor : destroy) {
      SCOPED_TRACE(std::string(kind.name) + (byDestructor ? " destructor" : " stop"));
      recorder.Reset();
      recorder.frameSleepMs = 50;
      auto decoder = Prepared(kind, kBars);
      ASSERT_TRUE(decoder->Start());
      ASSERT_TRUE(recorder.WaitFor([](const DeliveryRecord& r) { return r.frameStarts.size() >= 2; }, 10000));
      while (!recorder.inCallback) Sleep(1);
      if (byDestructor)
        decoder.reset();
      else
        EXPECT_TRUE(decoder->Stop());
      EXPECT_FALSE(recorder.inCallback);
      recorder.closed = true;
      Sleep(200);
      EXPECT_EQ(recorder.Snapshot().afterClose, 0);
      EXPECT_EQ(recorder.Snapshot().ends, 0);
    }
  }
}

TEST_F(Decoders, MissingFilesDoNotStart) {
  for (const Kind& kind : kKinds) {
    SCOPED_TRACE(kind.name);
    auto decoder = Prepared(kind, "test-media/no_such_file.avi");
    EXPECT_FALSE(decoder->Start());
    EXPECT_FALSE(decoder->StartPreview(nullptr));
    EXPECT_FALSE(decoder->Stop());
    double position = 5.0;
    EXPECT_EQ(decoder->GetPosition(position), 0);
    EXPECT_EQ(decoder->Seek(1.0), 0);
    EXPECT_EQ(decoder->GetState(), dsStopped);
  }
}

TEST_F(Decoders, BuiltInStreamChoiceReachesTheFormat) {
  const struct {
    int video, audio;
    int width, sampleRate;
  } cases[] = {{0, 0, 320, 44100}, {1, 1, 176, 22050}, {5, -1, 320, 44100}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.video);
    recorder.Reset();
    BuiltInDecoder decoder("test-media/two_streams.mkv");
    decoder.SetCallbacks(&DecodingRecorder::Format<StreamFormatInfo>, &DecodingRecorder::Video,
                         &DecodingRecorder::Audio, &DecodingRecorder::End);
    EXPECT_TRUE(decoder.SetVideoStream(c.video));  // no object yet: only kept
    EXPECT_TRUE(decoder.SetAudioStream(c.audio));
    ASSERT_TRUE(decoder.Start());
    ASSERT_TRUE(recorder.WaitForEnd(decodingtest::kRunTimeoutMs));
    const StreamFormatInfo format = LastFormat();
    EXPECT_EQ(format.Width, c.width);
    EXPECT_EQ(format.SampleRate, c.sampleRate);
    EXPECT_EQ(format.Channels, 1);
    EXPECT_EQ(recorder.Snapshot().frameStarts.size(), 50u);
  }
}

TEST_F(Decoders, FormatBridgeChoosesStreamsSafely) {
  DecoderObjectInfo info{};
  info.valid = 1;
  info.duration = 4.0;
  info.hasVideo = 1;
  info.pixelFormat = PixelFormatI420;
  info.videoStreamCount = 40;  // more than the record holds
  for (int i = 0; i < kMaxStreamsPerKind; ++i) info.videoStreams[i].width = 100 + i;
  info.hasAudio = 1;
  info.audioStreamCount = 1;
  info.audioStreams[0].sampleRate = 48000;
  info.audioStreams[0].channels = 6;
  const struct {
    int video, audio;
    int width;
  } cases[] = {{15, 0, 115}, {16, 0, 100}, {-1, 3, 100}, {3, -1, 103}};
  for (const auto& c : cases) {
    const StreamFormatInfo format = BuiltInDecoder::FormatOf(info, c.video, c.audio);
    EXPECT_EQ(format.Width, c.width) << c.video;
    EXPECT_EQ(format.SampleRate, 48000);
    EXPECT_EQ(format.Channels, 2);  // delivered mixed down
    EXPECT_EQ(format.BitsPerSample, 16);
  }
  info.hasAudio = 0;
  info.audioStreamCount = 0;
  const StreamFormatInfo silent = BuiltInDecoder::FormatOf(info, 0, 0);
  EXPECT_EQ(silent.HasAudio, 0);
  EXPECT_EQ(silent.SampleRate, 0);
  EXPECT_EQ(silent.Channels, 0);
  EXPECT_DOUBLE_EQ(silent.Duration, 4.0);
}

TEST_F(Decoders, DirectShowStopAfterTheEndKeepsTheHandle) {
  DirectShowDecoder decoder("test-media/video_only.avi");
  decoder.SetCallbacks(nullptr, &DecodingRecorder::Video, nullptr, &DecodingRecorder::End);
  ASSERT_TRUE(decoder.Start());
  ASSERT_TRUE(recorder.WaitForEnd(decodingtest::kRunTimeoutMs));
  recorder.WaitFor([&](const DeliveryRecord&) { return decoder.GetState() == dsStopped; }, 2000);
  EXPECT_FALSE(decoder.Stop());
  double position = 0;
  EXPECT_NE(decoder.GetPosition(position), 0);  // the handle is still there
  EXPECT_NEAR(position, 1.96, 1e-6);
}

AnsiString shownText;
AnsiString shownCaption;
unsigned shownFlags = 0;
int RecordBox(const AnsiString& text, const AnsiString& caption, unsigned flags) {
  shownText = text;
  shownCaption = caption;
  shownFlags = flags;
  return IDOK;
}

TEST_F(Decoders, PreviewsArePacedAndAFailedDirectShowPreviewSaysSo) {
  for (const Kind& kind : kKinds) {
    SCOPED_TRACE(kind.name);
    recorder.Reset();
    auto decoder = Prepared(kind, kBars);
    const DWORD begin = GetTickCount();
    ASSERT_TRUE(decoder->StartPreview(nullptr));
    Sleep(600);
    EXPECT_EQ(decoder->GetState(), dsPreviewing);
    const int frames = recorder.Frames();
    EXPECT_GE(frames, 5);
    EXPECT_LE(frames, int((GetTickCount() - begin) / 40) + 3);
    EXPECT_EQ(LastFormat().PixelFormat, PixelFormatRgb565);
    ASSERT_TRUE(decoder->Pause());
    EXPECT_EQ(decoder->GetState(), dsPaused);
    ASSERT_TRUE(decoder->StartPreview(nullptr));  // goes on
    EXPECT_EQ(decoder->GetState(), dsPreviewing);
    EXPECT_TRUE(decoder->Stop());
    EXPECT_EQ(decoder->GetState(), dsStopped);
  }

  SetMessageBoxPresenter(&RecordBox);
  const std::string text = "test-media/preview_text.avi";
  FILE* file = std::fopen(text.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  std::fputs("not a video\r\n", file);
  std::fclose(file);
  DirectShowDecoder decoder(text.c_str());
  EXPECT_FALSE(decoder.StartPreview(nullptr));
  SetMessageBoxPresenter(nullptr);
  std::remove(text.c_str());
  EXPECT_EQ(shownText, AnsiString("Can not preview this video!"));
  EXPECT_EQ(shownCaption, EnvLoader.ApplicationName);
  EXPECT_EQ(shownFlags, 64u);
  EXPECT_EQ(decoder.GetState(), dsStopped);
}

}  // namespace
