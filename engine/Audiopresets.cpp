#include "engine/Audiopresets.h"

#include <array>

#include "classlib/runtime/FileUtils.h"
#include "classlib/runtime/SysUtils.h"
#include "classlib/runtime/WinApi.h"
#include "engine/Quorinvcenvloader.h"
#include "engine/Standinsettingbaseform.h"

namespace {

constexpr const char* kSameAsSource = "The same as the source";
constexpr std::size_t kKindCount = static_cast<std::size_t>(TAudioKind::Flac) + 1;

std::array<TSettingsDialogFactory, kKindCount>& DialogFactories() {
  static std::array<TSettingsDialogFactory, kKindCount> factories{};
  return factories;
}

AnsiString ExecutableFolder() {
  char path[MAX_PATH * 2] = {};
  GetModuleFileNameA(nullptr, path, sizeof path - 1);
  return ExtractFilePath(path);
}

void WritePairs(const std::vector<EncoderParamPair>& pairs, EncoderParamBlock& block) {
  int count = 0;
  for (const EncoderParamPair& pair : pairs) block.pairs[count++] = pair;
  block.count = count;
}

const TAudioKindInfo kMp3{TAudioKind::Mp3, "mp3enc.dll", "mp3"};
const TAudioKindInfo kWma{TAudioKind::Wma, "wmvenc.dll", "wma"};
const TAudioKindInfo kWav{TAudioKind::Wav, "wavenc.dll", "wav"};
const TAudioKindInfo kAac{TAudioKind::Aac, "aacenc.dll", "aac"};
const TAudioKindInfo kOgg{TAudioKind::Ogg, "oggenc.dll", "ogg"};
const TAudioKindInfo kReal{TAudioKind::Real, "rmenc.dll", "ra"};
const TAudioKindInfo kApe{TAudioKind::Ape, "apeenc.dll", "ape"};
const TAudioKindInfo kMpc{TAudioKind::Mpc, "mpcenc.dll", "mpc"};
const TAudioKindInfo kFlac{TAudioKind::Flac, "flacenc.dll", "flac"};

// MP3: mode and rate, then channel mode c, quality q, the output rate twice and "Original".
TPresetRow Mp3Row(const char* name, EncoderParamPair mode, EncoderParamPair rate, int c = -1, int q = 2) {
  return {name, {mode, rate, {6, c}, {7, q}, {8, -1}, {8, -1}, {16, 1}}};
}

std::vector<TPresetRow> Mp3Rows() {
  std::vector<TPresetRow> rows{Mp3Row("Near CD-Quality", {0, 0}, {1, 128}, 2),
                               Mp3Row("CD-Quality", {0, 0}, {1, 192})};
  for (int kbits : {320, 256, 224, 192, 160, 128, 112, 96, 80, 64, 56, 48, 40, 32})
    rows.push_back(Mp3Row(("CBR " + std::to_string(kbits) + " kbit/s").c_str(), {0, 0}, {1, kbits}));
  for (int kbits : {150, 175, 200, 225, 250})
    rows.push_back(Mp3Row(("ABR - " + std::to_string(kbits) + " kbit/s").c_str(), {0, 1}, {2, kbits}));
  for (int level = 0; level <= 9; ++level) {
    std::string name = "VBR - Quality Level " + std::to_string(level);
    if (level == 0) name += " (Highest)";
    if (level == 9) name += " (Lowest)";
    rows.push_back(Mp3Row(name.c_str(), {0, 2}, {12, level}));
  }
  rows.push_back(Mp3Row("Perfect Quality", {0, 0}, {1, 320}, 2, 9));
  return rows;
}

std::vector<TPresetRow> WavRows() {
  return {
      {"Standard 44,100Hz Stereo (CD Quality)", {{0, 2}, {1, 44100}, {2, 2}}},
      {"Standard 22,050Hz Stereo", {{0, 2}, {1, 22050}, {2, 2}}},
      {"Standard 11,025Hz Stereo", {{0, 2}, {1, 11025}, {2, 2}}},
      {"Standard 44,100Hz Mono", {{0, 2}, {1, 44100}, {2, 1}}},
      {"Standard 22,050Hz Mono", {{0, 2}, {1, 22050}, {2, 1}}},
      {"Standard 11,025Hz Mono", {{0, 2}, {1, 11025}, {2, 1}}},
      {"ACPCM 44,100Hz 4bit Stereo", {{0, 19}, {1, 44100}, {2, 2}}},
      {"ACPCM 22,050Hz 4bit Stereo", {{0, 19}, {1, 22050}, {2, 2}}},
  };
}

std::vector<TPresetRow> AacRows() {
  std::vector<TPresetRow> rows;
  const std::pair<const char*, int> table[] = {{"Automatic Bitrate", -1}, {"160 kbit/s", 160000},
                                               {"128 kbit/s", 128000},    {"112 kbit/s", 112000},
                                               {"96 kbit/s", 96000},      {"64 kbit/s", 64000}};
  for (const auto& [name, bitRate] : table)
    rows.push_back({name, {{1, -1}, {0, bitRate}, {3, 1}, {4, 1}, {6, 0}, {5, 0}}});
  return rows;
}

std::vector<TPresetRow> OggRows() {
  std::vector<TPresetRow> rows{{"VBR Quality-4(128 kbit/s)", {{0, 0}, {1, 400}}}};
  const std::pair<int, int> quality[] = {{0, 64},  {1, 80},  {2, 96},  {3, 112}, {5, 160},
                                         {6, 192}, {7, 224}, {8, 256}, {9, 320}, {10, 500}};
  for (const auto& [level, kbits] : quality) {
    rows.push_back({"VBR Quality-" + std::to_string(level) + "(" + std::to_string(kbits) + " kbit/s)",
                    {{0, 0}, {1, level * 100}}});
  }
  for (int kbits : {64, 80, 96, 112, 160, 192, 224, 256, 320})
    rows.push_back({"ABR(" + std::to_string(kbits) + " kbit/s)", {{0, 2}, {1, kbits}}});
  return rows;
}

std::vector<TPresetRow> ApeRows() {
  return {{"Extra High Compression Level", {{1, 4000}}},
          {"High Compression Level", {{1, 3000}}},
          {"Normal Compression Level", {{1, 2000}}},
          {"Fast Compression Level", {{1, 1000}}}};
}

std::vector<TPresetRow> MpcRows() {
  return {{"Standard - High quality (142...184 kbps)", {{0, 500}}},
          {"Telephone - Lowest quality(32... 48 kbps)", {{0, 200}}},
          {"Thumb - Low quality/internet(58... 86 kbps)", {{0, 300}}},
          {"Radio - Medium (MP3) quality(112...152 kbps)", {{0, 400}}},
          {"Xtreme - Extreme high quality(168...212 kbps)", {{0, 600}}},
          {"Insane - Extreme high quality(232...268 kbps)", {{0, 700}}},
          {"Braindead - Extreme high quality(232...278 kbps)", {{0, 800}}}};
}

std::vector<TPresetRow> FlacRows() { return {{kSameAsSource, {}}}; }

template <std::vector<TPresetRow> (*Make)()>
const std::vector<TPresetRow>& Table() {
  static const std::vector<TPresetRow> rows = Make();
  return rows;
}

}  // namespace

