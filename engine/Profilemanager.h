#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "classlib/runtime/AnsiString.h"
#include "engine/Videoprofile.h"

// Every video profile of the profile folder, kept in the order of CompareProfiles
// (format code, then name) for display. The manager owns its profiles.
class TProfileManager {
 public:
  // Told of a ".pf" file that could not be read; loading goes on with the next file.
  using TReadFailureHandler = std::function<void(const AnsiString& path)>;

  // `profileFolder` ends with a path separator; patterns and file names are appended to it.
  explicit TProfileManager(const AnsiString& profileFolder);
  ~TProfileManager();
  TProfileManager(const TProfileManager&) = delete;
  TProfileManager& operator=(const TProfileManager&) = delete;

  int GetCount() const { return static_cast<int>(profiles_.size()); }
  // The profile at `index` of the sorted list; a bad index raises EListError.
  TVideoProfile* GetProfile(int index) const;
  // Takes the profile and puts it in its sorted place (after those that compare equal).
  void AddProfile(std::unique_ptr<TVideoProfile> profile);
  // Deletes the profile's file and takes it off the list. The object itself lives on
  // until the manager is freed, since lists of the windows may still show it.
  void DeleteProfile(int index);
  // Frees every profile of the list.
  void Clear();
  // Empties the list and loads every profile file of the folder. A file that is no
  // profile of a known kind is passed over; one that cannot be read goes to the read
  // failure handler.
  void LoadProfiles();

  // By default a stop-icon message "Failed to read the Profiles file:" with the path.
  void SetReadFailureHandler(TReadFailureHandler handler) { onReadFailure_ = std::move(handler); }

 private:
  void LoadProfileFile(const AnsiString& path);
  void CheckIndex(int index) const;

  AnsiString profileFolder_;
  std::vector<std::unique_ptr<TVideoProfile>> profiles_;
  std::vector<std::unique_ptr<TVideoProfile>> removed_;
  TReadFailureHandler onReadFailure_;
};

// The display order: by format code, then by name byte for byte (a name that is the
// start of another comes first). Answers -1, 0 or 1.
int CompareProfiles(const TVideoProfile* a, const TVideoProfile* b);
