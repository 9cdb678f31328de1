#pragma once
#include <memory>
#include <string>
#include <vector>

#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/Strings.h"
#include "media/contracts/AudioEncoderPlugin.h"

class TSettingBaseForm;

// The audio output kinds.
enum class TAudioKind { Mp3, Wma, Wav, Aac, Ogg, Real, Ape, Mpc, Flac };

// Makes a codec settings dialog of one kind (without an owner).
using TSettingsDialogFactory = TSettingBaseForm* (*)();
// Puts `factory` in charge of the dialog of `kind` (null takes it away); answers the one
// it replaces. Kinds without a factory have no settings dialog.
TSettingsDialogFactory RegisterSettingsDialog(TAudioKind kind, TSettingsDialogFactory factory);

// One audio output kind: which plug-in encodes it, its extension, its named presets and
// the parameter block each preset hands the plug-in.
class PresetBase {
 public:
  virtual ~PresetBase() = default;
  // The executable's folder, the environment's plug-in folder, the plug-in's file name.
  virtual std::string GetPluginPath() const;
  virtual std::string GetExtension() const = 0;
  virtual int GetPresetCount() const = 0;
  // Empty for an index outside the table.
  virtual std::string GetPresetName(int index) const = 0;
  // Writes the preset's pairs from the first slot on and sets the count; leaves the
  // block as it was for an index outside the table.
  virtual void GetPresetParams(int index, EncoderParamBlock& block) const = 0;
  virtual bool HasSettingsDialog() const;
  // A new dialog without an owner, or null.
  virtual TSettingBaseForm* CreateSettingsDialog() const;

  virtual TAudioKind Kind() const = 0;
  virtual const char* PluginFileName() const = 0;
};

// What names one kind: its plug-in's file name and its output extension.
struct TAudioKindInfo {
  TAudioKind Kind;
  const char* PluginFileName;
  const char* Extension;
};

// One named preset of a fixed table.
struct TPresetRow {
  std::string Name;
  std::vector<EncoderParamPair> Pairs;
};

// The kinds, each described by its TAudioKindInfo.
class TDescribedPreset : public PresetBase {
 public:
  explicit TDescribedPreset(const TAudioKindInfo& info) : Info(info) {}
  std::string GetExtension() const override { return Info.Extension; }
  TAudioKind Kind() const override { return Info.Kind; }
  const char* PluginFileName() const override { return Info.PluginFileName; }

 private:
  const TAudioKindInfo& Info;
};

// The kinds whose presets are a fixed table.
class TFixedPreset : public TDescribedPreset {
 public:
  TFixedPreset(const TAudioKindInfo& info, const std::vector<TPresetRow>& rows)
      : TDescribedPreset(info), Rows(rows) {}
  int GetPresetCount() const override;
  std::string GetPresetName(int index) const override;
  void GetPresetParams(int index, EncoderParamBlock& block) const override;

 private:
  const TPresetRow* RowAt(int index) const;

  const std::vector<TPresetRow>& Rows;
};

// The kinds whose presets are the lines of a list file (one name per line, read once);
// the plug-in receives the chosen line's number as the pair (0, line). Without the file
// there is one preset, "The same as the source", with no pairs.
class TListedPreset : public TDescribedPreset {
 public:
  TListedPreset(const TAudioKindInfo& info, const AnsiString& listPath);
  int GetPresetCount() const override;
  std::string GetPresetName(int index) const override;
  void GetPresetParams(int index, EncoderParamBlock& block) const override;

 private:
  std::unique_ptr<TStringList> List;
};

class LamePreset : public TFixedPreset {
 public:
  LamePreset();
};
class WavPreset : public TFixedPreset {
 public:
  WavPreset();
};
class AacPreset : public TFixedPreset {
 public:
  AacPreset();
};
class OggPreset : public TFixedPreset {
 public:
  OggPreset();
};
class ApePreset : public TFixedPreset {
 public:
  ApePreset();
};
class MpcPreset : public TFixedPreset {
 public:
  MpcPreset();
};
// One preset, "The same as the source", with no pairs.
class FlacPreset : public TFixedPreset {
 public:
  FlacPreset();
};
class WMA9Preset : public TListedPreset {
 public:
  explicit WMA9Preset(const AnsiString& listPath);
};
class RealPreset : public TListedPreset {
 public:
  explicit RealPreset(const AnsiString& listPath);
};

// The preset of the kind with the output extension `extension` ("mp3", "wma", "wav", "aac",
// "ogg", "ra", "ape", "mpc", "flac"; the listed kinds read "WMA9Format.Lst" and
// "Audiences.Lst" beside the executable); null for another extension.
std::unique_ptr<PresetBase> CreatePresetForExtension(const std::string& extension);
