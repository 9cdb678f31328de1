#include "engine/Profilemanager.h"

#include <algorithm>

#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/FileUtils.h"
#include "classlib/runtime/Format.h"
#include "classlib/runtime/IniFiles.h"
#include "engine/Quorinvccommon.h"
#include "engine/Quorinvcenvloader.h"
#include "engine/Videoprofilekinds.h"

namespace {

void ShowReadFailure(const AnsiString& path) {
  ShowMessageBox("Failed to read the Profiles file:\n" + path, EnvLoader.ApplicationName, MB_ICONSTOP);
}

}  // namespace

TProfileManager::TProfileManager(const AnsiString& profileFolder)
    : profileFolder_(profileFolder), onReadFailure_(&ShowReadFailure) {}

TProfileManager::~TProfileManager() = default;

void TProfileManager::CheckIndex(int index) const {
  if (index < 0 || index >= GetCount()) throw EListError(Format("List index out of bounds (%d)", index));
}

TVideoProfile* TProfileManager::GetProfile(int index) const {
  CheckIndex(index);
  return profiles_[index].get();
}

void TProfileManager::AddProfile(std::unique_ptr<TVideoProfile> profile) {
  const auto place = std::upper_bound(profiles_.begin(), profiles_.end(), profile,
                                      [](const auto& a, const auto& b) { return CompareProfiles(a.get(), b.get()) < 0; });
  profiles_.insert(place, std::move(profile));
}

void TProfileManager::DeleteProfile(int index) {
  CheckIndex(index);
  profiles_[index]->DeleteFile();
  removed_.push_back(std::move(profiles_[index]));
  profiles_.erase(profiles_.begin() + index);
}

void TProfileManager::Clear() { profiles_.clear(); }

void TProfileManager::LoadProfiles() {
  Clear();
  TSearchRec found;
  for (int result = FindFirst(profileFolder_ + "*.pf", faAnyFile, found); result == 0; result = FindNext(found)) {
    if ((found.Attr & faDirectory) != 0) continue;
    const AnsiString path = profileFolder_ + found.Name;
    try {
      LoadProfileFile(path);
    } catch (const Exception&) {
      if (onReadFailure_) onReadFailure_(path);
    }
  }
  FindClose(found);
}

void TProfileManager::LoadProfileFile(const AnsiString& path) {
  TMemIniFile ini(path);
  const AnsiString name = ini.ReadString("ProfileCommon", "ProfileName", "Unknow");
  std::unique_ptr<TVideoProfile> profile =
      CreateProfileOfFormat(ini.ReadString("ProfileCommon", "VideoFormat", ""), name, path);
  if (profile && profile->LoadFromFile()) AddProfile(std::move(profile));
}

int CompareProfiles(const TVideoProfile* a, const TVideoProfile* b) {
  const auto codeA = static_cast<int8_t>(a->FormatCode());
  const auto codeB = static_cast<int8_t>(b->FormatCode());
  if (codeB < codeA) return 1;
  if (codeB > codeA) return -1;
  const int byName = a->ProfileName.Compare(b->ProfileName);
  return (byName > 0) - (byName < 0);
}
