#include "app/Dropshadow.h"

bool SystemDrawsDropShadow(DWORD platformId, DWORD majorVersion, DWORD minorVersion) {
  if (platformId != VER_PLATFORM_WIN32_NT) return false;
  return (majorVersion > 4 && minorVersion > 0) || majorVersion > 5;
}

void AddDropShadow(TCreateParams& params) {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  if (!GetVersionExA(&version)) return;
  if (SystemDrawsDropShadow(version.dwPlatformId, version.dwMajorVersion, version.dwMinorVersion)) {
    params.WindowClass.style |= kDropShadowClassStyle;
  }
}
