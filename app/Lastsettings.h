#pragma once
#include <variant>
#include <vector>

#include "classlib/runtime/AnsiString.h"

// The values the windows remember between runs: one INI file (the program's folder +
// the environment's ConfigFile), section "LastSettings". Every read and every write
// opens the file anew and closes it again; nothing is cached, so the last writing of a
// key wins. A missing file or key, or text where a number belongs, reads as the key's
// default.

struct TTextSetting {
  const char* Key;
  AnsiString (*Default)();
};
struct TIntegerSetting {
  const char* Key;
  int (*Default)();
};
struct TBoolSetting {
  const char* Key;
  bool Default;
};

// The keys.
namespace lastsettings {

// The output folder of the main window; default: the documents folder + "\" + the
// environment's DefaultOutputFolder + "\".
extern const TTextSetting OutputFolder;
// The main window's "Preview Movie" box; default true.
extern const TBoolSetting PreviewMovie;
// The add-folder dialog's "Include subdirectories" box (0/1); default 0.
extern const TIntegerSetting IncludedSubdir;
// The analysis dialog's auto-close box (0/1); default 1.
extern const TIntegerSetting AutoCloseAnalysisForm;
// The advanced job settings dialog's size; defaults 705 and 740.
extern const TIntegerSetting AdvanceSettingsFormWidth;
extern const TIntegerSetting AdvanceSettingsFormHeight;
// The output settings dialog: its "Custom" button (0/1, default 0), its "Fix Aspect
// Ratio" box (0/1, default 0), the output category chosen last (0..16, default the
// environment's nDefaultFormat) and the name of the audio preset chosen last (default "",
// written only).
extern const TIntegerSetting ShowCustom;
extern const TIntegerSetting FixAspectRatio;
extern const TIntegerSetting LastFormat;
extern const TTextSetting LastAudioScheme;
// How a file with several video or audio streams is probed: 0 the first streams, 1 the
// user chooses. The options dialog shows 1 when the key is absent; the engine's probe
// reads the same key with 0 as its default.
extern const TIntegerSetting MultiStreamsMethod;
// The device transfer dialog's running number; default 10001.
extern const TIntegerSetting PSPOutputIndex;

// The output categories by code: 0 3GP, 1 AVI, 2 MPEG, 3 MP4, 4 WMV, 5 RealMedia, 6 MOV,
// 7 FLV, 8 MP3, 9 WMA, 10 WAV, 11 RA, 12 OGG, 13 AAC, 14 APE, 15 MPC, 16 FLAC.
constexpr int kFormatCount = 17;
// The name of the profile or preset chosen last per output category ("Last3GPProfile",
// ..., "LastFLACProfile"); default "".
extern const TTextSetting LastProfile[kFormatCount];

}  // namespace lastsettings

// Every key, for whoever needs to go through all of them.
using TLastSetting = std::variant<const TTextSetting*, const TIntegerSetting*, const TBoolSetting*>;
const std::vector<TLastSetting>& AllLastSettings();

// The settings file's path.
AnsiString LastSettingsFile();

AnsiString ReadSetting(const TTextSetting& setting);
int ReadSetting(const TIntegerSetting& setting);
bool ReadSetting(const TBoolSetting& setting);
// Writes at once; a file that cannot be written raises EIniFileException.
void WriteSetting(const TTextSetting& setting, const AnsiString& value);
void WriteSetting(const TIntegerSetting& setting, int value);
void WriteSetting(const TBoolSetting& setting, bool value);
