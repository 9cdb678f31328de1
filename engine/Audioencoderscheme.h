#pragma once
#include "classlib/runtime/AnsiString.h"
#include "media/contracts/AudioEncoderPlugin.h"

// Everything an audio-only job needs to encode: the plug-in, the preset's name, the
// parameters handed to the plug-in and the output extension (without the dot). A new
// scheme has empty texts and no pairs; copies are whole.
struct TAudioEncoderScheme {
  AnsiString PluginPath;
  AnsiString PresetName;
  EncoderParamBlock Params{};
  AnsiString Extension;
};
