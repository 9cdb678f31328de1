// The real system dialogs: a file typed into the open dialog and confirmed, a cancelled
// folder browser.
#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <functional>
#include <thread>

#include "../windowing/WindowingFixtures.h"
#include "classlib/stdctrls/FileDialogs.h"
#include "classlib/runtime/SysUtils.h"
#include "classlib/stdctrls/FolderBrowser.h"

namespace {

// Keeps the first visible dialog window it is shown in the HWND `data` points at.
BOOL CALLBACK KeepVisibleDialog(HWND window, LPARAM data) {
  if (IsWindowVisible(window) && WindowClassName(window) == "#32770") {
    *reinterpret_cast<HWND*>(data) = window;
    return FALSE;
  }
  return TRUE;
}

// The visible dialog window of this process's thread `thread`, or null.
HWND FindDialog(DWORD thread) {
  HWND found = nullptr;
  EnumThreadWindows(thread, KeepVisibleDialog, reinterpret_cast<LPARAM>(&found));
  return found;
}

// Waits on another thread for the dialog the window thread shows, then acts on it.
class TDialogDriver {
 public:
  explicit TDialogDriver(std::function<void(HWND)> act) : thread_(GetCurrentThreadId()) {
    worker_ = std::thread([this, act] {
      for (int i = 0; i < 200 && !found_; ++i) {
        HWND dialog = FindDialog(thread_);
        if (dialog != nullptr) {
          found_ = true;
          Sleep(300);  // let it finish its start
          act(dialog);
          return;
        }
        Sleep(50);
      }
    });
  }
  ~TDialogDriver() { worker_.join(); }
  bool Found() const { return found_; }

 private:
  DWORD thread_;
  std::atomic<bool> found_{false};
  std::thread worker_;
};

void TypeKey(BYTE vk) {
  keybd_event(vk, static_cast<BYTE>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)), 0, 0);
  keybd_event(vk, static_cast<BYTE>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)), KEYEVENTF_KEYUP, 0);
  Sleep(30);
}

TEST(DialogsTest, AFileTypedIntoTheOpenDialogAndConfirmedIsReturned) {
  const std::string folder = testsupport::FreshTempFolder("open_dialog");
  std::ofstream(folder + "\\clip1.avi") << "data";
  TOpenDialog dialog(nullptr);
  dialog.SetInitialDir(folder.c_str());
  dialog.SetFilter("Video|*.avi|All|*.*");
  dialog.SetOptions({ofHideReadOnly, ofFileMustExist, ofEnableSizing});
  bool result = false;
  {
    TDialogDriver driver([](HWND window) {
      SetForegroundWindow(window);
      Sleep(200);
      for (char c : std::string("clip1.avi")) {
        const SHORT scan = VkKeyScanA(c);
        TypeKey(static_cast<BYTE>(scan & 0xFF));
      }
      Sleep(200);
      TypeKey(VK_RETURN);
    });
    result = dialog.Execute();
    EXPECT_TRUE(driver.Found());
  }
  ASSERT_TRUE(result);
  EXPECT_EQ(0, CompareText(AnsiString((folder + "\\clip1.avi").c_str()), dialog.FileName())) << dialog.FileName();
}

TEST(DialogsTest, ACancelledFolderBrowserAnswersFalseAndKeepsTheFolder) {
  AnsiString directory = "C:\\unchanged";
  bool result = true;
  {
    TDialogDriver driver([](HWND window) { PostMessageA(window, WM_COMMAND, IDCANCEL, 0); });
    result = SelectDirectory("Pick a folder", directory);
    EXPECT_TRUE(driver.Found());
  }
  EXPECT_FALSE(result);
  EXPECT_EQ(AnsiString("C:\\unchanged"), directory);
}

}  // namespace
