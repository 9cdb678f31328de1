#include "app/Lastsettings.h"

#include "classlib/runtime/IniFiles.h"
#include "engine/Quorinvccommon.h"
#include "engine/Quorinvcenvloader.h"

namespace {

constexpr const char* kSection = "LastSettings";

AnsiString DefaultOutputFolder() { return GetMyDocumentsFolder() + "\\" + EnvLoader.DefaultOutputFolder + "\\"; }
AnsiString Empty() { return AnsiString(); }
int DefaultFormat() { return EnvLoader.nDefaultFormat; }

template <int Value>
int Constant() {
  return Value;
}

}  // namespace

namespace lastsettings {

const TTextSetting OutputFolder{"OutputFolder", &DefaultOutputFolder};
const TBoolSetting PreviewMovie{"PreviewMovie", true};
const TIntegerSetting IncludedSubdir{"IncludedSubdir", &Constant<0>};
const TIntegerSetting AutoCloseAnalysisForm{"AutoCloseAnalysisForm", &Constant<1>};
const TIntegerSetting AdvanceSettingsFormWidth{"AdvanceSettingsFormWidth", &Constant<705>};
const TIntegerSetting AdvanceSettingsFormHeight{"AdvanceSettingsFormHeight", &Constant<740>};
const TIntegerSetting ShowCustom{"ShowCustom", &Constant<0>};
const TIntegerSetting FixAspectRatio{"FixAspectRatio", &Constant<0>};
const TIntegerSetting LastFormat{"LastFormat", &DefaultFormat};
const TTextSetting LastAudioScheme{"LastAudioScheme", &Empty};
const TIntegerSetting MultiStreamsMethod{"MultiStreamsMethod", &Constant<1>};
const TIntegerSetting PSPOutputIndex{"PSPOutputIndex", &Constant<10001>};

const TTextSetting LastProfile[kFormatCount] = {
    {"Last3GPProfile", &Empty}, {"LastAVIProfile", &Empty},  {"LastMPEGProfile", &Empty},
    {"LastMP4Profile", &Empty}, {"LastWMVProfile", &Empty},  {"LastRealProfile", &Empty},
    {"LastMOVProfile", &Empty}, {"LastFLVProfile", &Empty},  {"LastMP3Profile", &Empty},
    {"LastWMAProfile", &Empty}, {"LastWAVProfile", &Empty},  {"LastRAProfile", &Empty},
    {"LastOGGProfile", &Empty}, {"LastAACProfile", &Empty},  {"LastAPEProfile", &Empty},
    {"LastMPCProfile", &Empty}, {"LastFLACProfile", &Empty}};

}  // namespace lastsettings

const std::vector<TLastSetting>& AllLastSettings() {
  using namespace lastsettings;
  static const std::vector<TLastSetting> all = [] {
    std::vector<TLastSetting> keys{&OutputFolder,   &PreviewMovie,    &IncludedSubdir, &AutoCloseAnalysisForm,
                                   &AdvanceSettingsFormWidth, &AdvanceSettingsFormHeight, &ShowCustom,
                                   &FixAspectRatio, &LastFormat,      &LastAudioScheme, &MultiStreamsMethod,
                                   &PSPOutputIndex};
    for (const TTextSetting& key : LastProfile) keys.emplace_back(&key);
    return keys;
  }();
  return all;
}

AnsiString LastSettingsFile() { return ExecutableFolder() + EnvLoader.ConfigFile; }

AnsiString ReadSetting(const TTextSetting& setting) {
  TIniFile ini(LastSettingsFile());
  return ini.ReadString(kSection, setting.Key, setting.Default());
}

int ReadSetting(const TIntegerSetting& setting) {
  TIniFile ini(LastSettingsFile());
  return ini.ReadInteger(kSection, setting.Key, setting.Default());
}

bool ReadSetting(const TBoolSetting& setting) {
  TIniFile ini(LastSettingsFile());
  return ini.ReadBool(kSection, setting.Key, setting.Default);
}

void WriteSetting(const TTextSetting& setting, const AnsiString& value) {
  TIniFile ini(LastSettingsFile());
  ini.WriteString(kSection, setting.Key, value);
}

void WriteSetting(const TIntegerSetting& setting, int value) {
  TIniFile ini(LastSettingsFile());
  ini.WriteInteger(kSection, setting.Key, value);
}

void WriteSetting(const TBoolSetting& setting, bool value) {
  TIniFile ini(LastSettingsFile());
  ini.WriteBool(kSection, setting.Key, value);
}
