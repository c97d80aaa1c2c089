// Key state as GetKeyState reports it.
#include <gtest/gtest.h>

#include "platform/posix/testing.h"

namespace {

TEST(Keyboard, DownKeysHaveTheHighBitsSet) {
  standin::reset();
  standin::set_key_down(VK_CONTROL);
  SHORT state = GetKeyState(VK_CONTROL);
  EXPECT_LT(state, 0);
  EXPECT_NE(state & 0x8000, 0);
  EXPECT_NE(state & 0x80, 0);
  EXPECT_EQ(GetKeyState(VK_SHIFT), 0);
  standin::set_key_down(VK_CONTROL, false);
  EXPECT_EQ(GetKeyState(VK_CONTROL), 0);
}

TEST(Keyboard, SidedModifiersCountForTheGenericKey) {
  struct Case {
    int sided;
    int generic;
  };
  const Case cases[] = {{VK_LSHIFT, VK_SHIFT},     {VK_RSHIFT, VK_SHIFT},
                        {VK_LCONTROL, VK_CONTROL}, {VK_RCONTROL, VK_CONTROL},
                        {VK_LMENU, VK_MENU},       {VK_RMENU, VK_MENU}};
  for (const Case& c : cases) {
    standin::reset();
    standin::set_key_down(c.sided);
    EXPECT_LT(GetKeyState(c.generic), 0) << c.sided;
  }
}

TEST(Keyboard, ToggleIsTheLowBitAndClearKeysReleasesAll) {
  standin::reset();
  standin::set_key_toggled(VK_CAPITAL);
  standin::set_key_down(VK_ESCAPE);
  EXPECT_EQ(GetKeyState(VK_CAPITAL), 1);
  standin::clear_keys();
  EXPECT_EQ(GetKeyState(VK_CAPITAL), 0);
  EXPECT_EQ(GetKeyState(VK_ESCAPE), 0);
  EXPECT_EQ(GetKeyState(-1), 0);
  EXPECT_EQ(GetKeyState(300), 0);
}

}  // namespace
