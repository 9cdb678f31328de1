// The conversion job under Wine over generated media: end states, output names, the
// failure table, stop, pause and resume from the window thread, and the tear-down.
// What the written files contain is checked with the native ffprobe by the conversion
// output tests (check_conversion.py).
#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <functional>
#include <string>

#include "classlib/runtime/FileUtils.h"
#include "engine/Codecencoderobjects.h"
#include "engine/Convertjob.h"
#include "engine/Videoprofilekinds.h"
#include "tests/engine/conversion/ConversionTestSupport.h"
#include "tests/support/test_support.h"

using namespace conversiontest;

namespace {

// A conversion of the 3 s reference clip into `folder` with the AVI MPEG-4 profile.
std::unique_ptr<TConvertJob> ReferenceJob(const std::string& folder, const char* source = "bars_mpeg4_mp3.avi") {
  auto job = std::make_unique<TConvertJob>(MediaPath(source).c_str());
  job->Probed = job->Probe();
  job->SetProfile(LoadShippedProfile("AVI MPEG-4 640x480"));
  job->OutputPath = (folder + "\\clip.avi").c_str();
  job->State = jsConverting;
  return job;
}

// After Convert: nothing of the run is left.
void ExpectTornDown(const TConvertJob& job) {
  EXPECT_FALSE(job.HasDecoder());
  EXPECT_EQ(CurrentConvertJob.load(), nullptr);
}

TEST(ConvertJob, CompletesIntoUniqueNamesInAFolderItMakes) {
  const std::string folder = testsupport::FreshTempFolder("convert-names") + "\\made\\below";
  const char* expected[] = {"\\clip.avi", "\\clip_1.avi", "\\clip_2.avi"};
  for (const char* name : expected) {
    auto job = ReferenceJob(folder);
    job->ClipStart = 0.0;
    job->ClipEnd = 0.4;
    job->Convert();
    EXPECT_EQ(job->State.load(), jsCompleted);
    EXPECT_EQ(std::string(job->OutputPath.c_str()), folder + name);
    EXPECT_TRUE(FileExists(job->OutputPath));
    ExpectTornDown(*job);
  }
}

// What a failing case sets up before Convert.
struct TFailureCase {
  const char* name;
  std::function<std::unique_ptr<TConvertJob>(const std::string& folder)> make;
};

// Accepts every setting and frame but cannot finish its file.
class TUnfinishableEncoder : public TEncoderObject {
 public:
  using TEncoderObject::TEncoderObject;
  bool Open() override { return true; }
  bool Close() override { return false; }
  bool EncodeVideoFrame(const void*, double, double) override { return true; }
  bool EncodeAudioSamples(const void*, std::int32_t, double, double) override { return true; }
  std::int64_t GetOutputSize() override { return 0; }
};

std::unique_ptr<TEncoderObject> MakeUnfinishable(const TVideoProfile&, const TEncoderObjectArgs& args) {
  return std::make_unique<TUnfinishableEncoder>(args);
}

// Puts a factory in charge of the AVI profiles for its scope.
class TFactoryScope {
 public:
  TFactoryScope(std::uint8_t code, TEncoderFactory factory) : code_(code), previous_(SetEncoderFactory(code, factory)) {}
  ~TFactoryScope() { SetEncoderFactory(code_, previous_); }

