#pragma once
#include <cstdint>

#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/WinApi.h"

// File names: the folder part ends with its "\" (or the drive's ":"), the extension
// starts with its "." and belongs to the last name only ("a.b\c" has none).
AnsiString ExtractFilePath(const AnsiString& fileName);  // "C:\a\b.txt" -> "C:\a\"
AnsiString ExtractFileDir(const AnsiString& fileName);   // "C:\a\b.txt" -> "C:\a"
AnsiString ExtractFileName(const AnsiString& fileName);  // "C:\a\b.txt" -> "b.txt"
AnsiString ExtractFileExt(const AnsiString& fileName);   // "C:\a\b.txt" -> ".txt"
AnsiString ExtractFileDrive(const AnsiString& fileName); // "C:\a" -> "C:", "\\srv\share\a" -> "\\srv\share"
AnsiString ChangeFileExt(const AnsiString& fileName, const AnsiString& extension);
AnsiString IncludeTrailingPathDelimiter(const AnsiString& path);
AnsiString ExcludeTrailingPathDelimiter(const AnsiString& path);
AnsiString ExpandFileName(const AnsiString& fileName);
AnsiString GetCurrentDir();

bool FileExists(const AnsiString& fileName);       // an existing file, not a folder
bool DirectoryExists(const AnsiString& folder);
bool CreateDir(const AnsiString& folder);
bool RemoveDir(const AnsiString& folder);
// Makes the folder and every missing parent; true when the folder exists afterwards.
bool ForceDirectories(const AnsiString& folder);
// The system's DeleteFile names the ANSI entry; this overload takes our text.
inline bool DeleteFileA(const AnsiString& fileName) { return ::DeleteFileA(fileName.c_str()) != FALSE; }
bool RenameFile(const AnsiString& oldName, const AnsiString& newName);
// Size in bytes, -1 when the file cannot be read.
int64_t FileSizeOf(const AnsiString& fileName);
// The attributes (faReadOnly ...), -1 when the file does not exist.
int FileGetAttr(const AnsiString& fileName);
bool FileSetAttr(const AnsiString& fileName, int attributes);

// File attributes as FindFirst reports and filters them.
constexpr int faReadOnly = 0x01;
constexpr int faHidden = 0x02;
constexpr int faSysFile = 0x04;
constexpr int faVolumeID = 0x08;
constexpr int faDirectory = 0x10;
constexpr int faArchive = 0x20;
constexpr int faAnyFile = 0x3F;

// One entry found by FindFirst/FindNext. Holds the system search handle until
// FindClose or its own end.
struct TSearchRec {
  int Time = 0;      // last write time as a packed local DOS date-time (date << 16 | time)
  int64_t Size = 0;  // bytes
  int Attr = 0;      // the fa* attributes
  AnsiString Name;   // name without folder
  int ExcludeAttr = 0;
  HANDLE FindHandle = INVALID_HANDLE_VALUE;
  WIN32_FIND_DATAA FindData = {};

  TSearchRec() = default;
  TSearchRec(const TSearchRec&) = delete;
  TSearchRec& operator=(const TSearchRec&) = delete;
  ~TSearchRec();
};

// Starts a search of `path` (folder and name pattern). Entries that are hidden, system
// files, volume labels or folders are reported only when `attr` names that attribute;
// read-only and archive entries always are (so faAnyFile, 63, reports all). Answers 0
// when an entry was found, else the system error code (the search is then closed).
int FindFirst(const AnsiString& path, int attr, TSearchRec& rec);
// The next entry: 0, or the system error code when there is none (ERROR_NO_MORE_FILES).
int FindNext(TSearchRec& rec);
// Ends the search; harmless when already ended.
void FindClose(TSearchRec& rec);
