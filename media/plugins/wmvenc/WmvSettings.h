#pragma once
// The settings of the WMV plug-in, which persist from output to output, and the output
// they describe.
#include <string>

#include "media/plugins/videoplugin/ContextOutput.h"

namespace wmvenc {

struct WmvSettings {
  int audioCodec = 0;
  int audioFormat = 2;
  bool audioUncompressed = false;
  int videoCodec = 0;
  bool videoUncompressed = false;
  bool useVbr = false;
  int vbrMode = 0;            // 1: constant quality, 0: bit rate
  int videoBufferMs = 10000;  // rate-control buffer of a constant bit rate
  int videoBitRate = 768000;
  int vbrMaxBitRate = 0;  // peak of a variable bit rate; 0 none
  int vbrMaxBufferMs = 0;
  int vbrQuality = 90;  // 1 (lowest) .. 100
  int width = 0;        // 0: the input's
  int height = 0;
  double frameRate = 25.0;
  int secondsPerKeyFrame = 8;
  bool useSystemProfile = false;
  int systemProfile = 0;
  videoplugin::SourceInput input;
  videoplugin::TagTexts tags;
  std::string path;
};

// The output of `settings`; throws for settings it cannot write.
videoplugin::OutputPlan PlanOf(const WmvSettings& settings);

// The quantizer of a constant-quality setting: 1 .. 100 becomes 31 .. 2.
int QuantizerOfQuality(int quality);

}  // namespace wmvenc
