// The audio presets: the tables of the fixed kinds, the list files of the listed kinds,
// blocks left alone for indexes past a table, the plug-in paths and the settings dialogs
// registered per kind.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>

#include "classlib/runtime/FileUtils.h"
#include "engine/Audiopresets.h"
#include "engine/Standinsettingbaseform.h"
#include "tests/support/test_support.h"

namespace {

EncoderParamBlock Filled(const PresetBase& preset, int index) {
  EncoderParamBlock block{};
  block.count = -7;  // shows whether the count was written
  preset.GetPresetParams(index, block);
  return block;
}

std::vector<std::pair<int, int>> PairsOf(const EncoderParamBlock& block) {
  std::vector<std::pair<int, int>> pairs;
  for (int i = 0; i < block.count; ++i) pairs.emplace_back(block.pairs[i].id, block.pairs[i].value);
  return pairs;
}

struct TKindCase {
  const char* extension;
  int count;
  const char* plugin;
  int firstIndex;  // a preset whose name and pairs are checked
  const char* name;
  std::vector<std::pair<int, int>> pairs;
};

const TKindCase kKinds[] = {
    {"mp3", 32, "mp3enc.dll", 0, "Near CD-Quality", {{0, 0}, {1, 128}, {6, 2}, {7, 2}, {8, -1}, {8, -1}, {16, 1}}},
    {"mp3", 32, "mp3enc.dll", 17, "ABR - 175 kbit/s", {{0, 1}, {2, 175}, {6, -1}, {7, 2}, {8, -1}, {8, -1}, {16, 1}}},
    {"mp3", 32, "mp3enc.dll", 30, "VBR - Quality Level 9 (Lowest)",
     {{0, 2}, {12, 9}, {6, -1}, {7, 2}, {8, -1}, {8, -1}, {16, 1}}},
    {"mp3", 32, "mp3enc.dll", 31, "Perfect Quality", {{0, 0}, {1, 320}, {6, 2}, {7, 9}, {8, -1}, {8, -1}, {16, 1}}},
    {"wav", 8, "wavenc.dll", 6, "ACPCM 44,100Hz 4bit Stereo", {{0, 19}, {1, 44100}, {2, 2}}},
    {"wav", 8, "wavenc.dll", 4, "Standard 22,050Hz Mono", {{0, 2}, {1, 22050}, {2, 1}}},
    {"aac", 6, "aacenc.dll", 3, "112 kbit/s", {{1, -1}, {0, 112000}, {3, 1}, {4, 1}, {6, 0}, {5, 0}}},
    {"ogg", 20, "oggenc.dll", 0, "VBR Quality-4(128 kbit/s)", {{0, 0}, {1, 400}}},
    {"ogg", 20, "oggenc.dll", 10, "VBR Quality-10(500 kbit/s)", {{0, 0}, {1, 1000}}},
    {"ogg", 20, "oggenc.dll", 19, "ABR(320 kbit/s)", {{0, 2}, {1, 320}}},
    {"ape", 4, "apeenc.dll", 1, "High Compression Level", {{1, 3000}}},
    {"mpc", 7, "mpcenc.dll", 1, "Telephone - Lowest quality(32... 48 kbps)", {{0, 200}}},
    {"flac", 1, "flacenc.dll", 0, "The same as the source", {}},
};

std::string ExecutableFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return ExtractFilePath(path).c_str();
}

TEST(AudioPresets, EachKindHasItsTableExtensionAndPlugin) {
  const std::string folder = ExecutableFolder();
  for (const TKindCase& kind : kKinds) {
    SCOPED_TRACE(std::string(kind.extension) + " " + std::to_string(kind.firstIndex));
    const auto preset = CreatePresetForExtension(kind.extension);
    ASSERT_NE(preset, nullptr);
    EXPECT_EQ(preset->GetExtension(), kind.extension);
    EXPECT_EQ(preset->GetPresetCount(), kind.count);
    EXPECT_EQ(preset->GetPluginPath(), folder + ".\\" + kind.plugin);
    EXPECT_EQ(preset->GetPresetName(kind.firstIndex), kind.name);
    const EncoderParamBlock block = Filled(*preset, kind.firstIndex);
    EXPECT_EQ(PairsOf(block), kind.pairs);
    EXPECT_EQ(block.count, static_cast<int>(kind.pairs.size()));
    EXPECT_EQ(preset->GetPresetName(kind.count), "");
    EXPECT_EQ(preset->GetPresetName(-1), "");
  }
  EXPECT_EQ(CreatePresetForExtension("avi"), nullptr);
}

