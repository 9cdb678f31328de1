// mcdecode.dll: handles that play on a thread of the library, with pause, resume, seek,
// stop and paced previews.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "media/contracts/DecoderLibrary.h"
#include "tests/media/DecodingRecorder.h"

namespace {

using decodingtest::DecodingRecorder;
using decodingtest::DeliveryRecord;

const std::string kBars = "test-media/bars_mpeg4_mp3.avi";  // 3 s, 25 fps, 320 x 240

// A handle opened on a file; destroyed with the fixture.
class OpenHandle {
 public:
  explicit OpenHandle(const std::string& path, bool preview = false) : handle_(CreateDecoderHandle()) {
    block_.deliverFrames = 1;
    block_.blockKind = 1;
    block_.fileName = path.c_str();
    block_.useVideo = block_.useAudio = 1;
    block_.deliverAudio = preview ? 0 : 1;
    block_.realTimePacing = preview ? 1 : 0;
    block_.pixelFormat = preview ? PixelFormatRgb565 : PixelFormatI420;
    block_.formatProc = &DecodingRecorder::Format<DecoderMediaInfo>;
    block_.videoProc = &DecodingRecorder::Video;
    block_.audioProc = preview ? nullptr : &DecodingRecorder::Audio;
    block_.endProc = &DecodingRecorder::End;
    opened_ = handle_ != 0 && OpenDecoderHandle(handle_, &block_) != 0;
  }
  ~OpenHandle() { DestroyDecoderHandle(handle_); }
  DecoderHandle get() const { return handle_; }
  bool opened() const { return opened_; }

