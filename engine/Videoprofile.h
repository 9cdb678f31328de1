#pragma once
#include <cstdint>
#include <memory>

#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/Strings.h"
#include "classlib/runtime/WinApi.h"  // DeleteFile below is renamed as the system's is
#include "engine/Profilefields.h"

// What sets one profile kind apart: its format code, the "VideoFormat" name it writes,
// the section of its own keys and its output extension.
struct TProfileKind {
  uint8_t code;
  const char* formatName;
  const char* section;
  const char* extension;
};

// A named set of output settings for one container format, kept in a ".pf" INI file:
// section "ProfileCommon" ("ProfileName", "VideoFormat"), the kind's section with its
// keys, and "AdditionalParam" with free name=value pairs handed to the encoder.
// The kinds (Videoprofilekinds.h) list their keys; reading, writing, comparing and
// copying are the same for all of them.
class TVideoProfile {
 public:
  virtual ~TVideoProfile();
  TVideoProfile(const TVideoProfile&) = delete;
  TVideoProfile& operator=(const TVideoProfile&) = delete;

  // Reads the file at FilePath(). False when the file is not of this kind (the name has
  // been read already) or reading failed; the fields keep what was read so far.
  bool LoadFromFile();
  // Writes the profile to `target`, or to MakeProfileFileName when `target` is empty.
  // The file is written beside the target first and then put in its place, so a failed
  // save leaves the old file (and FilePath()) as they were. After success FilePath() is
  // the new path, and the file of the previous path is removed when it was another one.
  // The file holds exactly what the profile writes. INI names ignore case, so additional
  // parameters whose names differ only in case become one key holding the last value.
  bool SaveToFile(const AnsiString& target);
  // Same kind, same name (case counts) and the same settings. The file path, the
  // extension and the additional parameters take no part.
  virtual bool IsEqual(const TVideoProfile* other) const;
  // A copy of the same kind with the same path, name, settings and additional parameters.
  std::unique_ptr<TVideoProfile> Clone() const;
  // Estimated output size in kilobytes (1000 bytes) for `seconds` of output.
  virtual int32_t EstimateOutputSize(double seconds) const;

  // Replaces the value of the parameter named exactly `name` (case counts), or appends it.
  void SetAdditionalParam(const AnsiString& name, const AnsiString& value);
  // Deletes the file at FilePath(); a failure is ignored.
  void DeleteFile() const;

  const AnsiString& FilePath() const { return filePath_; }
  uint8_t FormatCode() const { return kind_.code; }
  // The output extension with its leading dot.
  virtual AnsiString Extension() const { return kind_.extension; }
  // Names and values of the additional parameters: entry i of the values belongs to
  // entry i of the names, and both lists always have the same count.
  TStringList* AdditionalParamNames() const { return paramNames_.get(); }
  TStringList* AdditionalParamValues() const { return paramValues_.get(); }

  AnsiString ProfileName;
  // Output size in pixels; 0 takes the source size less the crop.
  int32_t Width = 0;
  int32_t Height = 0;

 protected:
  TVideoProfile(const TProfileKind& kind, const AnsiString& name, const AnsiString& filePath);

  // The kind's keys in file order, bound to this profile's fields.
  virtual TProfileFields Fields() = 0;
  // A fresh profile of the same kind, with its defaults.
  virtual std::unique_ptr<TVideoProfile> NewOfKind(const AnsiString& name, const AnsiString& filePath) const = 0;
  // The kinds call this from their constructors.
  void SetDefaults() { Fields().SetDefaults(); }
  // (video + audio bit/s) x seconds / 8 / 1000, truncated.
  static int32_t EstimateFromBitrates(int32_t videoBitrate, int32_t audioBitrate, double seconds);
  // The field table of a profile that is only read (comparing, copying from, writing).
  TProfileFields ReadOnlyFields() const { return const_cast<TVideoProfile*>(this)->Fields(); }
  // The first two steps of every equality rule: same kind, same name.
  bool SameKindAndName(const TVideoProfile* other) const;

 private:
  void ReadFrom(const AnsiString& path);
  void WriteTo(const AnsiString& path) const;

  const TProfileKind& kind_;
  AnsiString filePath_;
  std::unique_ptr<TStringList> paramNames_;
  std::unique_ptr<TStringList> paramValues_;
};

// The default file of a profile: the executable's folder, the environment's profile
// folder, the name with each of / \ : * ? " < > | replaced by "_", and ".pf".
AnsiString MakeProfileFileName(const TVideoProfile* profile);
// The name with each of / \ : * ? " < > | replaced by "_" (nothing else changes).
AnsiString ProfileFileTitle(const AnsiString& name);
