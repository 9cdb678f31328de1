// The audio plug-ins' background output on its own, over a recording inner output: every
// sample reaches the inner output once and in order whatever the buffer sizes, encoding
// runs off the caller's thread while finishing runs on it, and an encoding failure reaches
// the caller without losing the finish.
#include <gtest/gtest.h>

#include <memory>
#include <mutex>
#include <numeric>
#include <stdexcept>
#include <thread>
#include <vector>

#include "media/plugins/common/BackgroundOutput.h"

namespace {

using audioplugin::AudioOutput;
using audioplugin::BackgroundOutput;

// What the inner output was given, and on which threads.
struct Record {
  std::mutex lock;
  std::vector<std::int16_t> samples;
  std::vector<int> counts;
  std::vector<std::thread::id> encodeThreads;
  std::thread::id finishThread;
  int finishes = 0;
  int failAtCall = -1;  // the encode call (from 0) that throws
};

class RecordingOutput final : public AudioOutput {
 public:
  RecordingOutput(Record& record, int channels) : record_(record), channels_(channels) {}

  void Encode(const std::int16_t* samples, int count) override {
    std::lock_guard hold(record_.lock);
    if (static_cast<int>(record_.counts.size()) == record_.failAtCall) throw std::runtime_error("encoder failed");
    record_.samples.insert(record_.samples.end(), samples, samples + static_cast<std::size_t>(count) * channels_);
    record_.counts.push_back(count);
    record_.encodeThreads.push_back(std::this_thread::get_id());
  }

  void Finish() override {
    std::lock_guard hold(record_.lock);
    ++record_.finishes;
    record_.finishThread = std::this_thread::get_id();
  }

 private:
  Record& record_;
  int channels_;
};

std::unique_ptr<BackgroundOutput> Open(Record& record, int channels) {
  return std::make_unique<BackgroundOutput>(std::make_unique<RecordingOutput>(record, channels), channels);
}

struct Feeding {
  const char* name;
  int channels;
  std::vector<int> counts;  // samples per channel of each encode call
};

class BackgroundOutputFeeding : public ::testing::TestWithParam<Feeding> {};

TEST_P(BackgroundOutputFeeding, EverySampleArrivesOnceInOrderOffTheCallersThread) {
  const Feeding& feeding = GetParam();
  const std::size_t total = std::accumulate(feeding.counts.begin(), feeding.counts.end(), std::size_t{0});
  std::vector<std::int16_t> source(total * feeding.channels);
  std::iota(source.begin(), source.end(), std::int16_t{1});
  Record record;
  auto output = Open(record, feeding.channels);
  const std::int16_t* next = source.data();
  for (int count : feeding.counts) {
    output->Encode(next, count);
    next += static_cast<std::size_t>(count) * feeding.channels;
  }
  output->Finish();

  EXPECT_EQ(record.samples, source);
  EXPECT_EQ(record.finishes, 1);
  EXPECT_EQ(record.finishThread, std::this_thread::get_id());
  for (std::size_t i = 0; i < record.counts.size(); ++i) {
    EXPECT_NE(record.encodeThreads[i], std::this_thread::get_id()) << "encode call " << i;
    // Whole blocks, but for the last.
    if (i + 1 < record.counts.size()) EXPECT_EQ(record.counts[i], static_cast<int>(BackgroundOutput::kBlockSamples));
  }
}

constexpr int kBlock = static_cast<int>(BackgroundOutput::kBlockSamples);

INSTANTIATE_TEST_SUITE_P(
    Sizes, BackgroundOutputFeeding,
    ::testing::Values(Feeding{"StereoDecoderFrames", 2, std::vector<int>(40, 1024)},
                      Feeding{"MonoOddSizesAcrossBlocks", 1, {1, kBlock - 2, 3, 2 * kBlock + 7, 0, 5}},
                      Feeding{"StereoExactBlocks", 2, {kBlock, kBlock}},
                      Feeding{"NothingAtAll", 2, {}},
                      Feeding{"ManyMoreBlocksThanTheQueueHolds", 2, std::vector<int>(12, 3 * kBlock + 1)}),
    [](const ::testing::TestParamInfo<Feeding>& info) { return info.param.name; });

TEST(BackgroundOutput, AnEncodeFailureFailsALaterCallAndTheFinishStillCloses) {
  Record record;
  record.failAtCall = 1;
  auto output = Open(record, 1);
  std::vector<std::int16_t> block(BackgroundOutput::kBlockSamples, 7);
  bool thrown = false;
  // With only a few blocks queued, an encode soon waits for the worker and meets its failure.
  for (int i = 0; i < 20 && !thrown; ++i) {
    try {
      output->Encode(block.data(), kBlock);
    } catch (const std::runtime_error&) {
      thrown = true;
    }
  }
  EXPECT_TRUE(thrown);
  EXPECT_THROW(output->Finish(), std::runtime_error);
  EXPECT_EQ(record.finishes, 1);
  EXPECT_EQ(record.counts.size(), 1u) << "nothing is encoded after the failure";
}

TEST(BackgroundOutput, GoingWithoutFinishDropsTheQueueAndNeverFinishes) {
  Record record;
  {
    auto output = Open(record, 2);
    std::vector<std::int16_t> samples(2 * BackgroundOutput::kBlockSamples * 3, 1);
    output->Encode(samples.data(), 3 * kBlock);
  }
  EXPECT_EQ(record.finishes, 0);
  EXPECT_LE(record.counts.size(), 3u);
}

}  // namespace
