// Console driver of the conversion engine: converts one source file with one ".pf" video
// profile or one audio preset and prints the job's end state, its frame count and the
// output file.
//
// convertdriver SOURCE PROFILE.pf|KIND:INDEX|KIND:NAME OUTPUT [options]
// convertdriver --list-presets
// convertdriver --jobs LIST
//   LIST holds one conversion per line, its arguments (as above) separated by tabs; each
//   is framed by "@job N" and "@done N exit=E" lines (tests/support/job_list.h).
//   KIND is an audio output's extension (mp3, wav, ogg, flac, aac, ape, mpc, wma, ra); the
//   preset is given by its index or its exact name.
//   OUTPUT is the output file, or a folder (ending in "\\") where the output is named after
//   the source with the profile's or preset's extension.
//   --clip START END            seconds (-1 for the beginning or the end)
//   --crop LEFT RIGHT TOP BOTTOM
//   --fix-aspect  --disable-audio  --aspect TEXT
//   --title T --author T --copyright T --comment T --year T
//   --decoder builtin|directshow   probe with that decoder (default: the decoder modes)
//   --streams VIDEO AUDIO          stream indexes chosen for the job (as the stream dialog
//                                  answers them: -1 for no choice)
//   --stop-at SECONDS              stops the job (from a timer of the window thread) once
//                                  its position in the source reached SECONDS
//   --param ID VALUE               with a preset: one more parameter pair for the plug-in
//                                  (after the preset's; a repeated identifier takes the last)
//   --no-plugins                   the resource holder keeps neither the WMV nor the
//                                  RealMedia plug-in (a preset's job never loads them)
// Exit code 0 when the job completed (state 3), 1 when it failed or was stopped, 2 for
// bad arguments.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "classlib/runtime/FileUtils.h"
#include "classlib/runtime/IniFiles.h"
#include "classlib/runtime/SysUtils.h"
#include "engine/Audiopresets.h"
#include "engine/Convertjob.h"
#include "engine/Realencoderdllwarper.h"
#include "engine/Encoderwrappers.h"
#include "engine/Videoprofilekinds.h"
#include "engine/Wmvencoderdllwarper.h"
#include "job_list.h"

namespace {

struct TDriverOptions {
  AnsiString Source;
  AnsiString ProfilePath;
  AnsiString Output;
  int Decoder = -1;  // -1: the decoder modes choose
  bool StreamsGiven = false;
  int VideoStream = 0;
  int AudioStream = 0;
  double StopAt = -1.0;
  std::vector<EncoderParamPair> Params{};
  bool Plugins = true;
};

TConvertJob* StoppedJob = nullptr;
double StopPosition = 0.0;
constexpr UINT kStopPollMs = 5;

void CALLBACK StopTimerProc(HWND, UINT, UINT_PTR, DWORD) {
  if (StoppedJob == nullptr || StoppedJob->GetPosition() < StopPosition) return;
  StoppedJob->Stop();
  StoppedJob = nullptr;
}

// Stops `job` once its position in the source reached `seconds` (none when negative),
// from a timer of the window thread; the timer ends with the job's conversion, so the
// next job of a list is never stopped by it.
class TStopTimer {
 public:
  TStopTimer(TConvertJob& job, double seconds) {
    if (seconds < 0.0) return;
    StoppedJob = &job;
    StopPosition = seconds;
    timer_ = SetTimer(nullptr, 0, kStopPollMs, &StopTimerProc);
  }
  ~TStopTimer() {
    if (timer_ != 0) KillTimer(nullptr, timer_);
    StoppedJob = nullptr;
  }
  TStopTimer(const TStopTimer&) = delete;
  TStopTimer& operator=(const TStopTimer&) = delete;

