#include "ui/dialog_position.h"

#include <gtest/gtest.h>

#include "platform/posix/testing.h"

namespace {

class DialogPosition : public testing::Test {
 protected:
  void SetUp() override {
    standin::reset();
    standin::set_screen_size(1024, 768);
    dialog = standin::create_window(nullptr, "#32770", 0, "dialog", WS_POPUP, RECT{20, 40, 420, 340});
  }

  RECT where() {
    RECT rect{};
    GetWindowRect(dialog, &rect);
    return rect;
  }

  HWND dialog = nullptr;
};

TEST_F(DialogPosition, GetStoresTheTopLeftCorner) {
  int16_t x = 0, y = 0;
  FTX_GetDlgPos(dialog, &x, &y);
  EXPECT_EQ(x, 20);
  EXPECT_EQ(y, 40);
}

TEST_F(DialogPosition, GetNarrowsCoordinatesToSixteenBits) {
  MoveWindow(dialog, 70000, -70000, 400, 300, TRUE);
  int16_t x = 0, y = 0;
  FTX_GetDlgPos(dialog, &x, &y);
  EXPECT_EQ(x, int16_t(70000 - 65536));
  EXPECT_EQ(y, int16_t(-70000 + 65536));
}

TEST_F(DialogPosition, GetLeavesThePositionOfAWindowThatIsGone) {
  DestroyWindow(dialog);
  int16_t x = 7, y = 8;
  FTX_GetDlgPos(dialog, &x, &y);
  EXPECT_EQ(x, 7);
  EXPECT_EQ(y, 8);
  FTX_GetDlgPos(dialog, nullptr, nullptr);
}

TEST_F(DialogPosition, SetMovesOnlyToAPlacedPointOnTheScreen) {
  const struct {
    int16_t x;
    int16_t y;
    bool moves;
  } cases[] = {{-32768, 10, false}, {10, -32768, false}, {-1, 10, false},  {10, -1, false},
               {1025, 10, false},   {10, 769, false},    {1024, 768, true}, {0, 0, true},
               {500, 300, true}};
  for (const auto& c : cases) {
    MoveWindow(dialog, 20, 40, 400, 300, TRUE);
    FTX_SetDlgPos(dialog, &c.x, &c.y);
    const RECT r = where();
    const int expected_left = c.moves ? c.x : 20, expected_top = c.moves ? c.y : 40;
    EXPECT_EQ(r.left, expected_left) << c.x << ", " << c.y;
    EXPECT_EQ(r.top, expected_top) << c.x << ", " << c.y;
    EXPECT_EQ(r.right - r.left, 400) << "the size stays";
    EXPECT_EQ(r.bottom - r.top, 300) << "the size stays";
  }
}

TEST_F(DialogPosition, SetFollowsTheScreenSize) {
  standin::set_screen_size(1920, 1080);
  const int16_t x = 1500, y = 1000;
  FTX_SetDlgPos(dialog, &x, &y);
  EXPECT_EQ(where().left, 1500);
  EXPECT_EQ(where().top, 1000);
}

TEST_F(DialogPosition, SetIgnoresMissingPointers) {
  const int16_t x = 5;
  FTX_SetDlgPos(dialog, &x, nullptr);
  FTX_SetDlgPos(dialog, nullptr, &x);
  EXPECT_EQ(where().left, 20);
}

}  // namespace