TEST(AudioPresets, EveryMp3BlockCountsSevenWithTheOutputRateTwiceAndCdQualityIsCbr192) {
  const LamePreset mp3;
  for (int i = 0; i < mp3.GetPresetCount(); ++i) {
    const EncoderParamBlock block = Filled(mp3, i);
    ASSERT_EQ(block.count, 7) << i;
    EXPECT_EQ(block.pairs[4].id, 8);
    EXPECT_EQ(block.pairs[4].value, -1);
    EXPECT_EQ(block.pairs[5].id, 8);
    EXPECT_EQ(block.pairs[5].value, -1);
  }
  EXPECT_EQ(PairsOf(Filled(mp3, 1)), PairsOf(Filled(mp3, 5)));
  EXPECT_EQ(mp3.GetPresetName(5), "CBR 192 kbit/s");
  EXPECT_EQ(mp3.GetPresetName(1), "CD-Quality");
}

TEST(AudioPresets, AnIndexPastTheTableLeavesTheBlockAsItWas) {
  const std::unique_ptr<PresetBase> kinds[] = {std::make_unique<LamePreset>(), std::make_unique<OggPreset>(),
                                               std::make_unique<FlacPreset>(), std::make_unique<WavPreset>()};
  for (const auto& preset : kinds) {
    EncoderParamBlock block = Filled(*preset, 0);
    const auto before = PairsOf(block);
    const int count = block.count;
    preset->GetPresetParams(preset->GetPresetCount(), block);
    preset->GetPresetParams(-1, block);
    EXPECT_EQ(block.count, count) << preset->GetExtension();
    EXPECT_EQ(PairsOf(block), before) << preset->GetExtension();
  }
}

std::string ListFile(const std::string& folder, const std::string& name, const char* text) {
  const std::string path = folder + "\\" + name;
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

TEST(AudioPresets, ListedKindsOfferTheLinesOfTheirListFile) {
  const std::string folder = testsupport::FreshTempFolder("audio-lists");
  const WMA9Preset three(ListFile(folder, "three.lst", "Voice 16 kbit/s\r\nMusic 64 kbit/s\r\nCD 128 kbit/s\r\n").c_str());
  EXPECT_EQ(three.GetPresetCount(), 3);
  EXPECT_EQ(three.GetPresetName(1), "Music 64 kbit/s");
  EXPECT_EQ(three.GetPresetName(3), "");
  EXPECT_EQ(PairsOf(Filled(three, 2)), (std::vector<std::pair<int, int>>{{0, 2}}));
  EXPECT_EQ(Filled(three, 2).count, 1);
  EXPECT_EQ(three.GetExtension(), "wma");

  const RealPreset empty(ListFile(folder, "empty.lst", "").c_str());
  EXPECT_EQ(empty.GetPresetCount(), 0);

  const RealPreset missing((folder + "\\missing.lst").c_str());
  EXPECT_EQ(missing.GetPresetCount(), 1);
  EXPECT_EQ(missing.GetPresetName(0), "The same as the source");
  EXPECT_EQ(missing.GetPresetName(5), "The same as the source");
  EXPECT_EQ(Filled(missing, 0).count, 0);
  EXPECT_EQ(missing.GetExtension(), "ra");
}

TSettingBaseForm* MakeBaseDialog() { return new TSettingBaseForm(nullptr); }

TEST(AudioPresets, SettingsDialogsComeFromTheFactoryRegisteredForTheKind) {
  const LamePreset mp3;
  const OggPreset ogg;
  EXPECT_FALSE(mp3.HasSettingsDialog());
  EXPECT_EQ(mp3.CreateSettingsDialog(), nullptr);
  const TSettingsDialogFactory previous = RegisterSettingsDialog(TAudioKind::Mp3, &MakeBaseDialog);
  EXPECT_TRUE(mp3.HasSettingsDialog());
  EXPECT_FALSE(ogg.HasSettingsDialog());
  std::unique_ptr<TSettingBaseForm> dialog(mp3.CreateSettingsDialog());
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(std::string(dialog->Caption().c_str()), "Encoder Settings");
  EncoderParamBlock block{};
  block.pairs[3] = {5, 5};
  EXPECT_EQ(dialog->GetParams(block), 0);
  EXPECT_EQ(block.pairs[3].id, 0);
  EXPECT_EQ(RegisterSettingsDialog(TAudioKind::Mp3, previous), &MakeBaseDialog);
  EXPECT_FALSE(mp3.HasSettingsDialog());
}

}  // namespace
