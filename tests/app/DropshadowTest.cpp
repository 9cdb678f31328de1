#include <gtest/gtest.h>

#include <memory>

#include "AppFixture.h"
#include "app/Dropshadow.h"
#include "app/Mainfrm.h"

namespace {

TEST(DropShadow, NTFamilySystemsFromVersion51OnDrawShadows) {
  const struct {
    DWORD platform, major, minor;
    bool shadow;
  } cases[] = {{VER_PLATFORM_WIN32_NT, 4, 0, false},      {VER_PLATFORM_WIN32_NT, 4, 1, false},
               {VER_PLATFORM_WIN32_NT, 5, 0, false},      {VER_PLATFORM_WIN32_NT, 5, 1, true},
               {VER_PLATFORM_WIN32_NT, 5, 2, true},       {VER_PLATFORM_WIN32_NT, 6, 0, true},
               {VER_PLATFORM_WIN32_NT, 10, 0, true},      {VER_PLATFORM_WIN32_WINDOWS, 4, 90, false},
               {VER_PLATFORM_WIN32_WINDOWS, 6, 1, false}, {VER_PLATFORM_WIN32s, 5, 1, false}};
  for (const auto& c : cases) {
    EXPECT_EQ(c.shadow, SystemDrawsDropShadow(c.platform, c.major, c.minor))
        << c.platform << " " << c.major << "." << c.minor;
  }
}

class DropShadowWindow : public AppFixture {};

TEST_F(DropShadowWindow, TheMainWindowClassCarriesTheShadowStyleWhereTheSystemDrawsIt) {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  ASSERT_TRUE(GetVersionExA(&version));
  const bool expected = SystemDrawsDropShadow(version.dwPlatformId, version.dwMajorVersion, version.dwMinorVersion);
  std::unique_ptr<TMainForm> form(NewForm<TMainForm>(nullptr));
  const auto style = static_cast<UINT>(GetClassLongPtrA(form->Handle(), GCL_STYLE));
  EXPECT_EQ(expected, (style & kDropShadowClassStyle) != 0);
  TCreateParams params;
  AddDropShadow(params);
  EXPECT_EQ(expected ? kDropShadowClassStyle : 0u, params.WindowClass.style);
}

}  // namespace