 private:
  DecoderHandle handle_;
  DecoderOpenBlock block_{};
  bool opened_ = false;
};

class DecoderLibrary : public ::testing::Test {
 protected:
  void SetUp() override { DecodingRecorder::Instance().Reset(); }
  DecodingRecorder& recorder = DecodingRecorder::Instance();
};

TEST_F(DecoderLibrary, MediaInfoOfTheFirstStreams) {
  OpenHandle decoder("test-media/two_streams.mkv");
  ASSERT_TRUE(decoder.opened());
  DecoderMediaInfo info;
  std::memset(&info, 0xAB, sizeof info);
  ASSERT_TRUE(GetDecoderMediaInfo(decoder.get(), &info));
  EXPECT_EQ(info.valid, 1);
  EXPECT_NEAR(info.duration, 2.0, 0.05);
  EXPECT_EQ(info.attribute, 0);
  EXPECT_EQ(info.hasVideo, 1);
  EXPECT_EQ(info.width, 320);
  EXPECT_EQ(info.height, 240);
  EXPECT_DOUBLE_EQ(info.frameRate, 25.0);
  EXPECT_EQ(info.pixelFormat, PixelFormatI420);
  EXPECT_EQ(info.hasAudio, 1);
  EXPECT_EQ(info.bitsPerSample, 16);
  EXPECT_EQ(info.sampleRate, 44100);
  EXPECT_EQ(info.channels, 1);

  OpenHandle surround("test-media/surround_6ch.m4a");
  ASSERT_TRUE(GetDecoderMediaInfo(surround.get(), &info));
  EXPECT_EQ(info.hasVideo, 0);
  EXPECT_EQ(info.channels, 2);  // what is delivered, mixed down
}

TEST_F(DecoderLibrary, UnknownHandlesAndUnreadableFilesAnswerFailure) {
  const DecoderHandle unknown = 0x7fff0000;
  DecoderMediaInfo info{};
  double position = 0;
  EXPECT_FALSE(GetDecoderMediaInfo(unknown, &info));
  EXPECT_FALSE(RunDecoder(unknown));
  EXPECT_FALSE(PauseDecoder(unknown));
  EXPECT_FALSE(SeekDecoder(unknown, 1.0));
  EXPECT_FALSE(GetDecoderPosition(unknown, &position));
  EXPECT_EQ(GetDecoderState(unknown), DecoderStopped);
  DestroyDecoderHandle(unknown);  // ignored
  DestroyDecoderHandle(0);

  OpenHandle missing("test-media/no_such_file.avi");
  EXPECT_NE(missing.get(), 0u);
  EXPECT_FALSE(missing.opened());
  EXPECT_FALSE(RunDecoder(missing.get()));
  EXPECT_FALSE(GetDecoderMediaInfo(missing.get(), &info));
  EXPECT_EQ(info.valid, 0);
}

TEST_F(DecoderLibrary, PauseHoldsDeliveryUntilResumed) {
  recorder.frameSleepMs = 10;  // the run lasts about 750 ms
  OpenHandle decoder(kBars);
  ASSERT_TRUE(decoder.opened());
  EXPECT_EQ(GetDecoderState(decoder.get()), DecoderStopped);
  ASSERT_TRUE(RunDecoder(decoder.get()));
  EXPECT_EQ(GetDecoderState(decoder.get()), DecoderRunning);
  ASSERT_TRUE(recorder.WaitFor([](const DeliveryRecord& r) { return r.frameStarts.size() >= 10; }, 10000));
  ASSERT_TRUE(PauseDecoder(decoder.get()));
  Sleep(50);  // a callback under way may still finish
  const int held = recorder.Frames();
  Sleep(500);
  EXPECT_EQ(recorder.Frames(), held);
  EXPECT_EQ(GetDecoderState(decoder.get()), DecoderPaused);
  EXPECT_LT(held, 75);
  ASSERT_TRUE(RunDecoder(decoder.get()));  // resumes
  ASSERT_TRUE(recorder.WaitForEnd(10000));
  const DeliveryRecord r = recorder.Snapshot();
  EXPECT_EQ(r.frameStarts.size(), 75u);
  EXPECT_EQ(r.formats, 1);
  Sleep(50);
  EXPECT_EQ(GetDecoderState(decoder.get()), DecoderStopped);
  EXPECT_EQ(recorder.Snapshot().ends, 1);
}

TEST_F(DecoderLibrary, DestroyDuringASleepingCallbackWaitsForIt) {
  recorder.frameSleepMs = 50;
  DecoderHandle handle;
  {
    OpenHandle decoder(kBars);
    handle = decoder.get();
    ASSERT_TRUE(RunDecoder(handle));
    ASSERT_TRUE(recorder.WaitFor([](const DeliveryRecord& r) { return r.frameStarts.size() >= 2; }, 10000));
    while (!recorder.inCallback) Sleep(1);
  }  // destroyed here
  EXPECT_FALSE(recorder.inCallback);
  recorder.closed = true;
  Sleep(300);
  const DeliveryRecord r = recorder.Snapshot();
  EXPECT_EQ(r.afterClose, 0);
  EXPECT_EQ(r.ends, 0);
  EXPECT_EQ(GetDecoderState(handle), DecoderStopped);
}

TEST_F(DecoderLibrary, RunAfterTheEndPlaysAgainFromASeek) {
  OpenHandle decoder(kBars);
  ASSERT_TRUE(RunDecoder(decoder.get()));
  ASSERT_TRUE(recorder.WaitForEnd(10000));
  recorder.WaitFor([&](const DeliveryRecord&) { return GetDecoderState(decoder.get()) == DecoderStopped; }, 1000);
  ASSERT_TRUE(SeekDecoder(decoder.get(), 2.0));
  double position = -1;
  ASSERT_TRUE(GetDecoderPosition(decoder.get(), &position));
  EXPECT_DOUBLE_EQ(position, 2.0);
  ASSERT_TRUE(RunDecoder(decoder.get()));
  ASSERT_TRUE(recorder.WaitFor([](const DeliveryRecord& r) { return r.ends == 2; }, 10000));
  const DeliveryRecord r = recorder.Snapshot();
  EXPECT_EQ(r.formats, 2);  // once per run
  ASSERT_EQ(r.frameStarts.size(), 75u + 25u);
  EXPECT_NEAR(r.frameStarts[75], 2.0, 1e-6);
}

TEST_F(DecoderLibrary, PreviewIsPacedSilentAndShowsASoughtFrameWhilePaused) {
  OpenHandle decoder(kBars, true);
  ASSERT_TRUE(decoder.opened());
  const DWORD begin = GetTickCount();
  ASSERT_TRUE(RunDecoder(decoder.get()));
  Sleep(1000);
  const int afterOneSecond = recorder.Frames();
  const DWORD elapsed = GetTickCount() - begin;
  // At 25 fps: about 25 frames a second, never the whole clip at once.
  EXPECT_GE(afterOneSecond, 5);
  EXPECT_LE(afterOneSecond, int(elapsed / 40) + 3);
  EXPECT_EQ(recorder.Snapshot().audioBytes, 0);

  ASSERT_TRUE(PauseDecoder(decoder.get()));
  Sleep(100);
  const int paused = recorder.Frames();
  ASSERT_TRUE(SeekDecoder(decoder.get(), 2.0));
  recorder.WaitFor([&](const DeliveryRecord& r) { return int(r.frameStarts.size()) > paused; }, 5000);
  Sleep(300);  // time for frames that should not come
  const DeliveryRecord r = recorder.Snapshot();
  ASSERT_EQ(int(r.frameStarts.size()), paused + 1);  // the frame at the new place, once
  EXPECT_NEAR(r.frameStarts.back(), 2.0, 1e-6);
  EXPECT_EQ(GetDecoderState(decoder.get()), DecoderPaused);
  double position = 0;
  ASSERT_TRUE(GetDecoderPosition(decoder.get(), &position));
  EXPECT_NEAR(position, 2.0, 1e-6);

  ASSERT_TRUE(RunDecoder(decoder.get()));
  ASSERT_TRUE(recorder.WaitForEnd(5000));
  EXPECT_EQ(recorder.Snapshot().ends, 1);
}

}  // namespace
