#pragma once
// The settings of one encoder handle of the RealMedia plug-in (the input, the manual
// settings block and the tags) and the output they describe.
#include <string>

#include "media/contracts/RealEncoderPlugin.h"
#include "media/plugins/rmenc/RealAudioCodecs.h"
#include "media/plugins/videoplugin/ContextOutput.h"

namespace rmenc {

struct RealSettings {
  videoplugin::SourceInput input;
  std::string path;
  bool twoPass = false;
  RealManualSettings manual{};
  bool manualGiven = false;
  videoplugin::TagTexts tags;
};

// The output of `settings`; throws without manual settings, for two passes and for an
// audio codec index outside the table.
videoplugin::OutputPlan PlanOf(const RealSettings& settings);

// The audio of codec row `codec` for an input of `inputRate` and `inputChannels`.
videoplugin::AudioPlan AudioPlanOf(const RealAudioCodec& codec, int inputRate, int inputChannels);

// AC-3 takes 32, 44.1 and 48 kHz; any other rate becomes 44.1 kHz.
int Ac3Rate(int inputRate);

}  // namespace rmenc
