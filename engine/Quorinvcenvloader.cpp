#include "engine/Quorinvcenvloader.h"

#include <algorithm>

#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/FileUtils.h"
#include "classlib/runtime/IniFiles.h"
#include "classlib/runtime/Streams.h"
#include "classlib/runtime/SysUtils.h"
#include "engine/Envfilescrambling.h"
#include "engine/Quorinvccommon.h"

QuorinVCEnvLoader EnvLoader;

const char* const kOutputCategoryCodes[kOutputCategoryCount] = {
    "AVI", "WMV", "REAL", "MP4", "MPEG", "MOV", "3GP", "FLV", "MP3",
    "WMA", "WAV", "OGG",  "RA",  "AAC",  "APE", "MPC", "FLAC"};

namespace {

const char* const kSection = "Environment";
const char* const kNoRect = "0,0,0,0";

struct TextKey {
  const char* key;
  AnsiString QuorinVCEnvLoader::*field;
};

struct IntegerKey {
  const char* key;
  int QuorinVCEnvLoader::*field;
};

using L = QuorinVCEnvLoader;

const TextKey kTextKeys[] = {
    {"ApplicationName", &L::ApplicationName},
    {"ApplicationVersion", &L::ApplicationVersion},
    {"ApplicationBuild", &L::ApplicationBuild},
    {"SkinPath", &L::SkinPath},
    {"ApplicationIcon", &L::ApplicationIcon},
    {"ProfilePath", &L::ProfilePath},
    {"HelpFile", &L::HelpFile},
    {"ConfigFile", &L::ConfigFile},
    {"DefaultOutputFolder", &L::DefaultOutputFolder},
    {"LastVideoProfileFileName", &L::LastVideoProfileFileName},
    {"AudioEncoderPluginPath", &L::AudioEncoderPluginPath},
    {"WebSiteURL", &L::WebSiteURL},
    {"SupportURL", &L::SupportURL},
    {"CodecDownloadURL", &L::CodecDownloadURL},
    {"CoverFormBackgroundFile", &L::CoverFormBackgroundFile},
    {"CoverCopyrightText", &L::CoverCopyrightText},
    {"MainFormFileListBackgroundFile", &L::MainFormFileListBackgroundFile},
    {"OutputSettingsIconsBackgroundFile", &L::OutputSettingsIconsBackgroundFile},
};

const IntegerKey kIntegerKeys[] = {
    {"nDefaultFormat", &L::nDefaultFormat},
    {"CoverVersionTextPosX", &L::CoverVersionTextPosX},
    {"CoverVersionTextPosY", &L::CoverVersionTextPosY},
    {"CoverVersionTextColor", &L::CoverVersionTextColor},
    {"CoverCopyrightTextPosX", &L::CoverCopyrightTextPosX},
    {"CoverCopyrightTextPosY", &L::CoverCopyrightTextPosY},
    {"CoverCopyrightTextColor", &L::CoverCopyrightTextColor},
    {"CoverLoadInfoTextPosX", &L::CoverLoadInfoTextPosX},
    {"CoverLoadInfoTextPosY", &L::CoverLoadInfoTextPosY},
    {"CoverLoadInfoTextColor", &L::CoverLoadInfoTextColor},
    {"MainFormStarTimeTagLeft", &L::MainFormStarTimeTagLeft},
    {"MainFormEndTimeTagLeft", &L::MainFormEndTimeTagLeft},
    {"MainFormProfileListIconWidth", &L::MainFormProfileListIconWidth},
    {"MainFormProfileListIconHeight", &L::MainFormProfileListIconHeight},
    {"IconsPanelHeight", &L::IconsPanelHeight},
};

// Captions of the categories before the environment file names its own.
const char* const kDefaultCaptions[kOutputCategoryCount] = {
    "AVI", "WMV", "RMVB,RM", "MP4", "MPEG1/2", "MOV", "3GP,3G2", "FLV", "MP3",
    "WMA", "WAV", "OGG",     "RA",  "AAC",     "APE", "MPC",     "FLAC"};

constexpr int kFirstAudioCategory = ocMP3;

// A file deleted when the scope ends, however it ends.
class TemporaryFile {
 public:
  explicit TemporaryFile(const AnsiString& name) : name_(name) {}
  ~TemporaryFile() { DeleteFileA(name_); }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  const AnsiString& Name() const { return name_; }

 private:
  AnsiString name_;
};

}  // namespace

