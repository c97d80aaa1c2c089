#include "toolkit/key_state.h"

#include <gtest/gtest.h>

#include "platform/posix/testing.h"
#include "platform/win32.h"

namespace {

struct KeyCase {
  bool ctrl;
  bool shift;
  bool alt;
  int16_t value;  // without Escape
};

constexpr KeyCase kKeyTable[] = {
    {false, false, false, 0x00}, {true, false, false, 0x01},  {false, true, false, 0x12},
    {false, false, true, 0x04},  {true, true, false, 0x08},   {false, true, true, 0x00},
    {true, false, true, 0x00},   {true, true, true, 0x00},
};

class KeyPressed : public testing::Test {
 protected:
  void SetUp() override { standin::clear_keys(); }
  void TearDown() override { standin::clear_keys(); }
};

TEST_F(KeyPressed, FollowsTheModifierTableWithEscapeAdding0x20) {
  for (bool escape : {false, true}) {
    for (const KeyCase& c : kKeyTable) {
      standin::set_key_down(VK_CONTROL, c.ctrl);
      standin::set_key_down(VK_SHIFT, c.shift);
      standin::set_key_down(VK_MENU, c.alt);
      standin::set_key_down(VK_ESCAPE, escape);
      EXPECT_EQ(FTX_KeyPressed(), c.value + (escape ? 0x20 : 0))
          << "ctrl " << c.ctrl << ", shift " << c.shift << ", alt " << c.alt << ", escape " << escape;
    }
  }
}

TEST_F(KeyPressed, AToggledKeyIsNotHeld) {
  standin::set_key_toggled(VK_SHIFT);
  EXPECT_EQ(FTX_KeyPressed(), kFtxKeyNone);
}

}  // namespace
