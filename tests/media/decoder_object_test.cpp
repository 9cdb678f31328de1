// mccodec.dll's decoder object: probing, stream choice, Run on the caller's thread, stop
// from a callback or another thread, and previews on a thread of the library.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

#include "media/contracts/CodecLibrary.h"
#include "tests/media/DecodingRecorder.h"

namespace {

using decodingtest::DecodingRecorder;
using decodingtest::DeliveryRecord;

const std::string kBars = "test-media/bars_mpeg4_mp3.avi";  // 3 s, 25 fps, 320 x 240

// A decoder object released with the fixture.
struct Object {
  explicit Object(const std::string& path) : object(CreateDecoderObject(path.c_str())) {}
  ~Object() { ReleaseDecoderObject(object); }
  DecoderObject* operator->() const { return object; }
  DecoderObject* object;
};

DecoderObjectOpenBlock Block(std::int32_t pixelFormat, bool audio = true) {
  DecoderObjectOpenBlock block{};
  block.useVideo = 1;
  block.useAudio = audio ? 1 : 0;
  block.pixelFormat = pixelFormat;
  block.formatProc = &DecodingRecorder::Format<DecoderObjectInfo>;
  block.videoProc = &DecodingRecorder::Video;
  block.audioProc = audio ? &DecodingRecorder::Audio : nullptr;
  block.endProc = &DecodingRecorder::End;
  return block;
}

class DecoderObjectTest : public ::testing::Test {
 protected:
  void SetUp() override { DecodingRecorder::Instance().Reset(); }
  DecodingRecorder& recorder = DecodingRecorder::Instance();
};

TEST_F(DecoderObjectTest, MediaInfoListsEveryStream) {
  Object object("test-media/two_streams.mkv");
  const DecoderObjectOpenBlock block = Block(PixelFormatI420);
  ASSERT_EQ(object->Open(&block), kCallOk);
  DecoderObjectInfo info;
  std::memset(&info, 0xAB, sizeof info);
  ASSERT_EQ(object->GetMediaInfo(&info), kCallOk);
  EXPECT_EQ(info.valid, 1);
  EXPECT_NEAR(info.duration, 2.0, 0.05);
  EXPECT_EQ(info.hasVideo, 1);
  EXPECT_EQ(info.pixelFormat, PixelFormatI420);
  ASSERT_EQ(info.videoStreamCount, 2);
  EXPECT_STREQ(info.videoStreams[0].codecName, "mpeg4");
  EXPECT_STREQ(info.videoStreams[1].codecName, "h264");
  EXPECT_EQ(info.videoStreams[1].width, 176);
  EXPECT_EQ(info.videoStreams[1].height, 144);
  EXPECT_EQ(info.videoStreams[0].aspectNumerator, 0);
  EXPECT_EQ(info.videoStreams[0].aspectDenominator, 1);
  EXPECT_EQ(info.hasAudio, 1);
  ASSERT_EQ(info.audioStreamCount, 2);
  EXPECT_STREQ(info.audioStreams[0].codecName, "mpeg4aac");
  EXPECT_EQ(info.audioStreams[1].sampleRate, 22050);
  EXPECT_EQ(info.audioStreams[1].channels, 1);
}

TEST_F(DecoderObjectTest, FailedOpenStillAnswersAnInvalidRecord) {
  const std::string text = "test-media/object_text.avi";
  FILE* file = std::fopen(text.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  std::fputs("Plain text named like a video.\r\n", file);
  std::fclose(file);
  for (const std::string& path : {std::string("test-media/no_such_file.avi"), text}) {
    SCOPED_TRACE(path);
    Object object(path);
    const DecoderObjectOpenBlock block = Block(PixelFormatI420);
    EXPECT_NE(object->Open(&block), kCallOk);
    DecoderObjectInfo info;
    std::memset(&info, 0xAB, sizeof info);
    EXPECT_NE(object->GetMediaInfo(&info), kCallOk);
    EXPECT_EQ(info.valid, 0);
    EXPECT_EQ(info.videoStreamCount, 0);
    EXPECT_NE(object->Prepare(), kCallOk);
    EXPECT_NE(object->Run(), kCallOk);
    EXPECT_EQ(object->GetState(), DecoderObjectStopped);
    EXPECT_EQ(object->Close(), kCallOk);
  }
  std::remove(text.c_str());
}

TEST_F(DecoderObjectTest, ChosenStreamsAreDecoded) {
  const struct {
    int video, audio;
    long samples;  // of the chosen audio stream, mono
    long tolerance;
  } cases[] = {{0, 0, 2 * 44100, 2 * 1152}, {1, 1, 2 * 22050, 2 * 1152},
               {5, 7, 2 * 44100, 2 * 1152}};  // outside the table: the first streams
  for (const auto& c : cases) {
    SCOPED_TRACE(c.audio);
    recorder.Reset();
    Object object("test-media/two_streams.mkv");
    const DecoderObjectOpenBlock block = Block(PixelFormatI420);
    ASSERT_EQ(object->Open(&block), kCallOk);
    const bool insideVideo = c.video < 2;
    EXPECT_EQ(object->SelectVideoStream(c.video) == kCallOk, insideVideo);
    EXPECT_EQ(object->SelectAudioStream(c.audio) == kCallOk, insideVideo);
    ASSERT_EQ(object->Prepare(), kCallOk);
    ASSERT_EQ(object->Run(), kCallOk);
    const DeliveryRecord r = recorder.Snapshot();
    EXPECT_EQ(r.frameStarts.size(), 50u);
    EXPECT_NEAR(double(r.audioBytes / 2), double(c.samples), double(c.tolerance));
    EXPECT_EQ(r.ends, 1);
  }
}

TEST_F(DecoderObjectTest, StopInTheFirstFrameEndsRunWithABottomUpPicture) {
  Object object(kBars);
  recorder.Reset(320 * 240 * 4);
  recorder.onFirstFrame = [&] { EXPECT_EQ(object->Stop(), kCallOk); };
  const DecoderObjectOpenBlock block = Block(PixelFormatBgra, false);
  ASSERT_EQ(object->Open(&block), kCallOk);
  DecoderObjectInfo info{};
  ASSERT_EQ(object->GetMediaInfo(&info), kCallOk);
  ASSERT_EQ(object->Prepare(), kCallOk);
  EXPECT_EQ(object->Run(), kCallOk);
  const DeliveryRecord r = recorder.Snapshot();
  EXPECT_EQ(r.frameStarts.size(), 1u);
  EXPECT_EQ(r.ends, 0);
  EXPECT_EQ(r.audioBytes, 0);
  EXPECT_EQ(object->GetState(), DecoderObjectStopped);
  // Buffer row 0 is the bottom of the picture: the SMPTE bars' black band, the top rows
  // (last in the buffer) the grey bar at the left.
  ASSERT_EQ(r.firstFrame.size(), 320u * 240 * 4);
  const std::uint8_t* top = &r.firstFrame[(240 - 1 - 10) * 320 * 4 + 10 * 4];
  EXPECT_NEAR(top[0], 191, 12);
  EXPECT_NEAR(top[1], 191, 12);
  EXPECT_NEAR(top[2], 191, 12);
  EXPECT_EQ(top[3], 255);
  const std::uint8_t* bottom = &r.firstFrame[5 * 320 * 4 + 10 * 4];
  EXPECT_LT(bottom[0] + bottom[1] + bottom[2], 3 * 64);
}

TEST_F(DecoderObjectTest, StopFromAnotherThreadWaitsForTheSleepingCallback) {
  recorder.frameSleepMs = 50;
  Object object(kBars);
  const DecoderObjectOpenBlock block = Block(PixelFormatI420);
  ASSERT_EQ(object->Open(&block), kCallOk);
  ASSERT_EQ(object->Prepare(), kCallOk);
  std::int32_t runAnswer = -7;
  std::thread runner([&] { runAnswer = object->Run(); });
  ASSERT_TRUE(recorder.WaitFor([](const DeliveryRecord& r) { return r.frameStarts.size() >= 2; }, 10000));
  EXPECT_EQ(object->GetState(), DecoderObjectRunning);
  while (!recorder.inCallback) Sleep(1);
  EXPECT_EQ(object->Stop(), kCallOk);
  EXPECT_FALSE(recorder.inCallback);
  recorder.closed = true;
  runner.join();
  EXPECT_EQ(runAnswer, kCallOk);
  Sleep(100);
  const DeliveryRecord r = recorder.Snapshot();
  EXPECT_EQ(r.afterClose, 0);
  EXPECT_EQ(r.ends, 0);
  EXPECT_LT(r.frameStarts.size(), 75u);
}

TEST_F(DecoderObjectTest, PreviewPlaysOnALibraryThreadAndReleaseJoinsIt) {
  recorder.frameSleepMs = 50;
  DecoderObject* object = CreateDecoderObject(kBars.c_str());
  const DecoderObjectOpenBlock block = Block(PixelFormatRgb565, false);
  ASSERT_EQ(object->Open(&block), kCallOk);
  ASSERT_EQ(object->Prepare(), kCallOk);
  ASSERT_EQ(object->StartPreview(nullptr), kCallOk);
  EXPECT_EQ(object->GetState(), DecoderObjectPreviewing);
  ASSERT_EQ(object->Pause(), kCallOk);
  EXPECT_EQ(object->GetState(), DecoderObjectPaused);
  ASSERT_EQ(object->Resume(), kCallOk);
  EXPECT_EQ(object->GetState(), DecoderObjectPreviewing);
  ASSERT_TRUE(recorder.WaitFor([](const DeliveryRecord& r) { return r.frameStarts.size() >= 3; }, 10000));
  while (!recorder.inCallback) Sleep(1);
  ReleaseDecoderObject(object);
  EXPECT_FALSE(recorder.inCallback);
  recorder.closed = true;
  Sleep(300);
  EXPECT_EQ(recorder.Snapshot().afterClose, 0);
  EXPECT_EQ(recorder.Snapshot().ends, 0);
}

TEST_F(DecoderObjectTest, SetTimeAndSeekMoveTheNextRun) {
  Object object(kBars);
  const DecoderObjectOpenBlock block = Block(PixelFormatI420, false);
  ASSERT_EQ(object->Open(&block), kCallOk);
  ASSERT_EQ(object->Prepare(), kCallOk);
  ASSERT_EQ(object->SetTime(2.0), kCallOk);
  double position = 0;
  ASSERT_EQ(object->GetPosition(&position), kCallOk);
  EXPECT_DOUBLE_EQ(position, 2.0);
  ASSERT_EQ(object->Run(), kCallOk);
  DeliveryRecord r = recorder.Snapshot();
  ASSERT_EQ(r.frameStarts.size(), 25u);
  EXPECT_NEAR(r.frameStarts.front(), 2.0, 1e-6);
  ASSERT_EQ(object->Seek(2.8), kCallOk);
  ASSERT_EQ(object->Run(), kCallOk);
  r = recorder.Snapshot();
  EXPECT_EQ(r.frameStarts.size(), 25u + 5u);
  EXPECT_EQ(r.ends, 2);
}

}  // namespace
