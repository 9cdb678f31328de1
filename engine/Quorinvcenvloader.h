#pragma once
#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/WinApi.h"

class TCustomIniFile;

// The output categories, in the fixed order of the environment file.
enum TOutputCategory {
  ocAVI, ocWMV, ocREAL, ocMP4, ocMPEG, ocMOV, ocThreeGP, ocFLV,
  ocMP3, ocWMA, ocWAV, ocOGG, ocRA, ocAAC, ocAPE, ocMPC, ocFLAC
};
constexpr int kOutputCategoryCount = 17;
// The code of each category in the key names ("AVI" in "ShowAVIFormat").
extern const char* const kOutputCategoryCodes[kOutputCategoryCount];

// How one output category is offered: whether at all, and where its picture and
// caption sit in the output settings dialog.
struct OutputFormatEntry {
  bool Show = false;
  RECT IconRect{};
  AnsiString Text;
  RECT TextRect{};
};

// A player screen size offered as a preview mode.
struct AddtionalPreviewMode {
  AnsiString Name;
  bool FixAspectRatio = false;
  int Width = 0;
  int Height = 0;
};

constexpr int kPreviewModeSlots = 4;

// What the installation decides: names, folders, files, links, layout and the visible
// output categories. Built with the defaults, then read once from the scrambled
// environment file beside the program; read-only afterwards. Relative folders and files
// are meant to be joined to the program's folder by plain concatenation.
class QuorinVCEnvLoader {
 public:
  QuorinVCEnvLoader();

  // Reads the scrambled environment file over the current values. False when the file
  // does not exist or cannot be read; nothing is changed then.
  bool LoadFromFile(const AnsiString& path);
  // Reads one category: the show flag, the caption, the caption rectangle and the icon
  // rectangle. A rectangle key that is absent gives 0,0,0,0; a malformed one keeps the
  // rectangle.
  void ReadFormatEntry(TCustomIniFile& ini, const AnsiString& showKey, const AnsiString& textKey,
                       const AnsiString& textRectKey, const AnsiString& iconRectKey, OutputFormatEntry& entry);
  // "left,top,right,bottom": true and `rect` set when all four are integers; false with
  // `rect` unchanged otherwise.
  static bool ParseRect(const AnsiString& text, RECT& rect);
  // A name "Tmp*.ini" in the temporary folder that no file has yet.
  static AnsiString MakeTempFileName();

  AnsiString ApplicationName;
  AnsiString ApplicationVersion;
  AnsiString ApplicationBuild;
  AnsiString SkinPath;
  AnsiString ApplicationIcon;
  AnsiString ProfilePath;
  AnsiString HelpFile;
  AnsiString ConfigFile;
  AnsiString DefaultOutputFolder;
  AnsiString LastVideoProfileFileName;
  AnsiString AudioEncoderPluginPath;
  int nDefaultFormat;
  AnsiString WebSiteURL;
  AnsiString SupportURL;
  AnsiString CodecDownloadURL;
  AnsiString CoverFormBackgroundFile;
  int CoverVersionTextPosX;
  int CoverVersionTextPosY;
  int CoverVersionTextColor;
  AnsiString CoverCopyrightText;
  int CoverCopyrightTextPosX;
  int CoverCopyrightTextPosY;
  int CoverCopyrightTextColor;
  int CoverLoadInfoTextPosX;
  int CoverLoadInfoTextPosY;
  int CoverLoadInfoTextColor;
  AnsiString MainFormFileListBackgroundFile;
  int MainFormStarTimeTagLeft;
  int MainFormEndTimeTagLeft;
  int MainFormProfileListIconWidth;
  int MainFormProfileListIconHeight;
  // "MainForm{X}IconFile" per category, indexed by TOutputCategory.
  AnsiString MainFormIconFile[kOutputCategoryCount];
  int IconsPanelHeight;
  AnsiString OutputSettingsIconsBackgroundFile;
  RECT IconsBackgroundRect;
  // Indexed by TOutputCategory.
  OutputFormatEntry FormatEntries[kOutputCategoryCount];
  // Slots in use, from the first: 0 to 4.
  int PreviewModeCount;
  AddtionalPreviewMode PreviewModes[kPreviewModeSlots];

 private:
  void ReadEnvironment(TCustomIniFile& ini);
  void ReadPreviewModes(TCustomIniFile& ini);
};

// The environment of the whole run.
extern QuorinVCEnvLoader EnvLoader;