 private:
  std::uint8_t code_;
  TEncoderFactory previous_;
};

const TFailureCase kFailures[] = {
    {"missing source", [](const std::string& folder) {
       auto job = std::make_unique<TConvertJob>(MediaPath("no_such_file.avi").c_str());
       job->SetProfile(LoadShippedProfile("AVI MPEG-4 640x480"));
       job->OutputPath = (folder + "\\missing.avi").c_str();
       job->State = jsConverting;
       return job;
     }},
    {"source cut after its header", [](const std::string& folder) {
       const std::string cut = folder + "\\cut.avi";
       CopyFirstBytes(MediaPath("bars_mpeg4_mp3.avi"), cut, 12000);
       auto job = std::make_unique<TConvertJob>(cut.c_str());
       job->Probed = job->Probe();
       job->SetProfile(LoadShippedProfile("AVI MPEG-4 640x480"));
       job->OutputPath = (folder + "\\cut_out.avi").c_str();
       job->State = jsConverting;
       return job;
     }},
    {"source no decoder reads", [](const std::string& folder) {
       auto job = std::make_unique<TConvertJob>(MediaPath("bars_mpeg4_mp3.avi.probe").c_str());
       job->Probed = job->Probe();
       job->SetProfile(LoadShippedProfile("AVI MPEG-4 640x480"));
       job->OutputPath = (folder + "\\text.avi").c_str();
       job->State = jsConverting;
       return job;
     }},
    {"additional parameter the encoder refuses", [](const std::string& folder) {
       auto job = ReferenceJob(folder);
       job->GetProfile()->SetAdditionalParam("no_such_option", "1");
       return job;
     }},
};

TEST(ConvertJob, FailuresEndAsFailedAtOnceWithNothingLeft) {
  const std::string folder = testsupport::FreshTempFolder("convert-failures");
  for (const TFailureCase& failure : kFailures) {
    SCOPED_TRACE(failure.name);
    auto job = failure.make(folder);
    const DWORD began = GetTickCount();
    job->Convert();
    EXPECT_LT(GetTickCount() - began, 5000u);
    EXPECT_EQ(job->State.load(), jsFailed);
    ExpectTornDown(*job);
    testsupport::PumpMessages(200);
    EXPECT_EQ(job->State.load(), jsFailed) << "turned into another state later";
  }
}

TEST(ConvertJob, AnOutputThatCannotBeFinishedFailsTheJob) {
  const TFactoryScope unfinishable(ShippedProfileCode("AVI MPEG-4 640x480"), &MakeUnfinishable);
  auto job = ReferenceJob(testsupport::FreshTempFolder("convert-close"));
  job->ClipStart = 0.0;
  job->ClipEnd = 0.5;
  job->Convert();
  EXPECT_EQ(job->State.load(), jsFailed);
  EXPECT_GT(job->GetFrameCount(), 0u);
  ExpectTornDown(*job);
}

// Runs `tick` from a thread timer of the window thread every `ms` while it is armed.
class TTickScope {
 public:
  TTickScope(unsigned ms, std::function<void()> tick) {
    current_ = std::move(tick);
    timer_ = SetTimer(nullptr, 0, ms, &Proc);
  }
  ~TTickScope() {
    KillTimer(nullptr, timer_);
    current_ = nullptr;
  }

