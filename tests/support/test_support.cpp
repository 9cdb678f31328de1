#include "test_support.h"

#include <shellapi.h>

#include <cstdlib>

namespace testsupport {

void PumpMessages(unsigned ms) {
  PumpUntil([] { return false; }, ms);
}

bool PumpUntil(const std::function<bool()>& done, unsigned timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    if (done()) return true;
    if (GetTickCount() - start >= timeoutMs) return done();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
}

COLORREF ScreenPixel(int x, int y) {
  GdiFlush();
  HDC screen = GetDC(nullptr);
  const COLORREF c = GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  return c;
}

std::string FreshTempFolder(const std::string& name) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string path = std::string(temp) + "converter-tests\\" + name;
  std::string from = path + '\0';  // double-null terminated for the shell
  SHFILEOPSTRUCTA op{};
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
  SHFileOperationA(&op);
  CreateDirectoryA((std::string(temp) + "converter-tests").c_str(), nullptr);
  CreateDirectoryA(path.c_str(), nullptr);
  return path;
}

std::string EnvironmentValue(const char* name) {
  const char* v = std::getenv(name);
  return v ? v : "";
}

}  // namespace testsupport