 private:
  UINT_PTR timer_ = 0;
};

std::unique_ptr<TVideoProfile> LoadProfile(const AnsiString& path) {
  TMemIniFile ini(path);
  std::unique_ptr<TVideoProfile> profile =
      CreateProfileOfFormat(ini.ReadString("ProfileCommon", "VideoFormat", ""),
                            ini.ReadString("ProfileCommon", "ProfileName", ""), path);
  if (profile == nullptr || !profile->LoadFromFile()) return nullptr;
  return profile;
}

// Applies the option at args[i] (moving i past its values); false for a bad option.
bool ApplyOption(const std::vector<std::string>& args, size_t& i, TConvertJob& job, TDriverOptions& options) {
  const std::string& name = args[i];
  const auto value = [&](size_t k) -> const char* { return i + k < args.size() ? args[i + k].c_str() : nullptr; };
  using TSetter = std::function<void()>;
  const std::map<std::string, std::pair<size_t, TSetter>> table{
      {"--clip", {2, [&] { job.ClipStart = std::atof(value(1)); job.ClipEnd = std::atof(value(2)); }}},
      {"--crop", {4, [&] {
         job.CropLeft = std::atoi(value(1));
         job.CropRight = std::atoi(value(2));
         job.CropTop = std::atoi(value(3));
         job.CropBottom = std::atoi(value(4));
       }}},
      {"--fix-aspect", {0, [&] { job.FixAspectRatio = true; }}},
      {"--disable-audio", {0, [&] { job.DisableAudio = true; }}},
      {"--aspect", {1, [&] { job.AspectText = value(1); }}},
      {"--title", {1, [&] { job.Title = value(1); }}},
      {"--author", {1, [&] { job.Author = value(1); }}},
      {"--copyright", {1, [&] { job.Copyright = value(1); }}},
      {"--comment", {1, [&] { job.Comment = value(1); }}},
      {"--year", {1, [&] { job.Year = value(1); }}},
      {"--decoder", {1, [&] { options.Decoder = std::strcmp(value(1), "directshow") == 0 ? dkDirectShow : dkBuiltIn; }}},
      {"--streams", {2, [&] {
         options.StreamsGiven = true;
         options.VideoStream = std::atoi(value(1));
         options.AudioStream = std::atoi(value(2));
       }}},
      {"--stop-at", {1, [&] { options.StopAt = std::atof(value(1)); }}},
      {"--param", {2, [&] { options.Params.push_back({std::atoi(value(1)), std::atoi(value(2))}); }}},
      {"--no-plugins", {0, [&] { options.Plugins = false; }}},
  };
  const auto found = table.find(name);
  if (found == table.end() || i + found->second.first >= args.size()) return false;
  found->second.second();
  i += found->second.first;
  return true;
}

AnsiString OutputPathFor(const AnsiString& output, const AnsiString& source, const AnsiString& extension) {
  if (output.IsEmpty() || !output.IsDelimiter("\\/", output.Length())) return output;
  return output + ChangeFileExt(ExtractFileName(source), extension);
}

int Usage() {
  std::fprintf(stderr, "usage: convertdriver SOURCE PROFILE.pf|KIND:INDEX|KIND:NAME OUTPUT [options]\n"
                       "       convertdriver --list-presets\n"
                       "       convertdriver --jobs LIST\n");
  return 2;
}

constexpr const char* kPresetKinds[] = {"mp3", "wma", "wav", "aac", "ogg", "ra", "ape", "mpc", "flac"};

int ListPresets() {
  for (const char* kind : kPresetKinds) {
    const std::unique_ptr<PresetBase> preset = CreatePresetForExtension(kind);
    for (int i = 0; i < preset->GetPresetCount(); ++i)
      std::printf("%s:%d\t%s\n", kind, i, preset->GetPresetName(i).c_str());
  }
  return 0;
}

// The preset index of `which` (a number or an exact name); -1 when there is none.
int PresetIndex(const PresetBase& preset, const std::string& which) {
  char* end = nullptr;
  const long number = std::strtol(which.c_str(), &end, 10);
  if (!which.empty() && *end == '\0') return number >= 0 && number < preset.GetPresetCount() ? static_cast<int>(number) : -1;
  for (int i = 0; i < preset.GetPresetCount(); ++i)
    if (preset.GetPresetName(i) == which) return i;
  return -1;
}

// The scheme of the preset "KIND:INDEX" or "KIND:NAME" with the extra pairs; false when
// there is no such preset or too many pairs.
bool LoadScheme(const std::string& choice, const std::vector<EncoderParamPair>& extra, TAudioEncoderScheme& scheme) {
  const size_t colon = choice.find(':');
  if (colon == std::string::npos) return false;
  const std::unique_ptr<PresetBase> preset = CreatePresetForExtension(choice.substr(0, colon));
  const int index = preset != nullptr ? PresetIndex(*preset, choice.substr(colon + 1)) : -1;
  if (index < 0 || extra.size() > static_cast<size_t>(kMaxEncoderParams)) return false;
  scheme.PluginPath = preset->GetPluginPath().c_str();
  scheme.PresetName = preset->GetPresetName(index).c_str();
  preset->GetPresetParams(index, scheme.Params);
  if (scheme.Params.count + static_cast<int>(extra.size()) > kMaxEncoderParams) return false;
  for (const EncoderParamPair& pair : extra) scheme.Params.pairs[scheme.Params.count++] = pair;
  scheme.Extension = preset->GetExtension().c_str();
  return true;
}

bool IsProfilePath(const AnsiString& path) { return SameText(ExtractFileExt(path), ".pf"); }

// Gives the job the profile or the scheme named on the command line; answers the output
// extension (with its dot), empty when neither could be read.
AnsiString GiveEncoderSettings(TConvertJob& job, const TDriverOptions& options) {
  if (IsProfilePath(options.ProfilePath)) {
    std::unique_ptr<TVideoProfile> profile = LoadProfile(ExpandFileName(options.ProfilePath));
    if (profile == nullptr) return AnsiString();
    const AnsiString extension = profile->Extension();
    job.SetProfile(std::move(profile));
    return extension;
  }
  TAudioEncoderScheme scheme;
  if (!LoadScheme(options.ProfilePath.c_str(), options.Params, scheme)) return AnsiString();
  job.SetAudioScheme(&scheme);
  return "." + scheme.Extension;
}

// Converts with the arguments of one command line (after the program's name); answers the
// exit code of that command.
int RunJob(const std::vector<std::string>& command) {
  if (command.size() < 3) return Usage();
  TDriverOptions options{command[0].c_str(), command[1].c_str(), command[2].c_str()};
  TConvertJob job(ExpandFileName(options.Source));
  const std::vector<std::string> args(command.begin() + 3, command.end());
  for (size_t i = 0; i < args.size(); ++i)
    if (!ApplyOption(args, i, job, options)) return Usage();

  // The WMV and RealMedia plug-ins, kept as the program keeps them, for a profile's job only:
  // an audio preset never writes through them, and loading them would only add to its time.
  const bool loadPlugins = options.Plugins && IsProfilePath(options.ProfilePath);
  const std::unique_ptr<TEncoderPlugins> plugins = loadPlugins ? std::make_unique<TEncoderPlugins>() : nullptr;
  const AnsiString extension = GiveEncoderSettings(job, options);
  if (extension.IsEmpty()) {
    std::fprintf(stderr, "cannot read the profile or preset %s\n", options.ProfilePath.c_str());
    return 2;
  }
  const bool readable = options.Decoder < 0 ? job.Probe() : job.ProbeWithDecoder(options.Decoder);
  job.Probed = readable;
  if (options.StreamsGiven) {
    job.VideoStream = options.VideoStream;
    job.AudioStream = options.AudioStream;
  }
  job.OutputPath = OutputPathFor(ExpandFileName(options.Output), options.Source, extension);
  job.State = jsConverting;
  const TStopTimer stopTimer(job, options.StopAt);
  job.Convert();
  std::printf("probe=%s decoder=%s\nstate=%d\nframes=%u\noutput=%s\n", readable ? "ok" : "failed",
              job.Reader.GetDecoderKind() == dkDirectShow ? "directshow" : "builtin", int{job.State.load()},
              job.GetFrameCount(), job.OutputPath.c_str());
  return job.State == jsCompleted ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--list-presets") == 0) return ListPresets();
  if (argc == 3 && std::strcmp(argv[1], "--jobs") == 0) return testsupport::RunJobList(argv[2], RunJob);
  return RunJob(std::vector<std::string>(argv + 1, argv + argc));
}
