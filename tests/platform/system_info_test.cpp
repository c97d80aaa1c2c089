// The operating-system version and screen metrics.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/posix/testing.h"

namespace {

TEST(SystemInfo, VersionNeedsTheRecordSizeSet) {
  standin::reset();
  struct Case {
    DWORD size;
    BOOL ok;
  };
  const Case cases[] = {{148, TRUE}, {156, TRUE}, {0, FALSE}, {147, FALSE}, {200, FALSE}};
  for (const Case& c : cases) {
    OSVERSIONINFOEXA info;
    std::memset(&info, 0xAB, sizeof info);
    info.dwOSVersionInfoSize = c.size;
    EXPECT_EQ(GetVersionExA(reinterpret_cast<LPOSVERSIONINFOA>(&info)), c.ok) << c.size;
    if (!c.ok) {
      EXPECT_EQ(GetLastError(), DWORD(ERROR_INSUFFICIENT_BUFFER)) << c.size;
      continue;
    }
    EXPECT_EQ(info.dwPlatformId, DWORD(VER_PLATFORM_WIN32_NT)) << c.size;
    EXPECT_EQ(info.dwMajorVersion, 6u) << c.size;
    EXPECT_EQ(info.szCSDVersion[0], '\0') << c.size;
    EXPECT_EQ(info.dwOSVersionInfoSize, c.size) << "the size is kept";
  }
}

TEST(SystemInfo, VersionCanPlayWindows98) {
  standin::reset();
  standin::set_os_version(VER_PLATFORM_WIN32_WINDOWS, 4, 10, 2222);
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  ASSERT_TRUE(GetVersionExA(&info));
  EXPECT_EQ(info.dwPlatformId, 1u);
  EXPECT_EQ(info.dwMajorVersion, 4u);
  EXPECT_EQ(info.dwMinorVersion, 10u);
  EXPECT_EQ(LOWORD(info.dwBuildNumber), 2222);
}

TEST(SystemInfo, ScreenSizeIsSetByTests) {
  standin::reset();
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
  standin::set_screen_size(1920, 1080);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1920);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 1080);
  EXPECT_EQ(GetSystemMetrics(SM_CXFULLSCREEN), 1920);
  EXPECT_LT(GetSystemMetrics(SM_CYFULLSCREEN), 1080);
  EXPECT_EQ(GetSystemMetrics(12345), 0);
}

}  // namespace
