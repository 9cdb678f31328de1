// The change notifier: no watcher without OnChange, reports on the window thread, moves
// with Root, survives a folder it cannot watch, and ends cleanly at once.
#include <vector>

#include "ShellFixture.h"
#include "window_support.h"

#include <tlhelp32.h>

using namespace shelltest;

namespace {

// Counts OnChange calls and the threads they ran on.
class TChangeCounter : public TObject {
 public:
  void Changed() { threads.push_back(GetCurrentThreadId()); }
  size_t Count() const { return threads.size(); }
  std::vector<DWORD> threads;
};

int ProcessThreadCount() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return -1;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof(entry);
  int count = 0;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
    if (entry.th32OwnerProcessID == GetCurrentProcessId()) ++count;
  }
  CloseHandle(snapshot);
  return count;
}

bool ReportedWithin(const TChangeCounter& counter, size_t count, unsigned ms = 5000) {
  return testsupport::ServeUntil([&] { return counter.Count() >= count; }, ms);
}

// Makes new files in `folder` until the counter hears of one (the watcher opens its
// handle on its own thread, so the first file may come before it watches); false when
// none is reported within about five seconds.
bool NewFilesReported(const std::string& folder, const TChangeCounter& counter) {
  static int serial = 0;
  for (int attempt = 0; attempt < 50; ++attempt) {
    MakeFile(folder + "\\probe" + std::to_string(++serial) + ".txt");
    if (ReportedWithin(counter, 1, 100)) return true;
  }
  return false;
}

// Watches `root` for the counter.
void Watch(TspShellChangeNotifier& notifier, const std::string& root, TChangeCounter& counter) {
  notifier.SetRoot(root.c_str());
  notifier.SetOnChange(TThreadMethod(&counter, &TChangeCounter::Changed));
}

}  // namespace

TEST(Notifier, DefaultsWatchNothing) {
  TspShellChangeNotifier notifier(nullptr);
  EXPECT_EQ(nullptr, notifier.Watcher());
  EXPECT_STREQ("C:\\", notifier.Root().c_str());
  EXPECT_TRUE(notifier.WatchSubTree());
  EXPECT_EQ((TNotifyFilters{nfFileNameChange, nfDirNameChange}), notifier.NotifyFilters());
  notifier.SetRoot("C:\\Windows");
  EXPECT_EQ(nullptr, notifier.Watcher());
}

TEST(Notifier, FiltersBecomeTheSystemsFlags) {
  struct Case {
    TNotifyFilter filter;
    DWORD flag;
  } cases[] = {{nfFileNameChange, FILE_NOTIFY_CHANGE_FILE_NAME}, {nfDirNameChange, FILE_NOTIFY_CHANGE_DIR_NAME},
               {nfAttributeChange, FILE_NOTIFY_CHANGE_ATTRIBUTES}, {nfSizeChange, FILE_NOTIFY_CHANGE_SIZE},
               {nfWriteChange, FILE_NOTIFY_CHANGE_LAST_WRITE},    {nfSecurityChange, FILE_NOTIFY_CHANGE_SECURITY}};
  for (const Case& c : cases) EXPECT_EQ(c.flag, NotifyFiltersToFlags({c.filter})) << c.filter;
  EXPECT_EQ(DWORD{3}, NotifyFiltersToFlags({nfFileNameChange, nfDirNameChange}));
}

TEST(Notifier, ChangesReportOnTheWindowThreadAndFollowRoot) {
  const std::string first = CaseFolder();
  const std::string second = CaseFolder("-second");
  TChangeCounter counter;
  TspShellChangeNotifier notifier(nullptr);
  Watch(notifier, first, counter);
  ASSERT_NE(nullptr, notifier.Watcher());

  ASSERT_TRUE(NewFilesReported(first, counter));
  for (DWORD thread : counter.threads) EXPECT_EQ(MainThreadID(), thread);

  notifier.SetRoot(second.c_str());
  counter.threads.clear();
  ASSERT_TRUE(NewFilesReported(second, counter));  // so the watcher watches the second folder now
  testsupport::ServeApplication(100);
  counter.threads.clear();
  MakeFile(first + "\\unseen.txt");
  EXPECT_FALSE(ReportedWithin(counter, 1, 400));
  MakeFile(second + "\\seen.txt");
  EXPECT_TRUE(ReportedWithin(counter, 1));
}

TEST(Notifier, AMissingRootReportsNothingUntilRootIsReal) {
  const std::string base = CaseFolder();
  TChangeCounter counter;
  TspShellChangeNotifier notifier(nullptr);
  Watch(notifier, base + "\\missing", counter);
  TspShellChangeThread* ended = notifier.Watcher();
  ASSERT_NE(nullptr, ended);
  ASSERT_TRUE(testsupport::ServeUntil([&] { return ended->Finished(); }));
  MakeFolder(base + "\\missing");
  MakeFile(base + "\\missing\\early.txt");
  EXPECT_FALSE(ReportedWithin(counter, 1, 300));

  notifier.SetRoot(base.c_str());  // the ended watcher is replaced
  ASSERT_NE(nullptr, notifier.Watcher());
  EXPECT_FALSE(notifier.Watcher()->Finished());
  EXPECT_TRUE(NewFilesReported(base, counter));
}

TEST(Notifier, MovingRootAgainBeforeTheWatcherEndedStillWatches) {
  const std::string base = CaseFolder();
  TChangeCounter counter;
  TspShellChangeNotifier notifier(nullptr);
  Watch(notifier, base + "\\missing", counter);
  notifier.SetRoot(base.c_str());  // at once: the first watcher may not have ended yet
  EXPECT_TRUE(NewFilesReported(base, counter));
}

TEST(Notifier, DestroyingRightAfterAChangeRunsNothingAndLeavesNoThread) {
  const std::string base = CaseFolder();
  TChangeCounter counter;
  testsupport::ServeApplication(50);
  const int threadsBefore = ProcessThreadCount();
  for (int i = 0; i < 50; ++i) {
    auto notifier = std::make_unique<TspShellChangeNotifier>(nullptr);
    notifier->SetWatchSubTree(false);
    Watch(*notifier, base, counter);
    ASSERT_TRUE(NewFilesReported(base, counter));  // watching
    MakeFile(base + "\\f" + std::to_string(i) + ".txt");
    Sleep(5);  // lets the watcher reach its synchronized call: nothing is served meanwhile
    const size_t calls = counter.Count();
    notifier.reset();  // serves the watcher's pending call, which must do nothing now
    testsupport::ServeApplication(20);
    EXPECT_EQ(calls, counter.Count()) << i;
  }
  EXPECT_EQ(threadsBefore, ProcessThreadCount());
}
