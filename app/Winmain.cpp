#include "app/Startup.h"
#include "classlib/runtime/WinApi.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return RunConverter(); }
