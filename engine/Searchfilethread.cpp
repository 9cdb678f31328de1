#include "engine/Searchfilethread.h"

#include <algorithm>

#include "classlib/runtime/FileUtils.h"
#include "classlib/runtime/SysUtils.h"
#include "engine/Quorinvccommon.h"

namespace {

// A directory opened only to learn its identity, closed at the end of the scope.
class DirectoryHandle {
 public:
  explicit DirectoryHandle(const AnsiString& folder)
      : handle_(CreateFileA(folder.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr)) {}
  ~DirectoryHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  DirectoryHandle(const DirectoryHandle&) = delete;
  DirectoryHandle& operator=(const DirectoryHandle&) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

bool IsDotEntry(const AnsiString& name) { return name == "." || name == ".."; }

}  // namespace

bool MatchSearchLimits(const SearchLimitList* limits, const SearchResultItem& item) {
  if (limits == nullptr) return true;
  return std::all_of(limits->begin(), limits->end(), [&item](const SearchLimit* limit) { return limit->Accept(item); });
}

TSearchFileThread::TSearchFileThread(bool createSuspended, SearchCallBackBase* receiver, bool includeSubfolders,
                                     const AnsiString& folders, const AnsiString& masks,
                                     std::vector<SearchResultItem>* results, const SearchLimitList* limits)
    : results_(results), receiver_(receiver), limits_(limits), includeSubfolders_(includeSubfolders) {
  SplitString(masks, ';', masks_);
  std::vector<AnsiString> listed;
  SplitString(folders, ';', listed);
  for (const AnsiString& folder : listed) Push(IncludeTrailingPathDelimiter(folder));
  if (!createSuspended) Start();
}

TSearchFileThread::~TSearchFileThread() {
  Terminate();
  WaitFor();
}

void TSearchFileThread::Push(const AnsiString& folder) {
  if (std::find(walkList_.begin(), walkList_.end(), folder) == walkList_.end()) walkList_.push_back(folder);
}

// True the first time a directory is met, whatever path leads to it. A directory
// whose identity cannot be read counts as new.
bool TSearchFileThread::FirstVisit(const AnsiString& folder) {
  DirectoryHandle directory(folder);
  BY_HANDLE_FILE_INFORMATION info;
  if (directory.get() == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(directory.get(), &info)) return true;
  return walked_.emplace(info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow).second;
}

void TSearchFileThread::Execute() {
  while (!walkList_.empty() && !Terminated()) {
    currentFolder_ = walkList_.back();
    walkList_.pop_back();
    if (!FirstVisit(currentFolder_)) continue;
    Synchronize(TThreadMethod(this, &TSearchFileThread::DoFolderChanged));
    if (includeSubfolders_) CollectSubfolders(currentFolder_);
    for (const AnsiString& mask : masks_) ReportFiles(currentFolder_, mask);
  }
}

void TSearchFileThread::CollectSubfolders(const AnsiString& folder) {
  TSearchRec rec;
  for (int found = FindFirst(folder + "*.*", faAnyFile, rec); found == 0; found = FindNext(rec)) {
    const bool directory = (rec.Attr & faDirectory) != 0;
    const bool link = (rec.FindData.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    if (directory && !link && !IsDotEntry(rec.Name)) Push(folder + rec.Name + "\\");
  }
  FindClose(rec);
}

void TSearchFileThread::ReportFiles(const AnsiString& folder, const AnsiString& mask) {
  const AnsiString extension = LowerCase(ExtractFileExt(mask));
  TSearchRec rec;
  for (int found = FindFirst(folder + mask, faAnyFile, rec); found == 0; found = FindNext(rec)) {
    if ((rec.Attr & faDirectory) != 0 || LowerCase(ExtractFileExt(rec.Name)) != extension) continue;
    record_ = SearchResultItem{folder + rec.Name, rec.Name, rec.Size, rec.Time, rec.Attr};
    if (MatchSearchLimits(limits_, record_)) Synchronize(TThreadMethod(this, &TSearchFileThread::DoFileFound));
  }
  FindClose(rec);
}

void TSearchFileThread::DoFileFound() {
  if (std::find(results_->begin(), results_->end(), record_) != results_->end()) return;
  results_->push_back(record_);
  if (receiver_ != nullptr) receiver_->FileFound(record_);
}

void TSearchFileThread::DoFolderChanged() {
  if (receiver_ != nullptr) receiver_->FolderChanged(currentFolder_);
}
