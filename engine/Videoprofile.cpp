#include "engine/Videoprofile.h"

#include <cmath>

#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/FileUtils.h"
#include "classlib/runtime/IniFiles.h"
#include "classlib/runtime/SysUtils.h"
#include "engine/Quorinvccommon.h"
#include "engine/Quorinvcenvloader.h"

namespace {

const char* const kCommonSection = "ProfileCommon";
const char* const kParamSection = "AdditionalParam";
const char* const kNameKey = "ProfileName";
const char* const kFormatKey = "VideoFormat";
const char* const kUnnamed = "Unknow";

// One pair of double quotes keeps blanks at both ends of the name; reading removes it.
AnsiString QuotedName(const AnsiString& name) { return "\"" + name + "\""; }

// A file made empty in the target's folder, removed again unless it was put in the
// target's place.
class TReplacementFile {
 public:
  explicit TReplacementFile(const AnsiString& target) {
    char name[MAX_PATH + 1] = {};
    const AnsiString folder = ExtractFilePath(ExpandFileName(target));
    if (GetTempFileNameA(folder.c_str(), "pf", 0, name) == 0) RaiseLastOSError();
    path_ = name;
  }
  ~TReplacementFile() {
    if (!path_.IsEmpty()) ::DeleteFileA(path_.c_str());
  }
  TReplacementFile(const TReplacementFile&) = delete;
  TReplacementFile& operator=(const TReplacementFile&) = delete;

  const AnsiString& Path() const { return path_; }

  // Puts the file in the target's place. A read-only target is never replaced.
  void Replace(const AnsiString& target) {
    const int attributes = FileGetAttr(target);
    if (attributes != -1 && (attributes & faReadOnly) != 0) {
      throw EInOutError(Format("Cannot replace the read-only file %s", target));
    }
    if (!MoveFileExA(path_.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      RaiseLastOSError();
    }
    path_ = AnsiString();
  }

 private:
  AnsiString path_;
};

bool SameFile(const AnsiString& a, const AnsiString& b) { return SameText(ExpandFileName(a), ExpandFileName(b)); }

}  // namespace

TVideoProfile::TVideoProfile(const TProfileKind& kind, const AnsiString& name, const AnsiString& filePath)
    : ProfileName(name),
      kind_(kind),
      filePath_(filePath),
      paramNames_(std::make_unique<TStringList>()),
      paramValues_(std::make_unique<TStringList>()) {}

TVideoProfile::~TVideoProfile() = default;

bool TVideoProfile::LoadFromFile() {
  try {
    TMemIniFile ini(filePath_);
    ProfileName = ini.ReadString(kCommonSection, kNameKey, kUnnamed);
    if (UpperCase(ini.ReadString(kCommonSection, kFormatKey, "")) != kind_.formatName) return false;
    const TProfileFields fields = Fields();
    for (const TProfileField& entry : fields.Entries()) {
      SetFieldFromText(entry, ini.ReadString(kind_.section, entry.key, FieldDefaultText(entry)));
    }
    paramNames_->Clear();
    paramValues_->Clear();
    ini.ReadSection(kParamSection, paramNames_.get());
    for (int i = 0; i < paramNames_->Count(); ++i) {
      paramValues_->Add(ini.ReadString(kParamSection, paramNames_->Strings(i), ""));
    }
    return true;
  } catch (const Exception&) {
    return false;
  }
}

bool TVideoProfile::SaveToFile(const AnsiString& target) {
  try {
    const AnsiString path = target.IsEmpty() ? MakeProfileFileName(this) : target;
    TReplacementFile replacement(path);
    WriteTo(replacement.Path());
    replacement.Replace(path);
    if (!filePath_.IsEmpty() && !SameFile(filePath_, path)) ::DeleteFileA(filePath_.c_str());
    filePath_ = path;
    return true;
  } catch (const Exception&) {
    return false;
  }
}

void TVideoProfile::WriteTo(const AnsiString& path) const {
  TMemIniFile ini(path);
  ini.Clear();
  ini.WriteString(kCommonSection, kNameKey, QuotedName(ProfileName));
  ini.WriteString(kCommonSection, kFormatKey, kind_.formatName);
  const TProfileFields fields = ReadOnlyFields();
  for (const TProfileField& entry : fields.Entries()) {
    ini.WriteString(kind_.section, entry.key, FieldText(entry));
  }
  for (int i = 0; i < paramNames_->Count(); ++i) {
    ini.WriteString(kParamSection, paramNames_->Strings(i), paramValues_->Strings(i));
  }
  ini.UpdateFile();
}

bool TVideoProfile::SameKindAndName(const TVideoProfile* other) const {
  return other != nullptr && other->FormatCode() == FormatCode() && other->ProfileName == ProfileName;
}

bool TVideoProfile::IsEqual(const TVideoProfile* other) const {
  return SameKindAndName(other) && ReadOnlyFields().SameValues(other->ReadOnlyFields());
}

std::unique_ptr<TVideoProfile> TVideoProfile::Clone() const {
  std::unique_ptr<TVideoProfile> copy = NewOfKind(ProfileName, filePath_);
  ReadOnlyFields().CopyTo(copy->Fields());
  copy->paramNames_->AddStrings(paramNames_.get());
  copy->paramValues_->AddStrings(paramValues_.get());
  return copy;
}

int32_t TVideoProfile::EstimateOutputSize(double seconds) const {
  (void)seconds;
  return 0;
}

int32_t TVideoProfile::EstimateFromBitrates(int32_t videoBitrate, int32_t audioBitrate, double seconds) {
  // The sum is a 32-bit sum and the answer the low 32 bits of the truncated kilobytes.
  // Dividing by 1000 (rather than multiplying by an inexact 0.001) keeps whole
  // kilobytes whole: 816000 bit/s for 1 s is 102 KB, not 101.
  const auto bitrate = static_cast<int32_t>(static_cast<uint32_t>(videoBitrate) + static_cast<uint32_t>(audioBitrate));
  const long double kilobytes = std::trunc(static_cast<long double>(bitrate) * seconds * 0.125L / 1000.0L);
  if (!std::isfinite(kilobytes)) return 0;
  const auto wrapped = static_cast<int64_t>(std::fmod(kilobytes, 4294967296.0L));
  return static_cast<int32_t>(static_cast<uint32_t>(wrapped));
}

void TVideoProfile::SetAdditionalParam(const AnsiString& name, const AnsiString& value) {
  for (int i = 0; i < paramNames_->Count(); ++i) {
    if (paramNames_->Strings(i) == name) {
      paramValues_->SetStrings(i, value);
      return;
    }
  }
  paramNames_->Add(name);
  paramValues_->Add(value);
}

void TVideoProfile::DeleteFile() const {
  if (!filePath_.IsEmpty()) ::DeleteFileA(filePath_.c_str());
}

AnsiString ProfileFileTitle(const AnsiString& name) {
  AnsiString title = name;
  for (int i = 1; i <= title.Length(); ++i) {
    if (AnsiString("/\\:*?\"<>|").Pos(AnsiString(title[i])) > 0) title[i] = '_';
  }
  return title;
}

AnsiString MakeProfileFileName(const TVideoProfile* profile) {
  return ExecutableFolder() + EnvLoader.ProfilePath + ProfileFileTitle(profile->ProfileName) + ".pf";
}