QuorinVCEnvLoader::QuorinVCEnvLoader()
    : ApplicationName("Quorin Video Converter"),
      ApplicationVersion("3.5.0"),
      ApplicationBuild("20080101"),
      SkinPath(".\\Skin\\FENNOX\\"),
      ApplicationIcon("AppIcon.ico"),
      ProfilePath(".\\profiles\\"),
      HelpFile(".\\QuorinVideoConverter.chm"),
      ConfigFile(".\\LastSettings.ini"),
      DefaultOutputFolder("My Videos"),
      LastVideoProfileFileName("LastVideoProfile.pf"),
      AudioEncoderPluginPath(".\\"),
      nDefaultFormat(0),
      WebSiteURL("http://www.example.com/"),
      SupportURL("mailto:support@example.com"),
      CodecDownloadURL("http://www.example.com/codecs/"),
      CoverFormBackgroundFile("Cover.jpg"),
      CoverVersionTextPosX(370),
      CoverVersionTextPosY(15),
      CoverVersionTextColor(0),
      CoverCopyrightText("Copyright (C) 2026 Quorin Software. All rights reserved."),
      CoverCopyrightTextPosX(9),
      CoverCopyrightTextPosY(236),
      CoverCopyrightTextColor(0),
      CoverLoadInfoTextPosX(373),
      CoverLoadInfoTextPosY(209),
      CoverLoadInfoTextColor(0xFFFFFF),
      MainFormFileListBackgroundFile("MainBackground.jpg"),
      MainFormStarTimeTagLeft(541),
      MainFormEndTimeTagLeft(711),
      MainFormProfileListIconWidth(36),
      MainFormProfileListIconHeight(13),
      IconsPanelHeight(113),
      OutputSettingsIconsBackgroundFile("OutputSettingsIconsBackgroundFile.png"),
      IconsBackgroundRect{16, 0, 636, 83},
      PreviewModeCount(3),
      PreviewModes{{"Play on iPod", false, 320, 240},
                   {"Play on PSP", true, 480, 272},
                   {"Play on iPod Touch", true, 480, 320},
                   {}} {
  for (int i = 0; i < kOutputCategoryCount; ++i) {
    MainFormIconFile[i] = LowerCase(kOutputCategoryCodes[i]) + ".png";
    FormatEntries[i].Show = i < kFirstAudioCategory;
    FormatEntries[i].Text = kDefaultCaptions[i];
  }
}

bool QuorinVCEnvLoader::LoadFromFile(const AnsiString& path) {
  if (!FileExists(path)) return false;
  try {
    TMemoryStream bytes;
    bytes.LoadFromFile(path);
    ScrambleEnvBytes(static_cast<unsigned char*>(bytes.Memory()), static_cast<size_t>(bytes.Size()));
    const TemporaryFile plain(MakeTempFileName());
    bytes.SaveToFile(plain.Name());
    QuorinVCEnvLoader loaded(*this);
    TMemIniFile ini(plain.Name());
    loaded.ReadEnvironment(ini);
    *this = loaded;
    return true;
  } catch (const Exception&) {
    return false;
  }
}

void QuorinVCEnvLoader::ReadEnvironment(TCustomIniFile& ini) {
  for (const TextKey& k : kTextKeys) this->*k.field = ini.ReadString(kSection, k.key, this->*k.field);
  for (const IntegerKey& k : kIntegerKeys) this->*k.field = ini.ReadInteger(kSection, k.key, this->*k.field);
  for (int i = 0; i < kOutputCategoryCount; ++i) {
    const AnsiString key = AnsiString("MainForm") + kOutputCategoryCodes[i] + "IconFile";
    MainFormIconFile[i] = ini.ReadString(kSection, key, MainFormIconFile[i]);
  }
  ParseRect(ini.ReadString(kSection, "IconsBackgroundRect", kNoRect), IconsBackgroundRect);
  for (int i = 0; i < kOutputCategoryCount; ++i) {
    const AnsiString code = kOutputCategoryCodes[i];
    ReadFormatEntry(ini, "Show" + code + "Format", code + "Text", code + "TextRect", code + "IconRect",
                    FormatEntries[i]);
  }
  ReadPreviewModes(ini);
}

void QuorinVCEnvLoader::ReadFormatEntry(TCustomIniFile& ini, const AnsiString& showKey, const AnsiString& textKey,
                                        const AnsiString& textRectKey, const AnsiString& iconRectKey,
                                        OutputFormatEntry& entry) {
  entry.Show = ini.ReadBool(kSection, showKey, entry.Show);
  entry.Text = ini.ReadString(kSection, textKey, entry.Text);
  ParseRect(ini.ReadString(kSection, textRectKey, kNoRect), entry.TextRect);
  ParseRect(ini.ReadString(kSection, iconRectKey, kNoRect), entry.IconRect);
}

// The count is kept within the four slots, whatever the file says.
void QuorinVCEnvLoader::ReadPreviewModes(TCustomIniFile& ini) {
  PreviewModeCount = std::clamp(ini.ReadInteger(kSection, "PreviewModeCount", PreviewModeCount), 0, kPreviewModeSlots);
  for (int n = 1; n <= PreviewModeCount; ++n) {
    AddtionalPreviewMode& mode = PreviewModes[n - 1];
    const AnsiString number = IntToStr(n);
    mode.Name = ini.ReadString(kSection, "PreviewModeName" + number, mode.Name);
    mode.FixAspectRatio = ini.ReadBool(kSection, "PreviewModeFixAspectRatio" + number, mode.FixAspectRatio);
    mode.Width = ini.ReadInteger(kSection, "PreviewModeWidth" + number, mode.Width);
    mode.Height = ini.ReadInteger(kSection, "PreviewModeHeight" + number, mode.Height);
  }
}

bool QuorinVCEnvLoader::ParseRect(const AnsiString& text, RECT& rect) {
  int values[4];
  AnsiString rest = text;
  for (int i = 0; i < 3; ++i) {
    const int comma = rest.Pos(",");
    if (comma == 0 || !TryStrToInt(rest.SubString(1, comma - 1), values[i])) return false;
    rest = rest.SubString(comma + 1, rest.Length());
  }
  if (!TryStrToInt(rest, values[3])) return false;
  rect = RECT{values[0], values[1], values[2], values[3]};
  return true;
}

AnsiString QuorinVCEnvLoader::MakeTempFileName() {
  const AnsiString folder = GetTempFolder();
  AnsiString name;
  do {
    char created[MAX_PATH] = {};
    if (GetTempFileNameA(folder.c_str(), "Tmp", 0, created) == 0) RaiseLastOSError();
    DeleteFileA(AnsiString(created));
    name = ChangeFileExt(created, ".ini");
  } while (FileExists(name));
  return name;
}