TSettingsDialogFactory RegisterSettingsDialog(TAudioKind kind, TSettingsDialogFactory factory) {
  TSettingsDialogFactory& slot = DialogFactories()[static_cast<std::size_t>(kind)];
  const TSettingsDialogFactory previous = slot;
  slot = factory;
  return previous;
}

// --- PresetBase --------------------------------------------------------------------------------

std::string PresetBase::GetPluginPath() const {
  return std::string((ExecutableFolder() + EnvLoader.AudioEncoderPluginPath).c_str()) + PluginFileName();
}

bool PresetBase::HasSettingsDialog() const { return DialogFactories()[static_cast<std::size_t>(Kind())] != nullptr; }

TSettingBaseForm* PresetBase::CreateSettingsDialog() const {
  const TSettingsDialogFactory factory = DialogFactories()[static_cast<std::size_t>(Kind())];
  return factory != nullptr ? factory() : nullptr;
}

// --- fixed tables ------------------------------------------------------------------------------

const TPresetRow* TFixedPreset::RowAt(int index) const {
  return index >= 0 && index < static_cast<int>(Rows.size()) ? &Rows[static_cast<std::size_t>(index)] : nullptr;
}

int TFixedPreset::GetPresetCount() const { return static_cast<int>(Rows.size()); }

