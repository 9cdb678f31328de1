#pragma once
#include <cstdint>
#include <set>
#include <tuple>
#include <vector>

#include "classlib/runtime/AnsiString.h"
#include "classlib/runtime/Threads.h"

// One file found by the folder search.
struct SearchResultItem {
  AnsiString FullPath;  // folder followed by the name
  AnsiString FileName;
  int64_t Size = 0;     // bytes (video files may pass 2 GB)
  int Date = 0;         // packed local date and time as the file search gives it
  int Attributes = 0;   // the fa* attributes

  friend bool operator==(const SearchResultItem&, const SearchResultItem&) = default;
};

// A condition a found file must meet. Tested on the search thread.
class SearchLimit {
 public:
  virtual ~SearchLimit() = default;
  virtual bool Accept(const SearchResultItem& item) const = 0;
};

using SearchLimitList = std::vector<SearchLimit*>;

// True when every condition accepts `item`, tested in list order up to the first
// refusal; true for an empty or missing list.
bool MatchSearchLimits(const SearchLimitList* limits, const SearchResultItem& item);

// The receiver of the search's reports, called on the window thread.
class SearchCallBackBase {
 public:
  virtual ~SearchCallBackBase() = default;
  virtual void FileFound(const SearchResultItem& item) = 0;
  virtual void FolderChanged(const AnsiString& folder) = 0;
};

// Searches folders (optionally with all their subfolders) for files whose extension is
// one of the masks' extensions. The folders are walked from the last listed to the
// first, subfolders depth first, the last found first; a folder's subfolders are
// collected before its files are reported. Each folder entered and each new file found
// is reported through the window thread; found files are appended to `results`
// there, each once. Terminate stops the walk before the next folder. Directories that
// are links (reparse points) are never entered, nor is a directory walked twice, so
// link loops cannot trap the search.
class TSearchFileThread : public TThread {
  CLASSLIB_CLASS(TSearchFileThread, TThread)
 public:
  // `folders` and `masks` are lists separated by ";" (masks like "*.avi").
  // `results`, `receiver` and `limits` (may be null) stay the caller's and must outlive
  // the thread.
  TSearchFileThread(bool createSuspended, SearchCallBackBase* receiver, bool includeSubfolders,
                    const AnsiString& folders, const AnsiString& masks, std::vector<SearchResultItem>* results,
                    const SearchLimitList* limits);
  ~TSearchFileThread() override;

 protected:
  void Execute() override;
  // On the window thread: stores a new record and reports it.
  void DoFileFound();
  // On the window thread: reports the folder being searched.
  void DoFolderChanged();

 private:
  using DirectoryIdentity = std::tuple<unsigned long, unsigned long, unsigned long>;

  void Push(const AnsiString& folder);
  bool FirstVisit(const AnsiString& folder);
  void CollectSubfolders(const AnsiString& folder);
  void ReportFiles(const AnsiString& folder, const AnsiString& mask);

  std::vector<SearchResultItem>* results_;
  SearchCallBackBase* receiver_;
  const SearchLimitList* limits_;
  bool includeSubfolders_;
  std::vector<AnsiString> walkList_;
  std::vector<AnsiString> masks_;
  std::set<DirectoryIdentity> walked_;
  SearchResultItem record_;
  AnsiString currentFolder_;
};
