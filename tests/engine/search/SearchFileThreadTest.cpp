#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "classlib/runtime/FileUtils.h"
#include "engine/Searchfilethread.h"
#include "test_support.h"

namespace {

void MakeFile(const std::string& path, int size) {
  std::ofstream out(path, std::ios::binary);
  out << std::string(static_cast<size_t>(size), 'v');
}

// Records the reports and where they were made; can stop the search in a folder.
class Receiver : public SearchCallBackBase {
 public:
  explicit Receiver(std::string root) : root_(std::move(root)) {}
  void FileFound(const SearchResultItem& item) override {
    Note();
    files.push_back(Relative(item.FullPath));
  }
  void FolderChanged(const AnsiString& folder) override {
    Note();
    folders.push_back(Relative(folder));
    if (thread != nullptr && folders.back() == stopIn) thread->Terminate();
  }

  std::vector<std::string> folders, files;
  bool offWindowThread = false;
  TThread* thread = nullptr;
  std::string stopIn;

 private:
  void Note() { offWindowThread |= GetCurrentThreadId() != MainThreadID(); }
  std::string Relative(const AnsiString& path) const {
    const std::string s = path.str();
    return s.rfind(root_, 0) == 0 ? s.substr(root_.size()) : s;
  }
  std::string root_;
};

std::vector<std::string> Sorted(std::vector<std::string> v) {
  std::sort(v.begin(), v.end());
  return v;
}

// Generated clips, decoys and nested folders:
//   Video\  Movie.AVI  x.avi2  clip.wmv  notes.txt  Clips.avi\inside.avi
//           Sub\deep.avi  Sub\Sub2\deeper.mpg
//   Other\  one.avi (100 bytes)  mid.avi (1000)  big.avi (5000)
class SearchFileThreadTest : public testing::Test {
 protected:
  // Each test has a tree of its own: the tests may run side by side.
  void SetUp() override {
    const std::string test = testing::UnitTest::GetInstance()->current_test_info()->name();
    root_ = testsupport::FreshTempFolder("engine-search-" + test) + "\\";
    for (const char* folder : {"Video", "Video\\Clips.avi", "Video\\Sub", "Video\\Sub\\Sub2", "Other"})
      CreateDirectoryA((root_ + folder).c_str(), nullptr);
    for (const char* file : {"Video\\Movie.AVI", "Video\\x.avi2", "Video\\clip.wmv", "Video\\notes.txt",
                             "Video\\Clips.avi\\inside.avi", "Video\\Sub\\deep.avi", "Video\\Sub\\Sub2\\deeper.mpg"})
      MakeFile(root_ + file, 16);
    MakeFile(root_ + "Other\\one.avi", 100);
    MakeFile(root_ + "Other\\mid.avi", 1000);
    MakeFile(root_ + "Other\\big.avi", 5000);
  }

  // Runs a whole search from the window thread, serving its reports until it ends.
  static std::unique_ptr<Receiver> Search(const std::string& folders, const std::string& masks, bool subfolders,
                                          std::vector<SearchResultItem>& results,
                                          const SearchLimitList* limits = nullptr) {
    auto receiver = std::make_unique<Receiver>(root_);
    TSearchFileThread thread(false, receiver.get(), subfolders, Rooted(folders), masks, &results, limits);
    thread.WaitFor();
    return receiver;
  }

  static std::string Rooted(const std::string& folders) {
    std::string out;
    size_t start = 0;
    while (start <= folders.size()) {
      const size_t end = std::min(folders.find(';', start), folders.size());
      out += root_ + folders.substr(start, end - start) + ";";
      start = end + 1;
    }
    return out;
  }