 private:
  static void CALLBACK Proc(HWND, UINT, UINT_PTR, DWORD) {
    if (current_) current_();
  }
  static inline std::function<void()> current_;
  UINT_PTR timer_;
};

// Counts frames handed to the preview hook.
bool CountFrame(void* counter, const void*, std::int32_t, std::int32_t, std::int32_t) {
  ++*static_cast<std::atomic<int>*>(counter);
  return true;
}

TEST(ConvertJob, StartAndStopCyclesLeaveNoCallbackBehind) {
  const std::string folder = testsupport::FreshTempFolder("convert-cycles");
  std::atomic<int> frames{0};
  for (int cycle = 0; cycle < 20; ++cycle) {
    SCOPED_TRACE(cycle);
    auto job = ReferenceJob(folder);
    job->SetPreviewCallback(&CountFrame, &frames);
    // Odd cycles answer "YES" to the stop prompt: paused first, then stopped.
    const bool prompted = cycle % 2 == 1;
    const DWORD stopAt = GetTickCount() + 15 * (cycle % 7);
    TTickScope stopper(5, [&] {
      if (GetTickCount() < stopAt) return;
      if (prompted) job->Pause();
      job->Stop();
    });
    job->Convert();
    ExpectTornDown(*job);
    const int seen = frames.load();
    testsupport::PumpMessages(50);
    EXPECT_EQ(frames.load(), seen) << "a frame arrived after the tear-down";
    EXPECT_NE(job->State.load(), jsFailed);
  }
}

// The stop prompt answered "NO" over and over, the last time at the very end of the
// stream: the job completes and its output is whole.
TEST(ConvertJob, PauseAndResumeUntilTheEndCompleteTheJob) {
  auto job = ReferenceJob(testsupport::FreshTempFolder("convert-pause"));
  double lowest = 1.0, highest = 0.0;
  int pauses = 0;
  TTickScope prompt(10, [&] {
    const std::uint8_t before = job->State;
    job->Pause();
    if (job->State == jsPaused) ++pauses;
    const double progress = job->GetProgress();
    lowest = std::min(lowest, progress);
    highest = std::max(highest, progress);
    job->Resume();
    if (before == jsConverting) EXPECT_NE(job->State.load(), jsPaused);
  });
  job->Convert();
  EXPECT_EQ(job->State.load(), jsCompleted);
  EXPECT_GT(pauses, 0);
  EXPECT_GE(lowest, 0.0);
  EXPECT_LE(highest, 1.0);
  ExpectTornDown(*job);
  job->Pause();
  job->Resume();
  EXPECT_EQ(job->State.load(), jsCompleted) << "pause or resume after the end changed the state";
  TVideoInfoReader written(job->OutputPath);
  ASSERT_TRUE(written.Probe());
  EXPECT_NEAR(written.GetDuration(), 3.0, 0.1);
}

// The main window's hook: takes one frame and disarms itself.
struct TPreviewCatch {
  TConvertJob* job = nullptr;
  int frames = 0;
  std::int32_t width = 0, height = 0, format = 0;
};

bool CatchOneFrame(void* data, const void* pixels, std::int32_t width, std::int32_t height, std::int32_t format) {
  auto* seen = static_cast<TPreviewCatch*>(data);
  ++seen->frames;
  seen->width = pixels != nullptr ? width : 0;
  seen->height = height;
  seen->format = format;
  seen->job->SetPreviewCallback(nullptr, nullptr);
  return true;
}

TEST(ConvertJob, APreviewHookArmedOnceGetsOneFrameOfTheSource) {
  auto job = ReferenceJob(testsupport::FreshTempFolder("convert-preview"));
  TPreviewCatch seen;
  seen.job = job.get();
  job->SetPreviewCallback(&CatchOneFrame, &seen);
  job->Convert();
  EXPECT_EQ(job->State.load(), jsCompleted);
  EXPECT_EQ(seen.frames, 1);
  EXPECT_EQ(seen.width, 320);
  EXPECT_EQ(seen.height, 240);
  EXPECT_EQ(seen.format, PixelFormatI420);
  EXPECT_EQ(job->GetFrameCount(), 75u);
}

TEST(ConvertJob, TheAspectComesFromTheTextOrTheSourceScaledByTheCrop) {
  struct TAspectCase {
    int cropLeft, cropRight, cropTop, cropBottom;
    const char* typed;
    const char* expected;
  };
  const TAspectCase cases[] = {
      {0, 0, 0, 0, "", "16:9"},          {90, 90, 0, 0, "", "4:3"},
      {0, 0, 60, 60, "", "64:27"},       {0, 0, 0, 0, "4:3", "4:3"},
      {90, 90, 0, 0, "1.7777", "1.7777"},
  };
  TConvertJob anamorphic(MediaPath("anamorphic_720x480.mp4").c_str());
  ASSERT_TRUE(anamorphic.Probe());
  for (const TAspectCase& c : cases) {
    anamorphic.CropLeft = c.cropLeft;
    anamorphic.CropRight = c.cropRight;
    anamorphic.CropTop = c.cropTop;
    anamorphic.CropBottom = c.cropBottom;
    anamorphic.AspectText = c.typed;
    EXPECT_STREQ(anamorphic.OutputAspectText().c_str(), c.expected);
  }
  TConvertJob square(MediaPath("bars_mpeg4_mp3.avi").c_str());
  ASSERT_TRUE(square.Probe());
  EXPECT_STREQ(square.OutputAspectText().c_str(), "");
}

}  // namespace
