#include "ui/control_messages.h"

#include <gtest/gtest.h>

#include "platform/posix/testing.h"

namespace {

class ControlMessages : public testing::Test {
 protected:
  void SetUp() override {
    standin::reset();
    dialog = standin::create_window(nullptr, "#32770", 0, "dialog", WS_POPUP, RECT{0, 0, 300, 200});
    edit = standin::create_window(dialog, "Edit", 106, "1234", 0, RECT{0, 0, 40, 12});
    updown = standin::create_window(dialog, UPDOWN_CLASSA, 107, nullptr, 0, RECT{40, 0, 50, 12});
  }

  HWND dialog = nullptr, edit = nullptr, updown = nullptr;
};

TEST_F(ControlMessages, SelectAllTextSelectsTheWholeEdit) {
  KVFX_SelectAllText(dialog, 106);
  const standin::Selection selection = standin::edit_selection(edit);
  EXPECT_EQ(selection.start, 0);
  EXPECT_EQ(selection.end, 4);
}

TEST_F(ControlMessages, SetMaxInputLenLimitsTheEdit) {
  KVFX_SetMaxInputLen(dialog, 106, 7);
  EXPECT_EQ(standin::edit_limit(edit), 7);
}

TEST_F(ControlMessages, SetUpDownCtrlRangeSetsLowestAndHighest) {
  const struct {
    int16_t lowest;
    int16_t highest;
  } cases[] = {{1, 12}, {-100, 700}, {1, 9999}};
  for (const auto& c : cases) {
    KVFX_SetUpDownCtrlRange(dialog, 107, c.lowest, c.highest);
    EXPECT_EQ(standin::updown_range(updown).lowest, c.lowest);
    EXPECT_EQ(standin::updown_range(updown).highest, c.highest);
  }
}

TEST_F(ControlMessages, AMissingControlAnswersZero) {
  EXPECT_EQ(KVFX_SelectAllText(dialog, 999), 0);
  EXPECT_EQ(KVFX_SetMaxInputLen(dialog, 999, 4), 0);
  EXPECT_EQ(KVFX_SetUpDownCtrlRange(dialog, 999, 1, 4), 0);
}

}  // namespace