  static std::string root_;
};
std::string SearchFileThreadTest::root_;

TEST_F(SearchFileThreadTest, FindsExactlyTheFilesOfTheMasksExtensionsInTheRightFolders) {
  struct Case {
    const char* folders;
    const char* masks;
    bool subfolders;
    std::vector<std::string> folderOrder;  // empty: not checked in order
    std::vector<std::string> found;
  };
  const Case cases[] = {
      {"Video", "*.avi", true, {},
       {"Video\\Clips.avi\\inside.avi", "Video\\Movie.AVI", "Video\\Sub\\deep.avi"}},
      {"Video", "*.av?", true, {}, {}},
      {"Video", "*.avi;*.mpg", false, {"Video\\"}, {"Video\\Movie.AVI"}},
      {"Video;Video\\", "*.avi", false, {"Video\\"}, {"Video\\Movie.AVI"}},
      {"Video", "*.avi;*.AVI", false, {"Video\\"}, {"Video\\Movie.AVI"}},
      {"Other;Video\\Sub", "*.avi;*.mpg", true, {"Video\\Sub\\", "Video\\Sub\\Sub2\\", "Other\\"},
       {"Other\\big.avi", "Other\\mid.avi", "Other\\one.avi", "Video\\Sub\\Sub2\\deeper.mpg", "Video\\Sub\\deep.avi"}},
      {"Video\\Sub;Other", "*.mpg", false, {"Other\\", "Video\\Sub\\"}, {}},
      {"Video;Video\\Sub", "*.mpg", true, {"Video\\Sub\\", "Video\\Sub\\Sub2\\", "Video\\", "Video\\Clips.avi\\"},
       {"Video\\Sub\\Sub2\\deeper.mpg"}},
      {"Missing;Other", "*.avi", true, {"Other\\", "Missing\\"},
       {"Other\\big.avi", "Other\\mid.avi", "Other\\one.avi"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.folders << " / " << c.masks << " / " << c.subfolders);
    std::vector<SearchResultItem> results;
    auto receiver = Search(c.folders, c.masks, c.subfolders, results);
    EXPECT_EQ(Sorted(receiver->files), c.found);
    EXPECT_EQ(results.size(), receiver->files.size());
    if (!c.folderOrder.empty()) EXPECT_EQ(receiver->folders, c.folderOrder);
    EXPECT_FALSE(receiver->offWindowThread);
  }
}

TEST_F(SearchFileThreadTest, SubfoldersAreWalkedLastFoundFirstEachOnce) {
  std::vector<SearchResultItem> results;
  auto receiver = Search("Video", "*.avi", true, results);
  // The listing order of Video's subfolders decides which comes first.
  std::vector<std::string> listed;
  TSearchRec rec;
  for (int r = FindFirst((root_ + "Video\\*.*").c_str(), faAnyFile, rec); r == 0; r = FindNext(rec))
    if ((rec.Attr & faDirectory) != 0 && rec.Name != "." && rec.Name != "..") listed.push_back(rec.Name.str());
  FindClose(rec);
  ASSERT_EQ(listed.size(), 2u);
  std::vector<std::string> expected{"Video\\"};
  for (auto it = listed.rbegin(); it != listed.rend(); ++it) {
    expected.push_back("Video\\" + *it + "\\");
    if (*it == "Sub") expected.push_back("Video\\Sub\\Sub2\\");
  }
  EXPECT_EQ(receiver->folders, expected);
}

TEST_F(SearchFileThreadTest, ResultsCarryNameSizeDateAndAttributes) {
  std::vector<SearchResultItem> results;
  Search("Other", "*.avi", false, results);
  auto big = std::find_if(results.begin(), results.end(), [](auto& r) { return r.FileName == "big.avi"; });
  ASSERT_NE(big, results.end());
  EXPECT_EQ(big->FullPath.str(), root_ + "Other\\big.avi");
  EXPECT_EQ(big->Size, 5000);
  EXPECT_EQ(big->Attributes & faDirectory, 0);
  EXPECT_NE(big->Date, 0);
}

class SizeLimit : public SearchLimit {
 public:
  explicit SizeLimit(int64_t most) : most_(most) {}
  bool Accept(const SearchResultItem& item) const override { return item.Size <= most_; }

 private:
  int64_t most_;
};

class CountingLimit : public SearchLimit {
 public:
  bool Accept(const SearchResultItem&) const override {
    ++calls;
    return true;
  }
  mutable int calls = 0;
};

TEST_F(SearchFileThreadTest, ALimitOnSizeDropsExactlyTheLargerFiles) {
  SizeLimit atMost1000(1000);
  const SearchLimitList limits{&atMost1000};
  std::vector<SearchResultItem> results;
  auto receiver = Search("Other;Video", "*.avi", true, results, &limits);
  EXPECT_EQ(Sorted(receiver->files),
            (std::vector<std::string>{"Other\\mid.avi", "Other\\one.avi", "Video\\Clips.avi\\inside.avi",
                                      "Video\\Movie.AVI", "Video\\Sub\\deep.avi"}));
}

TEST(MatchSearchLimits, StopsAtTheFirstRefusalAndAcceptsWithoutConditions) {
  SizeLimit none(-1);
  CountingLimit counting;
  const SearchResultItem item{"C:\\a.avi", "a.avi", 10, 0, 0};
  const SearchLimitList refusingFirst{&none, &counting};
  EXPECT_FALSE(MatchSearchLimits(&refusingFirst, item));
  EXPECT_EQ(counting.calls, 0);
  const SearchLimitList countingFirst{&counting, &none};
  EXPECT_FALSE(MatchSearchLimits(&countingFirst, item));
  EXPECT_EQ(counting.calls, 1);
  const SearchLimitList empty;
  EXPECT_TRUE(MatchSearchLimits(&empty, item));
  EXPECT_TRUE(MatchSearchLimits(nullptr, item));
}

TEST_F(SearchFileThreadTest, TerminatingStopsBeforeTheNextFolderButReportsTheCurrentFiles) {
  Receiver receiver(root_);
  receiver.stopIn = "Video\\";
  std::vector<SearchResultItem> results;
  TSearchFileThread thread(true, &receiver, false, Rooted("Other;Video"), "*.avi", &results, nullptr);
  receiver.thread = &thread;
  thread.Start();
  thread.WaitFor();
  EXPECT_EQ(receiver.folders, (std::vector<std::string>{"Video\\"}));
  EXPECT_EQ(receiver.files, (std::vector<std::string>{"Video\\Movie.AVI"}));
}

TEST_F(SearchFileThreadTest, WaitForReturnsWhileTheThreadWaitsInSynchronize) {
  Receiver receiver(root_);
  std::vector<SearchResultItem> results;
  TSearchFileThread thread(false, &receiver, true, Rooted("Other;Video"), "*.avi", &results, nullptr);
  Sleep(300);  // nobody serves the window thread: the search waits in its first report
  EXPECT_FALSE(thread.Finished());
  EXPECT_TRUE(receiver.folders.empty());
  thread.Terminate();
  thread.WaitFor();
  EXPECT_TRUE(thread.Finished());
  EXPECT_EQ(receiver.folders, (std::vector<std::string>{"Video\\"}));
  EXPECT_EQ(receiver.files, (std::vector<std::string>{"Video\\Movie.AVI"}));
}

}  // namespace