std::string TFixedPreset::GetPresetName(int index) const {
  const TPresetRow* row = RowAt(index);
  return row != nullptr ? row->Name : std::string();
}

void TFixedPreset::GetPresetParams(int index, EncoderParamBlock& block) const {
  if (const TPresetRow* row = RowAt(index)) WritePairs(row->Pairs, block);
}

LamePreset::LamePreset() : TFixedPreset(kMp3, Table<Mp3Rows>()) {}
WavPreset::WavPreset() : TFixedPreset(kWav, Table<WavRows>()) {}
AacPreset::AacPreset() : TFixedPreset(kAac, Table<AacRows>()) {}
OggPreset::OggPreset() : TFixedPreset(kOgg, Table<OggRows>()) {}
ApePreset::ApePreset() : TFixedPreset(kApe, Table<ApeRows>()) {}
MpcPreset::MpcPreset() : TFixedPreset(kMpc, Table<MpcRows>()) {}
FlacPreset::FlacPreset() : TFixedPreset(kFlac, Table<FlacRows>()) {}

// --- list files --------------------------------------------------------------------------------

TListedPreset::TListedPreset(const TAudioKindInfo& info, const AnsiString& listPath) : TDescribedPreset(info) {
  if (!FileExists(listPath)) return;
  List = std::make_unique<TStringList>();
  List->LoadFromFile(listPath);
}

int TListedPreset::GetPresetCount() const { return List != nullptr ? List->Count() : 1; }

std::string TListedPreset::GetPresetName(int index) const {
  if (List == nullptr) return kSameAsSource;
  return index >= 0 && index < List->Count() ? std::string(List->Strings(index).c_str()) : std::string();
}

void TListedPreset::GetPresetParams(int index, EncoderParamBlock& block) const {
  if (List == nullptr) {
    block.count = 0;
  } else if (index >= 0 && index < List->Count()) {
    WritePairs({{0, index}}, block);
  }
}

WMA9Preset::WMA9Preset(const AnsiString& listPath) : TListedPreset(kWma, listPath) {}
RealPreset::RealPreset(const AnsiString& listPath) : TListedPreset(kReal, listPath) {}

std::unique_ptr<PresetBase> CreatePresetForExtension(const std::string& extension) {
  if (extension == "mp3") return std::make_unique<LamePreset>();
  if (extension == "wma") return std::make_unique<WMA9Preset>(ExecutableFolder() + "WMA9Format.Lst");
  if (extension == "wav") return std::make_unique<WavPreset>();
  if (extension == "aac") return std::make_unique<AacPreset>();
  if (extension == "ogg") return std::make_unique<OggPreset>();
  if (extension == "ra") return std::make_unique<RealPreset>(ExecutableFolder() + "Audiences.Lst");
  if (extension == "ape") return std::make_unique<ApePreset>();
  if (extension == "mpc") return std::make_unique<MpcPreset>();
  if (extension == "flac") return std::make_unique<FlacPreset>();
  return nullptr;
}
