#include "classlib/runtime/FileUtils.h"

namespace {
const AnsiString kPathDelimiters = "\\:";
const AnsiString kExtensionDelimiters = ".\\:";

bool IsPathDelimiter(char c) { return c == '\\' || c == '/'; }
}  // namespace

AnsiString ExtractFilePath(const AnsiString& fileName) {
  return fileName.SubString(1, fileName.LastDelimiter(kPathDelimiters));
}

AnsiString ExtractFileDir(const AnsiString& fileName) {
  int end = fileName.LastDelimiter(kPathDelimiters);
  // Keep the "\" of a drive root ("C:\") and of a bare "\"; drop any other.
  if (end > 1 && fileName[end] == '\\' && !fileName.IsDelimiter(kPathDelimiters, end - 1)) --end;
  return fileName.SubString(1, end);
}

AnsiString ExtractFileName(const AnsiString& fileName) {
  return fileName.SubString(fileName.LastDelimiter(kPathDelimiters) + 1, fileName.Length());
}

AnsiString ExtractFileExt(const AnsiString& fileName) {
  const int at = fileName.LastDelimiter(kExtensionDelimiters);
  if (at > 0 && fileName[at] == '.') return fileName.SubString(at, fileName.Length());
  return {};
}

AnsiString ExtractFileDrive(const AnsiString& fileName) {
  if (fileName.Length() >= 2 && fileName[2] == ':') return fileName.SubString(1, 2);
  if (fileName.Length() >= 2 && fileName[1] == '\\' && fileName[2] == '\\') {
    // "\\server\share": up to the third backslash after the leading two.
    int slashes = 0;
    int i = 3;
    for (; i <= fileName.Length(); ++i) {
      if (fileName[i] == '\\' && ++slashes == 2) break;
    }
    return slashes >= 1 ? fileName.SubString(1, i - 1) : AnsiString();
  }
  return {};
}

AnsiString ChangeFileExt(const AnsiString& fileName, const AnsiString& extension) {
  int at = fileName.LastDelimiter(kExtensionDelimiters);
  if (at == 0 || fileName[at] != '.') at = fileName.Length() + 1;
  return fileName.SubString(1, at - 1) + extension;
}

AnsiString IncludeTrailingPathDelimiter(const AnsiString& path) {
  if (path.Length() > 0 && IsPathDelimiter(path[path.Length()])) return path;
  return path + "\\";
}

AnsiString ExcludeTrailingPathDelimiter(const AnsiString& path) {
  if (path.Length() > 0 && IsPathDelimiter(path[path.Length()])) return path.SubString(1, path.Length() - 1);
  return path;
}

AnsiString ExpandFileName(const AnsiString& fileName) {
  char buffer[MAX_PATH * 2];
  char* name = nullptr;
  const DWORD length = GetFullPathNameA(fileName.c_str(), sizeof buffer, buffer, &name);
  if (length == 0 || length >= sizeof buffer) return fileName;
  return AnsiString(buffer, static_cast<int>(length));
}

AnsiString GetCurrentDir() {
  char buffer[MAX_PATH * 2];
  const DWORD length = GetCurrentDirectoryA(sizeof buffer, buffer);
  return length > 0 && length < sizeof buffer ? AnsiString(buffer, static_cast<int>(length)) : AnsiString();
}

bool FileExists(const AnsiString& fileName) {
  const DWORD attributes = GetFileAttributesA(fileName.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool DirectoryExists(const AnsiString& folder) {
  const DWORD attributes = GetFileAttributesA(folder.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool CreateDir(const AnsiString& folder) { return CreateDirectoryA(folder.c_str(), nullptr) != FALSE; }

bool RemoveDir(const AnsiString& folder) { return RemoveDirectoryA(folder.c_str()) != FALSE; }

bool ForceDirectories(const AnsiString& folder) {
  const AnsiString path = ExcludeTrailingPathDelimiter(folder);
  if (path.IsEmpty()) return false;
  if (DirectoryExists(path)) return true;
  const AnsiString parent = ExtractFileDir(path);
  // A drive ("C:") or a name without a folder part ends the climb.
  if (parent != path && !parent.IsEmpty() && ExtractFileDrive(path) != path && !ForceDirectories(parent)) return false;
  return CreateDir(path) || DirectoryExists(path);
}

bool RenameFile(const AnsiString& oldName, const AnsiString& newName) {
  return MoveFileA(oldName.c_str(), newName.c_str()) != FALSE;
}

int64_t FileSizeOf(const AnsiString& fileName) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(fileName.c_str(), GetFileExInfoStandard, &data)) return -1;
  return (static_cast<int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

int FileGetAttr(const AnsiString& fileName) {
  const DWORD attributes = GetFileAttributesA(fileName.c_str());
  return attributes == INVALID_FILE_ATTRIBUTES ? -1 : static_cast<int>(attributes);
}

bool FileSetAttr(const AnsiString& fileName, int attributes) {
  return SetFileAttributesA(fileName.c_str(), static_cast<DWORD>(attributes)) != FALSE;
}

namespace {
constexpr int kFilteredAttributes = faHidden | faSysFile | faVolumeID | faDirectory;

// Skips entries with an excluded attribute; answers 0 at an accepted entry, else the
// system's error code.
int FindMatchingFile(TSearchRec& rec) {
  while ((rec.FindData.dwFileAttributes & static_cast<DWORD>(rec.ExcludeAttr)) != 0) {
    if (!FindNextFileA(rec.FindHandle, &rec.FindData)) return static_cast<int>(GetLastError());
  }
  FILETIME local;
  FileTimeToLocalFileTime(&rec.FindData.ftLastWriteTime, &local);
  WORD date = 0;
  WORD time = 0;
  FileTimeToDosDateTime(&local, &date, &time);
  rec.Time = static_cast<int>((static_cast<unsigned>(date) << 16) | time);
  rec.Size = (static_cast<int64_t>(rec.FindData.nFileSizeHigh) << 32) | rec.FindData.nFileSizeLow;
  rec.Attr = static_cast<int>(rec.FindData.dwFileAttributes);
  rec.Name = rec.FindData.cFileName;
  return 0;
}
}  // namespace

TSearchRec::~TSearchRec() { FindClose(*this); }

int FindFirst(const AnsiString& path, int attr, TSearchRec& rec) {
  FindClose(rec);
  rec.ExcludeAttr = ~attr & kFilteredAttributes;
  rec.FindHandle = FindFirstFileA(path.c_str(), &rec.FindData);
  if (rec.FindHandle == INVALID_HANDLE_VALUE) return static_cast<int>(GetLastError());
  const int result = FindMatchingFile(rec);
  if (result != 0) FindClose(rec);
  return result;
}

int FindNext(TSearchRec& rec) {
  if (rec.FindHandle == INVALID_HANDLE_VALUE) return ERROR_NO_MORE_FILES;
  if (!FindNextFileA(rec.FindHandle, &rec.FindData)) return static_cast<int>(GetLastError());
  return FindMatchingFile(rec);
}

void FindClose(TSearchRec& rec) {
  if (rec.FindHandle != INVALID_HANDLE_VALUE) ::FindClose(rec.FindHandle);
  rec.FindHandle = INVALID_HANDLE_VALUE;
}
