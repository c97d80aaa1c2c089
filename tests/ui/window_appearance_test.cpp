#include "ui/window_appearance.h"

#include <gtest/gtest.h>

#include "platform/posix/testing.h"

namespace {

TEST(SupportsTransparency, OnlyOnNtFromVersionFive) {
  const struct {
    DWORD platform;
    DWORD major;
    bool expected;
  } cases[] = {{VER_PLATFORM_WIN32_NT, 5, true},       {VER_PLATFORM_WIN32_NT, 10, true},
               {VER_PLATFORM_WIN32_NT, 4, false},      {VER_PLATFORM_WIN32_WINDOWS, 5, false},
               {VER_PLATFORM_WIN32s, 6, false}};
  for (const auto& c : cases) {
    standin::reset();
    standin::set_os_version(c.platform, c.major, 0);
    EXPECT_EQ(Win32_SupportsTransparency(), c.expected) << "platform " << c.platform << ", major " << c.major;
  }
  standin::reset();
}

}  // namespace
