#pragma once
#include <windows.h>
#include <chrono>
#include <functional>
#include <string>

namespace testsupport {

// Serves the window thread's message queue for at least `ms` milliseconds.
void PumpMessages(unsigned ms);

// Serves messages until `done` answers true or `timeoutMs` passes; answers `done()`.
bool PumpUntil(const std::function<bool()>& done, unsigned timeoutMs);

// The colour the screen shows at a screen point (what the X server really displays).
COLORREF ScreenPixel(int x, int y);

// A folder for the test's files, made empty below the system temporary folder.
std::string FreshTempFolder(const std::string& name);

// The value of an environment variable, or "" when it is not set.
std::string EnvironmentValue(const char* name);

}  // namespace testsupport
