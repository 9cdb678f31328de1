// The resampling library through its entries: pitch and continuity over many calls of odd
// sizes, the bound on what one call writes, what is kept until the flush, channel mixing,
// the exact copy when nothing changes, and handles it does not know.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "media/contracts/ResamplingLibrary.h"

namespace {

constexpr double kAmplitude = 12000.0;

struct Handle {
  explicit Handle(ResamplerHandle value) : value(value) {}
  ~Handle() { DestroyResampler(value); }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ResamplerHandle value;
};

// `count` samples per channel of a tone, the same in every channel.
std::vector<std::int16_t> Tone(double frequency, int rate, int count, int channels) {
  std::vector<std::int16_t> samples;
  for (int i = 0; i < count; ++i) {
    const double value = kAmplitude * std::sin(2.0 * std::numbers::pi * frequency * i / rate);
    for (int c = 0; c < channels; ++c) samples.push_back(static_cast<std::int16_t>(std::lround(value)));
  }
  return samples;
}

// Feeds `input` in calls of the sizes in `sizes` (repeated), then flushes; checks that no
// call writes past its bound and answers the whole output.
std::vector<std::int16_t> Resample(ResamplerHandle handle, const std::vector<std::int16_t>& input, int inRate,
                                   int inChannels, int outRate, int outChannels, const std::vector<int>& sizes) {
  constexpr std::int16_t kGuard = 0x5A5A;
  std::vector<std::int16_t> output;
  const auto take = [&](auto&& call, std::int64_t bound) {
    std::vector<std::int16_t> block(static_cast<std::size_t>((bound + 8) * outChannels), kGuard);
    const int written = call(block.data());
    EXPECT_GE(written, 0);
    EXPECT_LE(written, bound);
    for (std::size_t i = static_cast<std::size_t>(bound * outChannels); i < block.size(); ++i)
      EXPECT_EQ(block[i], kGuard) << "written past the bound";
    output.insert(output.end(), block.begin(), block.begin() + written * outChannels);
    return written;
  };
  const int total = static_cast<int>(input.size()) / inChannels;
  for (int done = 0, k = 0; done < total; ++k) {
    const int n = std::min(sizes[static_cast<std::size_t>(k) % sizes.size()], total - done);
    const std::int16_t* part = input.data() + static_cast<std::ptrdiff_t>(done) * inChannels;
    take([&](std::int16_t* out) { return ResampleSamples(handle, part, n, out); }, ResampledCapacity(n, inRate, outRate));
    done += n;
  }
  while (take([&](std::int16_t* out) { return FlushResampler(handle, out); },
              ResampledCapacity(kFlushInputSamples, inRate, outRate)) > 0) {
  }
  return output;
}

// Channel `channel` of interleaved samples.
std::vector<double> Channel(const std::vector<std::int16_t>& samples, int channels, int channel) {
  std::vector<double> values;
  for (std::size_t i = static_cast<std::size_t>(channel); i < samples.size(); i += static_cast<std::size_t>(channels))
    values.push_back(samples[i]);
  return values;
}

// Least-squares fit of a sine of `frequency` (amplitude and phase): answers the RMS residual.
double SineResidual(const std::vector<double>& values, double frequency, int rate, double* amplitude = nullptr) {
  double ss = 0, sc = 0, cc = 0, ys = 0, yc = 0;
  for (std::size_t i = 0; i < values.size(); ++i) {
    const double w = 2.0 * std::numbers::pi * frequency * static_cast<double>(i) / rate;
    const double s = std::sin(w), c = std::cos(w);
    ss += s * s;
    sc += s * c;
    cc += c * c;
    ys += values[i] * s;
    yc += values[i] * c;
  }
  const double det = ss * cc - sc * sc;
  const double a = (ys * cc - yc * sc) / det;
  const double b = (yc * ss - ys * sc) / det;
  if (amplitude != nullptr) *amplitude = std::hypot(a, b);
  double residual = 0;
  for (std::size_t i = 0; i < values.size(); ++i) {
    const double w = 2.0 * std::numbers::pi * frequency * static_cast<double>(i) / rate;
    const double e = values[i] - a * std::sin(w) - b * std::cos(w);
    residual += e * e;
  }
  return std::sqrt(residual / static_cast<double>(values.size()));
}

// The frequency between `low` and `high` (steps of 0.05 Hz) whose sine fits best.
double PeakFrequency(const std::vector<double>& values, int rate, double low, double high) {
  double best = low, bestResidual = 1e300;
  for (double f = low; f <= high; f += 0.05) {
    const double residual = SineResidual(values, f, rate);
    if (residual < bestResidual) {
      bestResidual = residual;
      best = f;
    }
  }
  return best;
}

// The middle of a signal, leaving out the filter's start and end.
std::vector<double> Middle(const std::vector<double>& values, std::size_t margin) {
  return {values.begin() + static_cast<std::ptrdiff_t>(margin), values.end() - static_cast<std::ptrdiff_t>(margin)};
}

TEST(Resampler, A440HzToneFrom48000To22050KeepsPitchAndJoinsBuffersWithoutBreaks) {
  constexpr int kIn = 48000, kOut = 22050, kSeconds = 2;
  const auto tone = Tone(440.0, kIn, kIn * kSeconds, 2);
  Handle handle(CreateResampler(2, kIn, 2, kOut));
  ASSERT_NE(handle.value, 0u);
  // Odd sizes, one of a single sample, so joins fall everywhere in the filter's period.
  const auto out = Resample(handle.value, tone, kIn, 2, kOut, 2, {1000, 333, 1, 4096, 77, 2048});
  const auto samples = static_cast<int>(out.size() / 2);
  EXPECT_NEAR(samples, kOut * kSeconds, 2);
  for (int channel = 0; channel < 2; ++channel) {
    const auto values = Middle(Channel(out, 2, channel), 200);
    EXPECT_NEAR(PeakFrequency(values, kOut, 437.0, 443.0), 440.0, 1.0);
    double amplitude = 0;
    const double residual = SineResidual(values, 440.0, kOut, &amplitude);
    EXPECT_NEAR(amplitude, kAmplitude, kAmplitude * 0.02);
    // A lost or repeated sample at any join would leave a residual near the amplitude.
    EXPECT_LT(residual, kAmplitude * 0.005);
  }
}

TEST(Resampler, UpsamplingStaysWithinTheBoundAndTheRestComesLater) {
  constexpr int kIn = 8000, kOut = 48000;
  const auto tone = Tone(300.0, kIn, kIn, 1);
  Handle handle(CreateResampler(1, kIn, 1, kOut));
  ASSERT_NE(handle.value, 0u);
  const auto out = Resample(handle.value, tone, kIn, 1, kOut, 1, {1000, 7, 2500});
  EXPECT_NEAR(static_cast<double>(out.size()), kOut, 2);
  EXPECT_NEAR(PeakFrequency(Middle(Channel(out, 1, 0), 500), kOut, 298.0, 302.0), 300.0, 1.0);
}

TEST(Resampler, SameRateAndChannelsCopiesBitForBit) {
  const auto tone = Tone(1000.0, 44100, 10000, 2);
  Handle handle(CreateResampler(2, 44100, 2, 44100));
  ASSERT_NE(handle.value, 0u);
  EXPECT_EQ(Resample(handle.value, tone, 44100, 2, 44100, 2, {4096, 3}), tone);
}

struct Mixing {
  int inChannels, outChannels;
};

class ResamplerMixing : public testing::TestWithParam<Mixing> {};

// Every output channel carries the tone at a level near the input's, nothing clipped.
TEST_P(ResamplerMixing, EveryOutputChannelCarriesTheTone) {
  const auto [in, out] = GetParam();
  const auto tone = Tone(500.0, 44100, 44100 / 2, in);
  Handle handle(CreateResampler(in, 44100, out, 22050));
  ASSERT_NE(handle.value, 0u);
  const auto result = Resample(handle.value, tone, 44100, in, 22050, out, {4410});
  EXPECT_NEAR(static_cast<double>(result.size() / static_cast<std::size_t>(out)), 22050 / 2, 2);
  for (int channel = 0; channel < out; ++channel) {
    double amplitude = 0;
    const double residual = SineResidual(Middle(Channel(result, out, channel), 200), 500.0, 22050, &amplitude);
    EXPECT_GT(amplitude, kAmplitude * 0.4) << "channel " << channel;
    EXPECT_LT(amplitude, 32767.0) << "channel " << channel;
    EXPECT_LT(residual, amplitude * 0.01) << "channel " << channel;
  }
}

INSTANTIATE_TEST_SUITE_P(Counts, ResamplerMixing,
                         testing::Values(Mixing{2, 1}, Mixing{1, 2}, Mixing{6, 2}),
                         [](const testing::TestParamInfo<Mixing>& info) {
                           return std::to_string(info.param.inChannels) + "to" + std::to_string(info.param.outChannels);
                         });

TEST(Resampler, RefusesFormatsAndUnknownHandles) {
  EXPECT_EQ(CreateResampler(0, 44100, 2, 44100), 0u);
  EXPECT_EQ(CreateResampler(2, 44100, 9, 44100), 0u);
  EXPECT_EQ(CreateResampler(2, 0, 2, 44100), 0u);
  EXPECT_EQ(CreateResampler(2, 44100, 2, -1), 0u);
  std::int16_t input[8] = {};
  std::int16_t output[256] = {};
  EXPECT_EQ(ResampleSamples(12345, input, 4, output), 0);
  EXPECT_EQ(FlushResampler(12345, output), 0);
  const ResamplerHandle handle = CreateResampler(2, 44100, 2, 22050);
  ASSERT_NE(handle, 0u);
  DestroyResampler(handle);
  EXPECT_EQ(ResampleSamples(handle, input, 4, output), 0);
}

}  // namespace
