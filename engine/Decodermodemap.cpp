#include "engine/Decodermodemap.h"

#include <iterator>

#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/FileUtils.h"
#include "classlib/runtime/IniFiles.h"
#include "classlib/runtime/Strings.h"
#include "classlib/runtime/SysUtils.h"

TDecoderModeMap DecoderModeMap;

namespace {

const char* const kDefaultSection = "Default";
const char* const kDefaultKey = "DefaultDecoderMode";
const char* const kExtensionSection = "Ext";
const char* const kNoteKey = "Note";
const char* const kModeKey = "DecoderMode";

bool IsMode(int mode) { return mode >= dmBuiltInFirst && mode <= dmDirectShowOnly; }

// A new empty file in `folder`, removed at the end of the scope unless it was kept.
class SiblingFile {
 public:
  explicit SiblingFile(const AnsiString& folder) {
    char created[MAX_PATH] = {};
    if (GetTempFileNameA(folder.IsEmpty() ? "." : folder.c_str(), "dmc", 0, created) != 0) name_ = created;
  }
  ~SiblingFile() {
    if (!name_.IsEmpty()) DeleteFileA(name_);
  }
  SiblingFile(const SiblingFile&) = delete;
  SiblingFile& operator=(const SiblingFile&) = delete;
  const AnsiString& Name() const { return name_; }
  // Puts the file in place of `target`; true when it is there.
  bool ReplaceTarget(const AnsiString& target) {
    if (!MoveFileExA(name_.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return false;
    name_ = AnsiString();
    return true;
  }

 private:
  AnsiString name_;
};

}  // namespace

bool TDecoderModeMap::LoadFromFile(const AnsiString& path) {
  items_.clear();
  if (!FileExists(path)) return false;
  try {
    TMemIniFile ini(path);
    defaultMode_ = static_cast<signed char>(ini.ReadInteger(kDefaultSection, kDefaultKey, dmBuiltInFirst));
    TStringList extensions;
    ini.ReadSection(kExtensionSection, &extensions);
    for (int i = 0; i < extensions.Count(); ++i) {
      const AnsiString extension = extensions[i];
      TDecoderModeMapItem item{extension, ini.ReadString(extension, kNoteKey, AnsiString()),
                               static_cast<signed char>(ini.ReadInteger(extension, kModeKey, dmBuiltInFirst))};
      items_.emplace(extension, item);
    }
    return true;
  } catch (const Exception&) {
    return false;
  }
}

bool TDecoderModeMap::SaveToFile(const AnsiString& path) const {
  // A read-only table stays as it is (not every system refuses to replace it).
  const int attributes = FileGetAttr(path);
  if (attributes != -1 && (attributes & faReadOnly) != 0) return false;
  SiblingFile written(ExtractFilePath(path));
  if (written.Name().IsEmpty()) return false;
  try {
    TMemIniFile ini(written.Name());
    ini.WriteInteger(kDefaultSection, kDefaultKey, defaultMode_);
    for (const auto& [extension, item] : items_) ini.WriteString(kExtensionSection, LowerCase(extension), AnsiString());
    for (const auto& [extension, item] : items_) {
      ini.WriteString(extension, kNoteKey, item.Note);
      ini.WriteInteger(extension, kModeKey, item.DecoderMode);
    }
    ini.UpdateFile();
  } catch (const Exception&) {
    return false;
  }
  return written.ReplaceTarget(path);
}

bool TDecoderModeMap::SetItem(const TDecoderModeMapItem& item) {
  items_.insert_or_assign(item.Extension, item);
  return true;
}

int TDecoderModeMap::GetMode(const AnsiString& extension) const {
  const auto found = items_.find(extension);
  if (found != items_.end() && IsMode(found->second.DecoderMode)) return found->second.DecoderMode;
  return IsMode(defaultMode_) ? defaultMode_ : dmBuiltInFirst;
}

bool TDecoderModeMap::GetItem(int index, TDecoderModeMapItem& item) const {
  if (index < 0 || index >= GetCount()) return false;
  item = std::next(items_.begin(), index)->second;
  return true;
}
