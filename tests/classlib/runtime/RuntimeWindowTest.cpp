#include <gtest/gtest.h>

#include <vector>

#include "classlib/runtime/Exceptions.h"
#include "classlib/runtime/Object.h"
#include "classlib/runtime/UtilityWindow.h"

namespace {

std::vector<AnsiString> g_handled;

void RecordException(const std::exception_ptr& error) { g_handled.push_back(ExceptionMessage(error)); }

// Restores the default handler when the test ends.
struct HandlerScope {
  HandlerScope() {
    g_handled.clear();
    SetExceptionHandler(&RecordException);
  }
  ~HandlerScope() { SetExceptionHandler(nullptr); }
};

class TReceiver : public TObject {
 public:
  void WndProc(TMessage& message) {
    if (message.Msg == WM_APP + 1) {
      seen.push_back(message.WParam);
      message.Result = 77;
    } else if (message.Msg == WM_APP + 2) {
      throw EConvertError("failed in a window procedure");
    } else if (message.Msg == WM_APP + 3) {
      Abort();
    } else {
      message.Result = DefWindowProcA(handle, message.Msg, message.WParam, message.LParam);
    }
  }
  HWND handle = nullptr;
  std::vector<WPARAM> seen;
};

}  // namespace

TEST(UtilityWindows, MessagesReachTheMethodAndExceptionsStopThere) {
  HandlerScope scope;
  TReceiver receiver;
  TUtilityWindow window(TWndMethod(&receiver, &TReceiver::WndProc));
  receiver.handle = window.Handle();
  ASSERT_TRUE(IsWindow(window.Handle()));
  EXPECT_FALSE(IsWindowVisible(window.Handle()));
  EXPECT_EQ(SendMessageA(window.Handle(), WM_APP + 1, 5, 0), 77);
  EXPECT_EQ(receiver.seen, std::vector<WPARAM>{5});
  EXPECT_EQ(SendMessageA(window.Handle(), WM_APP + 2, 0, 0), 0);
  EXPECT_EQ(SendMessageA(window.Handle(), WM_APP + 3, 0, 0), 0);  // EAbort: silent
  EXPECT_EQ(g_handled, std::vector<AnsiString>{"failed in a window procedure"});
}

TEST(UtilityWindows, DeallocateDestroysTheWindow) {
  TReceiver receiver;
  HWND handle = AllocateHWnd(TWndMethod(&receiver, &TReceiver::WndProc));
  receiver.handle = handle;
  ASSERT_TRUE(IsWindow(handle));
  DeallocateHWnd(handle);
  EXPECT_FALSE(IsWindow(handle));
  DeallocateHWnd(nullptr);
}
